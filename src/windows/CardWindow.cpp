#include "windows/CardWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QShowEvent>
#include <QToolButton>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "records/FieldRules.h"
#include "records/RecordFile.h"
#include "shell/TfrmGuida.h"
#include "windows/ExportWindow.h"
#include "windows/GuiCardControls.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"
#include "windows/TfrmAllegaCartella.h"
#include "windows/TfrmCalendario.h"
#include "windows/TfrmCreaRTF.h"

QList<CardWindow*> openCards() {
    QList<CardWindow*> cards;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (auto* card = qobject_cast<CardWindow*>(window)) cards.append(card);
    }
    return cards;
}

CardWindow* cardTagged(const QString& tag) {
    for (CardWindow* card : openCards()) {
        if (card->definition().tag && tag == QLatin1String(card->definition().tag)) return card;
    }
    return nullptr;
}

CardWindow::CardWindow(CardDefinition definition, QWidget* parent)
    : QWidget(parent),
      definition_(std::move(definition)),
      layout_(*this, definition_),
      keys_(*this, definition_, layout_),
      record_(*this, definition_, layout_, keys_) {
    setObjectName(QString::fromLatin1(definition_.windowName));
    setWindowTitle(definition_.caption);
    layout_.build();
    keys_.watchTyping();
}

CardWindow::~CardWindow() = default;

QString CardWindow::recordFilePath() const {
    if (definition_.fileInLabel) return layout_.fileLabel()->text();
    return archivePath(*definition_.layout);
}

void CardWindow::setRecordFile(const QString& path) {
    layout_.fileLabel()->setText(path);
}

bool CardWindow::openRecordFile(const QString& path) {
    if (definition_.fileInLabel) {
        setRecordFile(path);
        return true;
    }
    return QFileInfo(path) == QFileInfo(recordFilePath());
}

void CardWindow::setStartPanel(QWidget* panel) {
    layout_.setStartPanel(panel);
}

void CardWindow::showStartPanel() {
    layout_.showStartPanel();
}

void CardWindow::showCardPanel() {
    layout_.showCardPanel();
}

bool CardWindow::startPanelShown() const {
    return layout_.startPanelShown();
}

void CardWindow::finishLayout() {
    layout_.finishLayout();
}

QWidget* CardWindow::control(const QString& name) const {
    return layout_.control(name);
}

QString CardWindow::controlText(const QString& name) const {
    const QWidget* w = control(name);
    return w ? cardcontrols::widgetText(w) : QString();
}

QWidget* CardWindow::control(FieldId field) const {
    return layout_.control(field);
}

QLabel* CardWindow::fieldLabel(const QString& control) const {
    return layout_.fieldLabel(control);
}

void CardWindow::setFieldText(const QString& name, const QString& text) {
    if (QWidget* w = control(name)) {
        cardcontrols::setWidgetText(w, text, cardcontrols::Cursor::AtEnd);
    }
}

QFrame* CardWindow::fieldBox(QWidget* field, const char* icon) {
    return layout_.fieldBox(field, icon);
}

void CardWindow::layOutColumns(std::initializer_list<LayoutColumn> columns) {
    layout_.layOutColumns(columns);
}

QGroupBox* CardWindow::fieldGroup(const char* name, const QString& title, LayoutRow cells) {
    return layout_.fieldGroup(name, title, cells);
}

QToolButton* CardWindow::toolButton(const QString& name) const {
    return layout_.toolButton(name);
}

void CardWindow::addToolGroup(std::initializer_list<ToolSpec> buttons) {
    layout_.addToolGroup(buttons);
}

QToolButton* CardWindow::addFieldButton(const ToolSpec& desc) {
    return layout_.addFieldButton(desc);
}

void CardWindow::addTodayButtons(
    std::initializer_list<std::pair<const char*, const char*>> buttons) {
    for (const auto& [button, field] : buttons) {
        addFieldButton({button, "calendario", QStringLiteral("Inserisci la data corrente."),
                        [this, target = field] {
                            setFieldText(QString::fromLatin1(target),
                                         fieldrules::formatDate(seams::clock().today()));
                        }});
    }
}

CardWindow::ToolSpec CardWindow::newTool() {
    return {"cmdNuovo", "nuovo", definition_.newHint, [this] { clearCard(); }};
}

CardWindow::ToolSpec CardWindow::saveTool() {
    return {"cmdSalva", "salva", definition_.saveHint, [this] { save(); }};
}

CardWindow::ToolSpec CardWindow::duplicateTool() {
    return {"cmdDuplica", "duplica", definition_.duplicateHint, [this] { duplicate(); }};
}

CardWindow::ToolSpec CardWindow::exitTool() {
    return {"cmdEsci", "esci", QStringLiteral("Esci da questa schermata di lavoro."),
            [this] { close(); }};
}

