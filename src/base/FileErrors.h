#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be read or written, as the user reads it: the one
// place that words every such reason, all of them in Italian. The program's
// own causes are named by `Cause`; the system's words (strerror, Qt's
// errorString) are said in Italian by `italian` and `of`, and a text of the
// system that is not known here becomes `Cause::FileSystem`, never shown as
// it comes.
namespace fileerror {

enum class Cause {
    Locked,             // another program or station is writing the file
    LockRefused,        // the system refuses the lock
    NotOpen,            // the file is not open
    NotOpenForWriting,  // open for reading only
    NoRecord,           // no record at that position
    WrongRecordSize,    // a record of another size than the file's
    IncompleteRecord,   // fewer bytes than a record where one should be
    Unreadable,         // the bytes could not be read
    Shrunk,             // the file got shorter while it was read
    FolderNotSynced,    // the folder could not be written to the disk
    SaveNotUndone,      // an interrupted save could not be undone
    JournalNotRemoved,  // the rollback file of an interrupted save stays
    ExistingReadOnly,   // the file to replace cannot be written
    ImageFormat,        // not a picture of a known format
    ImageDamaged,       // a picture whose data are damaged or cut short
    FileSystem,         // anything else the system says
};

// The Italian text of a cause.
QString text(Cause cause);

// The system's words for a failure (strerror, Qt's errorString) said in
// Italian; an unknown text gives text(Cause::FileSystem).
QString italian(const QString& systemText);

// Why the last operation on `file` failed, in Italian: its errorString
// through `italian`, or, for a text not known here, what the file's error
// kind says (a file to replace that cannot be written, a read, a write...).
QString of(const QFileDevice& file);

}  // namespace fileerror
