#include "backup/Staging.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <memory>
#include <vector>

#include "base/FileErrors.h"
#include "base/FileLock.h"
#include "base/LockFile.h"
#include "base/Paths.h"

namespace backup::staging {
namespace {

using fileerror::Cause;

constexpr char kOwnerName[] = "proprietario";
constexpr char kJournalName[] = "giornale.txt";
constexpr char kJournalTitle[] = "Selvadoro - ripristino in corso";
constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
// Where the system's locks do not reach the other stations, the work of
// another station is judged by its age: a snapshot may take long, the moves
// of a restore take moments.
constexpr qint64 kOtherStationWork = 24 * 3600;
constexpr qint64 kOtherStationMoves = LockFile::kStaleAfter.count();

QString journalPath(const QString& folder) {
    return folder + u'/' + QLatin1String(kJournalName);
}
QString newPath(const QString& folder, qsizetype i) {
    return folder + QStringLiteral("/nuovi/") + QString::number(i);
}
QString oldPath(const QString& folder, qsizetype i) {
    return folder + QStringLiteral("/vecchi/") + QString::number(i);
}

// A name inside the data folder: no drive, no leading "/", no "\", no
// empty, "." or ".." part.
bool isInsideName(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(u':')) {
        return false;
    }
    for (const QString& piece : name.split(u'/')) {
        if (piece.isEmpty() || piece == u"." || piece == u"..") return false;
    }
    return true;
}

qint64 ageOf(const QString& path) {
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() ? modified.secsTo(QDateTime::currentDateTime()) : 0;
}

// Whether the process that made a staging folder is gone. With `held`, the
// system's lock on its owner file stays taken there, so that no one else
// settles the same work meanwhile.
bool ownerGone(const QString& folder, QFile* held = nullptr) {
    std::unique_ptr<QFile> own;
    QFile* owner = held;
    if (!owner) {
        own = std::make_unique<QFile>();
        owner = own.get();
    }
    owner->setFileName(folder + u'/' + QLatin1String(kOwnerName));
    if (!owner->open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        // Gone between making its folder and its owner file.
        return !owner->exists() && ageOf(folder) > kOtherStationMoves;
    }
    const QByteArray text = owner->readAll();
    const auto holder = LockFile::parse(text);
    const filelock::Result lock =
        filelock::acquire(*owner, filelock::Mode::Exclusive, std::chrono::milliseconds(0));
    if (lock == filelock::Result::TimedOut) return false;
    if (lock == filelock::Result::Locked) {
        // The lock is taken before the text is written: a file without its
        // text may belong to a process that has just begun.
        const bool gone = holder.has_value() || ageOf(owner->fileName()) > kOtherStationMoves;
        if (!gone || !held) filelock::release(*owner);
        return gone;
    }
    if (!holder) return ageOf(owner->fileName()) > kOtherStationMoves;
    if (holder->station == LockFile::thisStation()) {
        return !filelock::processRunning(holder->process);
    }
    const QString journal = journalPath(folder);
    return QFileInfo::exists(journal) ? ageOf(journal) > kOtherStationMoves
                                      : ageOf(owner->fileName()) > kOtherStationWork;
}

bool removeFolder(const QString& folder) {
    return QDir(folder).removeRecursively();
}

// One move of a restore, its failure said of the data folder's file
// `shown`. The moves need no sync of their own: finish() goes on from
// whatever subset of them reached the disk.
bool move(const QString& from, const QString& to, QString* error, const QString& shown = {}) {
    if (filelock::moveFile(from, to)) return true;
    if (error) {
        *error = QDir::toNativeSeparators(shown.isEmpty() ? to : shown) + QStringLiteral(": ") +
                 fileerror::text(Cause::NotReplaced);
    }
    return false;
}

}  // namespace

QString place() {
    return paths::dataFile(QString::fromLatin1(kPlaceName));
}

