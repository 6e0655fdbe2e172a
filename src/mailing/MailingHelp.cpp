#include "mailing/MailingHelp.h"

namespace mailing {

const HelpTopic& helpTopic() {
    static const HelpTopic topic{
        QStringLiteral("posta"),
        QStringLiteral("Etichette, tessere, lettere ed e-mail"),
        {
            QStringLiteral(
                "Dall'elenco di una ricerca o di un riepilogo dei cacciatori si possono stampare "
                "le etichette degli indirizzi (pulsante Etichette) e le tessere associative "
                "(pulsante Tessere) delle schede elencate. Per l'intero archivio basta avviare la "
                "ricerca lasciando vuoti tutti i campi."),
            QStringLiteral(
                "Le etichette si stampano sui fogli A4 più comuni: 3 x 8 etichette di 70 x 37 mm, "
                "3 x 7 di 70 x 42,3 mm, 2 x 7 di 99,1 x 38,1 mm, oppure su un foglio "
                "personalizzato di cui si indicano colonne, righe, misure, margini e passo in "
                "millimetri; il formato personalizzato viene ricordato. Il campo \"Inizia "
                "dall'etichetta n.\" permette di riutilizzare un foglio già usato in parte. Ogni "
                "etichetta riporta nome, indirizzo, CAP, comune e provincia. Le righe troppo "
                "lunghe vanno prima a capo; se l'etichetta non basta, il testo viene "
                "rimpicciolito e, solo se ancora non entra, accorciato a metà riga con i "
                "puntini di sospensione, senza mai togliere il numero civico né il nome di "
                "battesimo. La finestra elenca le etichette rimpicciolite o accorciate. Le "
                "schede senza indirizzo vengono escluse e il loro elenco compare nella "
                "finestra."),
            QStringLiteral(
                "I dati dell'associazione (nome, indirizzo, codice fiscale, telefono, e-mail, "
                "luogo scritto prima della data, firma e logo) si indicano nella finestra "
                "Associazione, che si apre dal pulsante con la lampadina accanto a quello del "
                "backup, in fondo alla finestra di "
                "avvio o dal pulsante \"Altri dati dell'associazione...\" della finestra delle "
                "tessere. Sono l'intestazione delle lettere, delle tessere e delle ricevute; "
                "l'indirizzo e-mail è il mittente dei messaggi .eml."),
            QStringLiteral(
                "Le tessere hanno il formato di una carta di credito (85,6 x 54 mm), dieci per "
                "foglio A4 con i segni di taglio, e riportano il nome e il logo "
                "dell'associazione, la stagione, il nome del socio, il codice fiscale, il numero "
                "del tesserino venatorio, il numero della tessera (il numero della scheda) e un "
                "codice QR che contiene nome, codice fiscale e stagione. Il nome e il logo "
                "dell'associazione si indicano nella finestra delle tessere e vengono ricordati."),
            QStringLiteral(
                "Prima di stampare si può vedere l'anteprima; si possono anche salvare le "
                "etichette e le tessere in un file PDF. Un lavoro lungo mostra l'avanzamento "
                "con il pulsante Annulla: un PDF annullato non viene scritto e il file che "
                "c'era resta com'era."),
            QStringLiteral(
                "Nella scheda di una comunicazione, il pulsante Lettere prepara una lettera per "
                "ciascun cacciatore destinatario (una pagina ciascuno, con l'intestazione "
                "dell'associazione, l'indirizzo, la data, l'oggetto e il testo) e ne mostra "
                "l'anteprima, da cui si può stampare o, scegliendo nella finestra di stampa "
                "l'uscita su file, salvare in un unico PDF. Il pulsante E-mail scrive in una "
                "cartella "
                "a scelta un messaggio .eml per ciascun destinatario che ha un indirizzo e-mail, "
                "pronto per essere aperto e inviato con qualsiasi programma di posta. Con "
                "Annulla la scrittura si ferma: i messaggi già scritti restano interi, gli altri "
                "non vengono scritti."),
            QStringLiteral(
                "L'oggetto e il testo possono contenere campi tra parentesi graffe, che vengono "
                "sostituiti con i dati di ciascun destinatario: {Nome}, {Cognome}, {Squadra}, "
                "{Tesserino}, {DataInvio} e qualsiasi campo della scheda del cacciatore con il "
                "nome usato dalla ricerca (per esempio {CodFisc}, {ComuneRes}). Un campo che non "
                "esiste viene segnalato e non si scrive nulla. Il pulsante Campi della scheda "
                "elenca tutti i campi e inserisce nel messaggio quello scelto. Il saluto segue "
                "il sesso indicato nella scheda del cacciatore: {Gentile} diventa \"Gentile "
                "signore\" o \"Gentile signora\" (\"Gentile signora, gentile signore\" se il "
                "sesso non è indicato), {Caro} diventa \"Caro\" o \"Cara\" (\"Caro/a\"); per "
                "esempio \"{Gentile} {Cognome},\". La data della lettera si scrive per esteso "
                "dopo il luogo indicato nei dati dell'associazione: \"Prato, 11 dicembre "
                "2026\"."),
            QStringLiteral(
                "I destinatari sono i cacciatori elencati nella comunicazione, uno per riga "
                "come \"Cognome Nome\"; quelli che non si trovano nell'anagrafica vengono "
                "elencati ed esclusi. Se un nome corrisponde a più schede (omonimi), una "
                "finestra le mostra tutte con data di nascita, comune e codice fiscale, già "
                "spuntate: si tolgono le spunte delle persone a cui la lettera non va. Prima "
                "dell'anteprima vengono elencati i destinatari senza indirizzo, le cui lettere "
                "non si stampano; i messaggi e-mail vanno a tutti gli indirizzi scritti nella "
                "scheda (separati da virgola), e una scheda con un indirizzo non valido viene "
                "segnalata ed esclusa."),
            QStringLiteral(
                "Dalla riga di comando: selvadoro etichette anagrafica [Campo=testo ...] "
                "[--formato 3x8|3x7|2x7|personalizzato] [--inizio N] --pdf FILE; selvadoro "
                "tessere anagrafica [Campo=testo ...] --stagione AAAA/AAAA --pdf FILE; selvadoro "
                "lettere N --pdf FILE oppure --eml CARTELLA, dove N è il numero della scheda "
                "della comunicazione; se un destinatario ha degli omonimi il comando si ferma e "
                "li elenca, finché non si aggiunge --tutti-gli-omonimi oppure --scheda con i "
                "numeri delle schede scelte, separati da virgola. selvadoro associazione mostra "
                "i dati dell'associazione e li cambia con --nome, --indirizzo, "
                "--codice-fiscale, --telefono, --email, --luogo, --firma e --logo."),
        },
    };
    return topic;
}

}  // namespace mailing
