#include "archive/Spreadsheet.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <numeric>
#include <vector>

#include "archive/RecordCodec.h"
#include "archive/RecordFile.h"
#include "archive/RecordList.h"
#include "base/Cp1252.h"
#include "base/FileErrors.h"
#include "base/ReplaceFile.h"
#include "base/TextRules.h"

QList<qsizetype> fieldsOf(const QList<ExportColumn>& columns) {
    QList<qsizetype> fields;
    for (const ExportColumn& column : columns) {
        for (const qsizetype field : column.fields) {
            if (!fields.contains(field)) fields.append(field);
        }
    }
    return fields;
}

QStringList exportRow(const QList<ExportColumn>& columns, const FieldValues& values) {
    QStringList row;
    row.reserve(columns.size());
    for (const ExportColumn& column : columns) row.append(column.value(values));
    return row;
}

GridRows readGridRows(const RecordLayout& layout, const QList<ExportColumn>& columns,
                      const QStringList& paths,
                      const std::function<bool(const FieldValues&)>& select,
                      const QList<qsizetype>& selectFields, int sortColumn,
                      const ScanProgress& progress) {
    GridRows result;
    QList<int> fileOf;  // the file each row comes from
    const QList<qsizetype> needed = fieldsOf(columns);
    FieldLoader selected(layout, selectFields);
    for (qsizetype f = 0; f < paths.size(); ++f) {
        QString error;
        const bool read = RecordFile::scan(
            paths.at(f), layout.recordSize(),
            [&](qsizetype, QByteArrayView record) {
                // The selection decodes only what it reads; the row only
                // for the records it takes.
                if (select && !select(selected.load(record))) return true;
                result.rows.append(exportRow(columns, loadedValues(layout, record, &needed)));
                result.numbers.append(result.rows.size());
                fileOf.append(int(f));
                return true;
            },
            &error,
            progress ? ScanProgress([&](qint64 done, qint64 total) {
                // Each file counts for an equal share of the whole.
                constexpr qint64 kShare = 1000;
                if (!progress(f * kShare + done * kShare / qMax<qint64>(total, 1),
                              paths.size() * kShare)) {
                    result.cancelled = true;
                }
                return !result.cancelled;
            })
                     : ScanProgress());
        if (result.cancelled) return result;
        if (!read && result.ok) {
            result.ok = false;
            result.error = error;
        }
    }
    if (sortColumn < 0) return result;
    std::vector<qsizetype> order(static_cast<std::size_t>(result.rows.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        if (fileOf.at(a) != fileOf.at(b)) return fileOf.at(a) < fileOf.at(b);
        return result.rows.at(a).at(sortColumn) < result.rows.at(b).at(sortColumn);
    });
    GridRows sorted{{}, {}, result.ok, result.error};
    sorted.numbers.reserve(result.numbers.size());
    sorted.rows.reserve(result.rows.size());
    for (const qsizetype i : order) {
        sorted.numbers.append(result.numbers.at(i));
        sorted.rows.append(std::move(result.rows[i]));
    }
    return sorted;
}

ExportGridModel::ExportGridModel(QList<ExportColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

bool ExportGridModel::fill(const RecordLayout& layout, const QString& path) {
    GridRows read = readGridRows(layout, columns_, {path}, nullptr, {});
    const bool ok = read.ok;
    setRows(std::move(read));
    return ok;
}

void ExportGridModel::setRows(GridRows rows) {
    beginResetModel();
    rows_ = std::move(rows.rows);
    numbers_ = std::move(rows.numbers);
    endResetModel();
}

int ExportGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ExportGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size()) + 1;
}

QVariant ExportGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    if (index.column() == 0) return QString::number(numbers_.at(index.row()));
    return rows_.at(index.row()).value(index.column() - 1);
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section == 0 ? QStringLiteral("N.") : columns_.value(section - 1).header;
}

