#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <memory>

#include "support/Fixtures.h"

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

    std::unique_ptr<Card> card;
};
