#include "shell/TfrmGuida.h"

#include <QDir>
#include <QGraphicsEffect>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "app/TfrmAvvio.h"
#include "base/GuiShell.h"
#include "base/Paths.h"
#include "hunters/HunterHelp.h"
#include "hunters/TfrmAnagrafica.h"
#include "shell/HelpTopics.h"
#include "support/Fixtures.h"

namespace {

// What a guide window showed, read while it was open.
struct Shown {
    QString objectName, caption, title, text;
    QSize size;
    QWidget* owner = nullptr;
    int scrollRange = 0;
};

Shown readAndClose(QWidget* modal) {
    Shown shown;
    shown.objectName = modal->objectName();
    shown.caption = modal->windowTitle();
    shown.size = modal->size();
    shown.owner = modal->parentWidget();
    if (auto* title = modal->findChild<QLabel*>(QStringLiteral("lblTitolo"))) {
        shown.title = title->text();
    }
    if (auto* memo = modal->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))) {
        shown.text = memo->toPlainText();
        shown.scrollRange = memo->verticalScrollBar()->maximum();
    }
    QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnChiudi")), Qt::LeftButton);
    return shown;
}

using GuideTest = DataFolderTest;

TEST_F(GuideTest, TheHunterCardShowsItsTopicInAFreshWindow) {
    TfrmAnagrafica card;
    card.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&card));
    auto* cmdGuida = card.findChild<QToolButton*>(QStringLiteral("cmdGuida"));
    ASSERT_NE(cmdGuida, nullptr);
    EXPECT_EQ(cmdGuida->toolTip(),
              QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));

    Shown shown;
    whenModal([&](QWidget* modal) { shown = readAndClose(modal); });
    QTest::mouseClick(cmdGuida, Qt::LeftButton);

    EXPECT_EQ(shown.objectName, QStringLiteral("TfrmGuida"));
    EXPECT_EQ(shown.caption, QStringLiteral(" Guida all'utilizzo del software"));
    EXPECT_EQ(shown.size, QSize(676, 598));
    EXPECT_EQ(shown.owner, &card);
    EXPECT_EQ(shown.title, QStringLiteral("App Anagrafica Cacciatori"));
    // Nine paragraphs, one empty line between each two.
    const QStringList paragraphs = shown.text.split(QStringLiteral("\n\n"));
    EXPECT_EQ(paragraphs, hunters::cardTopic().paragraphs);
    EXPECT_EQ(paragraphs.size(), 9);
    EXPECT_FALSE(shown.text.contains(QStringLiteral("\n\n\n")));
    // Closed means destroyed.
    EXPECT_TRUE(card.findChildren<TfrmGuida*>().isEmpty());
}

TEST_F(GuideTest, TheLaunchersGuideScrollsInsideAWindowOfFixedSize) {
    TfrmAvvio launcher;
    launcher.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
    Shown shown;
    whenModal([&](QWidget* modal) { shown = readAndClose(modal); });
    QTest::mouseClick(launcher.findChild<QToolButton*>(QStringLiteral("imgGuida")), Qt::LeftButton);

    EXPECT_EQ(shown.title, QStringLiteral("Uno sguardo ad Selvadoro"));
    EXPECT_EQ(shown.text.split(QStringLiteral("\n\n")), help::general().paragraphs);
    EXPECT_GT(shown.scrollRange, 0);
    EXPECT_EQ(shown.size, QSize(676, 598));
}

TEST_F(GuideTest, ThePdfLinkWithoutGuidaPdfHandsThePathToTheDesktopAndStays) {
    const QString pdf = QDir(paths::programFolder()).filePath(QStringLiteral("Guida.pdf"));
    ASSERT_FALSE(QFile::exists(pdf));
    QWidget owner;
    owner.show();

    bool stayed = false;
    whenModal([&](QWidget* modal) {
        for (const char* name : {"lnkWeb", "imgPDF"}) {
            QTest::mouseClick(modal->findChild<QLabel*>(QString::fromLatin1(name)), Qt::LeftButton);
        }
        QApplication::processEvents();
        stayed = modal->isVisible() && QApplication::activeModalWidget() == modal;
        readAndClose(modal);
    });
    showHelpTopic(&owner, hunters::exportTopic());

    const QString quoted = u'"' + QDir::toNativeSeparators(pdf) + u'"';
    EXPECT_EQ(desktop().opened, (QStringList{quoted, quoted}));
    EXPECT_TRUE(stayed);
}

}  // namespace
