#include "communications/CommunicationHelp.h"

// The texts are the program's own words: keep accents, apostrophes and
// quotation marks exactly as they are.

namespace communications {

const HelpTopic& cardTopic() {
    static const HelpTopic topic{
        QStringLiteral("comunicazioni"),
        QStringLiteral("App Invio Comunicazioni"),
        {
            QStringLiteral(
                "L'app Invio Comunicazioni permette di inviare gli stessi messaggi e-mail a tutti "
                "i membri di una squadra di caccia e di registrare tali messaggi in un database "
                "consultabile in qualsiasi momento. Questa app può essere particolarmente utile, "
                "ad esempio, quando si ha bisogno di avvisare i cacciatori dell'annullamento di "
                "una battuta di caccia, del posticipo della data di convocazione di un'assemblea "
                "e così via."),
            QStringLiteral(
                "Le informazioni da inserire nella scheda riguardano l'oggetto della "
                "comunicazione, l'autore del messaggio, la squadra di caccia destinataria, il "
                "nome del capo squadra, eventuali note aggiuntive, l'elenco dei cacciatori "
                "destinatari e relativi indirizzi e-mail separati da virgola, il testo del "
                "messaggio e il riscontro ricevuto dai destinatari della comunicazione."),
            QStringLiteral(
                "Per inserire una nuova comunicazione in archivio, bisogna premere il pulsante "
                "Nuovo, compilare i campi di testo che interessano e premere Salva. Si tenga "
                "presente che alcuni campi sono a compilazione obbligatoria. Per modificare i dati "
                "relativi ad una comunicazione già archiviata, bisogna richiamare la relativa "
                "scheda nella schermata di lavoro utilizzando le frecce di scorrimento dei record "
                "o la funzione di ricerca, apportare le modifiche desiderate e, infine, premere "
                "Salva."),
            QStringLiteral(
                "La compilazione della scheda della comunicazione può essere velocizzata "
                "importando i dati dall'archivio delle squadre di caccia servendosi del pulsante "
                "con l'icona della freccia verde presente a destra del campo riservato alla "
                "squadra di caccia destinataria."),
            QStringLiteral(
                "Se si deve inserire in archivio una comunicazione che ha molti elementi in comune "
                "con un'altra comunicazione già archiviata, si può velocizzare l'operazione "
                "duplicando la scheda esistente. A tal fine bisogna innanzitutto visualizzare la "
                "scheda da duplicare, fare clic sul pulsante Duplica, apportare le modifiche o "
                "integrazioni desiderate e, infine, premere il pulsante Salva. Questa funzione "
                "andrebbe ovviamente sfruttata quando si ha bisogno di inviare lo stesso "
                "messaggio a più squadre di caccia."),
            QStringLiteral(
                "Una volta compilati i campi di testo, si può procedere all'invio della "
                "comunicazione tramite e-mail premendo il pulsante Invia Messaggio. Si tenga "
                "presente che per utilizzare questa funzione è necessario che sul proprio "
                "computer sia installata un'applicazione per la gestione della posta "
                "elettronica."),
            QStringLiteral(
                "La casella Segnala va spuntata se si desidera segnalare la comunicazione per "
                "qualsiasi ragione, ad esempio per ricordarsi che la stessa è in sospeso oppure "
                "che bisogna ancora ultimare il testo del messaggio prima di procedere all'invio. "
                "Per visualizzare il riepilogo di tutte le comunicazioni segnalate, è sufficiente "
                "fare clic sul pulsante contraddistinto dalla lettera \"S\". Tale riepilogo può "
                "essere, all'occorrenza, stampato su carta."),
            QStringLiteral(
                "Il pulsante Trova consente di effettuare ricerche avanzate in archivio "
                "funzionanti anche con chiave parziale, ossia indicando una o più parole "
                "consecutive contenute nei campi di testo. Per ogni ricerca è possibile utilizzare "
                "uno o più filtri contemporaneamente. Ciò consente, ad esempio, di ottenere "
                "l'elenco di tutte le comunicazioni inviate a una certa squadra di caccia "
                "riguardanti uno specifico oggetto. I risultati di ciascuna ricerca possono essere "
                "stampati."),
            QStringLiteral(
                "La funzione Allega file consente di associare alla scheda di ciascuna "
                "comunicazione tre file di qualsiasi genere descrivendone il contenuto in apposite "
                "caselle. Si potrebbe, ad esempio, allegare un file di Word contenente il testo "
                "della mail di risposta ricevuta da ciascun cacciatore in riferimento a quella "
                "comunicazione."),
            QStringLiteral(
                "L'intero archivio delle comunicazioni è esportabile in Excel, mentre la scheda "
                "del singolo messaggio può essere stampata su carta."),
        },
    };
    return topic;
}

const HelpTopic& exportTopic() {
    static const HelpTopic topic = help::exportTopic(
        QStringLiteral("esporta-comunicazioni"),
        QStringLiteral("Esportazione archivio comunicazioni in Microsoft Excel"),
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare l'archivio delle comunicazioni "
            "in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi "
            "software in grado di gestire i file in formato XLS (ad esempio, con Open Office, "
            "Libre Office o Microsoft Office)."));
    return topic;
}

}  // namespace communications
