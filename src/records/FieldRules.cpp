#include "records/FieldRules.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

#include "base/TextRules.h"

namespace fieldrules {

namespace {

// "d/m/y" of ASCII digits, one or two for the day and the month, one to
// four for the year: the parts' values and the year's length; false for any
// other text.
bool splitDate(QStringView text, int parts[3], qsizetype* yearLength) {
    const qsizetype longest[3] = {2, 2, 4};
    qsizetype at = 0;
    for (int p = 0; p < 3; ++p) {
        if (p > 0) {
            if (at >= text.size() || text.at(at) != u'/') return false;
            ++at;
        }
        const qsizetype start = at;
        int value = 0;
        while (at < text.size() && text.at(at) >= u'0' && text.at(at) <= u'9') {
            value = value * 10 + (text.at(at).unicode() - u'0');
            ++at;
        }
        if (at == start || at - start > longest[p]) return false;
        parts[p] = value;
        if (p == 2) *yearLength = at - start;
    }
    return at == text.size();
}

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

}  // namespace

std::optional<QDate> parseDate(const QString& text) {
    const QString trimmed = text::trimBlanks(text);
    int parts[3] = {0, 0, 0};
    qsizetype yearLength = 0;
    if (isAscii(trimmed)) {
        // The common case, read without the pattern below (a list reads a
        // date of every record).
        if (!splitDate(trimmed, parts, &yearLength)) return std::nullopt;
    } else {
        static const QRegularExpression pattern(
            QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{1,4})$"));
        const QRegularExpressionMatch match = pattern.match(trimmed);
        if (!match.hasMatch()) return std::nullopt;
        for (int p = 0; p < 3; ++p) parts[p] = match.captured(p + 1).toInt();
        yearLength = match.capturedLength(3);
    }
    const int day = parts[0];
    const int month = parts[1];
    int year = parts[2];
    if (yearLength <= 2) {
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

namespace {

// An amount in units of its last decimal place, as decimal digits (leading
// zeros possible, never a binary fraction), and its sign.
struct AmountDigits {
    bool negative;
    QString units;
};

// The parts of an amount's text: sign, digits before and after the comma,
// exponent, as the pattern ^([+-]?)(\d*)(?:,(\d*))?(?:[eE]([+-]?\d{1,3}))?$
// takes them.
struct AmountParts {
    QString sign, whole, fraction, exponent;
};

std::optional<AmountParts> splitAmount(const QString& trimmed) {
    const auto ascii =
        std::all_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        // Other scripts' digits too, as the pattern knows them.
        static const QRegularExpression pattern(
            QStringLiteral("^([+-]?)(\\d*)(?:,(\\d*))?(?:[eE]([+-]?\\d{1,3}))?$"));
        const QRegularExpressionMatch m = pattern.match(trimmed);
        if (!m.hasMatch()) return std::nullopt;
        return AmountParts{m.captured(1), m.captured(2), m.captured(3), m.captured(4)};
    }
    // The same on plain ASCII, without the pattern (an import reads an
    // amount of every row).
    const qsizetype n = trimmed.size();
    const auto digit = [&](qsizetype i) { return trimmed.at(i) >= u'0' && trimmed.at(i) <= u'9'; };
    qsizetype i = 0;
    AmountParts parts;
    if (i < n && (trimmed.at(i) == u'+' || trimmed.at(i) == u'-')) parts.sign = trimmed.at(i++);
    qsizetype start = i;
    while (i < n && digit(i)) ++i;
    parts.whole = trimmed.sliced(start, i - start);
    if (i < n && trimmed.at(i) == u',') {
        start = ++i;
        while (i < n && digit(i)) ++i;
        parts.fraction = trimmed.sliced(start, i - start);
    }
    if (i < n && (trimmed.at(i) == u'e' || trimmed.at(i) == u'E')) {
        start = ++i;
        if (i < n && (trimmed.at(i) == u'+' || trimmed.at(i) == u'-')) ++i;
        const qsizetype digits = i;
        while (i < n && digit(i)) ++i;
        if (i == digits || i - digits > 3) return std::nullopt;
        parts.exponent = trimmed.sliced(start, i - start);
    }
    if (i != n) return std::nullopt;
    return parts;
}

// The one amount rule on the typed digits: see amountUnits.
std::optional<AmountDigits> roundedDigits(const QString& text, int decimals) {
    Q_ASSERT(decimals >= 0 && decimals <= 4);
    const auto m = splitAmount(text::trimBlanks(text));
    if (!m || (m->whole.isEmpty() && m->fraction.isEmpty())) return std::nullopt;
    // All the digits, and how many of them stand before the comma once the
    // exponent has moved it.
    QString digits = m->whole + m->fraction;
    qsizetype point = m->whole.size() + m->exponent.toInt();
    if (point < 0) {
        digits.prepend(QString(-point, u'0'));
        point = 0;
    }
    const qsizetype kept = point + decimals;
    if (digits.size() < kept) digits.append(QString(kept - digits.size(), u'0'));
    QString units = digits.left(kept);  // the amount in units
    qsizetype significant = 0;
    while (significant < point && units.at(significant) == u'0') ++significant;
    if (point - significant > 15) return std::nullopt;
    // The first dropped digit decides: 5 or more rounds the magnitude up,
    // carrying through the digits.
    if (digits.size() > kept && digits.at(kept) >= u'5') {
        qsizetype i = units.size() - 1;
        for (; i >= 0 && units.at(i) == u'9'; --i) units[i] = u'0';
        if (i >= 0) {
            units[i] = QChar(units.at(i).unicode() + 1);
        } else {
            units.prepend(u'1');
        }
    }
    return AmountDigits{m->sign == QLatin1String("-"), units};
}

}  // namespace

std::optional<qint64> amountUnits(const QString& text, int decimals) {
    const auto rounded = roundedDigits(text, decimals);
    if (!rounded) return std::nullopt;
    bool counted = true;
    const qint64 units = rounded->units.isEmpty() ? 0 : rounded->units.toLongLong(&counted);
    if (!counted) return std::nullopt;
    return rounded->negative ? -units : units;
}

std::optional<QString> roundedAmount(const QString& text, int decimals) {
    const auto rounded = roundedDigits(text, decimals);
    if (!rounded) return std::nullopt;
    QString units = rounded->units;
    if (units.size() <= decimals) units.prepend(QString(decimals + 1 - units.size(), u'0'));
    QString whole = units.left(units.size() - decimals);
    qsizetype zeros = 0;
    while (zeros + 1 < whole.size() && whole.at(zeros) == u'0') ++zeros;
    whole.remove(0, zeros);
    QString amount = decimals > 0 ? whole + u',' + units.right(decimals) : whole;
    const bool zero = std::all_of(units.cbegin(), units.cend(), [](QChar c) { return c == u'0'; });
    return rounded->negative && !zero ? u'-' + amount : amount;
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
