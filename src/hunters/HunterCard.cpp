#include "hunters/HunterCard.h"

#include <array>

#include "hunters/TRecCacciatore.h"

namespace {

using F = TRecCacciatore::Field;
using K = CardFieldKind;

// The fields in tab order; Enter follows the same chain and returns from
// the last field to the first, the calendar fields open the date window.
const std::array kFields{
    CardField{.field = F::Cognome, .label = "Cognome:", .next = F::Nome},
    CardField{.field = F::Nome, .label = "Nome:", .next = F::CodFisc},
    CardField{.field = F::CodFisc,
              .label = "Codice fiscale:",
              .typing = Typing::UpperTrimmed,
              .next = F::Sesso},
    CardField{
        .field = F::Sesso, .label = "Sesso:", .typing = Typing::UpperTrimmed, .next = F::DataNasc},
    CardField{.field = F::DataNasc, .label = "Data di nascita:", .next = F::CittaNasc},
    CardField{
        .field = F::CittaNasc, .label = "Città / Stato estero di nascita:", .next = F::StatoNasc},
    CardField{.field = F::StatoNasc,
              .label = "Prov.",
              .typing = Typing::UpperTrimmed,
              .typingLimit = 2,
              .next = F::Iva},
    CardField{.field = F::Iva,
              .label = "Partita IVA:",
              .accepts = cardfilter::digits,
              .next = F::Indirizzo},
    CardField{.field = F::Indirizzo, .label = "Via e numero civico:", .next = F::Cap},
    CardField{.field = F::Cap, .label = "CAP:", .next = F::ComuneRes},
    CardField{.field = F::ComuneRes, .label = "Comune di residenza:", .next = F::ProvRes},
    CardField{.field = F::ProvRes,
              .label = "Prov.",
              .kind = K::Combo,
              .typing = Typing::UpperTrimmed,
              .next = F::StatoCit},
    CardField{.field = F::StatoCit, .label = "Gruppo sanguigno:", .next = F::Ingresso},
    CardField{.field = F::Ingresso,
              .label = "Ambiti Territoriali di Caccia (A.T.C.):",
              .next = F::Recapito},
    CardField{.field = F::Recapito, .label = "Tel. preferenziale:", .next = F::TelCasa},
    CardField{.field = F::TelCasa, .label = "Tel. casa:", .next = F::TelCel},
    CardField{.field = F::TelCel, .label = "Tel. cellulare:", .next = F::TelUff},
    CardField{.field = F::TelUff, .label = "Tel. ufficio:", .next = F::Email},
    CardField{
        .field = F::Email, .label = "E-mail:", .typing = Typing::Trimmed, .next = F::Permesso},
    CardField{.field = F::Permesso, .label = "Squadra di caccia:", .next = F::ScadePer},
    CardField{.field = F::ScadePer,
              .label = "Data iscrizione:",
              .kind = K::CalendarDate,
              .dateTag = "anagrafica_scadeper"},
    CardField{.field = F::ComuniSog, .label = "Forme di caccia:", .next = F::Iban},
    CardField{.field = F::Iban,
              .label = "IBAN:",
              .typing = Typing::UpperTrimmed,
              .next = F::Intestatario},
    CardField{.field = F::Intestatario, .label = "Intestatario C/C:", .next = F::Banca},
    CardField{.field = F::Banca, .label = "Banca:", .next = F::Carta},
    CardField{.field = F::Carta,
              .label = "Carta di credito n.",
              .accepts = cardfilter::digits,
              .next = F::ScadeCarta},
    CardField{.field = F::ScadeCarta, .label = "Scadenza:", .next = F::TipoLavoro},
    CardField{.field = F::TipoLavoro, .label = "Polizze assicurative:", .next = F::Precedenti},
    CardField{.field = F::Precedenti, .label = "Armi da caccia possedute:", .next = F::Note},
    CardField{.field = F::Note, .label = "Note:", .next = F::TipoDoc},
    CardField{.field = F::TipoDoc, .label = "Tipo di documento:", .next = F::NumDoc},
    CardField{.field = F::NumDoc, .label = "Numero:", .next = F::EnteRil},
    CardField{.field = F::EnteRil, .label = "Ente di rilascio:", .next = F::DataRil},
    CardField{.field = F::DataRil, .label = "Data di rilascio:", .next = F::DataSca},
    CardField{.field = F::DataSca, .label = "Data di scadenza:", .next = F::Civile},
    CardField{.field = F::Civile, .label = "Codice ID cacciatore:", .next = F::Coniuge},
    CardField{.field = F::Coniuge, .label = "Tesserino venatorio n.", .next = F::Figli},
    CardField{.field = F::Figli, .label = "Stagione venatoria:", .next = F::Datore},
    CardField{.field = F::Datore, .label = "Porto di fucile uso caccia n.", .next = F::Decorrenza},
    CardField{.field = F::Decorrenza,
              .label = "Data rilascio:",
              .kind = K::CalendarDate,
              .dateTag = "anagrafica_decorrenza"},
    CardField{.field = F::Scadenza,
              .label = "Prossima scadenza:",
              .kind = K::CalendarDate,
              .dateTag = "anagrafica_scadenza"},
    CardField{.field = F::Preavviso,
              .label = "Giorni di preavviso:",
              .accepts = cardfilter::digits,
              .next = F::Totale,
              .defaultText = "0"},
    CardField{.field = F::Totale,
              .label = "Importo tassa: €",
              .accepts = cardfilter::amount,
              .next = F::Contratto,
              .defaultText = "0,00",
              .onLeave = &hunters::formatTaxAmount},
    CardField{.field = F::Contratto, .label = "Questura:", .next = F::Cognome},
};
static_assert(kFields.size() == 44);

}  // namespace

namespace hunters {

const CardRules& cardRules() {
    static const CardRules rules{
        .fields = kFields,
        .check =
            [](const FieldValues& values) {
                return hunters::checkForSave(TRecCacciatore::fromValues(values));
            },
    };
    return rules;
}

}  // namespace hunters
