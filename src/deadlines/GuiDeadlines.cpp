#include "deadlines/GuiDeadlines.h"

#include "deadlines/TfrmScadenzario.h"

namespace deadlines {

GuiArchive guiArchive() {
    return {
        .tile = "Scadenze",
        .caption = QStringLiteral("Scadenze e Pagamenti"),
        .icon = "scadenze",
        .window = "TfrmScadenzario",
        .createCard = []() -> CardWindow* { return new TfrmScadenzario; },
    };
}

}  // namespace deadlines
