#pragma once

#include "lists/ArchiveDefinition.h"

namespace hunts {

// The hunts' archive "Battute.pro" as the registry lists it.
const ArchiveDefinition& archive();

// The hunt card's RTF document "Battuta_di_Caccia.rtf".
const RtfDocument& rtfCard();

}  // namespace hunts
