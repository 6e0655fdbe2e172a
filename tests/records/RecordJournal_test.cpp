#include "records/RecordJournal.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "records/RecordFile.h"

namespace {

constexpr qsizetype kSize = 10;

QByteArray recordOf(char c) {
    return QByteArray(kSize, c);
}

// CRC-32 bit by bit, as the zip format defines it.
quint32 referenceCrc(QByteArrayView bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char b : bytes) {
        crc ^= static_cast<quint8>(b);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray le64(qint64 v) {
    QByteArray out(8, '\0');
    for (int i = 0; i < 8; ++i) out[i] = char((quint64(v) >> (8 * i)) & 0xFF);
    return out;
}

QByteArray le32(quint32 v) {
    return le64(v).left(4);
}

// A journal laid out byte by byte as the record files write it.
QByteArray journalBytes(qint64 number, qint64 offset, qint64 oldLength, const QByteArray& newRecord,
                        const QByteArray& oldBytes) {
    QByteArray j = "SLVJRNL1";
    j += le64(kSize) + le64(number) + le64(offset) + le64(oldLength);
    j += le32(referenceCrc(newRecord)) + le32(quint32(oldBytes.size())) + oldBytes;
    return j + le32(referenceCrc(j));
}

// The journal of an append whose length is not known when it begins (an
// import writing blocks of records), laid out byte by byte.
QByteArray openEndedJournalBytes(qint64 number, qint64 offset, qint64 oldLength,
                                 const QByteArray& oldBytes) {
    QByteArray j = "SLVJRNL2";
    j += le64(0) + le64(number) + le64(offset) + le64(oldLength);
    j += le32(0) + le32(quint32(oldBytes.size())) + oldBytes;
    return j + le32(referenceCrc(j));
}

class RecordJournalTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Prova.pro")); }
    QString journalPath() const { return path() + QStringLiteral("-journal"); }
    static QByteArray read(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString& p, const QByteArray& bytes) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QTemporaryDir dir;
};

// The records a program sees once it opens the file for `access`.
QByteArray afterOpen(const QString& path, RecordFile::Access access) {
    RecordFile file(path, kSize);
    if (!file.open(access)) return "open failed";
    QByteArray all;
    for (qsizetype i = 0; i < file.count(); ++i) {
        QByteArray r;
        file.readAt(i, &r);
        all += r;
    }
    return all;
}

QByteArray afterWriteOpen(const QString& path) {
    return afterOpen(path, RecordFile::Access::Write);
}

QByteArray afterReadOpen(const QString& path) {
    return afterOpen(path, RecordFile::Access::Read);
}

QByteArray afterScan(const QString& path) {
    QByteArray all;
    if (!RecordFile::scan(path, kSize, [&](qsizetype, QByteArrayView r) {
            all += r.toByteArray();
            return true;
        })) {
        return "scan failed";
    }
    return all;
}

struct Opener {
    const char* name;
    QByteArray (*open)(const QString&);
};
constexpr Opener kOpeners[] = {
    {"writing action", afterWriteOpen},
    {"reading action", afterReadOpen},
    {"scan", afterScan},
};

TEST_F(RecordJournalTest, ChecksumIsCrc32) {
    EXPECT_EQ(journal::crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(journal::crc32(""), 0u);
    // Long blocks, taken eight bytes at a time, and a tail (zlib.crc32).
    QByteArray bytes;
    for (int i = 0; i < 4 * 256; ++i) bytes.append(char(i % 256));
    bytes.append("Selvadoro");
    EXPECT_EQ(journal::crc32(bytes), 0xBD38813Au);
}

TEST_F(RecordJournalTest, ASaveLeavesTheLayoutItsRecoveryReads) {
    // The journal written for an overwrite of record 2 of 3 is the documented
    // layout with the old record as its image.
    journal::Entry entry{kSize, 2, kSize, 3 * kSize, journal::crc32(recordOf('N')), recordOf('b')};
    EXPECT_EQ(journal::encode(entry),
              journalBytes(2, kSize, 3 * kSize, recordOf('N'), recordOf('b')));
    ASSERT_TRUE(journal::write(journalPath(), entry, nullptr));
    EXPECT_EQ(read(journalPath()), journalBytes(2, kSize, 3 * kSize, recordOf('N'), recordOf('b')));
}

// A save killed half way: the record file holds part of the new record, the
// journal what it replaced. Every kind of action that opens the file next
// puts the old bytes back and removes the journal.
TEST_F(RecordJournalTest, AnInterruptedSaveIsUndoneByWhicheverActionOpensTheFileNext) {
    struct Case {
        const char* what;
        QByteArray before;  // the file before the save
        QByteArray after;   // the file as the save left it
        QByteArray journal;
    };
    const QByteArray torn = QByteArray(4, 'N') + QByteArray(6, 'b');
    const Case cases[] = {
        {"overwrite of record 2, torn", recordOf('a') + recordOf('b') + recordOf('c'),
         recordOf('a') + torn + recordOf('c'),
         journalBytes(2, kSize, 3 * kSize, recordOf('N'), recordOf('b'))},
        {"append, half written", recordOf('a') + recordOf('b'),
         recordOf('a') + recordOf('b') + QByteArray(5, 'N'),
         journalBytes(3, 2 * kSize, 2 * kSize, recordOf('N'), {})},
        {"append over the bytes of an incomplete record, torn", recordOf('a') + QByteArray(3, 'z'),
         recordOf('a') + QByteArray(6, 'N'),
         journalBytes(2, kSize, kSize + 3, recordOf('N'), QByteArray(3, 'z'))},
        {"overwrite of the only record, not started", recordOf('a'), recordOf('a'),
         journalBytes(1, 0, kSize, recordOf('N'), recordOf('a'))},
        // Never ended: even whole records go.
        {"open-ended append, three records written", recordOf('a') + recordOf('b'),
         recordOf('a') + recordOf('b') + recordOf('N') + recordOf('N') + recordOf('N'),
         openEndedJournalBytes(3, 2 * kSize, 2 * kSize, {})},
        {"open-ended append over the bytes of an incomplete record",
         recordOf('a') + QByteArray(3, 'z'), recordOf('a') + recordOf('N') + QByteArray(4, 'N'),
         openEndedJournalBytes(2, kSize, kSize + 3, QByteArray(3, 'z'))},
    };
    for (const Opener& opener : kOpeners) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(opener.name) + ": " + c.what);
            write(path(), c.after);
            write(journalPath(), c.journal);
            const qsizetype whole = c.before.size() / kSize * kSize;
            EXPECT_EQ(opener.open(path()), c.before.left(whole));
            EXPECT_EQ(read(path()), c.before);
            EXPECT_FALSE(QFile::exists(journalPath()));
        }
    }
}

