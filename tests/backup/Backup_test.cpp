#include "backup/Backup.h"

#include <gtest/gtest.h>
#include <utime.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <ctime>

#include "app/Archives.h"
#include "backup/BackupSettings.h"
#include "backup/Staging.h"
#include "backup/ZipArchive.h"
#include "base/LockFile.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "records/RecordFile.h"
#include "support/CommandRun.h"
#include "support/LockedElsewhere.h"
#include "support/WriteFailure.h"

namespace {

class FixedClock final : public Clock {
public:
    QDate today() const override { return now_.date(); }
    QDateTime now() const override { return now_; }
    QDateTime now_{QDate(2026, 3, 7), QTime(10, 30, 0)};
};

// The record size of an archive file of the registry, by its file name.
qsizetype recordSizeOf(const QString& name) {
    return backup::ownedKind(name, archives::all()).value_or(0);
}

QByteArray records(const QString& name, int count, char fill) {
    return QByteArray(recordSizeOf(name) * count, fill);
}

class BackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid());
        paths::setDataFolder(data.path());
        seams::setClock(&clock);
        write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 3, 'c'));
        write(QStringLiteral("2025.sca"), records(QStringLiteral("2025.sca"), 2, 's'));
        write(QStringLiteral("2026.sca"), records(QStringLiteral("2026.sca"), 4, 't'));
        write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=1234\r\n");
        write(QStringLiteral("Impostazioni.ini"), "[Backup]\r\nConserva=10\r\n");
        write(QStringLiteral("Documenti_Allegati/lettera è.txt"), "allegato");
        write(QStringLiteral("Schedario/Arma_1.jpg"), QByteArray(5000, 'j'));
        write(QStringLiteral("altro programma.txt"), "non suo");
    }
    void TearDown() override { seams::setClock(nullptr); }

    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(data.filePath(name)).absolutePath());
        QFile f(data.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray read(const QString& name) const {
        QFile f(data.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(manca)");
    }
    // Every file of the data folder but the backups, byte for byte.
    QMap<QString, QByteArray> everything() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(data.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = QDir(data.path()).relativeFilePath(it.next());
            if (!name.startsWith(QStringLiteral("Backup/"))) files.insert(name, read(name));
        }
        return files;
    }
    QString backups() const { return data.filePath(QStringLiteral("Backup")); }
    backup::Outcome take(int keep = 10) { return backup::create(archives::all(), backups(), keep); }

    QTemporaryDir data;
    FixedClock clock;
};

TEST_F(BackupTest, HoldsEveryFileTheProgramOwnsAndIndependentReadersAgree) {
    const backup::Outcome outcome = take();
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(QFileInfo(outcome.path).fileName(),
              QStringLiteral("Selvadoro-2026-03-07-103000.zip"));

    // unzip tests every entry.
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-t"), outcome.path});
    ASSERT_TRUE(unzip.waitForFinished(60000));
    EXPECT_EQ(unzip.exitCode(), 0) << unzip.readAllStandardOutput().constData();

    // Python's zipfile: the names, UTF-8 flagged where not ASCII, plain
    // deflate, and every SHA-256 of the list as sha256sum -c would check it.
    const char* script = R"(
import hashlib, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
assert z.testzip() is None
lines = z.read('selvadoro-backup.txt').decode('utf-8').splitlines()
for info in z.infolist():
    assert info.compress_type == zipfile.ZIP_DEFLATED, info.filename
    if not info.filename.isascii(): assert info.flag_bits & 0x800, info.filename
for line in lines[5:]:
    digest, size, records, name = line.split('  ', 3)
    data = z.read(name)
    assert hashlib.sha256(data).hexdigest() == digest, name
    assert len(data) == int(size), name
print('\n'.join(sorted(z.namelist())))
)";
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(script), outcome.path});
    ASSERT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().constData();
    EXPECT_EQ(
        QString::fromUtf8(python.readAllStandardOutput()).trimmed().split(u'\n'),
        (QStringList{QStringLiteral("2025.sca"), QStringLiteral("2026.sca"),
                     QStringLiteral("Cacciatori.pro"),
                     QStringLiteral("Documenti_Allegati/lettera è.txt"),
                     QStringLiteral("Impostazioni.ini"), QStringLiteral("Schedario/Arma_1.jpg"),
                     QStringLiteral("selvadoro-backup.txt"), QStringLiteral("unins000.dll")}));

    // The list gives the record counts.
    const QList<backup::Listed> listed = backup::list(backups());
    ASSERT_EQ(listed.size(), 1);
    QMap<QString, qint64> counts;
    for (const backup::FileEntry& file : listed.first().manifest.files)
        counts[file.name] = file.records;
    EXPECT_EQ(counts.value(QStringLiteral("Cacciatori.pro")), 3);
    EXPECT_EQ(counts.value(QStringLiteral("2026.sca")), 4);
    EXPECT_EQ(counts.value(QStringLiteral("unins000.dll")), -1);
}

TEST_F(BackupTest, RestorePutsTheBackupBackAfterBackingUpThePresentState) {
    const backup::Outcome first = take();
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    const auto atBackup = everything();
    write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 5, 'x'));
    write(QStringLiteral("Schedario/Arma_1.jpg"), "nuova");
    const auto changed = everything();

    const auto rows = backup::changes(first.manifest, archives::all());
    const auto hunters = std::find_if(rows.begin(), rows.end(), [](const backup::Change& c) {
        return c.name == QStringLiteral("Cacciatori.pro");
    });
    ASSERT_NE(hunters, rows.end());
    EXPECT_EQ(hunters->recordsNow, 5);
    EXPECT_EQ(hunters->recordsInBackup, 3);

    clock.now_ = clock.now_.addSecs(60);
    const backup::Outcome restored = backup::restore(first.path, archives::all(), backups(), 10);
    ASSERT_TRUE(restored.ok) << restored.error.toStdString();
    EXPECT_EQ(everything(), atBackup);
    // The state before the restore is in a backup of its own.
    const backup::Outcome before = backup::verify(restored.path, archives::all());
    ASSERT_TRUE(before.ok) << before.error.toStdString();
    QMap<QString, qint64> sizes;
    for (const auto& file : before.manifest.files) sizes[file.name] = file.size;
    EXPECT_EQ(sizes.value(QStringLiteral("Cacciatori.pro")),
              changed.value("Cacciatori.pro").size());
}

