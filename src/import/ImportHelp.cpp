#include "import/ImportHelp.h"

namespace importer {

const HelpTopic& helpTopic() {
    static const HelpTopic topic{
        QStringLiteral("importa"),
        QStringLiteral("Importare un elenco"),
        {
            QStringLiteral(
                "Gli elenchi che l'associazione tiene già in un foglio di calcolo (soci, squadre, "
                "armi...) possono essere importati in qualunque archivio, senza ribatterli scheda "
                "per scheda. Dalla finestra iniziale si preme il pulsante di importazione, si "
                "sceglie l'archivio (per lo scadenzario anche l'anno) e il file: una cartella di "
                "lavoro di Excel (.xlsx, o .xls di Excel 97-2003) o di LibreOffice (.ods), un "
                "file CSV salvato da un foglio di calcolo, oppure un'esportazione .xls o .xlsx "
                "del programma, anche modificata e salvata di nuovo."),
            QStringLiteral(
                "Di una cartella di lavoro si legge il primo foglio con dei dati; le righe vuote "
                "in cima sono saltate e la prima riga con dei dati deve avere i titoli delle "
                "colonne. Le celle di tipo data diventano date, i numeri restano numeri (senza "
                "decimali quando non ne hanno, con la virgola quando ne hanno), delle formule si "
                "prende il valore calcolato e salvato dal foglio, le celle unite danno il loro "
                "valore a ogni cella che coprono (nei .xls di Excel 97-2003 le formule arrivano "
                "vuote e le celle unite solo nella prima: meglio salvarli come .xlsx). Un CAP che "
                "il foglio teneva come numero (6012) "
                "riprende lo zero iniziale (06012) e il resoconto dice quanti. Un file protetto "
                "da password o danneggiato non viene importato: il messaggio ne dice il "
                "motivo."),
            QStringLiteral(
                "Il separatore (punto e virgola, virgola o tabulazione) e la codifica (UTF-8 o "
                "Windows-1252) vengono riconosciuti da soli; si possono comunque scegliere. Le "
                "celle tra virgolette possono andare a capo: nei campi di più righe le righe "
                "restano tali."),
            QStringLiteral(
                "Ogni colonna del file viene abbinata a un campo della scheda dal suo titolo, "
                "senza badare a maiuscole, accenti, spazi e punteggiatura: oltre all'etichetta "
                "della scheda valgono i titoli usati di solito (\"Nato il\", \"C.A.P.\", "
                "\"Cell.\", \"Iscritto dal\", \"Annotazioni\"...). Un titolo che può indicare "
                "due campi (\"Prov.\", \"Data rilascio\") viene deciso dalle colonne vicine "
                "(dopo la città di residenza è la provincia di residenza) e da ciò che la colonna "
                "contiene (date, codici fiscali, indirizzi e-mail, CAP); se resta dubbio la "
                "colonna non viene importata ed è segnata, perché si scelga il campo. Due colonne "
                "non vanno mai nello stesso campo. L'abbinamento si cambia dall'elenco a discesa "
                "di ogni colonna, o si sceglie \"non importare\"; le colonne con dei dati che non "
                "vengono importate sono segnate. A un campo che il file non ha si può dare un "
                "valore per tutte le righe (per esempio \"Giorni di preavviso\" 30). "
                "L'anteprima mostra le prime 20 righe come verrebbero salvate. L'abbinamento di "
                "ogni archivio viene ricordato dopo la prova, e l'importazione dalla riga di "
                "comando lo usa."),
            QStringLiteral(
                "Le date possono essere scritte come gg/mm/aaaa, g/m/aa, aaaa-mm-gg o come numero "
                "di serie del foglio di calcolo; le caselle di spunta accettano Sì, Si, S, X, 1, "
                "Vero oppure No, N, 0, Falso o la cella vuota; gli importi seguono la regola di "
                "tutto il programma. Ogni riga passa gli stessi controlli del pulsante Salva "
                "della scheda: una riga che la scheda rifiuterebbe non viene importata ed è "
                "elencata con il suo numero di riga (l'intestazione è la riga 1) e il messaggio "
                "della scheda."),
            QStringLiteral(
                "Un valore più lungo del suo campo, o con caratteri che l'archivio non può "
                "contenere, rende la riga non importabile; scegliendo \"Taglia ai limiti\" il "
                "valore viene invece tagliato (o i caratteri sostituiti da \"?\") e il resoconto "
                "elenca ogni taglio. Le righe con lo stesso codice fiscale, la stessa matricola "
                "o la stessa chiave di una scheda già in archivio o di una riga precedente sono "
                "possibili doppioni: non vengono importate, a meno di scegliere di importarle "
                "comunque."),
            QStringLiteral(
                "Il pulsante Prova legge e controlla tutte le righe senza scrivere nulla e mostra "
                "il resoconto: righe lette, da aggiungere, rifiutate (con i motivi) e possibili "
                "doppioni. Il pulsante Importa aggiunge poi tutte le righe accettate in una sola "
                "scrittura: se la scrittura si interrompe (Annulla, disco pieno, computer "
                "spento) l'archivio resta esattamente com'era. Gli allegati e le foto non vengono "
                "importati."),
            QStringLiteral(
                "Dalla riga di comando: selvadoro importa ARCHIVIO --file FILE [--anno AAAA] "
                "[--prova] [--separatore X] [--codifica utf-8|cp1252] [--colonne "
                "\"Titolo=Campo,...\"] [--tutto-o-niente] [--doppioni] [--taglia]. Il file "
                "può essere .xlsx, .xls, .ods, .csv o .txt. Senza --colonne vale l'abbinamento "
                "ricordato dalla finestra; in --colonne il campo si indica con l'etichetta della "
                "scheda (\"Prov. (residenza)\"), con il nome del campo o con un titolo usato "
                "di solito. Esce con 0 "
                "quando tutte le righe sono state importate, con 1 quando alcune sono state "
                "rifiutate (le altre sono importate, tranne con --tutto-o-niente) o il file non "
                "si legge, con 2 per un errore nei parametri."),
        },
    };
    return topic;
}

}  // namespace importer
