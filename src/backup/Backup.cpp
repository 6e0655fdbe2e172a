#include "backup/Backup.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>
#include <QThread>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <numeric>
#include <thread>
#include <utility>
#include <vector>

#include "backup/BackupSettings.h"
#include "backup/Sha256.h"
#include "backup/Staging.h"
#include "backup/ZipArchive.h"
#include "base/FileErrors.h"
#include "base/FileLock.h"
#include "base/LockFile.h"
#include "base/Paths.h"
#include "lists/ArchiveDefinition.h"
#include "records/Attachments.h"
#include "records/RecordFile.h"
#include "records/RecordLayout.h"
#include "shell/AccessPassword.h"
#include "shell/ProgramInfo.h"

namespace backup {
namespace {

using fileerror::Cause;

const QString kTitle = QStringLiteral("Selvadoro - backup della cartella dei dati");
constexpr char kBeforeRestore[] = "# prima del ripristino del backup del ";
constexpr qint64 kManifestLimit = 16 * 1024 * 1024;
constexpr qint64 kBlock = 1 << 20;

// A share of a piece of work: part `index` of `count` equal parts.
WorkProgress part(const WorkProgress& whole, int index, int count) {
    if (!whole) return {};
    return [whole, index, count](qint64 done, qint64 total) {
        const qint64 scaled = total > 0 ? qMin<qint64>(1000, done * 1000 / total) : 1000;
        return whole(index * 1000 + scaled, count * 1000);
    };
}

QString relative(const QString& path) {
    return QDir(paths::dataFolder()).relativeFilePath(path);
}

// A relative path the program could have written: no drive, no leading
// "/", no "\", no empty, "." or ".." part.
bool isSafeName(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(u':')) {
        return false;
    }
    for (const QString& piece : name.split(u'/')) {
        if (piece.isEmpty() || piece == u"." || piece == u"..") return false;
    }
    return true;
}

// The folders whose every file the program owns: the attachments and each
// archive's folder of files, relative to the data folder.
QStringList ownedFolders(const QList<const ArchiveDefinition*>& archives) {
    QStringList folders{relative(attachments::folder())};
    for (const ArchiveDefinition* archive : archives) {
        if (archive->filesFolder) folders.append(relative(archive->filesFolder()));
    }
    return folders;
}

// A yearly archive's file names: its year's file with the year as four
// digits.
QRegularExpression yearPattern(const ArchiveDefinition& archive) {
    const QString sample = relative(archive.yearFile(QStringLiteral("0000")));
    QString pattern = QRegularExpression::escape(sample);
    pattern.replace(QStringLiteral("0000"), QStringLiteral("[0-9]{4}"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

// The password file and the settings: the backups' own (beside the
// password file) and the windows' (Selvadoro.ini).
QStringList plainOwnedNames() {
    return {relative(accesspassword::passwordFilePath()), relative(settingsPath()),
            relative(paths::settingsFile())};
}

int stopAfter = -1;

QString lockHolder(const QString& archive) {
    QFile lock(archive + QStringLiteral(".lock"));
    if (lock.open(QIODevice::ReadOnly)) {
        if (const auto holder = LockFile::parse(lock.readAll())) {
            if (!holder->station.isEmpty()) return holder->station;
        }
    }
    return QStringLiteral("un'altra postazione");
}

// SHA-256 of blocks on a thread of its own, while the caller reads and
// writes the next ones: a copy then takes about the time of the copy alone.
class HashingThread {
public:
    HashingThread() {
        for (QByteArray& buffer : buffers_) {
            buffer = QByteArray(kBlock, Qt::Uninitialized);
            free_.push_back(&buffer);
        }
        thread_ = std::thread([this] { run(); });
    }
    ~HashingThread() {
        {
            std::lock_guard lock(mutex_);
            ending_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    HashingThread(const HashingThread&) = delete;
    HashingThread& operator=(const HashingThread&) = delete;

    // A block to read into, once the thread has hashed what it held.
    QByteArray* block() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !free_.empty(); });
        QByteArray* buffer = free_.back();
        free_.pop_back();
        return buffer;
    }
    // Hashes the first `n` bytes of `buffer` after those handed before.
    void hand(QByteArray* buffer, qint64 n) {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back({buffer, n});
        }
        changed_.notify_all();
    }
    // The digest of everything handed.
    QByteArray hex() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return queue_.empty() && !busy_; });
        return hash_.hex();
    }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [&] { return ending_ || !queue_.empty(); });
            if (queue_.empty()) return;
            const auto [buffer, n] = queue_.front();
            queue_.pop_front();
            busy_ = true;
            lock.unlock();
            hash_.add(QByteArrayView(buffer->constData(), n));
            lock.lock();
            busy_ = false;
            free_.push_back(buffer);
            changed_.notify_all();
        }
    }

    std::array<QByteArray, 3> buffers_;
    std::vector<QByteArray*> free_;
    std::deque<std::pair<QByteArray*, qint64>> queue_;
    bool busy_ = false;
    bool ending_ = false;
    Sha256 hash_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

