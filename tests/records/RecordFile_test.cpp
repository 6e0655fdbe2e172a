#include "records/RecordFile.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <array>

#include "base/FileErrors.h"
#include "base/LockFile.h"
#include "base/Paths.h"
#include "records/RecordLayout.h"

namespace {

constexpr qsizetype kSize = 10;

QByteArray recordOf(char c) {
    return QByteArray(kSize, c);
}

class RecordFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Prova.pro")); }
    QByteArray contents() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(RecordFileTest, AnArchiveLivesInTheDataFolderUnderItsLayoutsFileName) {
    constexpr std::array kFields{FieldSpec{"Nome", 9, "txtNome"}};
    const RecordLayout layout{"Prova.pro", FieldEncoding::ZeroTerminated, kFields};
    const QString before = paths::dataFolder();
    paths::setDataFolder(dir.path());
    EXPECT_EQ(archivePath(layout), path());
    paths::setDataFolder(before);
}

TEST_F(RecordFileTest, OpeningCreatesAMissingFileEmpty) {
    RecordFile file(path(), kSize);
    ASSERT_TRUE(file.open(RecordFile::Access::Read));
    EXPECT_EQ(file.count(), 0);
    EXPECT_TRUE(file.atEnd());
    file.close();
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(contents().size(), 0);
}

TEST_F(RecordFileTest, AnIncompleteLastRecordIsNotCountedAndIsOverwrittenByAppend) {
    write(recordOf('a') + recordOf('b') + recordOf('c') + QByteArray(4, 'z'));
    RecordFile file(path(), kSize);
    ASSERT_TRUE(file.open(RecordFile::Access::Write));
    EXPECT_EQ(file.count(), 3);
    QByteArray record;
    EXPECT_FALSE(file.readAt(3, &record));  // the stray bytes are no record
    EXPECT_EQ(file.append(recordOf('d')), 4);
    EXPECT_EQ(file.position(), 4);
    file.close();
    EXPECT_EQ(contents(), recordOf('a') + recordOf('b') + recordOf('c') + recordOf('d'));
}

TEST_F(RecordFileTest, OverwritingARecordLeavesTheOthersByteForByte) {
    write(recordOf('a') + recordOf('b') + recordOf('c'));
    RecordFile file(path(), kSize);
    ASSERT_TRUE(file.open(RecordFile::Access::Write));
    ASSERT_TRUE(file.writeAt(1, recordOf('X')));
    EXPECT_EQ(file.position(), 2);
    file.close();
    EXPECT_EQ(contents(), recordOf('a') + recordOf('X') + recordOf('c'));
}

TEST_F(RecordFileTest, ScanVisitsEveryRecordInOrder) {
    write(recordOf('a') + recordOf('b') + recordOf('c') + QByteArray(3, 'z'));
    QList<qsizetype> numbers;
    QByteArray seen;
    EXPECT_TRUE(RecordFile::scan(path(), kSize, [&](qsizetype n, QByteArrayView record) {
        numbers.append(n);
        seen += record.front();
        return true;
    }));
    EXPECT_EQ(numbers, (QList<qsizetype>{1, 2, 3}));
    EXPECT_EQ(seen, QByteArray("abc"));
}

TEST_F(RecordFileTest, FailuresReachTheCaller) {
    // A folder where the file should be, and a folder that does not exist.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Prova.pro")));
    RecordFile blocked(path(), kSize);
    EXPECT_FALSE(blocked.open(RecordFile::Access::Read));
    EXPECT_FALSE(blocked.errorString().isEmpty());
    RecordFile nowhere(dir.filePath(QStringLiteral("manca/Prova.pro")), kSize);
    EXPECT_FALSE(nowhere.open(RecordFile::Access::Write));
    EXPECT_FALSE(RecordFile::scan(path(), kSize, [](qsizetype, QByteArrayView) { return true; }));

    RecordFile file(dir.filePath(QStringLiteral("Altro.pro")), kSize);
    ASSERT_TRUE(file.open(RecordFile::Access::Write));
    EXPECT_FALSE(file.writeAt(1, recordOf('a')));       // a gap after the last record
    EXPECT_FALSE(file.writeAt(0, QByteArray(3, 'a')));  // not a whole record
    EXPECT_EQ(file.append(recordOf('a')), 1);
}

TEST_F(RecordFileTest, ProcessesAppendingAtOnceLoseNothing) {
    constexpr int kWorkers = 6;
    constexpr int kEach = 150;
    constexpr qsizetype kBig = 5090;
    QList<QProcess*> workers;
    for (int w = 0; w < kWorkers; ++w) {
        auto* p = new QProcess;
        p->start(
            QStringLiteral(APPEND_WORKER),
            {path(), QString::number(kBig), QStringLiteral("w%1").arg(w), QString::number(kEach)});
        workers.append(p);
    }
    for (QProcess* p : workers) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
        delete p;
    }
    const QByteArray all = contents();
    ASSERT_EQ(all.size(), kWorkers * kEach * kBig);
    QSet<QByteArray> units;
    for (qsizetype offset = 0; offset < all.size(); offset += kBig) {
        const QByteArray record = all.mid(offset, kBig);
        const QByteArray unit = record.left(record.indexOf(';') + 1);
        QByteArray rebuilt;
        while (rebuilt.size() < kBig) rebuilt += unit;
        rebuilt.truncate(kBig);
        EXPECT_EQ(record, rebuilt) << "record " << offset / kBig + 1 << " is mixed";
        units.insert(unit);
    }
    EXPECT_EQ(units.size(), kWorkers * kEach);  // every append is there, once
}

