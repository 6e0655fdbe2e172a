#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "archive/RecordFile.h"

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

// The rows of a file, handed one at a time to whoever converts them: the
// import holds no more of a file than the rows being checked.
class Rows {
public:
    virtual ~Rows() = default;
    // The next row; false at the end, or when the rows could not be read to
    // the end (error() then says why) or the user cancelled.
    virtual bool next(Row* row) = 0;
    virtual QString error() const = 0;
    virtual bool cancelled() const = 0;
    // How far the reading is, for the progress: `done()` of `total()`.
    virtual qint64 done() const = 0;
    virtual qint64 total() const = 0;
    // A row handed out, given back once it is done with (its cells may
    // hold other texts by then); by default it is just freed.
    virtual void recycle(Row&& row) { Row gone = std::move(row); }
};

// The rows of a table already read (tests, small lists).
class TableRows : public Rows {
public:
    explicit TableRows(const Table& table) : table_(table) {}
    bool next(Row* row) override;
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
// and reads its header and first row; next() then parses the file a block
// of about 1 MiB at a time. Every failure is an Italian message naming the
// line, as read() gives it. `progress` is told the bytes looked over and
// read (of twice the file's size); false cancels.
class Reader : public Rows {
public:
    Reader(DeviceFactory open, QString name, ReadOptions options = {}, ScanProgress progress = {});
    Reader(const QString& path, const ReadOptions& options = {}, ScanProgress progress = {});
    ~Reader() override;
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    bool start();
    bool next(Row* row) override;
    QString error() const override;
    bool cancelled() const override;
    qint64 done() const override;
    qint64 total() const override;

    qint64 errorLine() const;
    const QStringList& header() const;
    char separator() const;
    Encoding encoding() const;
    bool spreadsheet() const;
    // The rows handed out so far.
    qint64 rowCount() const;

private:
    friend Table read(const DeviceFactory&, const QString&, const ReadOptions&,
                      const ScanProgress&);
    struct State;
    std::unique_ptr<State> d_;
};

// The rows of another Rows read ahead on a thread of their own, a few
// batches of rows at most, while the caller checks and writes those before:
// the import's reading and its checks take the two cores. The source is
// used by that thread only from the first next() on, so it must give no
// progress to a window (the command line's import uses it).
class Prefetch : public Rows {
public:
    explicit Prefetch(Rows& source);
    ~Prefetch() override;
    Prefetch(const Prefetch&) = delete;
    Prefetch& operator=(const Prefetch&) = delete;

    bool next(Row* row) override;
    // Valid once next() returned false.
    QString error() const override;
    bool cancelled() const override;
    qint64 done() const override;
    qint64 total() const override;
    // Freed on the reading thread, which made its texts: the two threads
    // then never free each other's memory (which costs the allocator's
    // locks on every row).
    void recycle(Row&& row) override;

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