namespace spreadsheet {
namespace {

constexpr const char* kHead[] = {
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">",
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<!--[if gte mso 9]><xml>",
    "<x:ExcelWorkbook>",
    "<x:ExcelWorksheets>",
    "<x:ExcelWorksheet>",
};

constexpr const char* kOptions[] = {
    "<x:WorksheetOptions>",
    "<x:Selected/>",
    "<x:Panes>",
    "<x:Pane>",
    "<x:Number>1</x:Number>",
    "<x:ActiveRow>3</x:ActiveRow>",
    "</x:Pane>",
    "</x:Panes>",
    "<x:ProtectContents>False</x:ProtectContents>",
    "<x:ProtectObjects>False</x:ProtectObjects>",
    "<x:ProtectScenarios>False</x:ProtectScenarios>",
    "</x:WorksheetOptions>",
    "</x:ExcelWorksheet>",
    "</x:ExcelWorksheets>",
    "</x:ExcelWorkbook>",
    "</xml><![endif]-->",
    "</head>",
    "<body>",
    "<table x:str>",
};

// Appends a text as Windows-1252 bytes with "&", "<" and ">" as entities.
void appendCell(QByteArray& out, QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
            case u'&':
                out += "&amp;";
                break;
            case u'<':
                out += "&lt;";
                break;
            case u'>':
                out += "&gt;";
                break;
            default:
                if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                    out += cp1252::byteOf(QChar::surrogateToUcs4(c, text.at(i + 1)));
                    ++i;
                } else {
                    out += cp1252::byteOf(c.unicode());
                }
        }
    }
}

// The cell that opens every data cell: sdnum marks it as text, so "007" or
// a CAP keeps its zeros.
constexpr char kCellStart[] = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";

// A data cell of a stored field, straight from its bytes in the code page
// (already trimmed): "&", "<" and ">" as entities, every other byte as it is.
void appendStoredCell(QByteArray& line, QByteArrayView bytes) {
    line += kCellStart;
    qsizetype plain = 0;  // bytes copied up to here
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        const char* entity = c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : nullptr;
        if (!entity) continue;
        line.append(bytes.sliced(plain, i - plain));
        line += entity;
        plain = i + 1;
    }
    line.append(bytes.sliced(plain));
    line += "</td>";
}

// The bytes without the blanks and controls (up to 32) around them, as
// text::trimBlanks trims a text.
QByteArrayView trimmedBytes(QByteArrayView bytes) {
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.front()) <= 0x20) {
        bytes = bytes.sliced(1);
    }
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= 0x20) bytes.chop(1);
    return bytes;
}

// The line of one row of texts.
void appendRow(QByteArray& line, const QStringList& row, qsizetype columns) {
    line = "<tr>";
    for (qsizetype c = 0; c < columns; ++c) {
        line += kCellStart;
        appendCell(line, text::trimBlanks(row.value(c)));
        line += "</td>";
    }
    line += "</tr>";
}

// Writes the fragments one after the other; `out` takes Windows-1252 bytes.
// `rows` hands the line of each row, in order, to the function it is given.
using RowSource = std::function<void(const std::function<void(const QByteArray&)>&)>;

template <typename Out>
void writeFragments(const QString& sheetName, const QList<HeaderCell>& header,
                    const RowSource& rows, Out&& out) {
    for (const char* fragment : kHead) out(QByteArray(fragment));
    QByteArray name("<x:Name>");
    appendCell(name, sheetName);
    out(name + "</x:Name>");
    for (const char* fragment : kOptions) out(QByteArray(fragment));
    out(QByteArray("<tr>"));
    for (const HeaderCell& cell : header) {
        QByteArray title = "<td style=\"text-align: left; font-weight: bold;\" width=" +
                           QByteArray::number(cell.width) + ">";
        appendCell(title, cell.title);
        out(title + "</td>");
    }
    out(QByteArray("</tr>"));
    rows(out);
    out(QByteArray("</table>"));
    out(QByteArray("</body>"));
    out(QByteArray("</html>"));
}

// `complete`, when given, says after the rows whether they were all had
// (the archive was read whole, the user did not cancel): if not, the file
// is not written and any earlier one stays as it was.
bool writeFile(const QString& path, const QString& sheetName, const QList<HeaderCell>& header,
               const RowSource& rows, QString* error, const bool* complete = nullptr) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = fileerror::italian(file.errorString());
        return false;
    }
    // The fragments are gathered into blocks of about 1 MiB before writing.
    constexpr qsizetype kBlock = qsizetype(1) << 20;
    QByteArray block;
    block.reserve(kBlock + 4096);
    writeFragments(sheetName, header, rows, [&](const QByteArray& bytes) {
        block += bytes;
        if (block.size() >= kBlock) {
            file.write(block);
            block.clear();
        }
    });
    file.write(block);
    if (complete && !*complete) {
        file.cancelWriting();
        file.commit();  // removes the temporary file
        return false;
    }
    if (!commitReplacing(file)) {
        if (error) *error = fileerror::italian(file.errorString());
        return false;
    }
    return true;
}

// How often a row-by-row writer tells its progress.
constexpr qsizetype kRowsPerStep = 1024;

