#include "weapons/WeaponsArchive.h"

#include "weapons/TRecArma.h"
#include "weapons/WeaponHelp.h"
#include "weapons/WeaponLists.h"

namespace weapons {

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "armi",
        .layout = &TRecArma::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&forSaleSummary()},
        .helpTopics = {&cardTopic(), &exportTopic()},
    };
    return definition;
}

}  // namespace weapons
