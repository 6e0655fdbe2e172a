#include "app/Archives.h"

#include "agenda/AgendaHelp.h"
#include "backup/BackupHelp.h"
#include "communications/CommunicationsArchive.h"
#include "deadlines/DeadlinesArchive.h"
#include "export/ExportHelp.h"
#include "hunters/HuntersArchive.h"
#include "hunts/HuntsArchive.h"
#include "import/ImportHelp.h"
#include "mailing/MailingHelp.h"
#include "membership/MembershipArchive.h"
#include "teams/TeamsArchive.h"
#include "weapons/WeaponsArchive.h"

namespace archives {

const QList<const ArchiveDefinition*>& all() {
    // One line per archive.
    static const QList<const ArchiveDefinition*> list{
        &hunters::archive(),        &teams::archive(),   &hunts::archive(),
        &communications::archive(), &weapons::archive(), &deadlines::archive(),
        &membership::archive(),
    };
    return list;
}

const ArchiveDefinition* named(const QString& name) {
    for (const ArchiveDefinition* archive : all()) {
        if (name == QLatin1String(archive->name)) return archive;
    }
    return nullptr;
}

const ArchiveDefinition* ownerOf(const SummaryDefinition* summary) {
    for (const ArchiveDefinition* archive : all()) {
        if (archive->summaries.contains(summary)) return archive;
    }
    return nullptr;
}

const ExportDefinition* datedListNamed(const QString& name) {
    for (const ArchiveDefinition* archive : all()) {
        for (const ExportDefinition* list : archive->datedLists) {
            if (name == QLatin1String(list->commandName)) return list;
        }
    }
    return nullptr;
}

const SummaryDefinition* summaryNamed(const QString& name) {
    for (const ArchiveDefinition* archive : all()) {
        for (const SummaryDefinition* summary : archive->summaries) {
            if (name == QLatin1String(summary->commandName)) return summary;
        }
    }
    return nullptr;
}

const QList<const HelpTopic*>& helpTopics() {
    static const QList<const HelpTopic*> topics = [] {
        QList<const HelpTopic*> list{&help::general()};
        for (const ArchiveDefinition* archive : all()) list += archive->helpTopics;
        // The topics of the pieces every archive shares.
        list += {&help::agendaTopic(), &help::exportFormatsTopic(), &importer::helpTopic(),
                 &mailing::helpTopic(), &backup::helpTopic()};
        return list;
    }();
    return topics;
}

const HelpTopic* helpTopic(const QString& key) {
    for (const HelpTopic* topic : helpTopics()) {
        if (topic->key == key) return topic;
    }
    return nullptr;
}

}  // namespace archives
