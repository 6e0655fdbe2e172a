#include "shell/TfrmPassword.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "app/GuiApplication.h"
#include "app/TfrmAvvio.h"
#include "hunters/TfrmAnagrafica.h"
#include "shell/TfrmCambiaPassword.h"
#include "support/Fixtures.h"

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si "
    "consiglia di reinstallare il software.");

// The password file as the build delivers it, copied into the test's data
// folder.
void installDeliveredPassword(const QString& dataFolder) {
    const QString target = dataFolder + QStringLiteral("/unins000.dll");
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(QStringLiteral(DELIVERED_PASSWORD_FILE), target));
}

class PasswordWindowTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        window.setLauncher(&launcher);
        window.setChangeWindow(&change);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QLineEdit* field() { return window.findChild<QLineEdit*>(QStringLiteral("txtPassword")); }
    QPushButton* button(const char* name) {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void type(const QString& text) {
        field()->setFocus();
        typeText(field(), text);
    }

    QWidget launcher;
    TfrmCambiaPassword change;
    TfrmPassword window;
};

TEST_F(PasswordWindowTest, AsksForThePasswordWithOkDisabled) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Selvadoro - Autenticazione"));
    EXPECT_EQ(window.size(), QSize(388, 405));
    EXPECT_EQ(QApplication::focusWidget(), field());
    EXPECT_EQ(field()->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(button("cmdOK")->isEnabled());
    EXPECT_EQ(button("cmdEsci")->text(), QStringLiteral("Esci"));
    EXPECT_EQ(button("btnCambiaPassword")->text(), QStringLiteral("Cambia password"));
    auto* first = window.findChild<QLabel*>(QStringLiteral("lblPrimoAccesso"));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->text().contains(QStringLiteral("primaveraprato")));
}

TEST_F(PasswordWindowTest, TheDeliveredPasswordOpensTheLauncherHoweverItIsTyped) {
    installDeliveredPassword(folder.path());
    for (const bool byEnter : {false, true}) {
        for (const char* typed :
             {"primaveraprato", "PRIMAVERAPRATO", "  primaveraprato  ", "PrimaveraPRATO"}) {
            const std::string what = std::string(typed) + (byEnter ? " + Invio" : " + OK");
            launcher.hide();
            window.show();
            type(QString::fromLatin1(typed));
            if (byEnter) {
                QTest::keyClick(field(), Qt::Key_Return);
            } else {
                QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
            }
            EXPECT_TRUE(launcher.isVisible()) << what;
            EXPECT_TRUE(launcher.isMaximized()) << what;
            EXPECT_FALSE(window.isVisible()) << what;
            EXPECT_TRUE(messages().shown.isEmpty()) << what;
        }
    }
}

TEST_F(PasswordWindowTest, AWrongPasswordIsRefusedAndTheFieldEmptied) {
    for (const bool withFile : {true, false}) {
        if (withFile)
            installDeliveredPassword(folder.path());
        else
            QFile::remove(dataPath(QStringLiteral("unins000.dll")));
        type(QStringLiteral("primavera"));
        QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(messages().take(), QStringList{kWrong}) << withFile;
        EXPECT_EQ(field()->text(), QString());
        EXPECT_EQ(QApplication::focusWidget(), field());
        EXPECT_FALSE(button("cmdOK")->isEnabled());
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(launcher.isVisible());
    }
    // Without the file, even the first-access password is wrong.
    type(QStringLiteral("primaveraprato"));
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(messages().take(), QStringList{kWrong});
    EXPECT_FALSE(launcher.isVisible());
}

TEST_F(PasswordWindowTest, BlanksAloneNeitherEnableOkNorAnswerEnter) {
    type(QStringLiteral("   "));
    EXPECT_FALSE(button("cmdOK")->isEnabled());
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(field()->text(), QStringLiteral("   "));

    typeText(field(), QStringLiteral("x"));
    EXPECT_TRUE(button("cmdOK")->isEnabled());
    QTest::keyClick(field(), Qt::Key_Backspace);
    EXPECT_FALSE(button("cmdOK")->isEnabled());
}

TEST_F(PasswordWindowTest, ADamagedPasswordFileIsAReadingFailure) {
    writeFile(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=F3059EB49XD4\r\n");
    type(QStringLiteral("primaveraprato"));
    QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(messages().take(), QStringList{kReadError});
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(launcher.isVisible());
}

TEST_F(PasswordWindowTest, ExitEndsTheProgram) {
    QSignalSpy quit(&window, &TfrmPassword::quitRequested);
    QTest::mouseClick(button("cmdEsci"), Qt::LeftButton);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(launcher.isVisible());
}

TEST_F(PasswordWindowTest, TheChangeWindowTakesItsPlaceAndGivesItBackEmptied) {
    type(QStringLiteral("qualcosa"));
    QTest::mouseClick(button("btnCambiaPassword"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&change));
    EXPECT_FALSE(window.isVisible());

    change.close();
    EXPECT_FALSE(change.isVisible());
    EXPECT_TRUE(window.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(field()->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), field());
}

using StartUpTest = DataFolderTest;

TEST_F(StartUpTest, TheProgramStartsWithThePasswordWindowAlone) {
    installDeliveredPassword(folder.path());
    GuiApplication windows;
    windows.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.password()));
    EXPECT_FALSE(windows.launcher().isVisible());
    ASSERT_NE(windows.card(QStringLiteral("TfrmAnagrafica")), nullptr);
    EXPECT_FALSE(windows.card(QStringLiteral("TfrmAnagrafica"))->isVisible());
    EXPECT_FALSE(windows.changePassword().isVisible());

    auto* field = windows.password().findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    typeText(field, QStringLiteral("primaveraprato"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(windows.launcher().isVisible());
    EXPECT_TRUE(windows.launcher().isMaximized());
    EXPECT_FALSE(windows.password().isVisible());
}

}  // namespace
