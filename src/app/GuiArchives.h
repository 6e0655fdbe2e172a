#pragma once

#include <QList>
#include <QStringList>

#include "windows/GuiArchive.h"

namespace archives {

// The windows' registry of the archives: the launcher's tiles in their
// order (three to a row), each with its card, or disabled while the
// archive is still to come.
const QList<GuiArchive>& windows();
// The names the user knows the archives by, the captions of their tiles
// ("Anagrafica Cacciatori"), in the order of `list`.
QStringList captions(const QList<const ArchiveDefinition*>& list);

}  // namespace archives
