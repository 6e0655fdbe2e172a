#include "app/Archives.h"

#include "hunters/HunterLists.h"

namespace archives {

QList<const ArchiveLists*> all() {
    return {&hunters::lists()};
}

const ArchiveLists* named(const QString& name) {
    for (const ArchiveLists* archive : all()) {
        if (name == QLatin1String(archive->name)) return archive;
    }
    return nullptr;
}

const SummaryDefinition* summaryNamed(const QString& name) {
    for (const ArchiveLists* archive : all()) {
        for (const SummaryDefinition* summary : archive->summaries) {
            if (name == QLatin1String(summary->commandName)) return summary;
        }
    }
    return nullptr;
}

}  // namespace archives
