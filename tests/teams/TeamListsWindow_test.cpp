// The teams' search, flagged summary and export windows, opened from the
// team card.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "lists/RecordListWidget.h"
#include "support/CardFixture.h"
#include "support/ListClicks.h"
#include "support/TeamArchive.h"
#include "teams/TfrmSquadre.h"
#include "windows/ExportWindow.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"

namespace {

const QString kFile = QStringLiteral("Squadre.pro");

class TeamListWindowTest : public CardFixture<TfrmSquadre> {
protected:
    void store(const QList<TestTeam>& teams) { ASSERT_TRUE(writeTeams(dataPath(kFile), teams)); }
    QString text(const char* name) const { return card->controlText(QString::fromLatin1(name)); }
    QString position() const { return control<QLabel>("lblPosizione")->text(); }
    bool flagged() const { return control<QCheckBox>("chkSegnala")->isChecked(); }
    static QStringList names(const RecordListWidget* list) {
        QStringList all;
        for (const ListLine& line : list->lines()) all.append(line.text.left(30).trimmed());
        return all;
    }

    // Clicks a button of the card and hands the modal window it opens, of
    // type W, to `use`. A double-click on a line closes the window once
    // `use` has returned; otherwise it is closed then.
    template <typename W>
    void openFromCard(const char* button, const std::function<void(W*)>& use) {
        bool opened = false;
        whenModal([&](QWidget* modal) {
            auto* window = qobject_cast<W*>(modal);
            if (!window) {
                ADD_FAILURE() << button << " opened no " << W::staticMetaObject.className();
                modal->close();
                return;
            }
            opened = true;
            use(window);
            // After what `use` left queued (the choice of a line), if that
            // has not closed it.
            QTimer::singleShot(0, window, [window] {
                if (window->isVisible()) window->reject();
            });
        });
        QTest::mouseClick(tool(button), Qt::LeftButton);
        EXPECT_TRUE(opened) << button;
    }
    // Runs the card's search with the criteria typed in and double-clicks
    // line `row`; `listed` receives the names listed.
    void findAndChoose(const QList<std::pair<const char*, QString>>& criteria, qsizetype row,
                       QStringList* listed = nullptr) {
        openFromCard<SearchWindow>("cmdTrova", [&](SearchWindow* window) {
            for (const auto& [control, typed] : criteria) {
                auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(control));
                ASSERT_NE(edit, nullptr) << control;
                typeText(edit, typed);
            }
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnCerca")),
                              Qt::LeftButton);
            if (listed) *listed = names(window->list());
            doubleClickLine(window->list(), row);
        });
    }
};

TEST_F(TeamListWindowTest, TheSearchOpensWithItsCaptionCriteriaAndCardTag) {
    openFromCard<SearchWindow>("cmdTrova", [](SearchWindow* window) {
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmTrovaSquadre"));
        EXPECT_EQ(window->windowTitle(), QStringLiteral(" Trova squadre di caccia in archivio"));
        EXPECT_EQ(window->memory(), QStringLiteral("squadre"));
        QStringList captions;
        for (const QLabel* label : window->findChildren<QLabel*>()) captions.append(label->text());
        struct Criterion {
            const char* control;
            const char* caption;
        } criteria[] = {
            {"txtSquadra", "Squadra di caccia:"},
            {"txtForme", "Forme di caccia praticate:"},
            {"txtATC", "Ambiti Territoriali di Caccia (A.T.C.):"},
            {"txtCaposquadra", "Capo squadra:"},
            {"txtCacciatori", "Cacciatori membri:"},
            {"txtEmail", "Indirizzi e-mail cacciatori:"},
            {"txtVicecapo", "Vice capo squadra:"},
            {"txtCapocanaio", "Capo canaio:"},
            {"txtCapoposta", "Capo posta:"},
            {"txtNote", "Note:"},
        };
        for (const Criterion& c : criteria) {
            EXPECT_NE(window->findChild<QLineEdit*>(QString::fromLatin1(c.control)), nullptr)
                << c.control;
            EXPECT_TRUE(captions.contains(QString::fromUtf8(c.caption))) << c.caption;
        }
    });
}

