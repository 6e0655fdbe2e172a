#include "hunts/HuntLists.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "lists/RecordList.h"
#include "lists/Spreadsheet.h"
#include "support/HuntArchive.h"
#include "support/SearchChecks.h"

namespace {

class HuntListsTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Battute.pro")); }
    static QStringList kinds(const ListResult& result) {
        QStringList kinds;
        for (const ListLine& line : result.lines) kinds.append(line.text.left(30).trimmed());
        return kinds;
    }
    static QList<qsizetype> records(const ListResult& result) {
        QList<qsizetype> numbers;
        for (const ListLine& line : result.lines) numbers.append(line.record);
        return numbers;
    }
    ListResult search(const QStringList& texts) const { return hunts::search().run(path(), texts); }
    QTemporaryDir dir;
};

TEST_F(HuntListsTest, TheSearchWindowHasItsCaptionCriteriaAndCardTag) {
    const SearchDefinition& s = hunts::search();
    EXPECT_STREQ(s.windowName, "TfrmTrovaBattute");
    EXPECT_EQ(s.caption, QStringLiteral(" Trova battute di caccia in archivio"));
    EXPECT_EQ(s.printTitle, QStringLiteral("Riepilogo battute di caccia in archivio"));
    expectCriteria(s, {
                          {"txtTipoBattuta", "Tipo battuta di caccia:", "TipoBattuta"},
                          {"txtStagione", "Stagione venatoria:", "Stagione"},
                          {"txtDataInizio", "Data inizio:", "DataInizio"},
                          {"txtDataFine", "Data fine:", "DataFine"},
                          {"txtTenuta", "Tenuta A.T.C.", "Tenuta"},
                          {"txtNote", "Note:", "Note"},
                          {"txtSquadra", "Squadra partecipante:", "Squadra"},
                          {"txtCaposquadra", "Capo squadra:", "Caposquadra"},
                          {"txtCacciatori", "Cacciatori partecipanti:", "Cacciatori"},
                          {"txtCapi", "Capi abbattuti:", "Capi"},
                      });
    expectLoadsCard(s, "battute", "TfrmBattute");
    EXPECT_EQ(s.picker(QStringLiteral("comunicazioni")), nullptr);
}

TEST_F(HuntListsTest, SearchFindsPartialKeysIgnoringCaseInEveryCriterion) {
    ASSERT_TRUE(writeHunts(path(), {{.kind = "Caccia al cinghiale",
                                     .season = "2024/2025",
                                     .start = "15/11/2024",
                                     .end = "17/11/2024",
                                     .estate = "ATC Perugia 1",
                                     .team = "I Lupi",
                                     .leader = "Rossi Mario",
                                     .note = "pranzo al sacco",
                                     .hunters = "Rossi Mario\r\nBianchi Luca",
                                     .game = "3 cinghiali\r\n1 volpe"},
                                    {.kind = "CINGHIALI",
                                     .season = "2023/2024",
                                     .start = "02/01/2024",
                                     .end = "03/01/2025",
                                     .estate = "ATC Terni 2",
                                     .team = "Le Volpi",
                                     .leader = "Neri Ugo",
                                     .note = "",
                                     .hunters = "Neri Ugo",
                                     .game = "nessuno"},
                                    {.kind = "Daini", .start = "10/10/2025"}}));
    const auto only = [](int criterion, const char* text) {
        QStringList texts(10);
        texts[criterion] = QString::fromUtf8(text);
        return texts;
    };
    struct Case {
        QStringList criteria;
        QStringList found;
    } cases[] = {
        {{}, {"Caccia al cinghiale", "CINGHIALI", "Daini"}},
        {only(0, "cinghial"), {"Caccia al cinghiale", "CINGHIALI"}},
        {only(1, "2023/"), {"CINGHIALI"}},
        {only(2, "/2024"), {"Caccia al cinghiale", "CINGHIALI"}},  // a date as a text
        {only(3, "/2025"), {"CINGHIALI"}},
        {only(4, "terni"), {"CINGHIALI"}},
        {only(5, "SACCO"), {"Caccia al cinghiale"}},
        {only(6, "volpi"), {"CINGHIALI"}},
        {only(7, "rossi"), {"Caccia al cinghiale"}},
        {only(8, "bianchi luca"), {"Caccia al cinghiale"}},  // a line of the memo
        {only(9, "volpe"), {"Caccia al cinghiale"}},
        {only(9, "  "), {"Caccia al cinghiale", "CINGHIALI", "Daini"}},  // blanks: not in use
        {{"cinghial", "", "", "", "", "", "", "neri"}, {"CINGHIALI"}},
        {{"daini", "", "", "", "", "", "", "neri"}, {}},
    };
    for (const Case& c : cases) {
        const ListResult result = search(c.criteria);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(kinds(result), c.found) << qPrintable(c.criteria.join(u'|'));
    }
}

