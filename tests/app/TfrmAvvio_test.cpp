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

TEST_F(LauncherTest, TheArchivesStillToComeAreDisabled) {
    const QStringList captions{
        QStringLiteral("Archivio Squadre"), QStringLiteral("Invio Comunicazioni"),
        QStringLiteral("Schedario Armi"), QStringLiteral("Battute di Caccia"),
        QStringLiteral("Scadenze e Pagamenti")};
    const QStringList tiles{QStringLiteral("Squadre"), QStringLiteral("Comunicazioni"),
                            QStringLiteral("Armi"), QStringLiteral("Battute"),
                            QStringLiteral("Scadenze")};
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        auto* bar = launcher.findChild<QPushButton*>(QStringLiteral("btn") + tiles[i]);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->text(), captions[i]);
        EXPECT_FALSE(bar->isEnabled());
        EXPECT_FALSE(
            launcher.findChild<QToolButton*>(QStringLiteral("img") + tiles[i])->isEnabled());
    }
    EXPECT_EQ(launcher.findChild<QPushButton*>(QStringLiteral("btnAnagrafica"))->text(),
              QStringLiteral("Anagrafica Cacciatori"));
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
