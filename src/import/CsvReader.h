#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The CSV parser of the import, over Debian's libcsv (the one file that
// uses it): RFC 4180 quoting, doubled quotes, quoted line breaks kept in
// the cell. It is fed one physical line at a time, so that it knows the
// line on which each row starts.
class CsvReader {
public:
    // A row read whole: the line of the file where it starts (from 1) and
    // its cells as bytes, valid during the call only (the reader keeps one
    // row's bytes and reuses them). Returning false stops the reading.
    using RowSink = std::function<bool(qint64 line, const QList<QByteArrayView>& cells)>;

    CsvReader(char separator, RowSink sink);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // One physical line with its line break, the file's line `number`.
    // False on malformed quoting (a quote inside an unquoted cell, text
    // after a closing quote) or when the sink stopped the reading.
    bool feed(QByteArrayView line, qint64 number);
    // The end of the file: the last row, if it has no line break. False
    // when a quoted cell is still open (unbalanced quotes).
    bool finish();
    // The line where the row being read started (the one left open by an
    // unbalanced quote), 0 when no row is open.
    qint64 openRowLine() const;
    // Whether the sink stopped the reading.
    bool stopped() const { return stopped_; }

private:
    static void cell(void* bytes, std::size_t size, void* self);
    static void rowEnd(int terminator, void* self);

    struct Parser;
    std::unique_ptr<Parser> parser_;
    RowSink sink_;
    std::string bytes_;            // the row's cells, one after the other
    std::vector<qsizetype> ends_;  // where each cell ends in bytes_
    QList<QByteArrayView> views_;
    qint64 rowLine_ = 0;
    bool stopped_ = false;
};

namespace csvtext {
// The separator a header line uses: the most frequent of ';', ',' and tab
// outside quotes; ';' (the Italian spreadsheets' own) when none is there
// or on a tie.
char detectSeparator(QByteArrayView headerLine);
}  // namespace csvtext
