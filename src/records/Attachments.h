#pragma once

#include <QString>

// The attachment folder "Documenti_Allegati" in the data folder, shared by
// the cards of every archive. A card stores only the bare names of its
// attached files; the files themselves are copies kept in the folder.
namespace attachments {

QString folder();

// The full path of an attached file in the folder.
QString pathOf(const QString& name);

// True for a name that designates a file right inside the folder: not
// empty, no folder separator or drive, not "." or "..". Stored names come
// from record files any program can write, so a name is checked before
// it is opened.
bool isBareFileName(const QString& name);

// The name under which a chosen file is kept in the folder: its file name
// with every character that the 8-bit record files cannot hold (outside
// Windows-1252) made "_", so that the name stored with the card still
// designates the file.
QString storableName(const QString& fileName);

// True when the folder already holds a file of that name.
bool exists(const QString& name);

// True when the file of that name, once every link is followed, lies in
// the folder itself: a link placed in the folder cannot lead outside it.
bool resolvesInFolder(const QString& name);

// True when `source` is the very file the folder holds under `name`.
bool isInFolder(const QString& source, const QString& name);

// Copies `source` into the folder under `name`, creating the folder (and
// any missing parent) first. A file of that name is replaced as a whole:
// the copy is written beside it and renamed over it, so a failed copy
// leaves the earlier file as it was. False when anything fails.
bool copyIn(const QString& source, const QString& name);

}  // namespace attachments