// A damaged or foreign zip is refused by the check and by the restore,
// which leaves every file as it was and writes nothing outside the folder.
struct BadZip {
    const char* name;
    // Python that writes the zip sys.argv[2] from the good backup sys.argv[1].
    const char* script;
    // What the message says, naming the entry (when it has one).
    const char* says = nullptr;
};

const BadZip kBadZips[] = {
    {"FlippedByte", R"(
data = bytearray(open(sys.argv[1], 'rb').read()); data[200] ^= 0x55
open(sys.argv[2], 'wb').write(data))"},
    {"Truncated", R"(
data = open(sys.argv[1], 'rb').read(); open(sys.argv[2], 'wb').write(data[:len(data) // 2]))"},
    {"EntryOutsideTheFolder", R"(
entries = {'../fuori.txt': b'x'}
write(entries, manifest(entries)))"},
    {"AbsoluteEntry", R"(
entries = {'/tmp/selvadoro-assoluto.txt': b'x'}
write(entries, manifest(entries)))"},
    {"ZipOfAnotherProgram", R"(
write({'Cacciatori.pro': b'c' * 10}, None))"},
    {"ListedFileMissing", R"(
entries = {'unins000.dll': b'x'}
text = manifest(entries).replace('file: 1', 'file: 2') + '0' * 64 + '  1  -  Impostazioni.ini\n'
write(entries, text))"},
    {"ChecksumMismatch", R"(
entries = {'unins000.dll': b'x'}
write({'unins000.dll': b'y'}, manifest(entries)))"},
    // A settings file of 256 MiB of zeros, its SHA-256 listed right: refused
    // by its size before a byte of it is read.
    {"HugeSettingsFile", R"(
size = 256 << 20
digest = hashlib.sha256()
block = bytes(1 << 20)
for i in range(size >> 20): digest.update(block)
text = manifest({}).replace('file: 0', 'file: 1') + '%s  %d  -  Impostazioni.ini\n' % (digest.hexdigest(), size)
with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as z:
    with z.open('Impostazioni.ini', 'w', force_zip64=True) as f:
        for i in range(size >> 20): f.write(block)
    z.writestr('selvadoro-backup.txt', text))",
     "la voce Impostazioni.ini è troppo grande (256,0 MB) per un file di impostazioni"},
    // A symbolic link stored as the hunters' archive, its text the link's.
    {"SymlinkEntry", R"(
link = b'/home/segretario/Cacciatori.pro'
info = zipfile.ZipInfo('Cacciatori.pro')
info.create_system = 3
info.external_attr = 0o120777 << 16
text = manifest({}).replace('file: 0', 'file: 1') + '%s  %d  0  Cacciatori.pro\n' % (hashlib.sha256(link).hexdigest(), len(link))
with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as z:
    z.writestr(info, link)
    z.writestr('selvadoro-backup.txt', text))",
     "la voce Cacciatori.pro è un collegamento o un file speciale, non un file"},
    {"DeviceEntry", R"(
info = zipfile.ZipInfo('Documenti_Allegati/disco')
info.create_system = 3
info.external_attr = 0o060644 << 16
text = manifest({}).replace('file: 0', 'file: 1') + '%s  0  -  Documenti_Allegati/disco\n' % hashlib.sha256(b'').hexdigest()
with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as z:
    z.writestr(info, b'')
    z.writestr('selvadoro-backup.txt', text))",
     "la voce Documenti_Allegati/disco è un collegamento o un file speciale, non un file"},
    {"RecordFileOfPartRecords", R"(
data = b'c' * 100
text = manifest({}).replace('file: 0', 'file: 1') + '%s  100  0  Cacciatori.pro\n' % hashlib.sha256(data).hexdigest()
write({'Cacciatori.pro': data}, text))",
     "la voce Cacciatori.pro non è fatta di schede intere"},
    {"ListedSizeDiffersFromTheZips", R"(
entries = {'unins000.dll': b'xyz'}
write({'unins000.dll': b'xyzw'}, manifest(entries)))",
     "la voce unins000.dll dichiara 4 byte, l'elenco ne indica 3"},
    // An entry whose zip64 sizes declare 2^60 bytes, and a list that agrees.
    {"Zip64EntryOf2To60Bytes", R"(
import struct, zlib
name = b'Documenti_Allegati/enorme.pdf'
data = b'x'
huge = 1 << 60
crc = zlib.crc32(data)
deflate = zlib.compressobj(9, zlib.DEFLATED, -15)
packed = deflate.compress(data) + deflate.flush()
extra = struct.pack('<HHQQ', 1, 16, huge, len(packed))
local = struct.pack('<IHHHHHIIIHH', 0x04034b50, 45, 0x800, 8, 0, 0x21, crc, 0xFFFFFFFF, 0xFFFFFFFF, len(name), len(extra)) + name + extra + packed
text = (manifest({}).replace('file: 0', 'file: 1') + '%s  %d  -  %s\n' % (hashlib.sha256(data).hexdigest(), huge, name.decode())).encode()
mcrc = zlib.crc32(text)
mname = b'selvadoro-backup.txt'
mlocal = struct.pack('<IHHHHHIIIHH', 0x04034b50, 20, 0x800, 0, 0, 0x21, mcrc, len(text), len(text), len(mname), 0) + mname + text
central = struct.pack('<IHHHHHHIIIHHHHHII', 0x02014b50, 45 | (3 << 8), 45, 0x800, 8, 0, 0x21, crc, 0xFFFFFFFF, 0xFFFFFFFF, len(name), len(extra), 0, 0, 0, 0o100644 << 16, 0) + name + extra
central += struct.pack('<IHHHHHHIIIHHHHHII', 0x02014b50, 20 | (3 << 8), 20, 0x800, 0, 0, 0x21, mcrc, len(text), len(text), len(mname), 0, 0, 0, 0, 0o100644 << 16, len(local)) + mname
body = local + mlocal
end = struct.pack('<IHHHHIIH', 0x06054b50, 0, 0, 2, 2, len(central), len(body), 0)
open(sys.argv[2], 'wb').write(body + central + end))",
     "Documenti_Allegati/enorme.pdf"},
    {"RepeatedEntry", R"(
import warnings
warnings.simplefilter('ignore')
entries = {'unins000.dll': b'x'}
with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as z:
    z.writestr('unins000.dll', b'x')
    z.writestr('unins000.dll', b'y')
    z.writestr('selvadoro-backup.txt', manifest(entries)))",
     "la voce unins000.dll è ripetuta"},
    {"FolderGivenAsTheZip", R"(
import os
os.mkdir(sys.argv[2]))",
     "il nome indica una cartella, non un file"},
};

