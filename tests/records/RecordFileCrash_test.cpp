// The record files' own reliability tests: a writer killed in the middle of
// its saves, and stations whose operating system locks do not reach each
// other. Quick in ctest; `make stress` runs them long through the
// environment:
//   SELVADORO_CRASH_KILLS      kills of the writer (30)
//   SELVADORO_STATION_FOLDERS  two folders that are one folder reached two
//                              ways, separated by ':' (unset: one temporary
//                              folder, the OS locks left out by the workers)
//   SELVADORO_STATION_SAVES    saves of each of the four writers (100)
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <iostream>

#include "records/RecordFile.h"

namespace {

// The writer is killed in turn on two archives: one of 4 MiB records, on
// which a kill lands inside the write of a record often enough that,
// written in place without the journal, a few dozen kills leave a torn
// record; one of 1 MiB records, whose saves spend more of their time
// between the journal and its removal (a sanitizer build computes the
// checksums of 4 MiB slowly).
constexpr qsizetype kSizes[] = {4 << 20, 1 << 20};
// The stations write records of the size of a hunter's card.
constexpr qsizetype kStationSize = 5090;

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// What the workers' files hold: records "<origin>:<sequence>:<version>;"
// repeated.
struct Contents {
    QHash<QByteArray, int> versions;  // "<origin>:<sequence>:" -> version
    int torn = 0;
    int repeated = 0;  // an append found twice
    qsizetype records = 0;
};

Contents inspect(const QByteArray& all, qsizetype size) {
    Contents c;
    for (qsizetype offset = 0; offset + size <= all.size(); offset += size) {
        ++c.records;
        const QByteArray record = all.mid(offset, size);
        const QByteArray unit = record.left(record.indexOf(';') + 1);
        const QByteArray rebuilt =
            unit.isEmpty() ? QByteArray() : unit.repeated(size / unit.size() + 1).left(size);
        const qsizetype colon = unit.lastIndexOf(':');
        if (unit.isEmpty() || rebuilt != record || colon < 0) {
            ++c.torn;
            continue;
        }
        const QByteArray identity = unit.left(colon + 1);
        if (c.versions.contains(identity)) ++c.repeated;
        c.versions.insert(identity, unit.mid(colon + 1).chopped(1).toInt());
    }
    return c;
}

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(RecordFileCrashTest, AWriterKilledDuringItsSavesLeavesEveryRecordOldOrNewAndWhole) {
    const int kills = fromEnvironment("SELVADORO_CRASH_KILLS", 30);
    QTemporaryDir dir;
    const quint32 start = QRandomGenerator::system()->generate();
    QRandomGenerator random(start);
    SCOPED_TRACE("random start " + std::to_string(start));
    struct Archive {
        QString path;
        qsizetype size;
        QHash<QByteArray, int> seen;  // after the last kill
    };
    Archive archives[] = {{dir.filePath(QStringLiteral("Grande.pro")), kSizes[0], {}},
                          {dir.filePath(QStringLiteral("Medio.pro")), kSizes[1], {}}};
    int journals = 0;
    int lockFiles = 0;
    int torn = 0;
    int lost = 0;
    int wentBack = 0;
    int done = 0;
    for (int k = 0; k < kills && torn == 0; ++k) {
        Archive& archive = archives[k % 2];
        const QString& path = archive.path;
        QProcess worker;
        worker.start(
            QStringLiteral(APPEND_WORKER),
            {path, QString::number(archive.size), QStringLiteral("k%1").arg(k), QStringLiteral("0"),
             QStringLiteral("mixed"), QStringLiteral("keep=8"), QStringLiteral("blind")});
        ASSERT_TRUE(worker.waitForReadyRead(30000)) << worker.readAllStandardError().constData();
        ASSERT_EQ(worker.readLine().trimmed(), QByteArray("ready"));
        QThread::usleep(random.bounded(150000));
        worker.kill();
        ASSERT_TRUE(worker.waitForFinished(30000));
        ASSERT_EQ(worker.exitStatus(), QProcess::CrashExit) << worker.readAllStandardError().data();
        ++done;
        if (QFile::exists(path + QStringLiteral("-journal"))) ++journals;
        if (QFile::exists(path + QStringLiteral(".lock"))) ++lockFiles;

        // The next action settles what the kill left.
        RecordFile file(path, archive.size);
        ASSERT_TRUE(file.open(RecordFile::Access::Write)) << file.errorString().toStdString();
        file.close();
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal")));
        EXPECT_FALSE(QFile::exists(path + QStringLiteral(".lock")));

        // A torn record stays torn: the first one ends the run.
        const Contents now = inspect(contentsOf(path), archive.size);
        torn += now.torn;
        EXPECT_EQ(now.repeated, 0);
        for (auto it = archive.seen.cbegin(); it != archive.seen.cend(); ++it) {
            if (!now.versions.contains(it.key())) {
                ++lost;
            } else if (now.versions.value(it.key()) < it.value()) {
                ++wentBack;
            }
        }
        archive.seen = now.versions;
    }
    std::cout << "[ crash    ] " << done << " kills, " << journals
              << " interrupted saves undone or kept, " << lockFiles
              << " lock files of a dead writer, " << torn << " torn records\n";
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(lost, 0);      // a record seen after one kill is there after the next
    EXPECT_EQ(wentBack, 0);  // and holds the same save or a later one
}

TEST(RecordFileStationsTest, TwoStationsWhoseLocksDoNotReachEachOtherLoseNothing) {
    const int saves = fromEnvironment("SELVADORO_STATION_SAVES", 100);
    QTemporaryDir dir;
    QStringList folders = qEnvironmentVariable("SELVADORO_STATION_FOLDERS").split(u':');
    const bool twoMounts = folders.size() == 2;
    if (!twoMounts) folders = {dir.path(), dir.path()};
    const QString name = QStringLiteral("Stazioni.pro");
    for (const QString& suffix : {QString(), QStringLiteral("-journal"), QStringLiteral(".lock")}) {
        QFile::remove(QDir(folders[0]).filePath(name + suffix));
    }

    struct Station {
        QString folder;
        QByteArray id;
    };
    const Station writers[] = {
        {folders[0], "A1"}, {folders[0], "A2"}, {folders[1], "B1"}, {folders[1], "B2"}};
    QList<QProcess*> running;
    for (const Station& w : writers) {
        QStringList args{QDir(w.folder).filePath(name), QString::number(kStationSize),
                         QString::fromLatin1(w.id),     QString::number(saves),
                         QStringLiteral("mixed"),       QStringLiteral("wait=60000")};
        // One folder reached once: the OS locks would exclude the writers,
        // so they leave them out and only the lock file is left.
        if (!twoMounts) args.append(QStringLiteral("no-os-locks"));
        auto* p = new QProcess;
        p->start(QStringLiteral(APPEND_WORKER), args);
        running.append(p);
    }
    QHash<QByteArray, int> appended;
    int overwrites = 0;
    for (qsizetype i = 0; i < running.size(); ++i) {
        QProcess* p = running[i];
        EXPECT_TRUE(p->waitForFinished(-1));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
        const QList<QByteArray> words =
            p->readAllStandardOutput().trimmed().split('\n').last().split(' ');
        if (words.size() == 4) {
            appended.insert(writers[i].id, words[1].toInt());
            overwrites += words[3].toInt();
        }
        delete p;
    }
    const Contents c = inspect(contentsOf(QDir(folders[0]).filePath(name)), kStationSize);
    int lost = 0;
    int total = 0;
    for (auto it = appended.cbegin(); it != appended.cend(); ++it) {
        total += it.value();
        for (int s = 0; s < it.value(); ++s) {
            if (!c.versions.contains(it.key() + ':' + QByteArray::number(s) + ':')) ++lost;
        }
    }
    int versions = 0;
    for (const int v : c.versions) versions += v;
    std::cout << "[ stations ] " << (twoMounts ? "two mounts" : "one folder, no OS locks") << ": "
              << total << " appends, " << overwrites << " overwrites, " << lost << " lost, "
              << c.torn << " torn, " << overwrites - versions << " overwrites lost\n";
    EXPECT_EQ(appended.size(), 4);
    EXPECT_EQ(c.torn, 0);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(c.repeated, 0);
    EXPECT_EQ(c.records, total);
    EXPECT_EQ(versions, overwrites);  // no save overwrote another it had not read
}

}  // namespace