CardWindow::ToolSpec CardWindow::findTool(const SearchDefinition& search) {
    return {"cmdTrova", "trova", QStringLiteral("Trova una scheda in archivio."), [this, &search] {
                SearchWindow window(search, this, recordFilePath());
                window.setMemory(QString::fromLatin1(definition_.tag));
                window.exec();
            }};
}

CardWindow::ToolSpec CardWindow::attachTool(const QString& hint) {
    return {"cmdFile", "allega", hint,
            [this] { TfrmAllegaCartella::showFor(this, QString::fromLatin1(definition_.tag)); }};
}

CardWindow::ToolSpec CardWindow::exportTool(const ExportDefinition& exporter) {
    return {"cmdEsporta", "esporta",
            QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."),
            [this, &exporter] {
                ExportWindow window(exporter, this, recordFilePath());
                window.exec();
            }};
}

CardWindow::ToolSpec CardWindow::summaryTool(const char* name, const char* icon,
                                             const QString& hint,
                                             const SummaryDefinition& summary) {
    return {name, icon, hint, [this, &summary] {
                SummaryWindow window(summary, this, recordFilePath());
                window.exec();
            }};
}

CardWindow::ToolSpec CardWindow::rtfTool(const RtfDocument& document) {
    return {"cmdStampa", "stampa", QStringLiteral("Esporta e stampa la scheda corrente."),
            [this, &document] { TfrmCreaRTF::showFor(this, document); }};
}

CardWindow::ToolSpec CardWindow::guideTool(const HelpTopic& topic) {
    return {"cmdGuida", "guida",
            QStringLiteral("Visualizza la pagina della guida sensibile al contesto."),
            [this, &topic] { showHelpTopic(this, topic); }};
}

QToolButton* CardWindow::addPickerButton(const char* name, const QString& hint,
                                         const SearchDefinition& search, const PickerMode& mode) {
    return addFieldButton({name, "avanti", hint, [this, &search, &mode] {
                               SearchWindow window(search, this);
                               window.usePicker(mode);
                               window.exec();
                           }});
}

void CardWindow::addNavigationGroup() {
    addToolGroup({
        {"cmdPrimo", "primo", QStringLiteral("Visualizza la prima scheda in archivio."),
         [this] { first(); }},
        {"cmdIndietro", "indietro", QStringLiteral("Visualizza la scheda precedente in archivio."),
         [this] { previous(); }},
        {"lblPosizione", "", QString(), {}},
        {"cmdAvanti", "avanti", QStringLiteral("Visualizza la scheda successiva in archivio."),
         [this] { next(); }},
        {"cmdUltimo", "ultimo", QStringLiteral("Visualizza l'ultima scheda in archivio."),
         [this] { last(); }},
    });
}

bool CardWindow::eventFilter(QObject* watched, QEvent* event) {
    layout_.followMouse(watched, event);
    if (const CardField* desc = layout_.fieldOf(watched)) {
        return keys_.fieldEvent(static_cast<QWidget*>(watched), *desc, event);
    }
    return QWidget::eventFilter(watched, event);
}

void CardWindow::openDateImport(QWidget* field, const QString& tag) {
    Q_UNUSED(field);
    TfrmCalendario dialog(this);
    dialog.setMemory(tag);
    dialog.exec();
}

qsizetype CardWindow::position() const {
    return record_.position();
}

FieldValues CardWindow::cardValues() const {
    return record_.cardValues();
}

void CardWindow::loadValues(const FieldValues& stored, qsizetype number) {
    record_.loadValues(stored, number);
}

bool CardWindow::loadRecord(qsizetype number) {
    return record_.loadRecord(number);
}

void CardWindow::first() {
    record_.first();
}

void CardWindow::previous() {
    record_.previous();
}

void CardWindow::next() {
    record_.next();
}

void CardWindow::last() {
    record_.last();
}

void CardWindow::save() {
    record_.save();
}

void CardWindow::clearCard() {
    record_.clearCard();
}

void CardWindow::duplicate() {
    record_.duplicate();
}

QImage CardWindow::picture(const QSize&) const {
    return {};
}

void CardWindow::recordShown(qsizetype) {}

void CardWindow::cardCleared() {}

void CardWindow::cardDuplicated() {}

bool CardWindow::recordStored(qsizetype, bool) {
    return true;
}

void CardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        // Enter presses the button that has the focus, which shows a mark.
        makeKeyboardButtons(this);
        // Every visit starts on a new card, with the ready text rather than
        // the last hint of the previous visit.
        clearCard();
        layout_.statusLine()->setText(definition_.readyText);
    }
}

void CardWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) Q_EMIT closed();
}
