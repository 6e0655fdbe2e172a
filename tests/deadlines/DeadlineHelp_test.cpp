#include "deadlines/DeadlineHelp.h"

#include <gtest/gtest.h>

#include "app/Archives.h"
#include "deadlines/DeadlinesArchive.h"

namespace {

TEST(DeadlineHelp, TheCardTopicHasItsNineParagraphs) {
    const HelpTopic& topic = deadlines::cardTopic();
    EXPECT_EQ(topic.title, QStringLiteral("App Scadenze e Pagamenti"));
    ASSERT_EQ(topic.paragraphs.size(), 9);
    EXPECT_TRUE(topic.paragraphs[0].startsWith(QStringLiteral(
        "L'app Scadenze e Pagamenti consente di tenere sotto controllo le scadenze giornaliere, "
        "mensili o annuali")));
    EXPECT_TRUE(topic.paragraphs[2].endsWith(QStringLiteral(
        "A questo punto bisognerà soltanto esprimere giorno, mese e ora e salvare la nuova "
        "scheda.")));
    EXPECT_TRUE(topic.paragraphs[5].startsWith(
        QStringLiteral("E' buona norma aggiornare lo scadenzario ogni volta che viene saldato")));
    EXPECT_EQ(topic.paragraphs[8],
              QStringLiteral("Il pulsante Esporta archivio consente di esportare tutte le "
                             "scadenze in archivio in un foglio di lavoro di Microsoft Excel."));
    EXPECT_EQ(topic.text(), topic.paragraphs.join(QStringLiteral("\r\n\r\n")));
}

// The lists' guide names "l'app" in the day and imminent lists and
// "l'ambiente" in the month list, otherwise word for word the same.
TEST(DeadlineHelp, TheListsTopicAndItsMonthListWording) {
    const HelpTopic& lists = deadlines::listsTopic();
    const HelpTopic& month = deadlines::monthListTopic();
    EXPECT_EQ(lists.title, QStringLiteral("Visualizzazione scadenze e appuntamenti"));
    EXPECT_EQ(month.title, lists.title);
    ASSERT_EQ(lists.paragraphs.size(), 5);
    EXPECT_EQ(lists.paragraphs[0],
              QStringLiteral("Per visualizzare l'elenco delle scadenze imminenti è sufficiente "
                             "fare clic sul pulsante OK nell'app Scadenze e Pagamenti. Tale "
                             "pulsante diventa attivo solo se sono presenti scadenze imminenti "
                             "in archivio."));
    EXPECT_EQ(month.paragraphs[0],
              QString(lists.paragraphs[0])
                  .replace(QStringLiteral("nell'app"), QStringLiteral("nell'ambiente")));
    EXPECT_EQ(month.paragraphs.mid(1), lists.paragraphs.mid(1));
    EXPECT_EQ(lists.paragraphs[4],
              QStringLiteral("E' possibile esportare la lista delle scadenze in un foglio di "
                             "Microsoft Excel. A tal fine, basta fare clic sulla relativa icona "
                             "e salvare il file che viene generato in tempo reale."));
}

TEST(DeadlineHelp, TheExportTopicAddsTheParagraphsOfEveryExport) {
    const HelpTopic& topic = deadlines::exportTopic();
    EXPECT_EQ(topic.title,
              QStringLiteral("Esportazione archivio scadenze e pagamenti in Microsoft Excel"));
    ASSERT_EQ(topic.paragraphs.size(), 3);
    EXPECT_TRUE(topic.paragraphs[0].startsWith(
        QStringLiteral("Il pulsante Esporta archivio consente di esportare tutte le schede dello "
                       "scadenzario registrate in un anno solare")));
    EXPECT_TRUE(topic.paragraphs[1].startsWith(
        QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati")));
}

// The three topics go into the guide through the registry, after the
// weapons'; the month list's wording stays with its window.
TEST(DeadlineHelp, TheRegistryListsTheThreeTopics) {
    const ArchiveDefinition& archive = deadlines::archive();
    EXPECT_EQ(archive.helpTopics,
              (QList<const HelpTopic*>{&deadlines::cardTopic(), &deadlines::listsTopic(),
                                       &deadlines::exportTopic()}));
    EXPECT_EQ(archives::named(QStringLiteral("scadenzario")), &archive);
    EXPECT_TRUE(archives::all().contains(&archive));
    EXPECT_TRUE(archives::helpTopics().contains(&deadlines::listsTopic()));
    EXPECT_FALSE(archives::helpTopics().contains(&deadlines::monthListTopic()));
}

}  // namespace
