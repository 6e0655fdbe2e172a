#include "checks/Iban.h"

#include "base/TextRules.h"

namespace checks {

int ibanRemainder(const QString& text) {
    QString iban = text;
    iban.remove(u' ');
    iban = iban.toUpper();
    if (const qsizetype at = iban.indexOf(QLatin1String("IBAN")); at >= 0) iban.remove(at, 4);
    iban = iban.mid(4) + iban.left(4);

    QString digits;
    digits.reserve(iban.size() * 2);
    for (const QChar c : iban) {
        if (c >= u'A' && c <= u'Z') {
            digits += QString::number(c.unicode() - u'A' + 10);
        } else if (c >= u'0' && c <= u'9') {
            digits += c;
        } else {
            return 0;  // a sign, a blank of another kind, an accented letter
        }
    }

    // Each step takes the remainder so far and enough further digits to
    // make nine, so no number ever needs more than nine digits.
    int remainder = 0;
    QString carried;
    qsizetype next = 0;
    while (next < digits.size()) {
        const qsizetype piece = qMin(9 - carried.size(), digits.size() - next);
        remainder = (carried + digits.mid(next, piece)).toInt() % 97;
        carried = QString::number(remainder);
        next += piece;
    }
    return remainder;
}

Verdict checkIban(const QString& text) {
    const QString iban = text::trimBlanks(text);
    if (iban.size() != 27) {
        return {Verdict::Outcome::Unchecked,
                QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri "
                               "alfanumerici.")};
    }
    if (ibanRemainder(iban) == 1) {
        return {Verdict::Outcome::Valid, QStringLiteral("L'IBAN digitato è VALIDO.")};
    }
    return {Verdict::Outcome::Wrong, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!")};
}

}  // namespace checks
