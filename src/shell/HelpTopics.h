#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help topics: the one source of the guide windows' texts, of
// `selvadoro guida` and of Guida.pdf. A topic is a title and its
// paragraphs; several windows may show the same topic.
enum class HelpTopicId {
    General,        // launcher: the complete user guide
    Hunters,        // hunter card
    HuntersExport,  // hunters' export window
};

struct HelpTopic {
    HelpTopicId id;
    QString key;  // its name on the command line
    QString title;
    QStringList paragraphs;

    // The text of the guide window: the paragraphs joined by CR LF CR LF.
    QString text() const;
};

namespace help {

// Every topic, in the order of the PDF guide (the complete guide first).
const QList<HelpTopic>& topics();

const HelpTopic& topic(HelpTopicId id);

// The topic with that command-line name, or null.
const HelpTopic* topicByKey(const QString& key);

}  // namespace help
