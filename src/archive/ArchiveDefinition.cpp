#include "archive/ArchiveDefinition.h"

#include "archive/RecordFile.h"

QString ArchiveDefinition::recordFile(const QString& year) const {
    return yearFile ? yearFile(year) : archivePath(*layout);
}
