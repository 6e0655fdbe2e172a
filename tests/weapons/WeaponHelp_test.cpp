#include "weapons/WeaponHelp.h"

#include <gtest/gtest.h>

#include "app/Archives.h"

namespace {

TEST(WeaponHelp, TheCardTopicHasItsTenParagraphs) {
    const HelpTopic& topic = weapons::cardTopic();
    EXPECT_EQ(topic.key, QStringLiteral("armi"));
    EXPECT_EQ(topic.title, QStringLiteral("App Schedario Armi"));
    ASSERT_EQ(topic.paragraphs.size(), 10);
    const char* openings[] = {
        "L'app Schedario Armi permette di catalogare tutti i fucili da caccia e le altre armi",
        "E' inoltre presente il campo \"Note\", che potrebbe essere sfruttato per registrare",
        "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo,",
        "Il pulsante con l'icona della freccia verde posizionato a destra del campo dedicato",
        "Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede",
        "Per trovare un'arma in archivio bisogna fare clic sull'apposito pulsante,",
        "Il pulsante Carica foto permette di inserire l'immagine dell'arma in formato Jpeg",
        "Con il pulsante Allega file è possibile allegare documenti di qualsiasi genere",
        "La casella In vendita va spuntata se il proprietario non ha più bisogno di quell'arma",
        "La scheda tecnica descrittiva completa di foto di ciascuna arma",
    };
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(topic.paragraphs[i].startsWith(QString::fromUtf8(openings[i]))) << i;
    }
    EXPECT_TRUE(topic.paragraphs[1].endsWith(QStringLiteral(
        "se si effettua una ricerca utilizzando il campo \"Note\" come filtro, si ottiene "
        "l'elenco di tutte le schede tecniche delle armi in archivio contenenti la chiave di "
        "ricerca indicata.")));
    EXPECT_TRUE(topic.paragraphs[8].contains(QStringLiteral(
        "Il pulsante contraddistinto dall'icona della mano con una moneta permette di "
        "visualizzare l'elenco di tutte le armi in vendita presenti in archivio.")));
    EXPECT_EQ(topic.paragraphs[9],
              QStringLiteral("La scheda tecnica descrittiva completa di foto di ciascuna arma "
                             "può essere stampata su carta, mentre l'intero schedario delle "
                             "armi può essere esportato in un file di Microsoft Excel."));
    // Straight apostrophes and quotation marks only, no blank doubled.
    const QString text = topic.text();
    EXPECT_EQ(text.count(QStringLiteral("\r\n\r\n")), 9);
    EXPECT_FALSE(text.contains(QChar(0x2019)));
    EXPECT_FALSE(text.contains(QChar(0x201C)));
    EXPECT_FALSE(text.contains(QStringLiteral("  ")));
}

TEST(WeaponHelp, TheExportTopicAddsTheTwoParagraphsOfEveryExport) {
    const HelpTopic& topic = weapons::exportTopic();
    EXPECT_EQ(topic.key, QStringLiteral("esporta-armi"));
    EXPECT_EQ(topic.title, QStringLiteral("Esportazione schedario armi in Microsoft Excel"));
    ASSERT_EQ(topic.paragraphs.size(), 3);
    EXPECT_EQ(topic.paragraphs[0],
              QStringLiteral("Il pulsante Esporta archivio consente di esportare lo schedario "
                             "delle armi in un foglio di lavoro di Microsoft Excel, che potrà "
                             "essere aperto con qualsiasi software in grado di gestire i file in "
                             "formato XLS (ad esempio, con Open Office, Libre Office o Microsoft "
                             "Office)."));
    EXPECT_EQ(topic.paragraphs[1],
              QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, "
                             "bisogna fare clic sull'icona di Excel. Questa operazione crea in "
                             "tempo reale un file in formato XLS contenente le schede in "
                             "archivio, che potrà essere aperto immediatamente rispondendo "
                             "affermativamente al messaggio di domanda che appare."));
    EXPECT_EQ(topic.paragraphs[2],
              QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco "
                             "fisso assegnandogli un nome qualsiasi."));
}

// The guide finds both topics by their names.
TEST(WeaponHelp, TheRegistryListsBothTopics) {
    EXPECT_EQ(archives::helpTopic(QStringLiteral("armi")), &weapons::cardTopic());
    EXPECT_EQ(archives::helpTopic(QStringLiteral("esporta-armi")), &weapons::exportTopic());
}

}  // namespace
