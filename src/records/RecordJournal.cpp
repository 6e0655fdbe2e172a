#include "records/RecordJournal.h"

#include <QFileInfo>
#include <QtEndian>
#include <array>

#include "base/FileErrors.h"
#include "base/FileLock.h"

namespace journal {
namespace {

constexpr QByteArrayView kMagic{"SLVJRNL1"};
constexpr QByteArrayView kOpenEndedMagic{"SLVJRNL2"};
constexpr qsizetype kHeaderSize = 48;
constexpr qsizetype kChecksumSize = 4;

constexpr std::array<quint32, 256> makeCrcTable() {
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}
constexpr auto kCrcTable = makeCrcTable();

template <typename T>
void put(QByteArray* out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out->append(bytes, sizeof(T));
}

template <typename T>
T get(QByteArrayView bytes, qsizetype offset) {
    return qFromLittleEndian<T>(bytes.data() + offset);
}

bool failWith(QString* error, const QString& message) {
    if (error) *error = message;
    return false;
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

}  // namespace

QString pathOf(const QString& archive) {
    return archive + QStringLiteral("-journal");
}

// Eight tables, so that eight bytes are taken at a time (slice-by-8): the
// same checksum, several times faster on the long blocks of an import.
struct CrcSlices {
    std::array<std::array<quint32, 256>, 8> t{};
};
constexpr CrcSlices makeCrcSlices() {
    CrcSlices s;
    s.t[0] = kCrcTable;
    for (std::size_t k = 1; k < 8; ++k) {
        for (std::size_t i = 0; i < 256; ++i) {
            const quint32 before = s.t[k - 1][i];
            s.t[k][i] = (before >> 8) ^ kCrcTable[before & 0xFF];
        }
    }
    return s;
}
constexpr CrcSlices kCrcSlices = makeCrcSlices();

quint32 crc32(QByteArrayView bytes) {
    quint32 c = 0xFFFFFFFFu;
    const auto& t = kCrcSlices.t;
    const char* p = bytes.data();
    qsizetype n = bytes.size();
    for (; n >= 8; n -= 8, p += 8) {
        const quint32 low = c ^ qFromLittleEndian<quint32>(p);
        const quint32 high = qFromLittleEndian<quint32>(p + 4);
        c = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^
            t[4][low >> 24] ^ t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^
            t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; n > 0; --n, ++p) c = kCrcTable[(c ^ static_cast<quint8>(*p)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray encode(const Entry& entry) {
    QByteArray out;
    out.reserve(kHeaderSize + entry.image.size() + kChecksumSize);
    out.append(entry.openEnded ? kOpenEndedMagic : kMagic);
    put<qint64>(&out, entry.recordSize);
    put<qint64>(&out, entry.number);
    put<qint64>(&out, entry.offset);
    put<qint64>(&out, entry.oldLength);
    put<quint32>(&out, entry.newChecksum);
    put<quint32>(&out, static_cast<quint32>(entry.image.size()));
    out.append(entry.image);
    put<quint32>(&out, crc32(out));
    return out;
}

std::optional<Entry> decode(QByteArrayView bytes) {
    if (bytes.size() < kHeaderSize + kChecksumSize ||
        !(bytes.startsWith(kMagic) || bytes.startsWith(kOpenEndedMagic))) {
        return std::nullopt;
    }
    Entry entry;
    entry.openEnded = bytes.startsWith(kOpenEndedMagic);
    entry.recordSize = get<qint64>(bytes, 8);
    entry.number = get<qint64>(bytes, 16);
    entry.offset = get<qint64>(bytes, 24);
    entry.oldLength = get<qint64>(bytes, 32);
    entry.newChecksum = get<quint32>(bytes, 40);
    const qint64 imageSize = get<quint32>(bytes, 44);
    if (bytes.size() != kHeaderSize + imageSize + kChecksumSize) return std::nullopt;
    const qsizetype body = kHeaderSize + imageSize;
    if (get<quint32>(bytes, body) != crc32(bytes.first(body))) return std::nullopt;
    // An open-ended append covered the incomplete last record's bytes.
    if (entry.openEnded) {
        if (entry.recordSize != 0 || entry.newChecksum != 0 || entry.number <= 0 ||
            entry.offset < 0 || imageSize != entry.oldLength - entry.offset) {
            return std::nullopt;
        }
        entry.image = bytes.sliced(kHeaderSize, imageSize).toByteArray();
        return entry;
    }
    // The old bytes are those the record covered in the file before the save.
    if (entry.recordSize <= 0 || entry.number <= 0 || entry.offset < 0 ||
        entry.oldLength < entry.offset ||
        imageSize != qMin(entry.recordSize, entry.oldLength - entry.offset)) {
        return std::nullopt;
    }
    entry.image = bytes.sliced(kHeaderSize, imageSize).toByteArray();
    return entry;
}

bool write(const QString& path, const Entry& entry, QString* error) {
    const QByteArray bytes = encode(entry);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !filelock::syncFile(file)) {
        const QString message = fileerror::of(file);
        file.close();
        QFile::remove(path);
        return failWith(error, message);
    }
    file.close();
    if (!filelock::syncFolder(folderOf(path))) {
        QFile::remove(path);
        return failWith(error, fileerror::text(fileerror::Cause::FolderNotSynced));
    }
    return true;
}

bool undo(QFile& archive, const Entry& entry, QString* error) {
    if (!entry.image.isEmpty() &&
        (!archive.seek(entry.offset) || archive.write(entry.image) != entry.image.size())) {
        return failWith(error, fileerror::of(archive));
    }
    if (archive.size() != entry.oldLength && !archive.resize(entry.oldLength)) {
        return failWith(error, fileerror::of(archive));
    }
    if (!filelock::syncFile(archive)) return failWith(error, fileerror::of(archive));
    return true;
}

Outcome recover(QFile& archive, const QString& journalPath, QString* error) {
    QFile file(journalPath);
    if (!file.exists()) return Outcome::None;
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists()) return Outcome::None;
        failWith(error, fileerror::of(file));
        return Outcome::Failed;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    Outcome outcome = Outcome::Discarded;
    if (const auto entry = decode(bytes); entry && entry->openEnded) {
        // An append never ended: the records written so far go.
        if (!undo(archive, *entry, error)) return Outcome::Failed;
        outcome = Outcome::Undone;
    } else if (entry) {
        const qint64 length = archive.size();
        const qint64 end = entry->offset + entry->recordSize;
        bool whole = false;
        if (length >= end && archive.seek(entry->offset)) {
            whole = crc32(archive.read(entry->recordSize)) == entry->newChecksum;
        }
        const bool grownSince = entry->oldLength < end && length > end;
        if (whole) {
            outcome = Outcome::Kept;
        } else if (!grownSince) {
            if (!undo(archive, *entry, error)) return Outcome::Failed;
            outcome = Outcome::Undone;
        }
    }
    if (!file.remove() && file.exists()) {
        failWith(error, fileerror::text(fileerror::Cause::JournalNotRemoved) +
                            QStringLiteral(": ") + fileerror::of(file));
        return Outcome::Failed;
    }
    filelock::syncFolder(folderOf(journalPath));
    return outcome;
}

}  // namespace journal
