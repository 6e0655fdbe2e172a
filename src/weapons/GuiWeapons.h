#pragma once

#include "windows/GuiArchive.h"

namespace weapons {

// The weapons' launcher tile and card, as the registry lists them.
GuiArchive guiArchive();

}  // namespace weapons
