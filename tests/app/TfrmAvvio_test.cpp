#include "app/TfrmAvvio.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include "hunters/TfrmAnagrafica.h"
#include "support/Fixtures.h"

namespace {

class LauncherTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        launcher.setCardWindow(QStringLiteral("Anagrafica"), &hunters);
        launcher.showMaximized();
    }
    void click(const char* name) {
        QTest::mouseClick(launcher.findChild<QAbstractButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }

    TfrmAvvio launcher;
    TfrmAnagrafica hunters;
};

TEST_F(LauncherTest, TheHuntersTileOpensTheCardAndClosingItComesBack) {
    EXPECT_EQ(launcher.windowTitle(), QStringLiteral(" Selvadoro"));
    for (const char* tile : {"imgAnagrafica", "btnAnagrafica"}) {
        click(tile);
        EXPECT_TRUE(hunters.isVisible()) << tile;
        EXPECT_TRUE(hunters.isMaximized()) << tile;
        EXPECT_FALSE(launcher.isVisible()) << tile;

        // Something typed is gone at the next opening.
        hunters.findChild<QLineEdit*>(QStringLiteral("txtCognome"))->setText(QStringLiteral("X"));
        hunters.close();
        EXPECT_FALSE(hunters.isVisible());
        EXPECT_TRUE(launcher.isVisible());
    }
    click("btnAnagrafica");
    EXPECT_EQ(hunters.findChild<QLineEdit*>(QStringLiteral("txtCognome"))->text(), QString());
}

// The tiles follow the registry, three to a row; a tile whose archive has
// no card yet is disabled, as is every tile no card was given to.
TEST_F(LauncherTest, TilesWithoutACardAreDisabled) {
    const QStringList captions{
        QStringLiteral("Anagrafica Cacciatori"), QStringLiteral("Archivio Squadre"),
        QStringLiteral("Invio Comunicazioni"),   QStringLiteral("Schedario Armi"),
        QStringLiteral("Battute di Caccia"),     QStringLiteral("Scadenze e Pagamenti")};
    const QStringList tiles{QStringLiteral("Anagrafica"),    QStringLiteral("Squadre"),
                            QStringLiteral("Comunicazioni"), QStringLiteral("Armi"),
                            QStringLiteral("Battute"),       QStringLiteral("Scadenze")};
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        auto* bar = launcher.findChild<QPushButton*>(QStringLiteral("btn") + tiles[i]);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->text(), captions[i]);
        // Only the hunters' tile was given its card here.
        EXPECT_EQ(bar->isEnabled(), i == 0) << tiles[i].toStdString();
        EXPECT_EQ(launcher.findChild<QToolButton*>(QStringLiteral("img") + tiles[i])->isEnabled(),
                  i == 0);
    }
}

TEST_F(LauncherTest, TheSiteBannerOpensTheWebSite) {
    click("imgSito");
    EXPECT_EQ(desktop().opened, QStringList{TfrmAvvio::makerSite()});
}

TEST_F(LauncherTest, TheExitIconAndTheCloseBoxBothEndTheProgram) {
    QSignalSpy quit(&launcher, &TfrmAvvio::quitRequested);
    click("imgEsci");
    EXPECT_EQ(quit.count(), 1);
    launcher.close();
    EXPECT_EQ(quit.count(), 2);
}

}  // namespace
