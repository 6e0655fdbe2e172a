#include "windows/SearchWindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <array>

#include "hunters/HunterLists.h"
#include "hunters/TRecCacciatore.h"
#include "hunters/TfrmAnagrafica.h"
#include "lists/RecordListWidget.h"
#include "records/ArchiveMessages.h"
#include "support/Fixtures.h"
#include "support/HunterArchive.h"
#include "windows/SummaryWindow.h"

namespace {

// A small card of another archive, with one field that a picker on the
// hunters' search fills.
#define SMALL_FIELDS(F) F(Cacciatore, 101, txtCacciatore)
struct TRecPiccola {
    SELVADORO_RECORD_FIELDS(SMALL_FIELDS)
};
constexpr std::array kSmallFields{SMALL_FIELDS(SELVADORO_FIELD_SPEC)};
const RecordLayout kSmallLayout{"Piccola.pro", FieldEncoding::ZeroTerminated, kSmallFields};
const std::array kSmallCardFields{
    CardField{.field = TRecPiccola::Field::Cacciatore, .label = "Cacciatore:"}};

class SmallCard : public CardWindow {
public:
    SmallCard()
        : CardWindow(CardDefinition{.windowName = "TfrmPiccola",
                                    .caption = QStringLiteral(" Piccola"),
                                    .layout = &kSmallLayout,
                                    .fields = kSmallCardFields,
                                    .readyText = {},
                                    .newHint = {},
                                    .saveHint = {},
                                    .duplicateHint = {},
                                    .check = {}}) {
        finishLayout();
    }
};

class HunterListWindowTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        card.showMaximized();
    }
    void store(const QList<TestHunter>& hunters) {
        ASSERT_TRUE(writeHunters(dataPath(QStringLiteral("Cacciatori.pro")), hunters));
    }
    static QStringList texts(const RecordListWidget* list) {
        QStringList all;
        for (const ListLine& line : list->lines()) all.append(line.text.left(28).trimmed());
        return all;
    }
    static void doubleClickLine(RecordListWidget* list, int row) {
        QListView* view = list->view();
        const QRect item = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QCoreApplication::processEvents();
    }
    QString cardText(const char* name) {
        return card.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    QString cardPosition() {
        return card.findChild<QLabel*>(QStringLiteral("lblPosizione"))->text();
    }

    TfrmAnagrafica card;
};

TEST_F(HunterListWindowTest, SearchListsTheMatchesSortedAndCountsThem) {
    store({{"Rossi", "Mario"}, {"Bianchi", "Anna"}, {"Rossetti", "Marta"}, {"Rossi", "Luigi"}});
    SearchWindow window(hunters::search(), &card);
    window.setMemory(QStringLiteral("anagrafica"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Trova cacciatori in archivio"));
    auto* surname = window.findChild<QLineEdit*>(QStringLiteral("txtCognome"));
    EXPECT_EQ(QApplication::focusWidget(), surname);
    typeText(surname, QStringLiteral("ross"));
    QTest::keyClick(surname, Qt::Key_Return);  // Enter goes to the next criterion
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("txtNome"));
    EXPECT_EQ(QApplication::focusWidget(), name);
    typeText(name, QStringLiteral("MAR"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);

    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("panContainer"))->isVisible());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("panAvvio"))->isVisible());
    EXPECT_EQ(texts(window.list()), (QStringList{"Rossetti Marta", "Rossi Mario"}));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblTrovate"))->text(),
              QStringLiteral("Il presente riepilogo contiene 2 schede."));
    EXPECT_EQ(QApplication::focusWidget(), window.list()->findBox());
    EXPECT_EQ(window.list()->view()->font().family(), QStringLiteral("Courier New"));

    doubleClickLine(window.list(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cardText("txtCognome"), QStringLiteral("Rossi"));
    EXPECT_EQ(cardText("txtNome"), QStringLiteral("Mario"));
    EXPECT_EQ(cardPosition(), QStringLiteral("1"));
}

