#include "archive/CardWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "archive/ArchiveMessages.h"
#include "archive/ExportWindow.h"
#include "archive/RecordCodec.h"
#include "archive/RecordFile.h"
#include "archive/SearchWindow.h"
#include "archive/SummaryWindow.h"
#include "archive/TfrmAllegaCartella.h"
#include "archive/TfrmCalendario.h"
#include "archive/TfrmCreaRTF.h"
#include "base/Cp1252.h"
#include "base/GuiShell.h"
#include "base/Seams.h"
#include "base/TextRules.h"
#include "shell/TfrmGuida.h"

namespace {

QString widgetText(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* m = qobject_cast<const QPlainTextEdit*>(w)) {
        // Memos store their line breaks as carriage return and line feed.
        QString t = m->toPlainText();
        t.replace(u'\n', QLatin1String("\r\n"));
        return t;
    }
    if (auto* check = qobject_cast<const QCheckBox*>(w))
        return check->isChecked() ? text::kFlagYes : text::kFlagNo;
    if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return {};
}

// Where the cursor stands in a field whose text is set: at the start, so
// that a loaded card shows the start of each text; at the end, where the
// user goes on typing after a value set into one field (a picker's).
enum class Cursor { AtStart, AtEnd };

void setWidgetText(QWidget* w, const QString& text, Cursor cursor = Cursor::AtStart) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
        if (cursor == Cursor::AtStart) e->setCursorPosition(0);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        QString t = text;
        t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        m->setPlainText(t);
        if (cursor == Cursor::AtEnd) m->moveCursor(QTextCursor::End);
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        // Ticked by "Sì" (blanks around it aside); anything else, "No" or a
        // value no card writes, clears it, so a card never shows the flag of
        // the card shown before.
        check->setChecked(text::isFlagSet(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(text);
    }
}

// The length a memo's text takes once stored: each line break is CR LF.
qsizetype storedLength(const QString& text) {
    return text.size() + text.count(u'\n') + text.count(QChar::ParagraphSeparator);
}

// A memo that holds at most `limit` stored characters: a typed key that
// would pass it is refused, a paste is cut to what fits. Tab moves on to
// the next field, as from any other field; it types nothing.
class MemoEdit : public QPlainTextEdit {
public:
    MemoEdit(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit) {
        setTabChangesFocus(true);
    }

    // Whether `text` can replace the selection without passing the limit.
    bool hasRoomFor(const QString& text) const { return storedLength(text) <= room(); }

protected:
    void insertFromMimeData(const QMimeData* source) override {
        QString text = source->text();
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(u'\r', u'\n');
        while (!text.isEmpty() && storedLength(text) > room()) text.chop(1);
        if (!text.isEmpty()) textCursor().insertText(text);
    }

private:
    qsizetype room() const {
        return limit_ - storedLength(toPlainText()) + storedLength(textCursor().selectedText());
    }

    int limit_;
};

int typingLimitOf(const CardField& desc, int capacity) {
    return desc.typingLimit > 0 ? desc.typingLimit : capacity;
}

QLineEdit* lineEditOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e;
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->lineEdit();
    return nullptr;
}

// A control's name without its kind: "txtNome" and "chkSegnala" give
// "Nome" and "Segnala".
QString suffixOf(const QString& control) {
    const bool kindPrefix =
        control.startsWith(QLatin1String("txt")) || control.startsWith(QLatin1String("chk"));
    return kindPrefix ? control.mid(3) : control;
}

bool isPureModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
           key == Qt::Key_NumLock;
}

// The text a key press types into a field, as a line edit decides it:
// nothing for navigation and editing keys (Tab is "\t", Backspace "\b")
// and for shortcuts (Ctrl or Ctrl+Shift; AltGr, reported as Ctrl+Alt,
// still types).
QString typedText(const QKeyEvent* key) {
    const QString text = key->text();
    if (text.isEmpty()) return {};
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return {};
    }
    const QChar c = text.front();
    const bool types = c.isPrint() || c.isHighSurrogate() || c.category() == QChar::Other_Format ||
                       c.category() == QChar::Other_PrivateUse;
    return types ? text : QString();
}

// The keys a drop-down that takes only its items lets through: Enter, Left
// and Right, Tab, the modifiers alone, the shortcuts of Ctrl and a letter
// (copy, paste, undo...), and the keys that open its list (F4, Alt+Down,
// Alt+Up), where the user picks an item.
bool passesListOnly(const QKeyEvent* key) {
    const int code = key->key();
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (code) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_F4:
            return true;
        case Qt::Key_Down:
        case Qt::Key_Up:
            return modifiers == Qt::AltModifier;
        default:
            break;
    }
    if (isPureModifier(code)) return true;
    const bool ctrl =
        modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    return ctrl && code >= Qt::Key_A && code <= Qt::Key_Z;
}

