#pragma once

#include <QDateTime>
#include <QLocale>
#include <optional>
#include <span>

#include "archive/RecordLayout.h"
#include "report/Report.h"

namespace report {

// One row of a card sheet: its caption and the card fields its value shows
// (a second field follows the first after the separator). The value object
// is named `object` ("txtCodFisc"), the caption object the same with "lbl"
// for its "txt" ("lblCodFisc").
struct SheetRow {
    const char* caption;
    const char* object;
    FieldId first;
    const char* separator = nullptr;
    std::optional<FieldId> second = std::nullopt;
};

// What a card prints: the title and the rows, in order (at most 51, so that
// they end above the footnote).
struct CardSheet {
    const char* title;
    std::span<const SheetRow> rows;
};

// The one-page sheet of a card: an A4 portrait page "Page1" with the title
// `txtTitolo`, a table of caption and value rows 5 mm apart, and the
// footnote `txtCalce`. Values come from the card's texts (layout order),
// each trimmed; a long value wraps and shrinks within its row.
Report cardSheet(const CardSheet& sheet, const FieldValues& cardTexts, const QDateTime& now,
                 const QLocale& locale = QLocale());

// "Stampa eseguita in data dd/mm/yyyy alle ore " and the time in the
// locale's long format, without a time zone.
QString sheetFootnote(const QDateTime& now, const QLocale& locale = QLocale());

}  // namespace report
