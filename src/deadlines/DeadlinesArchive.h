#pragma once

#include "lists/ArchiveDefinition.h"

namespace deadlines {

// The deadlines as the registry knows them: "scadenzario", one file per
// year, its search, yearly export, three summaries, day, month and
// imminent lists, printed card and help topics.
const ArchiveDefinition& archive();

}  // namespace deadlines
