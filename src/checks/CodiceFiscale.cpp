#include "checks/CodiceFiscale.h"

#include <array>

namespace checks {
namespace {

// Values of the characters "0" to "Z" (codes 48 to 90) in the odd and the
// even places; the seven signs between "9" and "A" count nothing.
constexpr std::array<int, 43> kOddValues{
    1, 0, 5,  7,  9,  13, 15, 17, 19, 21,                       // 0-9
    0, 0, 0,  0,  0,  0,  0,                                    // : ; < = > ? @
    1, 0, 5,  7,  9,  13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3,  // A-P
    6, 8, 12, 14, 16, 10, 22, 25, 24, 23,                       // Q-Z
};
constexpr std::array<int, 43> kEvenValues{
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,                           // 0-9
    0,  0,  0,  0,  0,  0,  0,                                       // : ; < = > ? @
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,  // A-P
    16, 17, 18, 19, 20, 21, 22, 23, 24, 25,                          // Q-Z
};

}  // namespace

std::optional<QChar> codiceFiscaleCheckChar(QStringView first15) {
    if (first15.size() != 15) return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < first15.size(); ++i) {
        const char16_t c = first15.at(i).unicode();
        if (c < u'0' || c > u'Z') return std::nullopt;
        // Places count from 1: index 0 is the first, odd, place.
        sum += (i % 2 == 0 ? kOddValues : kEvenValues)[c - u'0'];
    }
    return QChar(u'A' + sum % 26);
}

bool isCodiceFiscaleValid(QStringView code) {
    if (code.size() != 16) return false;
    const std::optional<QChar> expected = codiceFiscaleCheckChar(code.first(15));
    return expected && *expected == code.at(15);
}

Verdict checkCodiceFiscale(const QString& text) {
    const QString code = text.toUpper();
    if (code.size() != 16) {
        return {Verdict::Outcome::Unchecked,
                QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                               "alfanumerici.")};
    }
    if (isCodiceFiscaleValid(code)) {
        return {Verdict::Outcome::Valid, QStringLiteral("Il codice fiscale digitato è VALIDO.")};
    }
    return {Verdict::Outcome::Wrong,
            QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.")};
}

}  // namespace checks
