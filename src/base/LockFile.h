#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QString>
#include <chrono>
#include <optional>

// A lock file beside a shared file ("Cacciatori.pro.lock"), as office suites
// keep beside a document being edited: it is created with an exclusive
// create, which the file systems and the network shares carry out in one
// step on the server, so two stations can never both create it even where
// the share does not pass the operating system's byte-range locks on. It
// names its holder's station, process and time.
//
// A lock file whose holder is gone is stale and is broken by the next one
// who wants the lock: on the same station when its process no longer runs;
// on any station when both the time it states and its modification time
// are older than kStaleAfter (every write action lasts well under a second,
// and the waits give up after 15 s, so such a lock belongs to a station that
// crashed or lost the share); an empty one when a waiter has seen it empty
// for a second (its holder died between creating and writing it). A holder
// reads its lock file back after writing it and holds the lock only if it
// holds its own text. Breakers of a stale lock file take turns through a
// guard file ("Cacciatori.pro.lock.rottura"): under it, a breaker removes the
// lock file only if it still holds the text it judged stale, so a lock taken
// meanwhile by a new holder is never touched.
class LockFile {
public:
    enum class Result { Locked, TimedOut, Failed };

    struct Holder {
        QString station;
        qint64 process = 0;
        QDateTime time;  // UTC
    };

    static constexpr std::chrono::seconds kStaleAfter{60};

    explicit LockFile(QString path);
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Creates the lock file, waiting for a live holder until the deadline and
    // breaking a stale one.
    Result acquire(const QDeadlineTimer& deadline);
    // Removes the lock file, if it is still the one this object created.
    void release();
    bool isLocked() const { return locked_; }
    // Why acquire failed, in Italian (fileerror).
    QString errorString() const { return error_; }
    QString path() const { return path_; }

    // For readers: true once no live lock file is at `path` (a stale one is
    // left to the next writer), false if a live one stayed until the deadline.
    static bool waitUntilFree(const QString& path, const QDeadlineTimer& deadline);

    // The text of a lock file, and back.
    static QByteArray describe(const Holder& holder, const QByteArray& key);
    static std::optional<Holder> parse(QByteArrayView text);
    // Whether a lock file with this text and modification time is stale at `now`.
    static bool isStale(QByteArrayView text, const QDateTime& modified, const QDateTime& now);
    // The name of this station in lock files.
    static QString thisStation();

private:
    enum class Seen { Absent, Live, Stale };
    static Seen look(const QString& path, QByteArray* text);
    bool breakStale(const QByteArray& seen);

    QString path_;
    QByteArray text_;
    bool locked_ = false;
    QString error_;
};
