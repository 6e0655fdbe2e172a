#pragma once

#include <QFile>
#include <chrono>

// Advisory lock on one byte far past the end of any record file, so that
// stations sharing a folder take turns: readers share it, a writer holds it
// alone. The operating system drops the lock when its holder dies, so a
// crashed program never blocks the others. This is the only file of the
// program that calls the operating system directly.
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

}  // namespace filelock
