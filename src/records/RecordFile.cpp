#include "records/RecordFile.h"

#include <QDeadlineTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "base/FileErrors.h"
#include "base/FileLock.h"
#include "base/Paths.h"
#include "records/RecordJournal.h"
#include "records/RecordLayout.h"

namespace {
// Long enough for another station's scan of a large archive, short enough
// for the user not to wait on a station that hangs.
std::chrono::milliseconds waitLimit{15000};
bool osLocks = true;
std::atomic<quint64> writes{0};

using fileerror::Cause;
}  // namespace

void RecordFile::setWaitLimit(std::chrono::milliseconds limit) {
    waitLimit = limit;
}

void RecordFile::setOsLocks(bool use) {
    osLocks = use;
}

quint64 RecordFile::writesInThisRun() {
    return writes.load();
}

QString archivePath(const RecordLayout& layout) {
    return paths::dataFile(QString::fromLatin1(layout.fileName));
}

RecordFile::RecordFile(QString path, qsizetype recordSize)
    : file_(path), lockFile_(path + QStringLiteral(".lock")), recordSize_(recordSize) {}

RecordFile::~RecordFile() {
    close();
}

bool RecordFile::open(Access access) {
    close();
    error_.clear();
    const QDeadlineTimer deadline(waitLimit);
    if (access == Access::Write) {
        switch (lockFile_.acquire(deadline)) {
            case LockFile::Result::Locked:
                break;
            case LockFile::Result::TimedOut:
                return fail(fileerror::text(Cause::Locked));
            case LockFile::Result::Failed:
                return fail(lockFile_.errorString());
        }
    } else {
        if (!LockFile::waitUntilFree(lockFile_.path(), deadline))
            return fail(fileerror::text(Cause::Locked));
        if (!recoverBeforeReading()) return false;
    }
    if (!file_.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return failOpen(fileerror::of(file_));
    }
    const auto mode = access == Access::Write ? filelock::Mode::Exclusive : filelock::Mode::Shared;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline.remainingTimeAsDuration());
    switch (osLocks ? filelock::acquire(file_, mode, left) : filelock::Result::Unsupported) {
        case filelock::Result::Locked:
            locked_ = true;
            break;
        case filelock::Result::Unsupported:
            break;
        case filelock::Result::TimedOut:
            return failOpen(fileerror::text(Cause::Locked));
        case filelock::Result::Failed:
            return failOpen(fileerror::text(Cause::LockRefused));
    }
    if (access == Access::Write) {
        // The record count is read from here on, after both locks are held.
        QString error;
        const auto outcome = journal::recover(file_, journal::pathOf(file_.fileName()), &error);
        if (outcome == journal::Outcome::Failed) {
            return failOpen(fileerror::text(Cause::SaveNotUndone) + QStringLiteral(": ") + error);
        }
    }
    position_ = 0;
    return true;
}

// A journal left by an interrupted save is settled by a writing action
// first, once, so that nobody reads the half-written record.
bool RecordFile::recoverBeforeReading() {
    if (!QFile::exists(journal::pathOf(file_.fileName()))) return true;
    RecordFile writer(file_.fileName(), recordSize_);
    if (writer.open(Access::Write)) return true;
    error_ = writer.errorString();
    return false;
}

qsizetype RecordFile::count() const {
    return file_.isOpen() ? static_cast<qsizetype>(file_.size() / recordSize_) : 0;
}

bool RecordFile::readAt(qsizetype index, QByteArray* record) {
    if (!file_.isOpen()) return fail(fileerror::text(Cause::NotOpen));
    if (index < 0 || index >= count()) return fail(fileerror::text(Cause::NoRecord));
    if (!file_.seek(index * recordSize_)) return fail(fileerror::of(file_));
    QByteArray buffer = file_.read(recordSize_);
    if (buffer.size() != recordSize_) return fail(fileerror::text(Cause::IncompleteRecord));
    *record = std::move(buffer);
    position_ = index + 1;
    return true;
}