TEST_F(RecordJournalTest, ASaveThatReachedTheFileWholeIsKept) {
    // Killed after the record was on the disk, before the journal was removed.
    write(path(), recordOf('a') + recordOf('N'));
    write(journalPath(), journalBytes(2, kSize, kSize, recordOf('N'), {}));
    EXPECT_EQ(afterWriteOpen(path()), recordOf('a') + recordOf('N'));
    EXPECT_FALSE(QFile::exists(journalPath()));
}

TEST_F(RecordJournalTest, AnAppendFollowedByAnotherProgramsAppendsIsLeftAlone) {
    // A program that knows nothing of the journal appended over the
    // interrupted record and after it: its records stay.
    const QByteArray theirs = recordOf('a') + recordOf('x') + recordOf('y');
    write(path(), theirs);
    write(journalPath(), journalBytes(2, kSize, kSize, recordOf('N'), {}));
    EXPECT_EQ(afterWriteOpen(path()), theirs);
    EXPECT_FALSE(QFile::exists(journalPath()));
}

// A journal cut short while it was being written, or damaged, never reached
// the point where the record is written: the file stays as it is.
TEST_F(RecordJournalTest, AnIncompleteOrDamagedJournalIsIgnoredAndRemoved) {
    const QByteArray good = journalBytes(2, kSize, 3 * kSize, recordOf('N'), recordOf('b'));
    QByteArray flipped = good;
    flipped[50] = char(flipped[50] ^ 0x01);
    QByteArray wrongImageLength =
        journalBytes(2, kSize, 3 * kSize, recordOf('N'), QByteArray(4, 'b'));
    const struct {
        const char* what;
        QByteArray journal;
    } cases[] = {
        {"empty", {}},
        {"cut in the header", good.left(20)},
        {"cut in the old bytes", good.left(52)},
        {"cut before its checksum", good.chopped(1)},
        {"a byte changed", flipped},
        {"another program's file", QByteArray("SLVJRNL0") + good.mid(8)},
        {"old bytes that do not match the old length", wrongImageLength},
    };
    const QByteArray archive = recordOf('a') + recordOf('X') + recordOf('c');
    for (const Opener& opener : kOpeners) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(opener.name) + ": " + c.what);
            write(path(), archive);
            write(journalPath(), c.journal);
            EXPECT_EQ(opener.open(path()), archive);
            EXPECT_EQ(read(path()), archive);
            EXPECT_FALSE(QFile::exists(journalPath()));
        }
    }
}

TEST_F(RecordJournalTest, AReaderThatCannotUndoTheSaveFails) {
    // The journal is there but cannot be read, so the half-written record
    // cannot be told from a whole one: nothing is read.
    write(path(), recordOf('a'));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Prova.pro-journal")));
    RecordFile file(path(), kSize);
    EXPECT_FALSE(file.open(RecordFile::Access::Read));
    EXPECT_FALSE(file.errorString().isEmpty());
    EXPECT_EQ(afterScan(path()), QByteArray("scan failed"));
}

}  // namespace