// A double-click loads the chosen team into the card: every field, the
// flag, the attachments and its number.
TEST_F(TeamListWindowTest, AMemberFoundByNameLoadsTheWholeTeamIntoTheCard) {
    store({{.name = "Beta", .leader = "Verdi Ugo", .members = "Anna Verdi", .flag = "No"},
           {.name = "  Alfa ",
            .forms = "Cinghiale",
            .atc = "ATC Firenze 4",
            .leader = "Bianchi Luca",
            .members = "Luca Bianchi\r\nMario Rossi",
            .emails = "mario@rossi.it",
            .deputy = "Neri Ada",
            .dogs = "Conti Ivo",
            .posts = "Gialli Pio",
            .note = "nuova",
            .flag = "S\xEC",
            .file01 = "foto.jpg",
            .desc01 = "Foto di gruppo"}});
    QStringList listed;
    findAndChoose({{"txtCacciatori", QStringLiteral("ROSSI")}}, 0, &listed);
    EXPECT_EQ(listed, QStringList{"Alfa"});
    EXPECT_EQ(position(), QStringLiteral("2"));
    struct Shown {
        const char* control;
        const char* text;
    } shown[] = {
        {"txtSquadra", "  Alfa "},
        {"txtForme", "Cinghiale"},
        {"txtATC", "ATC Firenze 4"},
        {"txtCaposquadra", "Bianchi Luca"},
        {"txtCacciatori", "Luca Bianchi\r\nMario Rossi"},
        {"txtEmail", "mario@rossi.it"},
        {"txtVicecapo", "Neri Ada"},
        {"txtCapocanaio", "Conti Ivo"},
        {"txtCapoposta", "Gialli Pio"},
        {"txtNote", "nuova"},
        {"lblFile01", "foto.jpg"},
        {"lblDesc01", "Foto di gruppo"},
    };
    for (const Shown& s : shown) EXPECT_EQ(text(s.control), QString::fromUtf8(s.text)) << s.control;
    EXPECT_TRUE(flagged());
}

TEST_F(TeamListWindowTest, ANameLongerThanItsLineIsCutButStillFound) {
    const QByteArray name = "Squadra dei cacciatori di Casentino";  // 35
    store({{.name = "Alfa", .leader = "Rossi Mario"}, {.name = name, .leader = "Verdi Ugo"}});
    openFromCard<SearchWindow>("cmdTrova", [&](SearchWindow* window) {
        typeText(window->findChild<QLineEdit*>(QStringLiteral("txtSquadra")),
                 QStringLiteral("casentino"));
        window->search();
        ASSERT_EQ(window->list()->lines().size(), 1);
        const QString line = window->list()->lines().front().text;
        EXPECT_EQ(line.left(30), QString::fromLatin1(name.left(30)));
        EXPECT_EQ(line.mid(30, 7), QStringLiteral("  ATC: "));
        doubleClickLine(window->list(), 0);
    });
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(text("txtSquadra"), QString::fromLatin1(name));
}

TEST_F(TeamListWindowTest, EachOfTwoEqualLinesOpensItsOwnRecord) {
    store({{.name = "Alfa", .leader = "Rossi Mario", .members = "primo"},
           {.name = "Alfa", .leader = "Rossi Mario", .members = "secondo"}});
    for (const qsizetype row : {0, 1}) {
        QStringList listed;
        findAndChoose({}, row, &listed);
        EXPECT_EQ(listed, (QStringList{"Alfa", "Alfa"}));
        EXPECT_EQ(position(), QString::number(row + 1));
        EXPECT_EQ(text("txtCacciatori"), row == 0 ? u"primo" : u"secondo");
    }
}

TEST_F(TeamListWindowTest, AnEmptyArchiveGivesAnEmptyList) {
    openFromCard<SearchWindow>("cmdTrova", [](SearchWindow* window) {
        window->search();
        EXPECT_TRUE(window->list()->lines().isEmpty());
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblTrovate"))->text(),
                  QStringLiteral("Il presente riepilogo contiene 0 schede."));
    });
    EXPECT_EQ(position(), QString());
}

TEST_F(TeamListWindowTest, TheFlaggedSummaryListsAndLoadsTheFlaggedTeams) {
    store({{.name = "Zeta", .leader = "A", .flag = "S\xEC"},
           {.name = "Alfa", .leader = "B", .flag = "No"},
           {.name = "Beta", .leader = "C", .note = "segnalata", .flag = "S\xEC"},
           {.name = "Gamma", .leader = "D", .flag = "s\xEC"}});
    openFromCard<SummaryWindow>("cmdSegnalate", [](SummaryWindow* window) {
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmRiepSquadreSegnalate"));
        EXPECT_EQ(window->windowTitle(), QStringLiteral(" Riepilogo squadre di caccia segnalate"));
        EXPECT_EQ(names(window->list()), (QStringList{"Beta", "Zeta"}));
        // No line counts the teams.
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            EXPECT_FALSE(label->text().contains(QLatin1String("contiene")))
                << label->text().toStdString();
        }
        doubleClickLine(window->list(), 0);
    });
    EXPECT_EQ(position(), QStringLiteral("3"));
    EXPECT_EQ(text("txtSquadra"), QStringLiteral("Beta"));
    EXPECT_EQ(text("txtNote"), QStringLiteral("segnalata"));
    EXPECT_TRUE(flagged());
}

