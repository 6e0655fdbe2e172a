#include "shell/TfrmCambiaPassword.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "shell/AccessPassword.h"
#include "shell/TfrmPassword.h"
#include "support/Fixtures.h"
#include "support/WriteFailure.h"

namespace {

const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
    "reinserire entrambi i valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si "
    "consiglia di reinstallare il software.");

class ChangePasswordTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        ASSERT_TRUE(QFile::copy(QStringLiteral(DELIVERED_PASSWORD_FILE),
                                dataPath(QStringLiteral("unins000.dll"))));
        delivered = readFile(QStringLiteral("unins000.dll"));
        password.setLauncher(&launcher);
        password.setChangeWindow(&change);
        openChangeWindow();
    }

    void openChangeWindow() {
        password.show();
        QTest::mouseClick(password.findChild<QPushButton*>(QStringLiteral("btnCambiaPassword")),
                          Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&change));
    }

    QLineEdit* edit(const char* name) {
        return change.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QPushButton* okButton() { return change.findChild<QPushButton*>(QStringLiteral("cmdOK")); }
    void fill(const QString& old, const QString& fresh, const QString& confirmation) {
        for (const auto& [name, text] :
             {std::pair{"txtPasswordOld", old}, std::pair{"txtPasswordNew", fresh},
              std::pair{"txtConferma", confirmation}}) {
            edit(name)->setFocus();
            edit(name)->clear();
            typeText(edit(name), text);
        }
    }
    void clickOk() { QTest::mouseClick(okButton(), Qt::LeftButton); }

    // Logs in from the password window; true when the launcher opens.
    bool logsIn(const QString& typed) {
        launcher.hide();
        password.show();
        auto* field = password.findChild<QLineEdit*>(QStringLiteral("txtPassword"));
        field->clear();
        typeText(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        messages().shown.clear();
        return launcher.isVisible();
    }

    QWidget launcher;
    TfrmCambiaPassword change;
    TfrmPassword password;
    QByteArray delivered;
};

TEST_F(ChangePasswordTest, OpensEmptyOnTheOldPassword) {
    EXPECT_EQ(change.windowTitle(), QStringLiteral(" Cambia password"));
    EXPECT_EQ(change.size(), QSize(411, 418));
    EXPECT_EQ(QApplication::focusWidget(), edit("txtPasswordOld"));
    for (const char* name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"}) {
        EXPECT_EQ(edit(name)->text(), QString()) << name;
        EXPECT_EQ(edit(name)->echoMode(), QLineEdit::Password) << name;
    }
    EXPECT_EQ(change.findChild<QPushButton*>(QStringLiteral("cmdEsci"))->text(),
              QStringLiteral("Chiudi"));

    // What was typed last time is gone at the next opening.
    fill(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    change.close();
    openChangeWindow();
    EXPECT_EQ(edit("txtPasswordNew")->text(), QString());
}

TEST_F(ChangePasswordTest, OkNeedsThreeNonBlankFields) {
    struct Case {
        const char *old, *fresh, *confirmation;
        bool enabled;
    };
    const Case cases[] = {
        {"a", "b", "c", true},   {"", "b", "c", false},        {"a", "  ", "c", false},
        {"a", "b", "  ", false}, {"   ", "   ", "   ", false},
    };
    for (const Case& c : cases) {
        fill(QString::fromLatin1(c.old), QString::fromLatin1(c.fresh),
             QString::fromLatin1(c.confirmation));
        EXPECT_EQ(okButton()->isEnabled(), c.enabled)
            << c.old << "|" << c.fresh << "|" << c.confirmation;
    }
}

TEST_F(ChangePasswordTest, EnterGoesRoundTheThreeFields) {
    for (const char* next : {"txtPasswordNew", "txtConferma", "txtPasswordOld"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), edit(next)) << next;
    }
    EXPECT_TRUE(messages().shown.isEmpty());
}

TEST_F(ChangePasswordTest, ANewPasswordCountsAtOnceInAnyCase) {
    fill(QStringLiteral(" PrimaveraPrato "), QStringLiteral("Ape"), QStringLiteral(" Ape"));
    clickOk();
    EXPECT_EQ(messages().take(), QStringList{kChanged});
    EXPECT_FALSE(change.isVisible());
    EXPECT_TRUE(password.isVisible());

    // Three characters, six upper-case hex digits.
    const QRegularExpression stored(QStringLiteral("^\\[Accesso\\]\r\nValore=[0-9A-F]{6}\r\n$"));
    EXPECT_TRUE(
        stored.match(QString::fromLatin1(readFile(QStringLiteral("unins000.dll")))).hasMatch());
    EXPECT_EQ(accesspassword::readStoredPassword(), QStringLiteral("APE"));

    for (const char* typed : {"ape", "APE", " aPe "})
        EXPECT_TRUE(logsIn(QString::fromLatin1(typed)));
    EXPECT_FALSE(logsIn(QStringLiteral("primaveraprato")));
}

TEST_F(ChangePasswordTest, AWrongOldPasswordIsRefused) {
    fill(QStringLiteral("autunno"), QStringLiteral("Lepre"), QStringLiteral("Lepre"));
    clickOk();
    EXPECT_EQ(messages().take(), QStringList{kWrongOld});
    EXPECT_EQ(edit("txtPasswordOld")->text(), QString());
    EXPECT_EQ(edit("txtPasswordNew")->text(), QStringLiteral("Lepre"));
    EXPECT_EQ(QApplication::focusWidget(), edit("txtPasswordOld"));
    EXPECT_TRUE(change.isVisible());
    EXPECT_EQ(readFile(QStringLiteral("unins000.dll")), delivered);
}

TEST_F(ChangePasswordTest, TheConfirmationMustMatchLetterCaseIncluded) {
    fill(QStringLiteral("primaveraprato"), QStringLiteral("Lepre"), QStringLiteral("lepre"));
    clickOk();
    EXPECT_EQ(messages().take(), QStringList{kNotConfirmed});
    EXPECT_EQ(edit("txtPasswordNew")->text(), QString());
    EXPECT_EQ(edit("txtConferma")->text(), QString());
    EXPECT_EQ(edit("txtPasswordOld")->text(), QStringLiteral("primaveraprato"));
    EXPECT_EQ(QApplication::focusWidget(), edit("txtPasswordNew"));
    EXPECT_EQ(readFile(QStringLiteral("unins000.dll")), delivered);
}

TEST_F(ChangePasswordTest, APasswordTheFileCannotKeepIsRefused) {
    for (const QString& fresh : {QString(256, u'x'), QStringLiteral("caccia€")}) {
        fill(QStringLiteral("primaveraprato"), fresh, fresh);
        clickOk();
        const QStringList shown = messages().take();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Attenzione: la nuova password")));
        EXPECT_TRUE(
            shown[0].endsWith(QStringLiteral("E' necessario reinserire entrambi i valori.")));
        EXPECT_EQ(edit("txtPasswordNew")->text(), QString());
        EXPECT_EQ(edit("txtConferma")->text(), QString());
        EXPECT_EQ(QApplication::focusWidget(), edit("txtPasswordNew"));
        EXPECT_EQ(readFile(QStringLiteral("unins000.dll")), delivered);
    }
    // 255 characters are still fine.
    fill(QStringLiteral("primaveraprato"), QString(255, u'x'), QString(255, u'x'));
    clickOk();
    EXPECT_EQ(messages().take(), QStringList{kChanged});
    EXPECT_TRUE(logsIn(QString(255, u'X')));
}

TEST_F(ChangePasswordTest, ADamagedPasswordFileStopsTheChange) {
    writeFile(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=ZZ\r\n");
    fill(QStringLiteral("primaveraprato"), QStringLiteral("Lepre"), QStringLiteral("Lepre"));
    clickOk();
    EXPECT_EQ(messages().take(), QStringList{kChangeError});
    EXPECT_TRUE(change.isVisible());
    EXPECT_EQ(readFile(QStringLiteral("unins000.dll")), QByteArray("[Accesso]\r\nValore=ZZ\r\n"));
}

TEST_F(ChangePasswordTest, ChiudiGivesBackThePasswordWindow) {
    QTest::mouseClick(change.findChild<QPushButton*>(QStringLiteral("cmdEsci")), Qt::LeftButton);
    EXPECT_FALSE(change.isVisible());
    EXPECT_TRUE(password.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&password));
    EXPECT_EQ(QApplication::focusWidget(),
              password.findChild<QLineEdit*>(QStringLiteral("txtPassword")));
    EXPECT_TRUE(messages().shown.isEmpty());
}

class FailedChange : public ChangePasswordTest,
                     public ::testing::WithParamInterface<WriteFailure::Kind> {};

TEST_P(FailedChange, KeepsTheOldPassword) {
    fill(QStringLiteral("primaveraprato"), QStringLiteral("Lepre"), QStringLiteral("Lepre"));
    {
        WriteFailure failure(GetParam(), folder.path());
        if (!failure.possible()) GTEST_SKIP() << "this machine writes there anyway";
        clickOk();
    }
    EXPECT_EQ(messages().take(), QStringList{kChangeError});
    EXPECT_TRUE(change.isVisible());
    EXPECT_EQ(readFile(QStringLiteral("unins000.dll")), delivered);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("unins000.dll")});

    change.close();
    EXPECT_TRUE(logsIn(QStringLiteral("primaveraprato")));
    EXPECT_FALSE(logsIn(QStringLiteral("lepre")));
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedChange,
                         ::testing::Values(WriteFailure::Kind::ReadOnlyFolder,
                                           WriteFailure::Kind::FullDisk),
                         [](const auto& failure) { return WriteFailure::name(failure.param); });

}  // namespace