// Copies `from` to `to`, hashing what it copies.
bool copyHashing(const QString& from, const QString& to, FileEntry* entry, QString* error,
                 const std::function<bool(qint64)>& advance) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = from + QStringLiteral(": ") + fileerror::of(in);
        return false;
    }
    if (!QDir().mkpath(QFileInfo(to).absolutePath())) {
        *error = QFileInfo(to).absolutePath() + QStringLiteral(": ") +
                 fileerror::text(Cause::AccessDenied);
        return false;
    }
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = to + QStringLiteral(": ") + fileerror::of(out);
        return false;
    }
    HashingThread hash;
    qint64 size = 0;
    for (;;) {
        QByteArray* buffer = hash.block();
        const qint64 n = in.read(buffer->data(), buffer->size());
        if (n < 0) {
            *error = from + QStringLiteral(": ") + fileerror::of(in);
            return false;
        }
        hash.hand(buffer, qMax<qint64>(n, 0));
        if (n == 0) break;
        if (out.write(buffer->constData(), n) != n) {
            *error = to + QStringLiteral(": ") + fileerror::of(out);
            return false;
        }
        size += n;
        if (!advance(n)) return false;
    }
    if (!out.flush()) {
        *error = to + QStringLiteral(": ") + fileerror::of(out);
        return false;
    }
    entry->size = size;
    entry->sha256 = hash.hex();
    return true;
}

// Copies the owned files into `staging`. A record file is copied while its
// writing lock is held (by this copy, or already by the caller), after an
// interrupted save has been settled.
bool takeSnapshot(const QList<OwnedFile>& owned, bool locksHeld, const QString& staging,
                  QList<FileEntry>* files, QString* error, bool* cancelled,
                  const WorkProgress& progress) {
    qint64 total = 0;
    for (const OwnedFile& file : owned) total += QFileInfo(paths::dataFile(file.name)).size();
    qint64 done = 0;
    const auto advance = [&](qint64 bytes) {
        done += bytes;
        if (progress && !progress(done, total)) *cancelled = true;
        return !*cancelled;
    };
    for (const OwnedFile& file : owned) {
        const QString source = paths::dataFile(file.name);
        FileEntry entry;
        entry.name = file.name;
        std::unique_ptr<RecordFile> lock;
        if (file.recordSize > 0 && !locksHeld) {
            lock = std::make_unique<RecordFile>(source, file.recordSize);
            if (!lock->open(RecordFile::Access::Write)) {
                *error = lock->errorString();
                return false;
            }
        }
        if (!copyHashing(source, staging + u'/' + file.name, &entry, error, advance)) return false;
        if (file.recordSize > 0) entry.records = entry.size / file.recordSize;
        files->append(entry);
    }
    return true;
}

// Decompresses every file of the list from the zip (its place there in
// `index`) and compares its size and SHA-256 with the list, on as many
// threads as the processor has cores, each with a reader of its own, the
// largest files first; `progress` hears on the calling thread. Empty when
// every file matches, else why the first one in the list that failed did.
QString checkEntries(const QString& zipPath, const QList<FileEntry>& files,
                     const QHash<QString, qsizetype>& index, const WorkProgress& progress,
                     bool* cancelled) {
    std::vector<qsizetype> order(static_cast<size_t>(files.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return files.at(a).size > files.at(b).size; });
    qint64 total = 0;
    for (const FileEntry& file : files) total += file.size;
    std::vector<QString> reasons(order.size());  // each written by one thread
    QString openError;
    std::atomic<size_t> next{0};
    std::atomic<qint64> done{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    const size_t count = std::min<size_t>(
        static_cast<size_t>(std::clamp(QThread::idealThreadCount(), 1, 8)), order.size());
    size_t running = count;
    const auto work = [&] {
        ziparchive::Reader reader(zipPath);
        if (!reader.open()) {
            std::lock_guard lock(mutex);
            if (openError.isEmpty()) openError = reader.errorString();
            stop = true;
        }
        while (!stop) {
            const size_t k = next++;
            if (k >= order.size()) break;
            const FileEntry& file = files.at(order.at(k));
            Sha256 hash;
            qint64 size = 0;
            bool stopped = false;
            const bool read = reader.read(index.value(file.name), [&](QByteArrayView piece) {
                hash.add(piece);
                size += piece.size();
                done += piece.size();
                stopped = stop;
                return size <= file.size && !stopped;
            });
            if (stopped) break;
            QString& reason = reasons.at(static_cast<size_t>(order.at(k)));
            if (!read && size <= file.size) {
                reason = reader.errorString();
            } else if (size != file.size || hash.hex() != file.sha256) {
                reason = QStringLiteral(
                             "il file %1 non corrisponde all'elenco (dimensione o "
                             "SHA-256 diversi)")
                             .arg(file.name);
            }
            if (!reason.isEmpty()) stop = true;
        }
        std::lock_guard lock(mutex);
        --running;
        finished.notify_all();
    };
    std::vector<std::thread> threads;
    for (size_t i = 0; i < count; ++i) threads.emplace_back(work);
    {
        std::unique_lock lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(50));
            if (progress && !*cancelled) {
                lock.unlock();
                if (!progress(done, total)) {
                    *cancelled = true;
                    stop = true;
                }
                lock.lock();
            }
        }
    }
    for (std::thread& thread : threads) thread.join();
    if (progress && !*cancelled && !progress(done, total)) *cancelled = true;
    if (*cancelled) return {};
    for (const QString& reason : reasons) {
        if (!reason.isEmpty()) return reason;
    }
    return openError;
}

