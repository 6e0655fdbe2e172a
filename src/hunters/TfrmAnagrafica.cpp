#include "hunters/TfrmAnagrafica.h"

#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "base/Seams.h"
#include "base/TextRules.h"
#include "checks/GuiCheckers.h"
#include "hunters/HunterHelp.h"
#include "hunters/HunterLists.h"
#include "hunters/HunterSheet.h"
#include "hunters/TRecCacciatore.h"
#include "report/SheetPrintWindow.h"
#include "shell/MailtoLink.h"

namespace {

using F = TRecCacciatore::Field;
using K = CardFieldKind;

// The fields in tab order; Enter follows the same chain and returns from
// the last field to the first, the calendar fields open the date window.
const std::array kFields{
    CardField{.field = F::Cognome, .label = "Cognome:", .next = F::Nome},
    CardField{.field = F::Nome, .label = "Nome:", .next = F::CodFisc},
    CardField{.field = F::CodFisc,
              .label = "Codice fiscale:",
              .typing = Typing::UpperTrimmed,
              .next = F::Sesso},
    CardField{
        .field = F::Sesso, .label = "Sesso:", .typing = Typing::UpperTrimmed, .next = F::DataNasc},
    CardField{.field = F::DataNasc, .label = "Data di nascita:", .next = F::CittaNasc},
    CardField{
        .field = F::CittaNasc, .label = "Città / Stato estero di nascita:", .next = F::StatoNasc},
    CardField{.field = F::StatoNasc,
              .label = "Prov.",
              .typing = Typing::UpperTrimmed,
              .typingLimit = 2,
              .next = F::Iva},
    CardField{.field = F::Iva,
              .label = "Partita IVA:",
              .accepts = cardfilter::digits,
              .next = F::Indirizzo},
    CardField{.field = F::Indirizzo, .label = "Via e numero civico:", .next = F::Cap},
    CardField{.field = F::Cap, .label = "CAP:", .next = F::ComuneRes},
    CardField{.field = F::ComuneRes, .label = "Comune di residenza:", .next = F::ProvRes},
    CardField{.field = F::ProvRes,
              .label = "Prov.",
              .kind = K::Combo,
              .typing = Typing::UpperTrimmed,
              .next = F::StatoCit},
    CardField{.field = F::StatoCit, .label = "Gruppo sanguigno:", .next = F::Ingresso},
    CardField{.field = F::Ingresso,
              .label = "Ambiti Territoriali di Caccia (A.T.C.):",
              .next = F::Recapito},
    CardField{.field = F::Recapito, .label = "Tel. preferenziale:", .next = F::TelCasa},
    CardField{.field = F::TelCasa, .label = "Tel. casa:", .next = F::TelCel},
    CardField{.field = F::TelCel, .label = "Tel. cellulare:", .next = F::TelUff},
    CardField{.field = F::TelUff, .label = "Tel. ufficio:", .next = F::Email},
    CardField{
        .field = F::Email, .label = "E-mail:", .typing = Typing::Trimmed, .next = F::Permesso},
    CardField{.field = F::Permesso, .label = "Squadra di caccia:", .next = F::ScadePer},
    CardField{.field = F::ScadePer,
              .label = "Data iscrizione:",
              .kind = K::CalendarDate,
              .dateTag = "anagrafica_scadeper"},
    CardField{.field = F::ComuniSog, .label = "Forme di caccia:", .next = F::Iban},
    CardField{.field = F::Iban,
              .label = "IBAN:",
              .typing = Typing::UpperTrimmed,
              .next = F::Intestatario},
    CardField{.field = F::Intestatario, .label = "Intestatario C/C:", .next = F::Banca},
    CardField{.field = F::Banca, .label = "Banca:", .next = F::Carta},
    CardField{.field = F::Carta,
              .label = "Carta di credito n.",
              .accepts = cardfilter::digits,
              .next = F::ScadeCarta},
    CardField{.field = F::ScadeCarta, .label = "Scadenza:", .next = F::TipoLavoro},
    CardField{.field = F::TipoLavoro, .label = "Polizze assicurative:", .next = F::Precedenti},
    CardField{.field = F::Precedenti, .label = "Armi da caccia possedute:", .next = F::Note},
    CardField{.field = F::Note, .label = "Note:", .next = F::TipoDoc},
    CardField{.field = F::TipoDoc, .label = "Tipo di documento:", .next = F::NumDoc},
    CardField{.field = F::NumDoc, .label = "Numero:", .next = F::EnteRil},
    CardField{.field = F::EnteRil, .label = "Ente di rilascio:", .next = F::DataRil},
    CardField{.field = F::DataRil, .label = "Data di rilascio:", .next = F::DataSca},
    CardField{.field = F::DataSca, .label = "Data di scadenza:", .next = F::Civile},
    CardField{.field = F::Civile, .label = "Codice ID cacciatore:", .next = F::Coniuge},
    CardField{.field = F::Coniuge, .label = "Tesserino venatorio n.", .next = F::Figli},
    CardField{.field = F::Figli, .label = "Stagione venatoria:", .next = F::Datore},
    CardField{.field = F::Datore, .label = "Porto di fucile uso caccia n.", .next = F::Decorrenza},
    CardField{.field = F::Decorrenza,
              .label = "Data rilascio:",
              .kind = K::CalendarDate,
              .dateTag = "anagrafica_decorrenza"},
    CardField{.field = F::Scadenza,
              .label = "Prossima scadenza:",
              .kind = K::CalendarDate,
              .dateTag = "anagrafica_scadenza"},
    CardField{.field = F::Preavviso,
              .label = "Giorni di preavviso:",
              .accepts = cardfilter::digits,
              .next = F::Totale,
              .defaultText = "0"},
    CardField{.field = F::Totale,
              .label = "Importo tassa: €",
              .accepts = cardfilter::amount,
              .next = F::Contratto,
              .defaultText = "0,00",
              .onLeave = &hunters::formatTaxAmount},
    CardField{.field = F::Contratto, .label = "Questura:", .next = F::Cognome},
};
static_assert(kFields.size() == 44);

CardDefinition hunterCard() {
    return CardDefinition{
        .windowName = "TfrmAnagrafica",
        .tag = "anagrafica",
        .caption = QStringLiteral(" Selvadoro - Anagrafica Cacciatori"),
        .layout = &TRecCacciatore::layout(),
        .fields = kFields,
        .readyText = QStringLiteral("Pronto per salvare una nuova scheda..."),
        .newHint = QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."),
        .saveHint = QStringLiteral("Salva la scheda corrente in archivio."),
        .duplicateHint = QString(),
        .check =
            [](const FieldValues& values) {
                return hunters::checkForSave(TRecCacciatore::fromValues(values));
            },
    };
}

}  // namespace

