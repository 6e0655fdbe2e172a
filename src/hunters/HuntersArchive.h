#pragma once

#include "lists/ArchiveDefinition.h"

namespace hunters {

// The hunters' archive "Cacciatori.pro" as the registry lists it.
const ArchiveDefinition& archive();

}  // namespace hunters