// Reads a zip whole and checks it against its list; with `expected`, the
// list must be that one.
Outcome verifyZip(const QString& zipPath, const QList<const ArchiveDefinition*>& archives,
                  const WorkProgress& progress, const Manifest* expected) {
    // A backup being written is checked against what was copied; any other
    // one must fit the data folder's disk.
    const qint64 room = expected ? -1 : QStorageInfo(paths::dataFolder()).bytesAvailable();
    Outcome out;
    out.path = zipPath;
    const auto failed = [&](const QString& reason) {
        out.error = QStringLiteral("Il backup %1 non è valido: %2")
                        .arg(QDir::toNativeSeparators(zipPath), reason);
        return out;
    };
    ziparchive::Reader reader(zipPath);
    if (!reader.open()) return failed(reader.errorString());
    QHash<QString, qsizetype> index;
    for (qsizetype i = 0; i < reader.entries().size(); ++i) {
        const QString& name = reader.entries().at(i).name;
        if (index.contains(name)) return failed(QStringLiteral("la voce %1 è ripetuta").arg(name));
        index.insert(name, i);
    }
    const QString manifestName = QString::fromLatin1(kManifestName);
    if (!index.contains(manifestName)) {
        return failed(
            QStringLiteral("non è un backup di Selvadoro (manca l'elenco %1)").arg(manifestName));
    }
    QByteArray text;
    if (!reader.readAll(index.value(manifestName), &text, kManifestLimit)) {
        return failed(reader.errorString());
    }
    if (reader.entries().at(index.value(manifestName)).size != text.size()) {
        return failed(QStringLiteral("la voce %1 dichiara %2 byte, ne contiene %3")
                          .arg(manifestName)
                          .arg(reader.entries().at(index.value(manifestName)).size)
                          .arg(text.size()));
    }
    QString error;
    const auto manifest = parseManifest(text, &error);
    if (!manifest) return failed(error);
    if (expected && encodeManifest(*expected) != text) {
        return failed(QStringLiteral("l'elenco scritto non è quello letto"));
    }
    QSet<QString> listed{manifestName};
    qint64 total = 0;
    for (const FileEntry& file : manifest->files) {
        const auto kind = isSafeName(file.name) ? ownedKind(file.name, archives) : std::nullopt;
        if (!kind) {
            return failed(
                QStringLiteral("la voce %1 non è un file della cartella dei dati").arg(file.name));
        }
        if (!index.contains(file.name)) {
            return failed(QStringLiteral("manca il file %1, indicato nell'elenco").arg(file.name));
        }
        const ziparchive::Entry& entry = reader.entries().at(index.value(file.name));
        if (entry.isSpecial) {
            return failed(
                QStringLiteral("la voce %1 è un collegamento o un file speciale, non un file")
                    .arg(file.name));
        }
        if (entry.size != file.size) {
            return failed(QStringLiteral("la voce %1 dichiara %2 byte, l'elenco ne indica %3")
                              .arg(file.name)
                              .arg(entry.size)
                              .arg(file.size));
        }
        if (isSettingsName(file.name) && file.size > kSettingsLimit) {
            return failed(QStringLiteral("la voce %1 è troppo grande (%2) per un file di "
                                         "impostazioni")
                              .arg(file.name, sizeText(file.size)));
        }
        if (*kind > 0 && file.size % *kind != 0) {
            return failed(QStringLiteral("la voce %1 non è fatta di schede intere (%2 byte, "
                                         "ogni scheda ne ha %3)")
                              .arg(file.name)
                              .arg(file.size)
                              .arg(*kind));
        }
        if ((*kind > 0) != (file.records >= 0) ||
            (*kind > 0 && file.records != file.size / *kind)) {
            return failed(QStringLiteral("il numero di schede di %1 non torna").arg(file.name));
        }
        if (room >= 0 && file.size > room) {
            return failed(QStringLiteral("la voce %1 (%2) è più grande dello spazio libero sul "
                                         "disco dei dati (%3)")
                              .arg(file.name, sizeText(file.size), sizeText(room)));
        }
        listed.insert(file.name);
        total += file.size;
    }
    for (const ziparchive::Entry& entry : reader.entries()) {
        if (!listed.contains(entry.name)) {
            return failed(QStringLiteral("la voce %1 non è nell'elenco").arg(entry.name));
        }
        if (entry.isSpecial) {
            return failed(
                QStringLiteral("la voce %1 è un collegamento o un file speciale, non un file")
                    .arg(entry.name));
        }
    }
    const QString reason = checkEntries(zipPath, manifest->files, index, progress, &out.cancelled);
    if (out.cancelled) return failed(QStringLiteral("verifica annullata"));
    if (!reason.isEmpty()) return failed(reason);
    out.ok = true;
    out.manifest = *manifest;
    return out;
}

