#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>

// Finds the texts a window shows cut off: a label, button, check box or
// group title wider than the room its widget gives it (or a wrapped label
// taller), a field's text wider than the field, a window title wider
// than its title bar, a calendar's day name wider than its column. Each
// finding is one line: "what 'text': needs N px, has M".

namespace textfit {

// A text as it is drawn: "&Salva" shows "Salva", "&&" shows "&".
inline QString withoutMnemonic(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size()) ++i;
        shown += text.at(i);
    }
    return shown;
}

inline QString finding(const QWidget* widget, const QString& text, int needed, int room) {
    return QStringLiteral("%1 %2 '%3': needs %4 px, has %5")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text)
        .arg(needed)
        .arg(room);
}

// The style option a button paints with (initStyleOption is protected:
// reached through a pointer to the member, without casting the widget).
template <typename Button, typename Option>
Option styleOptionOf(const Button* button) {
    struct Access : Button {
        using Button::initStyleOption;
    };
    void (Button::*init)(Option*) const = &Access::initStyleOption;
    Option option;
    (button->*init)(&option);
    return option;
}

// A plain-text label: each line within its width; when it wraps, each word
// within its width and the lines within its height.
inline void checkLabel(const QLabel* label, QStringList& found) {
    if (label->text().isEmpty()) return;
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich) return;
    const QFontMetrics metrics = label->fontMetrics();
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0) indent = metrics.horizontalAdvance(u'x') / 2;
    const int room = label->contentsRect().width() - 2 * label->margin() - std::max(indent, 0);
    const QString text = label->buddy() ? withoutMnemonic(label->text()) : label->text();
    const QStringList pieces =
        label->wordWrap()
            ? text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)
            : text.split(u'\n');
    for (const QString& piece : pieces) {
        const int needed = metrics.horizontalAdvance(piece);
        if (needed > room) found.append(finding(label, piece, needed, room));
    }
    if (label->wordWrap() && label->heightForWidth(label->width()) > label->height()) {
        found.append(QStringLiteral("%1 %2 '%3': needs %4 px of height, has %5")
                         .arg(QString::fromLatin1(label->metaObject()->className()),
                              label->objectName(), text)
                         .arg(label->heightForWidth(label->width()))
                         .arg(label->height()));
    }
}

inline void checkButton(const QAbstractButton* button, QStringList& found) {
    if (button->text().isEmpty()) return;
    const QString text = withoutMnemonic(button->text());
    const int advance = button->fontMetrics().horizontalAdvance(text);
    const QStyle* style = button->style();
    int needed = advance;
    int room = 0;
    if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull()) return;
        // The style sizes a tool button from its icon and text.
        needed = tool->sizeHint().width();
        room = tool->width();
    } else if (const auto* check = qobject_cast<const QCheckBox*>(button)) {
        const auto option = styleOptionOf<QCheckBox, QStyleOptionButton>(check);
        room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(button)) {
        const auto option = styleOptionOf<QRadioButton, QStyleOptionButton>(radio);
        room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width();
    } else if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        const auto option = styleOptionOf<QPushButton, QStyleOptionButton>(push);
        room = style->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
        if (!push->icon().isNull()) needed += push->iconSize().width() + 4;
    } else {
        room = button->contentsRect().width();
    }
    if (needed > room) found.append(finding(button, text, needed, room));
}

inline void checkGroupTitle(const QGroupBox* box, QStringList& found) {
    if (box->title().isEmpty()) return;
    const auto option = styleOptionOf<QGroupBox, QStyleOptionGroupBox>(box);
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    if (title.left() < 0 || title.right() > box->rect().right()) {
        found.append(finding(box, withoutMnemonic(box->title()), title.width(),
                             box->width() - std::max(title.left(), 0)));
    }
}

// A one-line field, or the edit of a drop-down: its whole text within the
// line it is drawn on (the contents less the text margins and the field's
// own margin of 2 px on each side), with the cursor after it, so that it
// shows without scrolling. A drop-down's edit is named by its drop-down.
inline void checkLineEdit(const QLineEdit* edit, QStringList& found) {
    if (edit->text().isEmpty() || edit->echoMode() != QLineEdit::Normal) return;
    const auto option = styleOptionOf<QLineEdit, QStyleOptionFrame>(edit);
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    constexpr int kFieldMargin = 2;
    const int room = contents.marginsRemoved(edit->textMargins()).width() - 2 * kFieldMargin;
    const int needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 1;
    if (needed <= room) return;
    const QWidget* named =
        edit->objectName().isEmpty() && edit->parentWidget() ? edit->parentWidget() : edit;
    found.append(finding(named, edit->text(), needed, room));
}

// The day names over a calendar's columns, as its cells draw them: inside
// the grid line, less the item's text margins.
inline void checkCalendarHeader(const QCalendarWidget* calendar, QStringList& found) {
    if (calendar->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader) return;
    const auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (!view) {
        found.append(QStringLiteral("QCalendarWidget %1: no day view").arg(calendar->objectName()));
        return;
    }
    const QAbstractItemModel* model = view->model();
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int first = calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
    for (int column = first; column < model->columnCount(); ++column) {
        const QModelIndex cell = model->index(0, column);
        const QString text = cell.data(Qt::DisplayRole).toString();
        const QVariant font = cell.data(Qt::FontRole);
        const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view->font());
        const int needed = metrics.horizontalAdvance(text) + 2 * margin;
        const int room = view->columnWidth(column) - (view->showGrid() ? 1 : 0);
        if (needed > room) found.append(finding(calendar, text, needed, room));
    }
}

// The room a title bar leaves for the title: the window's width less the
// system menu's icon and the buttons its flags ask for, measured with a
// title bar's usual font.
inline void checkWindowTitle(const QWidget* window, QStringList& found) {
    const QString title = window->windowTitle();
    if (title.isEmpty()) return;
    const Qt::WindowFlags flags = window->windowFlags();
    constexpr int kButton = 46;
    int reserved = 8 + 8;  // the bar's margins
    if (flags & Qt::WindowSystemMenuHint) reserved += 16 + 8;
    for (const Qt::WindowType hint : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                      Qt::WindowCloseButtonHint, Qt::WindowContextHelpButtonHint}) {
        if (flags & hint) reserved += kButton;
    }
    const int needed = QFontMetrics(QApplication::font()).horizontalAdvance(title);
    const int room = window->width() - reserved;
    if (needed > room) {
        found.append(QStringLiteral("title of %1 '%2': needs %3 px, has %4")
                         .arg(window->objectName(), title)
                         .arg(needed)
                         .arg(room));
    }
}

// Every text of a shown window that does not fit, as findings.
inline QStringList textsCutOff(const QWidget* window) {
    QStringList found;
    checkWindowTitle(window, found);
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) checkLabel(label, found);
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            checkButton(button, found);
        }
        if (const auto* box = qobject_cast<const QGroupBox*>(widget)) checkGroupTitle(box, found);
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) checkLineEdit(edit, found);
        if (const auto* calendar = qobject_cast<const QCalendarWidget*>(widget)) {
            checkCalendarHeader(calendar, found);
        }
    }
    return found;
}

}  // namespace textfit