TEST_F(HunterListWindowTest, EachOfTwoEqualLinesOpensItsOwnRecord) {
    store({{.surname = "Rossi", .name = "Mario", .note = "primo"},
           {.surname = "Rossi", .name = "Mario", .note = "secondo"}});
    for (int row : {0, 1}) {
        SearchWindow window(hunters::search(), &card);
        window.setMemory(QStringLiteral("anagrafica"));
        window.show();
        window.search();
        doubleClickLine(window.list(), row);
        EXPECT_EQ(cardPosition(), QString::number(row + 1));
        EXPECT_EQ(cardText("txtNote"), row == 0 ? u"primo" : u"secondo");
    }
}

TEST_F(HunterListWindowTest, DoubleClickWithoutSelectionClosesAndChangesNothing) {
    store({{"Rossi", "Mario"}});
    SearchWindow window(hunters::search(), &card);
    window.setMemory(QStringLiteral("anagrafica"));
    window.show();
    window.search();
    QListView* view = window.list()->view();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, view->height() - 30));
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cardPosition(), QString());
    EXPECT_EQ(cardText("txtCognome"), QString());
}

// A criterion that names no highlight of its own shows "eff" and its field
// while it has the focus.
TEST_F(HunterListWindowTest, ACriterionWithoutItsOwnHighlightNameShowsEffAndItsField) {
    SearchWindow window(hunters::search(), &card);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* surname = window.findChild<QFrame*>(QStringLiteral("effCognome"));
    auto* name = window.findChild<QFrame*>(QStringLiteral("effNome"));
    ASSERT_NE(surname, nullptr);
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(surname->isVisible());
    QTest::keyClick(window.findChild<QLineEdit*>(QStringLiteral("txtCognome")), Qt::Key_Return);
    EXPECT_FALSE(surname->isVisible());
    EXPECT_TRUE(name->isVisible());
}

TEST_F(HunterListWindowTest, FindInListAndItsEmptyListMessage) {
    // Listed as Amato, Luigi, Marta: the first and the third hold "ma".
    store({{"Marta", "C"}, {"Luigi", "B"}, {"Amato", "A"}});
    SearchWindow window(hunters::search(), &card);
    window.show();
    window.search();
    typeText(window.list()->findBox(), QStringLiteral("ma"));
    for (qsizetype expected : {0, 2, 0}) {
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnTrova")),
                          Qt::LeftButton);
        EXPECT_EQ(window.list()->selectedIndex(), expected);
    }

    SearchWindow empty(hunters::search(), &card);
    empty.show();
    typeText(empty.findChild<QLineEdit*>(QStringLiteral("txtCognome")), QStringLiteral("zzz"));
    empty.search();
    QTest::mouseClick(empty.findChild<QPushButton*>(QStringLiteral("btnTrova")), Qt::LeftButton);
    EXPECT_EQ(messages().take(),
              QStringList{
                  QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});
}

TEST_F(HunterListWindowTest, PrintingHandsTheTitleAndEveryLine) {
    store({{"Rossi", "Mario"}, {"Bianchi", "Anna"}});
    SearchWindow window(hunters::search(), &card);
    window.show();
    window.search();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    ASSERT_EQ(printing().jobs.size(), 1);
    const FakePrinting::Job& job = printing().jobs.front();
    EXPECT_FALSE(job.preview);
    const QString all = job.texts.join(u'\n');
    EXPECT_TRUE(all.contains(QStringLiteral("Anagrafica cacciatori")));
    EXPECT_TRUE(all.contains(window.list()->lines().at(0).text));
    EXPECT_TRUE(all.contains(window.list()->lines().at(1).text));
    EXPECT_TRUE(all.contains(QStringLiteral("Stampa eseguita in data 07/03/2024")));
}

TEST_F(HunterListWindowTest, AnUnusableArchiveKeepsTheCriteria) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Cacciatori.pro")));
    SearchWindow window(hunters::search(), &card);
    window.show();
    window.search();
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("panAvvio"))->isVisible());
}