// The backups of a folder, oldest first.
QStringList backupNames(const QString& folder) {
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        if (isBackupName(name)) names.append(name);
    }
    return names;
}

// Keeps the newest `keep` backups; `spared` is never removed.
void rotate(const QString& folder, int keep, const QString& spared) {
    QStringList names = backupNames(folder);
    for (qsizetype i = 0; i + keep < names.size(); ++i) {
        const QString path = QDir(folder).filePath(names.at(i));
        if (QFileInfo(path) == QFileInfo(spared)) continue;
        QFile::remove(path);
    }
}

bool isInside(const QString& folder, const QString& parent) {
    const QString a = QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) + u'/';
    const QString b = QDir::cleanPath(QFileInfo(parent).absoluteFilePath()) + u'/';
    return a.startsWith(b);
}

// The nearest folder of `path` that exists (itself when it does).
QString nearestExisting(const QString& path) {
    QString at = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo(at).isDir()) {
        const QString up = QFileInfo(at).absolutePath();
        if (up == at) break;
        at = up;
    }
    return at;
}

// Why the last folder of `folder` cannot be made where it should be, or empty.
QString missingParent(const QString& folder) {
    const QString parent =
        QFileInfo(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())).absolutePath();
    if (QFileInfo(folder).isDir() || QFileInfo(parent).isDir()) return {};
    return QStringLiteral(
               "la cartella %1 non esiste: la chiavetta o il disco di rete è "
               "collegato?")
        .arg(QDir::toNativeSeparators(parent));
}

Outcome createWith(const QList<const ArchiveDefinition*>& archives, const QString& folder, int keep,
                   const WorkProgress& progress, bool locksHeld, const QString& spared,
                   const QDateTime& beforeRestoreOf = {}) {
    Outcome out;
    const auto failed = [&](const QString& reason) {
        out.error = QStringLiteral("Backup non riuscito: ") + reason;
        return out;
    };
    for (const QString& owned : ownedFolders(archives)) {
        if (isInside(folder, paths::dataFile(owned))) {
            return failed(QStringLiteral("la cartella dei backup %1 sta dentro la cartella %2, "
                                         "che il backup copia. Sceglierne un'altra.")
                              .arg(QDir::toNativeSeparators(folder), owned));
        }
    }
    if (const QString missing = missingParent(folder); !missing.isEmpty()) return failed(missing);
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        return failed(QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
                      fileerror::text(Cause::AccessDenied));
    }
    if (!locksHeld) {
        // A restore cut short is finished before its state is copied.
        if (const QString settled = staging::settleInterrupted(); !settled.isEmpty()) {
            return failed(settled);
        }
    }
    staging::removeStale(folder);
    const staging::Folder staging(QStringLiteral("backup"));
    if (!staging.isValid()) return failed(staging.errorString());
    out.note = sameDiskNote(folder);
    Manifest manifest;
    manifest.beforeRestoreOf = beforeRestoreOf;
    manifest.version = programinfo::version();
    manifest.date = seams::clock().now();
    manifest.date.setTime(QTime(manifest.date.time().hour(), manifest.date.time().minute(),
                                manifest.date.time().second()));
    QString error;
    if (!takeSnapshot(ownedFiles(archives), locksHeld, staging.path(), &manifest.files, &error,
                      &out.cancelled, part(progress, 0, 3))) {
        return failed(out.cancelled ? QStringLiteral("annullato") : error);
    }
    // Written under a name of its own, then verified, then named.
    // Named after its staging folder, which tells whether its process lives.
    const QString temporary =
        QDir(folder).filePath(QStringLiteral(".Selvadoro-%1.zip.tmp").arg(staging.id()));
    {
        ziparchive::Writer writer(temporary);
        bool ok = writer.isOpen();
        for (const FileEntry& file : manifest.files) {
            if (ok) ok = writer.addFile(file.name, staging.path() + u'/' + file.name);
        }
        if (ok) ok = writer.addBytes(QString::fromLatin1(kManifestName), encodeManifest(manifest));
        if (ok) ok = writer.close(part(progress, 1, 3));
        if (!ok) {
            out.cancelled = writer.cancelled();
            QFile::remove(temporary);
            return failed(out.cancelled ? QStringLiteral("annullato") : writer.errorString());
        }
    }
    const Outcome checked = verifyZip(temporary, archives, part(progress, 2, 3), &manifest);
    if (!checked.ok) {
        QFile::remove(temporary);
        out.cancelled = checked.cancelled;
        return failed(out.cancelled ? QStringLiteral("annullato") : checked.error);
    }
    // Two stations may finish in the same second: they name their backups
    // in turn.
    LockFile guard(QDir(folder).filePath(QStringLiteral("Selvadoro-backup.lock")));
    if (guard.acquire(QDeadlineTimer(15000)) != LockFile::Result::Locked) {
        QFile::remove(temporary);
        return failed(guard.errorString().isEmpty() ? fileerror::text(Cause::Locked)
                                                    : guard.errorString());
    }
    QDateTime stamp = manifest.date;
    QString final = QDir(folder).filePath(fileNameAt(stamp));
    while (QFileInfo::exists(final)) {
        stamp = stamp.addSecs(1);
        final = QDir(folder).filePath(fileNameAt(stamp));
    }
    if (!filelock::moveFile(temporary, final)) {
        QFile::remove(temporary);
        return failed(QDir::toNativeSeparators(final) + QStringLiteral(": ") +
                      fileerror::text(Cause::NotReplaced));
    }
    filelock::syncFolder(folder);
    rotate(folder, keep, spared);
    guard.release();
    out.ok = true;
    out.path = final;
    out.manifest = manifest;
    return out;
}

}  // namespace

