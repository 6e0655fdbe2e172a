#include "hunts/HuntHelp.h"

// The texts are the program's own words: keep accents, apostrophes and
// quotation marks exactly as they are.

namespace hunts {

const HelpTopic& cardTopic() {
    static const HelpTopic topic{
        QStringLiteral("battute"),
        QStringLiteral("App Battute di Caccia"),
        {
            QStringLiteral(
                "L'app Battute di Caccia serve sia per disporre di un calendario delle battute di "
                "caccia allo scopo di avere sempre sott'occhio quelle imminenti, sia per "
                "conservare uno storico dei capi abbattuti."),
            QStringLiteral(
                "In ogni scheda è possibile registrare il tipo di battuta di caccia (ad esempio, "
                "caccia a cinghiali, daini, cervi o mufloni), la stagione venatoria, il periodo "
                "in cui si terrà la stessa battuta di caccia, i giorni di preavviso rispetto alla "
                "data di inizio della caccia, la tenuta A.T.C. in cui la battuta di caccia avrà "
                "luogo, le condizioni di vitto e alloggio previste per i cacciatori partecipanti, "
                "le modalità di trasporto, la squadra partecipante, il nome del capo squadra, la "
                "quota di partecipazione, l'elenco di tutti i cacciatori che prenderanno parte "
                "alla battuta e ogni annotazione aggiuntiva."),
            QStringLiteral(
                "Al termine della battuta di caccia, è possibile aggiornare la scheda inserendo "
                "il riepilogo dei capi abbattuti. In questo modo l'app non serve soltanto ad "
                "organizzare le battute di caccia, ma anche a conservare la memoria di tutte le "
                "battute a cui ciascuna squadra dell'associazione ha preso parte, con i "
                "cacciatori che vi hanno partecipato e i capi abbattuti in ciascuna di esse."),
            QStringLiteral(
                "Per inserire una nuova scheda, è sufficiente fare clic sul pulsante Nuovo, "
                "compilare i campi di testo che interessano e premere Salva. Si tenga presente "
                "che alcuni campi sono a compilazione obbligatoria. Per aggiornare una scheda "
                "esistente, bisogna richiamarla nella finestra di lavoro, apportare le modifiche "
                "e premere Salva. Una scheda già registrata può essere richiamata utilizzando la "
                "funzione di ricerca o le frecce di scorrimento, le quali consentono di "
                "visualizzare il record precedente o quello successivo, oppure di posizionarsi "
                "in testa o in coda all'archivio."),
            QStringLiteral(
                "Se si deve inserire in archivio una battuta di caccia che ha molti elementi in "
                "comune con un'altra battuta già archiviata in passato, si può velocizzare "
                "l'operazione duplicando la scheda esistente. A tal fine bisogna innanzitutto "
                "visualizzare la scheda da duplicare, fare clic sul pulsante Duplica, apportare "
                "le modifiche o integrazioni desiderate e, infine, premere il pulsante Salva."),
            QStringLiteral(
                "Come già accennato, in ogni scheda bisogna indicare il periodo in cui avrà luogo "
                "la battuta di caccia, specificando la data di inizio e quella di fine per poter "
                "essere avvisati in prossimità dell'evento. E' anche necessario indicare con "
                "quanti giorni di anticipo si desidera essere avvisati rispetto alla data di "
                "inizio della battuta di caccia. Con un solo clic sull'icona dell'orologio si "
                "potrà visualizzare e stampare l'elenco di tutte le battute di caccia imminenti."),
            QStringLiteral(
                "La funzione Allega file consente di associare alla scheda di ciascuna battuta di "
                "caccia tre file di qualsiasi genere descrivendone il contenuto in apposite "
                "caselle. Si potrebbe, ad esempio, allegare un file di Word con l'elenco di tutti "
                "i cacciatori che hanno provveduto a versare la quota di partecipazione e di "
                "quelli ritardatari."),
            QStringLiteral(
                "Il pulsante Trova consente di effettuare ricerche avanzate in archivio "
                "funzionanti anche con chiave parziale, ossia indicando una o più parole "
                "consecutive contenute nei campi di testo. Per ogni ricerca è possibile "
                "utilizzare uno o più filtri contemporaneamente. Ciò consente, ad esempio, di "
                "ottenere l'elenco di tutte le battute di caccia che si sono svolte in una "
                "determinata tenuta A.T.C. e a cui ha partecipato un certo cacciatore. I "
                "risultati di ciascuna ricerca possono essere stampati."),
            QStringLiteral(
                "L'intero archivio delle battute di caccia è esportabile in Excel, mentre la "
                "scheda di una singola battuta può essere esportata in formato RTF e stampata su "
                "carta."),
        },
    };
    return topic;
}

const HelpTopic& exportTopic() {
    static const HelpTopic topic = help::exportTopic(
        QStringLiteral("esporta-battute"),
        QStringLiteral("Esportazione archivio battute di caccia in Microsoft Excel"),
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare l'archivio delle battute di "
            "caccia in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
            "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con Open "
            "Office, Libre Office o Microsoft Office)."));
    return topic;
}

}  // namespace hunts
