#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    // Reports measure fonts and draw PDF files: a GUI application without
    // windows (the offscreen platform).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
