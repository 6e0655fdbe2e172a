#include "base/Paths.h"

#include <QCoreApplication>
#include <QDir>

namespace paths {
namespace {
QString& folder() {
    static QString value;
    return value;
}
}  // namespace

bool configure(QStringList& args, QString* error) {
    QString chosen = qEnvironmentVariable("SELVADORO_CARTELLA");
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--cartella")) {
            if (i + 1 >= args.size()) {
                if (error) *error = QStringLiteral("--cartella richiede il nome di una cartella.");
                return false;
            }
            chosen = args.at(i + 1);
            args.remove(i, 2);
            break;
        }
        if (arg.startsWith(QLatin1String("--cartella="))) {
            chosen = arg.mid(11);
            args.remove(i);
            break;
        }
    }
    setDataFolder(chosen.isEmpty() ? programFolder() : chosen);
    return true;
}

void setDataFolder(const QString& dir) {
    folder() = QDir(dir).absolutePath();
}

QString dataFolder() {
    if (folder().isEmpty()) setDataFolder(programFolder());
    return folder();
}

QString dataFile(const QString& name) {
    return QDir(dataFolder()).filePath(name);
}

QString programFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QDir::currentPath();
}

}  // namespace paths