TEST_F(HunterListWindowTest, APickerTagForACardNotOpenChangesNothing) {
    store({{"Rossi", "Mario"}});
    SearchWindow window(hunters::search(), &card);
    window.setMemory(QStringLiteral("armi"));
    window.show();
    window.search();
    doubleClickLine(window.list(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cardPosition(), QString());
}

TEST_F(HunterListWindowTest, APickerBroughtByAnotherArchiveFillsItsCard) {
    store({{.surname = "Rossi", .name = "Mario"}, {.surname = "Bianchi", .name = "Anna"}});
    SmallCard small;
    small.show();
    const PickerMode pickHunter{"piccola_cacciatore",
                                "TfrmPiccola",
                                false,
                                {{"txtCacciatore", joinedFields({TRecCacciatore::Field::Cognome,
                                                                 TRecCacciatore::Field::Nome})}}};
    ASSERT_EQ(hunters::search().picker(QStringLiteral("piccola_cacciatore")), nullptr);

    SearchWindow window(hunters::search(), &small);
    window.usePicker(pickHunter);
    EXPECT_EQ(window.memory(), QStringLiteral("piccola_cacciatore"));
    window.show();
    window.search();
    doubleClickLine(window.list(), 1);  // Rossi Mario, listed after Bianchi Anna
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(small.findChild<QLineEdit*>(QStringLiteral("txtCacciatore"))->text(),
              QStringLiteral("Rossi Mario"));
    EXPECT_EQ(cardPosition(), QString());  // the hunter card is left alone

    // A tag set afterwards goes back to the modes of the search definition.
    window.setMemory(QStringLiteral("anagrafica"));
    window.show();
    window.search();
    doubleClickLine(window.list(), 0);
    EXPECT_EQ(cardText("txtCognome"), QStringLiteral("Bianchi"));
    EXPECT_EQ(small.findChild<QLineEdit*>(QStringLiteral("txtCacciatore"))->text(),
              QStringLiteral("Rossi Mario"));
}

TEST_F(HunterListWindowTest, TheCardsFindButtonOpensTheSearchOnItself) {
    store({{"Rossi", "Mario"}});
    bool opened = false;
    whenModal([&](QWidget* modal) {
        auto* window = qobject_cast<SearchWindow*>(modal);
        ASSERT_NE(window, nullptr);
        opened = true;
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmTrovaAnagrafica"));
        EXPECT_EQ(window->memory(), QStringLiteral("anagrafica"));
        window->search();
        doubleClickLine(window->list(), 0);
    });
    QTest::mouseClick(card.findChild<QToolButton*>(QStringLiteral("cmdTrova")), Qt::LeftButton);
    EXPECT_TRUE(opened);
    EXPECT_EQ(cardPosition(), QStringLiteral("1"));
}

TEST_F(HunterListWindowTest, PermitSummaryListsOnOpeningAndLoadsTheChosenHunter) {
    // Today is 07/03/2024 on the test clock.
    store({{.surname = "Scaduto", .name = "A", .expiry = "01/01/2024", .notice = "0"},
           {.surname = "Lontano", .name = "B", .expiry = "01/01/2030", .notice = "30"},
           {.surname = "Vicino", .name = "C", .expiry = "17/03/2024", .notice = "10"}});
    SummaryWindow window(hunters::permitSummary(), &card);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral(" Riepilogo cacciatori con porto di fucile in scadenza o scaduto"));
    EXPECT_EQ(texts(window.list()), (QStringList{"Scaduto A", "Vicino C"}));
    EXPECT_EQ(QApplication::focusWidget(), window.list()->findBox());
    doubleClickLine(window.list(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cardPosition(), QStringLiteral("3"));
    EXPECT_EQ(cardText("txtCognome"), QStringLiteral("Vicino"));
}

}  // namespace
