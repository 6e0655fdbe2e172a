#include "checks/CodiceFiscale.h"

#include <gtest/gtest.h>

namespace {

using checks::Verdict;
using Outcome = checks::Verdict::Outcome;

const QString kValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString kLength = QStringLiteral(
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");

TEST(CodiceFiscale, CheckLetterFollowsBothValueTables) {
    struct Case {
        const char* first15;
        char expected;
    } cases[] = {
        {"RSSMRA85T10A562", 'S'}, {"MRTMTT25D09F205", 'Z'},
        {"BNCLRA70A41H501", 'B'}, {"RSSMRA85T10A56V", 'X'},  // a letter in place of a digit
        {"000000000000000", 'I'},                            // digits count like the letters A-J
        {"AAAAAAAAAAAAAAA", 'I'}, {"ZZZZZZZZZZZZZZZ", 'V'},
        {":;<=>?@:;<=>?@:", 'A'},  // the signs between 9 and A count nothing
        {"RSSMRA85T10A5:2", 'M'},
    };
    for (const Case& c : cases) {
        const auto expected = checks::codiceFiscaleCheckChar(QString::fromLatin1(c.first15));
        ASSERT_TRUE(expected.has_value()) << c.first15;
        EXPECT_EQ(*expected, QChar::fromLatin1(c.expected)) << c.first15;
    }
}

TEST(CodiceFiscale, CharactersOutsideTheTablesHaveNoCheckLetter) {
    for (const QString& first15 :
         {QStringLiteral("RSSMRA85 10A562"), QStringLiteral("RSSMRA85T10A56["),
          QStringLiteral("rssmra85t10a562"), QStringLiteral("RSSMRÀ85T10A562"),
          QStringLiteral("RSSMRA85T10A56/"), QStringLiteral("RSSMRA85T10A56")}) {
        EXPECT_FALSE(checks::codiceFiscaleCheckChar(first15).has_value()) << qPrintable(first15);
    }
}

TEST(CodiceFiscale, VerdictOnTypedCodes) {
    struct Case {
        const char* typed;  // UTF-8
        Outcome outcome;
    } cases[] = {
        {"RSSMRA85T10A562S", Outcome::Valid},
        {"rssmra85t10a562s", Outcome::Valid},  // taken in upper case
        {"RSSMRA85T10A56VX", Outcome::Valid},
        {"RSSMRA85Z99A562D", Outcome::Valid},  // an impossible date is not examined
        {":::::::::::::::A", Outcome::Valid},
        {"RSSMRA85T10A562T", Outcome::Wrong},  // only the check letter changed
        {"RSSMRA85T10A563S", Outcome::Wrong},  // one of the fifteen changed
        {"RSSMRA85T10A5626", Outcome::Wrong},  // a digit where the letter goes
        {"RSSMRA85 10A562S", Outcome::Wrong},  // a blank inside
        {"RSSMRA85T10A56[S", Outcome::Wrong},  // beyond Z
        {"RSSMRÀ85T10A562S", Outcome::Wrong},  // an accented letter
        {"", Outcome::Unchecked},
        {"RSSMRA85T10A562", Outcome::Unchecked},
        {"RSSMRA85T10A562SS", Outcome::Unchecked},
    };
    for (const Case& c : cases) {
        const Verdict verdict = checks::checkCodiceFiscale(QString::fromUtf8(c.typed));
        EXPECT_EQ(verdict.outcome, c.outcome) << c.typed;
        const QString& message = c.outcome == Outcome::Valid   ? kValid
                                 : c.outcome == Outcome::Wrong ? kWrong
                                                               : kLength;
        EXPECT_EQ(verdict.message, message) << c.typed;
    }
}

}  // namespace
