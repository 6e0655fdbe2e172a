#include "backup/ZipArchive.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "backup/Sha256.h"

namespace {

constexpr qsizetype kMiB = 1 << 20;

// Bytes that compress as records do, with stretches that do not (as a
// photo): `size` bytes from a fixed generator.
QByteArray mixed(qsizetype size, unsigned variant) {
    std::mt19937 random(variant);
    QByteArray bytes;
    bytes.reserve(size);
    int record = 0;
    while (bytes.size() < size) {
        if (random() % 8 == 0) {
            for (int i = 0; i < 3000; ++i) bytes.append(char(random() & 0xff));
        } else {
            bytes.append(QStringLiteral("%1;ROSSI MARIO;Via Roma %2;Bergamo      ;")
                             .arg(++record, 6, 10, QChar(u'0'))
                             .arg(random() % 200)
                             .toLatin1());
        }
    }
    bytes.truncate(size);
    return bytes;
}

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Entries of every size around the pieces of 1 MiB the writer deflates on
// its threads: none, part of one, exactly one, one and a byte, several.
struct Sized {
    const char* name;
    qsizetype size;
};
const Sized kEntries[] = {
    {"vuoto.txt", 0},
    {"piccolo.txt", 1},
    {"quasi un pezzo.bin", kMiB - 1},
    {"un pezzo.bin", kMiB},
    {"un pezzo e un byte.bin", kMiB + 1},
    {"cartella/molti pezzi è.pro", 5 * kMiB + 12345},
};

TEST(ZipArchiveTest, EntriesOfManyPiecesRoundTripThroughUnzipAndPython) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString zip = folder.filePath(QStringLiteral("prova.zip"));
    QMap<QString, QByteArray> written;
    {
        ziparchive::Writer writer(zip);
        ASSERT_TRUE(writer.isOpen()) << writer.errorString().toStdString();
        unsigned variant = 1;
        for (const Sized& entry : kEntries) {
            const QString name = QString::fromUtf8(entry.name);
            const QByteArray bytes = mixed(entry.size, variant++);
            written.insert(name, bytes);
            // Files and bytes in turn.
            if (variant % 2 == 0) {
                QFile file(folder.filePath(QStringLiteral("sorgente %1").arg(variant)));
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                ASSERT_EQ(file.write(bytes), bytes.size());
                file.close();
                ASSERT_TRUE(writer.addFile(name, file.fileName()));
            } else {
                ASSERT_TRUE(writer.addBytes(name, bytes));
            }
        }
        qint64 lastDone = -1;
        bool ordered = true;
        ASSERT_TRUE(writer.close([&](qint64 done, qint64 total) {
            ordered = ordered && done > lastDone && done <= total;
            lastDone = done;
            return true;
        })) << writer.errorString().toStdString();
        EXPECT_TRUE(ordered);
    }

    // Read back by this program.
    ziparchive::Reader reader(zip);
    ASSERT_TRUE(reader.open()) << reader.errorString().toStdString();
    ASSERT_EQ(reader.entries().size(), std::size(kEntries));
    for (qsizetype i = 0; i < reader.entries().size(); ++i) {
        const QString name = reader.entries().at(i).name;
        EXPECT_EQ(name, QString::fromUtf8(kEntries[i].name));
        QByteArray bytes;
        ASSERT_TRUE(reader.readAll(i, &bytes, 64 * kMiB)) << reader.errorString().toStdString();
        EXPECT_TRUE(bytes == written.value(name)) << name.toStdString();
    }

    // unzip tests every entry's CRC-32.
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-t"), zip});
    ASSERT_TRUE(unzip.waitForFinished(60000));
    EXPECT_EQ(unzip.exitCode(), 0) << unzip.readAllStandardOutput().constData();

