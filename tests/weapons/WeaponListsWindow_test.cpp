// The weapons' search, for-sale summary and export windows on real
// widgets. A double-click loads the chosen weapon into the weapon card.

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <array>

#include "lists/RecordListWidget.h"
#include "records/ArchiveMessages.h"
#include "support/Fixtures.h"
#include "support/ListClicks.h"
#include "support/WeaponArchive.h"
#include "weapons/TRecArma.h"
#include "weapons/TfrmArmi.h"
#include "weapons/WeaponLists.h"
#include "windows/CardWindow.h"
#include "windows/ExportWindow.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"

namespace {

const QString kFile = QStringLiteral("Schedario_Armi.pro");

class WeaponListWindowTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        card.showMaximized();
    }
    void store(const QList<TestWeapon>& weapons) {
        ASSERT_TRUE(writeWeapons(dataPath(kFile), weapons));
    }
    static QStringList makes(const RecordListWidget* list) {
        QStringList all;
        for (const ListLine& line : list->lines()) all.append(line.text.left(34).trimmed());
        return all;
    }
    QString cardText(const char* name) const { return card.controlText(QString::fromLatin1(name)); }
    QString cardPosition() const {
        return card.findChild<QLabel*>(QStringLiteral("lblPosizione"))->text();
    }

    TfrmArmi card;
};

const char* const kCriteria[] = {"txtArma",      "txtAccessori", "txtCalibro",      "txtAnno",
                                 "txtMatricola", "txtMunizioni", "txtProprietario", "txtCodFisc",
                                 "txtLuogo",     "txtNote"};
const char* const kHighlights[] = {"effCampo01", "effCampo02", "effCampo09", "effCampo10",
                                   "effCampo05", "effCampo06", "effCampo07", "effCampo08",
                                   "effCampo03", "effCampo04"};

