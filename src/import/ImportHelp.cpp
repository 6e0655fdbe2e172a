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
                "sceglie l'archivio (per lo scadenzario anche l'anno) e il file: un file CSV "
                "salvato da un foglio di calcolo oppure un'esportazione .xls del programma, anche "
                "modificata e salvata di nuovo."),
            QStringLiteral(
                "Il separatore (punto e virgola, virgola o tabulazione) e la codifica (UTF-8 o "
                "Windows-1252) vengono riconosciuti da soli; si possono comunque scegliere. Le "
                "celle tra virgolette possono andare a capo: nei campi di più righe le righe "
                "restano tali."),
            QStringLiteral(
                "Ogni colonna del file viene abbinata a un campo della scheda dal suo titolo "
                "(senza badare a maiuscole, accenti, spazi e punteggiatura: \"Data di nascita\", "
                "\"DATA NASCITA\" e \"data_nascita\" sono lo stesso titolo); l'abbinamento si "
                "cambia dall'elenco a discesa di ogni colonna, o si sceglie \"non importare\". "
                "L'anteprima mostra le prime 20 righe come verrebbero salvate. L'ultimo "
                "abbinamento di ogni archivio viene ricordato."),
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
                "\"Titolo=Campo,...\"] [--tutto-o-niente] [--doppioni] [--taglia]. Esce con 0 "
                "quando tutte le righe sono state importate, con 1 quando alcune sono state "
                "rifiutate (le altre sono importate, tranne con --tutto-o-niente) o il file non "
                "si legge, con 2 per un errore nei parametri."),
        },
    };
    return topic;
}

}  // namespace importer
