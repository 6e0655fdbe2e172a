#include "communications/CommunicationCard.h"

#include <array>

#include "base/Seams.h"
#include "communications/TRecComunicazione.h"
#include "records/FieldRules.h"

namespace {

using F = TRecComunicazione::Field;

QString today() {
    return fieldrules::formatDate(seams::clock().today());
}

// The fields in tab order. Enter runs from the subject to the date (which
// opens the date window instead), from the note to the members (where it
// starts a new line); in the addresses and in the text it starts none and
// moves on, and from the reply back to the subject. The flag is left out of
// the Enter chain.
const std::array kFields{
    CardField{
        .field = F::Oggetto, .label = "Oggetto:", .next = F::Autore, .titles = "Titolo|Argomento"},
    CardField{.field = F::Autore,
              .label = "Autore del messaggio:",
              .next = F::Squadra,
              .titles = "Autore|Mittente|Scritto da"},
    CardField{.field = F::Squadra,
              .label = "Squadra di caccia destinataria:",
              .next = F::Caposquadra,
              .titles = "Squadra|Destinatari|Squadra destinataria"},
    CardField{.field = F::Caposquadra,
              .label = "Capo squadra:",
              .next = F::DataInvio,
              .titles = "Caposquadra|Capo"},
    CardField{.field = F::DataInvio,
              .label = "Data invio:",
              .kind = CardFieldKind::CalendarDate,
              .dateTag = "comunicazioni_datainvio",
              .defaultValue = &today,
              .titles = "Data|Inviato il|Data di invio|Spedito il"},
    CardField{.field = F::Note,
              .label = "Note:",
              .next = F::Cacciatori,
              .titles = "Annotazioni|Osservazioni"},
    CardField{.field = F::Segnala,
              .label = "Segnala",
              .kind = CardFieldKind::Check,
              .hint = "Spunta questa casella per segnalare la comunicazione corrente."},
    CardField{.field = F::Cacciatori,
              .label = "Cacciatori destinatari:",
              .kind = CardFieldKind::Memo,
              .titles = "Cacciatori"},
    CardField{.field = F::Email,
              .label = "Indirizzi e-mail cacciatori (separati da virgola):",
              .kind = CardFieldKind::Memo,
              .accepts = &cardfilter::email,
              .next = F::Messaggio,
              .titles = "E-mail|Email|Indirizzi e-mail",
              .shape = ValueShape::Email},
    CardField{.field = F::Messaggio,
              .label = "Messaggio:",
              .kind = CardFieldKind::Memo,
              .next = F::Riscontro,
              .titles = "Testo|Testo del messaggio"},
    CardField{.field = F::Riscontro,
              .label = "Riscontro ricevuto:",
              .next = F::Oggetto,
              .titles = "Riscontro|Risposta"},
};

}  // namespace

namespace communications {

const CardRules& cardRules() {
    static const CardRules rules{
        .fields = kFields,
        .check =
            [](const FieldValues& values) {
                return communications::checkForSave(TRecComunicazione::fromValues(values));
            },
    };
    return rules;
}

}  // namespace communications
