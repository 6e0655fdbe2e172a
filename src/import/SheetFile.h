#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>

// The workbooks associations keep their lists in, read a row at a time:
// Office Open XML (.xlsx), OpenDocument (.ods) and Excel 97-2003 (.xls,
// BIFF). Their typed cells become the texts a card takes: a date cell
// "dd/mm/yyyy" (in either of the 1900 and 1904 day counts), a number
// without the decimals it does not have and with a decimal comma, a
// formula its stored value (never evaluated), a merged cell its value in
// every cell it covers. The sheet read is the workbook's first with data.
namespace sheetfile {

// What a file's first bytes say it is.
enum class Kind {
    Text,      // none of these: a text file
    Zip,       // a zip file: .xlsx or .ods
    Compound,  // an OLE compound file: an .xls, or a workbook with a password
};
Kind kindOf(QByteArrayView start);

class Sheet {
public:
    virtual ~Sheet() = default;
    // The next row that holds data, with its number in the sheet (the first
    // row is 1) and its cells, without the empty ones at its end; false at
    // the end of the sheet or on an error (error() then says why).
    virtual bool next(qint64* row, QStringList* cells) = 0;
    QString error() const { return error_; }
    // How far the reading is, for the progress.
    virtual qint64 done() const = 0;
    virtual qint64 total() const = 0;

protected:
    QString error_;
};

// Opens the workbook at `path` and its first sheet with data; null, with
// an Italian message naming the file, when it is not a workbook that can
// be read (damaged, protected by a password, without a sheet with data).
std::unique_ptr<Sheet> open(const QString& path, Kind kind, QString* error);

// A number cell's text: integers without decimals, others with a decimal
// comma and at most 15 significant digits ("1234,5").
QString numberText(double value);
// A date cell's text ("dd/mm/yyyy"), from its serial day number counted
// as the 1900 system counts (1 is 1 January 1900) or the 1904 one (0 is 1
// January 1904); a serial of only a time is its "hh:mm".
QString serialDateText(double serial, bool from1904);

// Excel 97-2003 workbooks (XlsBook.cpp, the one file that knows FreeXL).
std::unique_ptr<Sheet> openXls(const QString& path, QString* error);

}  // namespace sheetfile
