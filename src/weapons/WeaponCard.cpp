#include "weapons/WeaponCard.h"

#include <array>

#include "weapons/TRecArma.h"

namespace {

using F = TRecArma::Field;
using K = CardFieldKind;

// The fields in tab order. Enter follows the same chain, skipping the
// sale flag, and returns from the value to the make and model.
const std::array kFields{
    CardField{.field = F::Arma,
              .label = "Arma (marca e modello):",
              .next = F::Accessori,
              .titles = "Arma|Marca e modello|Modello|Marca"},
    CardField{.field = F::Accessori, .label = "Accessori:", .next = F::Calibro},
    CardField{.field = F::Calibro, .label = "Calibro:", .next = F::Anno, .titles = "Cal."},
    CardField{.field = F::Anno,
              .label = "Anno:",
              .next = F::Matricola,
              .titles = "Anno di fabbricazione|Anno costruzione"},
    CardField{.field = F::Matricola,
              .label = "Matricola n.",
              .next = F::Peso,
              .titles = "Matricola|N. matricola|Numero di matricola|Matr."},
    CardField{.field = F::Peso,
              .label = "Peso in kg:",
              .next = F::Componenti,
              .titles = "Peso|Peso kg|Kg"},
    CardField{.field = F::Componenti, .label = "Componenti:", .next = F::Dimensioni},
    CardField{.field = F::Dimensioni, .label = "Dimensioni:", .next = F::Munizioni},
    CardField{.field = F::Munizioni,
              .label = "Munizioni e serbatoi:",
              .next = F::Luogo,
              .titles = "Munizioni|Serbatoi"},
    CardField{.field = F::Luogo,
              .label = "Luogo conservazione:",
              .next = F::Proprietario,
              .titles = "Luogo di conservazione|Custodita presso|Conservazione"},
    CardField{.field = F::Proprietario,
              .label = "Proprietario:",
              .next = F::CodFisc,
              .titles = "Titolare|Detentore|Intestatario"},
    CardField{.field = F::CodFisc,
              .label = "Codice fiscale:",
              .accepts = cardfilter::alphanumeric,
              .typing = Typing::UpperTrimmed,
              .next = F::Recapito,
              .titles = "Cod. fiscale|C.F.|CF",
              .shape = ValueShape::TaxCode},
    CardField{.field = F::Recapito,
              .label = "Tel. preferenziale:",
              .next = F::Note,
              .titles = "Telefono|Tel.|Recapito"},
    CardField{.field = F::Note,
              .label = "Note:",
              .next = F::Prezzo,
              .titles = "Annotazioni|Osservazioni"},
    CardField{.field = F::InVendita,
              .label = "In vendita",
              .kind = K::Check,
              .hint = "Spunta questa casella per annotare che l'arma è in vendita.",
              .titles = "Vendesi|Da vendere"},
    CardField{.field = F::Prezzo,
              .label = "Valore: €",
              .accepts = cardfilter::amount,
              .next = F::Arma,
              .defaultText = "0,00",
              .onLeave = &weapons::formatValue,
              .restFill = "#FFFFFF",
              .titles = "Valore|Prezzo|Prezzo di vendita|Valore stimato"},
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