class BadZipTest : public BackupTest, public ::testing::WithParamInterface<BadZip> {};

TEST_P(BadZipTest, IsRefusedAndNothingChanges) {
    const backup::Outcome good = take();
    ASSERT_TRUE(good.ok) << good.error.toStdString();
    const QString bad = data.filePath(QStringLiteral("cattivo.zip"));
    const QString helpers = QStringLiteral(R"(
import hashlib, sys, zipfile
def manifest(entries):
    text = 'Selvadoro - backup della cartella dei dati\nversione: 1.0.0\ndata: 2026-03-07 10:30:00\nfile: %d\n# SHA-256, byte, schede, file\n' % len(entries)
    for name, data in entries.items():
        text += '%s  %d  -  %s\n' % (hashlib.sha256(data).hexdigest(), len(data), name)
    return text
def write(entries, text):
    with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as z:
        for name, data in entries.items(): z.writestr(name, data)
        if text is not None: z.writestr('selvadoro-backup.txt', text)
)") + QString::fromUtf8(GetParam().script);
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), helpers, good.path, bad});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().constData();

    write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 1, 'n'));
    const auto before = everything();
    const backup::Outcome checked = backup::verify(bad, archives::all());
    EXPECT_FALSE(checked.ok);
    EXPECT_TRUE(checked.error.startsWith(QStringLiteral("Il backup ")))
        << checked.error.toStdString();
    const backup::Outcome restored = backup::restore(bad, archives::all(), backups(), 10);
    EXPECT_FALSE(restored.ok);
    EXPECT_TRUE(restored.error.startsWith(QStringLiteral("Ripristino non eseguito")))
        << restored.error.toStdString();
    EXPECT_EQ(everything(), before);
    // The commands say the same, naming the entry, and change nothing.
    const QString says = QString::fromUtf8(GetParam().says);
    const QStringList commands[] = {{QStringLiteral("backup"), QStringLiteral("--verifica"), bad},
                                    {QStringLiteral("ripristina"), bad, QStringLiteral("--prova")},
                                    {QStringLiteral("ripristina"), bad}};
    for (const QStringList& command : commands) {
        const CommandResult result = runCommand(command);
        EXPECT_EQ(result.status, 1) << command.join(u' ').toStdString();
        EXPECT_TRUE(result.err.contains(says)) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains(QStringLiteral("errore del file system")))
            << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    }
    EXPECT_TRUE(checked.error.contains(says)) << checked.error.toStdString();
    EXPECT_EQ(everything(), before);
    EXPECT_FALSE(
        QFile::exists(QFileInfo(data.path()).absolutePath() + QStringLiteral("/fuori.txt")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/selvadoro-assoluto.txt")));
}

INSTANTIATE_TEST_SUITE_P(Backup, BadZipTest, ::testing::ValuesIn(kBadZips),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(BackupTest, RestoreFailingMidwayLeavesEveryFileAsItWas) {
    const backup::Outcome good = take();
    ASSERT_TRUE(good.ok) << good.error.toStdString();
    write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 7, 'z'));
    write(QStringLiteral("2026.sca"), records(QStringLiteral("2026.sca"), 1, 'z'));
    const auto before = everything();
    clock.now_ = clock.now_.addSecs(60);
    backup::Outcome restored;
    {
        // The photos' folder cannot be written: the record files, replaced
        // first, must be put back.
        WriteFailure failure(WriteFailure::Kind::ReadOnlyFolder,
                             data.filePath(QStringLiteral("Schedario")));
        if (!failure.possible()) GTEST_SKIP() << "permissions cannot be enforced here";
        restored = backup::restore(good.path, archives::all(), backups(), 10);
    }
    EXPECT_FALSE(restored.ok);
    EXPECT_TRUE(restored.error.contains(QStringLiteral("Arma_1.jpg")))
        << restored.error.toStdString();
    EXPECT_EQ(everything(), before);
}

TEST_F(BackupTest, RestoreIsRefusedWhileAnotherStationHoldsALock) {
    const backup::Outcome good = take();
    ASSERT_TRUE(good.ok) << good.error.toStdString();
    write(QStringLiteral("2025.sca"), records(QStringLiteral("2025.sca"), 9, 'q'));
    const auto before = everything();
    backup::Outcome restored;
    {
        LockedElsewhere other(data.filePath(QStringLiteral("2025.sca")));
        const auto whileLocked = everything();
        restored = backup::restore(good.path, archives::all(), backups(), 10);
        EXPECT_EQ(everything(), whileLocked);
    }
    EXPECT_FALSE(restored.ok);
    EXPECT_EQ(restored.error, QStringLiteral("Ripristino impossibile: l'archivio 2025.sca è in uso "
                                             "su altra-postazione.\nChiudere Selvadoro sulle altre "
                                             "postazioni e riprovare."));
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(backup::list(backups()).size(), 1);
}

