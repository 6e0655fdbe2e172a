#include "hunters/HunterHelp.h"

// The texts are the program's own words: keep accents, apostrophes and
// quotation marks exactly as they are.

namespace hunters {

const HelpTopic& cardTopic() {
    static const HelpTopic topic{
        QStringLiteral("anagrafica"),
        QStringLiteral("App Anagrafica Cacciatori"),
        {
            QStringLiteral(
                "L'app Anagrafica Cacciatori è una completa rubrica elettronica in cui "
                "archiviare non solo i dati anagrafici dei cacciatori ma anche tutto ciò che "
                "riguarda la propria attività venatoria. Questo ambiente di lavoro è dotato di "
                "funzioni avanzate quali l'invio di e-mail al cacciatore, il controllo della "
                "validità del codice fiscale, della partita IVA, del numero di carta di "
                "credito e del codice IBAN. I dati di ciascun cacciatore potranno "
                "all'occorrenza essere importati nell'archivio delle squadre di caccia, nello "
                "schedario delle armi per annotare il nome del proprietario del fucile da "
                "caccia o di altre armi, nello scadenzario e nell'ambiente per la gestione "
                "delle battute di caccia al fine di velocizzare la compilazione delle "
                "schede."),
            QStringLiteral(
                "Per inserire una nuova scheda, è sufficiente fare clic sul pulsante Nuovo, "
                "compilare i campi di testo che interessano e premere Salva. Si tenga presente "
                "che alcuni campi sono a compilazione obbligatoria. Per aggiornare una scheda "
                "esistente, bisogna richiamarla nella finestra di lavoro, apportare le "
                "modifiche e premere Salva. Una scheda già registrata può essere richiamata "
                "utilizzando la funzione di ricerca o le frecce di scorrimento, le quali "
                "consentono di visualizzare il record precedente o quello successivo, oppure "
                "di posizionarsi in testa o in coda all'archivio."),
            QStringLiteral(
                "In questo archivio anagrafico è possibile annotare gli Ambiti Territoriali di "
                "Caccia (A.T.C.) in cui il cacciatore può esercitare l'attività venatoria, la "
                "squadra di caccia a cui l'iscritto è stato assegnato, la data di iscrizione, "
                "le forme di caccia praticate, il codice identificativo del cacciatore, il "
                "numero del tesserino venatorio con l'indicazione della stagione venatoria a "
                "cui si riferisce, il numero del porto di fucile per uso caccia, le polizze "
                "assicurative sottoscritte dal cacciatore (ad esempio, quella obbligatoria per "
                "infortunio e responsabilità civile verso terzi) e le armi da caccia "
                "possedute."),
            QStringLiteral(
                "Lo stesso archivio consente di registrare anche le informazioni prettamente "
                "anagrafiche quali il sesso, la data e il luogo di nascita, l'indirizzo di "
                "residenza, il gruppo sanguigno, i recapiti telefonici di casa e ufficio, il "
                "numero di cellulare, l'indirizzo e-mail, il recapito telefonico preferenziale "
                "dove il cacciatore desidera essere contattato, il codice fiscale, il numero "
                "di partita IVA, gli estremi di un documento di riconoscimento, il numero di "
                "carta di credito con relativa data di scadenza e l'IBAN bancario. Il campo "
                "\"Note\" può essere sfruttato per memorizzare ulteriori informazioni di "
                "qualsiasi genere relative al cacciatore."),
            QStringLiteral(
                "La scheda del cacciatore consente, inoltre, di registrare i dati riguardanti "
                "il porto di fucile ad uso caccia indicando la data di rilascio e quella della "
                "prossima scadenza per poter avvisare il cacciatore in prossimità del rinnovo "
                "dello stesso porto d'armi. Si può tenere traccia dell'importo della tassa da "
                "pagare per il rinnovo, nonché specificare con quanti giorni di anticipo si "
                "desidera essere avvisati rispetto alla data di scadenza del porto d'armi. Con "
                "un solo clic sull'icona del segnale con il punto esclamativo si potrà "
                "visualizzare e stampare l'elenco di tutti i cacciatori con porto di fucile in "
                "scadenza o già scaduto."),
            QStringLiteral(
                "La funzione Allega file consente di associare alla scheda di ciascun "
                "cacciatore tre file di qualsiasi genere descrivendone il contenuto in "
                "apposite caselle. Si potrebbe, ad esempio, allegare una copia acquisita allo "
                "scanner del tesserino venatorio, della licenza in porto di fucile per uso "
                "caccia o della polizza assicurativa obbligatoria per garantire la "
                "responsabilità civile verso terzi per eventuali danni provocati dal maneggio "
                "delle armi durante l’esercizio della caccia."),
            QStringLiteral(
                "Appositi pulsanti consentono di controllare la validità del codice fiscale "
                "del cacciatore, del numero di carta di credito, dell'IBAN bancario e del "
                "numero di partita IVA. Se il numero di partita IVA è esatto, il software "
                "indicherà anche l'Ufficio provinciale che lo ha rilasciato. Il campo "
                "\"E-mail\" è affiancato da un pulsante che permette di lanciare "
                "l'applicazione presente sul proprio computer per la gestione della posta "
                "elettronica compilando in automatico la casella dell'indirizzo del "
                "destinatario."),
            QStringLiteral(
                "Il pulsante Trova consente di effettuare ricerche avanzate in archivio "
                "funzionanti anche con chiave parziale, ossia indicando una o più parole "
                "consecutive contenute nei campi di testo. Per ogni ricerca è possibile "
                "utilizzare uno o più filtri contemporaneamente. Ciò consente, ad esempio, di "
                "ottenere l'elenco di tutti i cacciatori a cui sono state abbinate determinate "
                "note e che possono praticare l'attività venatoria in un certo Ambito "
                "Territoriale di Caccia. I risultati di ciascuna ricerca possono essere "
                "stampati."),
            QStringLiteral("L'intero archivio dei cacciatori è esportabile in Excel, mentre la "
                           "singola scheda anagrafica può essere stampata su carta."),
        },
    };
    return topic;
}

const HelpTopic& exportTopic() {
    static const HelpTopic topic = help::exportTopic(
        QStringLiteral("esporta-anagrafica"),
        QStringLiteral("Esportazione archivio anagrafico cacciatori in Microsoft Excel"),
        QStringLiteral("Il pulsante Esporta archivio consente di esportare i dati anagrafici dei "
                       "cacciatori in un foglio di lavoro di Microsoft Excel, che potrà essere "
                       "aperto con qualsiasi software in grado di gestire i file in formato XLS "
                       "(ad esempio, con Open Office, Libre Office o Microsoft Office)."));
    return topic;
}

}  // namespace hunters