Folder::Folder(const QString& kind) {
    const QString where = place();
    if (!QFileInfo(where).isDir() && !QDir().mkdir(where, kOwnerOnly) &&
        !QFileInfo(where).isDir()) {
        error_ = QDir::toNativeSeparators(where) + QStringLiteral(": ") +
                 fileerror::text(Cause::AccessDenied);
        return;
    }
    for (int attempt = 0; attempt < 100 && path_.isEmpty(); ++attempt) {
        const QString id = QStringLiteral("%1-%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        const QString path = QDir(where).filePath(kind + u'-' + id);
        if (QFileInfo::exists(path)) continue;
        if (!QDir().mkdir(path, kOwnerOnly)) break;
        owner_.setFileName(path + u'/' + QLatin1String(kOwnerName));
        const QByteArray text =
            LockFile::describe({LockFile::thisStation(), QCoreApplication::applicationPid(),
                                QDateTime::currentDateTimeUtc()},
                               id.toLatin1());
        const bool opened = owner_.open(QIODevice::ReadWrite | QIODevice::NewOnly);
        if (opened) {
            filelock::acquire(owner_, filelock::Mode::Exclusive, std::chrono::milliseconds(0));
        }
        if (!opened || owner_.write(text) != text.size() || !owner_.flush()) {
            error_ = owner_.fileName() + QStringLiteral(": ") + fileerror::of(owner_);
            owner_.close();
            removeFolder(path);
            return;
        }
        path_ = path;
        id_ = id;
    }
    if (path_.isEmpty()) {
        error_ = QDir::toNativeSeparators(where) + QStringLiteral(": ") +
                 fileerror::text(Cause::AccessDenied);
    }
}

Folder::~Folder() {
    if (path_.isEmpty() || kept_) return;
    // The owner file last: while it is there the folder is this process's.
    QDir folder(path_);
    for (const QFileInfo& item :
         folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (item.fileName() == QLatin1String(kOwnerName)) continue;
        if (item.isDir() && !item.isSymLink()) {
            QDir(item.filePath()).removeRecursively();
        } else {
            QFile::remove(item.filePath());
        }
    }
    owner_.close();
    removeFolder(path_);
}

bool writeJournal(const QString& folder, const Journal& journal, QString* error) {
    QByteArray text = QByteArray(kJournalTitle) + '\n';
    text += "backup: " + journal.zipPath.toUtf8() + '\n';
    for (const QString& made : journal.folders) text += "cartella: " + made.toUtf8() + '\n';
    for (qsizetype i = 0; i < journal.files.size(); ++i) {
        const Move& file = journal.files.at(i);
        text += "file: " + QByteArray::number(i) + ' ' + (file.isRecord ? '1' : '0') + ' ' +
                file.name.toUtf8() + '\n';
    }
    text += "fine\n";
    const QString path = journalPath(folder);
    QFile out(path + QStringLiteral(".tmp"));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size() ||
        !filelock::syncFile(out)) {
        *error =
            QDir::toNativeSeparators(out.fileName()) + QStringLiteral(": ") + fileerror::of(out);
        out.close();
        out.remove();
        return false;
    }
    out.close();
    return move(out.fileName(), path, error) && filelock::syncFolder(folder);
}

std::optional<Journal> readJournal(const QString& folder) {
    QFile in(journalPath(folder));
    // A journal of a restore is a few lines a file: a larger one is not ours.
    if (!in.open(QIODevice::ReadOnly) || in.size() > 16 * 1024 * 1024) return std::nullopt;
    const QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
    if (lines.size() < 3 || lines.first() != QLatin1String(kJournalTitle) ||
        lines.at(lines.size() - 2) != u"fine" || !lines.at(1).startsWith(u"backup: ")) {
        return std::nullopt;
    }
    Journal journal;
    journal.zipPath = lines.at(1).mid(8);
    static const QRegularExpression fileLine(QStringLiteral("^file: ([0-9]+) ([01]) (.+)$"));
    for (qsizetype k = 2; k + 2 < lines.size(); ++k) {
        const QString& line = lines.at(k);
        if (line.startsWith(u"cartella: ")) {
            const QString name = line.mid(10);
            if (!isInsideName(name)) return std::nullopt;
            journal.folders.append(name);
            continue;
        }
        const auto match = fileLine.match(line);
        if (!match.hasMatch() || match.captured(1).toLongLong() != journal.files.size() ||
            !isInsideName(match.captured(3))) {
            return std::nullopt;
        }
        journal.files.append({match.captured(3), match.captured(2) == u"1"});
    }
    return journal;
}

Result finish(const QString& folder, const Journal& journal, const std::function<bool()>& step,
              QString* error) {
    const auto stepped = [&] { return !step || step(); };
    for (const QString& made : journal.folders) {
        const QString path = paths::dataFile(made);
        if (QFileInfo(path).isDir()) continue;
        if (!QDir().mkdir(path)) {
            *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                     fileerror::text(Cause::AccessDenied);
            return Result::Failed;
        }
        if (!stepped()) return Result::Stopped;
    }
    QDir().mkpath(folder + QStringLiteral("/vecchi"));
    for (qsizetype i = 0; i < journal.files.size(); ++i) {
        const QString target = paths::dataFile(journal.files.at(i).name);
        const QString fresh = newPath(folder, i);
        if (!QFileInfo::exists(fresh)) continue;  // already in place
        const QString old = oldPath(folder, i);
        if (QFileInfo::exists(target) && !QFileInfo::exists(old)) {
            if (!move(target, old, error, target)) return Result::Failed;
            if (!stepped()) return Result::Stopped;
        }
        if (!move(fresh, target, error)) return Result::Failed;
        if (!stepped()) return Result::Stopped;
    }
    QSet<QString> touched{folder + QStringLiteral("/nuovi"), folder + QStringLiteral("/vecchi")};
    for (const Move& file : journal.files) {
        touched.insert(QFileInfo(paths::dataFile(file.name)).absolutePath());
    }
    for (const QString& path : touched) filelock::syncFolder(path);
    return Result::Done;
}

