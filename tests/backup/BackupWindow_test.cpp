#include "backup/BackupWindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include "app/Archives.h"
#include "app/GuiApplication.h"
#include "app/TfrmAvvio.h"
#include "backup/Backup.h"
#include "backup/BackupSettings.h"
#include "support/Fixtures.h"

namespace {

class BackupWindowTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        seams::setClock(&testSeams().clock);
        QDir().mkpath(dataPath(QStringLiteral("Documenti_Allegati")));
        writeFile(QStringLiteral("Cacciatori.pro"), hunters(3, 'c'));
        writeFile(QStringLiteral("Documenti_Allegati/foto.txt"), "allegato");
    }
    static QByteArray hunters(int count, char fill) {
        return QByteArray(
            backup::ownedKind(QStringLiteral("Cacciatori.pro"), archives::all()).value_or(1) *
                count,
            fill);
    }
    template <typename T>
    static T* child(QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(BackupWindowTest, ShowsTheSettingsWithTheAdviceAndTakesABackupWithProgress) {
    BackupWindow window(archives::all());
    window.show();
    EXPECT_EQ(child<QLineEdit>(window, "edtCartella")->text(),
              QDir::toNativeSeparators(dataPath(QStringLiteral("Backup"))));
    EXPECT_TRUE(
        child<QLabel>(window, "lblConsiglio")->text().contains(QStringLiteral("chiavetta USB")));
    EXPECT_EQ(child<QComboBox>(window, "cmbFrequenza")->currentText(),
              QStringLiteral("ogni giorno"));
    EXPECT_EQ(child<QSpinBox>(window, "spnConserva")->value(), 10);

    child<QComboBox>(window, "cmbFrequenza")->setCurrentIndex(2);
    child<QSpinBox>(window, "spnConserva")->setValue(4);
    QTest::mouseClick(child<QPushButton>(window, "btnBackupOra"), Qt::LeftButton);
    const QList<backup::Listed> backups = backup::list(dataPath(QStringLiteral("Backup")));
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Backup scritto e verificato:\n") +
                          QDir::toNativeSeparators(backups.first().path) +
                          QStringLiteral("\nLa cartella dei backup %1 è sullo stesso disco dei "
                                         "dati: non protegge da un guasto del disco.")
                              .arg(QDir::toNativeSeparators(dataPath(QStringLiteral("Backup"))))});
    EXPECT_TRUE(progress().begun.contains(QStringLiteral("Backup in corso...")));
    EXPECT_FALSE(progress().steps.isEmpty());
    EXPECT_EQ(child<QTreeWidget>(window, "lstBackup")->topLevelItemCount(), 1);
    EXPECT_EQ(child<QTreeWidget>(window, "lstBackup")->topLevelItem(0)->text(2),
              QStringLiteral("Cacciatori.pro: 3"));
    const backup::Settings stored = backup::readSettings();
    EXPECT_EQ(stored.frequency, backup::Frequency::Weekly);
    EXPECT_EQ(stored.keep, 4);
}

TEST_F(BackupWindowTest, AnnullaStopsTheBackupAndWritesNone) {
    BackupWindow window(archives::all());
    progress().cancelAt(1, QStringLiteral("Backup in corso..."));
    QTest::mouseClick(child<QPushButton>(window, "btnBackupOra"), Qt::LeftButton);
    EXPECT_TRUE(backup::list(dataPath(QStringLiteral("Backup"))).isEmpty());
    EXPECT_EQ(child<QLabel>(window, "lblStato")->text(), QStringLiteral("Backup annullato."));
    EXPECT_TRUE(messages().take().isEmpty());
}

TEST_F(BackupWindowTest, ShowsWhatARestoreWouldChangeAndRestoresAfterConfirming) {
    ASSERT_TRUE(backup::create(archives::all(), dataPath(QStringLiteral("Backup")), 10).ok);
    const QByteArray atBackup = readFile(QStringLiteral("Cacciatori.pro"));
    writeFile(QStringLiteral("Cacciatori.pro"), hunters(5, 'x'));
    testSeams().clock.set(testSeams().clock.now().addSecs(60));

    BackupWindow window(archives::all());
    window.show();
    auto* changes = child<QTreeWidget>(window, "grdDifferenze");
    ASSERT_EQ(changes->topLevelItemCount(), 1);
    EXPECT_EQ(changes->topLevelItem(0)->text(0), QStringLiteral("Cacciatori.pro"));
    EXPECT_EQ(changes->topLevelItem(0)->text(1), QStringLiteral("5"));
    EXPECT_EQ(changes->topLevelItem(0)->text(2), QStringLiteral("3"));

    messages().answers = {false};
    QTest::mouseClick(child<QPushButton>(window, "btnRipristina"), Qt::LeftButton);
    EXPECT_EQ(readFile(QStringLiteral("Cacciatori.pro")), hunters(5, 'x'));
    messages().take();

    QTest::mouseClick(child<QPushButton>(window, "btnRipristina"), Qt::LeftButton);
    EXPECT_EQ(readFile(QStringLiteral("Cacciatori.pro")), atBackup);
    const QStringList shown = messages().take();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown.at(1).startsWith(QStringLiteral("Ripristino eseguito.")));
    EXPECT_TRUE(progress().begun.contains(QStringLiteral("Ripristino in corso...")));
    EXPECT_EQ(child<QTreeWidget>(window, "lstBackup")->topLevelItemCount(), 2);
}

