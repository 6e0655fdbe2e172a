#include "base/GuiWindows.h"

#include <QApplication>
#include <QWidget>

QWidget* findWindow(const QString& objectName) {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w->objectName() == objectName) return w;
    }
    return nullptr;
}
