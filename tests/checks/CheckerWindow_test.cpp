#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "checks/CartaCredito.h"
#include "checks/CodiceFiscale.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"
#include "support/Fixtures.h"

namespace {

using Kind = ShownMessage::Kind;

enum class Which { CodFisc, PartitaIva, Iban, Carta };

std::unique_ptr<CheckerWindow> makeWindow(Which which) {
    switch (which) {
        case Which::CodFisc:
            return std::make_unique<TfrmCodFisc>();
        case Which::PartitaIva:
            return std::make_unique<TfrmPartitaIva>();
        case Which::Iban:
            return std::make_unique<TfrmIban>();
        case Which::Carta:
            return std::make_unique<TfrmCarta>();
    }
    return nullptr;
}

const char* editOf(Which which) {
    switch (which) {
        case Which::CodFisc:
            return "txtCodFisc";
        case Which::PartitaIva:
            return "txtPartitaIva";
        case Which::Iban:
            return "txtIban";
        case Which::Carta:
            return "txtNumero";
    }
    return "";
}

class CheckerWindowTest : public DataFolderTest {
protected:
    void open(Which which) {
        window = makeWindow(which);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        edit = window->findChild<QLineEdit*>(QString::fromLatin1(editOf(which)));
        ASSERT_NE(edit, nullptr);
        controlla = window->findChild<QPushButton*>(QStringLiteral("btnControlla"));
        ASSERT_NE(controlla, nullptr);
    }

    std::unique_ptr<CheckerWindow> window;
    QLineEdit* edit = nullptr;
    QPushButton* controlla = nullptr;
};

TEST_F(CheckerWindowTest, EachWindowHasItsNamesTextsAndLimits) {
    struct Case {
        Which which;
        const char* name;
        const char* caption;
        const char* prompt;
        int maxLength;
    } cases[] = {
        {Which::CodFisc, "TfrmCodFisc", " Controllo codice fiscale",
         "Immettere il codice fiscale e premere il pulsante di controllo.", 16},
        {Which::PartitaIva, "TfrmPartitaIva", " Controllo partita IVA",
         "Immettere il numero di partita IVA e premere il pulsante di controllo.", 11},
        {Which::Iban, "TfrmIban", " Controllo IBAN",
         "Immettere l'IBAN e premere il pulsante di controllo.", 27},
        {Which::Carta, "TfrmCarta", " Controllo carta di credito",
         "Immettere il numero di carta di credito e premere il pulsante di controllo.", 30},
    };
    for (const Case& c : cases) {
        open(c.which);
        EXPECT_EQ(window->objectName(), QString::fromLatin1(c.name));
        EXPECT_EQ(window->windowTitle(), QString::fromLatin1(c.caption));
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text(),
                  QString::fromLatin1(c.prompt));
        EXPECT_EQ(edit->maxLength(), c.maxLength) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), edit) << c.name;
        EXPECT_EQ(controlla->text(), QStringLiteral("Controlla"));
        EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->text(),
                  QStringLiteral("Chiudi"));
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << c.name;  // not resizable
        EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint) << c.name;
        // Typing stops at the limit.
        typeText(edit, QString(c.maxLength + 3, u'7'));
        EXPECT_EQ(edit->text(), QString(c.maxLength, u'7')) << c.name;
    }
}

