#include "app/GuiArchives.h"

#include "communications/GuiCommunications.h"
#include "deadlines/GuiDeadlines.h"
#include "hunters/GuiHunters.h"
#include "hunts/GuiHunts.h"
#include "teams/GuiTeams.h"
#include "weapons/GuiWeapons.h"

namespace archives {

const QList<GuiArchive>& windows() {
    // One line per archive.
    static const QList<GuiArchive> list{
        hunters::guiArchive(),
        teams::guiArchive(),
        communications::guiArchive(),
        weapons::guiArchive(),
        hunts::guiArchive(),
        deadlines::guiArchive(),
    };
    return list;
}

}  // namespace archives