// Whether a field's highlight is shown: as its row asks, otherwise for
// every kind but check boxes.
bool hasHighlight(const CardField& desc) {
    return desc.highlight.value_or(desc.kind != CardFieldKind::Check);
}

// The style of a field that paints its own fills: resting, and yellow (or
// the card's focus fill) while it has the focus.
QString fillStyle(const QWidget* field, const FieldFills& fills, const char* restFill) {
    const QString type = QString::fromLatin1(field->metaObject()->className());
    return QStringLiteral(
               "%1 { background: %2; border: 1px solid %3; } "
               "%1:focus { background: %4; }")
        .arg(type, QString::fromLatin1(restFill ? restFill : fills.rest),
             QString::fromLatin1(fills.border), QString::fromLatin1(fills.focus));
}

}  // namespace

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
    : QWidget(parent), definition_(std::move(definition)) {
    setObjectName(QString::fromLatin1(definition_.windowName));
    setWindowTitle(definition_.caption);
    buildFrame();
    buildFields();
}

CardWindow::~CardWindow() = default;

QString CardWindow::recordFilePath() const {
    if (definition_.fileInLabel) return lblFile_->text();
    return archivePath(*definition_.layout);
}

void CardWindow::setRecordFile(const QString& path) {
    lblFile_->setText(path);
}

bool CardWindow::openRecordFile(const QString& path) {
    if (definition_.fileInLabel) {
        setRecordFile(path);
        return true;
    }
    return QFileInfo(path) == QFileInfo(recordFilePath());
}

void CardWindow::setStartPanel(QWidget* panel) {
    startPanel_ = panel;
    pages_->insertWidget(0, panel);
    showStartPanel();
}

void CardWindow::showStartPanel() {
    if (startPanel_) pages_->setCurrentWidget(startPanel_);
}

void CardWindow::showCardPanel() {
    pages_->setCurrentWidget(cardPage_);
}

bool CardWindow::startPanelShown() const {
    return startPanel_ && pages_->currentWidget() == startPanel_;
}

