#include "membership/MembershipHelp.h"

// The texts are the program's own words: keep accents, apostrophes and
// quotation marks exactly as they are.

namespace membership {

const HelpTopic& cardTopic() {
    static const HelpTopic topic{
        QStringLiteral("tesseramento"),
        QStringLiteral("Tesseramento dei soci"),
        {
            QStringLiteral(
                "L'archivio Tesseramento tiene, per ogni stagione (per esempio 2026/2027), una "
                "scheda per ogni socio: il tipo di quota (ordinaria, giovani, veterani, onoraria, "
                "familiare), l'importo, lo stato (da pagare, pagata, annullata), la data e il "
                "metodo del pagamento, il numero della ricevuta, la polizza assicurativa con la "
                "sua scadenza, l'eventuale uscita dall'associazione con la data e il motivo, le "
                "note."),
            QStringLiteral(
                "Si sceglie la stagione nel pannello iniziale e si preme Apri. Il socio si sceglie "
                "dall'anagrafica dei cacciatori con il pulsante accanto al suo nome: la scheda "
                "riporta il numero della scheda del cacciatore, che è il numero del socio, e il "
                "suo codice fiscale."),
            QStringLiteral(
                "Il pulsante Rinnova crea le schede \"da pagare\" della stagione per ogni socio "
                "della stagione precedente che non è uscito (per la prima stagione, per ogni "
                "cacciatore dell'anagrafica), con l'importo predefinito del suo tipo di quota. "
                "Ripetere il rinnovo non aggiunge due volte lo stesso socio."),
            QStringLiteral(
                "Il pulsante Paga registra il pagamento della scheda visualizzata e le assegna il "
                "numero di ricevuta successivo dell'anno: i numeri sono unici anche quando più "
                "postazioni lavorano insieme e non vengono mai riutilizzati, nemmeno dopo un "
                "annullamento. Il pulsante Ricevuta scrive la ricevuta in PDF, in due copie su un "
                "foglio A4, con l'importo in cifre e in lettere e, oltre la soglia delle "
                "impostazioni (77,47 euro), il riquadro per la marca da bollo. Una ricevuta "
                "annullata conserva il suo numero e riporta la scritta ANNULLATA."),
            QStringLiteral(
                "Le impostazioni del tesseramento (tipi di quota con gli importi predefiniti, "
                "soglia della marca da bollo, primo giorno della stagione, giorno da cui "
                "l'agenda ricorda le quote da pagare) si trovano nel file Selvadoro.ini della "
                "cartella dei dati, gruppo Tesseramento, e si modificano con il pulsante "
                "Impostazioni del pannello iniziale."),
            QStringLiteral(
                "Dalla riga di comando: selvadoro tesseramento rinnova --stagione 2026/2027; "
                "selvadoro tesseramento paga --stagione 2026/2027 --scheda N --importo 84,00 "
                "--data 15/09/2026 --metodo contanti; selvadoro tesseramento annulla --stagione "
                "2026/2027 --scheda N; selvadoro ricevuta K --anno 2026 --pdf FILE."),
        },
    };
    return topic;
}

const HelpTopic& listsTopic() {
    static const HelpTopic topic{
        QStringLiteral("tesseramento-elenchi"),
        QStringLiteral("Quote da pagare, promemoria e totali"),
        {
            QStringLiteral(
                "I pulsanti Da pagare, Pagate e Usciti elencano le schede della stagione aperta "
                "nei tre stati; un doppio clic apre la scheda. Il riepilogo si ottiene anche con "
                "selvadoro riepilogo quote-da-pagare --stagione 2026/2027."),
            QStringLiteral(
                "Il pulsante Promemoria prepara una scheda dell'archivio Comunicazioni indirizzata "
                "a tutti i soci che non hanno ancora pagato, con un testo di sollecito: basta "
                "salvarla e stamparne le lettere o inviarne le e-mail come per ogni "
                "comunicazione."),
            QStringLiteral(
                "Dal giorno indicato nelle impostazioni, l'agenda della finestra di avvio mostra "
                "la riga \"Quote della stagione ... da pagare\" con il numero e i primi nomi."),
            QStringLiteral(
                "Il pulsante Totali mostra i soci e gli importi della stagione per tipo di quota e "
                "per metodo di pagamento, da stampare in PDF o da esportare in Excel (anche con "
                "selvadoro tesseramento totali --stagione 2026/2027 [--pdf FILE] [--xlsx FILE])."),
        },
    };
    return topic;
}

const HelpTopic& registerTopic() {
    static const HelpTopic topic{
        QStringLiteral("libro-soci"),
        QStringLiteral("Libro dei soci"),
        {
            QStringLiteral(
                "Il libro dei soci elenca ogni socio iscritto fino alla data scelta: numero di "
                "socio (il numero della sua scheda in anagrafica), cognome e nome, data e luogo di "
                "nascita, codice fiscale, residenza, data di iscrizione (il campo \"Data "
                "iscrizione\" della scheda del cacciatore), data e motivo dell'uscita."),
            QStringLiteral(
                "Si scrive in PDF, su fogli A4 orizzontali numerati \"Pagina N di M\" per la "
                "vidimazione, oppure in un foglio Excel (.xlsx): pulsante Libro soci della scheda "
                "del tesseramento, oppure selvadoro libro-soci --al 31/12/2026 --pdf FILE (o "
                "--xlsx FILE)."),
        },
    };
    return topic;
}

}  // namespace membership
