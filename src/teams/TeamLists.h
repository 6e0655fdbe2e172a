#pragma once

#include "archive/ListDefinitions.h"

// The teams' search, flagged-teams summary and export.
namespace teams {

const SearchDefinition& search();
const SummaryDefinition& flaggedSummary();
const ExportDefinition& exporter();

// A team is in the flagged summary when its trimmed `Segnala` is "Sì".
bool flaggedCondition(const FieldValues& values, const QDate& today);

// What the team pickers of the hunt card copy: the team's name, leader and
// members as stored, blanks kept.
ValueFn storedTeamName();
ValueFn storedTeamLeader();
ValueFn storedTeamMembers();

}  // namespace teams
