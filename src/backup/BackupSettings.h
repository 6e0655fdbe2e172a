#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "base/Seams.h"

struct ArchiveDefinition;

// The settings of the automatic backups, kept in "Impostazioni.ini" beside
// the password file (section Backup), so that every station sharing the
// data folder shares them and a backup holds them: where the backups go,
// how often one is taken, how many are kept, and the failure of the last
// automatic one, shown again at the next start.
namespace backup {

enum class Frequency { AtExit, Daily, Weekly, Never };

struct Settings {
    QString folder;  // empty: defaultFolder()
    Frequency frequency = Frequency::Daily;
    int keep = 10;
    QString lastError;  // the failure of the last automatic backup, if any
    // Folders backups went to before, newest first, at most kRemembered:
    // their backups are still listed.
    QStringList previousFolders;
};

inline constexpr int kRemembered = 5;

inline constexpr int kMinKeep = 1;
inline constexpr int kMaxKeep = 999;

QString settingsPath();
// "Backup" in the data folder.
QString defaultFolder();
// The folder in use: the chosen one, or the default.
QString folderOf(const Settings& settings);

// Missing or unreadable settings read as the defaults, and so does a file
// larger than kSettingsLimit, which is never read whole.
Settings readSettings();
bool writeSettings(const Settings& settings, QString* error);

// Whether two paths name the same folder, whether it exists or not.
bool sameFolder(const QString& a, const QString& b);
// Remembers `folder` as one backups went to (when it is not the folder in
// use), so that the list still shows them. False, with `error`, when the
// settings cannot be written.
bool rememberFolder(const QString& folder, QString* error);
// The folder in use, then the remembered ones that still exist, each once.
QStringList listedFolders(const Settings& settings);

// The Italian names of the frequencies, as the window and the command line
// show them.
QString frequencyText(Frequency frequency);

// When an automatic backup is due: at exit for AtExit; at start or exit for
// Daily and Weekly when the newest backup in the folder is from before
// today, or from more than six days ago; never for Never.
enum class Moment { Start, Exit };
bool isDue(const Settings& settings, Moment moment, const QDateTime& now);

// The automatic backup of a moment: taken when due (into the folder of the
// settings, keeping their number), its failure kept in the settings until
// one succeeds. Empty when none was due or it succeeded; otherwise the
// Italian message of the failure (not for a cancel, which leaves the
// backup due).
QString runAutomatic(const QList<const ArchiveDefinition*>& archives, Moment moment,
                     const WorkProgress& progress = {});

}  // namespace backup
