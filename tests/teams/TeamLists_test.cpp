#include "teams/TeamLists.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "lists/RecordList.h"
#include "lists/Spreadsheet.h"
#include "support/SearchChecks.h"
#include "support/TeamArchive.h"

namespace {

class TeamListsTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Squadre.pro")); }
    // The team names of a list, as its lines begin.
    static QStringList names(const ListResult& result) {
        QStringList names;
        for (const ListLine& line : result.lines) names.append(line.text.left(30).trimmed());
        return names;
    }
    ListResult search(const QStringList& texts) const { return teams::search().run(path(), texts); }
    QTemporaryDir dir;
};

// Three teams; each criterion of the search finds one of them by a part of
// its field.
const QList<TestTeam> kThreeTeams{
    {.name = "Alfa",
     .forms = "Cinghiale in braccata",
     .atc = "ATC Firenze 4",
     .leader = "Rossi Mario",
     .members = "Luca Bianchi\r\nMario Rossi",
     .emails = "luca@bianchi.it,\r\nmario@rossi.it",
     .deputy = "Verdi Ugo",
     .dogs = "Neri Ada",
     .posts = "Gialli Pio",
     .note = "nuova squadra",
     .flag = "S\xEC"},
    {.name = "Alfa Beta",
     .forms = "Lepre",
     .atc = "ATC Siena 1",
     .leader = "Bianchi Luca",
     .members = "Anna Verdi",
     .emails = "anna@verdi.it",
     .deputy = "Rosa Eva",
     .dogs = "Bruni Leo",
     .posts = "Conti Ivo",
     .note = "cani da seguita",
     .flag = "No"},
    {.name = "Gamma",
     .forms = "Capriolo",
     .atc = "ATC Arezzo 2",
     .leader = "Conti Ivo",
     .note = "",
     .flag = ""},
};

TEST_F(TeamListsTest, SearchFindsPartialKeysIgnoringCaseInEveryCriterion) {
    ASSERT_TRUE(writeTeams(path(), kThreeTeams));
    // The criteria in the window's order: Squadra, Forme, ATC, Caposquadra,
    // Cacciatori, Email, Vicecapo, Capocanaio, Capoposta, Note.
    const auto only = [](int criterion, const char* text) {
        QStringList texts(10);
        texts[criterion] = QString::fromUtf8(text);
        return texts;
    };
    struct Case {
        QStringList criteria;
        QStringList found;
    } cases[] = {
        {{}, {"Alfa", "Alfa Beta", "Gamma"}},
        {only(0, "ALF"), {"Alfa", "Alfa Beta"}},
        {only(0, "Alfa "), {"Alfa Beta"}},  // the blank is searched too
        {only(1, "cingh"), {"Alfa"}},
        {only(2, "siena"), {"Alfa Beta"}},
        {only(3, "conti"), {"Gamma"}},
        {only(4, "ROSSI"), {"Alfa"}},  // a line of the members
        {only(4, "mario rossi"), {"Alfa"}},
        {only(5, "@VERDI"), {"Alfa Beta"}},
        {only(6, "ugo"), {"Alfa"}},
        {only(7, "brun"), {"Alfa Beta"}},
        {only(8, "Gialli"), {"Alfa"}},
        {only(9, "SEGUITA"), {"Alfa Beta"}},
        {only(9, "   "), {"Alfa", "Alfa Beta", "Gamma"}},  // blanks only: not in use
        {{"alfa", "", "", "", "", "", "", "", "", "nuova"}, {"Alfa"}},
        {{"alfa", "", "", "", "", "", "", "", "", "gamma"}, {}},
        {only(0, "zzz"), {}},
    };
    for (const Case& c : cases) {
        const ListResult result = search(c.criteria);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(names(result), c.found) << qPrintable(c.criteria.join(u'|'));
    }
}

// A criterion is compared with the field as stored, blanks included.
TEST_F(TeamListsTest, ACriterionWithATrailingBlankMatchesTheFieldAsStored) {
    ASSERT_TRUE(writeTeams(path(), {{.name = "Alfa"}, {.name = "Alfa Beta"}, {.name = "Alfa "}}));
    const ListResult result = search({QStringLiteral("alfa ")});
    ASSERT_EQ(result.lines.size(), 2);
    EXPECT_EQ(result.lines.at(0).record, 3);  // "Alfa " sorts before "Alfa Beta"
    EXPECT_EQ(result.lines.at(1).record, 2);
}

