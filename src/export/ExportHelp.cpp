#include "export/ExportHelp.h"

namespace help {

const HelpTopic& exportFormatsTopic() {
    static const HelpTopic topic{
        QStringLiteral("formati-esportazione"),
        QStringLiteral("I formati di esportazione"),
        {
            QStringLiteral(
                "Nella finestra di esportazione, accanto all'icona di Excel, si sceglie il "
                "formato del file. Excel (.xls) è il formato di sempre e resta quello "
                "predefinito. Excel 2007 e successivi (.xlsx) contiene le stesse colonne in un "
                "foglio che i programmi di oggi aprono senza avvisi: la riga dei titoli è in "
                "grassetto e sempre visibile, con i filtri; le date sono date (gg/mm/aaaa), gli "
                "importi sono numeri con due decimali (quattro per gli importi dello "
                "scadenzario), i codici (codice fiscale, CAP, telefoni, IBAN, matricola) restano "
                "testo con i loro zeri iniziali, e un testo che comincia con =, +, - o @ resta "
                "testo, mai una formula."),
            QStringLiteral(
                "CSV con tutti i campi (.csv) è una copia completa delle schede: ogni campo, "
                "con il titolo che ha nella scheda, separato da punto e virgola, in UTF-8. "
                "Si apre con qualsiasi foglio di calcolo e si può importare di nuovo."),
            QStringLiteral(
                "Per le battute di caccia e lo scadenzario c'è anche Calendario (.ics): un "
                "evento per scheda, con il promemoria ai giorni di preavviso, da importare nel "
                "calendario del telefono o del computer. Importando di nuovo il file, gli eventi "
                "già presenti vengono aggiornati invece che duplicati."),
            QStringLiteral(
                "Dalla riga di comando: selvadoro esporta ARCHIVIO --formato xls, xlsx, csv o "
                "ics, con --file per scegliere il file."),
        },
    };
    return topic;
}

}  // namespace help
