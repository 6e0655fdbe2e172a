#pragma once

#include <QString>

// The reason a file could not be read or written, as the user reads it:
// the system's words for the common causes (a full disk, a folder without
// write permission, a file in use...) said in Italian; anything else as the
// system gives it.
namespace fileerror {

QString italian(const QString& systemText);

}  // namespace fileerror
