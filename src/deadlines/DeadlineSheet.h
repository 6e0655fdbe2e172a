#pragma once

#include <QDateTime>

#include "records/RecordLayout.h"
#include "report/Report.h"

namespace deadlines {

// The printed card "SCHEDA SCADENZA / APPUNTAMENTO" from the texts a
// deadline card shows (layout order): a form of 24 numbered rows (see
// report::SheetForm::NumberedRows), the date as "07 Marzo 2024", the time,
// the fields one by one, the flags as "Sì" or "No", four blank rows, and
// the footnote with the date and time of printing. Every value is printed
// whole, wrapping and shrinking within its row, on one page.
report::Report deadlineSheet(const FieldValues& cardTexts, const QDateTime& now);

}  // namespace deadlines
