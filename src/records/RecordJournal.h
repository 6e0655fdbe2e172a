#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <optional>

// The rollback journal of a record file: before a record is written, what
// it replaces is written beside the archive ("Cacciatori.pro-journal") and
// put on the disk; the journal is removed once the record is on the disk.
// A save cut short (crash, kill, power cut) leaves the journal behind, and
// the next action that holds the archive alone puts the old bytes back.
// The archive itself keeps its format: programs that know nothing of the
// journal read it as before.
//
// The journal, all numbers little-endian:
//   0   8  "SLVJRNL1"
//   8   8  record size (for several records appended in one write, their
//          whole length: the journal then takes them back together)
//   16  8  number of the record being written (from 1)
//   24  8  offset where it is written
//   32  8  length of the file before the save
//   40  4  CRC-32 of the record being written
//   44  4  n, the length of the old bytes
//   48  n  the old bytes at the offset: the whole record for an overwrite,
//          the bytes of an incomplete last record (usually none) for an append
//   48+n 4 CRC-32 of bytes 0 to 48+n
// A journal shorter or longer than that, or whose checksum does not match,
// was cut short while being written, before the archive was touched.
//
// An append whose length is not known when it begins (an import writing
// its records in blocks as it converts them) has the same layout under the
// mark "SLVJRNL2", with 0 as its record size and checksum, and the bytes of
// an incomplete last record (usually none) as its old bytes: its records
// are on the disk only once the journal is gone, so a journal left behind
// always takes the whole append back.
namespace journal {

struct Entry {
    qint64 recordSize = 0;
    qint64 number = 0;
    qint64 offset = 0;
    qint64 oldLength = 0;
    quint32 newChecksum = 0;
    QByteArray image;
    // An append of a length not known beforehand ("SLVJRNL2").
    bool openEnded = false;
};

QString pathOf(const QString& archive);

// CRC-32 as in zip and PNG (reflected 0xEDB88320).
quint32 crc32(QByteArrayView bytes);

QByteArray encode(const Entry& entry);
std::optional<Entry> decode(QByteArrayView bytes);

// Writes the journal whole and puts it and its folder entry on the disk.
bool write(const QString& path, const Entry& entry, QString* error);

// Puts the old bytes back into the open archive and gives it its old length.
bool undo(QFile& archive, const Entry& entry, QString* error);

enum class Outcome {
    None,       // no journal
    Undone,     // the interrupted save was taken back
    Kept,       // the record had reached the file whole: it stays
    Discarded,  // the journal was incomplete, or the file was written since
    Failed,     // the journal could not be read, applied or removed
};

// Settles an interrupted save of the open archive, which the caller holds
// alone, and removes the journal. The archive is left as it is when the
// new record is there whole, or when it has grown past an interrupted
// append (another program wrote after it).
Outcome recover(QFile& archive, const QString& journalPath, QString* error);

}  // namespace journal