QByteArray encodeManifest(const Manifest& manifest) {
    QByteArray text = kTitle.toUtf8() + '\n';
    text += "versione: " + manifest.version.toUtf8() + '\n';
    text +=
        "data: " + manifest.date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8() + '\n';
    text += "file: " + QByteArray::number(manifest.files.size()) + '\n';
    text += "# SHA-256, byte, schede, file\n";
    if (manifest.beforeRestoreOf.isValid()) {
        text += kBeforeRestore +
                manifest.beforeRestoreOf.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8() +
                '\n';
    }
    for (const FileEntry& file : manifest.files) {
        text += file.sha256 + "  " + QByteArray::number(file.size) + "  " +
                (file.records >= 0 ? QByteArray::number(file.records) : QByteArray("-")) + "  " +
                file.name.toUtf8() + '\n';
    }
    return text;
}

std::optional<Manifest> parseManifest(const QByteArray& text, QString* error) {
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    const auto bad = [&](const QString& why) {
        *error = QStringLiteral("l'elenco dei file è danneggiato (%1)").arg(why);
        return std::nullopt;
    };
    if (lines.size() < 5 || lines.at(0) != kTitle) {
        return bad(QStringLiteral("intestazione"));
    }
    Manifest manifest;
    if (!lines.at(1).startsWith(QStringLiteral("versione: ")))
        return bad(QStringLiteral("versione"));
    manifest.version = lines.at(1).mid(10);
    if (!lines.at(2).startsWith(QStringLiteral("data: "))) return bad(QStringLiteral("data"));
    manifest.date =
        QDateTime::fromString(lines.at(2).mid(6), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!manifest.date.isValid()) return bad(QStringLiteral("data"));
    bool ok = false;
    const qsizetype count =
        lines.at(3).startsWith(QStringLiteral("file: ")) ? lines.at(3).mid(6).toLongLong(&ok) : 0;
    if (!ok) return bad(QStringLiteral("numero dei file"));
    static const QRegularExpression line(
        QStringLiteral("^([0-9a-f]{64})  ([0-9]+)  ([0-9]+|-)  (.+)$"));
    for (qsizetype i = 4; i < lines.size(); ++i) {
        const QString& row = lines.at(i);
        if (row.startsWith(QLatin1String(kBeforeRestore))) {
            manifest.beforeRestoreOf = QDateTime::fromString(
                row.mid(int(std::strlen(kBeforeRestore))), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        }
        if (row.isEmpty() || row.startsWith(u'#')) continue;
        const auto match = line.match(row);
        if (!match.hasMatch()) return bad(QStringLiteral("riga %1").arg(i + 1));
        FileEntry file;
        file.sha256 = match.captured(1).toLatin1();
        file.size = match.captured(2).toLongLong();
        file.records = match.captured(3) == u"-" ? -1 : match.captured(3).toLongLong();
        file.name = match.captured(4);
        manifest.files.append(file);
    }
    if (manifest.files.size() != count) return bad(QStringLiteral("file mancanti nell'elenco"));
    return manifest;
}

QList<OwnedFile> ownedFiles(const QList<const ArchiveDefinition*>& archives) {
    QList<OwnedFile> files;
    const QDir data(paths::dataFolder());
    for (const ArchiveDefinition* archive : archives) {
        const qsizetype size = archive->layout->recordSize();
        if (archive->yearFile) {
            const QRegularExpression pattern = yearPattern(*archive);
            const QString folder =
                QFileInfo(archive->yearFile(QStringLiteral("0000"))).absolutePath();
            for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
                const QString owned = relative(QDir(folder).filePath(name));
                if (pattern.match(owned).hasMatch()) files.append({owned, size});
            }
        } else if (QFileInfo(archive->recordFile()).isFile()) {
            files.append({relative(archive->recordFile()), size});
        }
    }
    for (const QString& name : plainOwnedNames()) {
        if (QFileInfo(data.filePath(name)).isFile()) files.append({name, 0});
    }
    for (const QString& folder : ownedFolders(archives)) {
        QStringList names;
        QDirIterator it(data.filePath(folder), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) names.append(relative(it.next()));
        names.sort();
        for (const QString& name : names) files.append({name, 0});
    }
    return files;
}

