#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/CommandLine.h"
#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/HunterArchive.h"
#include "support/PdfText.h"
#include "support/TeamArchive.h"
#include "support/TeamDocument.h"
#include "support/TestSeams.h"
#include "support/WriteFailure.h"

namespace {

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
        clock.set(QDateTime(QDate(2024, 3, 7), QTime(10, 30)));
        seams::setClock(&clock);
    }
    void TearDown() override { seams::setClock(nullptr); }

    QString archive() const { return folder.filePath(QStringLiteral("Cacciatori.pro")); }
    QString pdf() const { return folder.filePath(QStringLiteral("scheda.pdf")); }

    void writeThreeHunters() {
        TestHunter rossi{}, bianchi{}, verdi{};
        rossi.surname = "Rossi";
        rossi.name = "Mario";
        bianchi.surname = "  Bianchi ";
        bianchi.name = " Ugo";
        bianchi.total = "12,50";
        bianchi.note = "Citt\xE0 di Castello";
        verdi.surname = "Verdi";
        ASSERT_TRUE(writeHunters(archive(), {rossi, bianchi, verdi}));
    }

    CommandResult run(const QStringList& args) { return runCommand(args); }

    QTemporaryDir folder;
    FixedClock clock;
};

TEST_F(PrintCommand, WritesTheSheetOfTheRecordAsTheCardShowsIt) {
    writeThreeHunters();
    const CommandResult result = run({QStringLiteral("stampa"), QStringLiteral("anagrafica"),
                                      QStringLiteral("2"), QStringLiteral("--pdf"), pdf()});
    EXPECT_EQ(result.status, 0) << qPrintable(result.err);
    EXPECT_EQ(result.err, QString());
    const QString text = squeezeBlanks(pdfText(pdf()));
    EXPECT_TRUE(text.contains(QStringLiteral("SCHEDA INFORMATIVA CACCIATORE")));
    EXPECT_TRUE(text.contains(QStringLiteral("Cognome e nome: Bianchi Ugo"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Note: Città di Castello")));
    EXPECT_TRUE(text.contains(QStringLiteral("Importo tassa: € 12,50")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("Stampa eseguita in data 07/03/2024 alle ore 10:30:00")));
    EXPECT_FALSE(text.contains(QStringLiteral("Rossi")));
}

TEST_F(PrintCommand, RefusesWrongArgumentsWithTheUsage) {
    writeThreeHunters();
    const QString file = pdf();
    const QString p = QStringLiteral("--pdf");
    const QString hunters = QStringLiteral("anagrafica");
    const QList<QStringList> cases{
        {},
        {hunters},
        {hunters, QStringLiteral("1")},
        {hunters, QStringLiteral("1"), p},
        {hunters, QStringLiteral("uno"), p, file},
        {QStringLiteral("squadre"), QStringLiteral("1"), p, file},
        {hunters, QStringLiteral("1"), QStringLiteral("2"), p, file},
        {hunters, QStringLiteral("1"), p, file, QStringLiteral("--colore")},
        {hunters, QStringLiteral("1"), p, file, p, file},
    };
    for (const QStringList& args : cases) {
        const CommandResult result = run(QStringList{QStringLiteral("stampa")} + args);
        EXPECT_EQ(result.status, 2) << qPrintable(args.join(u' '));
        EXPECT_TRUE(result.err.endsWith(
            usageTail({QStringLiteral("stampa ARCHIVIO N [--anno AAAA] --pdf FILE")})))
            << qPrintable(result.err);
        EXPECT_EQ(result.out, QString());
    }
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(PrintCommand, ExplainsAMissingArchiveABadNumberAndAnUnwritableFile) {
    struct Case {
        const char* what;
        int hunters;  // -1: no archive
        QString number;
        QString target;
        QString message;
    };
    const QString missingFolder = folder.filePath(QStringLiteral("manca/scheda.pdf"));
    const Case cases[] = {
        {"no archive", -1, QStringLiteral("1"), pdf(), QStringLiteral("Archivio non trovato: ")},
        {"empty archive", 0, QStringLiteral("1"), pdf(),
         QStringLiteral("La scheda 1 non esiste: l'archivio %1 è vuoto.")},
        {"record 0", 3, QStringLiteral("0"), pdf(),
         QStringLiteral("La scheda 0 non esiste: l'archivio %1 contiene 3 schede.")},
        {"past the last", 3, QStringLiteral("4"), pdf(),
         QStringLiteral("La scheda 4 non esiste: l'archivio %1 contiene 3 schede.")},
        {"negative", 1, QStringLiteral("-2"), pdf(),
         QStringLiteral("La scheda -2 non esiste: l'archivio %1 contiene 1 scheda.")},
        {"unwritable file", 3, QStringLiteral("1"), missingFolder,
         QStringLiteral("Impossibile scrivere il file %1: ").arg(missingFolder)},
    };
    for (const Case& c : cases) {
        QFile::remove(archive());
        if (c.hunters >= 0) {
            QList<TestHunter> list(c.hunters);
            for (TestHunter& h : list) h.surname = "Rossi";
            ASSERT_TRUE(writeHunters(archive(), list));
        }
        const CommandResult result = run({QStringLiteral("stampa"), QStringLiteral("anagrafica"),
                                          c.number, QStringLiteral("--pdf"), c.target});
        EXPECT_EQ(result.status, 1) << c.what;
        const QString message =
            c.message.contains(QLatin1String("%1")) ? QString(c.message).arg(archive()) : c.message;
        EXPECT_TRUE(result.err.startsWith(message)) << c.what << ": " << qPrintable(result.err);
        EXPECT_FALSE(QFile::exists(c.target)) << c.what;
    }
    // The command line never creates the archive.
    QFile::remove(archive());
    run({QStringLiteral("stampa"), QStringLiteral("anagrafica"), QStringLiteral("1"),
         QStringLiteral("--pdf"), pdf()});
    EXPECT_FALSE(QFile::exists(archive()));
}

// On a full disk the PDF is not written, the command says so and fails,
// and the sheet written before stays whole.
TEST_F(PrintCommand, AFailedWriteIsReportedAndKeepsThePreviousSheet) {
    writeThreeHunters();
    ASSERT_EQ(run({QStringLiteral("stampa"), QStringLiteral("anagrafica"), QStringLiteral("1"),
                   QStringLiteral("--pdf"), pdf()})
                  .status,
              0);
    QFile first(pdf());
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray before = first.readAll();
    first.close();
    ASSERT_FALSE(before.isEmpty());
    CommandResult result;
    {
        const WriteFailure full(WriteFailure::Kind::FullDisk, folder.path());
        if (!full.possible()) GTEST_SKIP() << "no file size limit here";
        result = run({QStringLiteral("stampa"), QStringLiteral("anagrafica"), QStringLiteral("2"),
                      QStringLiteral("--pdf"), pdf()});
    }
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.startsWith(
        QStringLiteral("Impossibile scrivere il file %1: spazio su disco esaurito").arg(pdf())))
        << qPrintable(result.err);
    QFile after(pdf());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("Cacciatori.pro"), QStringLiteral("scheda.pdf")}));
}