    // Python's zipfile: plain deflate, UTF-8 names, and each entry's SHA-256.
    const char* script = R"(
import hashlib, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
assert z.testzip() is None
for info in z.infolist():
    assert info.compress_type == zipfile.ZIP_DEFLATED, info.filename
    if not info.filename.isascii(): assert info.flag_bits & 0x800, info.filename
    print('%s  %d  %s' % (hashlib.sha256(z.read(info)).hexdigest(), info.file_size, info.filename))
)";
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromUtf8(script), zip});
    ASSERT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().constData();
    QStringList expected;
    for (const Sized& entry : kEntries) {
        const QString name = QString::fromUtf8(entry.name);
        expected.append(QStringLiteral("%1  %2  %3")
                            .arg(QString::fromLatin1(sha256(written.value(name))))
                            .arg(entry.size)
                            .arg(name));
    }
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()).trimmed().split(u'\n'), expected);
}

// A file's entry keeps its permissions, as unzip restores them.
TEST(ZipArchiveTest, AFilesEntryKeepsItsPermissions) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString zip = folder.filePath(QStringLiteral("prova.zip"));
    QFile file(folder.filePath(QStringLiteral("Cacciatori.pro")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(mixed(2 * kMiB, 5));
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup));
    {
        ziparchive::Writer writer(zip);
        ASSERT_TRUE(writer.addFile(QStringLiteral("Cacciatori.pro"), file.fileName()));
        ASSERT_TRUE(writer.close()) << writer.errorString().toStdString();
    }
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, zipfile\n"
                                 "print(oct(zipfile.ZipFile(sys.argv[1]).getinfo('Cacciatori.pro')"
                                 ".external_attr >> 16))"),
                  zip});
    ASSERT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.readAllStandardOutput().trimmed(), QByteArray("0o100640"))
        << python.readAllStandardError().constData();
}

TEST(ZipArchiveTest, ASourceThatCannotBeReadLeavesNoZip) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString zip = folder.filePath(QStringLiteral("prova.zip"));
    const QString missing = folder.filePath(QStringLiteral("sparito.pro"));
    ziparchive::Writer writer(zip);
    ASSERT_TRUE(writer.addBytes(QStringLiteral("a.txt"), mixed(3 * kMiB, 7)));
    ASSERT_TRUE(writer.addFile(QStringLiteral("sparito.pro"), missing));
    EXPECT_FALSE(writer.close());
    EXPECT_FALSE(writer.cancelled());
    EXPECT_TRUE(writer.errorString().contains(missing)) << writer.errorString().toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Annulla at the first piece, while the threads wait with as many pieces
// deflated ahead as they may hold, or at half of the work.
TEST(ZipArchiveTest, CancelledMidwayLeavesNoZip) {
    const qsizetype pieces = 4 * qMax(1, QThread::idealThreadCount()) + 4;
    for (const bool atFirst : {true, false}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString zip = folder.filePath(QStringLiteral("prova.zip"));
        ziparchive::Writer writer(zip);
        ASSERT_TRUE(writer.addBytes(QStringLiteral("a.txt"), mixed(pieces / 2 * kMiB, 3)));
        ASSERT_TRUE(writer.addBytes(QStringLiteral("b.txt"), mixed(pieces / 2 * kMiB, 4)));
        int calls = 0;
        EXPECT_FALSE(writer.close([&](qint64 done, qint64 total) {
            ++calls;
            if (atFirst) {
                // The threads have filled what they may hold ahead.
                QThread::msleep(200);
                return false;
            }
            return done < total / 2;
        }));
        EXPECT_TRUE(writer.cancelled());
        EXPECT_GE(calls, 1);
        EXPECT_LE(calls, pieces / 2 + 1);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

TEST(Sha256Test, AgreesWithKnownDigestsAndQt) {
    struct Case {
        QByteArray bytes;
        QByteArray digest;  // empty: Qt's
    };
    const Case cases[] = {
        {QByteArray(), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {mixed(3 * kMiB + 5, 9), {}},
    };
    for (const Case& c : cases) {
        const QByteArray expected = c.digest.isEmpty() ? sha256(c.bytes) : c.digest;
        Sha256 whole;
        whole.add(c.bytes);
        EXPECT_EQ(whole.hex(), expected);
        // In pieces of every size, and again after a result.
        Sha256 pieces;
        pieces.add("x");
        pieces.hex();
        for (qsizetype at = 0, step = 1; at < c.bytes.size(); at += step, step = step * 3 + 1) {
            pieces.add(c.bytes.mid(at, step));
        }
        EXPECT_EQ(pieces.hex(), expected);
    }
}

}  // namespace
