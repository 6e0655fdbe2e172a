#include <QDir>
#include <QGraphicsEffect>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/TfrmAvvio.h"
#include "base/GuiShell.h"
#include "shell/ProgramInfo.h"
#include "support/Fixtures.h"

namespace {

class LauncherIconsTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        launcher.showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
    }
    QWidget* child(const char* name) {
        return launcher.findChild<QWidget*>(QString::fromLatin1(name));
    }
    QPoint placeOf(const char* name) {
        QWidget* w = child(name);
        return w ? w->mapTo(&launcher, QPoint(0, 0)) : QPoint(-1, -1);
    }
    void open(const char* icon) {
        QTest::mouseClick(launcher.findChild<QToolButton*>(QString::fromLatin1(icon)),
                          Qt::LeftButton);
    }

    TfrmAvvio launcher;
};

TEST_F(LauncherIconsTest, SitInTheirCorners) {
    // Information top left, guide top right, splash bottom left.
    EXPECT_LT(placeOf("imgInfo").x(), placeOf("imgAnagrafica").x());
    EXPECT_LT(placeOf("imgInfo").y(), placeOf("imgAnagrafica").y());
    EXPECT_GT(placeOf("imgGuida").x(), placeOf("imgComunicazioni").x());
    EXPECT_LT(placeOf("imgGuida").y(), placeOf("imgComunicazioni").y());
    EXPECT_LT(placeOf("imgCopyright").x(), placeOf("imgSito").x());
    EXPECT_GT(placeOf("imgCopyright").y(), placeOf("btnArmi").y());
}

TEST_F(LauncherIconsTest, InformationWindowShowsTheProgramAndWritesToTheMaker) {
    QString objectName, caption, address, dataFolder;
    QSize size;
    whenModal([&](QWidget* modal) {
        objectName = modal->objectName();
        caption = modal->windowTitle();
        size = modal->size();
        address = modal->findChild<QLabel*>(QStringLiteral("lnkWeb"))->text();
        if (auto* shown = modal->findChild<QLineEdit*>(QStringLiteral("txtCartellaDati"))) {
            dataFolder = shown->text();
        }
        QTest::mouseClick(modal->findChild<QLabel*>(QStringLiteral("lnkWeb")), Qt::LeftButton);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnChiudi")),
                          Qt::LeftButton);
    });
    open("imgInfo");
    EXPECT_EQ(objectName, QStringLiteral("TfrmInfo"));
    EXPECT_EQ(caption, QStringLiteral(" Informazioni su Selvadoro"));
    EXPECT_EQ(size, QSize(473, 579));
    EXPECT_EQ(address, programinfo::makerEmail());
    // The data folder in use, here the test's own.
    EXPECT_EQ(dataFolder, QDir::toNativeSeparators(folder.path()));
    EXPECT_EQ(desktop().opened,
              QStringList{QStringLiteral("\"mailto:") + programinfo::makerEmail() +
                          QStringLiteral("?subject=Software%20Selvadoro&body=Salve%2C%20desidererei"
                                         "%20avere%20le%20seguenti%20informazioni%20sul%20"
                                         "software%20in%20oggetto%3A\"")});
}

TEST_F(LauncherIconsTest, SplashWindowSitsOnTheLauncherAndLinksTheSite) {
    QString objectName, caption, address;
    QSize size;
    QPoint centre;
    whenModal([&](QWidget* modal) {
        objectName = modal->objectName();
        caption = modal->windowTitle();
        size = modal->size();
        centre = modal->frameGeometry().center();
        address = modal->findChild<QLabel*>(QStringLiteral("lnkWeb"))->text();
        QTest::mouseClick(modal->findChild<QLabel*>(QStringLiteral("imgWeb")), Qt::LeftButton);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnChiudi")),
                          Qt::LeftButton);
    });
    open("imgCopyright");
    EXPECT_EQ(objectName, QStringLiteral("TfrmSplash"));
    EXPECT_EQ(caption, QStringLiteral(" Selvadoro - ") + programinfo::makerNotice());
    EXPECT_EQ(size, QSize(661, 467));
    EXPECT_LE((centre - launcher.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_EQ(address, programinfo::makerSite());
    EXPECT_EQ(desktop().opened, QStringList{programinfo::makerSite()});
}

// The links of the three windows: orange while the button is held on the
// text or its picture, dark blue again on release, which opens the target.
TEST_F(LauncherIconsTest, EveryLinkTurnsOrangeWhileHeldDown) {
    struct Case {
        const char* icon;     // launcher icon that opens the window
        const char* picture;  // the link's picture
    };
    for (const Case& c : {Case{"imgInfo", "imgEmail"}, Case{"imgGuida", "imgPDF"},
                          Case{"imgCopyright", "imgWeb"}}) {
        for (const char* pressed : {"lnkWeb", c.picture}) {
            QList<QColor> colours;
            QList<bool> tinted;
            qsizetype openedWhileHeld = -1;
            whenModal([&](QWidget* modal) {
                auto* text = modal->findChild<QLabel*>(QStringLiteral("lnkWeb"));
                auto* picture = modal->findChild<QLabel*>(QString::fromLatin1(c.picture));
                auto* target = modal->findChild<QLabel*>(QString::fromLatin1(pressed));
                const auto look = [&] {
                    colours.append(text->palette().color(QPalette::WindowText));
                    tinted.append(picture->graphicsEffect() &&
                                  picture->graphicsEffect()->isEnabled());
                };
                look();
                QTest::mousePress(target, Qt::LeftButton);
                look();
                openedWhileHeld = desktop().opened.size();
                QTest::mouseRelease(target, Qt::LeftButton);
                look();
                QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnChiudi")),
                                  Qt::LeftButton);
            });
            desktop().opened.clear();
            open(c.icon);
            const std::string what = std::string(c.icon) + " " + pressed;
            EXPECT_EQ(colours, (QList<QColor>{kLinkColour, kPressedLinkColour, kLinkColour}))
                << what;
            EXPECT_EQ(tinted, (QList<bool>{false, true, false})) << what;
            EXPECT_EQ(openedWhileHeld, 0) << what;
            EXPECT_EQ(desktop().opened.size(), 1) << what;
        }
    }
}

}  // namespace
