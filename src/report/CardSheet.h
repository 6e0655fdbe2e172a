#pragma once

#include <QDateTime>
#include <QLocale>
#include <optional>
#include <span>

#include "records/RecordLayout.h"
#include "report/Report.h"

namespace report {

// One row of a card sheet: its caption and the card fields its value shows
// (a second field follows the first after the separator), or the value a
// function makes of the card's texts. In a table the value object is named
// `object` ("txtCodFisc"), the caption object the same with "lbl" for its
// "txt" ("lblCodFisc").
struct SheetRow {
    const char* caption;
    const char* object;
    FieldId first;
    const char* separator = nullptr;
    std::optional<FieldId> second = std::nullopt;
    // Set: the row shows what it gives, instead of the fields above.
    QString (*value)(const FieldValues& cardTexts) = nullptr;
};

// How a sheet lays its rows out.
enum class SheetForm {
    // A framed table of caption and value rows 5 mm apart under a centred
    // title `txtTitolo` (at most 51 rows, so that they end above the
    // footnote `txtCalce`).
    Table,
    // A form: the picture `imgLogo` with the title `txtTitolo` beside it
    // over the line `linSepara01`, then rows one centimetre apart whose
    // objects are named by number (captions `titCampo01`..., values
    // `txtCampo01`...; at most 24), the line `linSepara02` and the footnote
    // `txtCalce`.
    NumberedRows,
};

// What a card prints: the title and the rows, in order.
struct CardSheet {
    const char* title;
    std::span<const SheetRow> rows;
    SheetForm form = SheetForm::Table;
};

// The one-page sheet of a card: an A4 portrait page "Page1" laid out as
// the sheet's form says. Values come from the card's texts (layout order),
// each trimmed; a long value wraps and shrinks within its row.
Report cardSheet(const CardSheet& sheet, const FieldValues& cardTexts, const QDateTime& now,
                 const QLocale& locale = QLocale());

// "Stampa eseguita in data dd/mm/yyyy alle ore " and the time in the
// locale's long format, without a time zone.
QString sheetFootnote(const QDateTime& now, const QLocale& locale = QLocale());

}  // namespace report
