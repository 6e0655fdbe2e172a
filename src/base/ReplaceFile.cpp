#include "base/ReplaceFile.h"

#include <QSaveFile>

bool commitReplacing(QSaveFile& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit();  // removes the temporary file
        return false;
    }
    return file.commit();
}