TEST_F(TeamListsTest, AnEmptyArchiveGivesAnEmptyList) {
    const ListResult missing = search({});
    EXPECT_TRUE(missing.ok);
    EXPECT_TRUE(missing.lines.isEmpty());
    ASSERT_TRUE(writeTeams(path(), {}));
    const ListResult empty = search({QStringLiteral("alfa")});
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.lines.isEmpty());
}

TEST_F(TeamListsTest, ALineShowsNameAtcAndLeaderInThirtyCharactersAndTheWholeNote) {
    const QByteArray longName = "Squadra dei cacciatori di Vallombr";  // 34
    const QByteArray longNote(250, 'n');
    ASSERT_TRUE(writeTeams(path(), {{.name = "  Alfa ",
                                     .atc = "ATC Firenze 4",
                                     .leader = "Rossi Mario",
                                     .note = "da rivedere"},
                                    {.name = longName + "a",
                                     .atc = QByteArray(40, 'A'),
                                     .leader = QByteArray(50, 'C'),
                                     .note = longNote}}));
    const QString blanks30(30, u' ');
    const QStringList expected{
        QStringLiteral("Alfa") + blanks30.left(26) + QStringLiteral("  ATC: ATC Firenze 4") +
            blanks30.left(17) + QStringLiteral("  Capo squadra: Rossi Mario") + blanks30.left(19) +
            QStringLiteral("  Note: da rivedere"),
        QStringLiteral("Squadra dei cacciatori di Vall") + QStringLiteral("  ATC: ") +
            QString(30, u'A') + QStringLiteral("  Capo squadra: ") + QString(30, u'C') +
            QStringLiteral("  Note: ") + QString(250, u'n'),
    };
    QStringList texts;
    for (const ListLine& line : search({}).lines) texts.append(line.text);
    EXPECT_EQ(texts, expected);
}

TEST_F(TeamListsTest, TheSearchWindowHasItsCaptionCriteriaAndCardTag) {
    const SearchDefinition& s = teams::search();
    EXPECT_STREQ(s.windowName, "TfrmTrovaSquadre");
    EXPECT_EQ(s.caption, QStringLiteral(" Trova squadre di caccia in archivio"));
    expectCriteria(s, {
                          {"txtSquadra", "Squadra di caccia:", "Squadra"},
                          {"txtForme", "Forme di caccia praticate:", "Forme"},
                          {"txtATC", "Ambiti Territoriali di Caccia (A.T.C.):", "ATC"},
                          {"txtCaposquadra", "Capo squadra:", "Caposquadra"},
                          {"txtCacciatori", "Cacciatori membri:", "Cacciatori"},
                          {"txtEmail", "Indirizzi e-mail cacciatori:", "Email"},
                          {"txtVicecapo", "Vice capo squadra:", "Vicecapo"},
                          {"txtCapocanaio", "Capo canaio:", "Capocanaio"},
                          {"txtCapoposta", "Capo posta:", "Capoposta"},
                          {"txtNote", "Note:", "Note"},
                      });
    expectLoadsCard(s, "squadre", "TfrmSquadre");
}

TEST_F(TeamListsTest, ATeamIsFlaggedByItsTrimmedSiAlone) {
    struct Case {
        const char* stored;
        bool listed;
    } cases[] = {
        {"Sì", true},  {" Sì ", true}, {"sì", false}, {"SÌ", false},
        {"Si", false}, {"No", false},  {"", false},
    };
    for (const Case& c : cases) {
        FieldValues values(17);
        values[10] = QString::fromUtf8(c.stored);  // Segnala
        EXPECT_EQ(teams::flaggedCondition(values, QDate(2024, 3, 7)), c.listed) << c.stored;
    }
}

