// selvadoro_bare_window: the reference of the start-up measurement, the
// least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Selvadoro"));
    label.show();
    return QApplication::exec();
}
