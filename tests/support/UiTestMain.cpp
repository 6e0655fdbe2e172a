#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

#include "app/GuiApplication.h"
#include "support/TestSeams.h"

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
    return RUN_ALL_TESTS();
}
