#pragma once

#include "windows/GuiArchive.h"

namespace teams {

// The teams' launcher tile and card, as the registry lists them.
GuiArchive guiArchive();

}  // namespace teams
