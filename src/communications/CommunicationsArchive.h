#pragma once

#include "lists/ArchiveDefinition.h"

namespace communications {

// The communications' archive "Comunicazioni.pro" as the registry lists it.
const ArchiveDefinition& archive();

// The communication card's RTF document "Comunicazione.rtf".
const RtfDocument& rtfCard();

}  // namespace communications
