#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <functional>
#include <memory>

#include "communications/TfrmComunicazioni.h"
#include "deadlines/TfrmScadenzario.h"
#include "hunters/TfrmAnagrafica.h"
#include "hunts/TfrmBattute.h"
#include "support/Fixtures.h"
#include "teams/TfrmSquadre.h"
#include "weapons/TfrmArmi.h"

namespace {

// The texts a card shows as they stand on it: its title, its labels, the
// captions of its buttons and check boxes, the titles of its groups.
struct CardTexts {
    std::string name;  // a test name: letters, digits and '_'
    std::function<std::unique_ptr<CardWindow>()> make;
    // What the user does once it shows, to reach the face looked at (null:
    // nothing).
    std::function<void(QWidget&)> reach;
    QStringList texts;  // a text that stands twice on the card is listed twice
};

void PrintTo(const CardTexts& row, std::ostream* out) {
    *out << row.name;
}

template <typename Card>
std::function<std::unique_ptr<CardWindow>()> card() {
    return [] { return std::make_unique<Card>(); };
}

const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

QList<CardTexts> cardTexts() {
    return {
        {"TfrmAnagrafica",
         card<TfrmAnagrafica>(),
         nullptr,
         {QStringLiteral(" Selvadoro - Anagrafica Cacciatori"),
          QStringLiteral("Pronto per salvare una nuova scheda..."),
          QStringLiteral("Cognome:"),
          QStringLiteral("Nome:"),
          QStringLiteral("Codice fiscale:"),
          QStringLiteral("Sesso:"),
          QStringLiteral("Data di nascita:"),
          QStringLiteral("Città / Stato estero di nascita:"),
          QStringLiteral("Prov."),
          QStringLiteral("Partita IVA:"),
          QStringLiteral("Via e numero civico:"),
          QStringLiteral("CAP:"),
          QStringLiteral("Comune di residenza:"),
          QStringLiteral("Prov."),
          QStringLiteral("Gruppo sanguigno:"),
          QStringLiteral("Ambiti Territoriali di Caccia (A.T.C.):"),
          QStringLiteral("Tel. preferenziale:"),
          QStringLiteral("Tel. casa:"),
          QStringLiteral("Tel. cellulare:"),
          QStringLiteral("Tel. ufficio:"),
          QStringLiteral("E-mail:"),
          QStringLiteral("Squadra di caccia:"),
          QStringLiteral("Data iscrizione:"),
          QStringLiteral("Forme di caccia:"),
          QStringLiteral("IBAN:"),
          QStringLiteral("Intestatario C/C:"),
          QStringLiteral("Banca:"),
          QStringLiteral("Carta di credito n."),
          QStringLiteral("Scadenza:"),
          QStringLiteral("Polizze assicurative:"),
          QStringLiteral("Armi da caccia possedute:"),
          QStringLiteral("Note:"),
          QStringLiteral("Tipo di documento:"),
          QStringLiteral("Numero:"),
          QStringLiteral("Ente di rilascio:"),
          QStringLiteral("Data di rilascio:"),
          QStringLiteral("Data di scadenza:"),
          QStringLiteral("Codice ID cacciatore:"),
          QStringLiteral("Tesserino venatorio n."),
          QStringLiteral("Stagione venatoria:"),
          QStringLiteral("Porto di fucile uso caccia n."),
          QStringLiteral("Data rilascio:"),
          QStringLiteral("Prossima scadenza:"),
          QStringLiteral("Giorni di preavviso:"),
          QStringLiteral("Importo tassa: €"),
          QStringLiteral("Questura:")}},
        {"TfrmSquadre",
         card<TfrmSquadre>(),
         nullptr,
         {QStringLiteral(" Selvadoro - Archivio Squadre"), kReady, QStringLiteral("Allega file"),
          QStringLiteral("Squadra di caccia:"), QStringLiteral("Forme di caccia praticate:"),
          QStringLiteral("Ambiti Territoriali di Caccia (A.T.C.):"),
          QStringLiteral("Capo squadra:"), QStringLiteral("Segnala"),
          QStringLiteral("Cacciatori membri:"),
          QStringLiteral("Indirizzi e-mail cacciatori (separati da virgola):"),
          QStringLiteral("Vice capo squadra:"), QStringLiteral("Capo canaio:"),
          QStringLiteral("Capo posta:"), QStringLiteral("Note:")}},
        {"TfrmBattute",
         card<TfrmBattute>(),
         nullptr,
         {QStringLiteral(" Selvadoro - Battute di Caccia"), kReady, QStringLiteral("Allega file"),
          QStringLiteral("Tipo battuta di caccia:"), QStringLiteral("Stagione venatoria:"),
          QStringLiteral("Data inizio:"), QStringLiteral("Data fine:"),
          QStringLiteral("Preavviso n."), QStringLiteral("giorni."),
          QStringLiteral("Tenuta A.T.C."), QStringLiteral("Vitto e alloggio:"),
          QStringLiteral("Trasporto:"), QStringLiteral("Squadra partecipante:"),
          QStringLiteral("Capo squadra:"), QStringLiteral("Quota partecipazione: €"),
          QStringLiteral("Note:"), QStringLiteral("Cacciatori partecipanti:"),
          QStringLiteral("Capi abbattuti:")}},
        {"TfrmArmi",
         card<TfrmArmi>(),
         nullptr,
         {QStringLiteral(" Selvadoro - Schedario Armi"), kReady, QStringLiteral("Valore: €"),
          QStringLiteral("In vendita"), QStringLiteral("Note:"),
          QStringLiteral("Arma (marca e modello):"), QStringLiteral("Accessori:"),
          QStringLiteral("Calibro:"), QStringLiteral("Anno:"), QStringLiteral("Matricola n."),
          QStringLiteral("Peso in kg:"), QStringLiteral("Componenti:"),
          QStringLiteral("Dimensioni:"), QStringLiteral("Munizioni e serbatoi:"),
          QStringLiteral("Luogo conservazione:"), QStringLiteral("Proprietario:"),
          QStringLiteral("Codice fiscale:"), QStringLiteral("Tel. preferenziale:")}},
        {"TfrmComunicazioni",
         card<TfrmComunicazioni>(),
         nullptr,
         {QStringLiteral(" Selvadoro - Invio Comunicazioni"), kReady, QStringLiteral("Oggetto:"),
          QStringLiteral("Autore del messaggio:"),
          QStringLiteral("Squadra di caccia destinataria:"), QStringLiteral("Capo squadra:"),
          QStringLiteral("Data invio:"), QStringLiteral("Note:"), QStringLiteral("Segnala"),
          QStringLiteral("Cacciatori destinatari:"),
          QStringLiteral("Indirizzi e-mail cacciatori (separati da virgola):"),
          QStringLiteral("Messaggio:"), QStringLiteral("Riscontro ricevuto:"),
          QStringLiteral("Invia Messaggio")}},
        {"TfrmScadenzario_start",
         card<TfrmScadenzario>(),
         nullptr,
         {QStringLiteral(" Selvadoro - Scadenze e Pagamenti"),
          QStringLiteral("SCADENZE E PAGAMENTI"),
          QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze."),
          QStringLiteral("Indicare l'anno solare e premere Apri."), QStringLiteral("Apri"),
          QStringLiteral("Visualizza le scadenze imminenti."),
          QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."), QStringLiteral("OK"),
          QStringLiteral(
              "Selezionare una data dal calendario e fare clic sui pulsanti in calce per "
              "visualizzare le scadenze relative a un giorno o a un mese dell'anno."),
          QStringLiteral("SCADENZE DEL GIORNO"), QStringLiteral("SCADENZE DEL MESE"),
          QStringLiteral("Non ci sono scadenze")}},
        {"TfrmScadenzario_card",
         card<TfrmScadenzario>(),
         [](QWidget& window) {
             window.findChild<QPushButton*>(QStringLiteral("btnApri"))->click();
         },
         {QStringLiteral(" Selvadoro - Scadenze e pagamenti anno 2024"),
          kReady,
          QStringLiteral("Nuovo"),
          QStringLiteral("Duplica"),
          QStringLiteral("Importa dati"),
          QStringLiteral("Salva"),
          QStringLiteral("Trova"),
          QStringLiteral("Stampa"),
          QStringLiteral("Esporta archivio"),
          QStringLiteral("Da confermare"),
          QStringLiteral("Da effettuare"),
          QStringLiteral("Effettuati"),
          QStringLiteral("Guida"),
          QStringLiteral("Esci"),
          QStringLiteral(" Data scadenza: "),
          QStringLiteral("Giorno:"),
          QStringLiteral("Mese:"),
          QStringLiteral(" Ora appuntamento: "),
          QStringLiteral("Ore:"),
          QStringLiteral("Minuti:"),
          QStringLiteral("Avvisa n."),
          QStringLiteral("giorni prima della scadenza."),
          QStringLiteral("Cacciatore:"),
          QStringLiteral("Codice fiscale:"),
          QStringLiteral("Telefono preferenziale:"),
          QStringLiteral("Oggetto pratica:"),
          QStringLiteral("Tipologia:"),
          QStringLiteral("Protocollo n."),
          QStringLiteral("Data apertura:"),
          QStringLiteral("Data chiusura:"),
          QStringLiteral("Stato avanzamento:"),
          QStringLiteral("Consulente o curatore:"),
          QStringLiteral("Causale scadenza:"),
          QStringLiteral("Modalità di pagamento:"),
          QStringLiteral("Importo in euro:"),
          QStringLiteral("Estremi ricevuta:"),
          QStringLiteral("Appuntamento da confermare"),
          QStringLiteral("Note:"),
          QStringLiteral("Pagamento effettuato")}},
    };
}

// Every text the window shows: its title and the texts of its visible
// labels, buttons, check boxes and group titles, each as often as it stands.
QStringList textsShown(const QWidget& window) {
    QStringList shown{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) shown.append(label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            shown.append(button->text());
        }
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            shown.append(group->title());
    }
    return shown;
}

class CardLabelsTest : public DataFolderTest, public ::testing::WithParamInterface<CardTexts> {};

TEST_P(CardLabelsTest, ShowsTheTextsOfTheCardAsTheyStand) {
    const CardTexts& row = GetParam();
    const std::unique_ptr<CardWindow> window = row.make();
    window->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    if (row.reach) row.reach(*window);
    QCoreApplication::processEvents();

    const QStringList shown = textsShown(*window);
    QStringList missing;
    QStringList counted;
    for (const QString& text : row.texts) {
        if (counted.contains(text)) continue;
        counted.append(text);
        const auto wanted = row.texts.count(text);
        const auto found = shown.count(text);
        if (found < wanted) {
            missing.append(QStringLiteral("'%1': shown %2 times, stands %3 times")
                               .arg(text)
                               .arg(found)
                               .arg(wanted));
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << qPrintable(missing.join(u'\n'));
    window->close();
}

std::string rowName(const ::testing::TestParamInfo<CardTexts>& row) {
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryCard, CardLabelsTest, ::testing::ValuesIn(cardTexts()), rowName);

}  // namespace
