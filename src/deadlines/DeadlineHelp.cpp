#include "deadlines/DeadlineHelp.h"

// The texts are the program's own words: keep accents, apostrophes and
// quotation marks exactly as they are.

namespace deadlines {
namespace {

HelpTopic listsTopicNaming(const QString& key, const QString& place) {
    return HelpTopic{
        key,
        QStringLiteral("Visualizzazione scadenze e appuntamenti"),
        {
            QStringLiteral("Per visualizzare l'elenco delle scadenze imminenti è sufficiente fare "
                           "clic sul pulsante OK ") +
                place +
                QStringLiteral(" Scadenze e Pagamenti. Tale pulsante diventa attivo solo se sono "
                               "presenti scadenze imminenti in archivio."),
            QStringLiteral(
                "Si osservi che la lista delle scadenze imminenti tiene conto del numero di giorni "
                "di preavviso indicato dall'utente per ciascuna scadenza. Questo significa che "
                "tale lista potrebbe visualizzare anche scadenze non proprio prossime se l'utente "
                "ha deciso di essere avvisato con notevole anticipo."),
            QStringLiteral("In calce al calendario sono presenti due pulsanti che consentono di "
                           "richiamare le scadenze relative al giorno o al mese selezionato."),
            QStringLiteral(
                "Le scadenze in elenco sono ordinate in base alla data e all'ora e la loro "
                "disposizione cronologica avviene indipendentemente dall'ordine con cui l'utente "
                "le ha archiviate."),
            QStringLiteral(
                "E' possibile esportare la lista delle scadenze in un foglio di Microsoft Excel. A "
                "tal fine, basta fare clic sulla relativa icona e salvare il file che viene "
                "generato in tempo reale."),
        },
    };
}

}  // namespace

const HelpTopic& cardTopic() {
    static const HelpTopic topic{
        QStringLiteral("scadenzario"),
        QStringLiteral("App Scadenze e Pagamenti"),
        help::deadlineCardParagraphs(),
    };
    return topic;
}

const HelpTopic& listsTopic() {
    static const HelpTopic topic =
        listsTopicNaming(QStringLiteral("scadenze-elenchi"), QStringLiteral("nell'app"));
    return topic;
}

const HelpTopic& monthListTopic() {
    static const HelpTopic topic =
        listsTopicNaming(QStringLiteral("scadenze-mese"), QStringLiteral("nell'ambiente"));
    return topic;
}

const HelpTopic& exportTopic() {
    static const HelpTopic topic = help::exportTopic(
        QStringLiteral("esporta-scadenzario"),
        QStringLiteral("Esportazione archivio scadenze e pagamenti in Microsoft Excel"),
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare tutte le schede dello scadenzario "
            "registrate in un anno solare in un foglio di lavoro di Microsoft Excel, che potrà "
            "essere aperto con qualsiasi software in grado di gestire i file in formato XLS (ad "
            "esempio, con Open Office, Libre Office o Microsoft Office)."));
    return topic;
}

}  // namespace deadlines
