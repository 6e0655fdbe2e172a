#include "export/ExportHelp.h"

namespace help {

const HelpTopic& exportFormatsTopic() {
    static const HelpTopic topic{
        QStringLiteral("formati-esportazione"),
        QStringLiteral("I formati di esportazione"),
        {
            QStringLiteral(
                "Nella finestra di esportazione, accanto al pulsante di esportazione, si sceglie "
                "il "
                "formato del file. Excel (.xls) è il formato di sempre e resta quello "
                "predefinito. Excel 2007 e successivi (.xlsx) contiene le stesse colonne e, dopo, "
                "ogni altro campo della scheda (cognome e nome separati, CAP, provincia, "
                "date), utile per una stampa unione, in un foglio che i programmi di oggi "
                "aprono senza avvisi: la riga dei titoli è in "
                "grassetto e sempre visibile, con i filtri; le date sono date (gg/mm/aaaa), gli "
                "importi sono numeri con due decimali (quattro per gli importi dello "
                "scadenzario), i codici (codice fiscale, CAP, telefoni, IBAN, matricola) restano "
                "testo con i loro zeri iniziali, e un testo che comincia con =, +, - o @ resta "
                "testo, mai una formula."),
            QStringLiteral(
                "CSV con tutti i campi (.csv) è una copia completa delle schede: ogni campo, "
                "con il titolo che ha nella scheda, separato da punto e virgola, in UTF-8. "
                "Si apre con qualsiasi foglio di calcolo e si può importare di nuovo. Una cella "
                "che comincia con =, +, -, @, una tabulazione o un ritorno a capo (o con un "
                "apostrofo) si scrive preceduta da un apostrofo, perché il foglio di calcolo non "
                "la prenda per una formula; l'importazione lo toglie."),
            QStringLiteral(
                "Per le battute di caccia e lo scadenzario c'è anche Calendario (.ics): un "
                "evento per scheda, con le note, la tenuta, la squadra e la quota delle battute "
                "o le note delle scadenze, all'ora italiana e con il promemoria ai giorni di "
                "preavviso, da importare nel calendario del telefono o del computer. Ogni "
                "evento è riconosciuto dall'archivio, dall'anno e dal numero della scheda: "
                "importando di nuovo il file dopo una modifica, gli eventi già presenti vengono "
                "aggiornati invece che duplicati. Il calendario di un anno dello scadenzario "
                "porta l'anno nel nome del file."),
            QStringLiteral(
                "Premendo il pulsante di esportazione si sceglie dove salvare il file; la volta "
                "dopo viene proposta la stessa cartella."),
            QStringLiteral(
                "Dalla riga di comando: selvadoro esporta ARCHIVIO --formato xls, xlsx, csv o "
                "ics, con --file per scegliere il file."),
        },
    };
    return topic;
}

}  // namespace help
