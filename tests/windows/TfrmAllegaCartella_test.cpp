#include "windows/TfrmAllegaCartella.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "hunters/TfrmAnagrafica.h"
#include "records/Attachments.h"
#include "support/Fixtures.h"

namespace {

using Kind = ShownMessage::Kind;

const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

// The attachments window over a hunter card, as the card's "Allega file"
// opens it.
class AttachmentsWindowTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        ASSERT_TRUE(elsewhere.isValid());
        card = std::make_unique<TfrmAnagrafica>();
        card->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
    }

    void openWindow() {
        window = std::make_unique<TfrmAllegaCartella>(card.get());
        window->setMemory(QStringLiteral("anagrafica"));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename W>
    W* in(const QString& name) {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << qPrintable(name);
        return w;
    }
    QLineEdit* fileEdit(int k) { return in<QLineEdit>(QStringLiteral("txtFile0%1").arg(k)); }
    QLineEdit* descEdit(int k) { return in<QLineEdit>(QStringLiteral("txtDesc0%1").arg(k)); }
    QPushButton* openButton(int k) { return in<QPushButton>(QStringLiteral("btnApri0%1").arg(k)); }
    void click(const QString& name) {
        QWidget* w = window->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << qPrintable(name);
        QTest::mouseClick(w, Qt::LeftButton);
    }
    // Browse in slot k, the file dialog answering `chosen`.
    void browse(int k, const QString& chosen) {
        desktop().nextFileNames = {chosen};
        click(QStringLiteral("btnSfoglia0%1").arg(k));
    }

    QString cardLabel(const char* name) {
        return card->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QString fileElsewhere(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(elsewhere.path()).filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QByteArray attached(const QString& name) {
        QFile f(attachments::pathOf(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir elsewhere;
    std::unique_ptr<TfrmAnagrafica> card;
    std::unique_ptr<TfrmAllegaCartella> window;
};

TEST_F(AttachmentsWindowTest, CardOpensTheWindowWithItsSlots) {
    card->setFieldText(QStringLiteral("lblFile01"), QStringLiteral("  porto.pdf "));
    card->setFieldText(QStringLiteral("lblDesc01"), QStringLiteral(" Porto d'armi "));
    card->setFieldText(QStringLiteral("lblDesc03"), QStringLiteral("Solo descrizione"));
    bool opened = false;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmAllegaCartella*>(modal);
        ASSERT_NE(dialog, nullptr);
        opened = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Allega file"));
        EXPECT_EQ(dialog->memory(), QStringLiteral("anagrafica"));
        const auto edit = [dialog](const char* name) {
            return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        };
        const auto apri = [dialog](const char* name) {
            return dialog->findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled();
        };
        EXPECT_EQ(edit("txtFile01")->text(), QStringLiteral("porto.pdf"));
        EXPECT_EQ(edit("txtDesc01")->text(), QStringLiteral("Porto d'armi"));
        EXPECT_EQ(edit("txtFile03")->text(), QString());
        EXPECT_EQ(edit("txtDesc03")->text(), QStringLiteral("Solo descrizione"));
        EXPECT_TRUE(edit("txtFile01")->isReadOnly());
        EXPECT_FALSE(edit("txtDesc01")->isReadOnly());
        EXPECT_TRUE(apri("btnApri01"));
        EXPECT_FALSE(apri("btnApri02"));
        EXPECT_FALSE(apri("btnApri03"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnAnnulla")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(card->findChild<QToolButton*>(QStringLiteral("cmdFile")), Qt::LeftButton);
    EXPECT_TRUE(opened);
    EXPECT_EQ(cardLabel("lblFile01"), QStringLiteral("  porto.pdf "));  // Annulla: untouched
}

TEST_F(AttachmentsWindowTest, AFileFromElsewhereIsCopiedAndItsBareNameSaved) {
    const QString source = fileElsewhere(QStringLiteral("tesserino.jpg"), "JPEG");
    openWindow();
    EXPECT_FALSE(openButton(2)->isEnabled());
    browse(2, source);
    ASSERT_EQ(desktop().dialogs.size(), 1);
    EXPECT_EQ(desktop().dialogs.front().title, QStringLiteral("Selezionare il file da allegare:"));
    EXPECT_EQ(desktop().dialogs.front().filter, QStringLiteral("Tutti i file (*.*)"));
    EXPECT_EQ(fileEdit(2)->text(), QStringLiteral("tesserino.jpg"));
    EXPECT_TRUE(openButton(2)->isEnabled());
    EXPECT_EQ(attached(QStringLiteral("tesserino.jpg")), "JPEG");
    EXPECT_TRUE(messages().shown.isEmpty());

    descEdit(2)->setText(QStringLiteral("Tesserino venatorio"));
    click(QStringLiteral("btnApplica"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(cardLabel("lblFile02"), QStringLiteral("tesserino.jpg"));
    EXPECT_EQ(cardLabel("lblDesc02"), QStringLiteral("Tesserino venatorio"));

    // Saving the card stores the bare name in File02 (offset 3835) and the
    // description in Desc02 (offset 4588).
    card->setFieldText(QStringLiteral("txtCognome"), QStringLiteral("Rossi"));
    card->setFieldText(QStringLiteral("txtNome"), QStringLiteral("Mario"));
    card->setFieldText(QStringLiteral("txtDecorrenza"), QStringLiteral("10/05/2024"));
    card->setFieldText(QStringLiteral("txtScadenza"), QStringLiteral("10/05/2029"));
    QTest::mouseClick(card->findChild<QToolButton*>(QStringLiteral("cmdSalva")), Qt::LeftButton);
    const QByteArray record = readFile(QStringLiteral("Cacciatori.pro"));
    ASSERT_EQ(record.size(), 5090);
    EXPECT_EQ(record.mid(3835, 14), QByteArray("\x0Dtesserino.jpg"));
    EXPECT_EQ(record.mid(4588, 20), QByteArray("\x13Tesserino venatorio"));
}

TEST_F(AttachmentsWindowTest, AnExistingNameAsksBeforeReplacing) {
    struct Case {
        bool yes;
        QByteArray inFolder;
    } cases[] = {{false, "del cassetto"}, {true, "nuova"}};
    for (const Case& c : cases) {
        const QString old = fileElsewhere(QStringLiteral("polizza.pdf"), "del cassetto");
        ASSERT_TRUE(attachments::copyIn(old, QStringLiteral("polizza.pdf")));
        const QString source = fileElsewhere(QStringLiteral("polizza.pdf"), "nuova");
        openWindow();
        messages().answers = {c.yes};
        browse(1, source);
        ASSERT_EQ(messages().shown.size(), 1);
        EXPECT_EQ(messages().shown.front().kind, Kind::Confirm);
        EXPECT_EQ(messages().take(), QStringList{kOverwrite});
        EXPECT_EQ(attached(QStringLiteral("polizza.pdf")), c.inFolder) << c.yes;
        // Either way the slot names the file in the folder.
        EXPECT_EQ(fileEdit(1)->text(), QStringLiteral("polizza.pdf")) << c.yes;
        EXPECT_TRUE(openButton(1)->isEnabled());
    }
}

TEST_F(AttachmentsWindowTest, ChoosingTheFolderItsOwnFileAsksNothing) {
    const QString source = fileElsewhere(QStringLiteral("porto.pdf"), "PDF");
    ASSERT_TRUE(attachments::copyIn(source, QStringLiteral("porto.pdf")));
    openWindow();
    browse(3, attachments::pathOf(QStringLiteral("porto.pdf")));
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(fileEdit(3)->text(), QStringLiteral("porto.pdf"));
    EXPECT_EQ(attached(QStringLiteral("porto.pdf")), "PDF");
}

TEST_F(AttachmentsWindowTest, CancellingTheFileDialogChangesNothing) {
    openWindow();
    window->setSlot(0, QStringLiteral("porto.pdf"), QStringLiteral("Porto"));
    browse(1, QString());  // the user cancels
    browse(2, QString());
    EXPECT_EQ(desktop().dialogs.size(), 2);
    EXPECT_EQ(fileEdit(1)->text(), QStringLiteral("porto.pdf"));
    EXPECT_TRUE(openButton(1)->isEnabled());
    EXPECT_EQ(fileEdit(2)->text(), QString());
    EXPECT_FALSE(openButton(2)->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(attachments::folder()));
    EXPECT_TRUE(messages().shown.isEmpty());
}

TEST_F(AttachmentsWindowTest, TheErasePictureEmptiesOnlyTheName) {
    const QString source = fileElsewhere(QStringLiteral("porto.pdf"), "PDF");
    ASSERT_TRUE(attachments::copyIn(source, QStringLiteral("porto.pdf")));
    card->setFieldText(QStringLiteral("lblFile01"), QStringLiteral("porto.pdf"));
    card->setFieldText(QStringLiteral("lblDesc01"), QStringLiteral("Porto d'armi"));
    openWindow();
    window->setSlot(0, QStringLiteral("porto.pdf"), QStringLiteral("Porto d'armi"));
    click(QStringLiteral("imgCancella01"));
    EXPECT_EQ(fileEdit(1)->text(), QString());
    EXPECT_FALSE(openButton(1)->isEnabled());
    click(QStringLiteral("btnApplica"));
    EXPECT_EQ(cardLabel("lblFile01"), QString());
    EXPECT_EQ(cardLabel("lblDesc01"), QStringLiteral("Porto d'armi"));
    EXPECT_EQ(attached(QStringLiteral("porto.pdf")), "PDF");
}

TEST_F(AttachmentsWindowTest, AnnullaLeavesTheCardButKeepsTheCopiedFile) {
    card->setFieldText(QStringLiteral("lblFile01"), QStringLiteral("vecchio.pdf"));
    openWindow();
    window->setSlot(0, QStringLiteral("vecchio.pdf"), QString());
    browse(1, fileElsewhere(QStringLiteral("nuovo.pdf"), "N"));
    EXPECT_EQ(fileEdit(1)->text(), QStringLiteral("nuovo.pdf"));
    click(QStringLiteral("btnAnnulla"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(cardLabel("lblFile01"), QStringLiteral("vecchio.pdf"));
    EXPECT_EQ(attached(QStringLiteral("nuovo.pdf")), "N");
}

TEST_F(AttachmentsWindowTest, AFailedCopyIsReportedAndLeavesTheSlot) {
    struct Case {
        const char* what;
        bool folderIsAFile;
        bool sourceVanishes;
    } cases[] = {
        {"the folder cannot be made", true, false},
        {"the chosen file cannot be read", false, true},
    };
    for (const Case& c : cases) {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        if (c.folderIsAFile) writeFile(QStringLiteral("Documenti_Allegati"), "non una cartella");
        QString source = fileElsewhere(QStringLiteral("porto.pdf"), "PDF");
        if (c.sourceVanishes) QFile::remove(source);
        openWindow();
        window->setSlot(0, QStringLiteral("vecchio.pdf"), QStringLiteral("Vecchio"));
        browse(1, source);
        ASSERT_EQ(messages().shown.size(), 1) << c.what;
        EXPECT_EQ(messages().shown.front().kind, Kind::Error) << c.what;
        EXPECT_TRUE(messages().take().front().startsWith(
            QStringLiteral("Attenzione: non è stato possibile copiare il file \"porto.pdf\" nella "
                           "cartella dei documenti allegati.")))
            << c.what;
        EXPECT_EQ(fileEdit(1)->text(), QStringLiteral("vecchio.pdf")) << c.what;
        EXPECT_FALSE(attachments::exists(QStringLiteral("porto.pdf"))) << c.what;
    }
}

TEST_F(AttachmentsWindowTest, ApriOpensOnlyFilesInsideTheFolder) {
    const QString source = fileElsewhere(QStringLiteral("porto.pdf"), "PDF");
    ASSERT_TRUE(attachments::copyIn(source, QStringLiteral("porto.pdf")));
    writeFile(QStringLiteral("Cacciatori.pro"), "segreto");
    openWindow();

    window->setSlot(0, QStringLiteral("porto.pdf"), QString());
    click(QStringLiteral("btnApri01"));
    EXPECT_EQ(
        desktop().opened,
        QStringList{u'"' +
                    QDir::toNativeSeparators(attachments::pathOf(QStringLiteral("porto.pdf"))) +
                    u'"'});
    EXPECT_TRUE(messages().shown.isEmpty());
    desktop().opened.clear();

    for (const char* stored :
         {"../Cacciatori.pro", "..\\Cacciatori.pro", "..", "/etc/passwd", "C:\\win.ini"}) {
        window->setSlot(0, QString::fromLatin1(stored), QString());
        click(QStringLiteral("btnApri01"));
        ASSERT_EQ(messages().shown.size(), 1) << stored;
        EXPECT_EQ(messages().shown.front().kind, Kind::Warning);
        EXPECT_EQ(messages().take(),
                  QStringList{QStringLiteral("Attenzione: il nome del file allegato \"") +
                              QString::fromLatin1(stored) +
                              QStringLiteral("\" non è valido.\r\n\r\nSi possono aprire soltanto "
                                             "i file contenuti nella cartella dei documenti "
                                             "allegati, indicati con il solo nome.")})
            << stored;
    }
    window->setSlot(0, QStringLiteral("mancante.pdf"), QString());
    click(QStringLiteral("btnApri01"));
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Attenzione: il file \"mancante.pdf\" non è presente "
                                         "nella cartella dei documenti allegati.")});
    EXPECT_TRUE(desktop().opened.isEmpty());
}

// A link placed in the folder is not followed outside it; one that stays
// inside opens.
TEST_F(AttachmentsWindowTest, ApriRefusesALinkThatLeadsOutsideTheFolder) {
    const QString outside = fileElsewhere(QStringLiteral("segreto.txt"), "segreto");
    ASSERT_TRUE(attachments::copyIn(fileElsewhere(QStringLiteral("porto.pdf"), "PDF"),
                                    QStringLiteral("porto.pdf")));
    ASSERT_TRUE(QFile::link(outside, attachments::pathOf(QStringLiteral("fuori.txt"))));
    ASSERT_TRUE(QFile::link(attachments::pathOf(QStringLiteral("porto.pdf")),
                            attachments::pathOf(QStringLiteral("dentro.pdf"))));
    openWindow();

    window->setSlot(0, QStringLiteral("fuori.txt"), QString());
    click(QStringLiteral("btnApri01"));
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, Kind::Warning);
    EXPECT_TRUE(messages().take().front().startsWith(
        QStringLiteral("Attenzione: il nome del file allegato \"fuori.txt\" non è valido.")));
    EXPECT_TRUE(desktop().opened.isEmpty());

    window->setSlot(0, QStringLiteral("dentro.pdf"), QString());
    click(QStringLiteral("btnApri01"));
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(desktop().opened.size(), 1);
}

TEST_F(AttachmentsWindowTest, ANameTheRecordsCannotHoldIsStoredAdapted) {
    openWindow();
    browse(1, fileElsewhere(QStringLiteral("Łukasz.pdf"), "L"));
    EXPECT_EQ(fileEdit(1)->text(), QStringLiteral("_ukasz.pdf"));
    EXPECT_EQ(attached(QStringLiteral("_ukasz.pdf")), "L");
}

TEST_F(AttachmentsWindowTest, ATagOfACardNotOpenWritesNothing) {
    card->setFieldText(QStringLiteral("lblFile01"), QStringLiteral("porto.pdf"));
    openWindow();
    window->setMemory(QStringLiteral("squadre"));  // no team card in this run
    window->setSlot(0, QStringLiteral("altro.pdf"), QStringLiteral("Altro"));
    click(QStringLiteral("btnApplica"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(cardLabel("lblFile01"), QStringLiteral("porto.pdf"));
    EXPECT_EQ(cardLabel("lblDesc01"), QString());
}

}  // namespace
