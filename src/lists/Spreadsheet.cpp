#include "lists/Spreadsheet.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <vector>

#include "base/Cp1252.h"
#include "base/FileErrors.h"
#include "base/ReplaceFile.h"
#include "base/TextRules.h"
#include "lists/RecordList.h"
#include "records/RecordCodec.h"
#include "records/RecordFile.h"

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

// Bytes gathered into blocks of about 1 MiB, each handed to the device in
// one write. A writer asks for room, writes there through a pointer and
// says where it stopped.
class BlockOut {
public:
    explicit BlockOut(QIODevice& device) : device_(device), block_(kBlock) {}
    ~BlockOut() { flush(); }

    char* room(std::size_t bytes) {
        if (used_ + bytes > block_.size()) {
            flush();
            if (bytes > block_.size()) block_.resize(bytes);
        }
        return block_.data() + used_;
    }
    void done(const char* end) { used_ = std::size_t(end - block_.data()); }
    void append(QByteArrayView bytes) {
        done(std::copy(bytes.begin(), bytes.end(), room(std::size_t(bytes.size()))));
    }
    void flush() {
        if (used_ > 0) device_.write(block_.data(), qint64(used_));
        used_ = 0;
    }

private:
    static constexpr std::size_t kBlock = std::size_t(1) << 20;
    QIODevice& device_;
    std::vector<char> block_;
    std::size_t used_ = 0;
};

// Each byte of the code page as a cell holds it: "&", "<" and ">" as
// entities, every other byte as it is.
struct Escaped {
    char bytes[5];
    std::size_t size;
};
constexpr std::size_t kLongestEscape = 5;

const std::array<Escaped, 256>& escapes() {
    static const std::array<Escaped, 256> table = [] {
        std::array<Escaped, 256> t{};
        for (std::size_t b = 0; b < 256; ++b) {
            const char* entity = b == '&'   ? "&amp;"
                                 : b == '<' ? "&lt;"
                                 : b == '>' ? "&gt;"
                                            : nullptr;
            if (entity) {
                t[b].size = std::strlen(entity);
                std::copy(entity, entity + t[b].size, t[b].bytes);
            } else {
                t[b] = {{static_cast<char>(b)}, 1};
            }
        }
        return t;
    }();
    return table;
}

char* writeEscaped(char* out, QByteArrayView bytes) {
    const std::array<Escaped, 256>& escaped = escapes();
    for (const char c : bytes) {
        const Escaped& e = escaped[static_cast<unsigned char>(c)];
        if (e.size == 1) {
            *out++ = c;
        } else {
            out = std::copy(e.bytes, e.bytes + e.size, out);
        }
    }
    return out;
}

// A text as Windows-1252 bytes with "&", "<" and ">" as entities.
void appendCell(BlockOut& out, QStringView text) {
    char* p = out.room(std::size_t(text.size()) * kLongestEscape);
    const std::array<Escaped, 256>& escaped = escapes();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        char byte;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            byte = cp1252::byteOf(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            byte = cp1252::byteOf(c.unicode());
        }
        const Escaped& e = escaped[static_cast<unsigned char>(byte)];
        p = std::copy(e.bytes, e.bytes + e.size, p);
    }
    out.done(p);
}

// The cell that opens every data cell: sdnum marks it as text, so "007" or
// a CAP keeps its zeros.
constexpr QByteArrayView kCellStart = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
constexpr QByteArrayView kCellEnd = "</td>";

// A data cell of a stored field, straight from its bytes in the code page
// (already trimmed).
void appendStoredCell(BlockOut& out, QByteArrayView bytes) {
    char* p = out.room(std::size_t(kCellStart.size() + kCellEnd.size()) +
                       std::size_t(bytes.size()) * kLongestEscape);
    p = std::copy(kCellStart.begin(), kCellStart.end(), p);
    p = writeEscaped(p, bytes);
    out.done(std::copy(kCellEnd.begin(), kCellEnd.end(), p));
}

// A data cell of a text.
void appendTextCell(BlockOut& out, const QString& text) {
    out.append(kCellStart);
    appendCell(out, text::trimBlanks(text));
    out.append(kCellEnd);
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

// Writes the rows, in order.
using RowSource = std::function<void(BlockOut&)>;

void writeFragments(const QString& sheetName, const QList<HeaderCell>& header,
                    const RowSource& rows, BlockOut& out) {
    for (const char* fragment : kHead) out.append(fragment);
    out.append("<x:Name>");
    appendCell(out, sheetName);
    out.append("</x:Name>");
    for (const char* fragment : kOptions) out.append(fragment);
    out.append("<tr>");
    for (const HeaderCell& cell : header) {
        out.append("<td style=\"text-align: left; font-weight: bold;\" width=");
        out.append(QByteArray::number(cell.width));
        out.append(">");
        appendCell(out, cell.title);
        out.append(kCellEnd);
    }
    out.append("</tr>");
    rows(out);
    out.append("</table>");
    out.append("</body>");
    out.append("</html>");
}

// `complete`, when given, says after the rows whether they were all had
// (the archive was read whole, the user did not cancel): if not, the file
// is not written and any earlier one stays as it was.
bool writeFile(const QString& path, const QString& sheetName, const QList<HeaderCell>& header,
               const RowSource& rows, QString* error, const bool* complete = nullptr) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = fileerror::of(file);
        return false;
    }
    {
        BlockOut out(file);
        writeFragments(sheetName, header, rows, out);
    }
    if (complete && !*complete) {
        file.cancelWriting();
        file.commit();  // removes the temporary file
        return false;
    }
    if (!commitReplacing(file)) {
        if (error) *error = fileerror::of(file);
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
    return [&rows, columns, progress, complete](BlockOut& out) {
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (progress && r % kRowsPerStep == 0 && !progress(r, rows.size())) {
                *complete = false;
                return;
            }
            out.append("<tr>");
            for (qsizetype c = 0; c < columns; ++c) appendTextCell(out, rows.at(r).value(c));
            out.append("</tr>");
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
    QBuffer buffer(&all);
    buffer.open(QIODevice::WriteOnly);
    {
        BlockOut out(buffer);
        writeFragments(sheetName, header, listRows(rows, header.size()), out);
    }
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
    const RowSource rows = [&](BlockOut& out) {
        read = RecordFile::scan(
            archivePath, layout.recordSize(),
            [&](qsizetype, QByteArrayView record) {
                const FieldValues values =
                    needed.isEmpty() ? FieldValues() : loadedValues(layout, record, &needed);
                out.append("<tr>");
                for (qsizetype c = 0; c < columns.size(); ++c) {
                    const ExportColumn& column = columns.at(c);
                    if (offsets[std::size_t(c)] >= 0) {
                        const int capacity =
                            layout.fields[std::size_t(column.fields.front())].capacity;
                        appendStoredCell(
                            out, trimmedBytes(codec::shownBytes(
                                     layout.encoding, capacity,
                                     record.sliced(offsets[std::size_t(c)], capacity + 1))));
                    } else {
                        appendTextCell(out, column.value(values));
                    }
                }
                out.append("</tr>");
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
        [&](BlockOut& out) {
            rows(out);
            complete = read && !stopped;
        },
        error, &complete);
    if (!read && error) *error = readError;
    if (cancelled) *cancelled = stopped;
    if (rowCount) *rowCount = count;
    return written;
}

}  // namespace spreadsheet
