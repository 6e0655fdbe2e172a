// Every place that writes a file, run on a disk that fills after N bytes
// for a range of N (none at all, one byte, part of a block, a block and
// one byte, ...): a write that fails says so with a reason and leaves the
// file that was there as it was, no temporary file behind; a write that
// reports success wrote the whole new file.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "base/Paths.h"
#include "base/ReplaceFile.h"
#include "hunters/HunterLists.h"
#include "hunters/HunterSheet.h"
#include "hunters/TRecCacciatore.h"
#include "lists/RtfDocument.h"
#include "lists/Spreadsheet.h"
#include "records/Attachments.h"
#include "records/RecordFile.h"
#include "report/Report.h"
#include "shell/AccessPassword.h"
#include "support/HunterArchive.h"
#include "support/WriteFailure.h"
#include "teams/TeamsArchive.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// One place that replaces a whole file: what it writes to `target`, and
// whether it says it did (with its reason when it did not).
struct Writer {
    const char* what;
    QString target;  // in the data folder
    std::function<bool(const QString& path, QString* error)> write;
};

const qint64 kLimits[] = {0, 1, 100, 4095, 4096, 4097, 20000};

class IoFault : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
        ASSERT_TRUE(writeHunters(folder.filePath(QStringLiteral("Cacciatori.pro")),
                                 {{"Rossi", "Mario"}, {"Bianchi", "Anna"}, {"Verdi", "Ugo"}}));
    }
    QStringList files() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir folder;
};

TEST_F(IoFault, AFileReplacedWholeIsWhollyNewOrAsItWas) {
    const QString archive = folder.filePath(QStringLiteral("Cacciatori.pro"));
    const QString source = folder.filePath(QStringLiteral("sorgente.bin"));
    ASSERT_TRUE(writeAll(source, QByteArray(9000, 'a')));
    const QDateTime printed(QDate(2024, 3, 7), QTime(10, 30));
    const FieldValues hunter = TRecCacciatore{}.toValues();
    const QList<Writer> writers{
        {"replaceFile", QStringLiteral("foto.jpg"),
         [](const QString& path, QString* error) {
             return replaceFile(path, QByteArray(8000, 'x'), error);
         }},
        {"PDF", QStringLiteral("scheda.pdf"),
         [&](const QString& path, QString* error) {
             return report::writePdf(
                 report::prepare(hunters::hunterSheetOfTexts(hunter, printed), printed.date()),
                 path, error);
         }},
        {"export", QStringLiteral("Anagrafica_Cacciatori.xls"),
         [&](const QString& path, QString* error) {
             return spreadsheet::exportArchive(*hunters::exporter().layout,
                                               hunters::exporter().columns, archive, path,
                                               hunters::exporter().sheetName, nullptr, error);
         }},
        {"RTF", QStringLiteral("Squadra_di_Caccia.rtf"),
         [](const QString& path, QString* error) {
             return rtf::write(
                 teams::rtfCard(), [](const QString&) { return QString(3000, u'r'); }, path, error);
         }},
        {"password", QStringLiteral("unins000.dll"),
         [](const QString& path, QString* error) {
             const bool ok = accesspassword::writePasswordFile(path, QStringLiteral("nuovapass"));
             if (!ok) *error = QStringLiteral("non scritto");
             return ok;
         }},
        {"attachment", QStringLiteral("Documenti_Allegati/allegato.bin"),
         [&](const QString&, QString* error) {
             const bool ok = attachments::copyIn(source, QStringLiteral("allegato.bin"));
             if (!ok) *error = QStringLiteral("non copiato");
             return ok;
         }},
    };
    const QByteArray old("il file di prima");
    for (const Writer& writer : writers) {
        for (const qint64 limit : kLimits) {
            const QString target = folder.filePath(writer.target);
            QDir().mkpath(QFileInfo(target).absolutePath());
            ASSERT_TRUE(writeAll(target, old));
            const QStringList before = files();
            QString error;
            bool ok;
            {
                const WriteFailure fills(WriteFailure::Kind::DiskFillsAt, folder.path(), limit);
                if (!fills.possible()) GTEST_SKIP() << "no file size limit here";
                ok = writer.write(target, &error);
            }
            const QByteArray now = readAll(target);
            if (ok) {
                // Success only with the whole new file: it reads back
                // completely now that the disk has room.
                EXPECT_NE(now, old) << writer.what << " at " << limit;
                QString again;
                ASSERT_TRUE(writer.write(target, &again)) << writer.what;
                EXPECT_EQ(now.size(), readAll(target).size()) << writer.what << " at " << limit;
            } else {
                EXPECT_FALSE(error.isEmpty()) << writer.what << " at " << limit;
                EXPECT_EQ(now, old) << writer.what << " at " << limit;
            }
            EXPECT_EQ(files(), before) << writer.what << " at " << limit;
        }
    }
}

// A record written over another, or appended, on a disk that fills: the
// save fails and the archive keeps every record as it was.
TEST_F(IoFault, ARecordSaveThatFailsLeavesTheArchiveAsItWas) {
    const QString archive = folder.filePath(QStringLiteral("Cacciatori.pro"));
    const QByteArray before = readAll(archive);
    const QByteArray record = hunterRecord({"Neri", "Ada"});
    for (const qint64 limit : {qint64(0), qint64(100), before.size() - 1, before.size() + 10}) {
        for (const bool append : {false, true}) {
            bool ok;
            {
                const WriteFailure fills(WriteFailure::Kind::DiskFillsAt, folder.path(), limit);
                if (!fills.possible()) GTEST_SKIP() << "no file size limit here";
                RecordFile file(archive, record.size());
                ok = file.open(RecordFile::Access::Write) &&
                     (append ? file.append(record) > 0 : file.writeAt(2, record));
                file.close();
            }
            const QByteArray now = readAll(archive);
            if (ok) {
                EXPECT_GE(limit, before.size()) << limit << (append ? " append" : " write");
                ASSERT_TRUE(writeAll(archive, before));
            } else {
                EXPECT_EQ(now, before) << limit << (append ? " append" : " write");
            }
        }
    }
}

}  // namespace
