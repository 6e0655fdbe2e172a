#pragma once

#include <QList>
#include <QString>

#include "lists/ArchiveDefinition.h"

// The registry of the archives: the one list of what the program keeps.
// The command line, printing and the guide iterate it; the windows' own
// list is in app/GuiArchives.
namespace archives {

// Every archive, in the order of the usage text.
const QList<const ArchiveDefinition*>& all();
// The archive the command line names so ("anagrafica"), or null.
const ArchiveDefinition* named(const QString& name);
// The summary with that command-line name ("porto-scadenza"), or null.
const SummaryDefinition* summaryNamed(const QString& name);

// The archive a summary belongs to, or null.
const ArchiveDefinition* ownerOf(const SummaryDefinition* summary);
// The list of a date with that command-line name ("scadenze-giorno"), or
// null.
const ExportDefinition* datedListNamed(const QString& name);

// Every help topic: the complete guide first, then each archive's, then
// those of the pieces every archive shares (agenda, export formats, import,
// post and paper, backups).
const QList<const HelpTopic*>& helpTopics();
// The topic with that command-line name, or null.
const HelpTopic* helpTopic(const QString& key);

}  // namespace archives
