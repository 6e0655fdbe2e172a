#include "hunts/GuiHunts.h"

#include "hunts/HuntsArchive.h"
#include "hunts/TfrmBattute.h"

namespace hunts {

GuiArchive guiArchive() {
    return {
        .tile = "Battute",
        .caption = QStringLiteral("Battute di Caccia"),
        .icon = "battute",
        .window = "TfrmBattute",
        .createCard = []() -> CardWindow* { return new TfrmBattute; },
        .archive = &hunts::archive,
    };
}

}  // namespace hunts
