#include "deadlines/GuiDeadlines.h"

#include "deadlines/DeadlinesArchive.h"
#include "deadlines/TfrmScadenzario.h"

namespace deadlines {

GuiArchive guiArchive() {
    return {
        .tile = "Scadenze",
        .caption = QStringLiteral("Scadenze e Pagamenti"),
        .icon = "scadenze",
        .window = "TfrmScadenzario",
        .createCard = []() -> CardWindow* { return new TfrmScadenzario; },
        .archive = &deadlines::archive,
    };
}

}  // namespace deadlines
