#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "agenda/Agenda.h"
#include "app/Archives.h"
#include "backup/Backup.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "support/CommandRun.h"
#include "support/HunterArchive.h"
#include "support/PdfText.h"

namespace {

class FixedClock final : public Clock {
public:
    QDate day;
    QDate today() const override { return day; }
    QDateTime now() const override { return QDateTime(day, QTime(9, 0)); }
};

// The membership from the command line, over three hunters.
class MembershipCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
        ASSERT_TRUE(
            writeHunters(dir.filePath(QStringLiteral("Cacciatori.pro")),
                         {{.surname = "Rossi", .name = "Mario", .codFisc = "RSSMRA80A01H501U"},
                          {.surname = "Verdi", .name = "Anna"},
                          {.surname = "Bianchi", .name = "Ugo"}}));
    }
    static CommandResult run(const QString& line) {
        return runCommand(line.split(u' ', Qt::SkipEmptyParts));
    }
    QTemporaryDir dir;
};

TEST_F(MembershipCommands, RenewPayPrintAndList) {
    CommandResult result = run(QStringLiteral("tesseramento rinnova --stagione 2026/2027"));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("Stagione 2026/2027: 3 soci aggiunti, 0 già presenti.\n"));

    result =
        run(QStringLiteral("tesseramento paga --stagione 2026/2027 --scheda 1 --importo "
                           "84,00 --data 15/09/2026 --metodo contanti"));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("Ricevuta n. 1\n"));

    const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
    result = run(QStringLiteral("ricevuta 1 --anno 2026 --pdf ") + pdf);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(squeezeBlanks(pdfText(pdf)).contains(QStringLiteral("ottantaquattro/00 euro")));

    result = run(QStringLiteral("riepilogo quote-da-pagare --stagione 2026/2027"));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_FALSE(result.out.contains(QStringLiteral("Rossi")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("Verdi Anna")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("Bianchi Ugo")));

    result = run(QStringLiteral("cerca tesseramento --stagione 2026/2027 Stato=pagata"));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.count(u'\n'), 1);
    EXPECT_TRUE(result.out.contains(QStringLiteral("Rossi Mario")));

    const QString xlsx = dir.filePath(QStringLiteral("t.xlsx"));
    result = run(
        QStringLiteral("esporta tesseramento --stagione 2026/2027 --formato xlsx --file ") + xlsx);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(QFile::exists(xlsx));

    result = run(QStringLiteral("tesseramento totali --stagione 2026/2027"));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Da pagare: 2 (€ 168,00)  Pagate: 1 (€ 84,00)")))
        << result.out.toStdString();

    result = run(QStringLiteral("libro-soci --al 31/12/2026 --xlsx ") + xlsx);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
}

TEST_F(MembershipCommands, RefusedRequestsExitOneAndUsageErrorsTwo) {
    ASSERT_EQ(run(QStringLiteral("tesseramento rinnova --stagione 2026/2027")).status, 0);
    struct Case {
        const char* line;
        int status;
        const char* says;
    };
    for (const Case& c : {
             Case{"tesseramento paga --stagione 2026/2027 --scheda 7 --importo 84,00 --data "
                  "15/09/2026 --metodo contanti",
                  1, "non ha una quota da pagare"},
             Case{"tesseramento paga --stagione 2026/2027 --scheda 2 --importo 84,00 --data "
                  "15/09/2025 --metodo contanti",
                  1, "fuori dalla stagione"},
             Case{"tesseramento paga --stagione 2026/2027 --scheda 2 --importo 8x --data "
                  "15/09/2026 --metodo contanti",
                  1, "Importo non valido: 8x"},
             Case{"tesseramento paga --stagione 2026/2027 --scheda 2 --importo 84,00 --data "
                  "15/09/2026",
                  2, "Manca l'opzione --metodo"},
             Case{"tesseramento paga --stagione 2026-2027 --scheda 2 --importo 84,00 --data "
                  "15/09/2026 --metodo contanti",
                  2, "Stagione non valida"},
             Case{"tesseramento rinnova --stagione 2026/2027 --fretta 1", 2, "Opzione sconosciuta"},
             Case{"ricevuta 9 --anno 2026 --pdf x.pdf", 1, "Nessuna ricevuta n. 9"},
             Case{"ricevuta 9 --pdf x.pdf", 2, "Argomenti non validi"},
             Case{"libro-soci --al 31/12/2026", 2, "--pdf FILE oppure --xlsx FILE"},
             Case{"cerca tesseramento --stagione 2026", 2, "Valore non valido per --stagione"},
         }) {
        const CommandResult result = run(QString::fromUtf8(c.line));
        EXPECT_EQ(result.status, c.status) << c.line;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.says))) << result.err.toStdString();
    }
}

TEST_F(MembershipCommands, ABackupHoldsTheSeasonsAndTheReceiptCounter) {
    ASSERT_EQ(run(QStringLiteral("tesseramento rinnova --stagione 2026/2027")).status, 0);
    ASSERT_EQ(run(QStringLiteral("tesseramento paga --stagione 2026/2027 --scheda 2 --importo "
                                 "84,00 --data 15/09/2026 --metodo POS"))
                  .status,
              0);
    QStringList names;
    for (const backup::OwnedFile& file : backup::ownedFiles(archives::all())) {
        names.append(file.name);
    }
    EXPECT_TRUE(names.contains(QStringLiteral("Tesseramento-2026.tes")))
        << names.join(u' ').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("Ricevute/Ricevute.num")))
        << names.join(u' ').toStdString();
    EXPECT_EQ(backup::ownedKind(QStringLiteral("Ricevute/Ricevute.num"), archives::all()), 0);
    EXPECT_EQ(backup::ownedKind(QStringLiteral("Tesseramento-2031.tes"), archives::all()), 557);
}

TEST_F(MembershipCommands, TheAgendaRemindsOfTheUnpaidFromTheSettingsDay) {
    ASSERT_EQ(run(QStringLiteral("tesseramento rinnova --stagione 2026/2027")).status, 0);
    registry::install(&archives::all);
    FixedClock clock;
    const Clock& previous = seams::clock();
    seams::setClock(&clock);
    const auto linesOn = [&clock](const QDate& day) {
        clock.day = day;
        QStringList lines;
        for (const AgendaLine& line : agenda::compute(archives::all(), day)) {
            lines.append(line.shown());
        }
        return lines;
    };
    // The reminder starts on the 1st of October by default.
    EXPECT_TRUE(linesOn(QDate(2026, 9, 30)).filter(QStringLiteral("Quote")).isEmpty());
    EXPECT_TRUE(linesOn(QDate(2026, 10, 1))
                    .contains(QStringLiteral("Quote della stagione 2026/2027 da pagare: 3 "
                                             "(Rossi Mario, Verdi Anna, Bianchi Ugo)")))
        << linesOn(QDate(2026, 10, 1)).join(u'\n').toStdString();
    registry::install(nullptr);
    seams::setClock(&previous);
}

}  // namespace