std::optional<qsizetype> ownedKind(const QString& name,
                                   const QList<const ArchiveDefinition*>& archives) {
    if (!isSafeName(name)) return std::nullopt;
    for (const ArchiveDefinition* archive : archives) {
        const bool matches = archive->yearFile ? yearPattern(*archive).match(name).hasMatch()
                                               : name == relative(archive->recordFile());
        if (matches) return archive->layout->recordSize();
    }
    if (plainOwnedNames().contains(name)) return 0;
    for (const QString& folder : ownedFolders(archives)) {
        if (name.startsWith(folder + u'/')) return 0;
    }
    return std::nullopt;
}

bool isSettingsName(const QString& name) {
    return plainOwnedNames().contains(name);
}

QString label(const Manifest& manifest) {
    if (!manifest.beforeRestoreOf.isValid()) return {};
    return QStringLiteral("prima del ripristino del ") +
           manifest.beforeRestoreOf.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

QString checkFolder(const QString& folder) {
    if (const QString missing = missingParent(folder); !missing.isEmpty()) {
        return QStringLiteral("La cartella dei backup non si può usare: ") + missing;
    }
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        return QStringLiteral(
                   "La cartella dei backup non si può usare: %1 è un file, non una "
                   "cartella.")
            .arg(QDir::toNativeSeparators(folder));
    }
    // Written where the first backup will write: the folder, or the folder
    // that will hold it.
    const QString where = info.isDir() ? folder : info.absolutePath();
    QFile probe(QDir(where).filePath(
        QStringLiteral(".Selvadoro-prova-%1").arg(QCoreApplication::applicationPid())));
    const bool written = probe.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         probe.write("prova\n", 6) == 6 && probe.flush();
    const QString why = fileerror::of(probe);
    probe.close();
    const bool removed = probe.remove() || !probe.exists();
    if (!written || !removed) {
        return QStringLiteral("La cartella dei backup %1 non si può usare: %2.")
            .arg(QDir::toNativeSeparators(folder),
                 written ? fileerror::text(Cause::NotRemoved) : why);
    }
    return {};
}

QString sameDiskNote(const QString& folder) {
    const QStorageInfo target(nearestExisting(folder));
    const QStorageInfo data(paths::dataFolder());
    if (!target.isValid() || !data.isValid() || target.rootPath() != data.rootPath() ||
        target.device() != data.device()) {
        return {};
    }
    return QStringLiteral(
               "La cartella dei backup %1 è sullo stesso disco dei dati: non protegge "
               "da un guasto del disco.")
        .arg(QDir::toNativeSeparators(folder));
}

void stopNextRestoreAfter(int steps) {
    stopAfter = steps;
}

QString sizeText(qint64 bytes) {
    return QLocale(QLocale::Italian)
        .formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString fileNameAt(const QDateTime& time) {
    return time.toString(QStringLiteral("'Selvadoro-'yyyy-MM-dd-HHmmss'.zip'"));
}

bool isBackupName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^Selvadoro-[0-9]{4}-[0-9]{2}-[0-9]{2}-[0-9]{6}\\.zip$"));
    return pattern.match(fileName).hasMatch();
}

Outcome create(const QList<const ArchiveDefinition*>& archives, const QString& folder, int keep,
               const WorkProgress& progress) {
    return createWith(archives, folder, keep, progress, false, {});
}

Outcome verify(const QString& zipPath, const QList<const ArchiveDefinition*>& archives,
               const WorkProgress& progress) {
    return verifyZip(zipPath, archives, progress, nullptr);
}

QList<Listed> list(const QString& folder) {
    QList<Listed> backups;
    QStringList names = backupNames(folder);
    std::reverse(names.begin(), names.end());
    for (const QString& name : names) {
        Listed item;
        item.path = QDir(folder).filePath(name);
        item.size = QFileInfo(item.path).size();
        item.date = QDateTime::fromString(name.mid(10, 17), QStringLiteral("yyyy-MM-dd-HHmmss"));
        ziparchive::Reader reader(item.path);
        QByteArray text;
        qsizetype at = -1;
        if (reader.open()) {
            for (qsizetype i = 0; i < reader.entries().size(); ++i) {
                if (reader.entries().at(i).name == QLatin1String(kManifestName)) at = i;
            }
            if (at < 0) {
                item.error = QStringLiteral("manca l'elenco dei file");
            } else if (!reader.readAll(at, &text, kManifestLimit)) {
                item.error = reader.errorString();
            } else if (const auto manifest = parseManifest(text, &item.error)) {
                item.manifest = *manifest;
            }
        } else {
            item.error = reader.errorString();
        }
        backups.append(item);
    }
    return backups;
}

