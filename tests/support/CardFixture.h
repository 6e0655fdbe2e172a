#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <memory>

#include "support/Fixtures.h"

// Gives a field the focus with the cursor at the end of its text.
inline QWidget* focusAtEnd(QWidget* w) {
    w->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->end(false);
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) m->moveCursor(QTextCursor::End);
    return w;
}

// An archive's card shown maximised and active, in its own empty data
// folder, with its controls at hand by name.
template <typename Card>
class CardFixture : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        card = std::make_unique<Card>();
        card->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
    }

    // The card's control of that name and type; a failure when there is none.
    template <typename T>
    T* control(const char* name) const {
        T* found = card->template findChild<T*>(QString::fromLatin1(name));
        if (!found)
            ADD_FAILURE() << "the card has no " << T::staticMetaObject.className() << " " << name;
        return found;
    }
    QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }
    QToolButton* tool(const char* name) const { return control<QToolButton>(name); }

    // A field of the card by its control name; a failure when there is none.
    QWidget* field(const char* name) const {
        QWidget* w = card->control(QString::fromLatin1(name));
        if (!w) ADD_FAILURE() << "the card has no field " << name;
        return w;
    }
    // A field's text as the card stores it (memo lines with CR LF).
    QString text(const char* name) const { return card->controlText(QString::fromLatin1(name)); }
    QCheckBox* flag() const { return control<QCheckBox>("chkSegnala"); }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }
    QString position() const { return label("lblPosizione"); }
    void click(const char* button) {
        QToolButton* b = tool(button);
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Sets a field's text as a picker or the date window would.
    void set(const char* name, const QString& text) {
        card->setFieldText(QString::fromLatin1(name), text);
    }
    QWidget* focusAtEnd(const char* name) { return ::focusAtEnd(field(name)); }
    // Types, or pastes, at the end of a field's text.
    void typeAtEnd(const char* name, const QString& keys) { typeText(focusAtEnd(name), keys); }
    void pasteAtEnd(const char* name, const QString& clip) {
        QApplication::clipboard()->setText(clip);
        QTest::keyClick(focusAtEnd(name), Qt::Key_V, Qt::ControlModifier);
    }

    std::unique_ptr<Card> card;
};
