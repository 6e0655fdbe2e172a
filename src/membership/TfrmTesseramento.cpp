#include "membership/TfrmTesseramento.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "base/TextRules.h"
#include "checks/GuiCheckers.h"
#include "hunters/HunterLists.h"
#include "lists/ArchiveDefinition.h"
#include "mailing/MailingSettings.h"
#include "membership/MemberRegister.h"
#include "membership/Membership.h"
#include "membership/MembershipCard.h"
#include "membership/MembershipHelp.h"
#include "membership/MembershipLists.h"
#include "membership/MembershipRules.h"
#include "membership/Receipt.h"
#include "membership/Reminder.h"
#include "membership/SeasonTotals.h"
#include "membership/TRecTessera.h"
#include "membership/TfrmImpostazioniTesseramento.h"
#include "records/FieldRules.h"
#include "report/Report.h"
#include "shell/TfrmGuida.h"
#include "windows/GuiCards.h"
#include "windows/SearchWindow.h"

namespace {

using F = TRecTessera::Field;
using text::trimBlanks;

const QString kStartCaption = QStringLiteral(" Selvadoro - Tesseramento dei soci");

CardDefinition membershipCard() {
    return CardDefinition{
        .windowName = "TfrmTesseramento",
        .tag = "Tesseramento",
        .caption = kStartCaption,
        .layout = &TRecTessera::layout(),
        .fields = membership::cardRules().fields,
        .insertedMessage = QStringLiteral("La scheda corrente è stata salvata in archivio."),
        .fileInLabel = true,
        .toolbar = CardDefinition::Toolbar::Column,
        .derive = membership::cardRules().derive,
        .check = membership::cardRules().check,
    };
}

void tell(const membership::Outcome& outcome) {
    if (outcome.status == membership::Outcome::Status::Refused) {
        seams::messages().warning(QStringLiteral("Attenzione: ") + outcome.message);
    } else {
        seams::messages().error(outcome.message);
    }
}

}  // namespace

TfrmTesseramento::TfrmTesseramento(QWidget* parent) : CardWindow(membershipCard(), parent) {
    const auto captioned = [](ToolSpec tool, const char* caption) {
        tool.caption = QString::fromUtf8(caption);
        return tool;
    };
    addToolGroup({
        captioned(newTool(), "Nuovo"),
        captioned(duplicateTool(), "Duplica"),
        captioned(saveTool(), "Salva"),
        captioned(findTool(membership::search()), "Trova"),
        {"cmdRinnova", "nuovo",
         QStringLiteral("Crea le schede da pagare della stagione per i soci della precedente."),
         [this] { renewSeason(); }, QStringLiteral("Rinnova")},
        {"cmdPaga", "salva",
         QStringLiteral("Registra il pagamento della quota visualizzata e assegna la ricevuta."),
         [this] { payShown(); }, QStringLiteral("Paga")},
        {"cmdRicevuta", "pdf",
         QStringLiteral("Scrive in PDF la ricevuta della quota visualizzata."),
         [this] { writeReceipt(); }, QStringLiteral("Ricevuta")},
        {"cmdAnnulla", "cancella",
         QStringLiteral("Annulla il pagamento: la ricevuta conserva il suo numero."),
         [this] { annulShown(); }, QStringLiteral("Annulla pag.")},
        captioned(summaryTool("cmdDaPagare", "avviso",
                              QStringLiteral("Elenca le quote della stagione ancora da pagare."),
                              membership::toPaySummary()),
                  "Da pagare"),
        captioned(summaryTool("cmdPagate", "segnalate",
                              QStringLiteral("Elenca le quote della stagione pagate."),
                              membership::paidSummary()),
                  "Pagate"),
        captioned(
            summaryTool("cmdUsciti", "esci", QStringLiteral("Elenca i soci usciti nella stagione."),
                        membership::leftSummary()),
            "Usciti"),
        {"cmdPromemoria", "email",
         QStringLiteral("Prepara una comunicazione di sollecito ai soci che non hanno pagato."),
         [this] { remindUnpaid(); }, QStringLiteral("Promemoria")},
        {"cmdTotali", "stampa",
         QStringLiteral("Totali della stagione per tipo di quota e metodo di pagamento."),
         [this] { showTotals(); }, QStringLiteral("Totali")},
        {"cmdLibroSoci", "anagrafica", QStringLiteral("Scrive il libro dei soci a una data."),
         [this] { writeRegister(); }, QStringLiteral("Libro soci")},
        captioned(exportTool(membership::exporter()), "Esporta"),
        captioned(guideTool(membership::cardTopic()), "Guida"),
        captioned(exitTool(), "Esci"),
    });
    addNavigationGroup();

    addPickerButton("impSocio", QStringLiteral("Sceglie il socio dall'anagrafica dei cacciatori."),
                    hunters::search(), membership::hunterPicker());
    addFieldButton(
        {"btnCodFisc", "controlla", QStringLiteral("Controlla il codice fiscale."), [this] {
             checks::showCodiceFiscaleChecker(controlText(QStringLiteral("txtCodFisc")), this);
         }});
    addTodayButtons({{"impDataPag", "txtDataPag"}, {"impDataUscita", "txtDataUscita"}});

    auto* seasonLabel = qobject_cast<QLabel*>(control(QStringLiteral("lblStagione")));
    seasonLabel->setStyleSheet(
        QStringLiteral("QLabel { font-size: 20pt; font-weight: bold; color: #1f4e8c; }"));
    seasonLabel->show();
    auto* seasonCaption = new QLabel(QStringLiteral("Stagione"), cardPanel());

    layOutColumns({{.rows = {
                        {LayoutWidget{seasonCaption}, LayoutWidget{seasonLabel, 1}},
                        {F::Socio, LayoutButton{"impSocio"}},
                        {{F::Scheda, "0000000000"},
                         {F::CodFisc, "WWWWWWWWWWWWWWWW"},
                         LayoutButton{"btnCodFisc"}},
                        {{F::Quota, "familiare0000"}, {F::Importo, "999999,99"}},
                        {{F::Stato, "da pagare0000"},
                         {F::DataPag, "00/00/00000"},
                         LayoutButton{"impDataPag"},
                         {F::Metodo, "contanti0000"}},
                        {{F::Ricevuta, "0000000"}, {F::AnnoRic, "000000"}},
                        {F::Polizza, {F::ScadePol, "00/00/00000"}},
                        {{F::DataUscita, "00/00/00000"},
                         LayoutButton{"impDataUscita"},
                         {F::Motivo, "esclusione0000"}},
                        {F::Note},
                    }}});
    finishLayout();
    for (const char* name : {"txtRicevuta", "txtAnnoRic"}) {
        if (auto* edit = qobject_cast<QLineEdit*>(control(QString::fromLatin1(name)))) {
            edit->setReadOnly(true);
        }
    }
    setStartPanel(buildStartPanel());
}

