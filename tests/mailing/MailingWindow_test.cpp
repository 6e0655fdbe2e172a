#include "mailing/MailingWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "app/Archives.h"
#include "communications/TfrmComunicazioni.h"
#include "hunters/HunterLists.h"
#include "lists/RecordListWidget.h"
#include "mailing/MailingJobs.h"
#include "support/CardFixture.h"
#include "support/CommunicationArchive.h"
#include "support/Fixtures.h"
#include "support/HunterArchive.h"
#include "support/PdfText.h"
#include "weapons/WeaponLists.h"
#include "windows/SearchWindow.h"

namespace {

void writeThreeHunters(const QString& path) {
    TestHunter rossi{.surname = "Rossi", .name = "Mario", .codFisc = "RSSMRA80A01H501U"};
    rossi.address = "Via Roma 1";
    rossi.postcode = "53100";
    rossi.town = "Siena";
    rossi.province = "SI";
    rossi.email = "mario.rossi@example.it";
    rossi.huntingCard = "TV-77";
    TestHunter bianchi{.surname = "Bianchi", .name = "Ugo", .codFisc = "BNCGUO70A01H501X"};
    bianchi.address = "Via Verdi 2";
    bianchi.town = "Poggibonsi";
    TestHunter homeless{.surname = "Neri", .name = "Carlo"};
    ASSERT_TRUE(writeHunters(path, {rossi, bianchi, homeless}));
}

class MailingWindowTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        registry::install(&archives::all);
        writeThreeHunters(dataPath(QStringLiteral("Cacciatori.pro")));
    }
    void TearDown() override { registry::install(nullptr); }

    const ArchiveDefinition& hunters() { return *archives::named(QStringLiteral("anagrafica")); }

    template <typename W>
    W* child(QWidget* window, const char* name) {
        W* found = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

// The list windows of an archive that declares its post fields offer its
// labels and cards; those of another archive do not.
TEST_F(MailingWindowTest, ListWindowsOfArchivesWithPostFieldsOfferLabelsAndCards) {
    SearchWindow hunterSearch(hunters::search());
    EXPECT_NE(hunterSearch.findChild<QPushButton*>(QStringLiteral("btnEtichette")), nullptr);
    EXPECT_NE(hunterSearch.findChild<QPushButton*>(QStringLiteral("btnTessere")), nullptr);
    SearchWindow weaponSearch(weapons::search());
    EXPECT_EQ(weaponSearch.findChild<QPushButton*>(QStringLiteral("btnEtichette")), nullptr);
    EXPECT_EQ(weaponSearch.findChild<QPushButton*>(QStringLiteral("btnTessere")), nullptr);
}

// The preview gets the labels of the chosen records from the start
// position, the member without an address named under the options.
TEST_F(MailingWindowTest, LabelsPreviewFromTheStartPositionNamingThoseWithoutAddress) {
    MailingWindow window(MailingWindow::Kind::Labels, hunters(),
                         dataPath(QStringLiteral("Cacciatori.pro")), {1, 2, 3});
    window.show();
    auto* format = child<QComboBox>(&window, "cboFormato");
    format->setCurrentIndex(format->findData(QStringLiteral("3x7")));
    auto* start = child<QSpinBox>(&window, "spnInizio");
    EXPECT_EQ(start->maximum(), 21);
    start->setValue(20);
    QTest::mouseClick(child<QPushButton>(&window, "btnAnteprima"), Qt::LeftButton);
    ASSERT_EQ(testSeams().printing.jobs.size(), 1);
    const FakePrinting::Job& job = testSeams().printing.jobs.first();
    EXPECT_TRUE(job.preview);
    EXPECT_EQ(job.pageCount, 1);
    EXPECT_EQ(job.texts,
              (QStringList{QStringLiteral("Rossi Mario"), QStringLiteral("Via Roma 1"),
                           QStringLiteral("53100 Siena (SI)"), QStringLiteral("Bianchi Ugo"),
                           QStringLiteral("Via Verdi 2"), QStringLiteral("Poggibonsi")}));
    EXPECT_EQ(child<QLabel>(&window, "lblEsclusi")->text(),
              QStringLiteral("Schede senza indirizzo, escluse: Neri Carlo."));
}

// A custom sheet is kept as a setting; one that leaves the paper is
// refused with its reason and nothing printed.
TEST_F(MailingWindowTest, ACustomSheetIsKeptAndAWrongOneRefused) {
    {
        MailingWindow window(MailingWindow::Kind::Labels, hunters(),
                             dataPath(QStringLiteral("Cacciatori.pro")), {1});
        auto* format = child<QComboBox>(&window, "cboFormato");
        format->setCurrentIndex(format->findData(QStringLiteral("personalizzato")));
        child<QDoubleSpinBox>(&window, "spnColonne")->setValue(2);
        child<QDoubleSpinBox>(&window, "spnRighe")->setValue(5);
        child<QDoubleSpinBox>(&window, "spnLarghezza")->setValue(90);
        child<QDoubleSpinBox>(&window, "spnAltezza")->setValue(50);
        child<QDoubleSpinBox>(&window, "spnPassoOrizzontale")->setValue(95);
        child<QDoubleSpinBox>(&window, "spnPassoVerticale")->setValue(55);
        EXPECT_EQ(child<QSpinBox>(&window, "spnInizio")->maximum(), 10);
        QTest::mouseClick(child<QPushButton>(&window, "btnStampa"), Qt::LeftButton);
        ASSERT_EQ(testSeams().printing.jobs.size(), 1);
        EXPECT_FALSE(testSeams().printing.jobs.first().preview);
    }
    const mailing::LabelFormat kept = mailing::customFormat();
    EXPECT_EQ(kept.columns, 2);
    EXPECT_EQ(kept.rows, 5);
    EXPECT_DOUBLE_EQ(kept.width, 90);
    EXPECT_DOUBLE_EQ(kept.verticalPitch, 55);

    MailingWindow window(MailingWindow::Kind::Labels, hunters(),
                         dataPath(QStringLiteral("Cacciatori.pro")), {1});
    auto* format = child<QComboBox>(&window, "cboFormato");
    format->setCurrentIndex(format->findData(QStringLiteral("personalizzato")));
    EXPECT_DOUBLE_EQ(child<QDoubleSpinBox>(&window, "spnLarghezza")->value(), 90);
    child<QDoubleSpinBox>(&window, "spnColonne")->setValue(3);
    QTest::mouseClick(child<QPushButton>(&window, "btnAnteprima"), Qt::LeftButton);
    EXPECT_EQ(
        messages().take(),
        QStringList{QStringLiteral("Le etichette non stanno in un foglio A4 (210 x 297 mm).")});
    EXPECT_EQ(testSeams().printing.jobs.size(), 1);
}

// The cards go to the PDF file the user names, the association's name kept.
TEST_F(MailingWindowTest, CardsAreSavedAsPdfWithTheAssociationsName) {
    MailingWindow window(MailingWindow::Kind::Cards, hunters(),
                         dataPath(QStringLiteral("Cacciatori.pro")), {1, 2});
    EXPECT_EQ(child<QLineEdit>(&window, "txtStagione")->text(), QStringLiteral("2023/2024"));
    child<QLineEdit>(&window, "txtAssociazione")->setText(QStringLiteral("Cacciatori del Chianti"));
    const QString pdf = dataPath(QStringLiteral("tessere.pdf"));
    testSeams().desktop.nextFileNames = {pdf};
    QTest::mouseClick(child<QPushButton>(&window, "btnPdf"), Qt::LeftButton);
    const QString text = squeezeBlanks(pdfText(pdf));
    EXPECT_TRUE(text.contains(QStringLiteral("Cacciatori del Chianti")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tessera associativa - Stagione 2023/2024")));
    EXPECT_TRUE(text.contains(QStringLiteral("C.F. BNCGUO70A01H501X")));
    EXPECT_EQ(mailing::association().name, QStringLiteral("Cacciatori del Chianti"));
    EXPECT_EQ(messages().take(), QStringList{QStringLiteral("Il documento PDF è stato salvato "
                                                            "in:\n") +
                                             QDir::toNativeSeparators(pdf)});
}

// A long list of members left out scrolls in its own box: the number
// fields above keep their height.
TEST_F(MailingWindowTest, ALongListOfExcludedNamesSqueezesNoField) {
    QList<TestHunter> many{TestHunter{.surname = "Rossi", .name = "Mario"}};
    many.first().address = "Via Roma 1";
    many.first().town = "Siena";
    for (int i = 0; i < 60; ++i) many.append(TestHunter{.surname = "Senzacasa", .name = "Ugo"});
    ASSERT_TRUE(writeHunters(dataPath(QStringLiteral("Cacciatori.pro")), many));
    MailingWindow window(MailingWindow::Kind::Labels, hunters(),
                         dataPath(QStringLiteral("Cacciatori.pro")), {});
    window.show();
    QApplication::processEvents();
    auto* start = child<QSpinBox>(&window, "spnInizio");
    const int height = start->height();
    EXPECT_GE(height, start->sizeHint().height());
    window.prepared();
    QApplication::processEvents();
    EXPECT_TRUE(child<QLabel>(&window, "lblEsclusi")
                    ->text()
                    .startsWith(QStringLiteral("Schede senza indirizzo, escluse: Senzacasa Ugo")));
    EXPECT_EQ(start->height(), height);
    EXPECT_EQ(child<QDoubleSpinBox>(&window, "spnLarghezza")->height(), height);
}

// "Annulla" while the labels or cards are written leaves the file the
// user named as it was, and says nothing more.
TEST_F(MailingWindowTest, ACancelledPdfLeavesTheEarlierFileAsItWas) {
    for (const MailingWindow::Kind kind :
         {MailingWindow::Kind::Labels, MailingWindow::Kind::Cards}) {
        MailingWindow window(kind, hunters(), dataPath(QStringLiteral("Cacciatori.pro")), {1, 2});
        const QString pdf = dataPath(QStringLiteral("fogli.pdf"));
        QFile earlier(pdf);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("prima");
        earlier.close();
        testSeams().progress.cancelAt(1, QStringLiteral("Scrittura del PDF in corso..."));
        testSeams().desktop.nextFileNames = {pdf};
        QTest::mouseClick(child<QPushButton>(&window, "btnPdf"), Qt::LeftButton);
        EXPECT_EQ(testSeams().progress.cancelledWork,
                  QStringLiteral("Scrittura del PDF in corso..."));
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), QByteArrayLiteral("prima"))
            << window.objectName().toStdString();
        earlier.close();
        EXPECT_EQ(QDir(dataPath(QString())).entryList({QStringLiteral("fogli.pdf*")}, QDir::Files),
                  QStringList{QStringLiteral("fogli.pdf")});
        EXPECT_TRUE(messages().take().isEmpty());
        testSeams().progress = FakeProgress();
    }
}

// "Guida" opens the topic of labels, cards and letters.
TEST_F(MailingWindowTest, TheGuideShowsTheTopicOfLabelsAndCards) {
    for (const MailingWindow::Kind kind :
         {MailingWindow::Kind::Labels, MailingWindow::Kind::Cards}) {
        MailingWindow window(kind, hunters(), dataPath(QStringLiteral("Cacciatori.pro")), {1});
        QString title;
        whenModal([&](QWidget* modal) {
            title = modal->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text();
            modal->close();
        });
        QTest::mouseClick(child<QPushButton>(&window, "btnGuida"), Qt::LeftButton);
        EXPECT_EQ(title, QStringLiteral("Etichette, tessere, lettere ed e-mail"));
    }
}

class LettersCardTest : public CardFixture<TfrmComunicazioni> {
protected:
    void SetUp() override {
        CardFixture<TfrmComunicazioni>::SetUp();
        registry::install(&archives::all);
        writeThreeHunters(dataPath(QStringLiteral("Cacciatori.pro")));
        set("txtOggetto", QStringLiteral("Tessera {Nome}"));
        set("txtCacciatori", QStringLiteral("Rossi Mario\nBianchi Ugo\nVerdi Luca"));
        set("txtMessaggio", QStringLiteral("Caro {Nome}, il tesserino {Tesserino} è pronto."));
    }
    void TearDown() override {
        registry::install(nullptr);
        CardFixture<TfrmComunicazioni>::TearDown();
    }
    QToolButton* tool(const char* name) {
        return card->findChild<QToolButton*>(QString::fromLatin1(name));
    }
};

TEST_F(LettersCardTest, LettersArePreviewedOnePagePerRecipientFound) {
    QTest::mouseClick(tool("btnLettere"), Qt::LeftButton);
    EXPECT_EQ(
        messages().take(),
        QStringList{QStringLiteral("Destinatari non trovati in archivio, esclusi: Verdi Luca.")});
    ASSERT_EQ(testSeams().printing.jobs.size(), 1);
    const FakePrinting::Job& job = testSeams().printing.jobs.first();
    EXPECT_TRUE(job.preview);
    EXPECT_EQ(job.pageCount, 2);
    EXPECT_TRUE(job.texts.contains(QStringLiteral("Caro Mario, il tesserino TV-77 è pronto.")));
    EXPECT_TRUE(job.texts.contains(QStringLiteral("Oggetto: Tessera Ugo")));
}

TEST_F(LettersCardTest, EmailsGoToTheFolderPickedForThoseWithAnAddress) {
    const QString out = dataPath(QStringLiteral("posta"));
    ASSERT_TRUE(QDir().mkpath(out));
    testSeams().desktop.nextFileNames = {out};
    QTest::mouseClick(tool("btnPosta"), Qt::LeftButton);
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("001 Rossi Mario.eml")});
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Messaggi scritti nella cartella %1: 1.\n"
                                         "Destinatari senza indirizzo e-mail, esclusi: Bianchi "
                                         "Ugo.\n"
                                         "Destinatari non trovati in archivio, esclusi: Verdi "
                                         "Luca.")
                              .arg(out)});
}

