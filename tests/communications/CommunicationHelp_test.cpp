#include "communications/CommunicationHelp.h"

#include <gtest/gtest.h>

namespace {

TEST(CommunicationHelp, TheCardTopicHasItsTenParagraphs) {
    const HelpTopic& topic = communications::cardTopic();
    EXPECT_EQ(topic.title, QStringLiteral("App Invio Comunicazioni"));
    ASSERT_EQ(topic.paragraphs.size(), 10);
    const char* openings[] = {
        "L'app Invio Comunicazioni permette di inviare gli stessi messaggi e-mail a tutti i membri",
        "Le informazioni da inserire nella scheda riguardano l'oggetto della comunicazione,",
        "Per inserire una nuova comunicazione in archivio, bisogna premere il pulsante Nuovo,",
        "La compilazione della scheda della comunicazione può essere velocizzata importando",
        "Se si deve inserire in archivio una comunicazione che ha molti elementi in comune",
        "Una volta compilati i campi di testo, si può procedere all'invio della comunicazione",
        "La casella Segnala va spuntata se si desidera segnalare la comunicazione",
        "Il pulsante Trova consente di effettuare ricerche avanzate in archivio",
        "La funzione Allega file consente di associare alla scheda di ciascuna comunicazione",
        "L'intero archivio delle comunicazioni è esportabile in Excel,",
    };
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(topic.paragraphs[i].startsWith(QString::fromUtf8(openings[i]))) << i;
    }
    EXPECT_TRUE(topic.paragraphs[6].contains(QStringLiteral(
        "è sufficiente fare clic sul pulsante contraddistinto dalla lettera \"S\". Tale "
        "riepilogo può essere, all'occorrenza, stampato su carta.")));
    EXPECT_EQ(topic.paragraphs[9],
              QStringLiteral("L'intero archivio delle comunicazioni è esportabile in Excel, "
                             "mentre la scheda del singolo messaggio può essere stampata su "
                             "carta."));
    EXPECT_EQ(topic.text().count(QStringLiteral("\r\n\r\n")), 9);
}

TEST(CommunicationHelp, TheExportTopicAddsTheTwoParagraphsOfEveryExport) {
    const HelpTopic& topic = communications::exportTopic();
    EXPECT_EQ(topic.title,
              QStringLiteral("Esportazione archivio comunicazioni in Microsoft Excel"));
    ASSERT_EQ(topic.paragraphs.size(), 3);
    EXPECT_EQ(topic.paragraphs[0],
              QStringLiteral(
                  "Il pulsante Esporta archivio consente di esportare l'archivio delle "
                  "comunicazioni in un foglio di lavoro di Microsoft Excel, che potrà essere "
                  "aperto con qualsiasi software in grado di gestire i file in formato XLS (ad "
                  "esempio, con Open Office, Libre Office o Microsoft Office)."));
    EXPECT_TRUE(topic.paragraphs[1].startsWith(
        QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati")));
    EXPECT_EQ(topic.paragraphs[2],
              QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco "
                             "fisso assegnandogli un nome qualsiasi."));
}

}  // namespace
