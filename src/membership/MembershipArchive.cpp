#include "membership/MembershipArchive.h"

#include "agenda/Agenda.h"
#include "base/Seams.h"
#include "membership/Membership.h"
#include "membership/MembershipCard.h"
#include "membership/MembershipHelp.h"
#include "membership/MembershipLists.h"
#include "membership/TRecTessera.h"

namespace membership {
namespace {

using F = TRecTessera::Field;

const YearNaming kSeasons{"--stagione", "AAAA/AAAA", &seasonYear, &seasonOn};

// The launcher's agenda line: the current season's fees still to pay,
// from the reminder day on.
QList<AgendaCondition> agendaConditions() {
    return {
        {QStringLiteral("Quote della stagione %1 da pagare").arg(seasonOn(seams::clock().today())),
         nullptr,
         &unpaidList(),
         {F::Socio}},
    };
}

}  // namespace

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "tesseramento",
        .layout = &TRecTessera::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&toPaySummary(), &paidSummary(), &leftSummary()},
        .helpTopics = {&cardTopic(), &listsTopic(), &registerTopic()},
        .yearFile = &seasonFilePath,
        .yearNaming = &kSeasons,
        .fieldTypes = {{F::Importo, FieldType::Amount},
                       {F::DataPag, FieldType::Date},
                       {F::ScadePol, FieldType::Date},
                       {F::DataUscita, FieldType::Date},
                       {F::CodFisc, FieldType::Code},
                       {F::Scheda, FieldType::Code}},
        .agenda = &agendaConditions,
        .card = &cardRules(),
        .naturalKey = {F::Stagione, F::Scheda},
        .filesFolder = &receiptFolder,
    };
    return definition;
}

}  // namespace membership