TEST_F(HuntListsTest, ALineShowsKindDatesEstateAndTeamInTheirWidthsAndTheWholeFee) {
    ASSERT_TRUE(writeHunts(path(), {{.kind = "  Cinghiale ",
                                     .start = "15/11/2024",
                                     .end = "17/11/2024",
                                     .estate = "ATC 1",
                                     .team = "I Lupi",
                                     .fee = " 12,50 "},
                                    {.kind = QByteArray(40, 'K'),
                                     .start = "1/1/24",
                                     .end = "",
                                     .estate = QByteArray(35, 'E'),
                                     .team = QByteArray(31, 'S'),
                                     .fee = "123456789012,00"}}));
    const QString blanks(30, u' ');
    const QStringList expected{
        QStringLiteral("Cinghiale") + blanks.left(21) + QStringLiteral("  Da: 15/11/2024") +
            QStringLiteral("  A: 17/11/2024") + QStringLiteral("  ATC: ATC 1") + blanks.left(25) +
            QStringLiteral("  Squadra: I Lupi") + blanks.left(24) + QStringLiteral("  € 12,50"),
        QString(30, u'K') + QStringLiteral("  Da: 1/1/24    ") + QStringLiteral("  A: ") +
            blanks.left(10) + QStringLiteral("  ATC: ") + QString(30, u'E') +
            QStringLiteral("  Squadra: ") + QString(30, u'S') +
            QStringLiteral("  € 123456789012,00"),
    };
    QStringList texts;
    for (const ListLine& line : search({}).lines) texts.append(line.text);
    EXPECT_EQ(texts, expected);
}

TEST(HuntImminence, RunsFromTheDaysOfNoticeBeforeTheStartToTheStartDay) {
    const QDate today(2024, 11, 10);
    struct Case {
        const char* start;
        const char* notice;
        bool listed;
    } cases[] = {
        {"15/11/2024", "5", true},   {"15/11/2024", "4", false},
        {"10/11/2024", "0", true},   {"09/11/2024", "5", false},
        {"11/11/2024", "0", false},  {"16/11/2024", "5", false},
        {"01/06/2025", "999", true}, {" 15/11/2024 ", " 5 ", true},
        {"31/11/2024", "30", false}, {"", "5", false},
        {"15/11/2024", "", false},   {"15/11/2024", "x", false},
        {"15-11-2024", "5", false},
    };
    for (const Case& c : cases) {
        FieldValues values(20);
        values[2] = QString::fromLatin1(c.start);   // DataInizio
        values[3] = QStringLiteral("12/11/2024");   // DataFine: no part in it
        values[4] = QString::fromLatin1(c.notice);  // Preavviso
        EXPECT_EQ(hunts::imminentCondition(values, today), c.listed) << c.start << " " << c.notice;
    }
}

