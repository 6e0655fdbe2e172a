#pragma once

#include "lists/ArchiveDefinition.h"

namespace weapons {

// The weapons' archive "Schedario_Armi.pro" as the registry lists it.
const ArchiveDefinition& archive();

}  // namespace weapons
