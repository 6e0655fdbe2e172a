#include "deadlines/TfrmScadenzario.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "checks/GuiCheckers.h"
#include "deadlines/DeadlineCard.h"
#include "deadlines/DeadlineHelp.h"
#include "deadlines/DeadlineLists.h"
#include "deadlines/DeadlineRules.h"
#include "deadlines/DeadlineSheet.h"
#include "deadlines/GuiDeadlineLists.h"
#include "deadlines/TRecScadenza.h"
#include "hunters/HunterLists.h"
#include "records/ArchiveMessages.h"
#include "records/FieldRules.h"
#include "report/Report.h"
#include "shell/TfrmGuida.h"
#include "windows/SearchWindow.h"

namespace {

using F = TRecScadenza::Field;
using K = CardFieldKind;

const QString kStartCaption = QStringLiteral(" Selvadoro - Scadenze e Pagamenti");

CardDefinition deadlineCard() {
    return CardDefinition{
        .windowName = "TfrmScadenzario",
        .tag = "Scadenzario",
        .caption = kStartCaption,
        .layout = &TRecScadenza::layout(),
        .fields = deadlines::cardRules().fields,
        .newHint = QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda."),
        .duplicateHint = QStringLiteral(
            "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
            "correnti."),
        .insertedMessage = QStringLiteral("La scheda corrente è stata salvata in archivio."),
        .leaveFieldOnSave = false,
        .fileInLabel = true,
        .toolbar = CardDefinition::Toolbar::Column,
        // An empty amount is stored as "0,00"; the date and the time are
        // built from their parts and the year of the open file.
        .derive = deadlines::cardRules().derive,
        .check = deadlines::cardRules().check,
    };
}

QLabel* banner(QWidget* parent, const char* name, const QString& text, const char* colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(
        QStringLiteral("QLabel { color: %1; font-size: 20pt; font-weight: bold; "
                       "border: 2px solid %1; border-radius: 6px; background: white; "
                       "padding: 6px 16px; }")
            .arg(QLatin1String(colour)));
    return label;
}

QLabel* wrappedLine(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TfrmScadenzario::TfrmScadenzario(QWidget* parent) : CardWindow(deadlineCard(), parent) {
    // A tool with the caption the column shows beside its picture.
    const auto captioned = [](ToolSpec tool, const char* caption) {
        tool.caption = QString::fromUtf8(caption);
        return tool;
    };
    addToolGroup({
        captioned(newTool(), "Nuovo"),
        captioned(duplicateTool(), "Duplica"),
        {"cmdImporta", "avanti",
         QStringLiteral("Importa i dati dall'archivio anagrafico dei cacciatori."),
         [this] {
             SearchWindow window(hunters::search(), this);
             window.usePicker(deadlines::hunterPicker());
             window.exec();
         },
         QStringLiteral("Importa dati")},
        captioned(saveTool(), "Salva"),
        captioned(findTool(deadlines::search()), "Trova"),
        {"cmdStampa", "stampa", QStringLiteral("Stampa la scheda corrente."),
         [this] { printCard(); }, QStringLiteral("Stampa")},
        captioned(exportTool(deadlines::exporter()), "Esporta archivio"),
        captioned(summaryTool("cmdDaConfermare", "avviso",
                              QStringLiteral(
                                  "Visualizza l'elenco degli appuntamenti in attesa di conferma."),
                              deadlines::appointmentsToConfirm()),
                  "Da confermare"),
        captioned(summaryTool("cmdDaEffettuare", "scadenze",
                              QStringLiteral("Visualizza il riepilogo dei pagamenti da "
                                             "effettuare, sia scaduti che non."),
                              deadlines::paymentsToMake()),
                  "Da effettuare"),
        captioned(
            summaryTool("cmdEffettuate", "segnalate",
                        QStringLiteral("Visualizza il riepilogo storico dei pagamenti effettuati."),
                        deadlines::paymentsMade()),
            "Effettuati"),
        captioned(guideTool(deadlines::cardTopic()), "Guida"),
        captioned(exitTool(), "Esci"),
    });
    addNavigationGroup();

    addFieldButton(
        {"btnCodFisc", "controlla", QStringLiteral("Controlla il codice fiscale."), [this] {
             checks::showCodiceFiscaleChecker(controlText(QStringLiteral("txtCodFisc")), this);
         }});
    addTodayButtons({{"impApertura", "txtApertura"}, {"impChiusura", "txtChiusura"}});

    // The year of the open file, large beside the date.
    auto* year = qobject_cast<QLabel*>(control(QStringLiteral("lblAnno")));
    year->setStyleSheet(
        QStringLiteral("QLabel { font-size: 20pt; font-weight: bold; "
                       "color: #1f4e8c; }"));
    year->show();
    auto* noticeTail = new QLabel(QStringLiteral("giorni prima della scadenza."), cardPanel());

    layOutColumns(
        {{.rows = {
              {LayoutWidget{fieldGroup("grpData", QStringLiteral(" Data scadenza: "),
                                       {{F::Giorno, "000000"}, {F::Mese, "Settembre0000"}})},
               LayoutWidget{year},
               LayoutWidget{fieldGroup("grpOra", QStringLiteral(" Ora appuntamento: "),
                                       {{F::OreApp, "000000"}, {F::MinutiApp, "000000"}})}},
              {{F::Avviso, "00000"}, LayoutWidget{noticeTail, 1}},
              {F::Cliente},
              {{F::CodFisc, "WWWWWWWWWWWWWWWW"}, LayoutButton{"btnCodFisc"}},
              {F::Recapito},
              {F::Oggetto},
              {F::Tipologia, F::Protocollo},
              {{F::Apertura, "00/00/00000"},
               LayoutButton{"impApertura"},
               {F::Chiusura, "00/00/00000"},
               LayoutButton{"impChiusura"},
               F::Stato},
              {F::Consulente},
              {F::Dettagli},
              {F::Officina},
              {{F::Costo, "999999999999,99"}, F::Contatto},
              {LayoutBox{F::DaConfermare, "avviso"}},
              {F::Note},
              {LayoutBox{F::Effettuata, "scadenze"}},
          }}});
    finishLayout();

    setStartPanel(buildStartPanel());
}

QWidget* TfrmScadenzario::buildStartPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(24, 16, 24, 12);
    outer->setSpacing(14);
    outer->addWidget(titlePicture(panel, "scadenze", QStringLiteral("SCADENZE E PAGAMENTI")));

    auto* middle = new QHBoxLayout;
    middle->setSpacing(24);
    auto* left = new QVBoxLayout;
    left->setSpacing(10);

    auto* yearBox = new QFrame(panel);
    yearBox->setObjectName(QStringLiteral("grpAnno"));
    yearBox->setFrameShape(QFrame::StyledPanel);
    auto* yearLayout = new QVBoxLayout(yearBox);
    yearLayout->addWidget(wrappedLine(
        yearBox,
        QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze.")));
    yearLayout->addWidget(
        wrappedLine(yearBox, QStringLiteral("Indicare l'anno solare e premere Apri.")));
    auto* yearRow = new QHBoxLayout;
    txtAnno_ = new QLineEdit(yearBox);
    txtAnno_->setObjectName(QStringLiteral("txtAnno"));
    txtAnno_->setMaxLength(4);
    QFont yearFont = txtAnno_->font();
    yearFont.setPointSize(16);
    yearFont.setBold(true);
    txtAnno_->setFont(yearFont);
    txtAnno_->setFixedWidth(QFontMetrics(yearFont).horizontalAdvance(QStringLiteral("00000")) + 14);
    txtAnno_->installEventFilter(this);
    btnApri_ = new QPushButton(QStringLiteral("Apri"), yearBox);
    btnApri_->setObjectName(QStringLiteral("btnApri"));
    connect(btnApri_, &QPushButton::clicked, this, &TfrmScadenzario::openYear);
    yearRow->addWidget(txtAnno_);
    yearRow->addWidget(btnApri_);
    yearRow->addStretch(1);
    yearLayout->addLayout(yearRow);
    left->addWidget(yearBox);

    auto* imminentBox = new QFrame(panel);
    imminentBox->setObjectName(QStringLiteral("grpImminenti"));
    imminentBox->setFrameShape(QFrame::StyledPanel);
    auto* imminentLayout = new QVBoxLayout(imminentBox);
    imminentLayout->addWidget(
        wrappedLine(imminentBox, QStringLiteral("Visualizza le scadenze imminenti.")));
    imminentLayout->addWidget(wrappedLine(
        imminentBox, QStringLiteral("Premere OK per ottenere l'elenco delle scadenze.")));
    btnOK_ = new QPushButton(QStringLiteral("OK"), imminentBox);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    connect(btnOK_, &QPushButton::clicked, this,
            [this] { deadlines::openImminentList(this, seams::clock().today()); });
    imminentLayout->addWidget(btnOK_, 0, Qt::AlignLeft);
    left->addWidget(imminentBox);

    imgPresenti_ = banner(panel, "imgPresenti", QStringLiteral("Ci sono scadenze"), "#c00000");
    imgAssenti_ = banner(panel, "imgAssenti", QStringLiteral("Non ci sono scadenze"), "#1f4e8c");
    left->addWidget(imgPresenti_);
    left->addWidget(imgAssenti_);
    left->addStretch(1);
    middle->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    calAppuntamenti_ = new QCalendarWidget(panel);
    calAppuntamenti_->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti_->setSelectedDate(seams::clock().today());
    calAppuntamenti_->setGridVisible(true);
    right->addWidget(calAppuntamenti_, 1);
    right->addWidget(wrappedLine(
        panel, QStringLiteral("Selezionare una data dal calendario e fare clic sui pulsanti in "
                              "calce per visualizzare le scadenze relative a un giorno o a un "
                              "mese dell'anno.")));
    auto* listRow = new QHBoxLayout;
    auto* btnGiorno = new QPushButton(QStringLiteral("SCADENZE DEL GIORNO"), panel);
    btnGiorno->setObjectName(QStringLiteral("btnGiorno"));
    auto* btnMese = new QPushButton(QStringLiteral("SCADENZE DEL MESE"), panel);
    btnMese->setObjectName(QStringLiteral("btnMese"));
    connect(btnGiorno, &QPushButton::clicked, this,
            [this] { deadlines::openDayList(this, calAppuntamenti_->selectedDate()); });
    connect(btnMese, &QPushButton::clicked, this,
            [this] { deadlines::openMonthList(this, calAppuntamenti_->selectedDate()); });
    listRow->addWidget(btnGiorno);
    listRow->addWidget(btnMese);
    right->addLayout(listRow);
    middle->addLayout(right, 1);
    outer->addLayout(middle, 1);

    auto* foot = new QHBoxLayout;
    QToolButton* imgGuida = pictureButton(panel, QStringLiteral("imgGuida"), "guida", 32);
    imgGuida->setToolTip(QStringLiteral("Guida"));
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(this, deadlines::cardTopic()); });
    QToolButton* imgEsci = pictureButton(panel, QStringLiteral("imgEsci"), "esci", 32);
    imgEsci->setToolTip(QStringLiteral("Esci"));
    connect(imgEsci, &QToolButton::clicked, this, [this] { close(); });
    foot->addWidget(imgGuida);
    foot->addStretch(1);
    foot->addWidget(imgEsci);
    outer->addLayout(foot);
    return panel;
}

// The year takes digits only; Enter moves on to "Apri" (where Enter, as on
// every button of the card, presses it). Navigation and editing keys and
// shortcuts work as in any field.
bool TfrmScadenzario::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtAnno_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnApri_->setFocus();
            return true;
        }
        const QString typed = key->text();
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!shortcut && !typed.isEmpty() && typed.front().isPrint()) {
            return !std::all_of(typed.begin(), typed.end(), cardfilter::digits);
        }
        return false;
    }
    return CardWindow::eventFilter(watched, event);
}

