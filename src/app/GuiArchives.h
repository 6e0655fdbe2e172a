#pragma once

#include <QList>

#include "archive/GuiArchive.h"

namespace archives {

// The windows' registry of the archives: the launcher's tiles in their
// order (three to a row), each with its card, or disabled while the
// archive is still to come.
const QList<GuiArchive>& windows();

}  // namespace archives
