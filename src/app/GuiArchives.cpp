#include "app/GuiArchives.h"

#include "archive/ArchiveDefinition.h"
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
        hunters::guiArchive(), teams::guiArchive(), communications::guiArchive(),
        weapons::guiArchive(), hunts::guiArchive(), deadlines::guiArchive(),
    };
    return list;
}

QStringList captions(const QList<const ArchiveDefinition*>& list) {
    QStringList names;
    for (const ArchiveDefinition* archive : list) {
        QString caption = QString::fromLatin1(archive->name);
        for (const GuiArchive& window : windows()) {
            if (window.archive && &window.archive() == archive) caption = window.caption;
        }
        names.append(caption);
    }
    return names;
}

}  // namespace archives
