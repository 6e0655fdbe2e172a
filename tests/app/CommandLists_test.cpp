#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/HunterArchive.h"
#include "support/TeamArchive.h"
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

// The same commands over the teams' archive, "Squadre.pro".
class TeamListCommands : public ::testing::Test {
protected:
    void SetUp() override { paths::setDataFolder(dir.path()); }
    QString archive() const { return dir.filePath(QStringLiteral("Squadre.pro")); }

    void store(const QList<TestTeam>& teams) { ASSERT_TRUE(writeTeams(archive(), teams)); }

    // A line of the teams' lists: the name, the ATC and the leader each in
    // 30 columns, then the note.
    static QString line(int record, const QString& name, const QString& atc, const QString& leader,
                        const QString& note) {
        return QStringLiteral("%1\t%2  ATC: %3  Capo squadra: %4  Note: %5\n")
            .arg(record)
            .arg(name.leftJustified(30), atc.leftJustified(30), leader.leftJustified(30), note);
    }

    QTemporaryDir dir;
};

TEST_F(TeamListCommands, SearchListsTheTeamsInNameOrder) {
    store({{.name = "Cinghialai del Monte", .atc = "PG 1", .leader = "Rossi Mario"},
           {.name = "  alfa", .atc = "PG 2", .leader = "Neri Ugo", .note = "nuova"},
           {.name = "Beta", .atc = "TR 1", .leader = "Rossi Luigi"}});
    const CommandResult all = runCommand({QStringLiteral("cerca"), QStringLiteral("squadre")});
    EXPECT_EQ(all.status, 0) << qPrintable(all.err);
    EXPECT_EQ(all.out, line(2, QStringLiteral("alfa"), QStringLiteral("PG 2"),
                            QStringLiteral("Neri Ugo"), QStringLiteral("nuova")) +
                           line(3, QStringLiteral("Beta"), QStringLiteral("TR 1"),
                                QStringLiteral("Rossi Luigi"), QString()) +
                           line(1, QStringLiteral("Cinghialai del Monte"), QStringLiteral("PG 1"),
                                QStringLiteral("Rossi Mario"), QString()));

    const CommandResult some =
        runCommand({QStringLiteral("cerca"), QStringLiteral("squadre"),
                    QStringLiteral("Caposquadra=ROSSI"), QStringLiteral("ATC=pg")});
    EXPECT_EQ(some.status, 0);
    EXPECT_EQ(some.out, line(1, QStringLiteral("Cinghialai del Monte"), QStringLiteral("PG 1"),
                             QStringLiteral("Rossi Mario"), QString()));
}

// Each criterion searches its own field: record N holds "<criterion>-N-" in
// each field, so a criterion read from another field finds nothing.
TEST_F(TeamListCommands, EachCriterionSearchesItsOwnField) {
    QList<TestTeam> teams;
    for (int n = 1; n <= 3; ++n) {
        const QByteArray mark = "-" + QByteArray::number(n) + "-";
        teams.append({.name = "Squadra" + mark,
                      .forms = "Forme" + mark,
                      .atc = "ATC" + mark,
                      .leader = "Caposquadra" + mark,
                      // A memo's text is searched across its lines.
                      .members = "Rossi\r\nCacciatori" + mark,
                      .emails = "Email" + mark,
                      .deputy = "Vicecapo" + mark,
                      .dogs = "Capocanaio" + mark,
                      .posts = "Capoposta" + mark,
                      .note = "Note" + mark});
    }
    store(teams);
    for (const char* name : {"Squadra", "Forme", "ATC", "Caposquadra", "Cacciatori", "Email",
                             "Vicecapo", "Capocanaio", "Capoposta", "Note"}) {
        const QString criterion = QString::fromLatin1(name);
        const CommandResult r =
            runCommand({QStringLiteral("cerca"), QStringLiteral("squadre"),
                        criterion + u'=' + criterion.toLower() + QStringLiteral("-2-")});
        EXPECT_EQ(r.status, 0) << name;
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("2\tSquadra-2-"))) << name;
        EXPECT_EQ(r.out.count(u'\n'), 1) << name << qPrintable(r.out);
    }
    // The flag and the attachments are no criteria.
    const CommandResult flag = runCommand(
        {QStringLiteral("cerca"), QStringLiteral("squadre"), QStringLiteral("Segnala=S")});
    EXPECT_EQ(flag.status, 2);
    EXPECT_TRUE(flag.err.contains(QStringLiteral(
        "Criterio non valido: Segnala=S (campi: Squadra, Forme, ATC, Caposquadra, Cacciatori, "
        "Email, Vicecapo, Capocanaio, Capoposta, Note)")))
        << qPrintable(flag.err);
}

