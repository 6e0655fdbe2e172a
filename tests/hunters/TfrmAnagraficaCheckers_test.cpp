#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "checks/CheckerWindow.h"
#include "hunters/TfrmAnagrafica.h"
#include "support/HintHover.h"
#include "support/HunterCardFixture.h"

namespace {

// The buttons beside the fields of the hunter card: the four checkers and
// the e-mail.
class HunterCardButtonsTest : public HunterCardFixture {
protected:
    void type(const char* field, const QString& keys) {
        edit(field)->setFocus();
        typeText(edit(field), keys);
    }
    QToolButton* button(const char* name) {
        return card->findChild<QToolButton*>(QString::fromLatin1(name));
    }

    // Clicks a checker button and reports the checker that opened: its
    // class, the text in its edit, and what Controlla then did.
    struct Opened {
        QString window;
        QString editName;
        QString text;
        bool staysOpenAfterControlla = false;
    };
    Opened clickChecker(const char* name) {
        Opened opened;
        whenModal([&](QWidget* modal) {
            auto* checker = qobject_cast<CheckerWindow*>(modal);
            ASSERT_NE(checker, nullptr);
            opened.window = checker->objectName();
            auto* e = checker->findChild<QLineEdit*>();
            opened.editName = e->objectName();
            opened.text = e->text();
            QTest::mouseClick(checker->findChild<QPushButton*>(QStringLiteral("btnControlla")),
                              Qt::LeftButton);
            opened.staysOpenAfterControlla = checker->isVisible();
            if (checker->isVisible()) checker->reject();
        });
        QTest::mouseClick(button(name), Qt::LeftButton);
        return opened;
    }
};

TEST_F(HunterCardButtonsTest, CodiceFiscaleButtonChoosesTheChecker) {
    struct Case {
        const char* typed;
        const char* window;
        const char* edit;
        const char* text;
    } cases[] = {
        {"12345670587", "TfrmPartitaIva", "txtPartitaIva", "12345670587"},  // a company's
        {"0123", "TfrmPartitaIva", "txtPartitaIva", "0123"},                // any length
        {"rssmra85t10a562s", "TfrmCodFisc", "txtCodFisc", "RSSMRA85T10A562S"},
        {"1234567058X", "TfrmCodFisc", "txtCodFisc", "1234567058X"},
        {"", "TfrmCodFisc", "txtCodFisc", ""},
    };
    for (const Case& c : cases) {
        edit("txtCodFisc")->clear();
        type("txtCodFisc", QString::fromLatin1(c.typed));
        const QString onCard = edit("txtCodFisc")->text();
        const Opened opened = clickChecker("btnCodFisc");
        EXPECT_EQ(opened.window, QString::fromLatin1(c.window)) << c.typed;
        EXPECT_EQ(opened.editName, QString::fromLatin1(c.edit)) << c.typed;
        EXPECT_EQ(opened.text, QString::fromLatin1(c.text)) << c.typed;
        EXPECT_EQ(edit("txtCodFisc")->text(), onCard) << c.typed;
        messages().take();
    }
    // The field is trimmed before the rule is applied.
    edit("txtCodFisc")->setText(QStringLiteral("  12345670587 "));
    const Opened opened = clickChecker("btnCodFisc");
    EXPECT_EQ(opened.window, QStringLiteral("TfrmPartitaIva"));
    EXPECT_EQ(opened.text, QStringLiteral("12345670587"));
}

TEST_F(HunterCardButtonsTest, EmptyFieldsOpenEmptyCheckersThatAskForAValue) {
    for (const char* name : {"btnCodFisc", "btnIva", "btnIban", "btnCarta"}) {
        const Opened opened = clickChecker(name);
        EXPECT_EQ(opened.text, QString()) << name;
        EXPECT_TRUE(opened.staysOpenAfterControlla) << name;
        ASSERT_EQ(messages().shown.size(), 1) << name;
        EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning) << name;
        messages().take();
    }
}

TEST_F(HunterCardButtonsTest, EachCheckerGetsItsFieldAndLeavesTheCardAlone) {
    struct Case {
        const char* button;
        const char* field;
        const char* typed;
        const char* window;
        const char* verdict;
    } cases[] = {
        {"btnIva", "txtIva", "12345671205", "TfrmPartitaIva",
         "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
         "dall'Ufficio IVA del Comune di Bologna 2."},
        {"btnIban", "txtIban", "it60x0542811101000000123456", "TfrmIban",
         "L'IBAN digitato è VALIDO."},
        {"btnCarta", "txtCarta", "4111111111111111", "TfrmCarta",
         "Il numero di carta di credito 4111111111111111 risulta valido.\r\n\r\nLa carta di "
         "credito è del tipo Visa."},
    };
    for (const Case& c : cases) {
        type(c.field, QString::fromLatin1(c.typed));
        const QString onCard = edit(c.field)->text();
        const Opened opened = clickChecker(c.button);
        EXPECT_EQ(opened.window, QString::fromLatin1(c.window));
        EXPECT_EQ(opened.text, onCard);
        EXPECT_FALSE(opened.staysOpenAfterControlla);
        EXPECT_EQ(messages().take(), QStringList{QString::fromUtf8(c.verdict)});
        EXPECT_EQ(edit(c.field)->text(), onCard);
    }
}

