#include "base/GuiShell.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

// Enter presses the focused button exactly once: a push button or a
// picture button of a window, and in a dialog a picture button too, while
// a dialog's push buttons keep Qt's rule (the focused one is pressed, the
// default one is not).
TEST(GuiShell, EnterPressesTheFocusedButtonOnce) {
    struct Case {
        const char* name;
        bool dialog;
        bool picture;
    } cases[] = {
        {"push button of a window", false, false},
        {"picture button of a window", false, true},
        {"push button of a dialog", true, false},
        {"picture button of a dialog", true, true},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QWidget> window =
            c.dialog ? std::make_unique<QDialog>() : std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(window.get());
        layout->addWidget(new QLineEdit(window.get()));
        QAbstractButton* button = nullptr;
        if (c.picture) {
            button = pictureButton(window.get(), QStringLiteral("cmdProva"), "salva", 24);
            button->setFocusPolicy(Qt::StrongFocus);
        } else {
            button = new QPushButton(QStringLiteral("Prova"), window.get());
        }
        layout->addWidget(button);
        auto* other = new QPushButton(QStringLiteral("Altro"), window.get());
        other->setDefault(c.dialog);
        layout->addWidget(other);
        makeKeyboardButtons(window.get());
        makeKeyboardButtons(window.get());  // a second time changes nothing
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << c.name;
        button->setFocus();
        QSignalSpy pressed(button, &QAbstractButton::clicked);
        QSignalSpy otherPressed(other, &QAbstractButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(pressed.count(), 2) << c.name;
        EXPECT_EQ(otherPressed.count(), 0) << c.name;
        // A disabled button is not pressed.
        button->setEnabled(false);
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(pressed.count(), 2) << c.name;
    }
}

// focusField: a one-line field comes with its text selected, a memo with
// the cursor after its text.
TEST(GuiShell, FocusFieldReadiesTheFieldToBeTypedOver) {
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* edit = new QLineEdit(QStringLiteral("26"), &window);
    auto* other = new QLineEdit(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    edit->setCursorPosition(2);
    focusField(edit);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("26"));
    QTest::keyClicks(edit, QStringLiteral("2026"));
    EXPECT_EQ(edit->text(), QStringLiteral("2026"));
}

}  // namespace
