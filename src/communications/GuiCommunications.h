#pragma once

#include "archive/GuiArchive.h"

namespace communications {

// The communications' launcher tile and card, as the registry lists them.
GuiArchive guiArchive();

}  // namespace communications
