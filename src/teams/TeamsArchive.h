#pragma once

#include "lists/ArchiveDefinition.h"

namespace teams {

// The teams' archive "Squadre.pro" as the registry lists it.
const ArchiveDefinition& archive();

// The team card's RTF document "Squadra_di_Caccia.rtf".
const RtfDocument& rtfCard();

}  // namespace teams
