#pragma once

#include "windows/GuiArchive.h"

namespace hunts {

// The hunts' launcher tile and card, as the registry lists them.
GuiArchive guiArchive();

}  // namespace hunts