const SheetPrinting& TfrmAnagrafica::sheetPrinting() {
    static const SheetPrinting printing{"TfrmAnteprimaAnagrafica", "TfrmStampaAnagrafica",
                                        &hunters::hunterSheetOfTexts};
    return printing;
}

TfrmAnagrafica::TfrmAnagrafica(QWidget* parent) : CardWindow(hunterCard(), parent) {
    addToolGroup({newTool(), saveTool(), findTool(hunters::search())});
    addToolGroup({attachTool()});
    using SheetMode = SheetPrintWindow::Mode;
    addToolGroup(
        {{"cmdAnteprima", "anteprima",
          QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente."),
          [this] { SheetPrintWindow::showFor(this, sheetPrinting(), SheetMode::Preview); }},
         {"cmdStampa", "stampa", QStringLiteral("Stampa la scheda corrente."),
          [this] { SheetPrintWindow::showFor(this, sheetPrinting(), SheetMode::Print); }}});
    addNavigationGroup();
    addToolGroup({exportTool(hunters::exporter()),
                  summaryTool("cmdScaduti", "avviso",
                              QStringLiteral("Visualizza il riepilogo dei cacciatori con porto di "
                                             "fucile in scadenza o scaduto."),
                              hunters::permitSummary())});
    addToolGroup({guideTool(hunters::cardTopic()), exitTool()});

    auto* provinces = qobject_cast<QComboBox*>(control(F::ProvRes));
    provinces->addItems(hunters::provinces());
    provinces->setCurrentIndex(-1);

    // Beside their fields: the checkers, which only report, and the e-mail.
    const auto fieldText = [this](FieldId field) {
        return qobject_cast<QLineEdit*>(control(field))->text();
    };
    addFieldButton(
        {"btnCodFisc", "controlla", QStringLiteral("Controlla il codice fiscale."),
         [this, fieldText] { checks::showCodiceFiscaleChecker(fieldText(F::CodFisc), this); }});
    addFieldButton({"btnIva", "controlla", QStringLiteral("Controlla il numero di partita IVA."),
                    [this, fieldText] { checks::showPartitaIvaChecker(fieldText(F::Iva), this); }});
    addFieldButton({"btnIban", "controlla", QStringLiteral("Controlla l'IBAN."),
                    [this, fieldText] { checks::showIbanChecker(fieldText(F::Iban), this); }});
    addFieldButton({"btnCarta", "controlla",
                    QStringLiteral("Controlla il numero di carta di credito."),
                    [this, fieldText] { checks::showCardChecker(fieldText(F::Carta), this); }});
    addFieldButton({"btnEmail", "email", QStringLiteral("Invia una e-mail all'indirizzo indicato."),
                    [fieldText] {
                        seams::desktop().shellOpen(u'"' + mailtoLink(fieldText(F::Email)) + u'"');
                    }});

    layOutFields();
    finishLayout();
}