TEST_F(BackupWindowTest, AFailedAutomaticBackupIsShownAtOnceAndOnTheLauncherAtTheNextStart) {
    backup::Settings settings;
    settings.folder = dataPath(QStringLiteral("Documenti_Allegati/Backup"));
    QString error;
    ASSERT_TRUE(backup::writeSettings(settings, &error));
    {
        GuiApplication windows;
        windows.setAutomaticBackups(true);
        TfrmAvvio& launcher = windows.launcher();
        launcher.show();
        QTRY_COMPARE(messages().shown.size(), 1);
        EXPECT_EQ(messages().shown.first().kind, ShownMessage::Kind::Error);
        EXPECT_TRUE(
            messages().shown.first().text.startsWith(QStringLiteral("Backup non riuscito: ")));
        EXPECT_TRUE(launcher.findChild<QLabel*>(QStringLiteral("lblAvvisoBackup"))->isVisible());
    }
    messages().take();
    // The next start shows it on the launcher before anything else.
    settings.folder.clear();
    settings.lastError = backup::readSettings().lastError;
    ASSERT_FALSE(settings.lastError.isEmpty());
    ASSERT_TRUE(backup::writeSettings(settings, &error));
    GuiApplication windows;
    windows.setAutomaticBackups(true);
    TfrmAvvio& launcher = windows.launcher();
    launcher.show();
    auto* warning = launcher.findChild<QLabel*>(QStringLiteral("lblAvvisoBackup"));
    EXPECT_TRUE(warning->isVisible());
    EXPECT_TRUE(warning->text().contains(QStringLiteral("Backup non riuscito")));
    // Once a backup succeeds, the warning goes.
    QTRY_VERIFY(!warning->isVisible());
    EXPECT_TRUE(backup::readSettings().lastError.isEmpty());
    EXPECT_EQ(backup::list(dataPath(QStringLiteral("Backup"))).size(), 1);
    EXPECT_NE(launcher.findChild<QToolButton*>(QStringLiteral("imgBackup")), nullptr);
}

// A folder that cannot take backups is said when it is chosen, and the
// settings stay as they were.
TEST_F(BackupWindowTest, AFolderThatCannotWorkIsRefusedWhenSaved) {
    BackupWindow window(archives::all());
    window.show();
    auto* folderEdit = child<QLineEdit>(window, "edtCartella");
    const QString stick = dataPath(QStringLiteral("chiavetta/Backup"));
    folderEdit->setText(QDir::toNativeSeparators(stick));
    QTest::mouseClick(child<QPushButton>(window, "btnSalva"), Qt::LeftButton);
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.first().kind, ShownMessage::Kind::Error);
    EXPECT_TRUE(messages().take().first().endsWith(
        QStringLiteral("la chiavetta o il disco di rete è collegato?")));
    EXPECT_NE(child<QLabel>(window, "lblStato")->text(), QStringLiteral("Impostazioni salvate."));
    EXPECT_TRUE(backup::readSettings().folder.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("chiavetta"))));

    const QString readOnly = dataPath(QStringLiteral("sola lettura"));
    QDir().mkpath(readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(readOnly + QStringLiteral("/prova"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        GTEST_SKIP() << "permissions cannot be enforced here";
    }
    folderEdit->setText(QDir::toNativeSeparators(readOnly));
    QTest::mouseClick(child<QPushButton>(window, "btnSalva"), Qt::LeftButton);
    const QStringList shown = messages().take();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(
        shown.first().startsWith(QStringLiteral("La cartella dei backup %1 non si può usare: ")
                                     .arg(QDir::toNativeSeparators(readOnly))))
        << shown.first().toStdString();
    EXPECT_TRUE(backup::readSettings().folder.isEmpty());
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// After the folder changes the backups of the one before stay in the list,
// with their folder; the state saved before a restore is labelled; a folder
// on the data folder's disk is said not to protect from its failure.
TEST_F(BackupWindowTest, ListsTheBackupsOfTheFolderBeforeAndLabelsThePreRestoreState) {
    const QString before = dataPath(QStringLiteral("Backup"));
    ASSERT_TRUE(backup::create(archives::all(), before, 10).ok);
    BackupWindow window(archives::all());
    window.show();
    const QString now = dataPath(QStringLiteral("Nuova"));
    child<QLineEdit>(window, "edtCartella")->setText(QDir::toNativeSeparators(now));
    QTest::mouseClick(child<QPushButton>(window, "btnSalva"), Qt::LeftButton);
    EXPECT_TRUE(messages().take().isEmpty());
    EXPECT_TRUE(child<QLabel>(window, "lblStato")
                    ->text()
                    .endsWith(QStringLiteral("è sullo stesso disco dei dati: non protegge da un "
                                             "guasto del disco.")));
    auto* list = child<QTreeWidget>(window, "lstBackup");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(3), QDir::toNativeSeparators(QDir::cleanPath(before)));

    testSeams().clock.set(testSeams().clock.now().addSecs(60));
    list->setCurrentItem(list->topLevelItem(0));
    QTest::mouseClick(child<QPushButton>(window, "btnRipristina"), Qt::LeftButton);
    messages().take();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0),
              QStringLiteral("07/03/2024 10:31:00 (prima del ripristino del 07/03/2024 10:30:00)"));
    EXPECT_EQ(list->topLevelItem(0)->text(3), QDir::toNativeSeparators(now));
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("07/03/2024 10:30:00"));
}

}  // namespace
