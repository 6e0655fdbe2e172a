#include "base/LockFile.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// The id of a process that has ended.
qint64 endedProcess() {
    QProcess p;
    p.start(QStringLiteral(APPEND_WORKER), {});  // no arguments: prints its usage and exits
    if (!p.waitForStarted(30000)) return 0;
    const qint64 pid = p.processId();
    p.waitForFinished(30000);
    return pid;
}

QByteArray lockText(const QString& station, qint64 process, const QDateTime& time) {
    return "Selvadoro: archivio in scrittura\nstazione=" + station.toUtf8() +
           "\nprocesso=" + QByteArray::number(process) +
           "\nora=" + time.toString(Qt::ISODateWithMs).toLatin1() + "\nchiave=1\n";
}

class LockFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Prova.pro.lock")); }
    void place(const QByteArray& text, const QDateTime& modified) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    QStringList folder() const { return QDir(dir.path()).entryList(QDir::Files); }
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const qint64 self = QCoreApplication::applicationPid();
    const QString here = LockFile::thisStation();
};

TEST_F(LockFileTest, ALockFileNamesItsStationProcessAndTime) {
    LockFile lock(path());
    ASSERT_EQ(lock.acquire(QDeadlineTimer(1s)), LockFile::Result::Locked);
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto holder = LockFile::parse(f.readAll());
    ASSERT_TRUE(holder.has_value());
    EXPECT_EQ(holder->station, here);
    EXPECT_EQ(holder->process, self);
    EXPECT_LE(qAbs(holder->time.secsTo(now)), 60);
    lock.release();
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(LockFileTest, StaleLocksAreThoseOfAProcessGoneOrOldByBothClocks) {
    const qint64 ended = endedProcess();
    ASSERT_NE(ended, 0);
    const QDateTime old = now.addSecs(-120);
    const struct {
        const char* what;
        QByteArray text;
        QDateTime modified;
        bool stale;
    } cases[] = {
        {"this station, process gone", lockText(here, ended, now), now, true},
        {"this station, this process", lockText(here, self, now), now, false},
        {"this station, this process, old", lockText(here, self, old), old, true},
        {"another station, fresh", lockText("altra-postazione", 1, now), now, false},
        {"another station, old", lockText("altra-postazione", 1, old), old, true},
        {"another station, old by its clock only", lockText("altra-postazione", 1, old), now,
         false},
        {"another station, old by the file's time only", lockText("altra-postazione", 1, now), old,
         false},
        {"being written, fresh", {}, now, false},
        {"being written, old", {}, old, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LockFile::isStale(c.text, c.modified, now), c.stale);
    }
}

TEST_F(LockFileTest, AStaleLockIsBrokenWithoutLeavingAnything) {
    const qint64 ended = endedProcess();
    ASSERT_NE(ended, 0);
    const QDateTime old = now.addSecs(-120);
    const struct {
        const char* what;
        QByteArray text;
        QDateTime modified;
    } cases[] = {
        {"a crashed process of this station", lockText(here, ended, now), now},
        {"a station that stopped two minutes ago", lockText("altra-postazione", 1, old), old},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        place(c.text, c.modified);
        LockFile lock(path());
        ASSERT_EQ(lock.acquire(QDeadlineTimer(1s)), LockFile::Result::Locked);
        EXPECT_EQ(folder(), QStringList{QStringLiteral("Prova.pro.lock")});
        lock.release();
        EXPECT_TRUE(folder().isEmpty());
    }
}

TEST_F(LockFileTest, ALiveLockIsWaitedForUntilTheDeadline) {
    const struct {
        const char* what;
        QByteArray text;
    } cases[] = {
        {"this process", lockText(here, self, now)},
        {"another station, fresh", lockText("altra-postazione", 1, now)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        place(c.text, now);
        LockFile lock(path());
        EXPECT_EQ(lock.acquire(QDeadlineTimer(150ms)), LockFile::Result::TimedOut);
        EXPECT_FALSE(LockFile::waitUntilFree(path(), QDeadlineTimer(150ms)));
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), c.text);  // left to its holder
    }
}

