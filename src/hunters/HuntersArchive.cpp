#include "hunters/HuntersArchive.h"

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
        .sheet =
            [](const FieldValues& cardTexts, const QDateTime& now) {
                return hunterSheet(TRecCacciatore::fromValues(cardTexts), now);
            },
        .helpTopics = {&cardTopic(), &exportTopic()},
    };
    return definition;
}

}  // namespace hunters