TEST_F(TeamListWindowTest, ATeamSavedUnflaggedLeavesTheFlaggedSummary) {
    card->setFieldText(QStringLiteral("txtSquadra"), QStringLiteral("Alfa"));
    card->setFieldText(QStringLiteral("txtCaposquadra"), QStringLiteral("Rossi Mario"));
    control<QCheckBox>("chkSegnala")->setChecked(true);
    QTest::mouseClick(tool("cmdSalva"), Qt::LeftButton);
    QStringList listed;
    const auto readSummary = [&](SummaryWindow* window) { listed = names(window->list()); };
    openFromCard<SummaryWindow>("cmdSegnalate", readSummary);
    EXPECT_EQ(listed, QStringList{"Alfa"});

    control<QCheckBox>("chkSegnala")->setChecked(false);
    QTest::mouseClick(tool("cmdSalva"), Qt::LeftButton);
    openFromCard<SummaryWindow>("cmdSegnalate", readSummary);
    EXPECT_EQ(listed, QStringList());
    EXPECT_EQ(
        messages().take(),
        (QStringList{
            QStringLiteral("La scheda corrente è stata inserita in archivio."),
            QStringLiteral(
                "Le modifiche apportate alla scheda corrente sono state salvate in archivio.")}));
}

TEST_F(TeamListWindowTest, TheExportShowsNineTrimmedColumnsAndWritesSquadreXls) {
    store({{.name = " Alfa ",
            .forms = "Lepre",
            .atc = "ATC 1 ",
            .leader = "Rossi Mario",
            .members = "Mario Rossi",
            .emails = "mario@rossi.it",
            .deputy = "Verdi Ugo",
            .dogs = "Neri Ada",
            .posts = "Conti Ivo",
            .note = "nota",
            .flag = "S\xEC"},
           {.name = "Beta", .leader = "Bianchi Luca", .flag = "No"}});
    openFromCard<ExportWindow>("cmdEsporta", [&](ExportWindow* window) {
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmExpSquadre"));
        EXPECT_EQ(window->windowTitle(),
                  QStringLiteral(" Esporta archivio squadre di caccia in Microsoft Excel"));
        auto* grid = window->findChild<QTableView*>(QStringLiteral("grdRecords"));
        ASSERT_EQ(grid->model()->columnCount(), 10);
        ASSERT_EQ(grid->model()->rowCount(), 2);
        struct Column {
            const char* header;
            int width;
            const char* first;
        } columns[] = {
            {"Squadra di caccia", 250, "Alfa"},
            {"Forme di caccia praticate", 250, "Lepre"},
            {"Ambiti Territoriali di Caccia", 300, "ATC 1"},
            {"Capo squadra", 250, "Rossi Mario"},
            {"Vice capo squadra", 250, "Verdi Ugo"},
            {"Capo canaio", 250, "Neri Ada"},
            {"Capo posta", 250, "Conti Ivo"},
            {"Note", 300, "nota"},
            {"Segnalata", 120, "Sì"},
        };
        for (int c = 1; c <= 9; ++c) {
            const Column& column = columns[c - 1];
            EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal).toString(),
                      QString::fromUtf8(column.header));
            EXPECT_EQ(grid->columnWidth(c), column.width) << column.header;
            EXPECT_EQ(grid->model()->index(0, c).data().toString(), QString::fromUtf8(column.first))
                << column.header;
        }
        EXPECT_EQ(grid->model()->index(1, 9).data().toString(), QStringLiteral("No"));
        testSeams().desktop.nextFileNames = {window->filePath()};
        QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("cmdEsporta")),
                          Qt::LeftButton);
    });
    const QByteArray file = readFile(QStringLiteral("Squadre.xls"));
    EXPECT_TRUE(file.contains("<x:Name>Squadre di Caccia</x:Name>"));
    EXPECT_EQ(file.count("<tr>"), 3);
    EXPECT_FALSE(file.contains("mario@rossi.it"));
    EXPECT_EQ(desktop().opened, QStringList{u'"' + dataPath(QStringLiteral("Squadre.xls")) + u'"'});
}

}  // namespace
