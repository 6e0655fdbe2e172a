#include "teams/GuiTeams.h"

#include "teams/TeamsArchive.h"
#include "teams/TfrmSquadre.h"

namespace teams {

GuiArchive guiArchive() {
    return {
        .tile = "Squadre",
        .caption = QStringLiteral("Archivio Squadre"),
        .icon = "squadre",
        .window = "TfrmSquadre",
        .createCard = []() -> CardWindow* { return new TfrmSquadre; },
        .archive = &teams::archive,
    };
}

}  // namespace teams