bool RecordFile::writeAt(qsizetype index, const QByteArray& record) {
    if (!file_.isOpen() || !lockFile_.isLocked()) {
        return fail(fileerror::text(Cause::NotOpenForWriting));
    }
    if (record.size() != recordSize_) return fail(fileerror::text(Cause::WrongRecordSize));
    if (index < 0 || index > count()) return fail(fileerror::text(Cause::NoRecord));

    // What the record replaces: a whole record, or for an append the bytes
    // of an incomplete last record, if any.
    journal::Entry entry;
    entry.recordSize = recordSize_;
    entry.number = index + 1;
    entry.offset = index * recordSize_;
    entry.oldLength = file_.size();
    entry.newChecksum = journal::crc32(record);
    const qint64 replaced = qMin<qint64>(recordSize_, entry.oldLength - entry.offset);
    if (replaced > 0) {
        if (!file_.seek(entry.offset)) return fail(fileerror::of(file_));
        entry.image = file_.read(replaced);
        if (entry.image.size() != replaced) return fail(fileerror::text(Cause::Unreadable));
    }
    const QString journalPath = journal::pathOf(file_.fileName());
    QString error;
    if (!journal::write(journalPath, entry, &error)) return fail(error);

    if (!file_.seek(entry.offset) || file_.write(record) != recordSize_ ||
        !filelock::syncFile(file_)) {
        error = fileerror::of(file_);
        // Take the record back now; if even that fails, the journal stays
        // for the next action that opens the file.
        QString undoError;
        if (journal::undo(file_, entry, &undoError)) QFile::remove(journalPath);
        return fail(error);
    }
    // The record is on the disk: should the journal survive (a failed
    // removal, a power cut before the folder reached the disk), the next
    // opener finds the new record whole and keeps it.
    QFile::remove(journalPath);
    position_ = index + 1;
    ++writes;
    return true;
}

qsizetype RecordFile::append(const QByteArray& record) {
    return writeAt(count(), record) ? position_ : 0;
}

qsizetype RecordFile::beginAppend() {
    if (!file_.isOpen() || !lockFile_.isLocked() || appending_) {
        fail(fileerror::text(Cause::NotOpenForWriting));
        return 0;
    }
    auto entry = std::make_unique<journal::Entry>();
    entry->openEnded = true;
    entry->recordSize = 0;
    entry->number = count() + 1;
    entry->offset = count() * recordSize_;
    entry->oldLength = file_.size();
    const qint64 replaced = entry->oldLength - entry->offset;
    if (replaced > 0) {
        if (!file_.seek(entry->offset)) {
            fail(fileerror::of(file_));
            return 0;
        }
        entry->image = file_.read(replaced);
        if (entry->image.size() != replaced) {
            fail(fileerror::text(Cause::Unreadable));
            return 0;
        }
    }
    QString error;
    if (!journal::write(journal::pathOf(file_.fileName()), *entry, &error)) {
        fail(error);
        return 0;
    }
    if (!file_.seek(entry->offset)) {
        const QString reason = fileerror::of(file_);
        appending_ = std::move(entry);
        cancelAppend();
        fail(reason);
        return 0;
    }
    position_ = entry->number - 1;
    appending_ = std::move(entry);
    return position_ + 1;
}

bool RecordFile::appendRecords(QByteArrayView records) {
    if (!appending_) return fail(fileerror::text(Cause::NotOpenForWriting));
    if (records.size() % recordSize_ != 0) {
        cancelAppend();
        return fail(fileerror::text(Cause::WrongRecordSize));
    }
    if (file_.write(records.data(), records.size()) != records.size()) {
        const QString reason = fileerror::of(file_);
        cancelAppend();
        return fail(reason);
    }
    // On its way to the disk while the next block is made.
    filelock::startWriting(file_, position_ * recordSize_, records.size());
    position_ += records.size() / recordSize_;
    return true;
}

bool RecordFile::commitAppend() {
    if (!appending_) return fail(fileerror::text(Cause::NotOpenForWriting));
    if (!filelock::syncFile(file_)) {
        const QString reason = fileerror::of(file_);
        cancelAppend();
        return fail(reason);
    }
    // The records are on the disk: the append ends with its journal.
    QFile::remove(journal::pathOf(file_.fileName()));
    appending_.reset();
    ++writes;
    return true;
}

void RecordFile::cancelAppend() {
    if (!appending_) return;
    const std::unique_ptr<journal::Entry> entry = std::move(appending_);
    // If even this fails, the journal stays for the next opener.
    QString undoError;
    if (journal::undo(file_, *entry, &undoError)) {
        QFile::remove(journal::pathOf(file_.fileName()));
    }
    position_ = entry->number - 1;
}

void RecordFile::close() {
    cancelAppend();
    if (file_.isOpen()) {
        if (locked_) filelock::release(file_);
        locked_ = false;
        file_.close();
    }
    // Last, so that the file is closed (and on a network share written
    // back) before another station may open it.
    lockFile_.release();
}

