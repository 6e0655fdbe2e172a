#include "agenda/AgendaHelp.h"

namespace help {

const HelpTopic& agendaTopic() {
    static const HelpTopic topic{
        QStringLiteral("da-fare"),
        QStringLiteral("Le cose da fare all'avvio"),
        {
            QStringLiteral(
                "Sotto le icone degli archivi, la finestra di avvio mostra il riquadro Da fare: "
                "una riga per ogni cosa che richiede attenzione oggi, con il numero delle schede "
                "e i primi nomi. Sono elencati i cacciatori con il porto di fucile scaduto o in "
                "scadenza, le battute di caccia imminenti, le scadenze imminenti dell'anno in "
                "corso e del successivo, i pagamenti da effettuare e gli appuntamenti da "
                "confermare nei prossimi 7 giorni, le squadre e le comunicazioni segnalate."),
            QStringLiteral(
                "Il riquadro si compila dopo l'apertura della finestra, senza farla attendere: "
                "si può aprire subito qualsiasi archivio. Un clic su una riga apre il riepilogo "
                "corrispondente, oppure direttamente la scheda quando si tratta di una sola "
                "scheda; nel riepilogo, un doppio clic su una voce apre la sua scheda. Se un "
                "archivio non si può leggere, la sua riga lo dice con le parole \"non "
                "leggibile\"."),
            QStringLiteral(
                "Il riquadro si aggiorna da solo quando gli archivi cambiano: tornando alla "
                "finestra di avvio dopo aver salvato una scheda, dopo un'importazione o un "
                "ripristino, e ogni minuto se un'altra postazione che usa la stessa cartella ha "
                "salvato qualcosa."),
            QStringLiteral(
                "Per nascondere il riquadro basta togliere il segno di spunta da Mostra le cose "
                "da fare; la scelta viene ricordata nel file Selvadoro.ini della cartella dei "
                "dati. Le stesse righe si ottengono dalla riga di comando con selvadoro agenda "
                "(con --oggi gg/mm/aaaa per un altro giorno)."),
        },
    };
    return topic;
}

}  // namespace help