QList<Change> changes(const Manifest& manifest, const QList<const ArchiveDefinition*>& archives) {
    QList<Change> rows;
    QHash<QString, qsizetype> now;
    for (const OwnedFile& file : ownedFiles(archives)) {
        if (file.recordSize > 0) {
            now.insert(file.name, QFileInfo(paths::dataFile(file.name)).size() / file.recordSize);
        }
    }
    for (const FileEntry& file : manifest.files) {
        if (file.records < 0) continue;
        rows.append({file.name, now.value(file.name, -1), file.records});
        now.remove(file.name);
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it) rows.append({it.key(), it.value(), -1});
    std::sort(rows.begin(), rows.end(),
              [](const Change& a, const Change& b) { return a.name < b.name; });
    // The settings after the archives, each saying whether it differs.
    for (const QString& name : plainOwnedNames()) {
        if (name == relative(accesspassword::passwordFilePath())) continue;
        Change row;
        row.name = name;
        row.isSettings = true;
        QFile file(paths::dataFile(name));
        row.existsNow = file.open(QIODevice::ReadOnly);
        Sha256 hash;
        QByteArray piece;
        while (row.existsNow && !(piece = file.read(kBlock)).isEmpty()) hash.add(piece);
        for (const FileEntry& entry : manifest.files) {
            if (entry.name != name) continue;
            row.inBackup = true;
            row.differs = !row.existsNow || entry.sha256 != hash.hex();
        }
        if (!row.inBackup) row.differs = false;
        if (row.existsNow || row.inBackup) rows.append(row);
    }
    return rows;
}

