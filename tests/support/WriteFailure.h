#pragma once

#include <QFile>
#include <QString>
#include <string>

#ifdef Q_OS_UNIX
#include <sys/resource.h>

#include <csignal>
#endif

// Makes file writes fail while it lives, in one of two ways a user meets:
// a folder without write permission, or a full disk (no file of this
// process can grow, so every write fails after the file is created). The
// administrator ignores permissions, so the first one is not always
// possible: tests check possible() and skip. Keep its scope to the action
// under test: a full disk stops every file write of the process.
class WriteFailure {
public:
    enum class Kind { ReadOnlyFolder, FullDisk };

    static std::string name(Kind kind) {
        return kind == Kind::ReadOnlyFolder ? "ReadOnlyFolder" : "FullDisk";
    }

    WriteFailure(Kind kind, const QString& folder) : kind_(kind), folder_(folder) {
        if (kind_ == Kind::ReadOnlyFolder) {
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
            QFile probe(folder_ + QStringLiteral("/.probe"));
            possible_ = !probe.open(QIODevice::WriteOnly);
            if (!possible_) probe.remove();
        } else {
#ifdef Q_OS_UNIX
            getrlimit(RLIMIT_FSIZE, &saved_);
            rlimit none = saved_;
            none.rlim_cur = 0;
            previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
            possible_ = setrlimit(RLIMIT_FSIZE, &none) == 0;
#endif
        }
    }

    ~WriteFailure() {
        if (kind_ == Kind::ReadOnlyFolder) {
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
#ifdef Q_OS_UNIX
            setrlimit(RLIMIT_FSIZE, &saved_);
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
    Kind kind_;
    QString folder_;
    bool possible_ = false;
#ifdef Q_OS_UNIX
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
#endif
};
