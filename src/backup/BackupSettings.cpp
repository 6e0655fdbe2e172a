#include "backup/BackupSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "backup/Backup.h"
#include "base/Paths.h"
#include "base/ReplaceFile.h"
#include "shell/AccessPassword.h"
#include "shell/IniText.h"

namespace backup {
namespace {

const QString kSection = QStringLiteral("Backup");

struct FrequencyName {
    Frequency frequency;
    const char* key;
};
constexpr FrequencyName kFrequencies[] = {
    {Frequency::AtExit, "uscita"},
    {Frequency::Daily, "giornaliero"},
    {Frequency::Weekly, "settimanale"},
    {Frequency::Never, "mai"},
};

// The INI file holds Latin-1 bytes: a folder or a message is kept as its
// UTF-8 bytes, so every character survives.
QString stored(const QString& text) {
    return QString::fromLatin1(text.toUtf8());
}
QString loaded(const QString& text) {
    return QString::fromUtf8(text.toLatin1());
}

}  // namespace

QString settingsPath() {
    return QFileInfo(accesspassword::passwordFilePath())
        .absoluteDir()
        .filePath(QStringLiteral("Impostazioni.ini"));
}

QString defaultFolder() {
    return paths::dataFile(QStringLiteral("Backup"));
}

QString folderOf(const Settings& settings) {
    return settings.folder.isEmpty() ? defaultFolder() : settings.folder;
}

// The settings file, when it is no larger than a settings file can be.
QByteArray settingsContent() {
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly) || file.size() > kSettingsLimit) return {};
    return file.read(kSettingsLimit);
}

QString previousKey(int i) {
    return QStringLiteral("Precedente%1").arg(i + 1);
}

Settings readSettings() {
    Settings settings;
    const QByteArray content = settingsContent();
    if (content.isEmpty()) return settings;
    settings.folder =
        loaded(ini::value(content, kSection, QStringLiteral("Cartella")).value_or(QString()));
    const QString frequency =
        ini::value(content, kSection, QStringLiteral("Frequenza")).value_or(QString());
    for (const FrequencyName& f : kFrequencies) {
        if (frequency == QLatin1String(f.key)) settings.frequency = f.frequency;
    }
    bool ok = false;
    const int keep =
        ini::value(content, kSection, QStringLiteral("Conserva")).value_or(QString()).toInt(&ok);
    if (ok && keep >= kMinKeep && keep <= kMaxKeep) settings.keep = keep;
    settings.lastError =
        loaded(ini::value(content, kSection, QStringLiteral("UltimoErrore")).value_or(QString()));
    settings.lastError.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    for (int i = 0; i < kRemembered; ++i) {
        const QString folder =
            loaded(ini::value(content, kSection, previousKey(i)).value_or(QString()));
        if (!folder.isEmpty()) settings.previousFolders.append(folder);
    }
    return settings;
}

bool writeSettings(const Settings& settings, QString* error) {
    QByteArray content = settingsContent();
    QString frequency;
    for (const FrequencyName& f : kFrequencies) {
        if (f.frequency == settings.frequency) frequency = QString::fromLatin1(f.key);
    }
    QString lastError = settings.lastError;
    lastError.replace(u'\n', QStringLiteral("\\n"));
    content =
        ini::withValue(content, kSection, QStringLiteral("Cartella"), stored(settings.folder));
    content = ini::withValue(content, kSection, QStringLiteral("Frequenza"), frequency);
    content = ini::withValue(content, kSection, QStringLiteral("Conserva"),
                             QString::number(settings.keep));
    content = ini::withValue(content, kSection, QStringLiteral("UltimoErrore"), stored(lastError));
    for (int i = 0; i < kRemembered; ++i) {
        const QString folder = settings.previousFolders.value(i);
        if (folder.isEmpty() && !ini::value(content, kSection, previousKey(i))) continue;
        content = ini::withValue(content, kSection, previousKey(i), stored(folder));
    }
    return replaceFile(settingsPath(), content, error);
}

bool sameFolder(const QString& a, const QString& b) {
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

bool rememberFolder(const QString& folder, QString* error) {
    Settings settings = readSettings();
    if (folder.isEmpty() || sameFolder(folder, folderOf(settings))) return true;
    if (!settings.previousFolders.isEmpty() && sameFolder(settings.previousFolders.first(), folder))
        return true;
    settings.previousFolders.removeIf([&](const QString& f) { return sameFolder(f, folder); });
    settings.previousFolders.prepend(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    while (settings.previousFolders.size() > kRemembered) settings.previousFolders.removeLast();
    return writeSettings(settings, error);
}

QStringList listedFolders(const Settings& settings) {
    QStringList folders{folderOf(settings)};
    for (const QString& folder : settings.previousFolders) {
        const bool listed = std::any_of(folders.cbegin(), folders.cend(),
                                        [&](const QString& f) { return sameFolder(f, folder); });
        if (!listed && QFileInfo(folder).isDir()) folders.append(folder);
    }
    return folders;
}

QString frequencyText(Frequency frequency) {
    switch (frequency) {
        case Frequency::AtExit:
            return QStringLiteral("a ogni uscita");
        case Frequency::Daily:
            return QStringLiteral("ogni giorno");
        case Frequency::Weekly:
            return QStringLiteral("ogni settimana");
        case Frequency::Never:
            return QStringLiteral("mai");
    }
    return {};
}

bool isDue(const Settings& settings, Moment moment, const QDateTime& now) {
    switch (settings.frequency) {
        case Frequency::Never:
            return false;
        case Frequency::AtExit:
            return moment == Moment::Exit;
        case Frequency::Daily:
        case Frequency::Weekly:
            break;
    }
    const QList<Listed> backups = list(folderOf(settings));
    if (backups.isEmpty() || !backups.first().date.isValid()) return true;
    const QDate last = backups.first().date.date();
    return settings.frequency == Frequency::Daily ? last < now.date()
                                                  : last.daysTo(now.date()) >= 7;
}

QString runAutomatic(const QList<const ArchiveDefinition*>& archives, Moment moment,
                     const WorkProgress& progress) {
    Settings settings = readSettings();
    if (!isDue(settings, moment, seams::clock().now())) return {};
    const Outcome outcome = create(archives, folderOf(settings), settings.keep, progress);
    if (outcome.cancelled) return {};
    const QString failure = outcome.ok ? QString() : outcome.error;
    if (failure != settings.lastError) {
        settings.lastError = failure;
        QString ignored;
        writeSettings(settings, &ignored);
    }
    return failure;
}

}  // namespace backup
