#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <memory>

#include "hunters/TfrmAnagrafica.h"
#include "support/Fixtures.h"

// A hunter card shown maximised and active, in its own empty data folder.
class HunterCardFixture : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        card = std::make_unique<TfrmAnagrafica>();
        card->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
    }

    QLineEdit* edit(const char* name) const {
        return card->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QToolButton* tool(const char* name) const {
        return card->findChild<QToolButton*>(QString::fromLatin1(name));
    }

    std::unique_ptr<TfrmAnagrafica> card;
};
