#include "teams/TeamHelp.h"

// The texts are the program's own words: keep accents, apostrophes and
// quotation marks exactly as they are.

namespace teams {

const HelpTopic& cardTopic() {
    static const HelpTopic topic{
        QStringLiteral("squadre"),
        QStringLiteral("App Archivio Squadre"),
        {
            QStringLiteral(
                "L'app Archivio Squadre consente di organizzare le squadre di caccia che possono "
                "essere composte da un numero variabile di cacciatori. In ciascuna scheda va "
                "indicato il nome attribuito alla squadra di caccia, le forme di caccia praticate, "
                "gli Ambiti Territoriali di Caccia in cui la stessa squadra normalmente esercita "
                "la "
                "propria attività venatoria, i nomi dei cacciatori che svolgono i ruoli di capo "
                "squadra, vice capo squadra, capo canaio e capo posta, l'elenco completo di tutti "
                "i "
                "cacciatori che compongono la squadra, l'elenco degli indirizzi e-mail (separati "
                "da "
                "virgola) degli stessi cacciatori e ogni ulteriore annotazione."),
            QStringLiteral(
                "Per inserire una nuova squadra di caccia in archivio, bisogna premere il pulsante "
                "Nuovo, compilare i campi di testo che interessano e premere Salva. Si tenga "
                "presente che alcuni campi sono a compilazione obbligatoria. Per modificare i dati "
                "relativi ad una squadra già archiviata, bisogna richiamare la relativa scheda "
                "nella schermata di lavoro utilizzando le frecce di scorrimento dei record o la "
                "funzione di ricerca, apportare le modifiche desiderate e, infine, premere Salva."),
            QStringLiteral(
                "I nomi del capo squadra, del vice capo squadra, del capo canaio e del capo posta "
                "possono essere importati dall'archivio anagrafico dei cacciatori servendosi dei "
                "pulsanti con l'icona della freccia verde presenti a destra di ciascun campo di "
                "testo."),
            QStringLiteral(
                "Se si deve inserire in archivio una squadra di caccia che ha molti elementi in "
                "comune con un'altra squadra già archiviata, si può velocizzare l'operazione "
                "duplicando la scheda esistente. A tal fine bisogna innanzitutto visualizzare la "
                "scheda da duplicare, fare clic sul pulsante Duplica, apportare le modifiche o "
                "integrazioni desiderate e, infine, premere il pulsante Salva."),
            QStringLiteral(
                "La casella Segnala va spuntata se si desidera segnalare la squadra di caccia per "
                "qualsiasi ragione, ad esempio per ricordarsi che bisogna ultimare l'elenco dei "
                "membri della squadra. Per visualizzare il riepilogo di tutte le squadre "
                "segnalate, è sufficiente fare clic sul pulsante contraddistinto dalla lettera "
                "\"S\". Tale riepilogo può essere, all'occorrenza, stampato su carta."),
            QStringLiteral(
                "Il pulsante Trova consente di effettuare ricerche avanzate in archivio "
                "funzionanti anche con chiave parziale, ossia indicando una o più parole "
                "consecutive contenute nei campi di testo. Per ogni ricerca è possibile utilizzare "
                "uno o più filtri contemporaneamente. Ciò consente, ad esempio, di ottenere "
                "l'elenco di tutti le squadre che praticano determinate forme di caccia e a cui "
                "sono state abbinate specifiche note. I risultati di ciascuna ricerca possono "
                "essere stampati."),
            QStringLiteral(
                "La funzione Allega file consente di associare alla scheda di ciascuna squadra di "
                "caccia tre file di qualsiasi genere descrivendone il contenuto in apposite "
                "caselle. Si potrebbe, ad esempio, allegare una foto di gruppo dei membri della "
                "squadra oppure un file di Word contenente un regolamento interno da rispettare."),
            QStringLiteral(
                "L'intero archivio delle squadre di caccia è esportabile in Excel, mentre la "
                "scheda della singola squadra può essere stampata su carta."),
        },
    };
    return topic;
}

const HelpTopic& exportTopic() {
    static const HelpTopic topic = help::exportTopic(
        QStringLiteral("esporta-squadre"),
        QStringLiteral("Esportazione archivio squadre di caccia in Microsoft Excel"),
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare l'archivio delle squadre di "
            "caccia in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
            "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con Open "
            "Office, Libre Office o Microsoft Office)."));
    return topic;
}

}  // namespace teams
