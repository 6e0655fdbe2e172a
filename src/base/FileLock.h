#pragma once

#include <QFile>
#include <chrono>

// Advisory lock on one byte far past the end of any record file, so that
// stations sharing a folder take turns: readers share it, a writer holds it
// alone. The operating system drops the lock when its holder dies, so a
// crashed program never blocks the others. This is the only file of the
// program that calls the operating system directly: the few other calls the
// record files need (syncing to the disk, asking whether a process runs, a
// rename that cannot turn into a copy) are here too.
namespace filelock {

enum class Mode { Shared, Exclusive };

enum class Result {
    Locked,       // the lock is held
    Unsupported,  // the file system has no locks: go on without
    TimedOut,     // another holder kept it for the whole timeout
    Failed,       // any other error
};

Result acquire(QFile& file, Mode mode, std::chrono::milliseconds timeout);
void release(QFile& file);

// Asks the operating system to put what was written to the open file on the
// disk before returning (fsync, FlushFileBuffers). False on failure.
bool syncFile(QFile& file);
// Asks the system to start writing `length` bytes at `offset` of the file
// to the disk, without waiting (a long append, so that its final sync has
// little left to do). Does nothing where the system has no such call.
void startWriting(QFile& file, qint64 offset, qint64 length);

// Puts the folder's entries (files created, renamed or removed in it) on the
// disk. Windows has no such call and needs none: true there.
bool syncFolder(const QString& folder);

// Whether a process with this id runs on this computer.
bool processRunning(qint64 pid);

// Renames `from` to `to` in one step of the file system, so that of two
// programs moving the same file only one succeeds. Unlike QFile::rename it
// never falls back to copying. `to` must be a name no one else uses (an
// existing `to` may be replaced). False when `from` is gone or on failure.
bool moveFile(const QString& from, const QString& to);

}  // namespace filelock
