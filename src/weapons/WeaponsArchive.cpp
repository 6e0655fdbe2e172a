#include "weapons/WeaponsArchive.h"

#include "weapons/TRecArma.h"
#include "weapons/WeaponHelp.h"
#include "weapons/WeaponLists.h"
#include "weapons/WeaponPhoto.h"
#include "weapons/WeaponSheet.h"

namespace weapons {

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "armi",
        .layout = &TRecArma::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&forSaleSummary()},
        .sheet = &weaponSheetOfTexts,
        .sheetPicture = kSheetPicture,
        .storedPicture = &storedPicture,
        .helpTopics = {&cardTopic(), &exportTopic()},
        .filesFolder = &photoFolder,
    };
    return definition;
}

}  // namespace weapons
