#include "hunts/GuiHunts.h"

#include "hunts/TfrmBattute.h"

namespace hunts {

GuiArchive guiArchive() {
    return {
        .tile = "Battute",
        .caption = QStringLiteral("Battute di Caccia"),
        .icon = "battute",
        .window = "TfrmBattute",
        .createCard = []() -> CardWindow* { return new TfrmBattute; },
    };
}

}  // namespace hunts