void CardWindow::buildFrame() {
    setAutoFillBackground(true);
    // The window's pages: the card, and a start panel in front of it for a
    // card that has one.
    pages_ = new QStackedLayout(this);
    cardPage_ = new QWidget(this);
    cardPage_->setObjectName(QStringLiteral("panContainer"));
    pages_->addWidget(cardPage_);
    auto* outer = new QVBoxLayout(cardPage_);
    outer->setContentsMargins(6, 6, 6, 0);
    outer->setSpacing(6);

    const bool column = definition_.toolbar == CardDefinition::Toolbar::Column;
    auto* toolbarFrame = new QFrame(cardPage_);
    toolbarFrame->setObjectName(QStringLiteral("panToolbar"));
    toolbar_ = column ? static_cast<QBoxLayout*>(new QVBoxLayout(toolbarFrame))
                      : static_cast<QBoxLayout*>(new QHBoxLayout(toolbarFrame));
    toolbar_->setContentsMargins(0, 0, 0, 0);
    toolbar_->setSpacing(10);
    toolbar_->addStretch(1);

    panRecord_ = new QFrame(cardPage_);
    panRecord_->setObjectName(QStringLiteral("panRecord"));
    panRecord_->setFrameShape(QFrame::StyledPanel);
    if (column) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        row->addWidget(toolbarFrame);
        row->addWidget(panRecord_, 1);
        outer->addLayout(row, 1);
    } else {
        outer->addWidget(toolbarFrame);
        outer->addWidget(panRecord_, 1);
    }

    lblFile_ = new QLabel(this);
    lblFile_->setTextFormat(Qt::PlainText);
    lblFile_->setObjectName(QStringLiteral("lblFile"));
    lblFile_->hide();

    btnFocus_ = new QPushButton(this);
    btnFocus_->setObjectName(QStringLiteral("btnFocus"));
    btnFocus_->setFixedSize(0, 0);
    btnFocus_->setFocusPolicy(Qt::NoFocus);
    btnFocus_->setFlat(true);
    outer->addWidget(btnFocus_);

    panInfo_ = statusLine(this, definition_.readyText);
    outer->addWidget(panInfo_);

    lblPosizione_ = new QLabel(this);
    lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione_->setAlignment(Qt::AlignCenter);
    lblPosizione_->setMinimumWidth(60);
    QFont bold = lblPosizione_->font();
    bold.setBold(true);
    bold.setPointSize(12);
    lblPosizione_->setFont(bold);

    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(cardPage_),
                       static_cast<QWidget*>(toolbarFrame), static_cast<QWidget*>(panRecord_),
                       static_cast<QWidget*>(panInfo_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void CardWindow::buildFields() {
    const RecordLayout& layout = *definition_.layout;
    QFont editFont(QStringLiteral("Verdana"), 12);
    editFont.setBold(true);

    for (const CardField& desc : definition_.fields) {
        Q_ASSERT_X(desc.field.index >= 0 && desc.field.index < qsizetype(layout.fields.size()),
                   "CardWindow", "a card field outside the record layout");
        const FieldSpec& recordField = layout.fields[std::size_t(desc.field.index)];
        const QString name = QString::fromLatin1(recordField.control);
        const int capacity = recordField.capacity;
        QWidget* w = nullptr;
        switch (desc.kind) {
            case CardFieldKind::Edit:
            case CardFieldKind::CalendarDate: {
                auto* e = new QLineEdit(panRecord_);
                e->setMaxLength(capacity);
                e->setReadOnly(desc.kind == CardFieldKind::CalendarDate);
                connect(e, &QLineEdit::textEdited, this,
                        [this, e, typing = desc.typing] { applyTyping(e, typing); });
                w = e;
                break;
            }
            case CardFieldKind::Memo:
                w = new MemoEdit(typingLimitOf(desc, capacity), panRecord_);
                break;
            case CardFieldKind::Check:
                w = new QCheckBox(QString::fromUtf8(desc.label), panRecord_);
                break;
            case CardFieldKind::ListOnly:
            case CardFieldKind::Combo: {
                auto* c = new QComboBox(panRecord_);
                if (desc.items) {
                    c->addItems(desc.items());
                    c->setCurrentIndex(-1);
                }
                c->setEditable(true);
                c->setInsertPolicy(QComboBox::NoInsert);
                c->lineEdit()->setMaxLength(capacity);
                connect(c->lineEdit(), &QLineEdit::textEdited, this,
                        [this, c, typing = desc.typing] { applyTyping(c, typing); });
                w = c;
                break;
            }
        }
        w->setObjectName(name);
        if (desc.kind != CardFieldKind::Check) {
            w->setFont(editFont);
            auto* label = new QLabel(QString::fromUtf8(desc.label), panRecord_);
            label->setBuddy(w);
            labels_.insert(name, label);
        }
        w->installEventFilter(this);
        controls_.insert(name, w);
        fieldSpecs_.insert(w, &desc);
        if (desc.hint) {
            const QString hint = QString::fromUtf8(desc.hint);
            w->setToolTip(hint);
            hints_.insert(w, hint);
        }

        if (definition_.fills) {
            if (desc.kind != CardFieldKind::Check) {
                w->setStyleSheet(fillStyle(w, *definition_.fills, desc.restFill));
            }
        } else if (hasHighlight(desc)) {
            highlights_.insert(name, addFocusHighlight(w, QStringLiteral("eff") + suffixOf(name)));
        }
    }

    // Hidden state of the card that the record stores too (attachment slots).
    for (const FieldSpec& field : layout.fields) {
        const QString name = QString::fromLatin1(field.control);
        if (controls_.contains(name)) continue;
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);  // stored text, never markup
        label->hide();
        controls_.insert(name, label);
    }
}

void CardWindow::finishLayout() {
    QWidget* previousField = nullptr;
    for (const CardField& desc : definition_.fields) {
        QWidget* w = control(desc.field);
        if (previousField) setTabOrder(previousField, w);
        previousField = w;
    }
}

QWidget* CardWindow::control(const QString& name) const {
    return controls_.value(name);
}

QString CardWindow::controlText(const QString& name) const {
    const QWidget* w = control(name);
    return w ? widgetText(w) : QString();
}

QWidget* CardWindow::control(FieldId field) const {
    return control(controlName(field));
}

QString CardWindow::controlName(FieldId field) const {
    const auto& fields = definition_.layout->fields;
    if (field.index < 0 || field.index >= qsizetype(fields.size())) return {};
    return QString::fromLatin1(fields[std::size_t(field.index)].control);
}

QLabel* CardWindow::fieldLabel(const QString& control) const {
    return labels_.value(control);
}

QFrame* CardWindow::fieldBox(QWidget* field, const char* icon) {
    auto* box = new QFrame(panRecord_);
    box->setObjectName(QStringLiteral("shp") + suffixOf(field->objectName()));
    box->setStyleSheet(QStringLiteral("QFrame#%1 { background: white; border: 1px solid #9bb7d4; "
                                      "border-radius: 4px; }")
                           .arg(box->objectName()));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(8, 4, 12, 4);
    row->addWidget(
        iconPicture(box, QStringLiteral("img") + suffixOf(field->objectName()), icon, 24));
    row->addWidget(field);
    return box;
}