QWidget* TfrmTesseramento::buildStartPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(24, 16, 24, 12);
    outer->setSpacing(14);
    outer->addWidget(titlePicture(panel, "segnalate", QStringLiteral("TESSERAMENTO DEI SOCI")));
    auto* box = new QFrame(panel);
    box->setObjectName(QStringLiteral("grpStagione"));
    box->setFrameShape(QFrame::StyledPanel);
    auto* boxLayout = new QVBoxLayout(box);
    auto* line = new QLabel(
        QStringLiteral("Indicare la stagione (per esempio 2026/2027) e premere Apri."), box);
    line->setWordWrap(true);
    boxLayout->addWidget(line);
    auto* row = new QHBoxLayout;
    txtStagione_ = new QLineEdit(box);
    txtStagione_->setObjectName(QStringLiteral("txtStagione"));
    txtStagione_->setMaxLength(9);
    QFont font = txtStagione_->font();
    font.setPointSize(16);
    font.setBold(true);
    txtStagione_->setFont(font);
    txtStagione_->setFixedWidth(QFontMetrics(font).horizontalAdvance(QStringLiteral("0000/00000")) +
                                14);
    btnApri_ = new QPushButton(QStringLiteral("Apri"), box);
    btnApri_->setObjectName(QStringLiteral("btnApri"));
    connect(btnApri_, &QPushButton::clicked, this, &TfrmTesseramento::openSeason);
    connect(txtStagione_, &QLineEdit::returnPressed, this, &TfrmTesseramento::openSeason);
    row->addWidget(txtStagione_);
    row->addWidget(btnApri_);
    row->addStretch(1);
    boxLayout->addLayout(row);
    outer->addWidget(box);
    outer->addStretch(1);
    auto* foot = new QHBoxLayout;
    QToolButton* imgGuida = pictureButton(panel, QStringLiteral("imgGuida"), "guida", 32);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(this, membership::cardTopic()); });
    QToolButton* imgEsci = pictureButton(panel, QStringLiteral("imgEsci"), "esci", 32);
    imgEsci->setToolTip(QStringLiteral("Esci"));
    connect(imgEsci, &QToolButton::clicked, this, [this] { close(); });
    auto* btnImpostazioni = new QPushButton(QStringLiteral("Impostazioni"), panel);
    btnImpostazioni->setObjectName(QStringLiteral("btnImpostazioni"));
    btnImpostazioni->setToolTip(QStringLiteral(
        "Tipi di quota, soglia della marca da bollo, inizio della stagione e promemoria."));
    connect(btnImpostazioni, &QPushButton::clicked, this, [this] {
        TfrmImpostazioniTesseramento window(this);
        window.exec();
    });
    foot->addWidget(imgGuida);
    foot->addWidget(btnImpostazioni);
    foot->addStretch(1);
    foot->addWidget(imgEsci);
    outer->addLayout(foot);
    return panel;
}

