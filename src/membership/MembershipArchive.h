#pragma once

#include "lists/ArchiveDefinition.h"

namespace membership {

// The membership ("tesseramento") in the registry.
const ArchiveDefinition& archive();

}  // namespace membership
