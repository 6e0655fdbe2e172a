#include "base/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Where an installed program's files lie, relative to the executable's
// folder; the build sets them from the install destinations.
#ifndef SELVADORO_SHARE_FROM_PROGRAM
#define SELVADORO_SHARE_FROM_PROGRAM "../share/selvadoro"
#endif
#ifndef SELVADORO_MODULES_FROM_PROGRAM
#define SELVADORO_MODULES_FROM_PROGRAM "../lib/selvadoro"
#endif

namespace paths {
namespace {
QString& folder() {
    static QString value;
    return value;
}

bool& byDefault() {
    static bool value = true;
    return value;
}

// The file whose presence beside the executable marks a portable folder.
constexpr char kProgramMarker[] = "Guida.pdf";
constexpr char kInstalledDataName[] = "Selvadoro";

QString installedFolder(const QString& programFolder, const char* relative) {
    return QDir::cleanPath(QDir(programFolder).filePath(QString::fromLatin1(relative)));
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
    setDataFolder(chosen.isEmpty() ? defaultDataFolder() : chosen);
    byDefault() = chosen.isEmpty();
    return true;
}

void setDataFolder(const QString& dir) {
    folder() = QDir(dir).absolutePath();
    byDefault() = false;
}

QString dataFolder() {
    if (folder().isEmpty()) {
        setDataFolder(defaultDataFolder());
        byDefault() = true;
    }
    return folder();
}

bool usesDefaultDataFolder() {
    dataFolder();
    return byDefault();
}

QString dataFile(const QString& name) {
    return QDir(dataFolder()).filePath(name);
}

QString settingsFile() {
    return dataFile(QStringLiteral("Selvadoro.ini"));
}

QString programFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QDir::currentPath();
}

bool isPortableFolder(const QString& programFolder) {
    const QFileInfo dir(programFolder);
    return dir.isDir() && dir.isWritable() &&
           QFileInfo(QDir(programFolder).filePath(QString::fromLatin1(kProgramMarker))).isFile();
}

QString defaultDataFolder(const QString& programFolder, const QString& documentsFolder) {
    if (isPortableFolder(programFolder)) return QDir(programFolder).absolutePath();
    return QDir(documentsFolder).absoluteFilePath(QString::fromLatin1(kInstalledDataName));
}

QString defaultDataFolder() {
    return defaultDataFolder(programFolder(),
                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString deliveredFile(const QString& programFolder, const QString& name) {
    const QString beside = QDir(programFolder).filePath(name);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed =
        QDir(installedFolder(programFolder, SELVADORO_SHARE_FROM_PROGRAM)).filePath(name);
    return QFileInfo::exists(installed) ? installed : beside;
}

QString deliveredFile(const QString& name) {
    return deliveredFile(programFolder(), name);
}

QStringList moduleFolders(const QString& programFolder) {
    return {QDir(programFolder).absolutePath(),
            installedFolder(programFolder, SELVADORO_MODULES_FROM_PROGRAM)};
}

QStringList moduleFolders() {
    return moduleFolders(programFolder());
}

}  // namespace paths