void TfrmScadenzario::openYear() {
    const QString year = txtAnno_->text();
    if (!deadlines::isYear(year)) {
        seams::messages().warning(
            QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        focusField(txtAnno_);
        return;
    }
    setRecordFile(deadlines::yearFilePath(year));
    setFieldText(QStringLiteral("lblAnno"), year);
    setWindowTitle(QStringLiteral(" Selvadoro - Scadenze e pagamenti anno ") + year);
    showCardPanel();
    clearCard();
}

bool TfrmScadenzario::openRecordFile(const QString& path) {
    const QString year = QFileInfo(path).completeBaseName();
    if (!deadlines::isYear(year) || QFileInfo(deadlines::yearFilePath(year)) != QFileInfo(path)) {
        return false;
    }
    txtAnno_->setText(year);
    openYear();
    return true;
}

void TfrmScadenzario::checkImminent() {
    ProgressScope progress(QStringLiteral("Controllo delle scadenze imminenti in corso..."));
    const deadlines::ImminentCheck check =
        deadlines::checkImminent(seams::clock().today(), progress.callback());
    progress.end();
    if (check.cancelled) {
        // A check the user stopped says nothing either way: no banner, no
        // sound, and OK still lists what is imminent.
        imgPresenti_->hide();
        imgAssenti_->hide();
        btnOK_->setEnabled(true);
        return;
    }
    const bool imminent = check.count > 0;
    imgPresenti_->setVisible(imminent);
    imgAssenti_->setVisible(!imminent);
    btnOK_->setEnabled(imminent);
    if (!check.readable) seams::messages().error(archivemsg::accessError());
    if (imminent) {
        const QString sound = paths::deliveredFile(QStringLiteral("Avviso.mp3"));
        if (QFile::exists(sound)) seams::alertSound().play(sound);
    }
}

void TfrmScadenzario::printCard() {
    const QDateTime now = seams::clock().now();
    seams::printing().print(
        report::prepare(deadlines::deadlineSheet(cardValues(), now), now.date()));
}

void TfrmScadenzario::cardDuplicated() {
    // A copy starts with no date and the time at midnight.
    for (const char* name : {"txtGiorno", "txtMese"}) setFieldText(QString::fromLatin1(name), {});
    for (const char* name : {"txtOreApp", "txtMinutiApp"}) {
        setFieldText(QString::fromLatin1(name), QStringLiteral("00"));
    }
    control(QStringLiteral("txtGiorno"))->setFocus();
}

void TfrmScadenzario::showEvent(QShowEvent* event) {
    CardWindow::showEvent(event);
    if (event->spontaneous()) return;
    setWindowTitle(kStartCaption);
    showStartPanel();
    txtAnno_->setText(deadlines::yearText(seams::clock().today().year()));
    txtAnno_->setFocus();
    checkImminent();
}

void TfrmScadenzario::closeEvent(QCloseEvent* event) {
    seams::alertSound().stop();
    setWindowTitle(kStartCaption);
    showStartPanel();
    CardWindow::closeEvent(event);
}