// The rows in turn; with `progress`, told every so many rows, stopping
// (and clearing `*complete`) when it asks to.
RowSource listRows(const QList<QStringList>& rows, qsizetype columns,
                   const ScanProgress& progress = {}, bool* complete = nullptr) {
    return [&rows, columns, progress, complete](const std::function<void(const QByteArray&)>& put) {
        QByteArray line;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (progress && r % kRowsPerStep == 0 && !progress(r, rows.size())) {
                *complete = false;
                return;
            }
            appendRow(line, rows.at(r), columns);
            put(line);
        }
    };
}

// Writes listed rows, with their progress.
bool writeRows(const QString& path, const QString& sheetName, const QList<HeaderCell>& header,
               const QList<QStringList>& rows, QString* error, const ScanProgress& progress,
               bool* cancelled) {
    bool complete = true;
    const bool written =
        writeFile(path, sheetName, header, listRows(rows, header.size(), progress, &complete),
                  error, &complete);
    if (cancelled) *cancelled = !complete;
    return written;
}

QList<HeaderCell> headerOf(const QList<ExportColumn>& columns) {
    QList<HeaderCell> header;
    for (const ExportColumn& column : columns) header.append({column.header, column.exportWidth});
    return header;
}

}  // namespace

QByteArray document(const QString& sheetName, const QList<HeaderCell>& header,
                    const QList<QStringList>& rows) {
    QByteArray all;
    writeFragments(sheetName, header, listRows(rows, header.size()),
                   [&](const QByteArray& bytes) { all += bytes; });
    return all;
}

bool write(const QString& path, const QString& sheetName, const QList<HeaderCell>& header,
           const QList<QStringList>& rows, QString* error, const ScanProgress& progress,
           bool* cancelled) {
    return writeRows(path, sheetName, header, rows, error, progress, cancelled);
}

bool writeGrid(const QString& path, const QString& sheetName, const ExportGridModel& grid,
               QString* error, const ScanProgress& progress, bool* cancelled) {
    return writeRows(path, sheetName, headerOf(grid.columns()), grid.rows(), error, progress,
                     cancelled);
}

bool exportArchive(const RecordLayout& layout, const QList<ExportColumn>& columns,
                   const QString& archivePath, const QString& path, const QString& sheetName,
                   qsizetype* rowCount, QString* error, const ScanProgress& progress,
                   bool* cancelled) {
    // A column showing one field copies its stored bytes; the others are
    // made from the texts of the fields they read.
    QList<qsizetype> needed;
    std::vector<qsizetype> offsets;
    for (const ExportColumn& column : columns) {
        const qsizetype field = column.oneField ? column.fields.front() : -1;
        offsets.push_back(field >= 0 ? layout.offsetOf(field) : -1);
        if (field >= 0) continue;
        for (const qsizetype f : column.fields) {
            if (!needed.contains(f)) needed.append(f);
        }
    }
    bool read = true;
    bool stopped = false;
    qsizetype count = 0;
    QString readError;
    const RowSource rows = [&](const std::function<void(const QByteArray&)>& put) {
        QByteArray line;
        read = RecordFile::scan(
            archivePath, layout.recordSize(),
            [&](qsizetype, QByteArrayView record) {
                const FieldValues values =
                    needed.isEmpty() ? FieldValues() : loadedValues(layout, record, &needed);
                line = "<tr>";
                for (qsizetype c = 0; c < columns.size(); ++c) {
                    const ExportColumn& column = columns.at(c);
                    if (offsets[std::size_t(c)] >= 0) {
                        const int capacity =
                            layout.fields[std::size_t(column.fields.front())].capacity;
                        appendStoredCell(
                            line, trimmedBytes(codec::shownBytes(
                                      layout.encoding, capacity,
                                      record.sliced(offsets[std::size_t(c)], capacity + 1))));
                    } else {
                        line += kCellStart;
                        appendCell(line, text::trimBlanks(column.value(values)));
                        line += "</td>";
                    }
                }
                line += "</tr>";
                put(line);
                ++count;
                return true;
            },
            &readError,
            progress ? ScanProgress([&](qint64 done, qint64 total) {
                if (!progress(done, total)) stopped = true;
                return !stopped;
            })
                     : ScanProgress());
    };
    // An archive that could not be read whole writes no export: the one
    // written before stays.
    bool complete = true;
    const bool written = writeFile(
        path, sheetName, headerOf(columns),
        [&](const std::function<void(const QByteArray&)>& put) {
            rows(put);
            complete = read && !stopped;
        },
        error, &complete);
    if (!read && error) *error = readError;
    if (cancelled) *cancelled = stopped;
    if (rowCount) *rowCount = count;
    return written;
}

}  // namespace spreadsheet