void CardWindow::placeCell(QHBoxLayout* line, const LayoutCell& cell, bool* rowGrows,
                           bool* rowWidens) {
    if (cell.widget_) {
        line->addWidget(cell.widget_->widget, cell.widget_->stretch);
        *rowWidens = *rowWidens || cell.widget_->stretch > 0;
        return;
    }
    if (cell.button_) {
        QToolButton* button = toolButton(QString::fromLatin1(cell.button_));
        Q_ASSERT_X(button, "CardWindow", "a layout cell names no field button");
        line->addWidget(button);
        return;
    }
    const QString name = controlName(*cell.field_);
    QWidget* field = control(name);
    Q_ASSERT_X(field, "CardWindow", "a layout cell names no card field");
    if (cell.boxIcon_) {
        line->addWidget(fieldBox(field, cell.boxIcon_));
        *rowWidens = true;
        return;
    }
    if (qobject_cast<QPlainTextEdit*>(field)) {
        auto* stack = new QVBoxLayout;
        stack->setSpacing(3);
        if (QLabel* label = fieldLabel(name)) stack->addWidget(label);
        stack->addWidget(field, 1);
        line->addLayout(stack, 1);
        *rowGrows = true;
        *rowWidens = true;
        return;
    }
    if (QLabel* label = fieldLabel(name)) line->addWidget(label);
    const QFontMetrics metrics(field->font());
    if (cell.sample_) {
        field->setFixedWidth(metrics.horizontalAdvance(QString::fromUtf8(cell.sample_)) + 14);
        line->addWidget(field);
    } else {
        field->setMinimumWidth(metrics.horizontalAdvance(u'0') * 6);
        line->addWidget(field, 1);
        *rowWidens = true;
    }
}

void CardWindow::layOutColumns(std::initializer_list<LayoutColumn> columns) {
    auto* grid = new QHBoxLayout(panRecord_);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setSpacing(24);
    for (const LayoutColumn& desc : columns) {
        auto* column = new QVBoxLayout;
        column->setSpacing(9);
        bool columnGrows = false;
        for (const LayoutRow& row : desc.rows) {
            auto* line = new QHBoxLayout;
            line->setSpacing(6);
            bool rowGrows = false;
            bool rowWidens = false;  // a cell takes the width the row leaves
            for (const LayoutCell& cell : row) placeCell(line, cell, &rowGrows, &rowWidens);
            // A row of fields of fixed widths keeps them beside their labels.
            if (!rowWidens) line->addStretch(1);
            column->addLayout(line, rowGrows ? 1 : 0);
            columnGrows = columnGrows || rowGrows;
        }
        if (!columnGrows) column->addStretch(1);
        grid->addLayout(column, desc.stretch);
    }
}

QGroupBox* CardWindow::fieldGroup(const char* name, const QString& title, LayoutRow cells) {
    auto* group = new QGroupBox(title, panRecord_);
    group->setObjectName(QString::fromLatin1(name));
    auto* line = new QHBoxLayout(group);
    line->setSpacing(6);
    bool rowGrows = false;
    bool rowWidens = false;
    for (const LayoutCell& cell : cells) placeCell(line, cell, &rowGrows, &rowWidens);
    return group;
}

QToolButton* CardWindow::toolButton(const QString& name) const {
    return findChild<QToolButton*>(name);
}

void CardWindow::addToolGroup(std::initializer_list<ToolSpec> buttons) {
    auto* group = new QFrame(this);
    group->setObjectName(QStringLiteral("grpToolbar%1").arg(toolbar_->count()));
    group->setStyleSheet(
        QStringLiteral(
            "QFrame#%1 { background: white; border: 1px solid #9bb7d4; border-radius: 4px; }")
            .arg(group->objectName()));
    group->setMouseTracking(true);
    group->installEventFilter(this);
    // In a column, the buttons stand one under the other with their
    // captions; the navigation row stays a row.
    const bool navigation = std::any_of(buttons.begin(), buttons.end(), [](const ToolSpec& desc) {
        return QString::fromLatin1(desc.name) == QLatin1String("lblPosizione");
    });
    const bool column = definition_.toolbar == CardDefinition::Toolbar::Column && !navigation;
    QBoxLayout* row = column ? static_cast<QBoxLayout*>(new QVBoxLayout(group))
                             : static_cast<QBoxLayout*>(new QHBoxLayout(group));
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    for (const ToolSpec& desc : buttons) {
        if (QString::fromLatin1(desc.name) == QLatin1String("lblPosizione")) {
            row->addWidget(lblPosizione_);
            continue;
        }
        QToolButton* button = makeButton(group, desc, column ? 24 : 32);
        if (!desc.caption.isEmpty()) {
            button->setText(desc.caption);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            if (column) button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        }
        row->addWidget(button);
    }
    toolbar_->insertWidget(toolbar_->count() - 1, group);
}

