#include "hunts/HuntCard.h"

#include <array>

#include "hunts/TRecBattuta.h"

namespace {

using F = TRecBattuta::Field;
using K = CardFieldKind;

// The fields in tab order. Enter runs from the kind to the season and the
// start date, and from the days of notice on to the participants, where it
// starts a new line, as it does in the game killed. The two dates are
// filled by the date import window.
const std::array kFields{
    CardField{.field = F::TipoBattuta,
              .label = "Tipo battuta di caccia:",
              .next = F::Stagione,
              .titles = "Tipo battuta|Tipo|Battuta"},
    CardField{.field = F::Stagione,
              .label = "Stagione venatoria:",
              .next = F::DataInizio,
              .titles = "Stagione"},
    CardField{.field = F::DataInizio,
              .label = "Data inizio:",
              .kind = K::CalendarDate,
              .dateTag = "battute_datainizio",
              .titles = "Inizio|Dal|Data di inizio|Data battuta"},
    CardField{.field = F::DataFine,
              .label = "Data fine:",
              .kind = K::CalendarDate,
              .dateTag = "battute_datafine",
              .titles = "Fine|Al|Data di fine"},
    CardField{.field = F::Preavviso,
              .label = "Preavviso n.",
              .accepts = cardfilter::digits,
              .next = F::Tenuta,
              .defaultText = "0",
              .titles = "Preavviso|N. preavviso|Numero preavviso"},
    CardField{.field = F::Tenuta,
              .label = "Tenuta A.T.C.",
              .next = F::Vitto,
              .titles = "Tenuta|ATC|Luogo"},
    CardField{.field = F::Vitto,
              .label = "Vitto e alloggio:",
              .next = F::Trasporto,
              .titles = "Vitto|Alloggio"},
    CardField{.field = F::Trasporto, .label = "Trasporto:", .next = F::Squadra},
    CardField{.field = F::Squadra,
              .label = "Squadra partecipante:",
              .next = F::Caposquadra,
              .titles = "Squadra|Squadra di caccia"},
    CardField{.field = F::Caposquadra,
              .label = "Capo squadra:",
              .next = F::Quota,
              .titles = "Caposquadra|Capo"},
    CardField{.field = F::Quota,
              .label = "Quota partecipazione: €",
              .accepts = cardfilter::amount,
              .next = F::Note,
              .defaultText = "0,00",
              .onLeave = &hunts::formatFee,
              .titles = "Quota|Quota di partecipazione|Importo|Costo"},
    CardField{.field = F::Note,
              .label = "Note:",
              .next = F::Cacciatori,
              .titles = "Annotazioni|Osservazioni"},
    CardField{.field = F::Cacciatori,
              .label = "Cacciatori partecipanti:",
              .kind = K::Memo,
              .titles = "Cacciatori|Partecipanti"},
    CardField{.field = F::Capi,
              .label = "Capi abbattuti:",
              .kind = K::Memo,
              .titles = "Capi|Abbattimenti|Carniere"},
};

}  // namespace

namespace hunts {

const CardRules& cardRules() {
    static const CardRules rules{
        .fields = kFields,
        .check =
            [](const FieldValues& values) {
                return hunts::checkForSave(TRecBattuta::fromValues(values));
            },
    };
    return rules;
}

}  // namespace hunts
