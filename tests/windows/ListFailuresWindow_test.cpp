// A list or export that could not read its archive is never passed off as
// whole: the windows say so, and an export over it is not written.

#include <QDir>
#include <QTableView>
#include <QToolButton>

#include "hunters/HunterLists.h"
#include "lists/RecordListWidget.h"
#include "records/ArchiveMessages.h"
#include "support/Fixtures.h"
#include "windows/ExportWindow.h"
#include "windows/SummaryWindow.h"

namespace {

// The archive's name taken by a folder: the file cannot be opened.
class UnreadableArchiveTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Cacciatori.pro")));
    }
};

TEST_F(UnreadableArchiveTest, TheSummarySaysItCouldNotReadTheArchive) {
    SummaryWindow window(hunters::permitSummary());
    window.show();
    EXPECT_TRUE(window.list()->lines().isEmpty());
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
}

TEST_F(UnreadableArchiveTest, TheExportSaysSoAndKeepsThePreviousFile) {
    writeFile(QStringLiteral("Anagrafica_Cacciatori.xls"), "esportazione precedente");
    ExportWindow window(hunters::exporter());
    window.show();
    EXPECT_EQ(window.grid().rowCount(), 0);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});

    messages().answers = {true, true};
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("cmdEsporta")), Qt::LeftButton);
    // Nothing asked, nothing written, no success announced.
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
    EXPECT_EQ(readFile(QStringLiteral("Anagrafica_Cacciatori.xls")), "esportazione precedente");
    EXPECT_TRUE(desktop().opened.isEmpty());
}

}  // namespace
