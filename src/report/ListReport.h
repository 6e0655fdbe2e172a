#pragma once

#include <QStringList>

#include "report/Report.h"

namespace report {

// The printed list of the search and summary windows: A4 landscape, 10 mm
// margins, the title `txtTitolo` on every page, the lines in `txtRiepilogo`
// of the band `MasterData` (continued on further pages when they do not
// fit), and the footer "Stampa eseguita in data [DATE]".
Report listReport(const QString& title, const QStringList& lines);

}  // namespace report
