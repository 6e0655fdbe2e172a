#include "archive/FieldRules.h"

#include <QRegularExpression>
#include <limits>

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

std::optional<qint64> amountUnits(const QString& text, int decimals) {
    Q_ASSERT(decimals >= 0 && decimals <= 4);
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
    const qsizetype kept = point + decimals;
    if (digits.size() < kept) digits.append(QString(kept - digits.size(), u'0'));
    const QString whole = digits.left(kept);  // the amount in units
    qsizetype significant = 0;
    while (significant < point && whole.at(significant) == u'0') ++significant;
    if (point - significant > 15) return std::nullopt;
    bool counted = true;
    qint64 units = whole.isEmpty() ? 0 : whole.toLongLong(&counted);
    if (!counted) return std::nullopt;
    // The first dropped digit decides: 5 or more rounds the magnitude up.
    if (digits.size() > kept && digits.at(kept) >= u'5') {
        if (units == std::numeric_limits<qint64>::max()) return std::nullopt;
        ++units;
    }
    return m.captured(1) == QLatin1String("-") ? -units : units;
}

QString amountText(qint64 units, int decimals) {
    Q_ASSERT(decimals >= 0 && decimals <= 4);
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const qint64 magnitude = units < 0 ? -units : units;
    QString text = QString::number(magnitude / scale);
    if (decimals > 0) {
        text += u',' + QString::number(magnitude % scale).rightJustified(decimals, u'0');
    }
    return units < 0 ? u'-' + text : text;
}

QString formattedAmount(const QString& text, int decimals) {
    return amountText(amountUnits(text, decimals).value_or(0), decimals);
}

}  // namespace fieldrules