// "Annulla" while the messages are written: no file begun after it, the
// count of those written given.
TEST_F(LettersCardTest, CancelledEmailsLeaveNoFileBegun) {
    const QString out = dataPath(QStringLiteral("posta"));
    ASSERT_TRUE(QDir().mkpath(out));
    testSeams().desktop.nextFileNames = {out};
    testSeams().progress.cancelAt(1, QStringLiteral("Scrittura dei messaggi in corso..."));
    QTest::mouseClick(tool("btnPosta"), Qt::LeftButton);
    EXPECT_EQ(testSeams().progress.cancelledWork,
              QStringLiteral("Scrittura dei messaggi in corso..."));
    EXPECT_TRUE(QDir(out).entryList(QDir::Files | QDir::Hidden).isEmpty());
    const QStringList said = messages().take();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said.first().startsWith(
        QStringLiteral("Messaggi scritti nella cartella %1: 0.\n").arg(out)));
    EXPECT_TRUE(said.first().endsWith(
        QStringLiteral("Scrittura interrotta: gli altri messaggi non sono stati scritti.")));
}

TEST_F(LettersCardTest, AnUnknownFieldIsNamedAndNothingIsAskedOrWritten) {
    set("txtMessaggio", QStringLiteral("Caro {Nome}, versa la {Quota}."));
    for (const char* button : {"btnLettere", "btnPosta"}) {
        QTest::mouseClick(tool(button), Qt::LeftButton);
        EXPECT_EQ(
            messages().take(),
            QStringList{QStringLiteral("Il testo contiene un campo che non esiste: {Quota}.")})
            << button;
    }
    EXPECT_TRUE(testSeams().printing.jobs.isEmpty());
    EXPECT_TRUE(testSeams().desktop.dialogs.isEmpty());
}

