#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// An Office Open XML workbook (.xlsx) of one sheet, written row by row in
// constant memory: the only file that uses the library that writes it
// (libxlsxwriter), so that replacing it touches this file alone. The sheet
// has a bold, frozen header row with an autofilter, and typed cells. The
// file is written to a temporary file beside the target and renamed into
// place when whole: a failure or a cancel leaves an earlier file as it was.
namespace xlsx {

enum class CellKind {
    Text,    // as written; never a formula, whatever its first character
    Code,    // text kept whole (leading zeros): codice fiscale, CAP, IBAN...
    Date,    // "gg/mm/aaaa" written as a date shown gg/mm/aaaa; else text
    Amount,  // "1.234,56" written as a number with `decimals`; else text
};

struct Column {
    QString header;
    double width;  // in characters
    CellKind kind = CellKind::Text;
    int decimals = 2;
};

class Writer {
public:
    Writer();
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Starts the file with its header row; false with `error` set on failure.
    bool open(const QString& path, const QString& sheetName, const QList<Column>& columns,
              QString* error);
    // One row of cells, one per column.
    void addRow(const QStringList& cells);
    // Closes the workbook and puts it in place; false with `error` set
    // (any earlier file whole) on failure.
    bool finish(QString* error);
    // Drops the file being written: the target stays as it was.
    void cancel();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace xlsx