QToolButton* CardWindow::addFieldButton(const ToolSpec& desc) {
    return makeButton(panRecord_, desc, 18);
}

QToolButton* CardWindow::makeButton(QWidget* parent, const ToolSpec& desc, int iconSize) {
    QToolButton* button =
        pictureButton(parent, QString::fromLatin1(desc.name), desc.icon, iconSize);
    button->setToolTip(desc.hint);
    hints_.insert(button, desc.hint);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, desc.action);
    return button;
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

const CardField* CardWindow::fieldOf(const QObject* control) const {
    return fieldSpecs_.value(control, nullptr);
}

bool CardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (const auto hint = hints_.constFind(watched); hint != hints_.constEnd()) {
        if (event->type() == QEvent::Enter) panInfo_->setText(*hint);
        if (event->type() == QEvent::Leave) panInfo_->clear();
        if (!fieldOf(watched)) return false;
    }
    if (const CardField* desc = fieldOf(watched)) {
        auto* field = static_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::KeyPress:
                return handleFieldKey(field, *desc, static_cast<QKeyEvent*>(event));
            case QEvent::FocusIn:
                enterField(field);
                break;
            case QEvent::FocusOut:
                if (currentField_ == field) leaveField(field, *desc);
                break;
            case QEvent::Wheel:
                // The wheel would step through the items as Up and Down do.
                return desc->kind == CardFieldKind::ListOnly;
            default:
                break;
        }
        return false;
    }
    // Moving the mouse over any other part of the window clears the status
    // line (a move over a button reaches its group too, and is skipped).
    if (event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!hints_.contains(QApplication::widgetAt(move->globalPosition().toPoint()))) {
            panInfo_->clear();
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CardWindow::handleFieldKey(QWidget* field, const CardField& desc, QKeyEvent* key) {
    const int code = key->key();
    if (desc.kind == CardFieldKind::ListOnly) {
        // Its value comes from its list, picked with the mouse or in the
        // list opened by F4 or Alt+Down: Backspace and Delete empty it,
        // Enter moves on, Left and Right move the cursor, Tab and the
        // shortcuts (copy, paste...) work as in any field; every other key
        // is swallowed, so that no key changes the item shown (Up, Down,
        // Page Up and Page Down would step through the list).
        if (code == Qt::Key_Backspace || code == Qt::Key_Delete) {
            auto* combo = static_cast<QComboBox*>(field);
            combo->setCurrentIndex(-1);
            combo->setEditText(QString());
            return true;
        }
        if (!passesListOnly(key)) return true;
        if (code != Qt::Key_Return && code != Qt::Key_Enter) return false;
    }
    if (desc.kind == CardFieldKind::CalendarDate) {
        if (code == Qt::Key_Backspace || code == Qt::Key_Delete) {
            setWidgetText(field, QString());
            return true;
        }
        if (code == Qt::Key_Tab || code == Qt::Key_Backtab || isPureModifier(code) ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            return false;
        }
        openDateImport(field, QString::fromLatin1(desc.dateTag));
        return true;
    }
    if (code == Qt::Key_Return || code == Qt::Key_Enter) {
        if (!desc.next) {
            // A memo starts a new line, if it has room for it.
            auto* memo = dynamic_cast<MemoEdit*>(field);
            return memo && !memo->hasRoomFor(QStringLiteral("\n"));
        }
        if (QWidget* next = control(*desc.next)) moveByEnter(next);
        return true;
    }
    const QString typed = typedText(key);
    if (typed.isEmpty()) return false;
    if (desc.accepts && !std::all_of(typed.begin(), typed.end(), desc.accepts)) return true;
    if (desc.typingLimit > 0) {
        if (QLineEdit* edit = lineEditOf(field)) {
            if (edit->text().size() - edit->selectedText().size() >= desc.typingLimit) return true;
        }
    }
    if (auto* memo = dynamic_cast<MemoEdit*>(field)) return !memo->hasRoomFor(typed);
    return false;
}

// Enter takes the user to the next field ready to type over it: a one-line
// field with its whole text selected, as Tab leaves it; a memo with its
// text kept and the cursor at its end.
void CardWindow::moveByEnter(QWidget* next) {
    focusField(next);
}

void CardWindow::applyTyping(QWidget* field, Typing typing) {
    QLineEdit* edit = lineEditOf(field);
    if (!edit || typing == Typing::AsTyped) return;
    const QString before = edit->text();
    QString after = text::trimBlanks(before);
    if (typing == Typing::UpperTrimmed) after = after.toUpper();
    if (after == before) return;
    // Keep the cursor where the user was typing, less the blanks removed
    // before it.
    qsizetype leading = 0;
    while (leading < before.size() && before.at(leading).unicode() <= 0x20) ++leading;
    const int cursor = edit->cursorPosition();
    edit->setText(after);
    edit->setCursorPosition(
        qBound(0, cursor - static_cast<int>(leading), static_cast<int>(after.size())));
}

void CardWindow::enterField(QWidget* field) {
    currentField_ = field;
    const CardField* desc = fieldOf(field);
    auto* combo = qobject_cast<QComboBox*>(field);
    if (combo && desc && desc->kind == CardFieldKind::Combo) {
        // A drop-down the user may also type into starts with no selection;
        // the typed text stays. One that takes only its items keeps the
        // item it shows.
        const QString text = combo->currentText();
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

void CardWindow::leaveField(QWidget* field, const CardField& desc) {
    if (currentField_ == field) currentField_ = nullptr;
    if (desc.kind == CardFieldKind::ListOnly) {
        // Only an item of the list stays; a pasted text that is none goes.
        auto* combo = static_cast<QComboBox*>(field);
        if (combo->findText(combo->currentText(), Qt::MatchExactly) < 0) {
            combo->setCurrentIndex(-1);
            combo->setEditText(QString());
        }
    }
    // Save may leave a field without a focus event reaching it.
    if (QFrame* effect = highlights_.value(field->objectName())) effect->hide();
    applyLeaveRule(field, desc);
}

void CardWindow::applyLeaveRule(QWidget* field, const CardField& desc) {
    if (!desc.onLeave) return;
    const QString text = widgetText(field);
    const QString ruled = desc.onLeave(text);
    // A field that keeps the focus keeps its cursor at the end.
    if (ruled != text) {
        setWidgetText(field, ruled, field->hasFocus() ? Cursor::AtEnd : Cursor::AtStart);
    }
}

void CardWindow::openDateImport(QWidget* field, const QString& tag) {
    Q_UNUSED(field);
    TfrmCalendario dialog(this);
    dialog.setMemory(tag);
    dialog.exec();
}

qsizetype CardWindow::position() const {
    return lblPosizione_->text().toLongLong();
}

void CardWindow::setPosition(qsizetype number) {
    lblPosizione_->setText(number > 0 ? QString::number(number) : QString());
}

FieldValues CardWindow::cardValues() const {
    FieldValues values;
    for (const FieldSpec& field : definition_.layout->fields) {
        values.append(widgetText(control(QString::fromLatin1(field.control))));
    }
    return values;
}

void CardWindow::loadValues(const FieldValues& stored, qsizetype number) {
    const RecordLayout& layout = *definition_.layout;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const auto index = static_cast<qsizetype>(i);
        QWidget* w = control(QString::fromLatin1(layout.fields[i].control));
        if (w && index < stored.size()) {
            setWidgetText(w, codec::displayText(layout.encoding, stored.at(index)));
        }
    }
    setPosition(number);
    recordShown(number);
}

void CardWindow::loadDerived(const FieldValues& values) {
    const FieldValues shown = cardValues();
    for (qsizetype i = 0; i < values.size() && i < shown.size(); ++i) {
        if (values.at(i) == shown.at(i)) continue;
        const auto& field = definition_.layout->fields[std::size_t(i)];
        if (QWidget* w = control(QString::fromLatin1(field.control)))
            setWidgetText(w, values.at(i));
    }
}

void CardWindow::setFieldText(const QString& name, const QString& text) {
    if (QWidget* w = control(name)) setWidgetText(w, text, Cursor::AtEnd);
}

bool CardWindow::loadRecord(qsizetype number) {
    RecordFile file(recordFilePath(), definition_.layout->recordSize());
    QByteArray record;
    const bool ok = file.open(RecordFile::Access::Read) && file.readAt(number - 1, &record);
    file.close();
    if (!ok) {
        showAccessError(false);
        return false;
    }
    loadValues(codec::decode(*definition_.layout, record), number);
    return true;
}

std::optional<qsizetype> CardWindow::recordCount() {
    RecordFile file(recordFilePath(), definition_.layout->recordSize());
    if (!file.open(RecordFile::Access::Read)) {
        showAccessError(false);
        return std::nullopt;
    }
    return file.count();
}

void CardWindow::first() {
    const auto count = recordCount();
    if (!count) return;
    if (*count == 0) return showEmptyArchive();
    loadRecord(1);
}

void CardWindow::previous() {
    const auto count = recordCount();
    if (!count) return;
    const qsizetype shown = position();
    if (shown == 1) return;
    if (*count == 0) return showEmptyArchive();
    loadRecord(shown <= 2 ? 1 : shown - 1);
}

void CardWindow::next() {
    const auto count = recordCount();
    if (!count) return;
    const qsizetype shown = position();
    if (*count == 0) {
        setPosition(0);
        return showEmptyArchive();
    }
    if (shown < *count) loadRecord(shown + 1);
}

void CardWindow::last() {
    const auto count = recordCount();
    if (!count) return;
    if (*count == 0) return showEmptyArchive();
    loadRecord(*count);
}

void CardWindow::save() {
    // The field being edited holds a text its leave rule would replace (no
    // amount, which would be stored as zero): the user has not seen what
    // would be stored, so nothing is, and the field is theirs to correct.
    if (QWidget* field = currentField_) {
        const CardField* desc = fieldOf(field);
        const QString typed = widgetText(field);
        if (desc && !takesText(*desc, typed)) {
            // The message takes the focus, which does not leave the field:
            // it keeps the text typed, for the user to correct.
            currentField_ = nullptr;
            // The field as its label names it, without the colons.
            const QString name = QString::fromUtf8(desc->label).remove(u':').simplified();
            seams::messages().warning(archivemsg::notAnAmount(name, typed));
            currentField_ = field;
            focusField(field);
            return;
        }
    }
    if (definition_.leaveFieldOnSave) {
        // Leave the field being edited, so that its text is final (an
        // amount is formatted) before the card is read.
        btnFocus_->setFocus();
        if (currentField_) {
            if (const CardField* desc = fieldOf(currentField_)) leaveField(currentField_, *desc);
        }
    } else if (currentField_) {
        // The field keeps the focus, and its text is stored as it would be
        // once left (an amount formatted), as the card then shows it.
        if (const CardField* desc = fieldOf(currentField_)) applyLeaveRule(currentField_, *desc);
    }
    FieldValues values = cardValues();
    if (definition_.derive) {
        definition_.derive(values);
        loadDerived(values);
    }
    if (definition_.check) {
        if (const auto failed = definition_.check(values)) {
            if (failed->kind == SaveCheck::Kind::Warning) {
                seams::messages().warning(failed->message);
            } else {
                seams::messages().plain(failed->message);
            }
            if (QWidget* w = control(failed->focusControl)) focusField(w);
            return;
        }
    }
    const FieldValues checked = values;
    if (!acceptUnstorable(values)) return;
    // Once written, the card shows the texts stored with '?' as stored.
    const auto showStored = [&] {
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (values.at(i) == checked.at(i)) continue;
            if (QWidget* w = controlAt(i)) setWidgetText(w, values.at(i));
        }
    };
    const QByteArray record = codec::encode(*definition_.layout, values);
    RecordFile file(recordFilePath(), definition_.layout->recordSize());
    if (!file.open(RecordFile::Access::Write)) {
        return showAccessError(definition_.plainAccessErrorOnSave);
    }
    const qsizetype shown = position();
    if (shown > 0) {
        const bool ok = file.writeAt(shown - 1, record);
        file.close();
        if (!ok) return showAccessError(definition_.plainAccessErrorOnSave);
        showStored();
        if (recordStored(shown, false)) {
            seams::messages().informationOkCancel(archivemsg::recordUpdated());
        }
    } else {
        const qsizetype number = file.append(record);
        file.close();
        if (number == 0) return showAccessError(definition_.plainAccessErrorOnSave);
        showStored();
        setPosition(number);
        if (recordStored(number, true)) {
            seams::messages().informationOkCancel(definition_.insertedMessage);
        }
    }
}

QWidget* CardWindow::controlAt(qsizetype index) const {
    return control(QString::fromLatin1(definition_.layout->fields[std::size_t(index)].control));
}

QString CardWindow::fieldName(qsizetype index) const {
    const QString name =
        QString::fromLatin1(definition_.layout->fields[std::size_t(index)].control);
    for (const CardField& desc : definition_.fields) {
        if (desc.field.index == index) return QString::fromUtf8(desc.label);
    }
    // The attachments, by the names their window gives them.
    for (std::size_t k = 0; k < kAttachmentSlots.size(); ++k) {
        const QString ordinal = QStringLiteral("%1°").arg(k + 1);
        if (name == QLatin1String(kAttachmentSlots[k].fileLabel))
            return QStringLiteral("Nome %1 file allegato").arg(ordinal);
        if (name == QLatin1String(kAttachmentSlots[k].descriptionLabel))
            return QStringLiteral("Descrizione %1 file allegato").arg(ordinal);
    }
    return name;
}

bool CardWindow::acceptUnstorable(FieldValues& values) {
    QList<codec::UnstorableField> unstorable = codec::unstorableFields(*definition_.layout, values);
    if (unstorable.isEmpty()) return true;
    // Listed in the card's order, the fields it shows first.
    const auto order = [this](qsizetype index) {
        for (std::size_t i = 0; i < definition_.fields.size(); ++i) {
            if (definition_.fields[i].field.index == index) return qsizetype(i);
        }
        return qsizetype(definition_.fields.size()) + index;
    };
    std::stable_sort(unstorable.begin(), unstorable.end(),
                     [&](const auto& a, const auto& b) { return order(a.field) < order(b.field); });
    QStringList lines;
    for (const codec::UnstorableField& field : unstorable) {
        lines.append(archivemsg::unstorableLine(fieldName(field.field), field.characters));
    }
    if (!seams::messages().confirm(archivemsg::unstorableCharacters(lines))) {
        // Back to the first field the user can mend, its first such
        // characters selected.
        for (const codec::UnstorableField& field : unstorable) {
            QWidget* w = controlAt(field.field);
            if (!w || !fieldOf(w)) continue;
            selectUnstorable(w);
            break;
        }
        return false;
    }
    // Stored with '?' in their place.
    for (const codec::UnstorableField& field : unstorable) {
        values[field.field] = cp1252::storable(values.at(field.field));
    }
    return true;
}

void CardWindow::selectUnstorable(QWidget* field) {
    field->setFocus(Qt::OtherFocusReason);
    QLineEdit* edit = lineEditOf(field);
    auto* memo = qobject_cast<QPlainTextEdit*>(field);
    const QString text = edit ? edit->text() : memo ? memo->toPlainText() : QString();
    const QList<cp1252::Unencodable> found = cp1252::unencodable(text);
    if (found.isEmpty()) return;
    // The first run of adjacent characters that cannot be stored.
    qsizetype end = found.front().position + found.front().character.size();
    for (qsizetype i = 1; i < found.size() && found.at(i).position == end; ++i) {
        end += found.at(i).character.size();
    }
    const qsizetype start = found.front().position;
    if (edit) {
        edit->setSelection(int(start), int(end - start));
    } else if (memo) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(int(start));
        cursor.setPosition(int(end), QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
}

void CardWindow::clearCard() {
    for (const CardField& desc : definition_.fields) {
        QWidget* w = control(desc.field);
        if (auto* check = qobject_cast<QCheckBox*>(w)) {
            check->setChecked(false);
        } else {
            setWidgetText(
                w, desc.defaultValue ? desc.defaultValue() : QString::fromUtf8(desc.defaultText));
        }
    }
    clearAttachmentLabels();
    setPosition(0);
    focusFirstField();
    cardCleared();
}

void CardWindow::duplicate() {
    if (position() == 0) return seams::messages().warning(archivemsg::duplicateNeedsStoredCard());
    clearAttachmentLabels();
    setPosition(0);
    focusFirstField();
    cardDuplicated();
    seams::messages().informationOkCancel(archivemsg::duplicateReady());
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

void CardWindow::clearAttachmentLabels() {
    for (const AttachmentSlot& slot : kAttachmentSlots) {
        for (const char* name : {slot.fileLabel, slot.descriptionLabel}) {
            if (auto* label = qobject_cast<QLabel*>(control(QString::fromLatin1(name)))) {
                label->clear();
            }
        }
    }
}

void CardWindow::focusFirstField() {
    if (!definition_.fields.empty()) {
        if (QWidget* w = control(definition_.fields.front().field)) {
            w->setFocus();
        }
    }
}

void CardWindow::showAccessError(bool plain) {
    if (plain) {
        seams::messages().plain(archivemsg::accessError());
    } else {
        seams::messages().error(archivemsg::accessError());
    }
}

void CardWindow::showEmptyArchive() {
    seams::messages().informationOkCancel(archivemsg::emptyArchive());
}

void CardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        // Enter presses the button that has the focus, which shows a mark.
        makeKeyboardButtons(this);
        // Every visit starts on a new card, with the ready text rather than
        // the last hint of the previous visit.
        clearCard();
        panInfo_->setText(definition_.readyText);
    }
}

void CardWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) Q_EMIT closed();
}
