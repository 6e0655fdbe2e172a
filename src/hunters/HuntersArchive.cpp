#include "hunters/HuntersArchive.h"

#include "hunters/HunterCard.h"
#include "hunters/HunterHelp.h"
#include "hunters/HunterLists.h"
#include "hunters/HunterSheet.h"
#include "hunters/TRecCacciatore.h"

namespace hunters {

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "anagrafica",
        .layout = &TRecCacciatore::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&permitSummary()},
        .sheet = &hunterSheetOfTexts,
        .helpTopics = {&cardTopic(), &exportTopic()},
        .card = &cardRules(),
        .naturalKey = {TRecCacciatore::Field::CodFisc},
    };
    return definition;
}

}  // namespace hunters
