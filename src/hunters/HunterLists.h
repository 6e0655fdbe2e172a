#pragma once

#include "archive/ListDefinitions.h"

// The hunters' search, permit-expiry summary and export.
namespace hunters {

const SearchDefinition& search();
const SummaryDefinition& permitSummary();
const ExportDefinition& exporter();
const ArchiveLists& lists();

// The item texts of the search and of the summary.
QString searchItem(const FieldValues& values);
QString summaryItem(const FieldValues& values);

// A hunter is in the summary from `Preavviso` days before the permit's
// expiry on. A stored expiry that is no date, or notice days that are no
// whole number, stop the list.
Verdict permitCondition(const FieldValues& values, const QDate& today);

}  // namespace hunters
