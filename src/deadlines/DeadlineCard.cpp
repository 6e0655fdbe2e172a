#include "deadlines/DeadlineCard.h"

#include <array>

#include "deadlines/DeadlineRules.h"
#include "deadlines/TRecScadenza.h"

namespace {

using F = TRecScadenza::Field;
using K = CardFieldKind;

// The fields in tab order. Enter runs from the day to the notes and back
// to the day, skipping the two flags.
const std::array kFields{
    CardField{.field = F::Giorno,
              .label = "Giorno:",
              .kind = K::ListOnly,
              .next = F::Mese,
              .items = &deadlines::dayItems,
              .titles = "Gg|Giorno scadenza"},
    CardField{.field = F::Mese,
              .label = "Mese:",
              .kind = K::ListOnly,
              .next = F::OreApp,
              .items = &deadlines::monthNames,
              .titles = "Mm|Mese scadenza"},
    CardField{.field = F::OreApp,
              .label = "Ore:",
              .kind = K::ListOnly,
              .next = F::MinutiApp,
              .defaultText = "00",
              .items = &deadlines::hourItems,
              .titles = "Ora|Orario"},
    CardField{.field = F::MinutiApp,
              .label = "Minuti:",
              .kind = K::ListOnly,
              .next = F::Avviso,
              .defaultText = "00",
              .items = &deadlines::minuteItems,
              .titles = "Min."},
    CardField{.field = F::Avviso,
              .label = "Avvisa n.",
              .accepts = cardfilter::digits,
              .next = F::Cliente,
              .titles = "Avviso|Preavviso|Giorni di avviso"},
    CardField{.field = F::Cliente,
              .label = "Cacciatore:",
              .next = F::CodFisc,
              .titles = "Socio|Nominativo|Cognome e nome"},
    CardField{.field = F::CodFisc,
              .label = "Codice fiscale:",
              .typing = Typing::UpperTrimmed,
              .next = F::Recapito,
              .titles = "Cod. fiscale|C.F.|CF",
              .shape = ValueShape::TaxCode},
    CardField{.field = F::Recapito,
              .label = "Telefono preferenziale:",
              .next = F::Oggetto,
              .titles = "Telefono|Tel.|Recapito"},
    CardField{.field = F::Oggetto,
              .label = "Oggetto pratica:",
              .next = F::Tipologia,
              .titles = "Oggetto|Pratica"},
    CardField{.field = F::Tipologia,
              .label = "Tipologia:",
              .next = F::Protocollo,
              .titles = "Tipo|Categoria"},
    CardField{.field = F::Protocollo,
              .label = "Protocollo n.",
              .next = F::Apertura,
              .titles = "Protocollo|N. protocollo|Prot."},
    CardField{.field = F::Apertura,
              .label = "Data apertura:",
              .next = F::Chiusura,
              .titles = "Aperta il|Apertura|Data di apertura"},
    CardField{.field = F::Chiusura,
              .label = "Data chiusura:",
              .next = F::Stato,
              .titles = "Chiusa il|Chiusura|Data di chiusura"},
    CardField{.field = F::Stato,
              .label = "Stato avanzamento:",
              .next = F::Consulente,
              .titles = "Stato|Avanzamento"},
    CardField{.field = F::Consulente,
              .label = "Consulente o curatore:",
              .next = F::Dettagli,
              .titles = "Consulente|Curatore|Referente"},
    CardField{.field = F::Dettagli,
              .label = "Causale scadenza:",
              .next = F::Officina,
              .titles = "Causale|Motivo"},
    CardField{.field = F::Officina,
              .label = "Modalità di pagamento:",
              .next = F::Costo,
              .titles = "Pagamento|Modalità pagamento|Metodo di pagamento"},
    CardField{.field = F::Costo,
              .label = "Importo in euro:",
              .accepts = cardfilter::amount,
              .next = F::Contatto,
              .defaultText = "0,00",
              .onLeave = &deadlines::formatAmount,
              .titles = "Importo|Costo|Euro|Spesa"},
    CardField{.field = F::Contatto,
              .label = "Estremi ricevuta:",
              .next = F::Note,
              .titles = "Ricevuta|N. ricevuta"},
    CardField{.field = F::DaConfermare,
              .label = "Appuntamento da confermare",
              .kind = K::Check,
              .hint = "Spunta questa casella per annotare che l'appuntamento è in attesa di "
                      "conferma.",
              .titles = "Da confermare"},
    CardField{.field = F::Note,
              .label = "Note:",
              .next = F::Giorno,
              .titles = "Annotazioni|Osservazioni"},
    CardField{.field = F::Effettuata,
              .label = "Pagamento effettuato",
              .kind = K::Check,
              .hint = "Spunta questa casella per annotare che il pagamento è stata effettuato.",
              .titles = "Pagato|Pagamento effettuato|Saldato"},
};

}  // namespace

namespace deadlines {

const CardRules& cardRules() {
    static const CardRules rules{
        .fields = kFields,
        .derive =
            [](FieldValues& values) {
                TRecScadenza card = TRecScadenza::fromValues(values);
                if (card.Costo.trimmed().isEmpty()) card.Costo = QStringLiteral("0,00");
                deadlines::deriveFields(card);
                values = card.toValues();
            },
        .check =
            [](const FieldValues& values) {
                return deadlines::checkForSave(TRecScadenza::fromValues(values));
            },
        .yearField = F::Anno,
    };
    return rules;
}

}  // namespace deadlines
