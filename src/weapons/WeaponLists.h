#pragma once

#include "lists/ListDefinitions.h"

// The weapons' search, for-sale summary and export.
namespace weapons {

const SearchDefinition& search();
const SummaryDefinition& forSaleSummary();
const ExportDefinition& exporter();

// A weapon is for sale when its flag holds "Sì" (blanks around it aside);
// nothing else plays a part.
bool forSaleCondition(const FieldValues& values, const QDate& today);

}  // namespace weapons
