#pragma once

#include "windows/GuiArchive.h"

namespace membership {

// The membership's launcher tile and card window.
GuiArchive guiArchive();

}  // namespace membership
