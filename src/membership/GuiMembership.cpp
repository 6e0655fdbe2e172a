#include "membership/GuiMembership.h"

#include "membership/MembershipArchive.h"
#include "membership/TfrmTesseramento.h"

namespace membership {

GuiArchive guiArchive() {
    return {
        .tile = "Tesseramento",
        .caption = QStringLiteral("Tesseramento Soci"),
        .icon = "segnalate",
        .window = "TfrmTesseramento",
        .createCard = []() -> CardWindow* { return new TfrmTesseramento; },
        .archive = &membership::archive,
    };
}

}  // namespace membership