TEST_F(BackupTest, KeepsTheNewestAndAFailedBackupRemovesNone) {
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(take(3).ok);
        clock.now_ = clock.now_.addDays(1);
    }
    QStringList names;
    for (const auto& item : backup::list(backups())) names.append(QFileInfo(item.path).fileName());
    EXPECT_EQ(names, (QStringList{QStringLiteral("Selvadoro-2026-03-11-103000.zip"),
                                  QStringLiteral("Selvadoro-2026-03-10-103000.zip"),
                                  QStringLiteral("Selvadoro-2026-03-09-103000.zip")}));
    // A folder that cannot be written, a disk that is full: the backup
    // fails, and no earlier backup goes.
    for (const auto kind : {WriteFailure::Kind::ReadOnlyFolder, WriteFailure::Kind::FullDisk}) {
        clock.now_ = clock.now_.addDays(1);
        backup::Outcome failed;
        {
            WriteFailure failure(kind, backups());
            if (!failure.possible()) continue;
            failed = take(1);
        }
        EXPECT_FALSE(failed.ok) << WriteFailure::name(kind);
        EXPECT_TRUE(failed.error.startsWith(QStringLiteral("Backup non riuscito: ")))
            << failed.error.toStdString();
        EXPECT_EQ(backup::list(backups()).size(), 3) << WriteFailure::name(kind);
        EXPECT_EQ(QDir(backups()).entryList(QDir::Files | QDir::Hidden).size(), 3)
            << WriteFailure::name(kind);
    }
}

TEST_F(BackupTest, TwoBackupsInTheSameSecondKeepBoth) {
    ASSERT_TRUE(take().ok);
    ASSERT_TRUE(take().ok);
    EXPECT_EQ(backup::list(backups()).size(), 2);
}

TEST_F(BackupTest, ABackupFolderInsideACopiedFolderIsRefused) {
    const backup::Outcome outcome = backup::create(
        archives::all(), data.filePath(QStringLiteral("Documenti_Allegati/Backup")), 10);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("che il backup copia")));
    EXPECT_FALSE(QFileInfo::exists(data.filePath(QStringLiteral("Documenti_Allegati/Backup"))));
}

// Whole records, each different from the next, `bytes` long or a little
// less: record files that fill several pieces of 1 MiB of the zip.
QByteArray manyRecords(const QString& name, qsizetype bytes, char mark) {
    const qsizetype size = recordSizeOf(name);
    QByteArray out;
    for (qsizetype i = 0; out.size() + size <= bytes; ++i) {
        const QByteArray unit = QByteArray::number(i * 7919 % 100003) + mark + ';';
        out += unit.repeated(size / unit.size() + 1).left(size);
    }
    return out;
}

class LargeBackupTest : public BackupTest {
protected:
    void SetUp() override {
        BackupTest::SetUp();
        write(QStringLiteral("Cacciatori.pro"),
              manyRecords(QStringLiteral("Cacciatori.pro"), 5 * 1024 * 1024 + 777, 'c'));
        write(QStringLiteral("2026.sca"),
              manyRecords(QStringLiteral("2026.sca"), 4 * 1024 * 1024, 's'));
    }
};

// A byte flipped anywhere in a large entry (in its first, middle or last
// pieces) is caught by the check, whichever thread reads that entry.
TEST_F(LargeBackupTest, AByteFlippedInAnyPieceOfALargeEntryIsCaught) {
    const backup::Outcome good = take();
    ASSERT_TRUE(good.ok) << good.error.toStdString();
    struct Case {
        const char* entry;
        double at;  // where in its compressed data
    };
    const Case cases[] = {{"Cacciatori.pro", 0.1},
                          {"Cacciatori.pro", 0.5},
                          {"Cacciatori.pro", 0.95},
                          {"2026.sca", 0.5}};
    const char* script = R"(
import struct, sys, zipfile
data = bytearray(open(sys.argv[1], 'rb').read())
info = zipfile.ZipFile(sys.argv[1]).getinfo(sys.argv[2])
names, extra = struct.unpack('<HH', data[info.header_offset + 26:info.header_offset + 30])
start = info.header_offset + 30 + names + extra
data[start + int(info.compress_size * float(sys.argv[3]))] ^= 0x10
open(sys.argv[4], 'wb').write(data))";
    const QString bad = data.filePath(QStringLiteral("cattivo.zip"));
    for (const Case& c : cases) {
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"), QString::fromUtf8(script), good.path,
                      QString::fromUtf8(c.entry), QString::number(c.at), bad});
        ASSERT_TRUE(python.waitForFinished(60000));
        ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().constData();
        const backup::Outcome checked = backup::verify(bad, archives::all());
        EXPECT_FALSE(checked.ok) << c.entry << " " << c.at;
        EXPECT_TRUE(checked.error.startsWith(QStringLiteral("Il backup ")))
            << checked.error.toStdString();
    }
    EXPECT_TRUE(backup::verify(good.path, archives::all()).ok);
}

// Annulla while the files are copied, compressed or read back: no zip is
// left, not even a temporary one, and the earlier backup stays whole.
TEST_F(LargeBackupTest, AnnullaAtAnyStepLeavesNoZipAndKeepsTheEarlierBackup) {
    const backup::Outcome earlier = take(1);
    ASSERT_TRUE(earlier.ok) << earlier.error.toStdString();
    const QStringList before = QDir(backups()).entryList(QDir::Files | QDir::Hidden);
    struct Case {
        const char* step;
        qint64 at;  // thousandths of the whole: copy, compression, check
    };
    for (const Case& c : {Case{"copia", 200}, Case{"compressione", 1500}, Case{"verifica", 2500}}) {
        clock.now_ = clock.now_.addSecs(60);
        qint64 reached = 0;
        const backup::Outcome cancelled =
            backup::create(archives::all(), backups(), 1, [&](qint64 done, qint64 total) {
                reached = done * 3000 / total;
                return reached < c.at;
            });
        EXPECT_FALSE(cancelled.ok) << c.step;
        EXPECT_TRUE(cancelled.cancelled) << c.step;
        EXPECT_EQ(cancelled.error, QStringLiteral("Backup non riuscito: annullato")) << c.step;
        EXPECT_LT(reached, c.at + 1000) << c.step;
        EXPECT_EQ(QDir(backups()).entryList(QDir::Files | QDir::Hidden), before) << c.step;
        const backup::Outcome kept = backup::verify(earlier.path, archives::all());
        EXPECT_TRUE(kept.ok) << c.step << " " << kept.error.toStdString();
    }
}

