#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTemporaryFile>

#include "app/GuiApplication.h"
#include "support/TestSeams.h"

namespace {

// Each test starts with the mouse off the screen, wherever the one before
// left it: a window shown under the pointer would otherwise take the hover
// of a control (its hint in the status line) from the test before.
class PointerAside final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        QCursor::setPos(-1000, -1000);
        QCoreApplication::processEvents();
    }
};

}  // namespace

// At the exit of a sanitized run LeakSanitizer walks each thread's dynamic
// TLS as it learnt it by intercepting __tls_get_addr; with this glibc a slot
// it recorded can hold a stale range, and the leak check then crashes after
// every test has passed, depending only on how the program happens to be
// laid out. Without the interception the leak check runs as before.
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}

int main(int argc, char** argv) {
    // The windows are tried on the smallest screen the program is used on.
    QTemporaryFile screens;
    if (!screens.open()) return 1;
    screens.write(R"({"screens": [{"name": "OffscreenScreen", "x": 0, "y": 0,
                      "width": 1366, "height": 768, "logicalDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    setUpItalian(app);
    app.setQuitOnLastWindowClosed(false);
    TestSeams& doubles = testSeams();
    seams::setMessages(&doubles.messages);
    seams::setDesktop(&doubles.desktop);
    seams::setClock(&doubles.clock);
    seams::setAlertSound(&doubles.sound);
    seams::setPrinting(&doubles.printing);
    seams::setProgress(&doubles.progress);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new PointerAside);
    return RUN_ALL_TESTS();
}
