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

// The one rule for every amount the program reads: an amount typed with
// the decimal comma (optional blanks and sign, digits with at most one
// comma, an optional exponent) in units of its last decimal place (cents
// for two decimals), rounded on the typed decimal digits themselves, never
// through a binary fraction: an exact half goes up, away from zero (two
// decimals: 12,345 -> 1235, 1,005 -> 101, -0,005 -> -1). std::nullopt for
// anything else ("abc", "1,2,3", ","), for more than fifteen whole digits
// or for more units than a qint64 holds. `decimals` is 0 to 4.
std::optional<qint64> amountUnits(const QString& text, int decimals);

// The same amount as a text with all its `decimals` and the decimal comma,
// however many units it counts: ("12,34567", 4) -> "12,3457",
// ("999999999999999", 4) -> "999999999999999,0000". std::nullopt for
// what is no amount, as above.
std::optional<QString> roundedAmount(const QString& text, int decimals);

// The text of an amount in units of its last decimal place, with all its
// decimals: (1235, 2) -> "12,35", (7, 2) -> "0,07", (5, 0) -> "5".
QString amountText(qint64 units, int decimals);

// A typed amount as its field shows it once left: rounded to `decimals`
// by the amount rule above, zero for anything that is no amount.
QString formattedAmount(const QString& text, int decimals);

}  // namespace fieldrules