QString TfrmTesseramento::season() const {
    return season_;
}

void TfrmTesseramento::openSeason() {
    const QString typed = txtStagione_->text().trimmed();
    if (!membership::isSeason(typed)) {
        seams::messages().warning(QStringLiteral(
            "Attenzione: indicare la stagione con i due anni, per esempio 2026/2027."));
        focusField(txtStagione_);
        return;
    }
    season_ = typed;
    setRecordFile(membership::seasonFile(typed));
    setWindowTitle(QStringLiteral(" Selvadoro - Tesseramento stagione ") + typed);
    showCardPanel();
    clearCard();
}

void TfrmTesseramento::cardCleared() {
    // The season stays the open file's; the state starts "da pagare".
    setFieldText(QStringLiteral("lblStagione"), season_);
}

void TfrmTesseramento::cardDuplicated() {
    // A copy is a new fee of the same member: nothing paid yet.
    for (const char* name :
         {"txtDataPag", "txtMetodo", "txtRicevuta", "txtAnnoRic", "txtDataUscita", "txtMotivo"}) {
        setFieldText(QString::fromLatin1(name), {});
    }
    setFieldText(QStringLiteral("txtStato"), membership::kToPay);
}

qsizetype TfrmTesseramento::storedPosition() {
    const qsizetype number = position();
    if (number == 0) {
        seams::messages().warning(QStringLiteral(
            "Attenzione: salvare la scheda, o sceglierne una dall'archivio, prima di procedere."));
    }
    return number;
}

void TfrmTesseramento::renewSeason() {
    if (!seams::messages().confirm(
            QStringLiteral("Creare le schede da pagare della stagione %1 per i soci della "
                           "stagione precedente che non sono usciti?")
                .arg(season()))) {
        return;
    }
    const membership::Renewal renewal = membership::renew(season());
    if (!renewal.outcome.done()) {
        tell(renewal.outcome);
        return;
    }
    seams::messages().information(
        QStringLiteral("Rinnovo della stagione %1: %2 soci aggiunti, %3 già presenti.")
            .arg(season())
            .arg(renewal.added)
            .arg(renewal.present));
    last();
}

void TfrmTesseramento::payShown() {
    const qsizetype number = storedPosition();
    if (number == 0) return;
    const FieldValues values = cardValues();
    const QString dateText = trimBlanks(values.value(F::DataPag));
    const auto date = dateText.isEmpty() ? std::optional(seams::clock().today())
                                         : fieldrules::parseDate(dateText);
    if (!date) {
        seams::messages().warning(
            QStringLiteral("Attenzione: la data del pagamento non è una data valida."));
        return;
    }
    QString method = trimBlanks(values.value(F::Metodo));
    if (method.isEmpty()) method = membership::methodItems().first();
    const membership::Paid paid =
        membership::pay({season(), trimBlanks(values.value(F::Scheda)).toLongLong(),
                         values.value(F::Importo), *date, method});
    if (!paid.outcome.done()) {
        tell(paid.outcome);
        return;
    }
    loadRecord(number);
    if (seams::messages().confirm(
            QStringLiteral("Pagamento registrato: ricevuta n. %1. Scrivere la ricevuta in PDF?")
                .arg(paid.receipt))) {
        writeReceipt();
    }
}

