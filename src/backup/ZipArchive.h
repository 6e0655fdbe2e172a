#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "base/Seams.h"

// Zip files, through libzip: the only file that knows the library, so that
// another one would replace this file alone. Entries are written with plain
// deflate and UTF-8 names, which unzip, the Windows Explorer and office
// suites all open. Every failure is worded in Italian (fileerror).
namespace ziparchive {

class ParallelDeflate;

// Writes a new zip file. Nothing is read or written before close(): every
// entry is then compressed, its pieces of 1 MiB on as many threads as the
// processor has cores, into one plain deflate stream each, and the library
// writes them into a temporary file beside `path`, renamed to `path` only
// once it is whole, so a failure or a cancel leaves no zip file at `path`.
class Writer {
public:
    explicit Writer(const QString& path);
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // False, with errorString(), when the file cannot be started.
    bool isOpen() const { return archive_ != nullptr; }
    // An entry holding the file at `source` as it is at close(); `name` is
    // a relative path with "/" between folders.
    bool addFile(const QString& name, const QString& source);
    // An entry holding `bytes`.
    bool addBytes(const QString& name, const QByteArray& bytes);
    // Compresses and writes everything. `progress` hears how far it is (in
    // bytes of the entries), on the calling thread, and may cancel
    // (cancelled() is then true).
    bool close(const WorkProgress& progress = {});
    bool cancelled() const { return cancelled_; }
    QString errorString() const { return error_; }

private:
    bool add(const QString& name, const QString& source, const QByteArray& bytes);
    void* archive_ = nullptr;
    std::unique_ptr<ParallelDeflate> deflate_;
    bool cancelled_ = false;
    QString path_;
    QString error_;
};

struct Entry {
    QString name;     // as stored, decoded as UTF-8 (or the old DOS code page)
    qint64 size = 0;  // uncompressed, as the zip's directory declares it
    bool isFolder = false;
    // Stored with the type of a symbolic link, a device or anything else
    // that is neither a plain file nor a folder.
    bool isSpecial = false;
};

// Reads a zip file; open() checks the consistency of its directory and
// refuses a name stored twice ("la voce … è ripetuta") or a folder given as
// the file. Reading decompresses piece by piece: memory stays bounded
// whatever an entry declares.
class Reader {
public:
    explicit Reader(const QString& path);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    bool open();
    const QList<Entry>& entries() const { return entries_; }
    // Decompresses entry `index` whole, handing its bytes to `sink` piece
    // by piece (sink returns false to stop). False when the entry is
    // damaged (its CRC-32 is checked at its end) or sink stopped.
    bool read(qsizetype index, const std::function<bool(QByteArrayView)>& sink);
    // Entry `index` whole, when it is not larger than `limit` bytes.
    bool readAll(qsizetype index, QByteArray* bytes, qint64 limit);
    // Entry `index` as a sequential device the caller reads as it goes,
    // decompressing no more than is asked for (a damaged entry fails a
    // read, with the device's errorString()); null when it cannot be
    // opened. It must not outlive the reader.
    std::unique_ptr<QIODevice> device(qsizetype index);
    // The index of the entry named `name`, or -1.
    qsizetype indexOf(const QString& name) const;
    QString errorString() const { return error_; }

private:
    void* archive_ = nullptr;
    QString path_;
    QList<Entry> entries_;
    QString error_;
};

}  // namespace ziparchive
