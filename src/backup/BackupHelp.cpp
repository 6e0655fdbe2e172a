#include "backup/BackupHelp.h"

namespace backup {

const HelpTopic& helpTopic() {
    static const HelpTopic topic{
        QStringLiteral("backup"),
        QStringLiteral("Backup e ripristino"),
        {
            QStringLiteral(
                "Selvadoro fa da solo una copia di sicurezza (backup) di tutti i dati: gli "
                "archivi, gli scadenzari di ogni anno, la password, le impostazioni, i documenti "
                "allegati e le foto delle armi. Ogni backup è un file zip chiamato "
                "Selvadoro-AAAA-MM-GG-hhmmss.zip, che si apre anche con Esplora risorse o con "
                "qualsiasi programma per i file zip; contiene l'elenco selvadoro-backup.txt con la "
                "dimensione, l'impronta SHA-256 e il numero di schede di ogni file."),
            QStringLiteral(
                "Le impostazioni si trovano nella finestra Backup e ripristino, che si apre dalla "
                "schermata iniziale con il pulsante del dischetto. Si sceglie la cartella dei "
                "backup (di solito la cartella Backup nella cartella dei dati: è meglio scegliere "
                "una chiavetta USB o un altro disco, così i dati si salvano anche se si guasta il "
                "disco del computer; la cartella viene provata subito, e se manca la cartella che "
                "la contiene il programma chiede se la chiavetta o il disco di rete è collegato "
                "invece di scrivere sul disco del computer), quando fare il backup automatico (a "
                "ogni uscita, ogni "
                "giorno, ogni settimana o mai) e quanti backup conservare. Il backup giornaliero o "
                "settimanale si fa all'avvio o all'uscita quando l'ultimo è più vecchio di un "
                "giorno o di una settimana; i backup più vecchi si cancellano solo dopo che quello "
                "nuovo è stato verificato. Se si cambia cartella, l'elenco mostra anche i backup "
                "delle cartelle usate prima."),
            QStringLiteral(
                "Ogni backup viene riletto per intero e controllato prima di essere tenuto: un "
                "backup non riuscito viene cancellato e segnalato subito, e di nuovo nella "
                "schermata iniziale all'avvio successivo, finché un backup non riesce. Gli archivi "
                "vengono copiati mentre nessuno li sta salvando, quindi il backup si può fare "
                "anche mentre altre postazioni lavorano."),
            QStringLiteral(
                "Per ripristinare, si sceglie un backup nell'elenco (che mostra data, dimensione e "
                "schede di ogni archivio): sotto compare che cosa cambierebbe, archivio per "
                "archivio. Il pulsante Ripristina il backup scelto prima salva lo stato attuale in "
                "un nuovo backup, poi controlla tutto il file zip e infine rimette i file uno per "
                "uno. Se un'altra postazione sta usando un archivio il ripristino non parte; se "
                "qualcosa non riesce, tutti i file restano come erano. I file che il backup non "
                "contiene restano al loro posto. Il backup fatto prima di un ripristino porta la "
                "nota \"prima del ripristino del …\"; le impostazioni (Impostazioni.ini e "
                "Selvadoro.ini) hanno una riga propria tra le differenze."),
            QStringLiteral(
                "Se il computer si spegne o il programma viene chiuso durante un ripristino, al "
                "primo avvio (o al primo comando) il ripristino viene completato, oppure annullato "
                "rimettendo tutti i file come prima: nessun archivio resta mancante. Le copie "
                "di lavoro si preparano nella cartella nascosta .Selvadoro-appoggio dei dati e "
                "quelle lasciate da un backup o da un ripristino interrotto si cancellano da "
                "sole."),
            QStringLiteral(
                "Dalla riga di comando: selvadoro backup fa un backup (--destinazione sceglie la "
                "cartella), selvadoro backup --elenco elenca i backup, selvadoro backup --verifica "
                "FILE controlla un backup, selvadoro ripristina FILE ripristina un backup e "
                "selvadoro ripristina FILE --prova mostra soltanto che cosa cambierebbe."),
        },
    };
    return topic;
}

}  // namespace backup
