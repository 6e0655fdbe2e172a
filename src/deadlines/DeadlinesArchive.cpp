#include "deadlines/DeadlinesArchive.h"

#include "deadlines/DeadlineCard.h"
#include "deadlines/DeadlineHelp.h"
#include "deadlines/DeadlineLists.h"
#include "deadlines/DeadlineSheet.h"
#include "deadlines/TRecScadenza.h"

namespace deadlines {

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "scadenzario",
        .layout = &TRecScadenza::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&paymentsToMake(), &paymentsMade(), &appointmentsToConfirm()},
        .sheet = &deadlineSheet,
        .helpTopics = {&cardTopic(), &listsTopic(), &exportTopic()},
        .yearFile = &yearFilePath,
        .datedLists = {&dayList(), &monthList(), &imminentList()},
        .card = &cardRules(),
        .naturalKey = {TRecScadenza::Field::Data, TRecScadenza::Field::Ora,
                       TRecScadenza::Field::Cliente, TRecScadenza::Field::Oggetto},
    };
    return definition;
}

}  // namespace deadlines