bool RecordFile::fail(const QString& reason) {
    error_ = file_.fileName() + QStringLiteral(": ") + reason;
    return false;
}

bool RecordFile::failOpen(const QString& message) {
    fail(message);
    close();
    return false;
}

namespace {

// The blocks of a scan, read ahead by a thread of their own: while the
// records of one block are visited, the next is read into the other buffer,
// so a scan costs little more than the read alone.
class BlockReader {
public:
    // `readBlock(buffer, bytes)` reads the next block whole, false if not.
    BlockReader(qsizetype blockBytes, std::function<bool(char*, qint64)> readBlock)
        : readBlock_(std::move(readBlock)) {
        for (Buffer& b : buffers_) b.bytes = QByteArray(blockBytes, Qt::Uninitialized);
    }
    ~BlockReader() { stop(); }

    // Starts reading the blocks of these sizes, in order.
    void start(QList<qint64> sizes) {
        sizes_ = std::move(sizes);
        thread_ = std::thread([this] { readAll(); });
    }

    // The next block, once read; null when it could not be read whole. Its
    // bytes stay valid until the next call.
    const char* next() {
        if (current_ >= 0) set(buffers_[current_], State::Free);
        current_ = (current_ + 1) % kBuffers;
        Buffer& b = buffers_[current_];
        // The block is usually on its way: wait for it a moment without
        // sleeping, which would cost more than reading it.
        for (int spin = 0; spin < kSpins && b.state.load() == State::Free; ++spin) {
        }
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return b.state.load() != State::Free; });
        return b.state.load() == State::Read ? b.bytes.constData() : nullptr;
    }

    // Stops reading ahead (the visitor has seen enough) and waits for the
    // thread.
    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

private:
    enum class State { Free, Read, Failed };
    struct Buffer {
        QByteArray bytes;
        std::atomic<State> state{State::Free};
    };
    // The block visited and the one read meanwhile; a moment of checking
    // before a wait, short, since a thread that spins takes the processor
    // from the one reading on a busy machine.
    static constexpr int kBuffers = 2;
    static constexpr int kSpins = 2000;

    void set(Buffer& b, State state) {
        {
            std::lock_guard lock(mutex_);
            b.state.store(state);
        }
        changed_.notify_all();
    }

    void readAll() {
        for (qsizetype i = 0; i < sizes_.size(); ++i) {
            Buffer& b = buffers_[i % kBuffers];
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return stopping_ || b.state.load() == State::Free; });
                if (stopping_) return;
            }
            const bool read = readBlock_(b.bytes.data(), sizes_.at(i));
            set(b, read ? State::Read : State::Failed);
            if (!read) return;
        }
    }

    std::function<bool(char*, qint64)> readBlock_;
    QList<qint64> sizes_;
    Buffer buffers_[kBuffers];
    int current_ = -1;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

}  // namespace

bool RecordFile::scan(const QString& path, qsizetype recordSize, const Visitor& visit,
                      QString* error, const ScanProgress& progress) {
    RecordFile file(path, recordSize);
    bool ok = file.open(Access::Read);
    const qsizetype count = ok ? file.count() : 0;
    const qsizetype perBlock = qMax<qsizetype>(1, (qsizetype(1) << 20) / recordSize);
    QList<qint64> sizes;
    for (qsizetype first = 0; first < count; first += perBlock) {
        sizes.append(qMin(perBlock, count - first) * recordSize);
    }
    {
        // Only the reading thread reads the file while it runs.
        BlockReader reader(qMin(perBlock, qMax<qsizetype>(count, 1)) * recordSize,
                           [&file](char* data, qint64 wanted) {
                               qint64 got = 0;
                               while (got < wanted) {
                                   const qint64 n = file.file_.read(data + got, wanted - got);
                                   if (n <= 0) break;
                                   got += n;
                               }
                               return got == wanted;
                           });
        reader.start(sizes);
        qsizetype first = 0;
        for (const qint64 size : sizes) {
            const char* block = reader.next();
            if (!block) {
                reader.stop();
                ok = file.fail(fileerror::text(Cause::Shrunk));
                break;
            }
            const qsizetype records = size / recordSize;
            bool more = true;
            for (qsizetype i = 0; more && i < records; ++i) {
                more = visit(first + i + 1, QByteArrayView(block + i * recordSize, recordSize));
            }
            first += records;
            if (!more) break;  // the visitor has seen enough
            if (progress && !progress(first, count)) break;
        }
    }
    if (!ok && error) *error = file.errorString();
    file.close();
    return ok;
}
