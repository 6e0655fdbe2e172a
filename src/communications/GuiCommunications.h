#pragma once

#include "windows/GuiArchive.h"

namespace communications {

// The communications' launcher tile and card, as the registry lists them.
GuiArchive guiArchive();

}  // namespace communications