void endJournal(const QString& folder) {
    QFile::remove(journalPath(folder));
    filelock::syncFolder(folder);
}

bool takeBack(const QString& folder, const Journal& journal) {
    bool ok = true;
    for (qsizetype i = journal.files.size() - 1; i >= 0; --i) {
        const QString target = paths::dataFile(journal.files.at(i).name);
        const QString fresh = newPath(folder, i);
        const QString old = oldPath(folder, i);
        // Once the backup's file has left "nuovi", the file in its place is it.
        if (!QFileInfo::exists(fresh) && QFileInfo::exists(target)) {
            ok = move(target, fresh, nullptr) && ok;
        }
        if (QFileInfo::exists(old)) ok = move(old, target, nullptr) && ok;
    }
    for (qsizetype k = journal.folders.size() - 1; k >= 0; --k) {
        QDir().rmdir(paths::dataFile(journal.folders.at(k)));
    }
    return ok;
}

QString settleInterrupted() {
    QStringList failures;
    const QDir where(place());
    for (const QString& name :
         where.entryList({QStringLiteral("ripristino-*")}, QDir::Dirs | QDir::Hidden)) {
        const QString folder = where.filePath(name);
        if (!QFileInfo::exists(journalPath(folder))) continue;
        QFile owner;
        if (!ownerGone(folder, &owner)) continue;
        const auto journal = readJournal(folder);
        if (!journal) {
            failures.append(QStringLiteral("il giornale %1 è danneggiato")
                                .arg(QDir::toNativeSeparators(journalPath(folder))));
            continue;
        }
        std::vector<std::unique_ptr<LockFile>> locks;
        QString error;
        for (const Move& file : journal->files) {
            if (!file.isRecord) continue;
            auto lock =
                std::make_unique<LockFile>(paths::dataFile(file.name) + QStringLiteral(".lock"));
            if (lock->acquire(QDeadlineTimer(15000)) != LockFile::Result::Locked) {
                error = QStringLiteral("l'archivio %1 è in uso").arg(file.name);
                break;
            }
            locks.push_back(std::move(lock));
        }
        if (!error.isEmpty()) {  // left for a later start
            failures.append(error);
            continue;
        }
        if (finish(folder, *journal, {}, &error) != Result::Done) {
            if (!takeBack(folder, *journal)) {
                failures.append(error);
                continue;
            }
            failures.append(
                error + QStringLiteral(" (gli archivi sono tornati come prima del ripristino)"));
        }
        endJournal(folder);
        owner.close();
        removeFolder(folder);
    }
    if (failures.isEmpty()) return {};
    return QStringLiteral(
               "Un ripristino interrotto non si è potuto completare: %1.\n"
               "Chiudere Selvadoro sulle altre postazioni e riavviarlo.")
        .arg(failures.join(QStringLiteral("; ")));
}

void removeStale(const QString& backupFolder) {
    const QDir where(place());
    QSet<QString> live;
    for (const QString& name : where.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString folder = where.filePath(name);
        if (QFileInfo::exists(journalPath(folder)) || !ownerGone(folder)) {
            live.insert(name.mid(name.indexOf(u'-') + 1));
            continue;
        }
        removeFolder(folder);
    }
    // An earlier version's restore staging: what it took out of the data
    // folder ("vecchi") is kept for whoever looks for it.
    const QDir data(paths::dataFolder());
    for (const QString& name :
         data.entryList({QStringLiteral(".ripristino-*")}, QDir::Dirs | QDir::Hidden)) {
        const QString folder = data.filePath(name);
        if (QDir(folder + QStringLiteral("/vecchi")).isEmpty() &&
            ageOf(folder) > kOtherStationMoves) {
            removeFolder(folder);
        }
    }
    if (backupFolder.isEmpty()) return;
    // A zip being written is named after its backup's staging folder.
    static const QRegularExpression unfinished(
        QStringLiteral("^\\.Selvadoro-([0-9]+-[0-9a-f]{8})\\.zip\\.tmp"));
    const QDir backups(backupFolder);
    for (const QString& name :
         backups.entryList({QStringLiteral(".Selvadoro-*.zip.tmp*")}, QDir::Files | QDir::Hidden)) {
        const auto match = unfinished.match(name);
        if (match.hasMatch() && !live.contains(match.captured(1))) {
            QFile::remove(backups.filePath(name));
        }
    }
}

}  // namespace backup::staging
