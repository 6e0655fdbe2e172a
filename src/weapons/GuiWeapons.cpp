#include "weapons/GuiWeapons.h"

#include "weapons/TfrmArmi.h"
#include "weapons/WeaponsArchive.h"

namespace weapons {

GuiArchive guiArchive() {
    return {
        .tile = "Armi",
        .caption = QStringLiteral("Schedario Armi"),
        .icon = "armi",
        .window = "TfrmArmi",
        .createCard = []() -> CardWindow* { return new TfrmArmi; },
        .printing = &TfrmArmi::sheetPrinting(),
        .archive = &weapons::archive,
    };
}

}  // namespace weapons
