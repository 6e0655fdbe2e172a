#include "hunters/GuiHunters.h"

#include "hunters/HuntersArchive.h"
#include "hunters/TfrmAnagrafica.h"

namespace hunters {

GuiArchive guiArchive() {
    return {
        .tile = "Anagrafica",
        .caption = QStringLiteral("Anagrafica Cacciatori"),
        .icon = "anagrafica",
        .window = "TfrmAnagrafica",
        .createCard = []() -> CardWindow* { return new TfrmAnagrafica; },
        .printing = &TfrmAnagrafica::sheetPrinting(),
        .archive = &hunters::archive,
    };
}

}  // namespace hunters
