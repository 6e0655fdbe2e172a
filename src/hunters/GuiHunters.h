#pragma once

#include "windows/GuiArchive.h"

namespace hunters {

// The hunters' launcher tile and card, as the registry lists them.
GuiArchive guiArchive();

}  // namespace hunters