TEST_F(LockFileTest, ALockFileLeftEmptyByAHolderThatDiedIsBrokenAfterASecond) {
    place({}, now);
    LockFile lock(path());
    // A holder may be between creating and writing it: not yet.
    EXPECT_EQ(lock.acquire(QDeadlineTimer(200ms)), LockFile::Result::TimedOut);
    EXPECT_TRUE(LockFile::waitUntilFree(path(), QDeadlineTimer(10s)));
    EXPECT_EQ(lock.acquire(QDeadlineTimer(10s)), LockFile::Result::Locked);
    lock.release();
    EXPECT_TRUE(folder().isEmpty());
}

TEST_F(LockFileTest, ReleaseLeavesALockThatIsNoLongerItsOwn) {
    LockFile lock(path());
    ASSERT_EQ(lock.acquire(QDeadlineTimer(1s)), LockFile::Result::Locked);
    // Broken as stale by another station, which now holds it.
    const QByteArray theirs = lockText("altra-postazione", 1, now);
    place(theirs, now);
    lock.release();
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), theirs);
}

TEST_F(LockFileTest, ALockThatCannotBeCreatedFails) {
    LockFile lock(dir.filePath(QStringLiteral("manca/Prova.pro.lock")));
    EXPECT_EQ(lock.acquire(QDeadlineTimer(1s)), LockFile::Result::Failed);
    EXPECT_FALSE(lock.errorString().isEmpty());
}

TEST_F(LockFileTest, ThreadsBreakingTheSameStaleLockHoldItOneAtATime) {
    place(lockText("altra-postazione", 1, now.addSecs(-120)), now.addSecs(-120));
    std::atomic<int> inside{0};
    std::atomic<int> most{0};
    std::atomic<int> taken{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 25; ++i) {
                LockFile lock(path());
                if (lock.acquire(QDeadlineTimer(60s)) != LockFile::Result::Locked) continue;
                const int n = ++inside;
                most = std::max(most.load(), n);
                std::this_thread::yield();
                --inside;
                ++taken;
                lock.release();
                // A station saves again only after its user has acted: the
                // others get their turn rather than wait out a busy loop.
                std::this_thread::sleep_for(20ms);
            }
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(taken, 100);
    EXPECT_EQ(most, 1);
    EXPECT_TRUE(folder().isEmpty());
}

TEST_F(LockFileTest, AGuardLeftByABreakerThatDiedDoesNotKeepTheStaleLock) {
    place(lockText("altra-postazione", 1, now.addSecs(-120)), now.addSecs(-120));
    QFile guard(path() + QStringLiteral(".rottura"));
    ASSERT_TRUE(guard.open(QIODevice::WriteOnly));
    ASSERT_TRUE(guard.setFileTime(now.addSecs(-30), QFileDevice::FileModificationTime));
    guard.close();
    LockFile lock(path());
    ASSERT_EQ(lock.acquire(QDeadlineTimer(10s)), LockFile::Result::Locked);
    lock.release();
    EXPECT_TRUE(folder().isEmpty()) << folder().join(u' ').toStdString();
}

TEST_F(LockFileTest, BreakersThatSawTheSameStaleLockNeverMoveTheNewHoldersLock) {
    // Every station waiting on a stale lock judges it stale at once; the
    // first to break it lets a new holder in while the others still act on
    // what they saw. Round after round, each waiter must get the lock, one
    // at a time, and the last release must leave no lock file behind.
    for (int round = 0; round < 150; ++round) {
        place(lockText("altra-postazione", 1, now.addSecs(-120)), now.addSecs(-120));
        std::atomic<int> inside{0};
        std::atomic<int> most{0};
        std::atomic<int> taken{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&] {
                LockFile lock(path());
                if (lock.acquire(QDeadlineTimer(10s)) != LockFile::Result::Locked) return;
                const int n = ++inside;
                most = std::max(most.load(), n);
                --inside;
                ++taken;
                lock.release();
            });
        }
        for (auto& t : threads) t.join();
        ASSERT_EQ(taken, 4) << "round " << round;
        ASSERT_EQ(most, 1) << "round " << round;
        ASSERT_TRUE(folder().isEmpty())
            << "round " << round << ": " << folder().join(u' ').toStdString();
    }
}

}  // namespace
