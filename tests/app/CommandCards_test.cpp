#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/CommandLine.h"
#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/HunterArchive.h"
#include "support/PdfText.h"
#include "support/TestSeams.h"

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
        EXPECT_TRUE(result.err.contains(commandline::usage())) << qPrintable(args.join(u' '));
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

}  // namespace
