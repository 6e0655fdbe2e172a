#include "lists/ArchiveDefinition.h"

#include "records/RecordFile.h"

QString ArchiveDefinition::recordFile(const QString& year) const {
    return yearFile ? yearFile(year) : archivePath(*layout);
}

namespace registry {

namespace {
const QList<const ArchiveDefinition*>& (*installed)() = nullptr;
}  // namespace

void install(const QList<const ArchiveDefinition*>& (*all)()) {
    installed = all;
}

const ArchiveDefinition* ofLayout(const RecordLayout* layout) {
    if (!installed) return nullptr;
    for (const ArchiveDefinition* archive : installed()) {
        if (archive->layout == layout) return archive;
    }
    return nullptr;
}

const ArchiveDefinition* named(const QString& name) {
    if (!installed) return nullptr;
    for (const ArchiveDefinition* archive : installed()) {
        if (name == QLatin1String(archive->name)) return archive;
    }
    return nullptr;
}

}  // namespace registry
