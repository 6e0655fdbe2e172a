#include "agenda/Agenda.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Archives.h"
#include "base/Paths.h"
#include "base/TextRules.h"
#include "deadlines/TRecScadenza.h"
#include "hunters/TRecCacciatore.h"
#include "records/RecordCodec.h"
#include "support/CommandRun.h"
#include "support/RecordsOf.h"
#include "teams/TRecSquadra.h"

namespace {

using H = TRecCacciatore::Field;
using S = TRecScadenza::Field;
using T = TRecSquadra::Field;

QStringList shown(const QList<AgendaLine>& lines) {
    QStringList texts;
    for (const AgendaLine& line : lines) texts.append(line.shown());
    return texts;
}

class AgendaTest : public ::testing::Test {
protected:
    void SetUp() override {
        paths::setDataFolder(dir.path());
        // Today 28/12/2024: the deadlines of the first days of 2025 are in
        // the next year's file.
        writeRecords<TRecCacciatore>(
            dir.filePath("Cacciatori.pro"),
            {recordWith<TRecCacciatore>({{H::Cognome, "Rossi"},
                                         {H::Nome, "Mario"},
                                         {H::Scadenza, "01/12/2024"},
                                         {H::Preavviso, "30"}}),  // expired
             recordWith<TRecCacciatore>({{H::Cognome, "Verdi"},
                                         {H::Nome, "Anna"},
                                         {H::Scadenza, "20/01/2025"},
                                         {H::Preavviso, "30"}}),  // within its notice
             recordWith<TRecCacciatore>(
                 {{H::Cognome, "Neri"}, {H::Scadenza, "20/03/2025"}, {H::Preavviso, "30"}}),
             recordWith<TRecCacciatore>(
                 {{H::Cognome, "Bruni"}, {H::Scadenza, "20/03/2026"}, {H::Preavviso, "30"}})});
        const auto deadline = [](const char* date, const char* notice, const char* who,
                                 const QString& paid, const QString& toConfirm) {
            return recordWith<TRecScadenza>({{S::Data, date},
                                             {S::Avviso, notice},
                                             {S::Cliente, who},
                                             {S::Effettuata, paid},
                                             {S::DaConfermare, toConfirm}});
        };
        writeRecords<TRecScadenza>(
            dir.filePath("2024.sca"),
            {deadline("20/12/2024", "5", "Passata", text::kFlagNo, text::kFlagNo),
             deadline("30/12/2024", "5", "Bianchi", text::kFlagYes, text::kFlagYes)});
        writeRecords<TRecScadenza>(
            dir.filePath("2025.sca"),
            {deadline("02/01/2025", "10", "Gialli", text::kFlagNo, text::kFlagNo),
             deadline("10/01/2025", "1", "Lontani", text::kFlagNo, text::kFlagYes)});
    }
    QTemporaryDir dir;
};

TEST_F(AgendaTest, ConditionsHoldAsComputedByHandAcrossTheYear) {
    const QStringList lines = shown(agenda::compute(archives::all(), QDate(2024, 12, 28)));
    EXPECT_EQ(lines, QStringList({
                         "Porti di fucile scaduti o in scadenza: 2 (Rossi Mario, Verdi Anna)",
                         "Scadenze imminenti: 2 (Bianchi, Gialli)",
                         "Pagamenti da effettuare entro 7 giorni: 1 (Gialli)",
                         "Appuntamenti da confermare entro 7 giorni: 1 (Bianchi)",
                     }));
}

TEST_F(AgendaTest, AnUnreadableArchiveIsShownAsSuchNotAsNothingDue) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromLatin1(TRecSquadra::layout().fileName)));
    const QList<AgendaLine> lines = agenda::compute(archives::all(), QDate(2024, 12, 28));
    EXPECT_TRUE(shown(lines).contains("Squadre segnalate: non leggibile"));
}

TEST_F(AgendaTest, TheCommandPrintsTheLinesForTheDayOfTheOption) {
    const CommandResult r = runCommand({"agenda", "--oggi", "28/12/2024"});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out,
              "Porti di fucile scaduti o in scadenza: 2 (Rossi Mario, Verdi Anna)\n"
              "Scadenze imminenti: 2 (Bianchi, Gialli)\n"
              "Pagamenti da effettuare entro 7 giorni: 1 (Gialli)\n"
              "Appuntamenti da confermare entro 7 giorni: 1 (Bianchi)\n");
    const CommandResult later = runCommand({"agenda", "--oggi", "01/06/2030"});
    EXPECT_EQ(later.out.toStdString(),
              "Porti di fucile scaduti o in scadenza: 4 (Rossi Mario, Verdi Anna, Neri...)\n");
}

}  // namespace