// Whether every record of an archive's bytes is whole: a version the
// record writer wrote, its unit "<origin>:<sequence>:<version>;" repeated.
::testing::AssertionResult wholeRecords(const QByteArray& bytes, qsizetype size) {
    if (bytes.size() % size != 0) return ::testing::AssertionFailure() << "incomplete record";
    for (qsizetype at = 0; at < bytes.size(); at += size) {
        const QByteArray record = bytes.mid(at, size);
        const QByteArray unit = record.left(record.indexOf(';') + 1);
        if (unit.isEmpty() || unit.repeated(size / unit.size() + 1).left(size) != record) {
            return ::testing::AssertionFailure() << "torn record " << at / size + 1;
        }
    }
    return ::testing::AssertionSuccess();
}

// A writer saves from another process all along: every backup holds whole
// records only, each one a version the writer wrote, and so does every
// archive restored from them. `make stress` takes 100 backups
// (SELVADORO_BACKUP_ROUNDS).
TEST_F(BackupTest, ABackupTakenWhileAnotherProcessSavesHoldsWholeRecords) {
    const int rounds = qMax(1, qEnvironmentVariableIntValue("SELVADORO_BACKUP_ROUNDS"));
    const int taken = qEnvironmentVariableIsSet("SELVADORO_BACKUP_ROUNDS") ? rounds : 5;
    const QString path = data.filePath(QStringLiteral("Cacciatori.pro"));
    QFile::remove(path);
    const qsizetype size = recordSizeOf(QStringLiteral("Cacciatori.pro"));
    QProcess writer;
    writer.start(QStringLiteral(APPEND_WORKER),
                 {path, QString::number(size), QStringLiteral("w"), QStringLiteral("0"),
                  QStringLiteral("mixed"), QStringLiteral("keep=40"), QStringLiteral("pause=5")});
    ASSERT_TRUE(writer.waitForReadyRead(30000)) << writer.readAllStandardError().constData();
    QStringList zips;
    for (int i = 0; i < taken; ++i) {
        const backup::Outcome outcome = take(taken + 10);
        ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
        zips.append(outcome.path);
        clock.now_ = clock.now_.addSecs(1);
        ziparchive::Reader reader(outcome.path);
        ASSERT_TRUE(reader.open());
        for (qsizetype e = 0; e < reader.entries().size(); ++e) {
            if (reader.entries().at(e).name != QStringLiteral("Cacciatori.pro")) continue;
            QByteArray bytes;
            ASSERT_TRUE(reader.readAll(e, &bytes, 1 << 28));
            ASSERT_TRUE(wholeRecords(bytes, size)) << "backup " << i + 1;
        }
    }
    writer.kill();
    writer.waitForFinished(30000);
    // The restored archives too (the last few; all of them under stress).
    for (qsizetype i = qMax<qsizetype>(0, zips.size() - 3); i < zips.size(); ++i) {
        clock.now_ = clock.now_.addSecs(1);
        const backup::Outcome restored =
            backup::restore(zips.at(i), archives::all(), backups(), taken + 100);
        ASSERT_TRUE(restored.ok) << restored.error.toStdString();
        EXPECT_TRUE(wholeRecords(read(QStringLiteral("Cacciatori.pro")), size)) << "restore " << i;
    }
}

TEST_F(BackupTest, AnAutomaticBackupIsDueAsItsFrequencySays) {
    struct Case {
        backup::Frequency frequency;
        int daysSinceLast;  // -1: no backup yet
        backup::Moment moment;
        bool due;
    };
    const Case cases[] = {
        {backup::Frequency::Never, -1, backup::Moment::Exit, false},
        {backup::Frequency::AtExit, 0, backup::Moment::Exit, true},
        {backup::Frequency::AtExit, -1, backup::Moment::Start, false},
        {backup::Frequency::Daily, -1, backup::Moment::Start, true},
        {backup::Frequency::Daily, 0, backup::Moment::Exit, false},
        {backup::Frequency::Daily, 1, backup::Moment::Start, true},
        {backup::Frequency::Weekly, 6, backup::Moment::Start, false},
        {backup::Frequency::Weekly, 7, backup::Moment::Exit, true},
    };
    for (const Case& c : cases) {
        QDir(backups()).removeRecursively();
        if (c.daysSinceLast >= 0) {
            const QDateTime now = clock.now_;
            clock.now_ = now.addDays(-c.daysSinceLast);
            ASSERT_TRUE(take().ok);
            clock.now_ = now;
        }
        backup::Settings settings;
        settings.frequency = c.frequency;
        EXPECT_EQ(backup::isDue(settings, c.moment, clock.now_), c.due)
            << int(c.frequency) << " " << c.daysSinceLast;
    }
}

TEST_F(BackupTest, SettingsAreKeptBesideThePasswordFile) {
    backup::Settings settings;
    settings.folder = QStringLiteral("/media/chiavetta USB/Backup è");
    settings.frequency = backup::Frequency::Weekly;
    settings.keep = 4;
    settings.lastError = QStringLiteral("Backup non riuscito:\ndisco pieno");
    QString error;
    ASSERT_TRUE(backup::writeSettings(settings, &error)) << error.toStdString();
    EXPECT_EQ(backup::settingsPath(), data.filePath(QStringLiteral("Impostazioni.ini")));
    const backup::Settings back = backup::readSettings();
    EXPECT_EQ(back.folder, settings.folder);
    EXPECT_EQ(back.frequency, settings.frequency);
    EXPECT_EQ(back.keep, 4);
    EXPECT_EQ(back.lastError, settings.lastError);
}

