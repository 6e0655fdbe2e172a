#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

#include "app/CommandLine.h"
#include "app/GuiApplication.h"
#include "base/Paths.h"

namespace {

// On the command line the error stream is the user's: Qt's own notes (in
// English, such as a runtime folder it did not find) are not written there.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        QTextStream err(stderr);
        err.setEncoding(QStringConverter::Utf8);
        err << "Selvadoro: errore interno del sistema grafico, il comando si interrompe.\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));

    QString error;
    QStringList remaining = args;
    const bool folderOk = paths::configure(remaining, &error);
    if (!folderOk || commandline::wantsCommand(remaining)) {
        // Headless: no widget is created, and documents are drawn offscreen.
        // A command that draws nothing does without the graphical platform.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietQt);
        std::unique_ptr<QCoreApplication> app;
        if (folderOk && commandline::drawsNothing(remaining)) {
            app = std::make_unique<QCoreApplication>(argc, argv);
        } else {
            app = std::make_unique<QGuiApplication>(argc, argv);
        }
        paths::configure(args, &error);  // now the executable's folder is known
        QTextStream out(stdout);
        QTextStream err(stderr);
        out.setEncoding(QStringConverter::Utf8);
        err.setEncoding(QStringConverter::Utf8);
        if (!folderOk) return commandline::usageError(err, error);
        return commandline::run(args, out, err);
    }

    // Decided before QApplication, which without a display would end the
    // program with the platform's own (English) message.
    if (!commandline::displayAvailable(qEnvironmentVariable("QT_QPA_PLATFORM"),
                                       qEnvironmentVariable("DISPLAY"),
                                       qEnvironmentVariable("WAYLAND_DISPLAY"))) {
        QTextStream err(stderr);
        err.setEncoding(QStringConverter::Utf8);
        err << commandline::noDisplayMessage();
        return 1;
    }
    QApplication app(argc, argv);
    paths::configure(args, &error);
    return runGui(app);
}