TEST_F(CheckerWindowTest, TypingIsFilteredAndShownUpperCase) {
    struct Case {
        Which which;
        const char* typed;
        const char* shown;
    } cases[] = {
        {Which::CodFisc, " rssmra85t10a562s", "RSSMRA85T10A562S"},
        {Which::Iban, " it60 x054", "IT60X054"},         // a blank typed at the end goes at once
        {Which::PartitaIva, "12a3 4,5-6.7", "1234567"},  // digits only
        {Which::Carta, "4111 1111-x1111", "411111111111"},
    };
    for (const Case& c : cases) {
        open(c.which);
        typeText(edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(CheckerWindowTest, DigitFiltersLeaveTheEditingKeysAlone) {
    for (const Which which : {Which::PartitaIva, Which::Carta}) {
        open(which);
        typeText(edit, QStringLiteral("1234"));
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Backspace);  // removes the 2
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClick(edit, Qt::Key_Delete);  // removes the 4
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_9);
        EXPECT_EQ(edit->text(), QStringLiteral("913"));
        // A text handed over or pasted keeps what typing would refuse.
        edit->setText(QStringLiteral("12 34"));
        EXPECT_EQ(edit->text(), QStringLiteral("12 34"));
    }
}

TEST_F(CheckerWindowTest, CardTextsAreTrimmedAndUpperCasedOnEveryChange) {
    open(Which::CodFisc);
    window->setValue(QStringLiteral("  rssmra85t10a562s "));
    EXPECT_EQ(edit->text(), QStringLiteral("RSSMRA85T10A562S"));
    open(Which::Carta);
    window->setValue(QStringLiteral(" 4111 1111 1111 1111 "));
    EXPECT_EQ(edit->text(), QStringLiteral("4111 1111 1111 1111"));
}

TEST_F(CheckerWindowTest, AVerdictIsShownAndClosesTheWindow) {
    struct Case {
        Which which;
        const char* value;
        Kind kind;
        checks::Verdict (*check)(const QString&);
    } cases[] = {
        {Which::CodFisc, "RSSMRA85T10A562S", Kind::Information, &checks::checkCodiceFiscale},
        {Which::CodFisc, "RSSMRA85T10A562T", Kind::Warning, &checks::checkCodiceFiscale},
        {Which::PartitaIva, "12345670587", Kind::Information, &checks::checkPartitaIva},
        {Which::PartitaIva, "12345670588", Kind::Warning, &checks::checkPartitaIva},
        {Which::Iban, "IT60X0542811101000000123456", Kind::Information, &checks::checkIban},
        {Which::Iban, "IT06X0542811101000000123456", Kind::Warning, &checks::checkIban},
        {Which::Carta, "4111 1111 1111 1111", Kind::Information, &checks::checkCard},
        {Which::Carta, "2221000000000009", Kind::Warning, &checks::checkCard},
        {Which::Carta, "0", Kind::Warning, &checks::checkCard},
    };
    for (const Case& c : cases) {
        open(c.which);
        window->setValue(QString::fromLatin1(c.value));
        QTest::mouseClick(controlla, Qt::LeftButton);
        ASSERT_EQ(messages().shown.size(), 1) << c.value;
        EXPECT_EQ(messages().shown.front().kind, c.kind) << c.value;
        // The checkers' verdicts keep the boxes of the card windows: OK and
        // Annulla, the answer unused.
        EXPECT_TRUE(messages().shown.front().cancel) << c.value;
        EXPECT_EQ(messages().take(), QStringList{c.check(QString::fromLatin1(c.value)).message});
        EXPECT_FALSE(window->isVisible()) << c.value;
        EXPECT_EQ(window->result(), QDialog::Accepted) << c.value;
    }
}

TEST_F(CheckerWindowTest, AValueThatCannotBeCheckedKeepsTheWindowOpen) {
    struct Case {
        Which which;
        const char* value;
        const char* warning;
    } cases[] = {
        {Which::CodFisc, "",
         "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."},
        {Which::PartitaIva, "1234567058",
         "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."},
        {Which::Iban, "IT60X054281110100000012345",
         "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."},
        {Which::Carta, "",
         "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
         "controllo."},
    };
    for (const Case& c : cases) {
        open(c.which);
        window->setValue(QString::fromLatin1(c.value));
        controlla->setFocus();
        QTest::mouseClick(controlla, Qt::LeftButton);
        ASSERT_EQ(messages().shown.size(), 1) << c.value;
        EXPECT_EQ(messages().shown.front().kind, Kind::Warning);
        EXPECT_EQ(messages().take(), QStringList{QString::fromLatin1(c.warning)});
        EXPECT_TRUE(window->isVisible()) << c.value;
        EXPECT_EQ(QApplication::focusWidget(), edit) << c.value;
    }
    // Corrected, the same window gives its verdict.
    typeText(edit, QStringLiteral("378282246310005"));
    QTest::mouseClick(controlla, Qt::LeftButton);
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, Kind::Information);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CheckerWindowTest, EnterMovesToControllaWhichEnterPresses) {
    open(Which::Iban);
    typeText(edit, QStringLiteral("it60x0542811101000000123456"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), controlla);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages().shown.isEmpty());
    QTest::keyClick(controlla, Qt::Key_Return);
    EXPECT_EQ(messages().take(), QStringList{QStringLiteral("L'IBAN digitato è VALIDO.")});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CheckerWindowTest, ChiudiClosesWithoutAVerdict) {
    open(Which::CodFisc);
    typeText(edit, QStringLiteral("RSSMRA85T10A562S"));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnChiudi")), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages().shown.isEmpty());
}

TEST_F(CheckerWindowTest, ALongerTextFromACardIsJudgedWhole) {
    // Sixteen digits from a codice fiscale field reach the partita IVA
    // checker: cutting them to eleven could make a valid number of them.
    open(Which::PartitaIva);
    window->setValue(QStringLiteral("1234567058712345"));
    EXPECT_EQ(edit->text(), QStringLiteral("1234567058712345"));
    QTest::mouseClick(controlla, Qt::LeftButton);
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral(
                  "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.")});
    // Shortened to the limit, the limit holds for typing again.
    edit->setFocus();
    edit->end(false);
    for (int i = 0; i < 5; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("12345670587"));
    QTest::keyClick(edit, Qt::Key_1);
    EXPECT_EQ(edit->text(), QStringLiteral("12345670587"));
}

}  // namespace
