#include "shell/HelpTopics.h"

#include <algorithm>

// The texts are the program's own words: keep accents, apostrophes and
// quotation marks exactly as they are.

namespace {

// The deadline card's topic; its first eight paragraphs also close the
// deadlines section of the complete guide.
const QStringList kDeadlineParagraphs{
    QStringLiteral(
        "L'app Scadenze e Pagamenti consente di tenere sotto controllo le scadenze giornaliere, "
        "mensili o annuali relative alle pratiche di qualsiasi genere riguardanti i cacciatori "
        "della propria associazione, sezione o circolo e di essere avvertiti al sopraggiungere "
        "della data. L'utente può registrare un numero illimitato di scadenze per ciascun "
        "giorno. Le scadenze inserite potranno essere visualizzate in ordine cronologico in base "
        "alla data e all'ora. Per ogni scadenza è possibile stabilire con quanti giorni di "
        "anticipo si desidera essere avvisati."),
    QStringLiteral(
        "Una volta entrati nella schermata per la gestione delle scadenze dell'anno, si può "
        "provvedere a compilare una nuova scheda facendo clic sull'icona Nuovo. Per salvare una "
        "scheda, è necessario indicare almeno la data e l'ora della scadenza, quanti giorni "
        "prima si desidera essere avvisati, il nome del cacciatore, l'oggetto della pratica a "
        "cui la scadenza si riferisce e la causale della scadenza. I dati del cacciatore possono "
        "essere importati dal relativo archivio anagrafico servendosi del pulsante Importa "
        "dati."),
    QStringLiteral(
        "Se si ha la necessità di inserire in archivio appuntamenti o scadenze che si "
        "ripeteranno nel corso dell'anno, dopo aver salvato la prima scheda si può sfruttare la "
        "funzione Duplica per trasportare tutti i dati (ad eccezione della data e dell'ora) in "
        "un nuovo record. A questo punto bisognerà soltanto esprimere giorno, mese e ora e "
        "salvare la nuova scheda."),
    QStringLiteral(
        "Come già accennato, per ogni scadenza o appuntamento è possibile stabilire con quanti "
        "giorni di anticipo si desidera essere avvisati. La presenza di appuntamenti imminenti "
        "viene segnalata sia in maniera visiva attraverso un messaggio informativo, sia in "
        "maniera sonora mediante un segnale acustico che si attiva automaticamente nel momento "
        "in cui si apre la finestra di lavoro. Per visualizzare l'elenco delle scadenze o "
        "appuntamenti imminenti, basta fare clic sulla relativa scritta. Il calendario permette, "
        "inoltre, di richiamare le scadenze relative al giorno o al mese selezionato."),
    QStringLiteral(
        "La casella Appuntamento da confermare va spuntata per indicare che l'appuntamento "
        "preso con il cacciatore è in attesa di conferma. Il pulsante Da confermare permette di "
        "ottenere il riepilogo delle scadenze in sospeso mostrando, per ciascun impegno, la "
        "causale, la data e l'ora della scadenza o appuntamento, il nome del cacciatore, "
        "l'oggetto della pratica e l'eventuale importo da pagare."),
    QStringLiteral(
        "E' buona norma aggiornare lo scadenzario ogni volta che viene saldato un pagamento "
        "mettendo il segno di spunta sulla casella Pagamento effettuato nella scheda dedicata e "
        "salvando i cambiamenti. Il pulsante Da effettuare visualizza l'elenco di tutti i "
        "pagamenti non ancora saldati, sia scaduti che non. Per rintracciare nell'elenco la "
        "scheda della scadenza da aggiornare, basta usare il nome del cacciatore come filtro di "
        "ricerca, fare clic sul pulsante Trova e, una volta evidenziata la scadenza nella lista, "
        "selezionarla con un doppio clic per richiamare i dati nella finestra di lavoro "
        "principale. A questo punto è possibile spuntare la casella Pagamento effettuato e "
        "premere Salva per registrare le modifiche."),
    QStringLiteral(
        "E' possibile salvare un numero illimitato di scadenze o appuntamenti per ciascun "
        "giorno. Le scadenze inserite saranno visualizzate in ordine cronologico in base alla "
        "data e all'ora indipendentemente dall'ordine con cui l'utente le ha registrate in "
        "archivio. Il pulsante Effettuati visualizza lo storico dei pagamenti saldati in archivio "
        "e può essere utile per stampare a fine anno l'elenco di tutti i versamenti effettuati "
        "dai cacciatori."),
    QStringLiteral(
        "Nello scadenzario è disponibile una funzione di ricerca avanzata che consente di creare "
        "riepiloghi delle scadenze utilizzando più criteri di ricerca contemporaneamente. E' "
        "possibile, ad esempio, visualizzare l'elenco delle scadenze o appuntamenti relativi ad "
        "un mese specifico, con riferimento ad un determinato cacciatore, eccetera."),
    QStringLiteral("Il pulsante Esporta archivio consente di esportare tutte le scadenze in "
                   "archivio in un foglio di lavoro di Microsoft Excel."),
};

// The complete guide of the launcher, section by section.
QStringList generalGuide() {
    QStringList text{
        // Introduction
        QStringLiteral(
            "Selvadoro è un software studiato per registrare l'anagrafica dei cacciatori e per "
            "gestire in modo semplice e ordinato tutta l'attività di segreteria di "
            "un'associazione, sezione o circolo di cacciatori. Il programma riunisce in un unico "
            "ambiente di lavoro sei archivi: l'anagrafica dei cacciatori, le squadre di caccia, "
            "le comunicazioni inviate tramite e-mail ai membri delle squadre, lo schedario delle "
            "armi, le battute di caccia e lo scadenzario con i pagamenti e gli appuntamenti "
            "dell'associazione."),
        QStringLiteral(
            "Dalla finestra di avvio si accede a ciascun archivio con un semplice clic sulla "
            "relativa immagine o sulla scritta sottostante. Quando si chiude la finestra di "
            "lavoro di un archivio, si torna automaticamente alla finestra di avvio, dalla quale "
            "è possibile aprire un altro archivio oppure uscire dal programma. Le piccole icone "
            "poste agli angoli della finestra di avvio permettono di visualizzare le informazioni "
            "sul programma, questa guida e la schermata di presentazione."),
        QStringLiteral(
            "Ogni archivio dispone di una scheda che mostra un record alla volta, con i pulsanti "
            "per preparare una nuova scheda, salvare quella corrente, scorrere l'archivio, "
            "effettuare ricerche, allegare documenti, esportare i dati in Excel e stampare. In "
            "ogni finestra di lavoro il pulsante con il punto interrogativo apre la pagina della "
            "guida dedicata a quell'ambiente, mentre passando con il mouse sui pulsanti la barra "
            "di stato in basso ne spiega la funzione."),

        // Hunters registry
        QStringLiteral(
            "L'app Anagrafica Cacciatori è una completa rubrica elettronica nella quale "
            "registrare, per ciascun iscritto, i dati anagrafici, i recapiti, le coordinate "
            "bancarie, gli estremi di un documento di riconoscimento e tutto ciò che riguarda "
            "l'attività venatoria: squadra di appartenenza, forme di caccia praticate, tesserino "
            "venatorio, polizze assicurative, armi possedute e porto di fucile. La scheda del "
            "cacciatore è corredata di pratiche funzioni di controllo della validità del codice "
            "fiscale, della partita IVA, dell'IBAN e del numero di carta di credito, oltre che di "
            "un pulsante per scrivere una e-mail al cacciatore."),
        QStringLiteral(
            "L'anagrafica dei cacciatori è l'archivio centrale di Selvadoro: i dati di ciascun "
            "cacciatore possono essere importati, con un clic sul pulsante con l'icona della "
            "freccia verde, nell'archivio delle squadre di caccia per indicare il capo squadra, "
            "il vice capo squadra, il capo canaio e il capo posta, nello schedario delle armi per "
            "annotare il proprietario dell'arma, nelle schede delle battute di caccia e nello "
            "scadenzario, evitando così di digitare più volte le stesse informazioni."),
        QStringLiteral(
            "Per inserire un nuovo cacciatore, è sufficiente fare clic sul pulsante Nuovo, "
            "compilare i campi di testo che interessano e premere Salva. Sono obbligatori il "
            "cognome, il nome, la data di rilascio e quella di scadenza del porto di fucile e i "
            "giorni di preavviso. Per aggiornare una scheda esistente, bisogna richiamarla con la "
            "funzione di ricerca o con le frecce di scorrimento, apportare le modifiche e premere "
            "di nuovo Salva. Il numero visualizzato tra le frecce indica la posizione della "
            "scheda in archivio ed è vuoto per una scheda non ancora salvata."),
        QStringLiteral(
            "Nella scheda si possono annotare gli Ambiti Territoriali di Caccia (A.T.C.) in cui "
            "il cacciatore è autorizzato a esercitare l'attività venatoria, la squadra di caccia "
            "a cui è iscritto con la relativa data di iscrizione, le forme di caccia praticate, "
            "il codice identificativo del cacciatore, il numero del tesserino venatorio con la "
            "stagione venatoria a cui si riferisce, le polizze assicurative sottoscritte e le "
            "armi da caccia possedute."),
        QStringLiteral(
            "Non mancano i campi per le informazioni prettamente anagrafiche: il sesso, la data e "
            "il luogo di nascita, l'indirizzo e il comune di residenza con la provincia, che si "
            "può scegliere da un elenco o digitare, il gruppo sanguigno, i telefoni di casa, "
            "dell'ufficio e il cellulare, il recapito preferenziale, l'indirizzo e-mail, il "
            "codice fiscale, la partita IVA, gli estremi di un documento di riconoscimento, la "
            "carta di credito con la relativa scadenza e l'IBAN bancario con l'intestatario del "
            "conto e la banca. Il campo \"Note\" accoglie qualsiasi altra informazione utile."),
        QStringLiteral(
            "Particolare attenzione è riservata al porto di fucile per uso caccia: nella scheda "
            "si indicano il numero della licenza, la Questura che l'ha rilasciata, la data di "
            "rilascio e quella della prossima scadenza, scelte comodamente da un calendario, "
            "l'importo della tassa di rinnovo e con quanti giorni di anticipo si desidera essere "
            "avvisati. Il pulsante con l'icona del segnale con il punto esclamativo mostra "
            "l'elenco dei cacciatori con porto di fucile in scadenza o già scaduto; l'elenco può "
            "essere stampato e un doppio clic su una voce richiama la scheda del cacciatore."),
        QStringLiteral(
            "La funzione Allega file consente di associare alla scheda di ciascun cacciatore fino "
            "a tre file di qualsiasi genere, descrivendone il contenuto in apposite caselle: ad "
            "esempio una copia acquisita allo scanner del tesserino venatorio, della licenza di "
            "porto di fucile o della polizza assicurativa. I file allegati vengono copiati "
            "nella cartella del programma e si possono aprire in qualsiasi momento con un clic."),
        QStringLiteral(
            "Accanto ai campi interessati si trovano i pulsanti di controllo: il codice fiscale "
            "viene verificato nella sua struttura e nel carattere di controllo, la partita IVA "
            "nella cifra di controllo, con l'indicazione dell'Ufficio provinciale che l'ha "
            "rilasciata, l'IBAN italiano secondo le regole internazionali e il numero di carta "
            "di credito con l'algoritmo di Luhn, con il nome del circuito che l'ha emessa. I "
            "controlli si limitano a segnalare l'esito e non modificano mai la scheda."),
        QStringLiteral(
            "Il pulsante Trova apre la finestra di ricerca, nella quale si possono combinare più "
            "filtri: cognome, nome, codice identificativo, tesserino venatorio, codice fiscale, "
            "partita IVA, A.T.C., squadra, armi possedute e note. Le ricerche funzionano anche "
            "con chiave parziale, senza distinguere tra lettere maiuscole e minuscole; l'elenco "
            "dei risultati può essere stampato e, con un doppio clic su una voce, la scheda "
            "corrispondente viene richiamata nella finestra di lavoro."),
        QStringLiteral(
            "L'intero archivio dei cacciatori può essere esportato in un foglio di lavoro di "
            "Microsoft Excel, mentre la singola scheda anagrafica può essere stampata su carta, "
            "anche dopo averne visualizzato l'anteprima di stampa."),

        // Teams
        QStringLiteral(
            "L'app Archivio Squadre consente di organizzare le squadre di caccia "
            "dell'associazione. Ogni scheda descrive una squadra: il nome, le forme di caccia "
            "praticate, gli Ambiti Territoriali di Caccia in cui opera abitualmente, i nomi del "
            "capo squadra, del vice capo squadra, del capo canaio e del capo posta, l'elenco "
            "completo dei cacciatori che ne fanno parte, i loro indirizzi e-mail separati da "
            "virgola e ogni ulteriore annotazione."),
        QStringLiteral(
            "Per registrare una nuova squadra si preme il pulsante Nuovo, si compilano i campi "
            "di testo che interessano e si preme Salva; il nome della squadra e il capo squadra "
            "sono a compilazione obbligatoria. Una squadra già archiviata si richiama con le "
            "frecce di scorrimento o con la funzione di ricerca, si modifica e si salva di "
            "nuovo."),
        QStringLiteral(
            "I nomi del capo squadra, del vice capo squadra, del capo canaio e del capo posta non "
            "vanno necessariamente digitati: il pulsante con la freccia verde accanto a ciascun "
            "campo apre la ricerca nell'anagrafica dei cacciatori e, con un doppio clic sul "
            "nominativo prescelto, lo trascrive nella scheda della squadra."),
        QStringLiteral(
            "Il pulsante Duplica è utile quando si deve registrare una squadra che ha molti "
            "elementi in comune con un'altra già presente in archivio: basta visualizzare la "
            "scheda esistente, premere Duplica, apportare le modifiche e salvare. La copia viene "
            "registrata come nuova scheda e quella originale resta invariata."),
        QStringLiteral(
            "La casella Segnala permette di contrassegnare una squadra per qualsiasi ragione, ad "
            "esempio per ricordarsi di completare l'elenco dei suoi membri. Il pulsante "
            "contraddistinto dalla lettera \"S\" mostra il riepilogo di tutte le squadre "
            "segnalate, che può essere stampato su carta."),
        QStringLiteral(
            "Con il pulsante Trova si effettuano ricerche anche con chiave parziale e con più "
            "filtri contemporaneamente, ad esempio per ottenere l'elenco delle squadre che "
            "praticano una certa forma di caccia in un determinato A.T.C. La funzione Allega file "
            "consente infine di associare a ogni squadra fino a tre file, come una foto di "
            "gruppo dei suoi membri o il regolamento interno della squadra."),

        // Communications
        QStringLiteral(
            "L'app Invio Comunicazioni permette di inviare gli stessi messaggi e-mail a tutti i "
            "membri di una squadra di caccia e di conservarne una copia in archivio, consultabile "
            "in qualsiasi momento. E' lo strumento ideale per avvisare i cacciatori "
            "dell'annullamento di una battuta, del rinvio di un'assemblea o di qualsiasi altra "
            "novità."),
        QStringLiteral(
            "Nella scheda di ciascuna comunicazione si indicano l'oggetto, l'autore del messaggio, "
            "la squadra di caccia destinataria con il nome del capo squadra, la data di invio, "
            "eventuali note, l'elenco dei cacciatori destinatari con i relativi indirizzi e-mail "
            "separati da virgola, il testo del messaggio e il riscontro ricevuto dai "
            "destinatari."),
        QStringLiteral(
            "Una nuova comunicazione si prepara con il pulsante Nuovo, che propone come data di "
            "invio quella del giorno, e si registra con Salva; l'oggetto, l'autore, la squadra "
            "destinataria e la data di invio sono obbligatori. Per modificare una comunicazione "
            "già archiviata, la si richiama con le frecce di scorrimento o con la funzione di "
            "ricerca, si apportano le modifiche e si preme Salva."),
        QStringLiteral(
            "Per non dover trascrivere a mano destinatari e indirizzi, il pulsante con la freccia "
            "verde accanto al campo della squadra destinataria apre l'archivio delle squadre: con "
            "un doppio clic sulla squadra prescelta, il suo nome, il capo squadra, l'elenco dei "
            "cacciatori e i loro indirizzi e-mail vengono copiati nella scheda."),
        QStringLiteral(
            "Il pulsante Duplica crea una nuova scheda a partire da quella visualizzata: è il "
            "modo più rapido per inviare lo stesso messaggio a più squadre di caccia, cambiando "
            "soltanto la squadra destinataria prima di salvare e di spedire."),
        QStringLiteral(
            "Completata la scheda, il pulsante Invia Messaggio apre il programma di posta "
            "elettronica installato sul computer con un nuovo messaggio già pronto, con i "
            "destinatari, l'oggetto e il testo. Per l'invio servono quindi un programma di posta "
            "elettronica configurato, almeno un indirizzo, l'oggetto e il testo del messaggio."),
        QStringLiteral(
            "La casella Segnala serve a contrassegnare una comunicazione, ad esempio perché è "
            "ancora in sospeso o perché il testo va ultimato prima dell'invio. Il pulsante "
            "contraddistinto dalla lettera \"S\" mostra il riepilogo di tutte le comunicazioni "
            "segnalate, che all'occorrenza può essere stampato."),
        QStringLiteral(
            "Il pulsante Trova consente ricerche con chiave parziale su più campi, per esempio "
            "per ritrovare tutte le comunicazioni inviate a una certa squadra su un certo "
            "argomento, mentre la funzione Allega file permette di associare a ogni "
            "comunicazione tre file, come le risposte ricevute dai cacciatori."),

        // Weapons
        QStringLiteral(
            "L'app Schedario Armi permette di catalogare tutti i fucili da caccia e le altre "
            "armi possedute dai soci, creando per ciascuna una scheda tecnica corredata di foto: "
            "marca e modello, accessori, calibro, anno di fabbricazione, numero di matricola, "
            "peso, componenti, dimensioni, munizioni e serbatoi compatibili, luogo di "
            "conservazione, proprietario con codice fiscale e recapito telefonico e valore "
            "dell'arma. Il campo \"Note\" accoglie ogni altra informazione, ad esempio i nomi dei "
            "precedenti proprietari, e può essere usato come filtro nelle ricerche."),
        QStringLiteral(
            "Le schede si inseriscono con i pulsanti Nuovo e Salva e si aggiornano richiamandole "
            "con le frecce di scorrimento o con la funzione di ricerca. Il pulsante con la "
            "freccia verde accanto al campo del proprietario importa dall'anagrafica dei "
            "cacciatori il nome, il codice fiscale e il telefono preferenziale del proprietario, "
            "mentre il pulsante con il simbolo del visto ne verifica il codice fiscale."),
        QStringLiteral(
            "Il pulsante Duplica velocizza la registrazione di armi con dati molto simili, ad "
            "esempio più fucili dello stesso proprietario: si visualizza la scheda già "
            "registrata, si preme Duplica, si inseriscono i nuovi dati e si salva."),
        QStringLiteral(
            "Per trovare un'arma in archivio si fa clic sul pulsante di ricerca, si indicano uno "
            "o più filtri nei campi prescelti e si preme Cerca. Le ricerche funzionano anche con "
            "chiave parziale e, con un doppio clic su una voce dell'elenco dei risultati, si "
            "richiama la relativa scheda."),
        QStringLiteral(
            "Il pulsante Carica foto inserisce nella scheda l'immagine dell'arma in formato Jpeg "
            "o Bitmap, ridotta automaticamente alle dimensioni del riquadro di anteprima; l'icona "
            "dello zoom la mostra a tutto schermo. La foto può essere salvata su disco o "
            "cancellata in qualsiasi momento con gli appositi pulsanti."),
        QStringLiteral(
            "Con il pulsante Allega file si possono associare alla scheda di ogni arma tre "
            "documenti di qualsiasi genere, ad esempio la licenza di porto di fucile o altre foto "
            "dell'arma scattate da diverse prospettive."),
        QStringLiteral(
            "La casella In vendita va spuntata quando il proprietario è disposto a vendere "
            "l'arma: il pulsante con l'icona della mano con una moneta mostra l'elenco di tutte "
            "le armi in vendita presenti in archivio. La scheda tecnica di ciascuna arma, "
            "completa di foto, può essere stampata su carta, mentre l'intero schedario può essere "
            "esportato in un file di Microsoft Excel."),

        // Hunts
        QStringLiteral(
            "L'app Battute di Caccia serve sia per disporre di un calendario delle battute di "
            "caccia, così da avere sempre sott'occhio quelle imminenti, sia per conservare lo "
            "storico delle battute svolte e dei capi abbattuti."),
        QStringLiteral(
            "In ogni scheda si registrano il tipo di battuta (ad esempio, caccia al cinghiale, al "
            "daino, al cervo o al muflone), la stagione venatoria, il periodo in cui si terrà, i "
            "giorni di preavviso, la tenuta A.T.C., le condizioni di vitto e alloggio, le "
            "modalità di trasporto, la squadra partecipante con il suo capo squadra, che si "
            "possono importare dai rispettivi archivi, la quota di partecipazione, l'elenco dei "
            "cacciatori partecipanti e ogni altra annotazione."),
        QStringLiteral(
            "Al termine della battuta, la scheda può essere completata con il riepilogo dei capi "
            "abbattuti: in questo modo l'archivio diventa anche la memoria di tutte le battute a "
            "cui hanno preso parte le squadre dell'associazione."),
        QStringLiteral(
            "Il pulsante Duplica consente di preparare rapidamente una nuova battuta partendo da "
            "una già archiviata, ad esempio quella della stagione precedente nella stessa "
            "tenuta: basta visualizzarla, premere Duplica, aggiornare i dati e salvare."),
        QStringLiteral(
            "Le date di inizio e di fine della battuta si scelgono da un calendario e, insieme ai "
            "giorni di preavviso, permettono al programma di riconoscere le battute imminenti. "
            "Con un clic sull'icona dell'orologio si visualizza, e all'occorrenza si stampa, "
            "l'elenco di tutte le battute di caccia imminenti."),
        QStringLiteral(
            "Con la funzione Allega file si possono associare a ogni battuta tre file, ad esempio "
            "l'elenco dei cacciatori che hanno già versato la quota di partecipazione. Il "
            "pulsante Trova consente ricerche con chiave parziale e con più filtri, per esempio "
            "per ritrovare tutte le battute svolte in una certa tenuta alle quali ha partecipato "
            "un determinato cacciatore."),
        QStringLiteral(
            "L'intero archivio delle battute è esportabile in Excel, mentre la scheda di una "
            "singola battuta può essere esportata in un documento RTF, che si apre con qualsiasi "
            "programma di videoscrittura, e stampata su carta."),
    };

    // Deadlines
    text += kDeadlineParagraphs.mid(0, 8);

    // General
    text += QStringList{
        QStringLiteral(
            "Tutti gli archivi di Selvadoro possono essere esportati in un file di Microsoft "
            "Excel con il pulsante Esporta della rispettiva finestra di lavoro. Dopo aver aperto "
            "la finestra con la griglia dei dati, basta fare clic sull'icona di Excel: il file "
            "viene creato nella cartella del programma e può essere aperto subito con qualsiasi "
            "software in grado di gestire il formato XLS, come Open Office, Libre Office o "
            "Microsoft Office, per poi essere salvato con il nome che si preferisce."),
        QStringLiteral(
            "Selvadoro può essere utilizzato anche in una rete locale, per condividere gli "
            "archivi tra più postazioni di lavoro: è sufficiente collocare la cartella del "
            "programma in una cartella condivisa e avviare Selvadoro da lì su ciascun computer. "
            "Il programma fa in modo che due salvataggi eseguiti nello stesso momento da "
            "postazioni diverse non si sovrascrivano a vicenda."),
        QStringLiteral(
            "L'accesso al programma è protetto da una password, che viene chiesta a ogni avvio "
            "prima di mostrare la finestra di avvio. Per il primo accesso si utilizza la password "
            "primaveraprato, che è consigliabile sostituire al più presto con una password a "
            "propria scelta: basta fare clic sul pulsante Cambia password e indicare la vecchia "
            "password, la nuova password e la sua conferma. La password non distingue tra "
            "lettere maiuscole e minuscole e vale per tutte le postazioni che condividono la "
            "stessa cartella."),
        QStringLiteral(
            "Selvadoro non richiede installazione: gli archivi, i documenti allegati, le foto "
            "delle armi e la password sono conservati nella cartella del programma. Per portare "
            "Selvadoro sempre con sé basta copiare l'intera cartella su una chiavetta USB e "
            "avviare il programma da lì; la stessa copia è anche il modo più rapido per fare il "
            "backup di tutti gli archivi, da ripetere con regolarità su un altro disco."),
        QStringLiteral(
            "Chi installa Selvadoro con il pacchetto per Debian o Ubuntu lo trova nel menu delle "
            "applicazioni; in questo caso gli archivi, i documenti allegati, le foto e la password "
            "sono conservati nella cartella Selvadoro dei Documenti dell'utente, creata al primo "
            "avvio, ed è quella la cartella da copiare per il backup. La finestra delle "
            "informazioni mostra sempre la cartella dei dati in uso."),
        QStringLiteral(
            "Questa guida è disponibile anche in formato PDF: il collegamento in fondo alla "
            "finestra della guida apre il file Guida.pdf, che si trova nella cartella del "
            "programma e può essere stampato. Buon lavoro con Selvadoro e in bocca al lupo per la "
            "prossima stagione venatoria!"),
    };
    return text;
}

}  // namespace

QString HelpTopic::text() const {
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

namespace help {

const HelpTopic& general() {
    static const HelpTopic topic{QStringLiteral("avvio"),
                                 QStringLiteral("Uno sguardo ad Selvadoro"), generalGuide()};
    return topic;
}

const QStringList& deadlineCardParagraphs() {
    return kDeadlineParagraphs;
}

HelpTopic exportTopic(const QString& key, const QString& title, const QString& firstParagraph) {
    return HelpTopic{
        key,
        title,
        {
            firstParagraph,
            QStringLiteral(
                "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                "contenente le schede in archivio, che potrà essere aperto immediatamente "
                "rispondendo affermativamente al messaggio di domanda che appare."),
            QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso "
                           "assegnandogli un nome qualsiasi."),
        },
    };
}

}  // namespace help
