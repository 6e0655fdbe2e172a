#include "weapons/WeaponsArchive.h"

#include "weapons/TRecArma.h"
#include "weapons/WeaponCard.h"
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
        .fieldTypes = {{TRecArma::Field::Prezzo, FieldType::Amount, 2},
                       {TRecArma::Field::Matricola, FieldType::Code},
                       {TRecArma::Field::CodFisc, FieldType::Code},
                       {TRecArma::Field::Recapito, FieldType::Code}},
        .card = &cardRules(),
        .naturalKey = {TRecArma::Field::Matricola},
        .filesFolder = &photoFolder,
    };
    return definition;
}

}  // namespace weapons
