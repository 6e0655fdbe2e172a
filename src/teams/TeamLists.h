#pragma once

#include "lists/ListDefinitions.h"

// The teams' search, flagged-teams summary and export.
namespace teams {

const SearchDefinition& search();
const SummaryDefinition& flaggedSummary();
const ExportDefinition& exporter();

// A team is in the flagged summary when its trimmed `Segnala` is "Sì".
bool flaggedCondition(const FieldValues& values, const QDate& today);

// A team's name, leader, members and addresses as stored, blanks kept: what
// another archive's team picker copies into its card.
ValueFn storedTeamName();
ValueFn storedTeamLeader();
ValueFn storedTeamMembers();
ValueFn storedTeamEmails();

}  // namespace teams
