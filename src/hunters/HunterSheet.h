#pragma once

#include <QDateTime>
#include <QLocale>

#include "hunters/TRecCacciatore.h"
#include "report/CardSheet.h"

namespace hunters {

// The one-page sheet "SCHEDA INFORMATIVA CACCIATORE" of a hunter card (see
// report::cardSheet): 40 rows, the first `txtRichiedente` (surname and
// name), the others named after the card's controls; the attachments are
// not printed.
report::Report hunterSheet(const TRecCacciatore& card, const QDateTime& now,
                           const QLocale& locale = QLocale());

// The same sheet from the texts a hunter card shows, as the print windows
// take it.
report::Report hunterSheetOfTexts(const FieldValues& cardTexts, const QDateTime& now);

using report::sheetFootnote;

}  // namespace hunters
