#include "hunters/TfrmAnagrafica.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <array>

#include "archive/ExportWindow.h"
#include "archive/SearchWindow.h"
#include "archive/SummaryWindow.h"
#include "archive/TfrmAllegaCartella.h"
#include "base/Seams.h"
#include "base/TextRules.h"
#include "checks/GuiCheckers.h"
#include "hunters/HunterHelp.h"
#include "hunters/HunterLists.h"
#include "hunters/TRecCacciatore.h"
#include "hunters/TfrmStampaAnagrafica.h"
#include "shell/TfrmGuida.h"

namespace {

using K = CardFieldKind;

// The fields in tab order; Enter follows the same chain and returns from
// the last field to the first, the calendar fields open the date window.
const std::array kFields{
    CardField{"txtCognome", "Cognome:", K::Edit, KeyFilter::None, Typing::AsTyped, 0, "txtNome"},
    CardField{"txtNome", "Nome:", K::Edit, KeyFilter::None, Typing::AsTyped, 0, "txtCodFisc"},
    CardField{"txtCodFisc", "Codice fiscale:", K::Edit, KeyFilter::None, Typing::UpperTrimmed, 0,
              "txtSesso"},
    CardField{"txtSesso", "Sesso:", K::Edit, KeyFilter::None, Typing::UpperTrimmed, 0,
              "txtDataNasc"},
    CardField{"txtDataNasc", "Data di nascita:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtCittaNasc"},
    CardField{"txtCittaNasc", "Città / Stato estero di nascita:", K::Edit, KeyFilter::None,
              Typing::AsTyped, 0, "txtStatoNasc"},
    CardField{"txtStatoNasc", "Prov.", K::Edit, KeyFilter::None, Typing::UpperTrimmed, 2, "txtIva"},
    CardField{"txtIva", "Partita IVA:", K::Edit, KeyFilter::Digits, Typing::AsTyped, 0,
              "txtIndirizzo"},
    CardField{"txtIndirizzo", "Via e numero civico:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtCap"},
    CardField{"txtCap", "CAP:", K::Edit, KeyFilter::None, Typing::AsTyped, 0, "txtComuneRes"},
    CardField{"txtComuneRes", "Comune di residenza:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtProvRes"},
    CardField{"txtProvRes", "Prov.", K::Combo, KeyFilter::None, Typing::UpperTrimmed, 0,
              "txtStatoCit"},
    CardField{"txtStatoCit", "Gruppo sanguigno:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtIngresso"},
    CardField{"txtIngresso", "Ambiti Territoriali di Caccia (A.T.C.):", K::Edit, KeyFilter::None,
              Typing::AsTyped, 0, "txtRecapito"},
    CardField{"txtRecapito", "Tel. preferenziale:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtTelCasa"},
    CardField{"txtTelCasa", "Tel. casa:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtTelCel"},
    CardField{"txtTelCel", "Tel. cellulare:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtTelUff"},
    CardField{"txtTelUff", "Tel. ufficio:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtEmail"},
    CardField{"txtEmail", "E-mail:", K::Edit, KeyFilter::None, Typing::Trimmed, 0, "txtPermesso"},
    CardField{"txtPermesso", "Squadra di caccia:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtScadePer"},
    CardField{"txtScadePer", "Data iscrizione:", K::CalendarDate, KeyFilter::None, Typing::AsTyped,
              0, nullptr, "anagrafica_scadeper"},
    CardField{"txtComuniSog", "Forme di caccia:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtIban"},
    CardField{"txtIban", "IBAN:", K::Edit, KeyFilter::None, Typing::UpperTrimmed, 0,
              "txtIntestatario"},
    CardField{"txtIntestatario", "Intestatario C/C:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtBanca"},
    CardField{"txtBanca", "Banca:", K::Edit, KeyFilter::None, Typing::AsTyped, 0, "txtCarta"},
    CardField{"txtCarta", "Carta di credito n.", K::Edit, KeyFilter::Digits, Typing::AsTyped, 0,
              "txtScadeCarta"},
    CardField{"txtScadeCarta", "Scadenza:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtTipoLavoro"},
    CardField{"txtTipoLavoro", "Polizze assicurative:", K::Edit, KeyFilter::None, Typing::AsTyped,
              0, "txtPrecedenti"},
    CardField{"txtPrecedenti", "Armi da caccia possedute:", K::Edit, KeyFilter::None,
              Typing::AsTyped, 0, "txtNote"},
    CardField{"txtNote", "Note:", K::Edit, KeyFilter::None, Typing::AsTyped, 0, "txtTipoDoc"},
    CardField{"txtTipoDoc", "Tipo di documento:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtNumDoc"},
    CardField{"txtNumDoc", "Numero:", K::Edit, KeyFilter::None, Typing::AsTyped, 0, "txtEnteRil"},
    CardField{"txtEnteRil", "Ente di rilascio:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtDataRil"},
    CardField{"txtDataRil", "Data di rilascio:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtDataSca"},
    CardField{"txtDataSca", "Data di scadenza:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtCivile"},
    CardField{"txtCivile", "Codice ID cacciatore:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtConiuge"},
    CardField{"txtConiuge", "Tesserino venatorio n.", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtFigli"},
    CardField{"txtFigli", "Stagione venatoria:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtDatore"},
    CardField{"txtDatore", "Porto di fucile uso caccia n.", K::Edit, KeyFilter::None,
              Typing::AsTyped, 0, "txtDecorrenza"},
    CardField{"txtDecorrenza", "Data rilascio:", K::CalendarDate, KeyFilter::None, Typing::AsTyped,
              0, nullptr, "anagrafica_decorrenza"},
    CardField{"txtScadenza", "Prossima scadenza:", K::CalendarDate, KeyFilter::None,
              Typing::AsTyped, 0, nullptr, "anagrafica_scadenza"},
    CardField{"txtPreavviso", "Giorni di preavviso:", K::Edit, KeyFilter::Digits, Typing::AsTyped,
              0, "txtTotale", nullptr, "0"},
    CardField{"txtTotale", "Importo tassa: €", K::Edit, KeyFilter::Amount, Typing::AsTyped, 0,
              "txtContratto", nullptr, "0,00", &hunters::formatTaxAmount},
    CardField{"txtContratto", "Questura:", K::Edit, KeyFilter::None, Typing::AsTyped, 0,
              "txtCognome"},
};

// Rows of the card: each row a list of controls, laid out as label and
// field pairs. A field with a width in characters stays that narrow.
struct Cell {
    const char* control;
    const char* sample = nullptr;  // the field is as wide as this text; none: what is left
};
using Row = std::initializer_list<Cell>;

const std::initializer_list<Row> kLeftRows{
    {{"txtCognome"}, {"txtNome"}},
    {{"txtCodFisc", "RSSMRA80A01H501U"},
     {"btnCodFisc"},
     {"txtSesso", "W"},
     {"txtDataNasc", "00/00/0000"}},
    {{"txtCittaNasc"}, {"txtStatoNasc", "WW"}, {"txtIva", "00000000000"}, {"btnIva"}},
    {{"txtIndirizzo"}, {"txtCap", "00000"}},
    {{"txtComuneRes"}, {"txtProvRes", "WWWW"}, {"txtStatoCit", "AB Rh+"}},
    {{"txtIngresso"}},
    {{"txtRecapito"}, {"txtTelCasa"}},
    {{"txtTelCel"}, {"txtTelUff"}},
    {{"txtEmail"}, {"btnEmail"}, {"txtPermesso"}},
    {{"txtScadePer", "00/00/0000"}, {"txtComuniSog"}},
    {{"txtIban", "IT00X0000000000000000000000"}, {"btnIban"}, {"txtBanca"}},
    {{"txtIntestatario"},
     {"txtCarta", "0000000000000000000"},
     {"btnCarta"},
     {"txtScadeCarta", "00/0000"}},
    {{"txtTipoLavoro"}},
    {{"txtPrecedenti"}},
    {{"txtNote"}},
};

const std::initializer_list<Row> kRightRows{
    {{"txtTipoDoc"}},
    {{"txtNumDoc"}},
    {{"txtEnteRil"}},
    {{"txtDataRil", "00/00/0000"}, {"txtDataSca", "00/00/0000"}},
    {{"txtCivile"}},
    {{"txtConiuge"}},
    {{"txtFigli"}},
    {{"txtDatore"}},
    {{"txtDecorrenza", "00/00/0000"}, {"txtScadenza", "00/00/0000"}},
    {{"txtPreavviso", "000"}, {"txtTotale", "000000,00"}},
    {{"txtContratto"}},
};

CardDefinition hunterCard() {
    return CardDefinition{
        "TfrmAnagrafica",
        QStringLiteral(" Selvadoro - Anagrafica Cacciatori"),
        &TRecCacciatore::layout(),
        kFields,
        QStringLiteral("Pronto per salvare una nuova scheda..."),
        QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."),
        QStringLiteral("Salva la scheda corrente in archivio."),
        QString(),
        /*plainAccessErrorOnSave=*/false,
        [](const FieldValues& values) {
            return hunters::checkForSave(TRecCacciatore::fromValues(values));
        },
    };
}

}  // namespace

TfrmAnagrafica::TfrmAnagrafica(QWidget* parent) : CardWindow(hunterCard(), parent) {
    addToolGroup({newTool(),
                  saveTool(),
                  {"cmdTrova", "trova", QStringLiteral("Trova una scheda in archivio."), [this] {
                       SearchWindow window(hunters::search(), this);
                       window.setMemory(QStringLiteral("anagrafica"));
                       window.exec();
                   }}});
    addToolGroup({{"cmdFile", "allega", QStringLiteral("Allega file alla scheda corrente."),
                   [this] { TfrmAllegaCartella::showFor(this, QStringLiteral("anagrafica")); }}});
    using SheetMode = TfrmStampaAnagrafica::Mode;
    addToolGroup({{"cmdAnteprima", "anteprima",
                   QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente."),
                   [this] { TfrmStampaAnagrafica::showFor(this, SheetMode::Preview); }},
                  {"cmdStampa", "stampa", QStringLiteral("Stampa la scheda corrente."),
                   [this] { TfrmStampaAnagrafica::showFor(this, SheetMode::Print); }}});
    addNavigationGroup();
    addToolGroup(
        {{"cmdEsporta", "esporta",
          QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."),
          [this] {
              ExportWindow window(hunters::exporter(), this);
              window.exec();
          }},
         {"cmdScaduti", "avviso",
          QStringLiteral("Visualizza il riepilogo dei cacciatori con porto di fucile in scadenza o "
                         "scaduto."),
          [this] {
              SummaryWindow window(hunters::permitSummary(), this);
              window.exec();
          }}});
    addToolGroup({{"cmdGuida", "guida",
                   QStringLiteral("Visualizza la pagina della guida sensibile al contesto."),
                   [this] { showHelpTopic(this, hunters::cardTopic()); }},
                  exitTool()});

    auto* provinces = qobject_cast<QComboBox*>(control(QStringLiteral("txtProvRes")));
    provinces->addItems(hunters::provinces());
    provinces->setCurrentIndex(-1);

    // Beside their fields: the checkers, which only report, and the e-mail.
    const auto fieldText = [this](const char* name) {
        return qobject_cast<QLineEdit*>(control(QString::fromLatin1(name)))->text();
    };
    addFieldButton(
        {"btnCodFisc", "controlla", QStringLiteral("Controlla il codice fiscale."),
         [this, fieldText] { checks::showCodiceFiscaleChecker(fieldText("txtCodFisc"), this); }});
    addFieldButton(
        {"btnIva", "controlla", QStringLiteral("Controlla il numero di partita IVA."),
         [this, fieldText] { checks::showPartitaIvaChecker(fieldText("txtIva"), this); }});
    addFieldButton({"btnIban", "controlla", QStringLiteral("Controlla l'IBAN."),
                    [this, fieldText] { checks::showIbanChecker(fieldText("txtIban"), this); }});
    addFieldButton({"btnCarta", "controlla",
                    QStringLiteral("Controlla il numero di carta di credito."),
                    [this, fieldText] { checks::showCardChecker(fieldText("txtCarta"), this); }});
    addFieldButton({"btnEmail", "email", QStringLiteral("Invia una e-mail all'indirizzo indicato."),
                    [fieldText] {
                        seams::desktop().shellOpen(QStringLiteral("\"mailto:") +
                                                   text::trimBlanks(fieldText("txtEmail")) + u'"');
                    }});

    layOutFields();
    finishLayout();
}

void TfrmAnagrafica::layOutFields() {
    auto* grid = new QHBoxLayout(cardPanel());
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setSpacing(24);
    const QFontMetrics metrics(control(QStringLiteral("txtCognome"))->font());

    const auto addColumn = [&](const std::initializer_list<Row>& rows, int stretch) {
        auto* column = new QVBoxLayout;
        column->setSpacing(9);
        for (const Row& row : rows) {
            auto* line = new QHBoxLayout;
            line->setSpacing(6);
            for (const Cell& cell : row) {
                const QString name = QString::fromLatin1(cell.control);
                if (name.startsWith(QLatin1String("btn"))) {
                    line->addWidget(toolButton(name));
                    continue;
                }
                QWidget* field = control(name);
                line->addWidget(fieldLabel(name));
                if (cell.sample) {
                    field->setFixedWidth(
                        metrics.horizontalAdvance(QString::fromLatin1(cell.sample)) + 14);
                    line->addWidget(field);
                } else {
                    field->setMinimumWidth(metrics.horizontalAdvance(u'0') * 6);
                    line->addWidget(field, 1);
                }
            }
            column->addLayout(line);
        }
        column->addStretch(1);
        grid->addLayout(column, stretch);
    };
    addColumn(kLeftRows, 3);
    addColumn(kRightRows, 2);
}
