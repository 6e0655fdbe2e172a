#include "weapons/TRecArma.h"

#include "base/TextRules.h"
#include "records/FieldRules.h"

SELVADORO_DEFINE_RECORD(TRecArma, SELVADORO_WEAPON_FIELDS, weapons::kFileName,
                        FieldEncoding::LengthPrefixed, weapons::kRecordSize)
static_assert(TRecArma::Field::Count == 22);

namespace weapons {

std::optional<SaveCheck> checkForSave(const TRecArma& card) {
    using text::trimBlanks;
    if (trimBlanks(card.Arma).isEmpty()) {
        return missingField("la marca e il modello dell'arma.", "txtArma");
    }
    if (trimBlanks(card.Calibro).isEmpty()) {
        return missingField("il calibro dell'arma.", "txtCalibro");
    }
    if (trimBlanks(card.Proprietario).isEmpty()) {
        return missingField("il proprietario dell'arma.", "txtProprietario");
    }
    if (trimBlanks(card.Prezzo).isEmpty()) {
        return missingField("il valore dell'arma.", "txtPrezzo");
    }
    return std::nullopt;
}

QString formatValue(const QString& text) {
    return fieldrules::formattedAmount(text, 2);
}

}  // namespace weapons