// A recipient's name that two members bear: the window asks which, both
// ticked, each with date of birth, town and codice fiscale; only the
// ticked one gets a letter, and Annulla makes none.
TEST_F(LettersCardTest, NamesakesAreAskedForEachShownWithBirthTownAndTaxCode) {
    TestHunter first{.surname = "Villa", .name = "Pietro", .codFisc = "VLLPTR61C12G999X"};
    first.address = "Via Roma 1";
    first.town = "Prato";
    first.birthDate = "12/03/1961";
    TestHunter second{.surname = "Villa", .name = "Pietro", .codFisc = "VLLPTR88E20D612K"};
    second.address = "Via dei Pini 4";
    second.town = "Firenze";
    second.birthDate = "20/05/1988";
    ASSERT_TRUE(writeHunters(dataPath(QStringLiteral("Cacciatori.pro")),
                             {TestHunter{.surname = "Rossi", .name = "Mario"}, first, second}));
    set("txtCacciatori", QStringLiteral("villa  pietro"));
    for (const bool confirm : {true, false}) {
        testSeams().printing.jobs.clear();
        QStringList shown;
        whenModal([&](QWidget* modal) {
            EXPECT_EQ(modal->objectName(), QStringLiteral("TfrmOmonimi"));
            for (const char* name : {"chkScheda2", "chkScheda3"}) {
                auto* check = modal->findChild<QCheckBox*>(QString::fromLatin1(name));
                ASSERT_NE(check, nullptr) << name;
                EXPECT_TRUE(check->isChecked()) << name;
                shown.append(check->text());
            }
            modal->findChild<QCheckBox*>(QStringLiteral("chkScheda2"))->setChecked(false);
            QTest::mouseClick(modal->findChild<QPushButton*>(
                                  QString::fromLatin1(confirm ? "btnConferma" : "btnAnnulla")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(tool("btnLettere"), Qt::LeftButton);
        EXPECT_EQ(shown, (QStringList{
                             QStringLiteral("Scheda 2 - nato il 12/03/1961 - Prato - C.F. "
                                            "VLLPTR61C12G999X"),
                             QStringLiteral("Scheda 3 - nato il 20/05/1988 - Firenze - C.F. "
                                            "VLLPTR88E20D612K"),
                         }));
        if (!confirm) {
            EXPECT_TRUE(testSeams().printing.jobs.isEmpty());
            continue;
        }
        ASSERT_EQ(testSeams().printing.jobs.size(), 1);
        EXPECT_EQ(testSeams().printing.jobs.first().pageCount, 1);
        EXPECT_TRUE(testSeams().printing.jobs.first().texts.join(u'\n').contains(
            QStringLiteral("Via dei Pini 4")));
    }
}

// Campi lists every merge field, the salutations among them, and puts the
// one chosen into the message where its cursor stands.
TEST_F(LettersCardTest, CampiInsertsTheChosenFieldAtTheCursor) {
    auto* text = card->findChild<QPlainTextEdit*>(QStringLiteral("txtMessaggio"));
    ASSERT_NE(text, nullptr);
    text->setPlainText(QStringLiteral("Caro , ciao."));
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(5);
    text->setTextCursor(cursor);
    QMenu* menu = tool("btnCampi")->menu();
    ASSERT_NE(menu, nullptr);
    Q_EMIT menu->aboutToShow();  // as when it opens
    QStringList offered;
    for (QAction* action : menu->actions()) offered.append(action->text());
    for (const char* name : {"{Nome}", "{Cognome}", "{Gentile}", "{Squadra}", "{DataInvio}"}) {
        EXPECT_TRUE(offered.contains(QString::fromLatin1(name))) << name;
    }
    for (QAction* action : menu->actions()) {
        if (action->text() == QLatin1String("{Nome}")) action->trigger();
    }
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Caro {Nome}, ciao."));
}

// The recipients without an address are named before the preview, which
// holds no page for them.
TEST_F(LettersCardTest, RecipientsWithoutAddressAreNamedAndGetNoPage) {
    set("txtCacciatori", QStringLiteral("Rossi Mario\nNeri Carlo"));
    QTest::mouseClick(tool("btnLettere"), Qt::LeftButton);
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Destinatari senza indirizzo, lettere non stampate: Neri "
                                         "Carlo.")});
    ASSERT_EQ(testSeams().printing.jobs.size(), 1);
    EXPECT_EQ(testSeams().printing.jobs.first().pageCount, 1);
    set("txtCacciatori", QStringLiteral("Neri Carlo"));
    QTest::mouseClick(tool("btnLettere"), Qt::LeftButton);
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Destinatari senza indirizzo, lettere non stampate: Neri "
                                         "Carlo.\nNessuna lettera da stampare.")});
    EXPECT_EQ(testSeams().printing.jobs.size(), 1);
}

}  // namespace
