#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <memory>

// A CSV file as spreadsheet programs and the import read it: UTF-8 with a
// byte order mark, ";" between fields, CRLF after each record, and a field
// in double quotes (its quotes doubled) when it holds ";", a quote or a
// line break (RFC 4180). A field that begins with "=", "+", "-", "@", a tab
// or a carriage return (which a spreadsheet would take for a formula), or
// with "'", is written with a leading "'" that the import takes off.
// Written to a temporary file that replaces the target only when whole.
namespace csv {

// One record's line, CRLF included.
QByteArray line(const QStringList& fields);

class Writer {
public:
    // Starts the file with the byte order mark and the header line; false
    // with `error` set on failure.
    bool open(const QString& path, const QStringList& header, QString* error);
    void addRow(const QStringList& fields);
    // Puts the file in place; false with `error` set (an earlier file
    // whole) on failure.
    bool finish(QString* error);
    // Drops the file being written: the target stays as it was.
    void cancel();

private:
    QSaveFile* file_ = nullptr;
    std::unique_ptr<QSaveFile> owned_;
    QByteArray block_;
    bool failed_ = false;
    void flush();
};

}  // namespace csv
