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
    // What the system says, in its words or by the kind of a file's error:
    DiskFull,            // no space left on the disk
    FileTooLarge,        // the file cannot grow any further
    QuotaExceeded,       // the user's share of the disk is used up
    AccessDenied,        // no permission on the folder or the file
    NotPermitted,        // an operation the system does not allow
    ReadOnlyDisk,        // the disk is write-protected
    InUse,               // another program holds the file
    Missing,             // the file or folder does not exist
    NotAFolder,          // a part of the path is not a folder
    IsAFolder,           // the name is a folder's
    NameTooLong,         // the file name is too long
    TooManyOpenFiles,    // the system has too many files open
    NetworkFileGone,     // a file on the network cannot be reached any more
    DiskGone,            // the disk is no longer connected
    DiskError,           // the disk failed to read or write
    WriteUnknown,        // a write failed for no stated reason
    OpenFailed,          // the file cannot be opened
    WriteFailed,         // writing the file failed
    ReadFailed,          // reading the file failed
    ResourcesExhausted,  // disk space or memory ran out
    NotRemoved,          // the file cannot be removed
    NotReplaced,         // the file cannot be replaced
    NotResized,          // the file's length cannot change
    NotCopied,           // the file cannot be copied
    FileSystem,          // anything else the system says
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
