#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Finishes a QSaveFile: the temporary file replaces the target only when
// everything reached it. QSaveFile::commit() alone (Qt 6.4) misses an error
// of the last flush, which it makes while closing, and then renames a
// truncated file into place: with a full disk, that would destroy the file
// it was meant to replace. Returns false, with the target untouched and the
// temporary file removed, on any failure.
bool commitReplacing(QSaveFile& file);

// Writes `bytes` as the whole file at `path`, through a temporary file that
// replaces it only when fully written. False, with `error` set and any
// previous file whole, on failure.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);