TEST_F(BackupTest, CommandsTakeCheckListAndTryARestore) {
    const QString folder = data.filePath(QStringLiteral("altrove"));
    CommandResult taken =
        runCommand({QStringLiteral("backup"), QStringLiteral("--destinazione"), folder});
    ASSERT_EQ(taken.status, 0) << taken.err.toStdString();
    const QString zip = backup::list(folder).value(0).path;
    EXPECT_EQ(
        taken.out.toStdString(),
        QStringLiteral("Backup scritto e verificato: %1 (7 file)\nLa cartella dei backup %2 "
                       "è sullo stesso disco dei dati: non protegge da un guasto del disco.\n")
            .arg(QDir::toNativeSeparators(zip), QDir::toNativeSeparators(folder))
            .toStdString());
    const CommandResult checked =
        runCommand({QStringLiteral("backup"), QStringLiteral("--verifica"), zip});
    EXPECT_EQ(checked.status, 0) << checked.err.toStdString();
    EXPECT_TRUE(checked.out.contains(QStringLiteral("  Cacciatori.pro: 3 schede\n")));
    const CommandResult listed = runCommand({QStringLiteral("backup"), QStringLiteral("--elenco"),
                                             QStringLiteral("--destinazione"), folder});
    EXPECT_EQ(listed.status, 0);
    EXPECT_TRUE(listed.out.contains(QStringLiteral("07/03/2026 10:30:00")));
    write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 1, 'n'));
    const auto before = everything();
    const CommandResult tried =
        runCommand({QStringLiteral("ripristina"), zip, QStringLiteral("--prova")});
    EXPECT_EQ(tried.status, 0) << tried.err.toStdString();
    EXPECT_TRUE(tried.out.contains(QStringLiteral("  Cacciatori.pro: 1 -> 3 *\n")))
        << tried.out.toStdString();
    EXPECT_EQ(everything(), before);
    const CommandResult broken = runCommand({QStringLiteral("backup"), QStringLiteral("--verifica"),
                                             data.filePath(QStringLiteral("Cacciatori.pro"))});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("non è un file zip")))
        << broken.err.toStdString();
    EXPECT_EQ(runCommand({QStringLiteral("ripristina")}).status, 2);
}

// The files of a restore stopped after each of its steps, as a kill would
// leave them: the next command finishes it before it reads, every archive is
// then the backup's whole, and the next save and backup work.
TEST_F(BackupTest, ARestoreStoppedAfterAnyStepIsFinishedByTheNextCommand) {
    const backup::Outcome good = take();
    ASSERT_TRUE(good.ok) << good.error.toStdString();
    const auto atBackup = everything();
    // The state the restore replaces: files changed, a file missing and a
    // folder missing, which the restore puts back.
    const auto change = [&] {
        write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 5, 'x'));
        write(QStringLiteral("2026.sca"), records(QStringLiteral("2026.sca"), 1, 'y'));
        write(QStringLiteral("Schedario/Arma_1.jpg"), "nuova");
        QFile::remove(data.filePath(QStringLiteral("2025.sca")));
        QDir(data.filePath(QStringLiteral("Documenti_Allegati"))).removeRecursively();
    };
    const QString place = data.filePath(QString::fromLatin1(backup::staging::kPlaceName));
    int steps = 0;
    for (int stop = 1;; ++stop) {
        SCOPED_TRACE("stopped after step " + std::to_string(stop));
        change();
        clock.now_ = clock.now_.addSecs(60);
        backup::stopNextRestoreAfter(stop);
        const backup::Outcome restored =
            backup::restore(good.path, archives::all(), backups(), 100);
        if (restored.ok) {
            steps = stop - 1;
            EXPECT_EQ(everything(), atBackup);
            break;
        }
        ASSERT_EQ(restored.error, QStringLiteral("interrotto"));
        ASSERT_EQ(QDir(place).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);

        const CommandResult next =
            runCommand({QStringLiteral("cerca"), QStringLiteral("anagrafica")});
        EXPECT_EQ(next.status, 0) << next.err.toStdString();
        EXPECT_EQ(everything(), atBackup);
        EXPECT_TRUE(QDir(place).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

        // A save appends to the restored archive, and a backup holds it.
        const QString hunters = data.filePath(QStringLiteral("Cacciatori.pro"));
        const qsizetype size = recordSizeOf(QStringLiteral("Cacciatori.pro"));
        {
            RecordFile file(hunters, size);
            ASSERT_TRUE(file.open(RecordFile::Access::Write)) << file.errorString().toStdString();
            ASSERT_TRUE(file.writeAt(file.count(), QByteArray(size, 'n')))
                << file.errorString().toStdString();
        }
        EXPECT_EQ(QFileInfo(hunters).size(), 4 * size);
        const backup::Outcome after = take(100);
        EXPECT_TRUE(after.ok) << after.error.toStdString();
        write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 3, 'c'));
    }
    // The journal, the folder made, seven files each moved aside and in
    // (but 2025.sca and the attachment, which had none to move aside), and
    // the journal's removal.
    EXPECT_EQ(steps, 1 + 1 + 7 + 5 + 1);
}

// A restore stopped part way is taken back when it cannot be finished: a
// file of the backup that can no longer be put in place (its folder became
// a file) leaves every file as before the restore.
TEST_F(BackupTest, ARestoreThatCannotBeFinishedIsTakenBackWhole) {
    const backup::Outcome good = take();
    ASSERT_TRUE(good.ok) << good.error.toStdString();
    write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 5, 'x'));
    QDir(data.filePath(QStringLiteral("Documenti_Allegati"))).removeRecursively();
    const auto before = everything();
    clock.now_ = clock.now_.addSecs(60);
    backup::stopNextRestoreAfter(1);  // the journal written, nothing moved
    ASSERT_EQ(backup::restore(good.path, archives::all(), backups(), 10).error,
              QStringLiteral("interrotto"));
    write(QStringLiteral("Documenti_Allegati"), "un file dove andava la cartella");
    const QString settled = backup::staging::settleInterrupted();
    EXPECT_TRUE(
        settled.startsWith(QStringLiteral("Un ripristino interrotto non si è potuto "
                                          "completare: ")))
        << settled.toStdString();
    EXPECT_TRUE(settled.contains(QStringLiteral("tornati come prima"))) << settled.toStdString();
    auto expected = before;
    expected.insert(QStringLiteral("Documenti_Allegati"), "un file dove andava la cartella");
    EXPECT_EQ(everything(), expected);
    EXPECT_TRUE(backup::staging::settleInterrupted().isEmpty());
}

