#pragma once

#include "lists/ListDefinitions.h"

// The hunts' search, imminent-hunts summary and export.
namespace hunts {

const SearchDefinition& search();
const SummaryDefinition& imminentSummary();
const ExportDefinition& exporter();

// A hunt is imminent from `Preavviso` days before its start date up to and
// including the start date; the end date plays no part. A hunt whose start
// date is no date, or whose days of notice are no whole number, is left
// out; the hunts after it are still listed.
bool imminentCondition(const FieldValues& values, const QDate& today);

}  // namespace hunts
