#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Dates and amounts as the cards type, store and show them: dates as
// "dd/mm/yyyy", amounts with a decimal comma.
namespace fieldrules {

// A date typed as day/month/year, each part digits only (one or two digits
// for day and month; a two-digit year is taken in the fifty years around
// today). Blanks around the text are ignored.
std::optional<QDate> parseDate(const QString& text);

// "dd/mm/yyyy".
QString formatDate(const QDate& date);

// An amount typed with the decimal comma (optional blanks and sign, digits
// with at most one comma, an optional exponent), rounded to the nearest
// cent with an exact half going down (12,345 gives 1234). std::nullopt for
// anything else ("abc", "1,2,3", ",") or for more than fifteen whole digits.
std::optional<qint64> amountCents(const QString& text);

// The shortest text of an amount with the decimal comma: 1250 -> "12,5",
// 1200 -> "12", 1234 -> "12,34".
QString shortestAmount(qint64 cents);

}  // namespace fieldrules
