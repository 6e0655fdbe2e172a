#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/RecordFile.h"

// The table of a file to import: a CSV file as spreadsheets write it, or
// the program's own spreadsheet export (the .xls HTML table), read back.
namespace importfile {

enum class Encoding { Detect, Utf8, Cp1252 };

struct ReadOptions {
    char separator = 0;  // 0: taken from the header line
    Encoding encoding = Encoding::Detect;
    // A row longer than this is refused (a file of one endless line).
    qint64 longestRow = qint64(4) << 20;
    // How many rows read() keeps in its table (the others are counted and
    // checked for the file's errors only); -1 keeps all.
    qint64 keptRows = -1;
};

// A row of the file: the line where it starts (the header is line 1) and
// its cells.
struct Row {
    qint64 line;
    QStringList cells;
};

struct Table {
    bool ok = false;
    bool cancelled = false;
    QString error;  // in Italian, with the line where it was found
    qint64 errorLine = 0;
    QStringList header;
    QList<Row> rows;      // the first ReadOptions::keptRows rows (all by default)
    qint64 rowCount = 0;  // every row of the file
    // What was found or chosen.
    char separator = ';';
    Encoding encoding = Encoding::Utf8;
    bool spreadsheet = false;  // the program's own .xls export
};

// Rows handed over together, from the file's reader to the checks: each
// with the line where it starts and its cells, kept as the file's bytes
// (the checking threads decode them) or already decoded (the rows of a
// table). Cleared, it keeps its room for the next rows.
class RowBatch {
public:
    qsizetype size() const { return qsizetype(lines_.size()); }
    bool isEmpty() const { return lines_.empty(); }
    qint64 line(qsizetype row) const { return lines_[std::size_t(row)]; }
    // The cells of a row, decoded, as many as the header has.
    void cells(qsizetype row, QStringList* cells) const;
    void clear();

    // The bytes' encoding, and how many cells the header has.
    void setShape(Encoding encoding, qsizetype width);
    void append(qint64 line, const QList<QByteArrayView>& cells);
    void append(const Row& row);
    // Appends `count` rows of `other` from its row `first`.
    void append(const RowBatch& other, qsizetype first, qsizetype count);

private:
    Encoding encoding_ = Encoding::Utf8;
    qsizetype width_ = 0;
    std::vector<qint64> lines_;
    // The rows' cells one after the other, where each cell ends, and where
    // each row's cells end among those.
    std::string bytes_;
    std::vector<qsizetype> cellEnds_;
    std::vector<qsizetype> rowEnds_;
    // The rows that came decoded (none, or one for each line).
    std::vector<QStringList> decoded_;
};

// How many rows a source hands over at a time: enough for a thread to work
// a while on its own, few enough to be still in the shared cache when the
// records are written.
constexpr qsizetype kBatchRows = 64;

// The rows of a file, handed a batch at a time to whoever converts them:
// the import holds no more of a file than the rows being checked.
class Rows {
public:
    virtual ~Rows() = default;
    // The next rows, at most kBatchRows, into `batch` (cleared first);
    // false at the end, or when the rows could not be read to the end
    // (error() then says why) or the user cancelled.
    virtual bool nextBatch(RowBatch* batch) = 0;
    virtual QString error() const = 0;
    virtual bool cancelled() const = 0;
    // How far the reading is, for the progress: `done()` of `total()`.
    virtual qint64 done() const = 0;
    virtual qint64 total() const = 0;
};

// The rows of a table already read (tests, small lists).
class TableRows : public Rows {
public:
    explicit TableRows(const Table& table) : table_(table) {}
    bool nextBatch(RowBatch* batch) override;
    QString error() const override { return {}; }
    bool cancelled() const override { return false; }
    qint64 done() const override { return next_; }
    qint64 total() const override { return table_.rows.size(); }

private:
    const Table& table_;
    qsizetype next_ = 0;
};

// The same over a device opened anew by `open` for each pass (the tests'
// failing devices); `name` is the file named in the messages.
using DeviceFactory = std::function<std::unique_ptr<QIODevice>()>;

// A file read as it goes: start() looks the whole file over (binary bytes,
// endless lines, the encoding, whether it is the program's spreadsheet)
// and reads its header and first row; next() and nextBatch() then parse
// the file a block of about 1 MiB at a time and hand its rows over, their
// cells still bytes (next() decodes them). Every failure is an Italian
// message naming the line, as read() gives it. `progress` is told the bytes
// looked over and read (of twice the file's size); false cancels.
class Reader : public Rows {
public:
    Reader(DeviceFactory open, QString name, ReadOptions options = {}, ScanProgress progress = {});
    Reader(const QString& path, const ReadOptions& options = {}, ScanProgress progress = {});
    ~Reader() override;
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    bool start();
    // The next row, decoded; false as nextBatch().
    bool next(Row* row);
    bool nextBatch(RowBatch* batch) override;
    QString error() const override;
    bool cancelled() const override;
    qint64 done() const override;
    qint64 total() const override;

    qint64 errorLine() const;
    const QStringList& header() const;
    // The cells of the first rows after start(), at most `count`, still to
    // be handed out: what the columns hold, for matching their titles.
    QList<QStringList> sample(qsizetype count = 50) const;
    char separator() const;
    Encoding encoding() const;
    bool spreadsheet() const;

private:
    friend Table read(const DeviceFactory&, const QString&, const ReadOptions&,
                      const ScanProgress&);
    struct State;
    std::unique_ptr<State> d_;
};

// The batches of another Rows read ahead on a thread of their own, a few
// at most, while the caller checks and writes those before. The source is
// used by that thread only from the first nextBatch() on, so it must give no
// progress to a window (the command line's import uses it). The batches
// handed back go to that thread to be filled again, room and all.
class Prefetch : public Rows {
public:
    explicit Prefetch(Rows& source);
    ~Prefetch() override;
    Prefetch(const Prefetch&) = delete;
    Prefetch& operator=(const Prefetch&) = delete;

    bool nextBatch(RowBatch* batch) override;
    // Valid once nextBatch() returned false.
    QString error() const override;
    bool cancelled() const override;
    qint64 done() const override;
    qint64 total() const override;

private:
    struct State;
    std::unique_ptr<State> d_;
};

// Reads the whole file at `path`. Every failure leaves ok false with an
// Italian message naming the line: an empty file, a header with no row, a
// binary file, unbalanced quotes, a row with more cells than the header, a
// row longer than `longestRow`, a file that cannot be read (or stops being
// readable midway). `progress` is told the bytes read; false cancels.
Table read(const QString& path, const ReadOptions& options = {}, const ScanProgress& progress = {});
Table read(const DeviceFactory& open, const QString& name, const ReadOptions& options = {},
           const ScanProgress& progress = {});

QString encodingName(Encoding encoding);

}  // namespace importfile