// Two columns of five criteria under their labels; Enter and Tab take
// them in order, from the last back to the first, each showing its own
// highlight while it has the focus.
TEST_F(WeaponListWindowTest, TheSearchTakesItsCriteriaInOrderWithTheirHighlights) {
    SearchWindow window(weapons::search(), &card);
    window.setMemory(QStringLiteral("armi"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.objectName(), QStringLiteral("TfrmTrovaArmi"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Trova armi in schedario"));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    QList<QLineEdit*> edits;
    for (const char* name : kCriteria) {
        edits.append(window.findChild<QLineEdit*>(QString::fromLatin1(name)));
        ASSERT_NE(edits.back(), nullptr) << name;
    }
    const char* labels[] = {"Arma (marca e modello):",
                            "Accessori:",
                            "Calibro:",
                            "Anno:",
                            "Matricola n.",
                            "Munizioni e serbatoi:",
                            "Proprietario:",
                            "Codice fiscale:",
                            "Luogo conservazione:",
                            "Note:"};
    auto* grid = window.findChild<QWidget*>(QStringLiteral("panAvvio"))->findChild<QGridLayout*>();
    ASSERT_NE(grid, nullptr);
    for (int i = 0; i < 10; ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(edits.at(i)), &row, &column, &rowSpan, &columnSpan);
        EXPECT_EQ(row, i % 5) << kCriteria[i];
        EXPECT_EQ(column, i / 5 * 2 + 1) << kCriteria[i];
        auto* label = qobject_cast<QLabel*>(grid->itemAtPosition(row, column - 1)->widget());
        ASSERT_NE(label, nullptr) << kCriteria[i];
        EXPECT_EQ(label->text(), QString::fromUtf8(labels[i]));
    }

    EXPECT_EQ(QApplication::focusWidget(), edits.front());
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        edits.front()->setFocus();
        for (int i = 0; i < 10; ++i) {
            ASSERT_EQ(QApplication::focusWidget(), edits.at(i)) << kCriteria[i];
            for (int j = 0; j < 10; ++j) {
                EXPECT_EQ(
                    window.findChild<QFrame*>(QString::fromLatin1(kHighlights[j]))->isVisible(),
                    i == j)
                    << kCriteria[i] << " " << kHighlights[j];
            }
            QTest::keyClick(edits.at(i), key);
        }
        if (key == Qt::Key_Return) {
            EXPECT_EQ(QApplication::focusWidget(), edits.front());
        }
    }
}

TEST_F(WeaponListWindowTest, TheSearchListsTheMatchesAndLoadsTheChosenWeapon) {
    store({{.make = "Sauer 303", .calibre = "9,3x62", .owner = "Rossi Ugo"},
           {.make = "Beretta 686",
            .calibre = "12",
            .ammunition = "12/70",
            .owner = "Rossi Mario",
            .note = "canne lunghe",
            .value = "1250,50",
            .forSale = "S\xEC"},
           {.make = "benelli", .calibre = "12", .owner = "Bianchi Luca"},
           {.make = "Franchi", .calibre = "12", .owner = "Rossi Anna"}});
    SearchWindow window(weapons::search(), &card);
    window.setMemory(QStringLiteral("armi"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    typeText(window.findChild<QLineEdit*>(QStringLiteral("txtCalibro")), QStringLiteral("12"));
    typeText(window.findChild<QLineEdit*>(QStringLiteral("txtProprietario")),
             QStringLiteral("ROSSI"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
    EXPECT_EQ(makes(window.list()), (QStringList{"Beretta 686", "Franchi"}));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblTrovate"))->text(),
              QStringLiteral("Il presente riepilogo contiene 2 schede."));
    EXPECT_EQ(window.list()->view()->font().family(), QStringLiteral("Courier New"));

    doubleClickLine(window.list(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cardPosition(), QStringLiteral("2"));
    EXPECT_EQ(cardText("txtArma"), QStringLiteral("Beretta 686"));
    EXPECT_EQ(cardText("txtNote"), QStringLiteral("canne lunghe"));
}

// A make and model cut at 34 characters gives two weapons one line; each
// line opens its own weapon, in the search and in the for-sale summary.
TEST_F(WeaponListWindowTest, IdenticalLinesOpenEachItsOwnWeapon) {
    store({{.make = "Beretta 686 Silver Pigeon I Sporting Plus",
            .calibre = "12",
            .owner = "Rossi Mario",
            .note = "prima",
            .forSale = "S\xEC"},
           {.make = "Beretta 686 Silver Pigeon I Sporting Extra",
            .calibre = "12",
            .owner = "Rossi Mario",
            .note = "seconda",
            .forSale = "S\xEC"}});
    for (int row : {0, 1}) {
        SearchWindow search(weapons::search(), &card);
        search.setMemory(QStringLiteral("armi"));
        search.show();
        search.search();
        ASSERT_EQ(search.list()->lines().size(), 2);
        EXPECT_EQ(search.list()->lines().at(0).text, search.list()->lines().at(1).text);
        doubleClickLine(search.list(), row);
        EXPECT_EQ(cardPosition(), QString::number(row + 1));
        EXPECT_EQ(cardText("txtNote"), row == 0 ? u"prima" : u"seconda");
        EXPECT_EQ(cardText("txtArma"), row == 0 ? u"Beretta 686 Silver Pigeon I Sporting Plus"
                                                : u"Beretta 686 Silver Pigeon I Sporting Extra");
    }
    for (int row : {1, 0}) {
        SummaryWindow summary(weapons::forSaleSummary(), &card);
        summary.show();
        ASSERT_EQ(summary.list()->lines().size(), 2);
        doubleClickLine(summary.list(), row);
        EXPECT_EQ(cardPosition(), QString::number(row + 1));
        EXPECT_EQ(cardText("txtNote"), row == 0 ? u"prima" : u"seconda");
    }
}

// A fixed window without a count line: the weapons flagged "Sì", sorted,
// the focus in the find box; a double-click loads the chosen weapon.
TEST_F(WeaponListWindowTest, TheForSaleSummaryListsAndLoadsTheWeaponsForSale) {
    store(
        {{.make = "Sauer 303", .owner = "Neri Ugo", .forSale = "S\xEC"},
         {.make = "Franchi", .owner = "Verdi Anna", .forSale = "No"},
         {.make = "beretta 686", .owner = "Rossi Mario", .note = "in vendita", .forSale = "S\xEC"},
         {.make = "Browning", .owner = "Bianchi Luca", .forSale = "s\xEC"}});
    SummaryWindow window(weapons::forSaleSummary(), &card);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.objectName(), QStringLiteral("TfrmArmi_Disponibili"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Riepilogo armi in vendita"));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblTrovate")), nullptr);
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains(QStringLiteral("schede"))) << qPrintable(label->text());
    }
    EXPECT_EQ(makes(window.list()), (QStringList{"beretta 686", "Sauer 303"}));
    EXPECT_EQ(QApplication::focusWidget(), window.list()->findBox());
    EXPECT_TRUE(messages().shown.isEmpty());

    doubleClickLine(window.list(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cardPosition(), QStringLiteral("3"));
    EXPECT_EQ(cardText("txtProprietario"), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(cardText("txtNote"), QStringLiteral("in vendita"));
}

// The file gets shorter while the summary reads it: the weapons read so far
// stay listed, and the access message says the list is not whole. The scan
// reads one block ahead of the records it hands out, so the file has more
// blocks than that (four of 309 weapons).
TEST_F(WeaponListWindowTest, TheForSaleSummaryKeepsTheLinesReadAndGivesTheAccessMessage) {
    QList<TestWeapon> many;
    for (int i = 0; i < 1000; ++i) {
        many.append(
            {.make = QByteArray("Arma ") + QByteArray::number(1000 + i), .forSale = "S\xEC"});
    }
    store(many);
    SummaryDefinition shrinking = weapons::forSaleSummary();
    shrinking.condition = [this, truncated = false](const FieldValues& values,
                                                    const QDate& today) mutable {
        if (!truncated) truncated = QFile::resize(dataPath(kFile), 3385);
        return weapons::forSaleCondition(values, today);
    };
    SummaryWindow window(shrinking, &card);
    window.show();
    const ListLines& lines = window.list()->lines();
    EXPECT_GT(lines.size(), 0);
    EXPECT_LT(lines.size(), 1000);
    EXPECT_EQ(lines.front().text.left(9), QStringLiteral("Arma 1000"));
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().shown.front().text, archivemsg::accessError());
}

TEST_F(WeaponListWindowTest, TheSummaryOfAnEmptyArchiveIsEmptyAndFindSaysSo) {
    store({});
    SummaryWindow window(weapons::forSaleSummary(), &card);
    window.show();
    EXPECT_TRUE(window.list()->lines().isEmpty());
    EXPECT_TRUE(messages().shown.isEmpty());
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnTrova")), Qt::LeftButton);
    EXPECT_EQ(messages().take(),
              QStringList{
                  QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});
}

TEST_F(WeaponListWindowTest, TheExportShowsSeventeenColumnsAndWritesSchedarioArmiXls) {
    store({{.make = " Beretta 686 ",
            .accessories = "custodia",
            .calibre = "12",
            .year = "2015",
            .serial = "A1",
            .weight = "3,2",
            .components = "canne",
            .dimensions = "71 cm",
            .ammunition = "12/70",
            .place = "Armadio citt\xE0",
            .owner = "Rossi Mario",
            .taxCode = "RSSMRA80A01H501U",
            .phone = "333 1234567",
            .note = "<b>nota</b>",
            .value = "1250,50",
            .forSale = "S\xEC",
            .file01 = "/home/porto.pdf"},
           {.make = "Benelli", .owner = "Bianchi Luca", .value = "0,00"}});
    ExportWindow window(weapons::exporter(), &card);
    window.show();
    EXPECT_EQ(window.objectName(), QStringLiteral("TfrmExpArmi"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Esporta schedario armi in Microsoft Excel"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("panInfo"))->text(),
              QStringLiteral("Esportazione archivio in Microsoft Excel."));
    auto* grid = window.findChild<QTableView*>(QStringLiteral("grdRecords"));
    ASSERT_EQ(grid->model()->columnCount(), 17);
    ASSERT_EQ(grid->model()->rowCount(), 2);
    struct Column {
        const char* header;
        int width;
        const char* first;
        const char* second;
    } columns[] = {
        {"N.", 60, "1", "2"},
        {"Marca e modello", 250, "Beretta 686", "Benelli"},
        {"Accessori", 300, "custodia", ""},
        {"Calibro", 150, "12", ""},
        {"Anno", 120, "2015", ""},
        {"Matricola n.", 200, "A1", ""},
        {"Peso in kg", 200, "3,2", ""},
        {"Componenti", 300, "canne", ""},
        {"Dimensioni", 250, "71 cm", ""},
        {"Munizioni e serbatoi", 250, "12/70", ""},
        {"Luogo conservazione", 250, "Armadio città", ""},
        {"Proprietario", 250, "Rossi Mario", "Bianchi Luca"},
        {"Codice fiscale", 180, "RSSMRA80A01H501U", ""},
        {"Tel. preferenziale", 180, "333 1234567", ""},
        {"Note", 350, "<b>nota</b>", ""},
        {"Valore", 150, "1250,50", "0,00"},
        {"In vendita", 120, "Sì", "No"},
    };
    for (int c = 0; c < 17; ++c) {
        const Column& column = columns[c];
        EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal).toString(),
                  QString::fromUtf8(column.header));
        EXPECT_EQ(grid->columnWidth(c), column.width) << column.header;
        EXPECT_EQ(grid->model()->index(0, c).data().toString(), QString::fromUtf8(column.first))
            << column.header;
        EXPECT_EQ(grid->model()->index(1, c).data().toString(), QString::fromUtf8(column.second))
            << column.header;
    }

    testSeams().desktop.nextFileNames = {window.filePath()};
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("cmdEsporta")), Qt::LeftButton);
    const QByteArray file = readFile(QStringLiteral("Schedario_Armi.xls"));
    EXPECT_TRUE(file.contains("<x:Name>Schedario Armi</x:Name>"));
    EXPECT_EQ(file.count("<tr>"), 3);
    EXPECT_EQ(file.count("font-weight: bold;"), 16);
    EXPECT_TRUE(file.contains("&lt;b&gt;nota&lt;/b&gt;"));
    EXPECT_FALSE(file.contains("porto.pdf"));
    EXPECT_EQ(desktop().opened,
              QStringList{u'"' + dataPath(QStringLiteral("Schedario_Armi.xls")) + u'"'});

    QString title;
    whenModal([&](QWidget* modal) {
        title = modal->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text();
        modal->close();
    });
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("cmdGuida")), Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("Esportazione schedario armi in Microsoft Excel"));
}

}  // namespace
