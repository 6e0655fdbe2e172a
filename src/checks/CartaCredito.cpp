#include "checks/CartaCredito.h"

#include <QByteArray>
#include <array>

#include "base/Cp1252.h"
#include "base/TextRules.h"

namespace checks {
namespace {

struct Issuer {
    const char* leading[3];
    const char* name;
};

// The issuers of the numbers starting with 3, by their first two characters.
constexpr std::array kIssuersOf3{
    Issuer{{"30", "36", "38"}, "Diner's Club / Carte Blanche"},
    Issuer{{"34", "37", nullptr}, "American Express"},
    Issuer{{"31", "33", "35"}, "JCB"},
};

QString wrongNumber() {
    return QStringLiteral(
        "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
        "informazioni relative al tipo di carta di credito.");
}

}  // namespace

int cardTypeCode(const QString& text) {
    // The text as the 8-bit characters of the stored cards.
    const QByteArray head = cp1252::encode(text).left(20);
    QByteArray digits;
    for (const char c : head) {
        if (c >= '0' && c <= '9') digits += c;
    }
    if (digits.isEmpty()) return 0;

    // From the digit left of the last one towards the first, every other
    // digit doubled.
    int sum = 0;
    bool doubled = true;
    for (qsizetype i = digits.size() - 2; i >= 0; --i) {
        int digit = digits.at(i) - '0';
        if (doubled) {
            digit *= 2;
            if (digit > 9) digit -= 9;
        }
        sum += digit;
        doubled = !doubled;
    }
    const int expected = (10 - sum % 10) % 10;
    if (digits.back() - '0' != expected) return 0;
    return digits.front() - '0' - 2;
}

QString cardIssuer(int typeCode, const QString& number) {
    switch (typeCode) {
        case 1: {
            const QString leading = number.left(2);
            for (const Issuer& issuer : kIssuersOf3) {
                for (const char* prefix : issuer.leading) {
                    if (prefix && leading == QLatin1String(prefix)) {
                        return QString::fromLatin1(issuer.name);
                    }
                }
            }
            return {};
        }
        case 2:
            return QStringLiteral("Visa");
        case 3:
            return QStringLiteral("MasterCard");
        case 4:
            return QStringLiteral("Discover");
        default:
            return {};
    }
}

Verdict checkCard(const QString& text) {
    const QString number = text::trimBlanks(text);
    if (number.isEmpty()) {
        return {Verdict::Outcome::Unchecked,
                QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                               "premere il pulsante di controllo.")};
    }
    const int code = cardTypeCode(number);
    if (code < 1 || code > 4) return {Verdict::Outcome::Wrong, wrongNumber()};
    const QString issuer = cardIssuer(code, number);
    // A right number starting with 32 or 39 belongs to no issuer we know.
    const QString kind =
        issuer.isEmpty() ? QStringLiteral("Il tipo di carta di credito non è stato riconosciuto.")
                         : QStringLiteral("La carta di credito è del tipo ") + issuer + u'.';
    return {Verdict::Outcome::Valid, QStringLiteral("Il numero di carta di credito ") + number +
                                         QStringLiteral(" risulta valido.\r\n\r\n") + kind};
}

}  // namespace checks
