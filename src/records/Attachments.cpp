#include "records/Attachments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "base/Cp1252.h"
#include "base/Paths.h"
#include "base/ReplaceFile.h"

namespace attachments {

QString folder() {
    return paths::dataFile(QStringLiteral("Documenti_Allegati"));
}

QString pathOf(const QString& name) {
    return QDir(folder()).filePath(name);
}

bool isBareFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20) return false;
    }
    return true;
}

QString storableName(const QString& fileName) {
    QString name;
    name.reserve(fileName.size());
    for (qsizetype i = 0; i < fileName.size(); ++i) {
        const QChar c = fileName.at(i);
        if (c.isHighSurrogate() && i + 1 < fileName.size() && fileName.at(i + 1).isLowSurrogate()) {
            name += u'_';  // one character in two halves
            ++i;
        } else if (c != u'?' && cp1252::encode(QString(c)) == "?") {
            name += u'_';
        } else {
            name += c;
        }
    }
    return name;
}

bool exists(const QString& name) {
    return QFileInfo(pathOf(name)).isFile();
}

bool resolvesInFolder(const QString& name) {
    const QString target = QFileInfo(pathOf(name)).canonicalFilePath();
    const QString home = QFileInfo(folder()).canonicalFilePath();
    return !target.isEmpty() && !home.isEmpty() && QFileInfo(target).absolutePath() == home;
}

bool isInFolder(const QString& source, const QString& name) {
    const QString stored = QFileInfo(pathOf(name)).canonicalFilePath();
    return !stored.isEmpty() && stored == QFileInfo(source).canonicalFilePath();
}

bool copyIn(const QString& source, const QString& name) {
    if (!isBareFileName(name) || !QDir().mkpath(folder())) return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(pathOf(name));
    if (!out.open(QIODevice::WriteOnly)) return false;
    constexpr qint64 kChunk = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        // An unfinished copy is dropped with `out`, the earlier file stays.
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) return false;
    }
    // The last flush happens while committing; commitReplacing checks it.
    if (in.error() != QFileDevice::NoError) return false;
    return commitReplacing(out);
}

}  // namespace attachments