// Staging of processes that are gone (a killed backup's snapshot and
// unfinished zip, a killed restore's folder, an earlier version's restore
// folder) goes at the next backup; the work of a live process stays.
TEST_F(BackupTest, StaleStagingOfKilledWorkGoesAtTheNextBackup) {
    QDir().mkpath(backups());
    const QString place = data.filePath(QString::fromLatin1(backup::staging::kPlaceName));
    // A process id beyond any the system hands out.
    const QByteArray deadOwner = LockFile::describe(
        {LockFile::thisStation(), 99999999, QDateTime::currentDateTimeUtc()}, "99999999-0badcafe");
    write(QStringLiteral(".Selvadoro-appoggio/backup-99999999-0badcafe/proprietario"), deadOwner);
    write(QStringLiteral(".Selvadoro-appoggio/backup-99999999-0badcafe/Cacciatori.pro"), "copia");
    write(QStringLiteral(".Selvadoro-appoggio/ripristino-99999999-0badcaff/proprietario"),
          deadOwner);
    write(QStringLiteral(".Selvadoro-appoggio/ripristino-99999999-0badcaff/nuovi/0"), "copia");
    write(QStringLiteral("Backup/.Selvadoro-99999999-0badcafe.zip.tmp"), "zip a metà");
    write(QStringLiteral("Backup/.Selvadoro-99999999-0badcafe.zip.tmp.Ab12Cd"), "zip a metà");
    write(QStringLiteral("Backup/.Selvadoro-1234-12345678.zip.tmp"), "di una versione precedente");
    write(QStringLiteral(".ripristino-Ab12Cd/nuovi/0"), "copia");
    QDir().mkpath(data.filePath(QStringLiteral(".ripristino-Ab12Cd/vecchi")));
    // An earlier version's restore folder still holding a file it took out
    // of the data folder is kept.
    write(QStringLiteral(".ripristino-Zz99Yy/vecchi/0"), "il solo originale");
    for (const char* old : {".ripristino-Ab12Cd", ".ripristino-Zz99Yy"}) {
        const QByteArray path = QFile::encodeName(data.filePath(QString::fromLatin1(old)));
        const utimbuf times{std::time(nullptr) - 3600, std::time(nullptr) - 3600};
        ASSERT_EQ(::utime(path.constData(), &times), 0);
    }
    // A live backup of this process.
    const backup::staging::Folder live(QStringLiteral("backup"));
    ASSERT_TRUE(live.isValid()) << live.errorString().toStdString();
    const QString liveZip = QStringLiteral("Backup/.Selvadoro-%1.zip.tmp").arg(live.id());
    write(liveZip, "in corso");

    ASSERT_TRUE(take().ok);
    EXPECT_EQ(QDir(place).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QFileInfo(live.path()).fileName()});
    QStringList left = QDir(backups()).entryList(QDir::Files | QDir::Hidden);
    left.removeIf([](const QString& name) { return backup::isBackupName(name); });
    EXPECT_EQ(left, QStringList{QFileInfo(liveZip).fileName()});
    EXPECT_FALSE(QFileInfo::exists(data.filePath(QStringLiteral(".ripristino-Ab12Cd"))));
    EXPECT_EQ(read(QStringLiteral(".ripristino-Zz99Yy/vecchi/0")), "il solo originale");
}

