#pragma once

#include <QFile>
#include <QString>
#include <string>

#ifdef Q_OS_UNIX
#include <sys/resource.h>

#include <csignal>
#endif
#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

// Makes file writes fail while it lives, in one of two ways a user meets:
// a folder without write permission, or a full disk (no file of this
// process can grow, so every write fails after the file is created). Keep
// its scope to the action under test: a full disk stops every file write of
// the process. An administrator ignores permissions, so for the read-only
// folder the thread gives up that privilege meanwhile (Linux); where that
// cannot be done, possible() is false and the test skips.
class WriteFailure {
public:
    // DiskFillsAt: no file can grow past `limit` bytes, so a write fails
    // part way, after the bytes that still fit.
    enum class Kind { ReadOnlyFolder, FullDisk, DiskFillsAt };

    static std::string name(Kind kind) {
        return kind == Kind::ReadOnlyFolder ? "ReadOnlyFolder" : "FullDisk";
    }

    WriteFailure(Kind kind, const QString& folder, qint64 limit = 0)
        : kind_(kind), folder_(folder) {
        if (kind_ == Kind::ReadOnlyFolder) {
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
            dropPermissionOverride();
            QFile probe(folder_ + QStringLiteral("/.probe"));
            possible_ = !probe.open(QIODevice::WriteOnly);
            if (!possible_) probe.remove();
        } else {
#ifdef Q_OS_UNIX
            getrlimit(RLIMIT_FSIZE, &savedLimit_);
            rlimit none = savedLimit_;
            none.rlim_cur = kind_ == Kind::DiskFillsAt ? rlim_t(limit) : 0;
            previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
            possible_ = setrlimit(RLIMIT_FSIZE, &none) == 0;
#endif
        }
    }

    ~WriteFailure() {
        if (kind_ == Kind::ReadOnlyFolder) {
            restorePermissionOverride();
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
#ifdef Q_OS_UNIX
            setrlimit(RLIMIT_FSIZE, &savedLimit_);
            std::signal(SIGXFSZ, previousHandler_);
#endif
        }
    }

    WriteFailure(const WriteFailure&) = delete;
    WriteFailure& operator=(const WriteFailure&) = delete;

    bool possible() const {
        return possible_;
    }

private:
#ifdef Q_OS_LINUX
    // The capabilities that let the administrator write where permissions
    // forbid it, taken out of this thread's effective set.
    void dropPermissionOverride() {
        capsHeader_ = {_LINUX_CAPABILITY_VERSION_3, 0};
        if (syscall(SYS_capget, &capsHeader_, savedCaps_) != 0) return;
        __user_cap_data_struct reduced[2] = {savedCaps_[0], savedCaps_[1]};
        reduced[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        capsDropped_ = syscall(SYS_capset, &capsHeader_, reduced) == 0;
    }
    void restorePermissionOverride() {
        if (capsDropped_) syscall(SYS_capset, &capsHeader_, savedCaps_);
    }

    __user_cap_header_struct capsHeader_{};
    __user_cap_data_struct savedCaps_[2]{};
    bool capsDropped_ = false;
#else
    void dropPermissionOverride() {}
    void restorePermissionOverride() {}
#endif

    Kind kind_;
    QString folder_;
    bool possible_ = false;
#ifdef Q_OS_UNIX
    rlimit savedLimit_{};
    void (*previousHandler_)(int) = SIG_DFL;
#endif
};
