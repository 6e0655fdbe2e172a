#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help topics: the one source of the guide windows' texts, of
// `selvadoro guida` and of Guida.pdf. A topic is a title and its
// paragraphs; several windows may show the same topic. Each archive
// declares its own topics; the registry (app/Archives) lists them all.
struct HelpTopic {
    QString key;  // its name on the command line
    QString title;
    QStringList paragraphs;

    // The text of the guide window: the paragraphs joined by CR LF CR LF.
    QString text() const;
};

namespace help {

// The complete guide, shown from the launcher and first in Guida.pdf.
const HelpTopic& general();

// The nine paragraphs of the deadline card's topic; the first eight also
// close the deadlines section of the complete guide.
const QStringList& deadlineCardParagraphs();

// An export window's topic: the archive's own first paragraph, then the
// two paragraphs every export shares.
HelpTopic exportTopic(const QString& key, const QString& title, const QString& firstParagraph);

}  // namespace help
