#include "windows/GuiCardKeys.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "base/GuiShell.h"
#include "base/TextRules.h"
#include "windows/CardWindow.h"
#include "windows/GuiCardControls.h"
#include "windows/GuiCardLayout.h"

using cardcontrols::lineEditOf;
using cardcontrols::MemoEdit;

namespace {

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

}  // namespace

CardKeys::CardKeys(CardWindow& window, const CardDefinition& definition, const CardLayout& layout)
    : window_(window), definition_(definition), layout_(layout) {}

void CardKeys::watchTyping() {
    for (const CardField& desc : definition_.fields) {
        QWidget* field = layout_.control(desc.field);
        if (QLineEdit* edit = lineEditOf(field)) {
            QObject::connect(edit, &QLineEdit::textEdited, &window_,
                             [this, field, typing = desc.typing] { applyTyping(field, typing); });
        }
    }
}

bool CardKeys::fieldEvent(QWidget* field, const CardField& desc, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return handleFieldKey(field, desc, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            enterField(field);
            break;
        case QEvent::FocusOut:
            if (currentField_ == field) leaveField(field, desc);
            break;
        case QEvent::Wheel:
            // The wheel would step through the items as Up and Down do.
            return desc.kind == CardFieldKind::ListOnly;
        default:
            break;
    }
    return false;
}

bool CardKeys::handleFieldKey(QWidget* field, const CardField& desc, QKeyEvent* key) {
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
            cardcontrols::setWidgetText(field, QString());
            return true;
        }
        if (code == Qt::Key_Tab || code == Qt::Key_Backtab || isPureModifier(code) ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            return false;
        }
        window_.openDateImport(field, QString::fromLatin1(desc.dateTag));
        return true;
    }
    if (code == Qt::Key_Return || code == Qt::Key_Enter) {
        if (!desc.next) {
            // A memo starts a new line, if it has room for it.
            auto* memo = dynamic_cast<MemoEdit*>(field);
            return memo && !memo->hasRoomFor(QStringLiteral("\n"));
        }
        if (QWidget* next = layout_.control(*desc.next)) moveByEnter(next);
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
void CardKeys::moveByEnter(QWidget* next) {
    focusField(next);
}

void CardKeys::applyTyping(QWidget* field, Typing typing) {
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

void CardKeys::enterField(QWidget* field) {
    currentField_ = field;
    const CardField* desc = layout_.fieldOf(field);
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

void CardKeys::leaveField(QWidget* field, const CardField& desc) {
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
    if (QFrame* effect = layout_.highlight(field->objectName())) effect->hide();
    applyLeaveRule(field, desc);
}

void CardKeys::applyLeaveRule(QWidget* field, const CardField& desc) {
    if (!desc.onLeave) return;
    const QString text = cardcontrols::widgetText(field);
    const QString ruled = desc.onLeave(text);
    // A field that keeps the focus keeps its cursor at the end.
    if (ruled != text) {
        cardcontrols::setWidgetText(
            field, ruled,
            field->hasFocus() ? cardcontrols::Cursor::AtEnd : cardcontrols::Cursor::AtStart);
    }
}

void CardKeys::focusFirstField() {
    if (!definition_.fields.empty()) {
        if (QWidget* w = layout_.control(definition_.fields.front().field)) {
            w->setFocus();
        }
    }
}