// A damaged record in the middle is left out and the filling goes on; the
// lines compare day first, as their texts do.
TEST_F(HuntListsTest, TheImminentSummarySkipsADamagedRecordAndListsDayFirst) {
    ASSERT_TRUE(writeHunts(
        path(), {{.kind = "Cinghiale", .start = "15/11/2024", .notice = "5"},
                 {.kind = "Cinghiale", .start = "15/11/2024", .notice = "4"},
                 {.kind = "Cinghiale", .start = "05/12/2024", .notice = "30"},
                 {.kind = "Daini", .start = "3x/11/2024", .notice = "5"},
                 {.kind = "Daini", .start = "12/11/2024", .notice = "?"},
                 {.kind = "Cinghiale", .start = "20/11/2024", .notice = "30"},
                 {.kind = "Cervi", .start = "10/11/2024", .notice = "0"},
                 {.kind = "Cervi", .start = "09/11/2024", .end = "12/11/2024", .notice = "5"},
                 {.kind = "Mufloni", .start = "01/06/2025", .notice = "999"}}));
    const SummaryDefinition& summary = hunts::imminentSummary();
    EXPECT_STREQ(summary.windowName, "TfrmRiepBattuteImminenti");
    EXPECT_STREQ(summary.commandName, "battute-imminenti");
    EXPECT_EQ(summary.caption, QStringLiteral(" Riepilogo battute di caccia imminenti"));
    EXPECT_EQ(summary.printTitle, QStringLiteral("Riepilogo battute di caccia imminenti"));
    EXPECT_STREQ(summary.cardWindow, "TfrmBattute");
    const ListResult result = summary.build(path(), QDate(2024, 11, 10));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(records(result), (QList<qsizetype>{7, 3, 1, 6, 9}));
    EXPECT_EQ(result.lines.at(1).text.mid(30, 16), QStringLiteral("  Da: 05/12/2024"));

    ASSERT_TRUE(writeHunts(path(), {}));
    EXPECT_TRUE(summary.build(path(), QDate(2024, 11, 10)).lines.isEmpty());
}

TEST_F(HuntListsTest, TheExportHasElevenColumnsOfTrimmedTexts) {
    const ExportDefinition& e = hunts::exporter();
    EXPECT_STREQ(e.windowName, "TfrmExpBattute");
    EXPECT_EQ(e.caption, QStringLiteral(" Esporta archivio battute di caccia in Microsoft Excel"));
    EXPECT_EQ(e.fileName, QStringLiteral("Battute.xls"));
    EXPECT_EQ(e.sheetName, QStringLiteral("Battute di Caccia"));
    struct Column {
        const char* header;
        int grid;
        int file;
    } columns[] = {
        {"Tipo battuta di caccia", 250, 300},
        {"Stagione venatoria", 250, 250},
        {"Data inizio", 150, 200},
        {"Data fine", 150, 200},
        {"Tenuta A.T.C.", 300, 300},
        {"Vitto e alloggio", 300, 300},
        {"Trasporto", 300, 300},
        {"Squadra partecipante", 250, 250},
        {"Capo squadra", 250, 250},
        {"Quota partecipazione", 180, 200},
        {"Note", 300, 400},
    };
    ASSERT_EQ(e.columns.size(), qsizetype(std::size(columns)));
    for (qsizetype i = 0; i < e.columns.size(); ++i) {
        EXPECT_EQ(e.columns.at(i).header, QString::fromUtf8(columns[i].header));
        EXPECT_EQ(e.columns.at(i).gridWidth, columns[i].grid) << columns[i].header;
        EXPECT_EQ(e.columns.at(i).exportWidth, columns[i].file) << columns[i].header;
    }

    // The days of notice, the participants and the game are not exported.
    ASSERT_TRUE(writeHunts(path(), {{.kind = " Cinghiale ",
                                     .season = "2024 ",
                                     .start = "15/11/2024",
                                     .end = "17/11/2024",
                                     .notice = "5",
                                     .estate = " ATC 1",
                                     .board = "Agriturismo",
                                     .transport = "Pullman",
                                     .team = "I Lupi",
                                     .leader = "Rossi Mario ",
                                     .fee = "12,50",
                                     .note = " nota ",
                                     .hunters = "Bianchi Luca",
                                     .game = "3 cinghiali"}}));
    ExportGridModel grid(e.columns);
    ASSERT_TRUE(grid.fill(*e.layout, path()));
    ASSERT_EQ(grid.rows().size(), 1);
    EXPECT_EQ(grid.rows().front(),
              (QStringList{"Cinghiale", "2024", "15/11/2024", "17/11/2024", "ATC 1", "Agriturismo",
                           "Pullman", "I Lupi", "Rossi Mario", "12,50", "nota"}));
}

}  // namespace
