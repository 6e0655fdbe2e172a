#include "backup/BackupSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

Settings readSettings() {
    Settings settings;
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly)) return settings;
    const QByteArray content = file.readAll();
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
    return settings;
}

bool writeSettings(const Settings& settings, QString* error) {
    QByteArray content;
    QFile file(settingsPath());
    if (file.open(QIODevice::ReadOnly)) content = file.readAll();
    file.close();
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
    return replaceFile(settingsPath(), content, error);
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
