#pragma once

#include <QDateTime>
#include <QLocale>

#include "hunters/TRecCacciatore.h"
#include "report/Report.h"

namespace hunters {

// The one-page sheet "SCHEDA INFORMATIVA CACCIATORE" of a hunter card: an
// A4 portrait page "Page1" with 40 rows of a caption and a value object
// named after the card's control (the first row `txtRichiedente`), and the
// footnote `txtCalce`. Values come from the card's texts, each trimmed;
// the attachments are not printed.
report::Report hunterSheet(const TRecCacciatore& card, const QDateTime& now,
                           const QLocale& locale = QLocale());

// "Stampa eseguita in data dd/mm/yyyy alle ore " and the time in the
// locale's long format, without a time zone.
QString sheetFootnote(const QDateTime& now, const QLocale& locale = QLocale());

}  // namespace hunters