// rtf ARCHIVIO N [--file F]: the team card's document, from the archive.
class RtfCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
    }

    QString archive() const { return folder.filePath(QStringLiteral("Squadre.pro")); }
    QString document() const { return folder.filePath(QStringLiteral("Squadra_di_Caccia.rtf")); }

    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Alfa, then a team with every field filled, as stored by the card or
    // by another program (blanks around the name, lone CR and LF breaks).
    void writeTwoTeams() {
        const TestTeam full{.name = "  I Cinghialai  ",
                            .forms = "Braccata {cinghiale}",
                            .atc = "ATC Citt\xE0 1",
                            .leader = "Rossi Mario",
                            .members = "Rossi Mario\r\nBianchi Luigi\nVerdi Anna\rNeri Ugo",
                            .emails = "rossi@example.it,bianchi@example.it",
                            .deputy = "Bianchi Luigi",
                            .dogs = "Neri Ugo",
                            .posts = "Gialli Pio",
                            .note = "quota \x80 30 in C:\\cassa\r\n",
                            .flag = "S\xEC",
                            .file01 = "/home/mappa.pdf",
                            .desc01 = "Mappa delle poste"};
        ASSERT_TRUE(writeTeams(archive(), {{.name = "Alfa"}, full}));
    }
    const QByteArray alfaDocument = teamDocument({.squadra = "Alfa"});
    const QByteArray fullDocument = teamDocument(
        {.squadra = "I Cinghialai",
         .forme = "Braccata \\{cinghiale\\}",
         .atc = "ATC Citt\xE0 1",
         .caposquadra = "Rossi Mario",
         .cacciatori = "Rossi Mario\\line Bianchi Luigi\\line Verdi Anna\\line Neri Ugo",
         .email = "rossi@example.it,bianchi@example.it",
         .vicecapo = "Bianchi Luigi",
         .capocanaio = "Neri Ugo",
         .capoposta = "Gialli Pio",
         .note = "quota \x80 30 in C:\\\\cassa"});

    QTemporaryDir folder;
};

TEST_F(RtfCommand, WritesTheRecordAsTheCardShowsItToTheDocumentOrToTheFileGiven) {
    writeTwoTeams();
    const QString other = folder.filePath(QStringLiteral("altra squadra.rtf"));
    struct Case {
        QStringList args;
        QString target;
        QByteArray written;
    };
    const QString f = QStringLiteral("--file");
    const QString teams = QStringLiteral("squadre");
    const Case cases[] = {
        {{teams, QStringLiteral("2")}, document(), fullDocument},
        {{teams, QStringLiteral("1")}, document(), alfaDocument},
        {{teams, QStringLiteral("2"), f, other}, other, fullDocument},
        {{f, other, teams, QStringLiteral("1")}, other, alfaDocument},
    };
    for (const Case& c : cases) {
        QFile::remove(document());
        QFile::remove(other);
        const CommandResult result = runCommand(QStringList{QStringLiteral("rtf")} + c.args);
        const QString what = c.args.join(u' ');
        EXPECT_EQ(result.status, 0) << qPrintable(what) << qPrintable(result.err);
        EXPECT_EQ(result.err, QString()) << qPrintable(what);
        EXPECT_EQ(read(c.target), c.written) << qPrintable(what);
        EXPECT_EQ(QFile::exists(document()), c.target == document()) << qPrintable(what);
        EXPECT_EQ(QFile::exists(other), c.target == other) << qPrintable(what);
    }
    // The archive is only read.
    QFile stored(archive());
    EXPECT_EQ(stored.size(), 2 * TeamBytes::kSize);
}