TEST_F(HunterCardButtonsTest, EmailButtonStartsAMessageToTheAddress) {
    edit("txtEmail")->setText(QStringLiteral("  mario.rossi@esempio.it "));
    QTest::mouseClick(button("btnEmail"), Qt::LeftButton);
    edit("txtEmail")->clear();
    QTest::mouseClick(button("btnEmail"), Qt::LeftButton);  // an empty address opens it too
    EXPECT_EQ(desktop().opened, (QStringList{QStringLiteral("\"mailto:mario.rossi@esempio.it\""),
                                             QStringLiteral("\"mailto:\"")}));
    EXPECT_TRUE(messages().shown.isEmpty());
}

// A stored address cannot add a query to the link (a mail program that
// honours "attach=" would attach a local file).
TEST_F(HunterCardButtonsTest, EmailButtonEncodesAStoredAddressWhole) {
    edit("txtEmail")->setText(QStringLiteral("x@y.it?attach=/etc/passwd&bcc=z@w.it"));
    QTest::mouseClick(button("btnEmail"), Qt::LeftButton);
    EXPECT_EQ(
        desktop().opened,
        QStringList{QStringLiteral("\"mailto:x@y.it%3Fattach%3D%2Fetc%2Fpasswd%26bcc%3Dz@w.it\"")});
}

TEST_F(HunterCardButtonsTest, ButtonsShowTheirHints) {
    const QList<HintRow> hints{
        {"btnCodFisc", "Controlla il codice fiscale."},
        {"btnIva", "Controlla il numero di partita IVA."},
        {"btnIban", "Controlla l'IBAN."},
        {"btnCarta", "Controlla il numero di carta di credito."},
        {"btnEmail", "Invia una e-mail all'indirizzo indicato."},
        {"cmdFile", "Allega file alla scheda corrente."},
    };
    QWidget* panel = card->findChild<QFrame*>(QStringLiteral("panRecord"));
    EXPECT_EQ(hoverHints(card.get(), hints, panel, QPoint(5, panel->height() - 5)),
              shownHints(hints));
}

TEST_F(HunterCardButtonsTest, AttachButtonIsAGroupOfItsOwnAfterNewAndSave) {
    QToolButton* save = button("cmdSalva");
    QToolButton* attach = button("cmdFile");
    QToolButton* first = button("cmdPrimo");
    ASSERT_NE(attach, nullptr);
    EXPECT_NE(attach->parentWidget(), save->parentWidget());
    EXPECT_NE(attach->parentWidget(), first->parentWidget());
    EXPECT_EQ(attach->parentWidget()->findChildren<QToolButton*>().size(), 1);
    const auto x = [this](QWidget* w) { return w->mapTo(card.get(), QPoint(0, 0)).x(); };
    EXPECT_LT(x(save), x(attach));
    EXPECT_LT(x(attach), x(first));
}

TEST_F(HunterCardButtonsTest, ButtonsSitBesideTheirFieldsOnASmallScreen) {
    card->showNormal();
    card->resize(1366, 700);
    QTest::qWait(20);
    const QRect window = card->rect();
    const auto rectOf = [this](QWidget* w) {
        return QRect(w->mapTo(card.get(), QPoint(0, 0)), w->size());
    };
    struct Case {
        const char* button;
        const char* field;
    } cases[] = {
        {"btnCodFisc", "txtCodFisc"}, {"btnIva", "txtIva"},     {"btnIban", "txtIban"},
        {"btnCarta", "txtCarta"},     {"btnEmail", "txtEmail"},
    };
    const QList<QLineEdit*> fields = card->findChildren<QLineEdit*>();
    for (const Case& c : cases) {
        QToolButton* b = button(c.button);
        ASSERT_TRUE(b->isVisible()) << c.button;
        const QRect r = rectOf(b);
        const QRect field = rectOf(edit(c.field));
        EXPECT_TRUE(window.contains(r)) << c.button;
        // On the field's line, right after it.
        EXPECT_TRUE(r.center().y() >= field.top() && r.center().y() <= field.bottom()) << c.button;
        EXPECT_GE(r.left(), field.right()) << c.button;
        EXPECT_LE(r.left() - field.right(), 12) << c.button;
        for (QLineEdit* other : fields) {
            if (other->isVisible()) {
                EXPECT_FALSE(r.intersects(rectOf(other))) << c.button;
            }
        }
    }
}

}  // namespace
