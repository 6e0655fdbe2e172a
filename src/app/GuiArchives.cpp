#include "app/GuiArchives.h"

#include "communications/GuiCommunications.h"
#include "hunters/GuiHunters.h"
#include "hunts/GuiHunts.h"
#include "teams/GuiTeams.h"
#include "weapons/GuiWeapons.h"

namespace archives {
namespace {

GuiArchive toCome(const char* tile, const char* caption, const char* icon) {
    return {tile, QString::fromUtf8(caption), icon, nullptr};
}

}  // namespace

const QList<GuiArchive>& windows() {
    // One line per archive.
    static const QList<GuiArchive> list{
        hunters::guiArchive(),
        teams::guiArchive(),
        communications::guiArchive(),
        weapons::guiArchive(),
        hunts::guiArchive(),
        toCome("Scadenze", "Scadenze e Pagamenti", "scadenze"),
    };
    return list;
}

}  // namespace archives
