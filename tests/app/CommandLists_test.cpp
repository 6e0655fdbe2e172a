#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/HunterArchive.h"
#include "support/WriteFailure.h"

namespace {

class ListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { paths::setDataFolder(dir.path()); }
    CommandResult run(const QStringList& args) { return runCommand(args); }
    void store(const QList<TestHunter>& hunters) {
        ASSERT_TRUE(writeHunters(dir.filePath(QStringLiteral("Cacciatori.pro")), hunters));
    }
    QTemporaryDir dir;
};

TEST_F(ListCommandsTest, SearchPrintsRecordNumbersAndLinesInListOrder) {
    store({{"Rossi", "Mario"}, {"Bianchi", "Anna"}, {"Rossetti", "Marta"}});
    const CommandResult all = run({QStringLiteral("cerca"), QStringLiteral("anagrafica")});
    EXPECT_EQ(all.status, 0);
    const QStringList lines = all.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("2\tBianchi Anna ")));
    EXPECT_TRUE(lines.at(2).startsWith(QStringLiteral("1\tRossi Mario ")));

    const CommandResult some = run({QStringLiteral("cerca"), QStringLiteral("anagrafica"),
                                    QStringLiteral("Cognome=ross"), QStringLiteral("Nome=MART")});
    EXPECT_EQ(some.status, 0);
    EXPECT_TRUE(some.out.startsWith(QStringLiteral("3\tRossetti Marta")));
    EXPECT_EQ(some.out.count(u'\n'), 1);
}

TEST_F(ListCommandsTest, ACriterionOfBlanksDoesNotWidenTheSearch) {
    store({{.surname = "Rossi", .name = "Mario", .note = "ha due cani"}});
    const CommandResult r = run({QStringLiteral("cerca"), QStringLiteral("anagrafica"),
                                 QStringLiteral("Cognome=zzzz"), QStringLiteral("Note= ")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QString());
}

TEST_F(ListCommandsTest, ASummaryThatCannotReadItsArchiveFails) {
    store({{.surname = "Rossi", .expiry = "01/01/2020", .notice = "30"}});
    const QString archive = dir.filePath(QStringLiteral("Cacciatori.pro"));
    QFile::setPermissions(archive, QFile::ReadOwner);
    const WriteFailure readOnly(WriteFailure::Kind::ReadOnlyFolder, dir.path());
    if (!readOnly.possible()) GTEST_SKIP() << "permissions cannot be taken away here";
    const CommandResult r = run({QStringLiteral("riepilogo"), QStringLiteral("porto-scadenza")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.contains(QStringLiteral("Impossibile leggere l'archivio")));
}

TEST_F(ListCommandsTest, ExportWritesTheFileOfTheWindow) {
    store({{"Rossi", "Mario"}});
    const CommandResult r = run({QStringLiteral("esporta"), QStringLiteral("anagrafica")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Anagrafica_Cacciatori.xls"))));
    const QString other = dir.filePath(QStringLiteral("altro.xls"));
    EXPECT_EQ(run({QStringLiteral("esporta"), QStringLiteral("anagrafica"),
                   QStringLiteral("--file"), other})
                  .status,
              0);
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Rossi Mario"));
}

TEST_F(ListCommandsTest, SummaryTakesTodayFromTheOption) {
    store({{.surname = "Vicino", .name = "A", .expiry = "20/05/2024", .notice = "10"},
           {.surname = "Lontano", .name = "B", .expiry = "20/05/2024", .notice = "9"}});
    const CommandResult r = run({QStringLiteral("riepilogo"), QStringLiteral("porto-scadenza"),
                                 QStringLiteral("--oggi"), QStringLiteral("10/05/2024")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("1\tVicino A ")));
    EXPECT_EQ(r.out.count(u'\n'), 1);
}

TEST_F(ListCommandsTest, MistakesAreReported) {
    struct Case {
        QStringList args;
        int status;
        const char* message;
    } cases[] = {
        {{"cerca", "anagrafica"}, 1, "Archivio non trovato"},  // no archive yet
        {{"cerca", "bestiame"}, 2, "Archivio sconosciuto"},
        {{"cerca", "anagrafica", "Sesso=M"}, 2, "Criterio non valido"},
        {{"esporta", "anagrafica", "--file"}, 2, "Opzioni non valide"},
        {{"riepilogo", "porto-scadenza", "--oggi", "31/02/2024"}, 2, "Data non valida"},
        {{"riepilogo", "boh"}, 2, "Riepilogo sconosciuto"},
    };
    for (const Case& c : cases) {
        const CommandResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << qPrintable(c.args.join(u' '));
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << qPrintable(r.err);
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Cacciatori.pro"))));
    }
}

}  // namespace
