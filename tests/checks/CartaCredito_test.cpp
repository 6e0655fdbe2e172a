#include "checks/CartaCredito.h"

#include <gtest/gtest.h>

namespace {

using Outcome = checks::Verdict::Outcome;

TEST(CartaCredito, TypeCodeFromTheLuhnCheck) {
    struct Case {
        const char* number;  // UTF-8
        int code;
    } cases[] = {
        {"4111111111111111", 2},
        {"4111111111111112", 0},     // last digit raised by one
        {"4111 1111 1111 1111", 2},  // blanks are dropped
        {"5555555555554444", 3},
        {"5105105105105100", 3},
        {"6011111111111117", 4},
        {"378282246310005", 1},        // 15 digits
        {"30569309025904", 1},         // 14 digits
        {"2221000000000009", 0},       // right, but starting with 2
        {"12345678901234567894", -1},  // right, starting with 1
        {"18", -1},
        {"75", 5},
        {"0", -2},  // one digit: nothing to sum, check digit 0
        {"4", 0},
        {"42", 2},                     // the number of digits is not tested
        {"xxxx4111111111111111", 2},   // twenty characters: all the digits count
        {"xxxxx4111111111111111", 0},  // twenty-one: the last digit is not looked at
        {"😀😀😀😀4111111111111111", 2},   // each sign one 8-bit "?"
        {"4111 1111 1111 1111 5", 2},  // the 21st character is not looked at
        {"", 0},
        {"abc", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checks::cardTypeCode(QString::fromUtf8(c.number)), c.code) << c.number;
    }
}

TEST(CartaCredito, VerdictNamesTheIssuer) {
    const QString wrong = QStringLiteral(
        "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
        "informazioni relative al tipo di carta di credito.");
    const auto valid = [](const char* number, const char* kind) {
        return QStringLiteral("Il numero di carta di credito ") + QString::fromLatin1(number) +
               QStringLiteral(" risulta valido.\r\n\r\n") + QString::fromUtf8(kind);
    };
    struct Case {
        const char* typed;
        Outcome outcome;
        QString message;
    } cases[] = {
        {"4111111111111111", Outcome::Valid,
         valid("4111111111111111", "La carta di credito è del tipo Visa.")},
        {" 4111 1111 1111 1111 ", Outcome::Valid,
         valid("4111 1111 1111 1111", "La carta di credito è del tipo Visa.")},
        {"5555555555554444", Outcome::Valid,
         valid("5555555555554444", "La carta di credito è del tipo MasterCard.")},
        {"6011111111111117", Outcome::Valid,
         valid("6011111111111117", "La carta di credito è del tipo Discover.")},
        {"378282246310005", Outcome::Valid,
         valid("378282246310005", "La carta di credito è del tipo American Express.")},
        {"30569309025904", Outcome::Valid,
         valid("30569309025904", "La carta di credito è del tipo Diner's Club / Carte Blanche.")},
        {"3566002020360505", Outcome::Valid,
         valid("3566002020360505", "La carta di credito è del tipo JCB.")},
        {"3200000000000002", Outcome::Valid,
         valid("3200000000000002", "Il tipo di carta di credito non è stato riconosciuto.")},
        {"3900000000000005", Outcome::Valid,
         valid("3900000000000005", "Il tipo di carta di credito non è stato riconosciuto.")},
        {"4111111111111112", Outcome::Wrong, wrong},
        {"2221000000000009", Outcome::Wrong, wrong},
        {"0", Outcome::Wrong, wrong},
        {"18", Outcome::Wrong, wrong},
        {"75", Outcome::Wrong, wrong},
        {"abc", Outcome::Wrong, wrong},  // no digit at all
        {"", Outcome::Unchecked,
         QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il "
                        "pulsante di controllo.")},
        {"   ", Outcome::Unchecked,
         QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere il "
                        "pulsante di controllo.")},
    };
    for (const Case& c : cases) {
        const checks::Verdict verdict = checks::checkCard(QString::fromLatin1(c.typed));
        EXPECT_EQ(verdict.outcome, c.outcome) << c.typed;
        EXPECT_EQ(verdict.message, c.message) << c.typed;
    }
}

}  // namespace
