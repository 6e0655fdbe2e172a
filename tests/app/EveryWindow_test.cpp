#include "support/EveryWindow.h"

#include <QScreen>

#include "hunters/TfrmAnagrafica.h"
#include "support/Fixtures.h"
#include "support/TextFit.h"

namespace {

// Every window, shown as the program shows it on the smallest screen it is
// used on, shows its texts whole.
class EveryWindowTest : public DataFolderTest, public ::testing::WithParamInterface<WindowRow> {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        owner.showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }

    TfrmAnagrafica owner;
};

TEST_P(EveryWindowTest, ShowsEveryTextWhole) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1366, 768));
    const WindowRow& row = GetParam();
    const std::unique_ptr<QWidget> window = row.make(owner);
    if (row.maximised) {
        window->showMaximized();
    } else {
        window->show();
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    if (row.reach) row.reach(*window);
    QCoreApplication::processEvents();
    const QStringList cut = textfit::textsCutOff(window.get());
    EXPECT_TRUE(cut.isEmpty()) << qPrintable(cut.join(u'\n'));
    window->close();
}

std::string rowName(const ::testing::TestParamInfo<WindowRow>& row) {
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, EveryWindowTest, ::testing::ValuesIn(everyWindow()), rowName);

}  // namespace
