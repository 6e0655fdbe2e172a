#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "base/LockFile.h"

struct RecordLayout;
namespace journal {
struct Entry;
}

// The archive file of a record layout: its file name in the data folder.
QString archivePath(const RecordLayout& layout);

// A file of fixed-size records with no header: record n (from 1) occupies
// bytes (n - 1) * size to n * size - 1. Bytes of an incomplete last record
// are not a record. Each user action opens the file, works and closes it;
// while it is open the action holds a lock shared with other readers
// (Access::Read) or held alone (Access::Write), so that an append computes
// its record number without racing another station.
//
// A writing action holds two locks: the lock file "<file>.lock" (LockFile),
// which excludes the other stations even on a share that does not pass the
// operating system's locks on, and then the operating system's lock
// (FileLock), which other programs of these archives take too. Each record
// is written through the rollback journal "<file>-journal" (RecordJournal),
// so that a save cut short leaves the old record or the new one, whole; the
// next action that opens the file settles a journal left behind. A reading
// action waits while a live lock file says a write is in progress.
// How far a long piece of work is: `done` of `total` steps. Returning false
// asks the work to stop (the user cancelled).
using ScanProgress = std::function<bool(qint64 done, qint64 total)>;

class RecordFile {
public:
    enum class Access { Read, Write };

    RecordFile(QString path, qsizetype recordSize);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens the file for reading and writing, creating it empty when missing,
    // and takes the lock. Positioned at record 1 (index 0).
    bool open(Access access);
    bool isOpen() const { return file_.isOpen(); }

    qsizetype count() const;
    qsizetype position() const { return position_; }
    bool atEnd() const { return position_ >= count(); }

    // Reads the record with 0-based index; the position becomes index + 1.
    bool readAt(qsizetype index, QByteArray* record);

    // Overwrites the record with 0-based index (index == count appends)
    // through the journal: the record is on the disk when this returns true,
    // and the file is as it was when it returns false. The position becomes
    // index + 1. Needs Access::Write.
    bool writeAt(qsizetype index, const QByteArray& record);
    // Writes after the last complete record; returns its record number, or
    // 0 on failure. Needs Access::Write.
    qsizetype append(const QByteArray& record);

    // An append of records made while it is written (an import converting
    // its rows), in blocks, through one journal that notes the file's
    // length: beginAppend() returns the number the first record will take
    // (0 on failure); appendRecords() writes whole records after the last
    // ones; commitAppend() puts them on the disk and ends the journal.
    // cancelAppend(), a failure of either, or close() before the commit
    // gives the file back exactly its old length and bytes; so does the
    // next opener after a crash. Needs Access::Write.
    qsizetype beginAppend();
    bool appendRecords(QByteArrayView records);
    bool commitAppend();
    void cancelAppend();

    void close();
    QString errorString() const { return error_; }

    // Opens with a shared lock, hands every complete record in order to
    // visit (which may stop the scan by returning false), and closes. The
    // file is read in blocks of about 1 MiB; a record's view is valid only
    // during its visit. Returns false when the file could not be opened or
    // read; the records visited before the failure stay visited.
    // `progress`, when given, is told after each block how many of the
    // file's records have been read; returning false stops the scan there
    // (the user cancelled), which is no failure.
    using Visitor = std::function<bool(qsizetype number, QByteArrayView record)>;
    static bool scan(const QString& path, qsizetype recordSize, const Visitor& visit,
                     QString* error = nullptr, const ScanProgress& progress = {});

    // For tests and the stress workers: how long an action waits for
    // another station before it fails (15 s), and whether it takes the
    // operating system's lock (without it, the program behaves as on a
    // share whose locks are not passed on).
    static void setWaitLimit(std::chrono::milliseconds limit);
    static void setOsLocks(bool use);

    // How many writes (a record written, an append committed) this run has
    // made to any record file: what has changed since a moment is told by
    // the number having grown.
    static quint64 writesInThisRun();

private:
    // The error becomes "<file>: <reason>"; the reason is in Italian
    // (fileerror).
    bool fail(const QString& reason);
    bool failOpen(const QString& reason);
    bool recoverBeforeReading();

    QFile file_;
    LockFile lockFile_;
    qsizetype recordSize_;
    qsizetype position_ = 0;
    bool locked_ = false;
    QString error_;
    // The journal of an append begun and not yet ended.
    std::unique_ptr<journal::Entry> appending_;
};
