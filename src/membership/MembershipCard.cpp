#include "membership/MembershipCard.h"

#include <array>

#include "base/TextRules.h"
#include "membership/MembershipRules.h"
#include "membership/MembershipSettings.h"
#include "membership/TRecTessera.h"

namespace {

using F = TRecTessera::Field;
using K = CardFieldKind;

const std::array kFields{
    CardField{.field = F::Socio,
              .label = "Socio:",
              .next = F::CodFisc,
              .hint = "Il socio: sceglierlo dall'anagrafica dei cacciatori con il pulsante "
                      "accanto."},
    CardField{.field = F::Scheda,
              .label = "Scheda socio n.",
              .accepts = cardfilter::digits,
              .next = F::Quota,
              .hint = "Il numero della scheda del cacciatore in anagrafica: il numero di socio."},
    CardField{.field = F::CodFisc,
              .label = "Codice fiscale:",
              .typing = Typing::UpperTrimmed,
              .next = F::Scheda},
    CardField{.field = F::Quota,
              .label = "Tipo di quota:",
              .kind = K::ListOnly,
              .next = F::Importo,
              .items = &membership::feeNames},
    CardField{.field = F::Importo,
              .label = "Importo in euro:",
              .accepts = cardfilter::amount,
              .next = F::Stato,
              .defaultText = "0,00",
              .onLeave = &membership::formatAmount},
    CardField{.field = F::Stato,
              .label = "Stato:",
              .kind = K::ListOnly,
              .next = F::DataPag,
              .defaultText = "da pagare",
              .items = &membership::stateItems},
    CardField{.field = F::DataPag, .label = "Data pagamento:", .next = F::Metodo},
    CardField{.field = F::Metodo,
              .label = "Metodo:",
              .kind = K::ListOnly,
              .next = F::Polizza,
              .items = &membership::methodItems},
    CardField{.field = F::Ricevuta,
              .label = "Ricevuta n.",
              .accepts = cardfilter::digits,
              .next = F::AnnoRic,
              .hint = "Il numero della ricevuta, dato dal pulsante Paga."},
    CardField{.field = F::AnnoRic,
              .label = "dell'anno",
              .accepts = cardfilter::digits,
              .next = F::Polizza},
    CardField{.field = F::Polizza, .label = "Polizza assicurativa n.", .next = F::ScadePol},
    CardField{.field = F::ScadePol, .label = "Scadenza polizza:", .next = F::DataUscita},
    CardField{.field = F::DataUscita, .label = "Data uscita:", .next = F::Motivo},
    CardField{.field = F::Motivo,
              .label = "Motivo uscita:",
              .kind = K::ListOnly,
              .next = F::Note,
              .items = &membership::exitReasonItems},
    CardField{.field = F::Note, .label = "Note:", .kind = K::Memo, .next = F::Socio},
};

}  // namespace

namespace membership {

const CardRules& cardRules() {
    static const CardRules rules{
        .fields = kFields,
        .derive =
            [](FieldValues& values) {
                TRecTessera card = TRecTessera::fromValues(values);
                card.Importo = formatAmount(card.Importo);
                // A season's file is named by its first year, which is what
                // an import into it sets: the card holds the whole season.
                const QString first = text::trimBlanks(card.Stagione);
                if (first.size() == 4 && text::isAllDigits(first)) {
                    card.Stagione = seasonOfYear(first);
                }
                values = card.toValues();
            },
        .check =
            [](const FieldValues& values) { return checkForSave(TRecTessera::fromValues(values)); },
        .yearField = F::Stagione,
    };
    return rules;
}

}  // namespace membership
