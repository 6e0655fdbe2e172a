#pragma once

#include <QList>
#include <QString>

#include "archive/ListDefinitions.h"

// The archives the program has lists for, by the names the command line
// uses ("anagrafica", ...), and their summaries by command name.
namespace archives {

QList<const ArchiveLists*> all();
const ArchiveLists* named(const QString& name);
const SummaryDefinition* summaryNamed(const QString& name);

}  // namespace archives
