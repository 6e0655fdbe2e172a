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
    CardField{.field = F::TipoBattuta, .label = "Tipo battuta di caccia:", .next = F::Stagione},
    CardField{.field = F::Stagione, .label = "Stagione venatoria:", .next = F::DataInizio},
    CardField{.field = F::DataInizio,
              .label = "Data inizio:",
              .kind = K::CalendarDate,
              .dateTag = "battute_datainizio"},
    CardField{.field = F::DataFine,
              .label = "Data fine:",
              .kind = K::CalendarDate,
              .dateTag = "battute_datafine"},
    CardField{.field = F::Preavviso,
              .label = "Preavviso n.",
              .accepts = cardfilter::digits,
              .next = F::Tenuta,
              .defaultText = "0"},
    CardField{.field = F::Tenuta, .label = "Tenuta A.T.C.", .next = F::Vitto},
    CardField{.field = F::Vitto, .label = "Vitto e alloggio:", .next = F::Trasporto},
    CardField{.field = F::Trasporto, .label = "Trasporto:", .next = F::Squadra},
    CardField{.field = F::Squadra, .label = "Squadra partecipante:", .next = F::Caposquadra},
    CardField{.field = F::Caposquadra, .label = "Capo squadra:", .next = F::Quota},
    CardField{.field = F::Quota,
              .label = "Quota partecipazione: €",
              .accepts = cardfilter::amount,
              .next = F::Note,
              .defaultText = "0,00",
              .onLeave = &hunts::formatFee},
    CardField{.field = F::Note, .label = "Note:", .next = F::Cacciatori},
    CardField{.field = F::Cacciatori, .label = "Cacciatori partecipanti:", .kind = K::Memo},
    CardField{.field = F::Capi, .label = "Capi abbattuti:", .kind = K::Memo},
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
