// The windows of the run are made when first needed: start-up makes the
// password window alone; a card is made by its tile, or by a list or picker
// that writes into it, and is then the same window at every opening.

#include "app/GuiApplication.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSet>

#include "app/Archives.h"
#include "app/GuiArchives.h"
#include "app/TfrmAvvio.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"
#include "support/Fixtures.h"
#include "support/HunterArchive.h"
#include "support/ListClicks.h"
#include "weapons/TfrmArmi.h"
#include "windows/CardWindow.h"
#include "windows/GuiCards.h"
#include "windows/GuiListActions.h"
#include "windows/SearchWindow.h"

namespace {

class LazyWindowsTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        const auto before = QApplication::topLevelWidgets();
        existing = QSet<QWidget*>(before.begin(), before.end());
    }

    // The top-level windows made since the test began.
    QSet<QWidget*> madeWindows() const {
        const auto now = QApplication::topLevelWidgets();
        return QSet<QWidget*>(now.begin(), now.end()) - existing;
    }

    // The card windows of that name made since the test began.
    QList<CardWindow*> madeCards(const QString& windowName) const {
        QList<CardWindow*> found;
        for (QWidget* window : madeWindows()) {
            auto* card = qobject_cast<CardWindow*>(window);
            if (card && card->objectName() == windowName) found.append(card);
        }
        return found;
    }

    QSet<QWidget*> existing;
};

TEST_F(LazyWindowsTest, StartUpMakesThePasswordWindowAlone) {
    {
        GuiApplication windows;
        EXPECT_EQ(madeWindows(), QSet<QWidget*>{&windows.password()});

        // The others come when asked for, once.
        TfrmAvvio* launcher = &windows.launcher();
        EXPECT_EQ(&windows.launcher(), launcher);
        EXPECT_EQ(&windows.changePassword(), &windows.changePassword());
        EXPECT_EQ(madeWindows().size(), 3);
        for (QWidget* window : madeWindows()) EXPECT_EQ(qobject_cast<CardWindow*>(window), nullptr);
    }
    // Without the program's windows no card is made.
    EXPECT_EQ(cards::cardWindow(QStringLiteral("TfrmAnagrafica")), nullptr);
    EXPECT_TRUE(madeWindows().isEmpty());
}

// Every tile makes its card at its first opening, and every later opening,
// by the tile or by name, finds that same window.
TEST_F(LazyWindowsTest, EachTileMakesItsCardOnceAndReopensTheSameWindow) {
    GuiApplication windows;
    for (const GuiArchive& archive : archives::windows()) {
        if (!archive.createCard) continue;
        const QString name = QString::fromLatin1(archive.window);
        auto* bar = windows.launcher().findChild<QPushButton*>(QStringLiteral("btn") +
                                                               QString::fromLatin1(archive.tile));
        ASSERT_NE(bar, nullptr) << archive.tile;
        EXPECT_TRUE(madeCards(name).isEmpty()) << archive.window;

        windows.launcher().show();
        bar->click();
        const QList<CardWindow*> made = madeCards(name);
        ASSERT_EQ(made.size(), 1) << archive.window;
        CardWindow* card = made.front();
        EXPECT_TRUE(card->isVisible()) << archive.window;
        card->close();

        bar->click();
        EXPECT_EQ(madeCards(name), QList<CardWindow*>{card}) << archive.window;
        EXPECT_TRUE(card->isVisible()) << archive.window;
        EXPECT_EQ(windows.card(name), card) << archive.window;
        EXPECT_EQ(cards::cardWindow(name), card) << archive.window;
        card->close();
        EXPECT_TRUE(windows.launcher().isVisible()) << archive.window;
    }
    EXPECT_EQ(windows.card(QStringLiteral("TfrmNessuna")), nullptr);
}

// A list that loads a record into a card not opened yet makes that card
// and loads the record there.
TEST_F(LazyWindowsTest, AListLoadsItsRecordIntoACardNotMadeYet) {
    GuiApplication windows;
    for (const ArchiveDefinition* archive : archives::all()) {
        const PickerMode* load = nullptr;
        for (const PickerMode& mode : archive->search->pickers) {
            if (mode.loadsRecord) load = &mode;
        }
        ASSERT_NE(load, nullptr) << archive->name;
        const QString name = QString::fromLatin1(load->window);
        EXPECT_TRUE(madeCards(name).isEmpty()) << archive->name;

        // A record whose first search criterion's field says "Prova".
        ASSERT_FALSE(archive->search->criteria.isEmpty()) << archive->name;
        const FieldId field = archive->search->criteria.front().field;
        FoundRecord record{7, FieldValues(qsizetype(archive->layout->fields.size()))};
        record.values[field.index] = QStringLiteral("Prova");
        const QString control =
            QString::fromLatin1(archive->layout->fields[std::size_t(field.index)].control);

        ASSERT_TRUE(applyChosenRecord(*load, record)) << archive->name;
        const QList<CardWindow*> made = madeCards(name);
        ASSERT_EQ(made.size(), 1) << archive->name;
        CardWindow* card = made.front();
        EXPECT_EQ(windows.card(name), card) << archive->name;
        EXPECT_EQ(card->controlText(control), QStringLiteral("Prova")) << archive->name;
        EXPECT_EQ(card->position(), 7) << archive->name;
    }
}

// The hunters' search opened from the weapon card, a card made on first
// use, writes the owner into that card; what was typed there stays, and the
// card is the same window at the next opening.
TEST_F(LazyWindowsTest, APickerWritesIntoTheCardMadeOnFirstUse) {
    ASSERT_TRUE(
        writeHunters(dataPath(QStringLiteral("Cacciatori.pro")),
                     {{"Bianchi", "Anna"},
                      {.surname = "Rossi", .name = "Mario", .codFisc = "RSSMRA80A01H501U"}}));
    GuiApplication windows;
    windows.launcher().show();
    windows.launcher().openArchive(QStringLiteral("Armi"));
    auto* card = qobject_cast<TfrmArmi*>(windows.card(QStringLiteral("TfrmArmi")));
    ASSERT_NE(card, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(card));
    auto* make = card->findChild<QLineEdit*>(QStringLiteral("txtArma"));
    ASSERT_NE(make, nullptr);
    make->setFocus();
    typeText(make, QStringLiteral("Beretta"));

    bool picked = false;
    whenModal([&](QWidget* modal) {
        auto* search = qobject_cast<SearchWindow*>(modal);
        ASSERT_NE(search, nullptr);
        search->search();
        doubleClickLine(search->list(), lineStartingWith(search->list(), QStringLiteral("Rossi")));
        picked = true;
    });
    QTest::mouseClick(card->findChild<QAbstractButton*>(QStringLiteral("impCacciatore")),
                      Qt::LeftButton);
    EXPECT_TRUE(picked);
    EXPECT_EQ(card->controlText(QStringLiteral("txtProprietario")), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(card->controlText(QStringLiteral("txtCodFisc")), QStringLiteral("RSSMRA80A01H501U"));
    EXPECT_EQ(make->text(), QStringLiteral("Beretta"));
    EXPECT_EQ(madeCards(QStringLiteral("TfrmArmi")), QList<CardWindow*>{card});

    card->close();
    windows.launcher().openArchive(QStringLiteral("Armi"));
    EXPECT_EQ(windows.card(QStringLiteral("TfrmArmi")), card);
    EXPECT_EQ(card->findChild<QLineEdit*>(QStringLiteral("txtArma")), make);
    EXPECT_TRUE(card->isVisible());
    card->close();
}

}  // namespace
