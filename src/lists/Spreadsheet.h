#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "records/RecordFile.h"
#include "records/RecordLayout.h"

// One column of an archive's export grid and file.
struct ExportColumn {
    const char* name;  // grid column, "colCodFisc"
    QString header;    // grid header and header cell of the file
    int gridWidth;
    int exportWidth;
    std::function<QString(const FieldValues&)> value;  // from the texts as loaded, trimmed
    QList<qsizetype> fields;                           // the fields `value` reads
    // The value is the one field's text trimmed, so an export may copy its
    // stored bytes without decoding them.
    bool oneField = false;
};

// The fields the columns read, and one record's row of values.
QList<qsizetype> fieldsOf(const QList<ExportColumn>& columns);
QStringList exportRow(const QList<ExportColumn>& columns, const FieldValues& values);

// The rows of a grid list: each row's number in reading order (from 1,
// counting on from one file to the next) and the values of the export
// columns. `ok` is false when a file could not be opened or read whole:
// the rows read from it so far and from the other files are kept.
struct GridRows {
    QList<qsizetype> numbers;
    QList<QStringList> rows;
    bool ok = true;
    QString error;
    bool cancelled = false;  // the user stopped the reading: the rows are not the whole list
};

// Reads the record files `paths` in turn, from first record to last, and
// keeps a row for each record `select` takes (every record when null;
// `selectFields` are the fields it reads). With a sort column the rows are
// then ordered by its text, equal texts keeping their reading order, each
// file's rows after the previous file's. A file that fails does not stop
// the others, and the rows are sorted all the same.
GridRows readGridRows(const RecordLayout& layout, const QList<ExportColumn>& columns,
                      const QStringList& paths,
                      const std::function<bool(const FieldValues&)>& select,
                      const QList<qsizetype>& selectFields, int sortColumn = -1,
                      const ScanProgress& progress = {});

// The rows of an export grid: column 0 holds the row's number in reading
// order (for a whole archive, the record number), then one text per export
// column. Read-only.
class ExportGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ExportGridModel(QList<ExportColumn> columns, QObject* parent = nullptr);

    // Fills the rows from the archive, one per record in record-number order.
    // A failure stops the filling silently, keeping the rows read so far;
    // returns false then.
    bool fill(const RecordLayout& layout, const QString& path);
    // Shows rows read otherwise (a list's).
    void setRows(GridRows rows);

    const QList<ExportColumn>& columns() const { return columns_; }
    // The values of the export columns (without the row number).
    const QList<QStringList>& rows() const { return rows_; }
    // The number column "N." of each row.
    const QList<qsizetype>& numbers() const { return numbers_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<ExportColumn> columns_;
    QList<QStringList> rows_;  // the values of the export columns, row by row
    QList<qsizetype> numbers_;
};

// The spreadsheet file: an HTML table with the office worksheet header, in
// Windows-1252, with no line break. Written to a temporary file renamed
// into place, so a failure never leaves half a file where a good one stood.
namespace spreadsheet {

struct HeaderCell {
    QString title;
    int width;
};

// The whole file as it is written (for tests and small exports).
QByteArray document(const QString& sheetName, const QList<HeaderCell>& header,
                    const QList<QStringList>& rows);

// Writes the file; each row holds the values of the header's columns.
// `progress` is told the rows written; when it asks to stop, no file is
// written (an earlier one stays) and `*cancelled` is set.
bool write(const QString& path, const QString& sheetName, const QList<HeaderCell>& header,
           const QList<QStringList>& rows, QString* error = nullptr,
           const ScanProgress& progress = {}, bool* cancelled = nullptr);

// Writes the rows of an export grid (its column 0, the record number, is
// not exported), with `progress` as for write().
bool writeGrid(const QString& path, const QString& sheetName, const ExportGridModel& grid,
               QString* error = nullptr, const ScanProgress& progress = {},
               bool* cancelled = nullptr);

// Writes the whole archive straight to the file, record by record, without
// holding a grid (the command line's export). A file that cannot be read
// whole writes no export (an earlier one stays). `rowCount` receives the rows written.
bool exportArchive(const RecordLayout& layout, const QList<ExportColumn>& columns,
                   const QString& archivePath, const QString& path, const QString& sheetName,
                   qsizetype* rowCount = nullptr, QString* error = nullptr,
                   const ScanProgress& progress = {}, bool* cancelled = nullptr);

}  // namespace spreadsheet
