#include "archive/RecordFile.h"

#include "archive/RecordLayout.h"
#include "base/FileLock.h"
#include "base/Paths.h"

namespace {
// Long enough for another station's scan of a large archive, short enough
// for the user not to wait on a station that hangs.
constexpr std::chrono::milliseconds kLockTimeout{15000};
}  // namespace

QString archivePath(const RecordLayout& layout) {
    return paths::dataFile(QString::fromLatin1(layout.fileName));
}

RecordFile::RecordFile(QString path, qsizetype recordSize)
    : file_(std::move(path)), recordSize_(recordSize) {}

RecordFile::~RecordFile() {
    close();
}

bool RecordFile::open(Access access) {
    close();
    error_.clear();
    if (!file_.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return fail(file_.errorString());
    }
    const auto mode = access == Access::Write ? filelock::Mode::Exclusive : filelock::Mode::Shared;
    switch (filelock::acquire(file_, mode, kLockTimeout)) {
        case filelock::Result::Locked:
            locked_ = true;
            break;
        case filelock::Result::Unsupported:
            break;
        case filelock::Result::TimedOut:
            return fail(QStringLiteral("the file is locked by another program"));
        case filelock::Result::Failed:
            return fail(QStringLiteral("the file cannot be locked"));
    }
    position_ = 0;
    return true;
}

qsizetype RecordFile::count() const {
    return file_.isOpen() ? static_cast<qsizetype>(file_.size() / recordSize_) : 0;
}

bool RecordFile::readAt(qsizetype index, QByteArray* record) {
    if (!file_.isOpen()) return fail(QStringLiteral("the file is not open"));
    if (index < 0 || index >= count()) return fail(QStringLiteral("no record at that position"));
    if (!file_.seek(index * recordSize_)) return fail(file_.errorString());
    QByteArray buffer = file_.read(recordSize_);
    if (buffer.size() != recordSize_) return fail(QStringLiteral("the record is incomplete"));
    *record = std::move(buffer);
    position_ = index + 1;
    return true;
}

bool RecordFile::writeAt(qsizetype index, const QByteArray& record) {
    if (!file_.isOpen()) return fail(QStringLiteral("the file is not open"));
    if (record.size() != recordSize_) return fail(QStringLiteral("wrong record size"));
    if (index < 0 || index > count()) return fail(QStringLiteral("no record at that position"));
    if (!file_.seek(index * recordSize_)) return fail(file_.errorString());
    if (file_.write(record) != recordSize_) return fail(file_.errorString());
    if (!file_.flush()) return fail(file_.errorString());
    position_ = index + 1;
    return true;
}

qsizetype RecordFile::append(const QByteArray& record) {
    return writeAt(count(), record) ? position_ : 0;
}

void RecordFile::close() {
    if (!file_.isOpen()) return;
    if (locked_) filelock::release(file_);
    locked_ = false;
    file_.close();
}

bool RecordFile::fail(const QString& message) {
    error_ = file_.fileName() + QStringLiteral(": ") + message;
    return false;
}

bool RecordFile::scan(const QString& path, qsizetype recordSize, const Visitor& visit,
                      QString* error) {
    RecordFile file(path, recordSize);
    bool ok = file.open(Access::Read);
    const qsizetype count = file.count();
    const qsizetype perBlock = qMax<qsizetype>(1, (qsizetype(1) << 20) / recordSize);
    // One buffer for every block: a new one each time would cost the
    // memory's first touch again and again.
    QByteArray block(qMin(perBlock, qMax<qsizetype>(count, 1)) * recordSize, Qt::Uninitialized);
    for (qsizetype first = 0; ok && first < count; first += perBlock) {
        const qsizetype records = qMin(perBlock, count - first);
        const qint64 wanted = records * recordSize;
        qint64 got = 0;
        while (got < wanted) {
            const qint64 n = file.file_.read(block.data() + got, wanted - got);
            if (n <= 0) break;
            got += n;
        }
        if (got != wanted) {
            ok = file.fail(QStringLiteral("the file is shorter than it was"));
            break;
        }
        for (qsizetype i = 0; i < records; ++i) {
            if (!visit(first + i + 1, QByteArrayView(block).sliced(i * recordSize, recordSize))) {
                first = count;  // the visitor has seen enough
                break;
            }
        }
    }
    if (!ok && error) *error = file.errorString();
    file.close();
    return ok;
}
