#pragma once

#include "lists/ListDefinitions.h"

// The membership's search, summaries, export and lists.
namespace membership {

const SearchDefinition& search();
// The season's fees still to pay, those paid, and the members who left.
const SummaryDefinition& toPaySummary();
const SummaryDefinition& paidSummary();
const SummaryDefinition& leftSummary();
const ExportDefinition& exporter();
// The fees of the current season still to pay, from the reminder day of
// the settings on: the agenda's list.
const ExportDefinition& unpaidList();

// Whether a record is a fee still to pay of a member who has not left.
bool isToPay(const FieldValues& values);
// The day from which the agenda reminds of a season's unpaid fees.
QDate reminderDay(const QString& season);

// What the hunters' search hands to the card: the member's name, codice
// fiscale and record number.
const PickerMode& hunterPicker();

}  // namespace membership
