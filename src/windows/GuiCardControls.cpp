#include "windows/GuiCardControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

#include "base/TextRules.h"

namespace cardcontrols {

namespace {

// The length a memo's text takes once stored: each line break is CR LF.
qsizetype storedLength(const QString& text) {
    return text.size() + text.count(u'\n') + text.count(QChar::ParagraphSeparator);
}

}  // namespace

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

void setWidgetText(QWidget* w, const QString& text, Cursor cursor) {
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

QLineEdit* lineEditOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e;
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->lineEdit();
    return nullptr;
}

MemoEdit::MemoEdit(int limit, QWidget* parent) : QPlainTextEdit(parent), limit_(limit) {
    setTabChangesFocus(true);
}

bool MemoEdit::hasRoomFor(const QString& text) const {
    return storedLength(text) <= room();
}

void MemoEdit::insertFromMimeData(const QMimeData* source) {
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    while (!text.isEmpty() && storedLength(text) > room()) text.chop(1);
    if (!text.isEmpty()) textCursor().insertText(text);
}

qsizetype MemoEdit::room() const {
    return limit_ - storedLength(toPlainText()) + storedLength(textCursor().selectedText());
}

}  // namespace cardcontrols
