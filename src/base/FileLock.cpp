#include "base/FileLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace filelock {
namespace {

// The locked byte lies far beyond any record so that it never overlaps data
// (locks on Windows are mandatory for the bytes they cover).
constexpr qint64 kLockOffset = qint64(1) << 62;

enum class Attempt { Locked, Busy, Unsupported, Failed };

#ifdef Q_OS_WIN
Attempt tryLock(QFile& file, Mode mode) {
    auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    OVERLAPPED overlapped{};
    overlapped.Offset = static_cast<DWORD>(kLockOffset & 0xFFFFFFFF);
    overlapped.OffsetHigh = static_cast<DWORD>(kLockOffset >> 32);
    DWORD flags = LOCKFILE_FAIL_IMMEDIATELY;
    if (mode == Mode::Exclusive) flags |= LOCKFILE_EXCLUSIVE_LOCK;
    if (LockFileEx(handle, flags, 0, 1, 0, &overlapped)) return Attempt::Locked;
    const DWORD error = GetLastError();
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) return Attempt::Busy;
    if (error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION) {
        return Attempt::Unsupported;
    }
    return Attempt::Failed;
}

void unlock(QFile& file) {
    auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    OVERLAPPED overlapped{};
    overlapped.Offset = static_cast<DWORD>(kLockOffset & 0xFFFFFFFF);
    overlapped.OffsetHigh = static_cast<DWORD>(kLockOffset >> 32);
    UnlockFileEx(handle, 0, 1, 0, &overlapped);
}
#else
// Open-file-description locks belong to this one open of the file, so
// closing another descriptor of the same file does not drop them.
#ifdef F_OFD_SETLK
constexpr int kSetLock = F_OFD_SETLK;
#else
constexpr int kSetLock = F_SETLK;
#endif

int setLock(QFile& file, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(kLockOffset);
    lock.l_len = 1;
    int rc;
    do {
        rc = fcntl(file.handle(), kSetLock, &lock);
    } while (rc != 0 && errno == EINTR);
    return rc;
}

Attempt tryLock(QFile& file, Mode mode) {
    if (setLock(file, mode == Mode::Exclusive ? F_WRLCK : F_RDLCK) == 0) return Attempt::Locked;
    switch (errno) {
        case EAGAIN:
        case EACCES:
            return Attempt::Busy;
        case ENOLCK:
        case EOPNOTSUPP:
        case EINVAL:
            return Attempt::Unsupported;
        default:
            return Attempt::Failed;
    }
}

void unlock(QFile& file) {
    setLock(file, F_UNLCK);
}
#endif

}  // namespace

Result acquire(QFile& file, Mode mode, std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        switch (tryLock(file, mode)) {
            case Attempt::Locked:
                return Result::Locked;
            case Attempt::Unsupported:
                return Result::Unsupported;
            case Attempt::Failed:
                return Result::Failed;
            case Attempt::Busy:
                break;
        }
        if (deadline.hasExpired()) return Result::TimedOut;
        QThread::msleep(5);
    }
}

void release(QFile& file) {
    if (file.isOpen()) unlock(file);
}

#ifdef Q_OS_WIN
bool syncFile(QFile& file) {
    if (!file.isOpen() || !file.flush()) return false;
    auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return FlushFileBuffers(handle) != 0;
}

bool syncFolder(const QString&) {
    return true;
}

void startWriting(QFile&, qint64, qint64) {}

bool processRunning(qint64 pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

bool moveFile(const QString& from, const QString& to) {
    return MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                       0) != 0;
}
#else
bool syncFile(QFile& file) {
    if (!file.isOpen() || !file.flush()) return false;
    int rc;
    do {
        rc = ::fsync(file.handle());
    } while (rc != 0 && errno == EINTR);
    // A file system that cannot sync (some network shares) says EINVAL.
    return rc == 0 || errno == EINVAL;
}

void startWriting(QFile& file, qint64 offset, qint64 length) {
#ifdef Q_OS_LINUX
    if (file.isOpen()) {
        (void)::sync_file_range(file.handle(), offset, length, SYNC_FILE_RANGE_WRITE);
    }
#else
    Q_UNUSED(file);
    Q_UNUSED(offset);
    Q_UNUSED(length);
#endif
}

bool syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    const bool ok = rc == 0 || errno == EINVAL || errno == EBADF;
    ::close(fd);
    return ok;
}

bool processRunning(qint64 pid) {
    if (pid <= 0) return false;
    // A process of another user is there even though it may not be signalled.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool moveFile(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
#endif

}  // namespace filelock
