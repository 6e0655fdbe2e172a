#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Where backups and restores put their work in progress: the staging place
// ".Selvadoro-appoggio" of the data folder, readable by its owner alone, so
// that copies of the members' data never spread to the system's shared
// temporary folder and a rename from there into the data folder is one step
// of the same disk. Each piece of work has a folder of its own there,
// "<kind>-<process>-<random>", holding the file "proprietario" that names
// its station and process and stays locked by the system while its process
// lives; the staging of a process that is gone is removed by the next
// backup or start.
//
// A restore moves the files of a backup into place through the journal
// "giornale.txt" of its folder: which files it replaces, written and put on
// the disk before the first move. A restore cut short (a kill, a power
// failure) is settled by the next command or window that opens the data
// folder, from any station, before anything reads: it is finished, or taken
// back when it cannot be.
namespace backup::staging {

inline constexpr char kPlaceName[] = ".Selvadoro-appoggio";

QString place();

// A folder of this process in the staging place, removed with everything in
// it when the object goes, unless kept.
class Folder {
public:
    explicit Folder(const QString& kind);
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    bool isValid() const { return !path_.isEmpty(); }
    QString path() const { return path_; }
    // "<process>-<random>": the name of the work, shared by its other files.
    QString id() const { return id_; }
    QString errorString() const { return error_; }
    // Left where it is, for the next start to settle or remove.
    void keep() { kept_ = true; }

private:
    QString path_;
    QString id_;
    QString error_;
    QFile owner_;
    bool kept_ = false;
};

// A file replaced by a restore: its name in the data folder, and whether it
// is a record file (whose lock the move takes).
struct Move {
    QString name;
    bool isRecord = false;
};
struct Journal {
    QString zipPath;      // the backup restored
    QStringList folders;  // created by the restore, outermost first
    QList<Move> files;    // file i: "nuovi/<i>" in place of the file
};

// Writes the journal into a restore's folder and puts it on the disk.
bool writeJournal(const QString& folder, const Journal& journal, QString* error);
std::optional<Journal> readJournal(const QString& folder);

// Puts every file of the journal in place, each one it replaces into
// "vecchi/<i>": from any point where a restore stopped. `step` hears each
// move done and may stop the work there (false), as a kill would.
enum class Result { Done, Failed, Stopped };
Result finish(const QString& folder, const Journal& journal, const std::function<bool()>& step,
              QString* error);
// Removes the journal of a restore whose moves are all done.
void endJournal(const QString& folder);
// Puts every file back as it was before the restore began.
bool takeBack(const QString& folder, const Journal& journal);

// The restores of processes that are gone, finished or taken back, each
// under the locks of its record files. Empty when none was left or all
// went well; otherwise why one could not be settled, in Italian.
QString settleInterrupted();

// Removes the staging of processes that are gone: their folders in the
// staging place (not a restore's with its journal, which settleInterrupted
// handles), the folders ".ripristino-*" that earlier versions left in the
// data folder holding no file of the state before, and, with `backupFolder`,
// the unfinished zips ".Selvadoro-*.zip.tmp" there whose backup is gone.
void removeStale(const QString& backupFolder = {});

}  // namespace backup::staging