TEST_F(RecordFileTest, AWritingActionHoldsALockFileAndLeavesNothingBehind) {
    write(recordOf('a'));
    RecordFile file(path(), kSize);
    ASSERT_TRUE(file.open(RecordFile::Access::Write));
    QFile lock(path() + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    const auto holder = LockFile::parse(lock.readAll());
    ASSERT_TRUE(holder.has_value());
    EXPECT_EQ(holder->process, QCoreApplication::applicationPid());
    ASSERT_TRUE(file.writeAt(0, recordOf('b')));
    EXPECT_EQ(file.append(recordOf('c')), 2);
    file.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Prova.pro")});
    EXPECT_EQ(contents(), recordOf('b') + recordOf('c'));
}

TEST_F(RecordFileTest, ReadingNeedsNoLockFileAndWritingWithoutItFails) {
    write(recordOf('a'));
    RecordFile file(path(), kSize);
    ASSERT_TRUE(file.open(RecordFile::Access::Read));
    EXPECT_FALSE(QFile::exists(path() + QStringLiteral(".lock")));
    EXPECT_FALSE(file.writeAt(0, recordOf('b')));
    EXPECT_EQ(file.append(recordOf('b')), 0);
    file.close();
    EXPECT_EQ(contents(), recordOf('a'));
}

// Another station is saving (its lock file is fresh): every action waits,
// then reports the file as locked; once the lock file is gone, all go on.
TEST_F(RecordFileTest, AWriteInProgressElsewhereIsWaitedForThenReported) {
    write(recordOf('a'));
    QFile lock(path() + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("stazione=altra-postazione\nprocesso=1\nora=" +
               QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() + "\n");
    lock.close();
    struct ShortWait {
        ShortWait() { RecordFile::setWaitLimit(std::chrono::milliseconds(200)); }
        ~ShortWait() { RecordFile::setWaitLimit(std::chrono::milliseconds(15000)); }
    } shortWait;
    const auto scanAll = [this] {
        return RecordFile::scan(path(), kSize, [](qsizetype, QByteArrayView) { return true; });
    };
    for (const auto access : {RecordFile::Access::Read, RecordFile::Access::Write}) {
        RecordFile file(path(), kSize);
        EXPECT_FALSE(file.open(access));
        EXPECT_TRUE(file.errorString().endsWith(fileerror::text(fileerror::Cause::Locked)))
            << file.errorString().toStdString();
    }
    EXPECT_FALSE(scanAll());
    ASSERT_TRUE(lock.remove());
    RecordFile file(path(), kSize);
    ASSERT_TRUE(file.open(RecordFile::Access::Write));
    EXPECT_EQ(file.append(recordOf('b')), 2);
    file.close();
    EXPECT_TRUE(scanAll());
}

TEST_F(RecordFileTest, AHolderThatDiedReleasesTheLock) {
    QProcess holder;
    holder.start(QStringLiteral(APPEND_WORKER),
                 {path(), QString::number(kSize), QStringLiteral("hold")});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    ASSERT_EQ(holder.readLine().trimmed(), QByteArray("locked"));
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(30000));

    // It left its lock file, which names a process that is gone.
    EXPECT_TRUE(QFile::exists(path() + QStringLiteral(".lock")));

    RecordFile file(path(), kSize);
    ASSERT_TRUE(file.open(RecordFile::Access::Write));
    EXPECT_EQ(file.append(recordOf('a')), 1);
    file.close();
    EXPECT_FALSE(QFile::exists(path() + QStringLiteral(".lock")));
}

}  // namespace
