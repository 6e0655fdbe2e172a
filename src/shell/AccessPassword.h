#pragma once

#include <QString>
#include <optional>

// The one access password of the installation, kept scrambled in the INI
// file "unins000.dll" (section Accesso, key Valore) of the data folder.
//
// The file lives in the data folder because the password belongs to the
// data it protects: copying the folder backs it up with the archives, and
// stations sharing a folder share its password. A data folder that has no
// password file yet (a new --cartella) is opened with the copy delivered
// beside the program, so its first access uses the first-access password;
// the first change then writes the data folder's own file.
namespace accesspassword {

inline constexpr char kPasswordFileName[] = "unins000.dll";

// The password of the file delivered with the program.
QString firstAccessPassword();

// What a typed password becomes before it is compared or stored: the
// letters a to z in upper case, then trimmed.
QString normalized(const QString& typed);

// True when the typed text opens a stored password (as read from the file).
bool matches(const QString& stored, const QString& typed);

// Why a normalized password cannot be stored, as the message to show; empty
// when it can. The scrambling keeps 8 bits of each character, so a longer
// password or a character above code 255 could never be typed again.
std::optional<QString> unsuitable(const QString& normalizedPassword);

// Reads the password of a password file: a missing file or key reads as
// the empty text; a file that cannot be read or a value that is not
// hexadecimal gives nothing.
std::optional<QString> readPasswordFile(const QString& path);

// Writes `password` scrambled into a password file, keeping anything else
// the file holds. The new file is written under a temporary name and renamed
// into place, so a failure leaves the old file as it was.
bool writePasswordFile(const QString& path, const QString& password);

// The data folder's password file.
QString passwordFilePath();

// The stored password, from the data folder's file or, when the data folder
// has none, from the one delivered in the program's folder.
std::optional<QString> readStoredPassword();
std::optional<QString> readStoredPassword(const QString& dataFolder, const QString& programFolder);

// Stores a password in the data folder's file.
bool storePassword(const QString& password);

// What the windows do at start for a program that is not in a portable
// folder (paths::isPortableFolder), which delivers no password file beside
// it: the default data folder is created when missing, and a data folder
// that has no password file, while none lies beside the program either,
// gets one holding the first-access password. A portable folder, a data
// folder named by the user that does not exist and a password file already
// there are left as they are. False when the folder or the file could not
// be made.
bool prepareDataFolder(const QString& programFolder, const QString& dataFolder, bool defaultFolder);
bool prepareDataFolder();

}  // namespace accesspassword