TEST_F(TeamListCommands, ExportWritesTheTeamsSpreadsheet) {
    store({{.name = "Alfa", .leader = "Rossi Mario", .members = "Bianchi Luigi", .flag = "S\xEC"},
           {.name = "Beta <B>", .leader = "Neri Ugo"}});
    const CommandResult r = runCommand({QStringLiteral("esporta"), QStringLiteral("squadre")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    const QString xls = dir.filePath(QStringLiteral("Squadre.xls"));
    EXPECT_EQ(r.out, QStringLiteral("Esportate 2 schede in %1\n").arg(xls));
    QFile file(xls);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("<tr>"), 3);
    EXPECT_TRUE(bytes.contains("Squadre di Caccia"));
    for (const char* text : {"Squadra di caccia", "Capo squadra", "Segnalata", "Alfa",
                             "Rossi Mario", "S\xEC", "Beta &lt;B&gt;"}) {
        EXPECT_TRUE(bytes.contains(text)) << text;
    }
    EXPECT_FALSE(bytes.contains("Bianchi Luigi"));  // the members are no column

    const QString other = dir.filePath(QStringLiteral("squadre 2024.xls"));
    const CommandResult elsewhere = runCommand(
        {QStringLiteral("esporta"), QStringLiteral("squadre"), QStringLiteral("--file"), other});
    EXPECT_EQ(elsewhere.status, 0) << qPrintable(elsewhere.err);
    QFile written(other);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes);
}

TEST_F(TeamListCommands, TheFlaggedSummaryListsTheTeamsWhoseFlagIsSi) {
    store({{.name = "Alfa", .flag = "S\xEC"},
           {.name = "Beta", .flag = "No"},
           {.name = "Gamma", .flag = "S\xEC"},
           {.name = "Delta", .flag = "Si"},
           {.name = "Epsilon", .flag = "s\xEC"},
           {.name = "Zeta"}});
    const CommandResult r =
        runCommand({QStringLiteral("riepilogo"), QStringLiteral("squadre-segnalate")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, line(1, QStringLiteral("Alfa"), QString(), QString(), QString()) +
                         line(3, QStringLiteral("Gamma"), QString(), QString(), QString()));
}

TEST_F(TeamListCommands, AMissingArchiveIsReportedAndNotCreated) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("cerca"), QStringLiteral("squadre")},
          QStringList{QStringLiteral("cerca"), QStringLiteral("squadre"),
                      QStringLiteral("Squadra=alfa")},
          QStringList{QStringLiteral("esporta"), QStringLiteral("squadre")},
          QStringList{QStringLiteral("riepilogo"), QStringLiteral("squadre-segnalate")}}) {
        const CommandResult r = runCommand(args);
        EXPECT_EQ(r.status, 1) << qPrintable(args.join(u' '));
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("Archivio non trovato: ") + archive()))
            << qPrintable(r.err);
        EXPECT_EQ(r.out, QString()) << qPrintable(args.join(u' '));
    }
    EXPECT_FALSE(QFile::exists(archive()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Squadre.xls"))));
}

}  // namespace
