#include "hunters/TfrmAnagrafica.h"

#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "base/Seams.h"
#include "base/TextRules.h"
#include "checks/GuiCheckers.h"
#include "hunters/HunterCard.h"
#include "hunters/HunterHelp.h"
#include "hunters/HunterLists.h"
#include "hunters/HunterSheet.h"
#include "hunters/TRecCacciatore.h"
#include "shell/MailtoLink.h"
#include "windows/SheetPrintWindow.h"

namespace {

using F = TRecCacciatore::Field;
using K = CardFieldKind;

CardDefinition hunterCard() {
    return CardDefinition{
        .windowName = "TfrmAnagrafica",
        .tag = "anagrafica",
        .caption = QStringLiteral(" Selvadoro - Anagrafica Cacciatori"),
        .layout = &TRecCacciatore::layout(),
        .fields = hunters::cardRules().fields,
        .readyText = QStringLiteral("Pronto per salvare una nuova scheda..."),
        .newHint = QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."),
        .saveHint = QStringLiteral("Salva la scheda corrente in archivio."),
        .duplicateHint = QString(),
        .check = hunters::cardRules().check,
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
