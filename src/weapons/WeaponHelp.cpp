#include "weapons/WeaponHelp.h"

// The texts are the program's own words: keep accents, apostrophes and
// quotation marks exactly as they are.

namespace weapons {

const HelpTopic& cardTopic() {
    static const HelpTopic topic{
        QStringLiteral("armi"),
        QStringLiteral("App Schedario Armi"),
        {
            QStringLiteral(
                "L'app Schedario Armi permette di catalogare tutti i fucili da caccia e le altre "
                "armi possedute dai membri della propria sezione cacciatori creando dettagliate "
                "schede tecniche corredate di foto. Di ogni arma è possibile indicare la marca e "
                "il modello, la presenza di eventuali accessori, il calibro, l'anno di "
                "fabbricazione, il numero di matricola, il peso in chilogrammi, le componenti "
                "dell'arma, le dimensioni, il tipo di munizioni e di serbatoi compatibili con "
                "l'arma, il luogo di conservazione, il nome del proprietario attuale con relativo "
                "codice fiscale e recapito telefonico e, infine, il valore dell'arma."),
            QStringLiteral(
                "E' inoltre presente il campo \"Note\", che potrebbe essere sfruttato per "
                "registrare qualsiasi informazione aggiuntiva utile per identificare l'arma in "
                "archivio tramite l'avanzata funzione di ricerca messa a disposizione dal "
                "programma. A titolo di esempio, si potrebbe annotare i nomi dei precedenti "
                "proprietari, le battute di caccia in cui l'arma è stata utilizzata e così via. A "
                "questo punto, se si effettua una ricerca utilizzando il campo \"Note\" come "
                "filtro, si ottiene l'elenco di tutte le schede tecniche delle armi in archivio "
                "contenenti la chiave di ricerca indicata."),
            QStringLiteral(
                "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, "
                "compilare i campi di testo che interessano e premere il pulsante Salva. Per "
                "modificare una scheda esistente, bisogna visualizzarla nella schermata di lavoro "
                "usando le frecce di scorrimento dei record o la funzione di ricerca, apportare "
                "le modifiche desiderate e premere Salva."),
            QStringLiteral(
                "Il pulsante con l'icona della freccia verde posizionato a destra del campo "
                "dedicato al proprietario dell'arma consente di importare dall'archivio "
                "anagrafico dei cacciatori i dati riguardanti il nome, il codice fiscale e il "
                "numero di telefono preferenziale. Il pulsante con il simbolo del visto permette, "
                "invece, di verificare la correttezza del codice fiscale del proprietario "
                "dell'arma."),
            QStringLiteral(
                "Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede con "
                "dati molto simili perché riferite, ad esempio, ad armi dello stesso "
                "proprietario. Per duplicare la scheda di un'arma, basta visualizzare quella già "
                "registrata in archivio, fare clic sul pulsante Duplica, inserire i nuovi dati e "
                "premere Salva."),
            QStringLiteral(
                "Per trovare un'arma in archivio bisogna fare clic sull'apposito pulsante, "
                "inserire uno o più filtri di ricerca nei campi prescelti e, infine, premere il "
                "pulsante Cerca. Le ricerche funzionano anche con chiave parziale, ossia "
                "utilizzando una o più parole consecutive registrate in un campo di testo. Una "
                "volta visualizzata la lista dei risultati di ricerca, basta fare doppio clic su "
                "una voce in elenco per richiamare la relativa scheda."),
            QStringLiteral(
                "Il pulsante Carica foto permette di inserire l'immagine dell'arma in formato "
                "Jpeg o Bitmap nella scheda tecnica descrittiva. Tale immagine viene ridotta in "
                "scala automaticamente per adeguarsi alle dimensioni del riquadro di anteprima. "
                "E' comunque possibile visualizzare la foto a tutto schermo facendo clic "
                "sull'icona dello zoom. L'immagine dell'arma visibile nella scheda può essere "
                "salvata su disco o cancellata in qualsiasi momento utilizzando gli appositi "
                "pulsanti."),
            QStringLiteral(
                "Con il pulsante Allega file è possibile allegare documenti di qualsiasi genere "
                "alla scheda di ciascuna arma (ad esempio, la licenza di porto di fucile per uso "
                "di caccia o ulteriori foto dell'arma scattate da diverse prospettive)."),
            QStringLiteral(
                "La casella In vendita va spuntata se il proprietario non ha più bisogno di "
                "quell'arma ed è disposto a venderla. Il pulsante contraddistinto dall'icona "
                "della mano con una moneta permette di visualizzare l'elenco di tutte le armi in "
                "vendita presenti in archivio. Se dopo la vendita non si è più interessati a "
                "conservare in archivio una certa arma, basta sovrascrivere la relativa scheda "
                "con dei dati riferiti a un'altra arma."),
            QStringLiteral(
                "La scheda tecnica descrittiva completa di foto di ciascuna arma può essere "
                "stampata su carta, mentre l'intero schedario delle armi può essere esportato in "
                "un file di Microsoft Excel."),
        },
    };
    return topic;
}

// The last two paragraphs are those every export shares.
const HelpTopic& exportTopic() {
    static const HelpTopic topic = help::exportTopic(
        QStringLiteral("esporta-armi"),
        QStringLiteral("Esportazione schedario armi in Microsoft Excel"),
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare lo schedario delle armi in un "
            "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software "
            "in grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office "
            "o Microsoft Office)."));
    return topic;
}

}  // namespace weapons