// Two columns of rows, laid out as label and field pairs; a field with a
// sample text is as wide as that text. The telephone numbers and the card
// number, which hold up to 50 digits, each have a row of the left column;
// the insurance, weapons and notes follow the permit on the right.
void TfrmAnagrafica::layOutFields() {
    layOutColumns({
        {.rows =
             {
                 {F::Cognome, F::Nome},
                 {{F::CodFisc, "WWWWWWWWWWWWWWWW"},
                  LayoutButton{"btnCodFisc"},
                  {F::Sesso, "W"},
                  {F::DataNasc, "00/00/0000"}},
                 {F::CittaNasc,
                  {F::StatoNasc, "WW"},
                  {F::Iva, "00000000000"},
                  LayoutButton{"btnIva"}},
                 {F::Indirizzo, {F::Cap, "00000"}},
                 {F::ComuneRes, {F::ProvRes, "WWWW"}, {F::StatoCit, "AB Rh+"}},
                 {F::Ingresso},
                 {F::Recapito},
                 {F::TelCasa},
                 {F::TelCel},
                 {F::TelUff},
                 {F::Email, LayoutButton{"btnEmail"}, F::Permesso},
                 {{F::ScadePer, "00/00/0000"}, F::ComuniSog},
                 {F::Iban, LayoutButton{"btnIban"}},
                 {F::Intestatario, F::Banca},
                 {F::Carta, LayoutButton{"btnCarta"}},
                 {{F::ScadeCarta, "00/00/0000"}},
             },
         .stretch = 3},
        {.rows =
             {
                 {F::TipoDoc},
                 {F::NumDoc},
                 {F::EnteRil},
                 {{F::DataRil, "00/00/0000"}, {F::DataSca, "00/00/0000"}},
                 {F::Civile},
                 {F::Coniuge},
                 {F::Figli},
                 {F::Datore},
                 {{F::Decorrenza, "00/00/0000"}, {F::Scadenza, "00/00/0000"}},
                 {{F::Preavviso, "000"}, {F::Totale, "999999999999,99"}},
                 {F::Contratto},
                 {F::TipoLavoro},
                 {F::Precedenti},
                 {F::Note},
             },
         .stretch = 2},
    });
}
