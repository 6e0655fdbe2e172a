#include <gtest/gtest.h>

#include <QApplication>

#include "app/GuiApplication.h"
#include "support/TestSeams.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpItalian(app);
    app.setQuitOnLastWindowClosed(false);
    TestSeams& doubles = testSeams();
    seams::setMessages(&doubles.messages);
    seams::setDesktop(&doubles.desktop);
    seams::setClock(&doubles.clock);
    seams::setAlertSound(&doubles.sound);
    seams::setPrinting(&doubles.printing);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