Outcome restore(const QString& zipPath, const QList<const ArchiveDefinition*>& archives,
                const QString& backupFolder, int keep, const WorkProgress& progress) {
    const int stopAt = std::exchange(stopAfter, -1);
    Outcome out;
    out.path = zipPath;
    const auto failed = [&](const QString& reason) {
        out.ok = false;
        out.error =
            QStringLiteral("Ripristino non eseguito, i file sono rimasti come erano: ") + reason;
        return out;
    };
    if (const QString settled = staging::settleInterrupted(); !settled.isEmpty()) {
        return failed(settled);
    }
    // What dead processes left goes with the backup of the present state,
    // taken below.
    // The chosen backup, read whole before anything is touched.
    const Outcome checked = verifyZip(zipPath, archives, part(progress, 0, 6), nullptr);
    if (!checked.ok) {
        out.cancelled = checked.cancelled;
        return failed(out.cancelled ? QStringLiteral("annullato") : checked.error);
    }
    const Manifest& manifest = checked.manifest;
    out.manifest = manifest;

    // Every record file involved, held alone from here to the end.
    QStringList recordNames;
    for (const FileEntry& file : manifest.files) {
        if (file.records >= 0) recordNames.append(file.name);
    }
    for (const OwnedFile& file : ownedFiles(archives)) {
        if (file.recordSize > 0 && !recordNames.contains(file.name)) recordNames.append(file.name);
    }
    for (const QString& name : recordNames) {
        const QString path = paths::dataFile(name);
        if (!LockFile::waitUntilFree(path + QStringLiteral(".lock"), QDeadlineTimer(0))) {
            out.error = QStringLiteral(
                            "Ripristino impossibile: l'archivio %1 è in uso su %2.\n"
                            "Chiudere Selvadoro sulle altre postazioni e riprovare.")
                            .arg(name, lockHolder(path));
            return out;
        }
    }
    std::vector<std::unique_ptr<RecordFile>> held;
    std::vector<std::unique_ptr<LockFile>> heldNew;
    for (const QString& name : recordNames) {
        const QString path = paths::dataFile(name);
        if (QFileInfo(path).isFile()) {
            const auto kind = ownedKind(name, archives);
            auto file = std::make_unique<RecordFile>(path, kind.value_or(1));
            if (!file->open(RecordFile::Access::Write)) {
                out.error = QStringLiteral(
                                "Ripristino impossibile: l'archivio %1 non si può "
                                "bloccare (%2).")
                                .arg(name, file->errorString());
                return out;
            }
            held.push_back(std::move(file));
        } else {
            auto lock = std::make_unique<LockFile>(path + QStringLiteral(".lock"));
            const LockFile::Result locked = lock->acquire(QDeadlineTimer(15000));
            if (locked == LockFile::Result::TimedOut) {
                out.error =
                    QStringLiteral("Ripristino impossibile: l'archivio %1 è in uso.").arg(name);
                return out;
            }
            if (locked != LockFile::Result::Locked) {
                out.error = QStringLiteral(
                                "Ripristino impossibile: l'archivio %1 non si può "
                                "bloccare (%2).")
                                .arg(name, lock->errorString());
                return out;
            }
            heldNew.push_back(std::move(lock));
        }
    }

    // The present state first, so that the restore can itself be undone.
    const Outcome before = createWith(archives, backupFolder, keep, part(progress, 1, 6), true,
                                      zipPath, manifest.date);
    if (!before.ok) {
        out.cancelled = before.cancelled;
        return failed(out.cancelled ? QStringLiteral("annullato")
                                    : QStringLiteral("il backup dello stato attuale non è "
                                                     "riuscito.\n") +
                                          before.error);
    }

    // Room for every file of the backup beside the files it replaces.
    qint64 total = 0;
    for (const FileEntry& file : manifest.files) total += file.size;
    const qint64 room = QStorageInfo(paths::dataFolder()).bytesAvailable();
    if (room >= 0 && total > room) {
        return failed(QStringLiteral("%1: il ripristino richiede %2, sul disco dei dati ne "
                                     "restano %3.")
                          .arg(fileerror::text(Cause::DiskFull), sizeText(total), sizeText(room)));
    }

    // Every file of the backup written beside its place, checked again.
    staging::Folder work(QStringLiteral("ripristino"));
    if (!work.isValid()) return failed(work.errorString());
    ziparchive::Reader reader(zipPath);
    if (!reader.open()) return failed(reader.errorString());
    QHash<QString, qsizetype> index;
    for (qsizetype i = 0; i < reader.entries().size(); ++i)
        index.insert(reader.entries().at(i).name, i);
    const WorkProgress extracting = part(progress, 2, 6);
    qint64 done = 0;
    QDir().mkpath(work.path() + QStringLiteral("/nuovi"));
    for (qsizetype i = 0; i < manifest.files.size(); ++i) {
        const FileEntry& file = manifest.files.at(i);
        QFile target(work.path() + QStringLiteral("/nuovi/") + QString::number(i));
        if (!target.open(QIODevice::WriteOnly)) {
            return failed(target.fileName() + QStringLiteral(": ") + fileerror::of(target));
        }
        Sha256 hash;
        bool written = true;
        qint64 size = 0;
        const bool read = reader.read(index.value(file.name), [&](QByteArrayView piece) {
            hash.add(piece);
            done += piece.size();
            size += piece.size();
            if (size > file.size || target.write(piece.data(), piece.size()) != piece.size()) {
                written = size <= file.size;
                return false;
            }
            if (extracting && !extracting(done, total)) {
                out.cancelled = true;
                return false;
            }
            return true;
        });
        if (out.cancelled) return failed(QStringLiteral("annullato"));
        if (!written || !filelock::syncFile(target)) {
            return failed(target.fileName() + QStringLiteral(": ") + fileerror::of(target));
        }
        if (!read && size <= file.size) return failed(reader.errorString());
        if (size != file.size || hash.hex() != file.sha256) {
            return failed(QStringLiteral("il file %1 non corrisponde all'elenco").arg(file.name));
        }
        target.close();
    }

    // The journal on the disk, then each file replaced whole: a failure
    // puts everything back, a kill leaves it to the next start.
    staging::Journal journal;
    journal.zipPath = zipPath;
    for (const FileEntry& file : manifest.files) {
        journal.files.append({file.name, file.records >= 0});
        QStringList missing;
        for (QString f = QFileInfo(file.name).path(); f != u"." && !f.isEmpty();
             f = QFileInfo(f).path()) {
            if (QFileInfo(paths::dataFile(f)).isDir()) break;
            missing.prepend(f);
        }
        for (const QString& f : missing) {
            if (!journal.folders.contains(f)) journal.folders.append(f);
        }
    }
    const WorkProgress replacing = part(progress, 3, 6);
    const qint64 steps = 2 * manifest.files.size() + journal.folders.size() + 2;
    int step = 0;
    const auto next = [&] {
        ++step;
        if (replacing) replacing(step, steps);
        return step != stopAt;
    };
    // The folders that hold backups, remembered again if the settings of
    // the backup forget them.
    const QStringList backupFolders = listedFolders(readSettings());
    QString error;
    if (!staging::writeJournal(work.path(), journal, &error)) return failed(error);
    if (!next()) {
        work.keep();
        out.error = QStringLiteral("interrotto");
        return out;
    }
    const staging::Result result = staging::finish(work.path(), journal, next, &error);
    if (result == staging::Result::Stopped) {
        work.keep();
        out.error = QStringLiteral("interrotto");
        return out;
    }
    if (result == staging::Result::Failed) {
        if (!staging::takeBack(work.path(), journal)) {
            work.keep();  // the next start settles it
            out.error = QStringLiteral("Ripristino non riuscito: ") + error +
                        QStringLiteral("\nAl prossimo avvio Selvadoro lo completa o lo annulla.");
            return out;
        }
        return failed(error);
    }
    staging::endJournal(work.path());
    if (!next()) {
        work.keep();
        out.error = QStringLiteral("interrotto");
        return out;
    }
    held.clear();
    heldNew.clear();
    for (auto it = backupFolders.crbegin(); it != backupFolders.crend(); ++it) {
        QString ignored;
        rememberFolder(*it, &ignored);
    }
    if (progress) progress(6000, 6000);
    out.ok = true;
    out.path = before.path;  // the backup of the state before
    return out;
}

}  // namespace backup
