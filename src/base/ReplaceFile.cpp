#include "base/ReplaceFile.h"

#include <QSaveFile>

#include "base/FileErrors.h"

bool commitReplacing(QSaveFile& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit();  // removes the temporary file
        return false;
    }
    return file.commit();
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                    commitReplacing(file);
    if (!ok && error) *error = fileerror::of(file);
    return ok;
}