TEST_F(TeamListsTest, TheFlaggedSummaryListsTheFlaggedTeamsSorted) {
    ASSERT_TRUE(writeTeams(path(), {{.name = "Zeta", .flag = "S\xEC"},
                                    {.name = "Alfa", .flag = "No"},
                                    {.name = "beta", .flag = "S\xEC"},
                                    {.name = "Gamma", .flag = "s\xEC"},
                                    {.name = "Delta", .flag = ""},
                                    {.name = "Alfa", .flag = "S\xEC"}}));
    const SummaryDefinition& summary = teams::flaggedSummary();
    EXPECT_STREQ(summary.windowName, "TfrmRiepSquadreSegnalate");
    EXPECT_EQ(summary.caption, QStringLiteral(" Riepilogo squadre di caccia segnalate"));
    EXPECT_STREQ(summary.cardWindow, "TfrmSquadre");
    const ListResult result = summary.build(path(), QDate(2024, 3, 7));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(names(result), (QStringList{"Alfa", "beta", "Zeta"}));
    EXPECT_EQ(result.lines.at(0).record, 6);
}

TEST_F(TeamListsTest, TheExportHasNineColumnsOfTrimmedTexts) {
    const ExportDefinition& e = teams::exporter();
    EXPECT_STREQ(e.windowName, "TfrmExpSquadre");
    EXPECT_EQ(e.caption, QStringLiteral(" Esporta archivio squadre di caccia in Microsoft Excel"));
    EXPECT_EQ(e.fileName, QStringLiteral("Squadre.xls"));
    EXPECT_EQ(e.sheetName, QStringLiteral("Squadre di Caccia"));
    struct Column {
        const char* header;
        int grid;
        int file;
    } columns[] = {
        {"Squadra di caccia", 250, 300},
        {"Forme di caccia praticate", 250, 300},
        {"Ambiti Territoriali di Caccia", 300, 300},
        {"Capo squadra", 250, 250},
        {"Vice capo squadra", 250, 250},
        {"Capo canaio", 250, 250},
        {"Capo posta", 250, 250},
        {"Note", 300, 350},
        {"Segnalata", 120, 200},
    };
    ASSERT_EQ(e.columns.size(), qsizetype(std::size(columns)));
    for (qsizetype i = 0; i < e.columns.size(); ++i) {
        EXPECT_EQ(e.columns.at(i).header, QString::fromUtf8(columns[i].header));
        EXPECT_EQ(e.columns.at(i).gridWidth, columns[i].grid) << columns[i].header;
        EXPECT_EQ(e.columns.at(i).exportWidth, columns[i].file) << columns[i].header;
    }

    ASSERT_TRUE(writeTeams(path(), {{.name = " Alfa ",
                                     .forms = "Lepre ",
                                     .atc = " ATC 1",
                                     .leader = "Rossi Mario ",
                                     .members = "Mario Rossi",
                                     .emails = "mario@rossi.it",
                                     .deputy = " Verdi Ugo",
                                     .dogs = "Neri Ada",
                                     .posts = "Conti Ivo",
                                     .note = " nota ",
                                     .flag = "S\xEC"}}));
    ExportGridModel grid(e.columns);
    ASSERT_TRUE(grid.fill(*e.layout, path()));
    ASSERT_EQ(grid.rows().size(), 1);
    EXPECT_EQ(grid.rows().front(),
              (QStringList{"Alfa", "Lepre", "ATC 1", "Rossi Mario", "Verdi Ugo", "Neri Ada",
                           "Conti Ivo", "nota", QStringLiteral("Sì")}));

    const QString xls = dir.filePath(e.fileName);
    ASSERT_TRUE(spreadsheet::writeGrid(xls, e.sheetName, grid));
    QFile file(xls);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QByteArray header = "<tr>";
    for (const Column& c : columns) {
        header += "<td style=\"text-align: left; font-weight: bold;\" width=" +
                  QByteArray::number(c.file) + ">" + c.header + "</td>";
    }
    header += "</tr>";
    EXPECT_TRUE(bytes.contains(header));
    EXPECT_TRUE(bytes.contains("<x:Name>Squadre di Caccia</x:Name>"));
    EXPECT_TRUE(bytes.contains("<td style=\"text-align: left;\" sdnum=\"1040;0;@\">S\xEC</td>"));
    EXPECT_FALSE(bytes.contains("mario@rossi.it"));
    EXPECT_FALSE(bytes.contains("Mario Rossi"));
    EXPECT_EQ(bytes.count("sdnum"), 9);
}

}  // namespace
