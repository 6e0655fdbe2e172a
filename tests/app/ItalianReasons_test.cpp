// Every way a file can fail reaches the user in Italian: the command line
// prints its own Italian sentence and the reason, and neither the reason of
// the program's own files (record file, journal, lock file) nor the
// system's words may come out in English. Each case drives a fault as the
// user meets it and reads what the command wrote on its error stream.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <optional>

#include "base/Paths.h"
#include "hunters/HunterLists.h"
#include "lists/Spreadsheet.h"
#include "records/RecordFile.h"
#include "support/CommandRun.h"
#include "support/EnglishWords.h"
#include "support/HunterArchive.h"
#include "support/LockedElsewhere.h"
#include "support/TeamArchive.h"
#include "support/WriteFailure.h"

namespace {

class ItalianReasons : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
        ASSERT_TRUE(writeHunters(archive(), {{"Rossi", "Mario"}, {"Bianchi", "Anna"}}));
        ASSERT_TRUE(
            writeTeams(folder.filePath(QStringLiteral("Squadre.pro")), {{.name = "Squadra uno"}}));
    }
    QString archive() const { return folder.filePath(QStringLiteral("Cacciatori.pro")); }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    QTemporaryDir folder;
};

// What a failed command wrote on its error stream; nothing when the fault
// cannot be made here.
using Fault = std::function<std::optional<QString>(ItalianReasons&)>;

std::optional<QString> failed(const QStringList& args) {
    const CommandResult result = runCommand(args);
    EXPECT_NE(result.status, 0) << args.join(u' ').toStdString();
    return result.err;
}

// While a file size limit holds (nothing can grow: a full disk).
std::optional<QString> onFullDisk(ItalianReasons& t, const QStringList& args) {
    const WriteFailure full(WriteFailure::Kind::FullDisk, t.folder.path());
    if (!full.possible()) return std::nullopt;
    return failed(args);
}

std::optional<QString> inReadOnlyFolder(ItalianReasons& t, const QStringList& args) {
    const WriteFailure readOnly(WriteFailure::Kind::ReadOnlyFolder, t.folder.path());
    if (!readOnly.possible()) return std::nullopt;
    return failed(args);
}

TEST_F(ItalianReasons, EveryFailureOfAFileIsToldInItalianOnTheCommandLine) {
    const QString xls = path("Anagrafica_Cacciatori.xls");
    const struct {
        const char* what;
        Fault fault;
    } cases[] = {
        {"archive locked by another station, search",
         [](ItalianReasons& t) {
             const LockedElsewhere locked(t.archive());
             return failed({QStringLiteral("cerca"), QStringLiteral("anagrafica")});
         }},
        {"archive locked by another station, card document",
         [](ItalianReasons& t) {
             const LockedElsewhere locked(t.path("Squadre.pro"));
             return failed({QStringLiteral("rtf"), QStringLiteral("squadre"), QStringLiteral("1"),
                            QStringLiteral("--file"), t.path("squadra.rtf")});
         }},
        {"archive that cannot be read (read-only folder and file)",
         [](ItalianReasons& t) {
             QFile::setPermissions(t.archive(), QFile::ReadOwner);
             return inReadOnlyFolder(
                 t, {QStringLiteral("riepilogo"), QStringLiteral("porto-scadenza")});
         }},
        {"rollback file of an interrupted save in the way (a folder)",
         [](ItalianReasons& t) {
             QDir().mkdir(t.archive() + QStringLiteral("-journal"));
             return failed({QStringLiteral("cerca"), QStringLiteral("anagrafica")});
         }},
        {"export over a read-only file",
         [&xls](ItalianReasons& t) {
             QFile old(xls);
             if (old.open(QIODevice::WriteOnly)) old.write("esportazione precedente");
             old.close();
             QFile::setPermissions(xls, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
             return inReadOnlyFolder(t, {QStringLiteral("esporta"), QStringLiteral("anagrafica")});
         }},
        {"export on a full disk",
         [](ItalianReasons& t) {
             return onFullDisk(t, {QStringLiteral("esporta"), QStringLiteral("anagrafica"),
                                   QStringLiteral("--file"), t.path("nuova.xls")});
         }},
        {"printed card on a full disk",
         [](ItalianReasons& t) {
             return onFullDisk(
                 t, {QStringLiteral("stampa"), QStringLiteral("anagrafica"), QStringLiteral("1"),
                     QStringLiteral("--pdf"), t.path("scheda.pdf")});
         }},
        {"card document on a full disk",
         [](ItalianReasons& t) {
             return onFullDisk(
                 t, {QStringLiteral("rtf"), QStringLiteral("squadre"), QStringLiteral("1"),
                     QStringLiteral("--file"), t.path("squadra.rtf")});
         }},
        {"guide in PDF on a full disk",
         [](ItalianReasons& t) {
             return onFullDisk(
                 t, {QStringLiteral("guida"), QStringLiteral("--pdf"), t.path("Guida.pdf")});
         }},
        {"guide in PDF in a folder that vanished",
         [](ItalianReasons& t) {
             return failed(
                 {QStringLiteral("guida"), QStringLiteral("--pdf"), t.path("sparita/Guida.pdf")});
         }},
        {"card document in a folder that vanished",
         [](ItalianReasons& t) {
             return failed({QStringLiteral("rtf"), QStringLiteral("squadre"), QStringLiteral("1"),
                            QStringLiteral("--file"), t.path("sparita/squadra.rtf")});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Each case on the archives as SetUp laid them.
        QFile::setPermissions(archive(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(xls, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(xls);
        QDir().rmdir(archive() + QStringLiteral("-journal"));
        const std::optional<QString> message = c.fault(*this);
        if (!message) continue;  // this machine cannot make the fault
        EXPECT_FALSE(message->trimmed().isEmpty());
        EXPECT_EQ(englishWordsIn(*message, folder.path()), "") << message->toStdString();
    }
}

// The file gets shorter while it is read (four blocks, the scan reads one
// ahead): the export stops, and what it says in its sentence is Italian.
TEST_F(ItalianReasons, AFileThatShrinksWhileReadIsToldInItalian) {
    QList<TestHunter> many;
    for (int i = 0; i < 700; ++i)
        many.append({.surname = "Cognome", .name = QByteArray::number(i)});
    ASSERT_TRUE(writeHunters(archive(), many));
    bool truncated = false;
    QString error;
    const bool written = spreadsheet::exportArchive(
        *hunters::exporter().layout, hunters::exporter().columns, archive(),
        path("Anagrafica_Cacciatori.xls"), hunters::exporter().sheetName, nullptr, &error,
        [&](qint64, qint64) {
            if (!truncated) truncated = QFile::resize(archive(), 5090 * 3);
            return true;
        });
    ASSERT_TRUE(truncated);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(englishWordsIn(error, folder.path()), "") << error.toStdString();
}

// A card that cannot be read names its archive once, before the reason.
TEST_F(ItalianReasons, AnUnreadableCardNamesItsArchiveOnce) {
    const QString teams = path("Squadre.pro");
    const LockedElsewhere locked(teams);
    const std::optional<QString> message =
        failed({QStringLiteral("rtf"), QStringLiteral("squadre"), QStringLiteral("1"),
                QStringLiteral("--file"), path("squadra.rtf")});
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->startsWith(QStringLiteral("Impossibile leggere l'archivio ") + teams))
        << message->toStdString();
    EXPECT_EQ(message->count(teams), 1) << message->toStdString();
}

}  // namespace