void TfrmTesseramento::writeReceipt() {
    const qsizetype number = storedPosition();
    if (number == 0) return;
    const TRecTessera card = TRecTessera::fromValues(cardValues());
    if (trimBlanks(card.Ricevuta).isEmpty()) {
        seams::messages().warning(
            QStringLiteral("Attenzione: la quota non è pagata, non ha una ricevuta."));
        return;
    }
    const QString file = seams::desktop().saveFileName(
        QStringLiteral("Salva la ricevuta"),
        paths::dataFile(QStringLiteral("Ricevuta_%1_%2.pdf")
                            .arg(trimBlanks(card.Ricevuta), trimBlanks(card.AnnoRic))),
        QStringLiteral("Documenti PDF (*.pdf)"));
    if (file.isEmpty()) return;
    QString error;
    if (!membership::writeReceiptPdf(card, file, seams::clock().today(), &error)) {
        seams::messages().error(QStringLiteral("Impossibile scrivere la ricevuta: ") + error);
        return;
    }
    seams::desktop().shellOpen(file);
}

void TfrmTesseramento::annulShown() {
    const qsizetype number = storedPosition();
    if (number == 0) return;
    const FieldValues values = cardValues();
    if (!seams::messages().confirm(
            QStringLiteral("Annullare il pagamento della quota di %1? La ricevuta n. %2 resterà "
                           "con la scritta ANNULLATA.")
                .arg(trimBlanks(values.value(F::Socio)), trimBlanks(values.value(F::Ricevuta))))) {
        return;
    }
    const membership::Outcome outcome =
        membership::annul(season(), trimBlanks(values.value(F::Scheda)).toLongLong());
    if (!outcome.done()) {
        tell(outcome);
        return;
    }
    loadRecord(number);
}

void TfrmTesseramento::remindUnpaid() {
    const ArchiveDefinition* messages = membership::reminderArchive();
    QStringList names;
    QString error;
    if (!membership::unpaidNames(season(), &names, &error)) {
        seams::messages().error(error);
        return;
    }
    if (names.isEmpty()) {
        seams::messages().information(
            QStringLiteral("Nessuna quota da pagare nella stagione %1.").arg(season()));
        return;
    }
    CardWindow* card = messages ? cards::cardWindow(QStringLiteral("TfrmComunicazioni")) : nullptr;
    if (!card) return;
    card->showMaximized();
    card->clearCard();
    const FieldValues values =
        membership::reminderCard(*messages, season(), names, seams::clock().today());
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (!values.at(i).isEmpty()) {
            card->setFieldText(
                QString::fromLatin1(messages->layout->fields[std::size_t(i)].control),
                values.at(i));
        }
    }
    seams::messages().information(
        QStringLiteral("La comunicazione ai %1 soci che non hanno pagato è pronta: salvarla, poi "
                       "stamparne le lettere o inviarne le e-mail.")
            .arg(names.size()));
}

void TfrmTesseramento::showTotals() {
    const membership::SeasonTotals totals = membership::seasonTotals(season());
    if (!totals.ok) {
        seams::messages().error(totals.error);
        return;
    }
    seams::printing().preview(report::prepare(
        membership::totalsReport(totals, mailing::association().name), seams::clock().today()));
}

void TfrmTesseramento::writeRegister() {
    const QDate at = seams::clock().today();
    const QString file = seams::desktop().saveFileName(
        QStringLiteral("Salva il libro dei soci"),
        paths::dataFile(QStringLiteral("Libro_soci.pdf")),
        QStringLiteral("Documenti PDF (*.pdf);;Cartelle di lavoro di Excel (*.xlsx)"));
    if (file.isEmpty()) return;
    const membership::Register members = membership::readRegister(at);
    if (!members.ok) {
        seams::messages().error(members.error);
        return;
    }
    QString error;
    ProgressScope progress(QStringLiteral("Scrittura del libro dei soci in corso..."));
    const bool written =
        file.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)
            ? membership::writeRegisterXlsx(members, file, &error)
            : membership::writeRegisterPdf(members, at, file, &error, progress.callback());
    progress.end();
    if (progress.cancelled()) return;
    if (!written) {
        seams::messages().error(QStringLiteral("Impossibile scrivere il libro dei soci: ") + error);
        return;
    }
    seams::desktop().shellOpen(file);
}

void TfrmTesseramento::showEvent(QShowEvent* event) {
    CardWindow::showEvent(event);
    if (event->spontaneous()) return;
    setWindowTitle(kStartCaption);
    showStartPanel();
    txtStagione_->setText(membership::seasonOn(seams::clock().today()));
    txtStagione_->setFocus();
}

void TfrmTesseramento::closeEvent(QCloseEvent* event) {
    setWindowTitle(kStartCaption);
    showStartPanel();
    CardWindow::closeEvent(event);
}