TEST_F(RtfCommand, RefusesWrongArgumentsWithTheUsage) {
    writeTwoTeams();
    write(document(), "{\\rtf1 ieri}");
    const QString file = folder.filePath(QStringLiteral("altro.rtf"));
    const QString f = QStringLiteral("--file");
    const QString teams = QStringLiteral("squadre");
    const QList<QStringList> cases{
        {},
        {teams},
        {QStringLiteral("anagrafica"), QStringLiteral("1")},  // no RTF document
        {QStringLiteral("bestiame"), QStringLiteral("1")},
        {teams, QStringLiteral("uno")},
        {teams, QStringLiteral("1,5")},
        {teams, QStringLiteral("2a")},
        {teams, QString()},
        {teams, QStringLiteral("1"), QStringLiteral("2")},
        {teams, QStringLiteral("1"), f},
        {teams, QStringLiteral("1"), f, QString()},
        {teams, QStringLiteral("1"), f, file, f, file},
        {teams, QStringLiteral("1"), QStringLiteral("--pdf"), file},
    };
    for (const QStringList& args : cases) {
        const CommandResult result = runCommand(QStringList{QStringLiteral("rtf")} + args);
        const QString what = args.join(u' ');
        EXPECT_EQ(result.status, 2) << qPrintable(what);
        EXPECT_TRUE(
            result.err.endsWith(usageTail({QStringLiteral("rtf ARCHIVIO N [--file FILE]")})))
            << qPrintable(result.err);
        EXPECT_EQ(result.out, QString()) << qPrintable(what);
    }
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(read(document()), "{\\rtf1 ieri}");
}

TEST_F(RtfCommand, AMissingArchiveOrRecordWritesNothing) {
    struct Case {
        const char* what;
        int teams;  // -1: no archive
        QString number;
        QString message;  // %1: the archive's path
    };
    const Case cases[] = {
        {"no archive", -1, QStringLiteral("1"), QStringLiteral("Archivio non trovato: %1")},
        {"empty archive", 0, QStringLiteral("1"),
         QStringLiteral("La scheda 1 non esiste: l'archivio %1 è vuoto.")},
        {"record 0", 2, QStringLiteral("0"),
         QStringLiteral("La scheda 0 non esiste: l'archivio %1 contiene 2 schede.")},
        {"past the last", 2, QStringLiteral("3"),
         QStringLiteral("La scheda 3 non esiste: l'archivio %1 contiene 2 schede.")},
        {"negative", 1, QStringLiteral("-1"),
         QStringLiteral("La scheda -1 non esiste: l'archivio %1 contiene 1 scheda.")},
    };
    for (const Case& c : cases) {
        QFile::remove(archive());
        if (c.teams >= 0) {
            ASSERT_TRUE(writeTeams(archive(), QList<TestTeam>(c.teams, {.name = "Alfa"})));
        }
        const CommandResult result =
            runCommand({QStringLiteral("rtf"), QStringLiteral("squadre"), c.number});
        EXPECT_EQ(result.status, 1) << c.what;
        EXPECT_TRUE(result.err.startsWith(c.message.arg(archive())))
            << c.what << ": " << qPrintable(result.err);
        EXPECT_EQ(result.out, QString()) << c.what;
        EXPECT_FALSE(QFile::exists(document())) << c.what;
    }
    // The command line never creates the archive.
    QFile::remove(archive());
    runCommand({QStringLiteral("rtf"), QStringLiteral("squadre"), QStringLiteral("1")});
    EXPECT_FALSE(QFile::exists(archive()));
}

TEST_F(RtfCommand, AFailedWriteIsReportedAndKeepsThePreviousDocument) {
    writeTwoTeams();
    write(document(), alfaDocument);
    CommandResult result;
    {
        const WriteFailure full(WriteFailure::Kind::FullDisk, folder.path());
        if (!full.possible()) GTEST_SKIP() << "no file size limit here";
        result =
            runCommand({QStringLiteral("rtf"), QStringLiteral("squadre"), QStringLiteral("2")});
    }
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(
        result.err.startsWith(QStringLiteral("Impossibile scrivere il file %1: ").arg(document())))
        << qPrintable(result.err);
    EXPECT_EQ(read(document()), alfaDocument);
    EXPECT_EQ(
        QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
        (QStringList{QStringLiteral("Squadra_di_Caccia.rtf"), QStringLiteral("Squadre.pro")}));
}

}  // namespace
