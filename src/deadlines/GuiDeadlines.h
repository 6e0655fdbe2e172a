#pragma once

#include "windows/GuiArchive.h"

namespace deadlines {

// The deadlines' launcher tile and window, as the registry lists them.
GuiArchive guiArchive();

}  // namespace deadlines
