#include "weapons/WeaponCard.h"

#include <array>

#include "weapons/TRecArma.h"

namespace {

using F = TRecArma::Field;
using K = CardFieldKind;

// The fields in tab order. Enter follows the same chain, skipping the
// sale flag, and returns from the value to the make and model.
const std::array kFields{
    CardField{.field = F::Arma, .label = "Arma (marca e modello):", .next = F::Accessori},
    CardField{.field = F::Accessori, .label = "Accessori:", .next = F::Calibro},
    CardField{.field = F::Calibro, .label = "Calibro:", .next = F::Anno},
    CardField{.field = F::Anno, .label = "Anno:", .next = F::Matricola},
    CardField{.field = F::Matricola, .label = "Matricola n.", .next = F::Peso},
    CardField{.field = F::Peso, .label = "Peso in kg:", .next = F::Componenti},
    CardField{.field = F::Componenti, .label = "Componenti:", .next = F::Dimensioni},
    CardField{.field = F::Dimensioni, .label = "Dimensioni:", .next = F::Munizioni},
    CardField{.field = F::Munizioni, .label = "Munizioni e serbatoi:", .next = F::Luogo},
    CardField{.field = F::Luogo, .label = "Luogo conservazione:", .next = F::Proprietario},
    CardField{.field = F::Proprietario, .label = "Proprietario:", .next = F::CodFisc},
    CardField{.field = F::CodFisc,
              .label = "Codice fiscale:",
              .accepts = cardfilter::alphanumeric,
              .typing = Typing::UpperTrimmed,
              .next = F::Recapito},
    CardField{.field = F::Recapito, .label = "Tel. preferenziale:", .next = F::Note},
    CardField{.field = F::Note, .label = "Note:", .next = F::Prezzo},
    CardField{.field = F::InVendita,
              .label = "In vendita",
              .kind = K::Check,
              .hint = "Spunta questa casella per annotare che l'arma è in vendita."},
    CardField{.field = F::Prezzo,
              .label = "Valore: €",
              .accepts = cardfilter::amount,
              .next = F::Arma,
              .defaultText = "0,00",
              .onLeave = &weapons::formatValue,
              .restFill = "#FFFFFF"},
};

}  // namespace

namespace weapons {

const CardRules& cardRules() {
    static const CardRules rules{
        .fields = kFields,
        .check =
            [](const FieldValues& values) {
                return weapons::checkForSave(TRecArma::fromValues(values));
            },
    };
    return rules;
}

}  // namespace weapons
