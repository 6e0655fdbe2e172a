#include "checks/Iban.h"

#include <gtest/gtest.h>

namespace {

using Outcome = checks::Verdict::Outcome;

TEST(Iban, RemainderOfTheRearrangedNumber) {
    struct Case {
        const char* text;
        int remainder;
    } cases[] = {
        {"IT60X0542811101000000123456", 1},
        {"IT06X0542811101000000123456", 44},  // check digits swapped
        {"it60x0542811101000000123456", 1},
        {"IBAN IT60 X054 2811 1010 0000 0123 456", 1},  // blanks and "IBAN" dropped
        {"ITIBAN60X0542811101000000123", 50},           // "IBAN" dropped wherever it is
        {"IBANX0542811101000000123456", 61},
        {"GB82WEST12345698765432", 1},
        {"DE89370400440532013000", 1},
        {"IT", 83},
        {"0000999999999999999999999999999999", 77},  // 34 digits, far beyond any integer
        {"IT60X0542811101000000123-56", 0},          // a sign cannot be converted
        {"IT60X05428111010000001234É6", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checks::ibanRemainder(QString::fromUtf8(c.text)), c.remainder) << c.text;
    }
}

TEST(Iban, VerdictOnTypedIbans) {
    const QString valid = QStringLiteral("L'IBAN digitato è VALIDO.");
    const QString wrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
    const QString length =
        QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
    struct Case {
        const char* typed;
        Outcome outcome;
        const QString& message;
    } cases[] = {
        {"IT60X0542811101000000123456", Outcome::Valid, valid},
        {"IT30A0300203280000400162643", Outcome::Valid, valid},
        {"IT67T0200802447000100007300", Outcome::Valid, valid},
        {"it60x0542811101000000123456", Outcome::Valid, valid},
        {"  IT60X0542811101000000123456  ", Outcome::Valid, valid},  // trimmed first
        {"IT06X0542811101000000123456", Outcome::Wrong, wrong},
        {"IT60X0542811101000000123457", Outcome::Wrong, wrong},
        {"IT60X0542811101000000123-56", Outcome::Wrong, wrong},
        {"IBANX0542811101000000123456", Outcome::Wrong, wrong},      // IBAN before a short number
        {"IT60X054281110100000012345", Outcome::Unchecked, length},  // 26 characters
        {"IT60 X054 2811 1010 0000 0123 456", Outcome::Unchecked, length},  // groups of four
        {"", Outcome::Unchecked, length},
    };
    for (const Case& c : cases) {
        const checks::Verdict verdict = checks::checkIban(QString::fromLatin1(c.typed));
        EXPECT_EQ(verdict.outcome, c.outcome) << c.typed;
        EXPECT_EQ(verdict.message, c.message) << c.typed;
    }
}

}  // namespace
