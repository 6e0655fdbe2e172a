#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include "base/Seams.h"

struct ArchiveDefinition;

// Backups of the data folder: one zip file per backup,
// "Selvadoro-AAAA-MM-GG-hhmmss.zip", holding every file the program owns
// there (each archive's record file and yearly files, the folders of files
// the archives keep, the attachments, the password file and the settings)
// and the list "selvadoro-backup.txt" of those files with their size,
// SHA-256 and record count. What the data folder holds is taken from the
// archives the caller passes (the registry) and the program's path helpers.
//
// A record file is copied under the lock and journal its saves use (an
// interrupted save is settled first), so a backup taken while another
// station saves holds whole records of one moment of each archive. A backup
// is read back whole and compared with its list before it counts; one that
// fails is removed. The oldest backups beyond the number to keep are removed
// only after a new one has been verified.
namespace backup {

inline constexpr char kManifestName[] = "selvadoro-backup.txt";

// One file of a backup: its path in the data folder, with "/" between
// folders, its size, SHA-256 (hexadecimal, lower case) and, for a record
// file, its record count (-1 for other files).
struct FileEntry {
    QString name;
    qint64 size = 0;
    QByteArray sha256;
    qint64 records = -1;
};

struct Manifest {
    QString version;
    QDateTime date;
    QList<FileEntry> files;
    // For the backup of the state before a restore: the date of the backup
    // restored (a comment line of the list, which earlier versions skip).
    QDateTime beforeRestoreOf;
};

// How the list tells a backup apart: "prima del ripristino del 07/03/2026
// 10:30:00" for the state saved before a restore, else empty.
QString label(const Manifest& manifest);

QByteArray encodeManifest(const Manifest& manifest);
// Nothing when the text is not a whole list (the reason in `error`).
std::optional<Manifest> parseManifest(const QByteArray& text, QString* error);

// A file of the data folder that the program owns, now.
struct OwnedFile {
    QString name;              // relative to the data folder, "/" between folders
    qsizetype recordSize = 0;  // a record file's record size, 0 for other files
};
// The largest settings or password file a backup may hold.
inline constexpr qint64 kSettingsLimit = 1 << 20;
// Whether a name is one of the settings or password files.
bool isSettingsName(const QString& name);
QList<OwnedFile> ownedFiles(const QList<const ArchiveDefinition*>& archives);
// What a name stored in a backup may be: a record file (its record size),
// another file the program owns (0), or nothing for a name it never
// writes (an absolute path, "..", a file of another program).
std::optional<qsizetype> ownedKind(const QString& name,
                                   const QList<const ArchiveDefinition*>& archives);

// The name of a backup taken at `time`, and whether a file name is one.
QString fileNameAt(const QDateTime& time);
bool isBackupName(const QString& fileName);
// A backup's size as the list shows it: "35,0 MB".
QString sizeText(qint64 bytes);

struct Outcome {
    bool ok = false;
    bool cancelled = false;
    QString path;   // the backup written or read
    QString error;  // in Italian, when not ok
    QString note;   // in Italian, what the user should know of a good one
    Manifest manifest;
};

// Whether `folder` can take backups: its parent must exist (only the last
// folder is created: a missing parent is a USB stick or a network disk not
// connected), and a probe file must be written there and removed. Empty
// when it can; otherwise why not, in Italian. The folder is not created.
QString checkFolder(const QString& folder);
// "La cartella dei backup … è sullo stesso disco dei dati: non protegge da
// un guasto del disco." when it is, else empty.
QString sameDiskNote(const QString& folder);

// Takes a backup into `folder` (the last folder created when missing) and
// keeps the newest `keep` backups there. `progress` hears how far it is and
// may cancel. Stale staging of processes that are gone is removed first.
Outcome create(const QList<const ArchiveDefinition*>& archives, const QString& folder, int keep,
               const WorkProgress& progress = {});

// Reads a backup whole: every entry decompressed and compared with the
// list, every name one the program owns, every entry a plain file whose
// size the zip, the list and the kind of file agree on (a settings or
// password file at most kSettingsLimit, a record file whole records, none
// larger than the free space of the data folder's disk). Memory stays
// bounded whatever the zip declares.
Outcome verify(const QString& zipPath, const QList<const ArchiveDefinition*>& archives,
               const WorkProgress& progress = {});

// The backups of a folder, newest first, each with its list (read from the
// zip without checking the entries; `error` says why a list is missing).
struct Listed {
    QString path;
    QDateTime date;
    qint64 size = 0;
    Manifest manifest;
    QString error;
};
QList<Listed> list(const QString& folder);

// What a restore of `manifest` would change: per record file, its records
// now (-1: no file) and in the backup (-1: not in the backup).
// A settings file has a line of its own, saying whether it differs.
struct Change {
    QString name;
    qint64 recordsNow = -1;
    qint64 recordsInBackup = -1;
    bool isSettings = false;
    bool existsNow = false;
    bool inBackup = false;
    bool differs = false;
};
QList<Change> changes(const Manifest& manifest, const QList<const ArchiveDefinition*>& archives);

// Puts the files of the backup back in the data folder: first a backup of
// the present state into `backupFolder`, then the chosen zip verified
// whole, then each file replaced whole under its archive's lock, through
// the journal of staging::finish. Refused while another station holds the
// lock of an archive, or when the disk lacks the room. Any failure leaves
// every file as it was; a kill leaves it to the next start to finish. Files
// the backup does not hold are left alone.
Outcome restore(const QString& zipPath, const QList<const ArchiveDefinition*>& archives,
                const QString& backupFolder, int keep, const WorkProgress& progress = {});

// For the tests of a restore cut short: the next restore stops, as a kill
// would, once `steps` steps are done (the journal on the disk is step 1,
// each folder made and file moved the next ones). -1: never.
void stopNextRestoreAfter(int steps);

}  // namespace backup
