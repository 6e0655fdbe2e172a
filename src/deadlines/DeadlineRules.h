#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "deadlines/TRecScadenza.h"
#include "records/RecordFile.h"
#include "records/SaveCheck.h"

// The rules of a deadline that the card, the lists and the start panel
// share: the items of the date and time drop-downs, the month table, the
// checks and derived fields of Save, the amount rule, the chronological key
// and the imminence rule.
namespace deadlines {

// The items of the four drop-downs: "01".."31", "Gennaio".."Dicembre",
// "00".."23", "00".."59".
QStringList dayItems();
QStringList monthNames();
QStringList hourItems();
QStringList minuteItems();

// The number (1 to 12) of a month name, compared lower-cased and trimmed;
// 0 for any other text.
int monthNumber(const QString& name);
// The capitalised name of month 1 to 12 ("Marzo").
QString monthName(int month);

// The four-digit text of a year from 1 to 9999 ("0999", "2024").
QString yearText(int year);

// A deadline's date as `Data` holds it, "dd/mm/yyyy" (a day or month may
// have one digit; the year has four): std::nullopt for a day the month
// does not have or any other text.
std::optional<QDate> parseDate(const QString& text);

// The date Save builds from the card: trimmed day + "/" + the month's
// number + "/" + the year of the open file (`Anno`), "31/04/2024".
QString builtDate(const TRecScadenza& card);

// The checks of Save, in order, on the card as typed (`Anno` holding the
// year of the open file): day (given, two digits), month, hours, minutes
// (given, then two digits and an item of their lists), notice, hunter,
// reason, the month one of the twelve, the built date a real one. The
// first that fails, or nothing. Check 12 (the date) is a plain message;
// the others are warnings. An empty amount becoming "0,00" is the card's.
std::optional<SaveCheck> checkForSave(const TRecScadenza& card);

// Sets `Ora` ("hh:mm") and `Data` ("dd/mm/yyyy") from the card's day, month,
// hours, minutes and year, as Save stores them once the checks pass.
void deriveFields(TRecScadenza& card);

// The amount as `txtCosto` shows it once left: rounded half up to four
// decimals on its typed digits, written in its shortest form with at least
// two decimals and the decimal comma: "12" -> "12,00", ",5" -> "0,50",
// "3,14159" -> "3,1416", "7,125" -> "7,125", "0,00015" -> "0,0002". An empty
// text, or one that is no amount ("1,2,3"), gives "0,00".
QString formatAmount(const QString& text);

// The chronological key of a deadline (its texts as loaded): the month
// digits of `Data`, then `Giorno`, `OreApp` and `MinutiApp`, "03070930" for
// 07/03/2024 at 09:30. Within one year, text order is date-and-time order.
QString chronologicalKey(const FieldValues& values);

// Whether a deadline is imminent on `today`: from `Avviso` days before its
// `Data` through that day itself, whatever its flags and time. std::nullopt
// when `Data` is no date or `Avviso` no whole number (a damaged record).
std::optional<bool> imminence(const FieldValues& values, const QDate& today);
// The same, a damaged record counting as not imminent.
bool isImminent(const FieldValues& values, const QDate& today);

// The yearly files that may hold a deadline imminent on `today`: the
// current year's, then those of the following years that exist, as far as
// a notice of 999 days reaches. Nothing is created here.
QStringList imminentFiles(const QDate& today);

// The imminence check of the start panel: how many deadlines are imminent
// on `today` in the files of imminentFiles (the current year's is created
// empty when missing, as every window does), a damaged record skipped;
// `readable` is false when a file could not be opened or read whole (the
// count then holds what was read). `progress` is told how far the files are
// read, each counting for an equal share; when it asks to stop, the check
// stops and says it was `cancelled` (its count is then no answer).
struct ImminentCheck {
    qsizetype count = 0;
    bool readable = true;
    bool cancelled = false;
};
ImminentCheck checkImminent(const QDate& today, const ScanProgress& progress = {});

}  // namespace deadlines
