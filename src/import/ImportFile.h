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
    QList<Row> rows;
    // What was found or chosen.
    char separator = ';';
    Encoding encoding = Encoding::Utf8;
    bool spreadsheet = false;  // the program's own .xls export
};

// Reads the whole file at `path`. Every failure leaves ok false with an
// Italian message naming the line: an empty file, a header with no row, a
// binary file, unbalanced quotes, a row with more cells than the header, a
// row longer than `longestRow`, a file that cannot be read (or stops being
// readable midway). `progress` is told the bytes read; false cancels.
Table read(const QString& path, const ReadOptions& options = {}, const ScanProgress& progress = {});

// The same over a device opened anew by `open` for each pass (the tests'
// failing devices); `name` is the file named in the messages.
using DeviceFactory = std::function<std::unique_ptr<QIODevice>()>;
Table read(const DeviceFactory& open, const QString& name, const ReadOptions& options = {},
           const ScanProgress& progress = {});

QString encodingName(Encoding encoding);

}  // namespace importfile
