#include "teams/TeamsArchive.h"

#include "agenda/Agenda.h"
#include "teams/TRecSquadra.h"
#include "teams/TeamCard.h"
#include "teams/TeamHelp.h"
#include "teams/TeamLists.h"

namespace teams {

namespace {

// The launcher's agenda lines of this archive.
QList<AgendaCondition> agendaConditions() {
    using F = TRecSquadra::Field;
    return {
        {QStringLiteral("Squadre segnalate"), &flaggedSummary(), nullptr, {F::Squadra}},
    };
}

}  // namespace

const RtfDocument& rtfCard() {
    static const RtfDocument document{
        "squadre",
        "Squadra_di_Caccia.rtf",
        "SQUADRA DI CACCIA",
        {
            {"Nome squadra di caccia", "txtSquadra"},
            {"Forme di caccia praticate", "txtForme"},
            {"Ambiti Territoriali di Caccia", "txtATC"},
            {"Capo squadra", "txtCaposquadra"},
            {"Cacciatori membri", "txtCacciatori"},
            {"Indirizzi e-mail cacciatori", "txtEmail"},
            {"Vice capo squadra", "txtVicecapo"},
            {"Capo canaio", "txtCapocanaio"},
            {"Capo posta", "txtCapoposta"},
            {"Note", "txtNote"},
        },
    };
    return document;
}

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "squadre",
        .layout = &TRecSquadra::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&flaggedSummary()},
        .rtfCard = &rtfCard(),
        .helpTopics = {&cardTopic(), &exportTopic()},
        .agenda = &agendaConditions,
        .card = &cardRules(),
        .naturalKey = {TRecSquadra::Field::Squadra},
    };
    return definition;
}

}  // namespace teams
