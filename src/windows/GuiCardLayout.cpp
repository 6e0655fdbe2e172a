#include "windows/GuiCardLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/GuiShell.h"
#include "windows/GuiCardControls.h"

namespace {

int typingLimitOf(const CardField& desc, int capacity) {
    return desc.typingLimit > 0 ? desc.typingLimit : capacity;
}

// A control's name without its kind: "txtNome" and "chkSegnala" give
// "Nome" and "Segnala".
QString suffixOf(const QString& control) {
    const bool kindPrefix =
        control.startsWith(QLatin1String("txt")) || control.startsWith(QLatin1String("chk"));
    return kindPrefix ? control.mid(3) : control;
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

CardLayout::CardLayout(QWidget& window, const CardDefinition& definition)
    : window_(window), definition_(definition) {}

void CardLayout::build() {
    buildFrame();
    buildFields();
}

void CardLayout::setStartPanel(QWidget* panel) {
    startPanel_ = panel;
    pages_->insertWidget(0, panel);
    showStartPanel();
}

void CardLayout::showStartPanel() {
    if (startPanel_) pages_->setCurrentWidget(startPanel_);
}

void CardLayout::showCardPanel() {
    pages_->setCurrentWidget(cardPage_);
}

bool CardLayout::startPanelShown() const {
    return startPanel_ && pages_->currentWidget() == startPanel_;
}

void CardLayout::buildFrame() {
    window_.setAutoFillBackground(true);
    // The window's pages: the card, and a start panel in front of it for a
    // card that has one.
    pages_ = new QStackedLayout(&window_);
    cardPage_ = new QWidget(&window_);
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

    lblFile_ = new QLabel(&window_);
    lblFile_->setTextFormat(Qt::PlainText);
    lblFile_->setObjectName(QStringLiteral("lblFile"));
    lblFile_->hide();

    btnFocus_ = new QPushButton(&window_);
    btnFocus_->setObjectName(QStringLiteral("btnFocus"));
    btnFocus_->setFixedSize(0, 0);
    btnFocus_->setFocusPolicy(Qt::NoFocus);
    btnFocus_->setFlat(true);
    outer->addWidget(btnFocus_);

    panInfo_ = ::statusLine(&window_, definition_.readyText);
    outer->addWidget(panInfo_);

    lblPosizione_ = new QLabel(&window_);
    lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione_->setAlignment(Qt::AlignCenter);
    lblPosizione_->setMinimumWidth(60);
    QFont bold = lblPosizione_->font();
    bold.setBold(true);
    bold.setPointSize(12);
    lblPosizione_->setFont(bold);

    for (QWidget* w :
         {&window_, static_cast<QWidget*>(cardPage_), static_cast<QWidget*>(toolbarFrame),
          static_cast<QWidget*>(panRecord_), static_cast<QWidget*>(panInfo_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(&window_);
    }
}

void CardLayout::buildFields() {
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
                w = e;
                break;
            }
            case CardFieldKind::Memo:
                w = new cardcontrols::MemoEdit(typingLimitOf(desc, capacity), panRecord_);
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
        w->installEventFilter(&window_);
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
        auto* label = new QLabel(&window_);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);  // stored text, never markup
        label->hide();
        controls_.insert(name, label);
    }
}

void CardLayout::finishLayout() {
    QWidget* previousField = nullptr;
    for (const CardField& desc : definition_.fields) {
        QWidget* w = control(desc.field);
        if (previousField) QWidget::setTabOrder(previousField, w);
        previousField = w;
    }
}

QWidget* CardLayout::control(const QString& name) const {
    return controls_.value(name);
}

QWidget* CardLayout::control(FieldId field) const {
    return control(controlName(field));
}

QString CardLayout::controlName(FieldId field) const {
    const auto& fields = definition_.layout->fields;
    if (field.index < 0 || field.index >= qsizetype(fields.size())) return {};
    return QString::fromLatin1(fields[std::size_t(field.index)].control);
}

QWidget* CardLayout::controlAt(qsizetype index) const {
    return control(QString::fromLatin1(definition_.layout->fields[std::size_t(index)].control));
}

const CardField* CardLayout::fieldOf(const QObject* control) const {
    return fieldSpecs_.value(control, nullptr);
}

QLabel* CardLayout::fieldLabel(const QString& control) const {
    return labels_.value(control);
}

QFrame* CardLayout::highlight(const QString& control) const {
    return highlights_.value(control);
}

QFrame* CardLayout::fieldBox(QWidget* field, const char* icon) {
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

void CardLayout::placeCell(QHBoxLayout* line, const Cell& cell, bool* rowGrows, bool* rowWidens) {
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

void CardLayout::layOutColumns(std::initializer_list<Column> columns) {
    auto* grid = new QHBoxLayout(panRecord_);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setSpacing(24);
    for (const Column& desc : columns) {
        auto* column = new QVBoxLayout;
        column->setSpacing(9);
        bool columnGrows = false;
        for (const Row& row : desc.rows) {
            auto* line = new QHBoxLayout;
            line->setSpacing(6);
            bool rowGrows = false;
            bool rowWidens = false;  // a cell takes the width the row leaves
            for (const Cell& cell : row) placeCell(line, cell, &rowGrows, &rowWidens);
            // A row of fields of fixed widths keeps them beside their labels.
            if (!rowWidens) line->addStretch(1);
            column->addLayout(line, rowGrows ? 1 : 0);
            columnGrows = columnGrows || rowGrows;
        }
        if (!columnGrows) column->addStretch(1);
        grid->addLayout(column, desc.stretch);
    }
}

QGroupBox* CardLayout::fieldGroup(const char* name, const QString& title, Row cells) {
    auto* group = new QGroupBox(title, panRecord_);
    group->setObjectName(QString::fromLatin1(name));
    auto* line = new QHBoxLayout(group);
    line->setSpacing(6);
    bool rowGrows = false;
    bool rowWidens = false;
    for (const Cell& cell : cells) placeCell(line, cell, &rowGrows, &rowWidens);
    return group;
}

QToolButton* CardLayout::toolButton(const QString& name) const {
    return window_.findChild<QToolButton*>(name);
}

void CardLayout::addToolGroup(std::initializer_list<ToolSpec> buttons) {
    auto* group = new QFrame(&window_);
    group->setObjectName(QStringLiteral("grpToolbar%1").arg(toolbar_->count()));
    group->setStyleSheet(
        QStringLiteral(
            "QFrame#%1 { background: white; border: 1px solid #9bb7d4; border-radius: 4px; }")
            .arg(group->objectName()));
    group->setMouseTracking(true);
    group->installEventFilter(&window_);
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

QToolButton* CardLayout::addFieldButton(const ToolSpec& desc) {
    return makeButton(panRecord_, desc, 18);
}

QToolButton* CardLayout::makeButton(QWidget* parent, const ToolSpec& desc, int iconSize) {
    QToolButton* button =
        pictureButton(parent, QString::fromLatin1(desc.name), desc.icon, iconSize);
    button->setToolTip(desc.hint);
    hints_.insert(button, desc.hint);
    button->installEventFilter(&window_);
    QObject::connect(button, &QToolButton::clicked, &window_, desc.action);
    return button;
}

void CardLayout::followMouse(QObject* watched, QEvent* event) {
    if (const auto hint = hints_.constFind(watched); hint != hints_.constEnd()) {
        if (event->type() == QEvent::Enter) panInfo_->setText(*hint);
        if (event->type() == QEvent::Leave) panInfo_->clear();
        return;
    }
    // Moving the mouse over any other part of the window clears the status
    // line (a move over a button reaches its group too, and is skipped).
    if (event->type() == QEvent::MouseMove && !fieldOf(watched)) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!hints_.contains(QApplication::widgetAt(move->globalPosition().toPoint()))) {
            panInfo_->clear();
        }
    }
}
