#include "base/LockFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

#include "base/FileErrors.h"
#include "base/FileLock.h"

namespace {

// The first line of every lock file, so that a person who finds one in the
// data folder knows whose it is.
constexpr char kTitle[] = "Selvadoro: archivio in scrittura";

// A lock file is created empty and written at once. One seen empty for
// this long by the same waiter belongs to a holder that died in between.
constexpr qint64 kEmptyGraceMs = 1000;

// A breaker holds its guard for a few microseconds; one this old was left by
// a breaker that died.
constexpr qint64 kGuardStaleSecs = 10;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

// Polls start short, for the usual save of a few milliseconds, and slow down
// to spare a network share.
void pause(int* wait) {
    QThread::msleep(static_cast<unsigned long>(*wait));
    *wait = qMin(*wait * 2, 50);
}

}  // namespace

LockFile::LockFile(QString path) : path_(std::move(path)) {}

LockFile::~LockFile() {
    release();
}

QString LockFile::thisStation() {
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("?") : name;
}

QByteArray LockFile::describe(const Holder& holder, const QByteArray& key) {
    QByteArray text = kTitle;
    text += "\nstazione=" + holder.station.toUtf8();
    text += "\nprocesso=" + QByteArray::number(holder.process);
    text += "\nora=" + holder.time.toUTC().toString(Qt::ISODateWithMs).toLatin1();
    text += "\nchiave=" + key + '\n';
    return text;
}

std::optional<LockFile::Holder> LockFile::parse(QByteArrayView text) {
    Holder holder;
    bool station = false;
    bool process = false;
    for (QByteArrayView line : QByteArray(text.toByteArray()).split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) continue;
        const QByteArrayView name = line.first(eq);
        const QByteArrayView value = line.sliced(eq + 1);
        if (name == "stazione") {
            holder.station = QString::fromUtf8(value);
            station = true;
        } else if (name == "processo") {
            holder.process = value.toLongLong(&process);
        } else if (name == "ora") {
            holder.time = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
        }
    }
    if (!station || !process || !holder.time.isValid()) return std::nullopt;
    return holder;
}

bool LockFile::isStale(QByteArrayView text, const QDateTime& modified, const QDateTime& now) {
    const auto holder = parse(text);
    if (holder && holder->station == thisStation() && !filelock::processRunning(holder->process))
        return true;
    // A lock file still being written (empty) or of unknown form is judged by
    // its age alone. Either clock alone may be wrong, so both must agree.
    const qint64 limit = kStaleAfter.count();
    const bool oldFile = modified.isValid() && modified.secsTo(now) > limit;
    const bool oldStated = !holder || holder->time.secsTo(now) > limit;
    return oldFile && oldStated;
}

LockFile::Seen LockFile::look(const QString& path, QByteArray* text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.exists() ? Seen::Live : Seen::Absent;
    *text = file.read(4096);
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    file.close();
    return isStale(*text, modified, QDateTime::currentDateTimeUtc()) ? Seen::Stale : Seen::Live;
}

LockFile::Result LockFile::acquire(const QDeadlineTimer& deadline) {
    release();
    error_.clear();
    const QByteArray key = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    int wait = 2;
    int vanished = 0;
    QElapsedTimer empty;
    for (;;) {
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            text_ = describe({thisStation(), QCoreApplication::applicationPid(),
                              QDateTime::currentDateTimeUtc()},
                             key);
            const bool written = file.write(text_) == text_.size() && file.flush();
            const QString error = fileerror::of(file);
            file.close();
            if (!written) {
                QFile::remove(path_);
                error_ = error;
                return Result::Failed;
            }
            // Held up between creating the file and writing it, this holder
            // may have been taken for a dead one: the lock is its own only
            // if the file holds its text.
            if (contentsOf(path_) == text_) {
                locked_ = true;
                return Result::Locked;
            }
            if (deadline.hasExpired()) return Result::TimedOut;
            continue;
        }
        QByteArray seen;
        Seen state = look(path_, &seen);
        if (state == Seen::Live && seen.isEmpty()) {
            if (!empty.isValid()) {
                empty.start();
            } else if (empty.elapsed() > kEmptyGraceMs) {
                state = Seen::Stale;
            }
        } else {
            empty.invalidate();
        }
        switch (state) {
            case Seen::Absent:
                // Removed by its holder in between (again and again only
                // when many stations take turns), or it cannot be created at
                // all (a missing or read-only folder).
                if (++vanished >= 20) {
                    error_ = fileerror::of(file);
                    return Result::Failed;
                }
                continue;
            case Seen::Stale:
                if (breakStale(seen)) continue;
                break;
            case Seen::Live:
                break;
        }
        vanished = 0;
        if (deadline.hasExpired()) return Result::TimedOut;
        pause(&wait);
    }
}

bool LockFile::breakStale(const QByteArray& seen) {
    // Breakers take turns through a guard file of their own. Without it, a
    // waiter that judged the lock stale could act after another breaker had
    // already removed it and a new holder had taken the lock, and move that
    // holder's live lock file instead.
    const QString guard = path_ + QStringLiteral(".rottura");
    QFile guardFile(guard);
    if (!guardFile.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        // Another breaker is at work for a few microseconds; a guard that
        // stays this long belongs to a breaker that died holding it.
        const QDateTime made = QFileInfo(guard).lastModified().toUTC();
        if (made.isValid() && made.secsTo(QDateTime::currentDateTimeUtc()) > kGuardStaleSecs)
            QFile::remove(guard);
        return false;
    }
    guardFile.close();
    const auto broken = [&] {
        // Only breakers remove a lock file that is not their own, and they
        // take turns: the file is still the stale one if it holds what was
        // seen.
        if (contentsOf(path_) != seen) return false;
        const QString aside = path_ + QStringLiteral(".scaduto-") +
                              QString::number(QRandomGenerator::system()->generate64(), 16);
        if (!filelock::moveFile(path_, aside)) return false;
        QFile moved(aside);
        QByteArray text;
        QDateTime modified;
        if (moved.open(QIODevice::ReadOnly)) {
            text = moved.read(4096);
            modified = moved.fileTime(QFileDevice::FileModificationTime);
            moved.close();
        }
        // A holder seen empty may have been only slow, and have written its
        // text between the look and the move: give it back.
        if (text != seen && !isStale(text, modified, QDateTime::currentDateTimeUtc()) &&
            QFile::rename(aside, path_))
            return false;
        QFile::remove(aside);
        return true;
    }();
    QFile::remove(guard);
    return broken;
}

void LockFile::release() {
    if (!locked_) return;
    locked_ = false;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return;
    const bool ours = file.read(4096) == text_;
    file.close();
    if (ours) QFile::remove(path_);
}

bool LockFile::waitUntilFree(const QString& path, const QDeadlineTimer& deadline) {
    int wait = 2;
    QElapsedTimer empty;
    for (;;) {
        QByteArray text;
        if (look(path, &text) != Seen::Live) return true;
        if (!text.isEmpty()) {
            empty.invalidate();
        } else if (!empty.isValid()) {
            empty.start();
        } else if (empty.elapsed() > kEmptyGraceMs) {
            return true;
        }
        if (deadline.hasExpired()) return false;
        pause(&wait);
    }
}
