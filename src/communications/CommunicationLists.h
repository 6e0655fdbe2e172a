#pragma once

#include "lists/ListDefinitions.h"

// The communications' search, flagged summary and export.
namespace communications {

const SearchDefinition& search();
const SummaryDefinition& flaggedSummary();
const ExportDefinition& exporter();

// A communication is in the flagged summary when its trimmed `Segnala` is
// "Sì"; nothing else (date, sent or not) counts.
bool flaggedCondition(const FieldValues& values, const QDate& today);

// The team picker of the communication card: the chosen team's name,
// leader, members and addresses, copied as stored into the card.
const PickerMode& teamPicker();

}  // namespace communications
