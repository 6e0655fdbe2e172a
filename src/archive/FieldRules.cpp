#include "archive/FieldRules.h"

#include <QRegularExpression>

#include "base/TextRules.h"

namespace fieldrules {

std::optional<QDate> parseDate(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(text::trimBlanks(text));
    if (!match.hasMatch()) return std::nullopt;
    const int day = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    int year = match.captured(3).toInt();
    if (match.capturedLength(3) <= 2) {
        const int thisYear = QDate::currentDate().year();
        year += 2000;
        if (year > thisYear + 50) year -= 100;
    }
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

QString formatDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

std::optional<qint64> amountCents(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^([+-]?)(\\d*)(?:,(\\d*))?(?:[eE]([+-]?\\d{1,3}))?$"));
    const QRegularExpressionMatch m = pattern.match(text::trimBlanks(text));
    if (!m.hasMatch() || (m.capturedLength(2) == 0 && m.capturedLength(3) == 0)) {
        return std::nullopt;
    }
    // All the digits, and how many of them stand before the comma once the
    // exponent has moved it.
    QString digits = m.captured(2) + m.captured(3);
    qsizetype point = m.capturedLength(2) + m.captured(4).toInt();
    if (point < 0) {
        digits.prepend(QString(-point, u'0'));
        point = 0;
    }
    if (digits.size() < point + 2) digits.append(QString(point + 2 - digits.size(), u'0'));
    const QString whole = digits.left(point + 2);  // the amount in cents
    const QString rest = digits.mid(point + 2);
    qsizetype significant = 0;
    while (significant < whole.size() - 1 && whole.at(significant) == u'0') ++significant;
    if (whole.size() - significant > 17) return std::nullopt;
    qint64 cents = whole.toLongLong();
    // Nearest cent; an exact half goes down.
    const bool aboveHalf =
        !rest.isEmpty() &&
        (rest.at(0) > u'5' ||
         (rest.at(0) == u'5' && rest.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")))));
    if (aboveHalf) ++cents;
    return m.captured(1) == QLatin1String("-") ? -cents : cents;
}

QString shortestAmount(qint64 cents) {
    const qint64 magnitude = cents < 0 ? -cents : cents;
    QString text = QString::number(magnitude / 100);
    const qint64 fraction = magnitude % 100;
    if (fraction != 0) {
        text += u',' + QString::number(fraction).rightJustified(2, u'0');
        if (text.endsWith(u'0')) text.chop(1);
    }
    return cents < 0 ? u'-' + text : text;
}

}  // namespace fieldrules
