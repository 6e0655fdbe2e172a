#include "shell/AccessPassword.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/Paths.h"
#include "base/ReplaceFile.h"
#include "shell/IniText.h"
#include "shell/Scramble.h"

namespace accesspassword {
namespace {

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

constexpr qsizetype kMaxLength = 255;

}  // namespace

QString firstAccessPassword() {
    return QStringLiteral("primaveraprato");
}

QString normalized(const QString& typed) {
    QString upper = typed;
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return upper.trimmed();
}

bool matches(const QString& stored, const QString& typed) {
    return stored.trimmed() == normalized(typed);
}

std::optional<QString> unsuitable(const QString& normalizedPassword) {
    const QString again = QStringLiteral("\n\r\n\rE' necessario reinserire entrambi i valori.");
    if (normalizedPassword.size() > kMaxLength) {
        return QStringLiteral(
                   "Attenzione: la nuova password è troppo lunga: può contenere al massimo "
                   "%1 caratteri.")
                   .arg(kMaxLength) +
               again;
    }
    for (const QChar c : normalizedPassword) {
        if (c.unicode() > 0xFF) {
            return QStringLiteral(
                       "Attenzione: la nuova password contiene il carattere \"%1\", che non può "
                       "essere usato in una password. Sono ammessi le lettere, anche accentate, "
                       "le cifre e i simboli più comuni.")
                       .arg(c) +
                   again;
        }
    }
    return std::nullopt;
}

// A password file holds a few lines: a larger one is not read into memory
// (it reads as unreadable).
constexpr qint64 kLargestPasswordFile = 1 << 20;

std::optional<QString> readPasswordFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) return QString();
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPasswordFile) return std::nullopt;
    const QByteArray content = file.read(kLargestPasswordFile);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    const std::optional<QString> hex = ini::value(content, kSection, kKey);
    if (!hex) return QString();
    return scramble::unscramble(*hex);
}

bool writePasswordFile(const QString& path, const QString& password) {
    QByteArray content;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly) || existing.size() > kLargestPasswordFile) {
            return false;
        }
        content = existing.read(kLargestPasswordFile);
        if (existing.error() != QFileDevice::NoError) return false;
        existing.close();
    }
    return replaceFile(path, ini::withValue(content, kSection, kKey, scramble::scramble(password)));
}

QString passwordFilePath() {
    return paths::dataFile(QString::fromLatin1(kPasswordFileName));
}

std::optional<QString> readStoredPassword() {
    return readStoredPassword(paths::dataFolder(), paths::programFolder());
}

std::optional<QString> readStoredPassword(const QString& dataFolder, const QString& programFolder) {
    const QString name = QString::fromLatin1(kPasswordFileName);
    const QString path = QDir(dataFolder).filePath(name);
    const QString delivered = QDir(programFolder).filePath(name);
    return readPasswordFile(!QFileInfo::exists(path) && QFileInfo::exists(delivered) ? delivered
                                                                                     : path);
}

bool storePassword(const QString& password) {
    return writePasswordFile(passwordFilePath(), password);
}

bool prepareDataFolder(const QString& programFolder, const QString& dataFolder,
                       bool defaultFolder) {
    if (paths::isPortableFolder(programFolder)) return true;
    if (defaultFolder && !QDir().mkpath(dataFolder)) return false;
    if (!QFileInfo(dataFolder).isDir()) return true;
    const QString name = QString::fromLatin1(kPasswordFileName);
    const QString path = QDir(dataFolder).filePath(name);
    if (QFileInfo::exists(path) || QFileInfo::exists(QDir(programFolder).filePath(name))) {
        return true;
    }
    return writePasswordFile(path, normalized(firstAccessPassword()));
}

bool prepareDataFolder() {
    return prepareDataFolder(paths::programFolder(), paths::dataFolder(),
                             paths::usesDefaultDataFolder());
}

}  // namespace accesspassword