// Copies of the members' data stay in the data folder's staging place,
// readable by its owner alone: nothing reaches the system's temporary
// folder, during a backup or a restore.
TEST_F(BackupTest, SnapshotsStayInTheDataFoldersOwnStagingPlace) {
    QTemporaryDir systemTemp;
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(systemTemp.path()));
    const QString place = data.filePath(QString::fromLatin1(backup::staging::kPlaceName));
    QStringList seen;
    const auto look = [&](qint64, qint64) {
        QDirIterator it(place, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = QDir(place).relativeFilePath(it.next());
            if (!seen.contains(name.section(u'/', 1))) seen.append(name.section(u'/', 1));
        }
        return true;
    };
    const backup::Outcome taken = backup::create(archives::all(), backups(), 10, look);
    ASSERT_TRUE(taken.ok) << taken.error.toStdString();
    EXPECT_TRUE(seen.contains(QStringLiteral("Cacciatori.pro"))) << seen.join(u' ').toStdString();
    EXPECT_EQ(QFile::permissions(place) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup |
                                           QFile::WriteOther | QFile::ExeGroup | QFile::ExeOther),
              QFile::Permissions());
    clock.now_ = clock.now_.addSecs(60);
    seen.clear();
    const backup::Outcome restored =
        backup::restore(taken.path, archives::all(), backups(), 10, look);
    ASSERT_TRUE(restored.ok) << restored.error.toStdString();
    EXPECT_TRUE(seen.contains(QStringLiteral("nuovi/0"))) << seen.join(u' ').toStdString();
    if (previous.isNull()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", previous);
    }
    EXPECT_TRUE(
        QDir(systemTemp.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QDir(place).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// A restore onto a full disk says so, not that an archive is in use.
TEST_F(BackupTest, ARestoreOntoAFullDiskSaysTheDiskIsFull) {
    const backup::Outcome good = take();
    ASSERT_TRUE(good.ok) << good.error.toStdString();
    write(QStringLiteral("Cacciatori.pro"), records(QStringLiteral("Cacciatori.pro"), 5, 'x'));
    const auto before = everything();
    clock.now_ = clock.now_.addSecs(60);
    backup::Outcome restored;
    {
        WriteFailure failure(WriteFailure::Kind::FullDisk, data.path());
        if (!failure.possible()) GTEST_SKIP() << "the file size limit cannot be set here";
        restored = backup::restore(good.path, archives::all(), backups(), 10);
    }
    EXPECT_FALSE(restored.ok);
    EXPECT_TRUE(restored.error.contains(QStringLiteral("spazio su disco esaurito")))
        << restored.error.toStdString();
    EXPECT_FALSE(restored.error.contains(QStringLiteral("in uso"))) << restored.error.toStdString();
    EXPECT_EQ(everything(), before);
}

// A destination is checked when it is chosen: its parent must be there
// (only the last folder is made), and a probe file written and removed.
TEST_F(BackupTest, ADestinationThatCannotWorkIsSaidWhenChosen) {
    EXPECT_EQ(backup::checkFolder(backups()), QString());  // made at the first backup
    EXPECT_FALSE(QFileInfo::exists(backups()));
    const QString stick = data.filePath(QStringLiteral("chiavetta/backup"));
    EXPECT_EQ(backup::checkFolder(stick),
              QStringLiteral("La cartella dei backup non si può usare: la cartella %1 non esiste: "
                             "la chiavetta o il disco di rete è collegato?")
                  .arg(QDir::toNativeSeparators(data.filePath(QStringLiteral("chiavetta")))));
    EXPECT_TRUE(backup::checkFolder(data.filePath(QStringLiteral("unins000.dll")))
                    .contains(QStringLiteral("è un file, non una cartella")));
    const QString readOnly = data.filePath(QStringLiteral("sola lettura"));
    QDir().mkpath(readOnly);
    QString refused;
    {
        WriteFailure failure(WriteFailure::Kind::ReadOnlyFolder, readOnly);
        if (!failure.possible()) GTEST_SKIP() << "permissions cannot be enforced here";
        refused = backup::checkFolder(readOnly);
    }
    EXPECT_TRUE(refused.startsWith(QStringLiteral("La cartella dei backup %1 non si può usare: ")
                                       .arg(QDir::toNativeSeparators(readOnly))))
        << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("accesso negato"))) << refused.toStdString();
    EXPECT_TRUE(QDir(readOnly).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// A destination whose parent is missing (a USB stick not plugged in) is an
// error, and nothing is made; one on the data folder's disk works and says
// it does not protect from a failure of that disk.
TEST_F(BackupTest, TheBackupCommandRefusesAMissingParentAndNotesTheSameDisk) {
    const QString stick = data.filePath(QStringLiteral("media/chiavetta/backup"));
    const CommandResult refused =
        runCommand({QStringLiteral("backup"), QStringLiteral("--destinazione"), stick});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              QStringLiteral("Backup non riuscito: la cartella %1 non esiste: la chiavetta o il "
                             "disco di rete è collegato?\n")
                  .arg(QDir::toNativeSeparators(data.filePath(QStringLiteral("media/chiavetta")))));
    EXPECT_FALSE(QFileInfo::exists(data.filePath(QStringLiteral("media"))));

    const CommandResult taken = runCommand({QStringLiteral("backup")});
    ASSERT_EQ(taken.status, 0) << taken.err.toStdString();
    EXPECT_TRUE(taken.out.endsWith(
        QStringLiteral("La cartella dei backup %1 è sullo stesso disco dei dati: non protegge da "
                       "un guasto del disco.\n")
            .arg(QDir::toNativeSeparators(backups()))))
        << taken.out.toStdString();
}

// The backups of a folder used before stay in the list; the state saved
// before a restore is labelled; the windows' settings (Selvadoro.ini) are in
// the backup, with a line of their own among the differences.
TEST_F(BackupTest, ListsEarlierFoldersLabelsThePreRestoreStateAndKeepsTheWindowsSettings) {
    write(QStringLiteral("Selvadoro.ini"), "[Importa]\r\nMappa=Cognome;Nome\r\n");
    const QString earlier = data.filePath(QStringLiteral("vecchia chiavetta"));
    const CommandResult first =
        runCommand({QStringLiteral("backup"), QStringLiteral("--destinazione"), earlier});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    const QString zip = backup::list(earlier).value(0).path;
    clock.now_ = clock.now_.addSecs(60);
    write(QStringLiteral("Selvadoro.ini"), "[Importa]\r\nMappa=Nome\r\n");

    const CommandResult tried =
        runCommand({QStringLiteral("ripristina"), zip, QStringLiteral("--prova")});
    EXPECT_TRUE(tried.out.contains(
        QStringLiteral("  Selvadoro.ini: impostazioni diverse (tornano quelle del backup) *\n")))
        << tried.out.toStdString();
    // The backups' settings now remember the folder, which the backup's do not.
    EXPECT_TRUE(tried.out.contains(
        QStringLiteral("  Impostazioni.ini: impostazioni diverse (tornano quelle del backup) *\n")))
        << tried.out.toStdString();
    const CommandResult restored = runCommand({QStringLiteral("ripristina"), zip});
    ASSERT_EQ(restored.status, 0) << restored.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("Selvadoro.ini")), "[Importa]\r\nMappa=Cognome;Nome\r\n");

    const CommandResult listed = runCommand({QStringLiteral("backup"), QStringLiteral("--elenco")});
    EXPECT_EQ(listed.status, 0);
    const QString pre = backup::list(backups()).value(0).path;
    EXPECT_TRUE(listed.out.startsWith(QDir::toNativeSeparators(pre) +
                                      QStringLiteral("  07/03/2026 10:31:00  ")))
        << listed.out.toStdString();
    EXPECT_TRUE(
        listed.out.contains(QStringLiteral("  (prima del ripristino del 07/03/2026 "
                                           "10:30:00)\n")))
        << listed.out.toStdString();
    EXPECT_TRUE(listed.out.contains(
        QStringLiteral("Backup nella cartella usata prima %1:\n%2  07/03/2026 10:30:00  ")
            .arg(QDir::toNativeSeparators(QDir::cleanPath(earlier)),
                 QDir::toNativeSeparators(zip))))
        << listed.out.toStdString();
}
}  // namespace

// The list shows sizes in the units a user knows from the file manager, not
// in MiB.
TEST(BackupSizeText, ShowsMegabytesAsTheFileManagerDoes) {
    EXPECT_EQ(backup::sizeText(36'730'000), QStringLiteral("35,0 MB"));
    EXPECT_EQ(backup::sizeText(2'500), QStringLiteral("2,4 kB"));
}
