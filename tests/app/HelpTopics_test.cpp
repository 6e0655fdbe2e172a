#include "shell/HelpTopics.h"

#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>

#include "app/Archives.h"
#include "hunters/HunterHelp.h"

namespace {

TEST(HelpTopics, EveryTopicHasATitleAKeyAndCleanParagraphs) {
    QSet<QString> keys;
    QSet<QString> titles;
    for (const HelpTopic* t : archives::helpTopics()) {
        const HelpTopic& topic = *t;
        EXPECT_FALSE(topic.title.isEmpty());
        keys.insert(topic.key);
        titles.insert(topic.title);
        EXPECT_EQ(archives::helpTopic(topic.key), &topic);
        // The paragraphs are joined by the window: none carries a line
        // break or outer blanks of its own.
        for (const QString& paragraph : topic.paragraphs) {
            EXPECT_FALSE(paragraph.isEmpty()) << topic.title.toStdString();
            EXPECT_EQ(paragraph, paragraph.trimmed()) << paragraph.toStdString();
            EXPECT_FALSE(paragraph.contains(u'\n') || paragraph.contains(u'\r'));
        }
    }
    EXPECT_EQ(keys.size(), archives::helpTopics().size());
    EXPECT_EQ(titles.size(), archives::helpTopics().size());
    EXPECT_EQ(archives::helpTopic(QStringLiteral("nessuno")), nullptr);
    EXPECT_EQ(archives::helpTopics().first(), &help::general());
}

TEST(HelpTopics, TheHunterCardTopicHasItsNineParagraphs) {
    const HelpTopic& topic = hunters::cardTopic();
    EXPECT_EQ(topic.title, QStringLiteral("App Anagrafica Cacciatori"));
    ASSERT_EQ(topic.paragraphs.size(), 9);
    EXPECT_TRUE(topic.paragraphs[0].startsWith(
        QStringLiteral("L'app Anagrafica Cacciatori è una completa rubrica elettronica in cui")));
    EXPECT_TRUE(topic.paragraphs[3].endsWith(
        QStringLiteral("Il campo \"Note\" può essere sfruttato per memorizzare ulteriori "
                       "informazioni di qualsiasi genere relative al cacciatore.")));
    EXPECT_TRUE(
        topic.paragraphs[5].endsWith(QStringLiteral("durante l\u2019esercizio della caccia.")));
    EXPECT_EQ(topic.paragraphs[8],
              QStringLiteral("L'intero archivio dei cacciatori è esportabile in Excel, mentre la "
                             "singola scheda anagrafica può essere stampata su carta."));
    EXPECT_EQ(topic.text(), topic.paragraphs.join(QStringLiteral("\r\n\r\n")));
    EXPECT_EQ(topic.text().count(QStringLiteral("\r\n\r\n")), 8);
}

TEST(HelpTopics, TheHuntersExportTopicAddsTheTwoParagraphsOfEveryExport) {
    const HelpTopic& topic = hunters::exportTopic();
    EXPECT_EQ(topic.title,
              QStringLiteral("Esportazione archivio anagrafico cacciatori in Microsoft Excel"));
    EXPECT_EQ(topic.paragraphs,
              (QStringList{
                  QStringLiteral(
                      "Il pulsante Esporta archivio consente di esportare i dati anagrafici dei "
                      "cacciatori in un foglio di lavoro di Microsoft Excel, che potrà essere "
                      "aperto con qualsiasi software in grado di gestire i file in formato XLS (ad "
                      "esempio, con Open Office, Libre Office o Microsoft Office)."),
                  QStringLiteral(
                      "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare "
                      "clic sull'icona di Excel. Questa operazione crea in tempo reale un file in "
                      "formato XLS contenente le schede in archivio, che potrà essere aperto "
                      "immediatamente rispondendo affermativamente al messaggio di domanda che "
                      "appare."),
                  QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco "
                                 "fisso assegnandogli un nome qualsiasi."),
              }));
}

TEST(HelpTopics, TheCompleteGuideFollowsTheOutlineSectionBySection) {
    const HelpTopic& topic = help::general();
    EXPECT_EQ(topic.title, QStringLiteral("Uno sguardo ad Selvadoro"));
    const QStringList& paragraphs = topic.paragraphs;
    EXPECT_GE(paragraphs.size(), 45);
    EXPECT_LE(paragraphs.size(), 60);

    // Each section opens with its words, in this order.
    const QStringList openings{
        QStringLiteral("Selvadoro è un software studiato per registrare l'anagrafica dei "
                       "cacciatori"),
        QStringLiteral("L'app Anagrafica Cacciatori è una completa rubrica elettronica"),
        QStringLiteral("L'app Archivio Squadre consente di organizzare le squadre di caccia"),
        QStringLiteral("L'app Invio Comunicazioni permette di inviare gli stessi messaggi e-mail"),
        QStringLiteral("L'app Schedario Armi permette di catalogare tutti i fucili da caccia"),
        QStringLiteral("L'app Battute di Caccia serve sia per disporre di un calendario delle "
                       "battute di caccia"),
        QStringLiteral("L'app Scadenze e Pagamenti consente di tenere sotto controllo"),
        QStringLiteral("Tutti gli archivi di Selvadoro possono essere esportati in un file di "
                       "Microsoft Excel"),
    };
    QList<qsizetype> starts;
    for (const QString& opening : openings) {
        qsizetype found = -1;
        for (qsizetype i = 0; i < paragraphs.size(); ++i) {
            if (paragraphs[i].startsWith(opening)) found = i;
        }
        ASSERT_GE(found, 0) << opening.toStdString();
        starts.append(found);
    }
    EXPECT_EQ(starts.first(), 0);
    EXPECT_TRUE(std::is_sorted(starts.begin(), starts.end()));
    // The deadlines section is the first eight paragraphs of that card's topic.
    EXPECT_EQ(starts[7] - starts[6], 8);
    EXPECT_TRUE(paragraphs[starts[6] + 7].startsWith(
        QStringLiteral("Nello scadenzario è disponibile una funzione di ricerca avanzata")));

    // The general section names the first-access password.
    const QString general = paragraphs.mid(starts[7]).join(u' ');
    EXPECT_TRUE(general.contains(QStringLiteral("primaveraprato")));
    EXPECT_TRUE(general.contains(QStringLiteral("Cambia password")));
    EXPECT_TRUE(general.contains(QStringLiteral("chiavetta USB")));
    // ... and where the installed program keeps the data.
    EXPECT_TRUE(general.contains(QStringLiteral("cartella Selvadoro dei Documenti")));
}

}  // namespace
