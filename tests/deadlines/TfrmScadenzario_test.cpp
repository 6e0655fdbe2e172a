#include "deadlines/TfrmScadenzario.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWheelEvent>

#include "base/Paths.h"
#include "support/CardFixture.h"
#include "support/DeadlineBytes.h"
#include "support/HintHover.h"
#include "support/HunterArchive.h"
#include "support/ListClicks.h"
#include "windows/SearchWindow.h"

namespace {

// The test clock's today: 07/03/2024, 10:30.
const QString kYearFile = QStringLiteral("2024.sca");

// A deadline as stored, byte by byte: day, month, hours, minutes, notice,
// hunter, reason; the derived fields as the card builds them.
QByteArray deadline(const char* day, const char* month, int monthNumber, const char* time,
                    const char* notice, const char* hunter, const char* reason = "Rinnovo") {
    DeadlineBytes bytes;
    const QByteArray hours = QByteArray(time).left(2);
    const QByteArray minutes = QByteArray(time).mid(3, 2);
    bytes.set(DeadlineBytes::Giorno, day)
        .set(DeadlineBytes::Mese, month)
        .set(DeadlineBytes::Anno, "2024")
        .set(DeadlineBytes::Data, QByteArray(day) + '/' +
                                      QByteArray::number(monthNumber).rightJustified(2, '0') +
                                      "/2024")
        .set(DeadlineBytes::OreApp, hours)
        .set(DeadlineBytes::MinutiApp, minutes)
        .set(DeadlineBytes::Ora, time)
        .set(DeadlineBytes::Avviso, notice)
        .set(DeadlineBytes::Cliente, hunter)
        .set(DeadlineBytes::Dettagli, reason)
        .set(DeadlineBytes::Costo, "0,00")
        .set(DeadlineBytes::DaConfermare, "No")
        .set(DeadlineBytes::Effettuata, "No");
    return bytes.bytes;
}

class DeadlineWindowTest : public CardFixture<TfrmScadenzario> {
protected:
    void SetUp() override {
        testSeams().sound = FakeSound();
        CardFixture<TfrmScadenzario>::SetUp();
    }
    void TearDown() override {
        QFile::remove(soundFile());
        CardFixture<TfrmScadenzario>::TearDown();
    }
    static QString soundFile() { return paths::programFolder() + QStringLiteral("/Avviso.mp3"); }
    FakeSound& sound() { return testSeams().sound; }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QComboBox* combo(const char* name) const { return control<QComboBox>(name); }
    // Shows the window again, as the launcher does on each opening.
    void reopen() {
        card->close();
        card->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
    }
    void open(const QString& year) {
        edit("txtAnno")->setText(year);
        QTest::mouseClick(button("btnApri"), Qt::LeftButton);
    }
    // The fields Save requires, the date 07 Marzo at 09:30.
    void fillRequired() {
        set("txtGiorno", QStringLiteral("07"));
        set("txtMese", QStringLiteral("Marzo"));
        set("txtOreApp", QStringLiteral("09"));
        set("txtMinutiApp", QStringLiteral("30"));
        set("txtAvviso", QStringLiteral("5"));
        set("txtCliente", QStringLiteral("Rossi Mario"));
        set("txtDettagli", QStringLiteral("Rinnovo porto d'armi"));
    }
};

TEST_F(DeadlineWindowTest, OpensOnTheStartPanelWithTheCurrentYearAndNoImminentDeadlines) {
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Scadenze e Pagamenti"));
    EXPECT_TRUE(card->startPanelShown());
    EXPECT_TRUE(control<QFrame>("panAvvio")->isVisible());
    EXPECT_EQ(edit("txtAnno")->text(), QStringLiteral("2024"));
    EXPECT_EQ(QApplication::focusWidget(), edit("txtAnno"));
    EXPECT_TRUE(control<QLabel>("imgAssenti")->isVisible());
    EXPECT_FALSE(control<QLabel>("imgPresenti")->isVisible());
    EXPECT_FALSE(button("btnOK")->isEnabled());
    EXPECT_TRUE(sound().played.isEmpty());
    EXPECT_EQ(control<QCalendarWidget>("calAppuntamenti")->selectedDate(), QDate(2024, 3, 7));
    // Looking for imminent deadlines creates the year's file, empty.
    EXPECT_TRUE(QFile::exists(dataPath(kYearFile)));
    EXPECT_EQ(readFile(kYearFile).size(), 0);
}

// The date and the time stand in their groups, and the highlight of each
// of their drop-downs is drawn around it, behind it, when it has the focus.
TEST_F(DeadlineWindowTest, TheDateAndTimeDropDownsAreHighlightedInTheirGroups) {
    open(QStringLiteral("2024"));
    const struct {
        const char* field;
        const char* highlight;
        const char* group;
    } cases[] = {
        {"txtGiorno", "effGiorno", "grpData"},
        {"txtMese", "effMese", "grpData"},
        {"txtOreApp", "effOreApp", "grpOra"},
        {"txtMinutiApp", "effMinutiApp", "grpOra"},
    };
    for (const auto& c : cases) {
        QComboBox* field = combo(c.field);
        field->setFocus();
        QCoreApplication::processEvents();
        const auto* highlight = card->findChild<QFrame*>(QString::fromLatin1(c.highlight));
        ASSERT_NE(highlight, nullptr) << c.highlight;
        EXPECT_EQ(field->parentWidget(), control<QGroupBox>(c.group)) << c.field;
        EXPECT_EQ(highlight->parentWidget(), field->parentWidget()) << c.field;
        EXPECT_TRUE(highlight->isVisible()) << c.field;
        EXPECT_EQ(highlight->geometry(), field->geometry().adjusted(-4, -4, 4, 4)) << c.field;
    }
}

// A deadline imminent today shows the red banner, enables OK and plays the
// alert once; closing the window stops it.
TEST_F(DeadlineWindowTest, AnImminentDeadlineShowsTheBannerAndPlaysTheAlertOnce) {
    writeFile(kYearFile, deadline("07", "Marzo", 3, "09:30", "0", "Rossi Mario"));
    {
        QFile tone(soundFile());
        ASSERT_TRUE(tone.open(QIODevice::WriteOnly));
    }
    reopen();
    EXPECT_TRUE(control<QLabel>("imgPresenti")->isVisible());
    EXPECT_FALSE(control<QLabel>("imgAssenti")->isVisible());
    EXPECT_TRUE(button("btnOK")->isEnabled());
    EXPECT_EQ(sound().played, QStringList{soundFile()});
    const int stops = sound().stops;
    card->close();
    EXPECT_EQ(sound().stops, stops + 1);
    // Without the tone file there is no sound, and no message.
    QFile::remove(soundFile());
    sound().played.clear();
    card->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
    EXPECT_TRUE(control<QLabel>("imgPresenti")->isVisible());
    EXPECT_TRUE(sound().played.isEmpty());
    EXPECT_TRUE(messages().shown.isEmpty());
}

// The imminence check the user cancels says nothing either way: neither
// banner, no alert, no message; OK stays available to list them.
TEST_F(DeadlineWindowTest, ACancelledImminenceCheckShowsNoBanner) {
    writeFile(kYearFile, deadline("07", "Marzo", 3, "09:30", "0", "Rossi Mario"));
    {
        QFile tone(soundFile());
        ASSERT_TRUE(tone.open(QIODevice::WriteOnly));
    }
    const QString checking = QStringLiteral("Controllo delle scadenze imminenti in corso...");
    progress().cancelAt(1, checking);
    reopen();
    EXPECT_EQ(progress().cancelledWork, checking);
    EXPECT_FALSE(control<QLabel>("imgPresenti")->isVisible());
    EXPECT_FALSE(control<QLabel>("imgAssenti")->isVisible());
    EXPECT_TRUE(button("btnOK")->isEnabled());
    EXPECT_TRUE(sound().played.isEmpty());
    EXPECT_TRUE(messages().shown.isEmpty());
    // The next showing checks again, whole.
    reopen();
    EXPECT_TRUE(control<QLabel>("imgPresenti")->isVisible());
    EXPECT_EQ(sound().played, QStringList{soundFile()});
}

// The year takes digits only and must have four of them: a short year or
// a pasted path is refused before it names a file.
TEST_F(DeadlineWindowTest, TheYearMustBeFourDigits) {
    QLineEdit* year = edit("txtAnno");
    year->clear();
    typeText(year, QStringLiteral("2a0/2.4"));
    EXPECT_EQ(year->text(), QStringLiteral("2024"));
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), button("btnApri"));

    for (const QString& typed : {QStringLiteral("24"), QStringLiteral("../x"), QString()}) {
        open(typed);
        EXPECT_EQ(messages().take(),
                  QStringList{QStringLiteral(
                      "Attenzione: indicare l'anno solare utilizzando quattro cifre.")})
            << typed.toStdString();
        EXPECT_TRUE(card->startPanelShown());
        EXPECT_EQ(QApplication::focusWidget(), year);
    }
    EXPECT_FALSE(QFile::exists(dataPath(QStringLiteral("../x.sca"))));

    open(QStringLiteral("2025"));
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_FALSE(card->startPanelShown());
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Scadenze e pagamenti anno 2025"));
    EXPECT_EQ(label("lblAnno"), QStringLiteral("2025"));
    EXPECT_EQ(card->recordFilePath(), dataPath(QStringLiteral("2025.sca")));
    EXPECT_EQ(text("txtOreApp"), QStringLiteral("00"));
    EXPECT_EQ(text("txtMinutiApp"), QStringLiteral("00"));
    EXPECT_EQ(text("txtCosto"), QStringLiteral("0,00"));
    EXPECT_EQ(QApplication::focusWidget(), field("txtGiorno"));
    // The file is not touched until the card is saved or browsed.
    EXPECT_FALSE(QFile::exists(dataPath(QStringLiteral("2025.sca"))));

    // Closing returns to the start panel and its caption.
    card->close();
    EXPECT_TRUE(card->startPanelShown());
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Scadenze e Pagamenti"));
}

// On the start panel the keyboard alone opens a year: Enter in the year
// moves to "Apri", Enter there presses it; after the four-digit warning
// the year comes back selected, so what is typed replaces it.
TEST_F(DeadlineWindowTest, EnterOpensTheYearAndAShortYearIsTypedOver) {
    QLineEdit* year = edit("txtAnno");
    year->selectAll();
    typeText(year, QStringLiteral("26"));
    QTest::keyClick(year, Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), button("btnApri"));
    QTest::keyClick(button("btnApri"), Qt::Key_Return);
    EXPECT_EQ(messages().take(),
              QStringList{
                  QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.")});
    EXPECT_EQ(QApplication::focusWidget(), year);
    EXPECT_EQ(year->selectedText(), QStringLiteral("26"));
    typeText(year, QStringLiteral("2026"));
    EXPECT_EQ(year->text(), QStringLiteral("2026"));
    QTest::keyClick(year, Qt::Key_Return);
    QTest::keyClick(button("btnApri"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_FALSE(card->startPanelShown());
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Scadenze e pagamenti anno 2026"));
}

// Saving stores the derived date and time, "0,00" for an empty amount, and
// an amount typed just before Save formatted as it is once left, though
// the field keeps the focus (no focus sink).
TEST_F(DeadlineWindowTest, SavingAppendsTheRecordWithItsDerivedFields) {
    open(QStringLiteral("2024"));
    fillRequired();
    set("txtCosto", QString());
    click("cmdSalva");
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("La scheda corrente è stata salvata in archivio.")});
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_EQ(label("lblData"), QStringLiteral("07/03/2024"));
    EXPECT_EQ(label("lblOra"), QStringLiteral("09:30"));
    DeadlineBytes expected;
    expected.set(DeadlineBytes::Giorno, "07")
        .set(DeadlineBytes::Mese, "Marzo")
        .set(DeadlineBytes::Anno, "2024")
        .set(DeadlineBytes::Data, "07/03/2024")
        .set(DeadlineBytes::OreApp, "09")
        .set(DeadlineBytes::MinutiApp, "30")
        .set(DeadlineBytes::Ora, "09:30")
        .set(DeadlineBytes::Avviso, "5")
        .set(DeadlineBytes::Cliente, "Rossi Mario")
        .set(DeadlineBytes::Dettagli, "Rinnovo porto d'armi")
        .set(DeadlineBytes::Costo, "0,00")
        .set(DeadlineBytes::DaConfermare, "No")
        .set(DeadlineBytes::Effettuata, "No");
    EXPECT_EQ(readFile(kYearFile), expected.bytes);

    set("txtCosto", QString());
    typeAtEnd("txtCosto", QStringLiteral("12,5"));
    control<QCheckBox>("chkEffettuata")->setChecked(true);
    click("cmdSalva");
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Le modifiche apportate alla scheda corrente sono state "
                                         "salvate in archivio.")});
    EXPECT_EQ(QApplication::focusWidget(), field("txtCosto"));
    EXPECT_EQ(text("txtCosto"), QStringLiteral("12,50"));
    const QByteArray stored = readFile(kYearFile);
    ASSERT_EQ(stored.size(), DeadlineBytes::kSize);
    EXPECT_EQ(stored.mid(1004, 6), QByteArray("\x05"
                                              "12,50"));
    EXPECT_EQ(stored.mid(1325, 3), QByteArray("\x02S\xEC"));
}

TEST_F(DeadlineWindowTest, SaveChecksTheDateAndStopsWithTheirMessages) {
    open(QStringLiteral("2024"));
    fillRequired();
    struct Case {
        const char* day;
        const char* month;
        QString message;  // empty: saved
        bool plain;
        const char* focus;
    } cases[] = {
        {"", "Marzo",
         QStringLiteral(
             "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza."),
         false, "txtGiorno"},
        {"31", "Aprile",
         QStringLiteral("Attenzione: la data 31/04/2024 non esiste.\n\r\n\rPer poter salvare la "
                        "scheda è necessario indicare una data valida."),
         true, "txtGiorno"},
        {"29", "Febbraio", QString(), false, nullptr},
    };
    for (const Case& c : cases) {
        set("txtGiorno", QString::fromLatin1(c.day));
        set("txtMese", QString::fromLatin1(c.month));
        click("cmdSalva");
        ASSERT_EQ(messages().shown.size(), 1) << c.day;
        if (c.message.isEmpty()) {
            messages().take();
            EXPECT_EQ(position(), QStringLiteral("1"));
            continue;
        }
        EXPECT_EQ(messages().shown.front().kind,
                  c.plain ? ShownMessage::Kind::Plain : ShownMessage::Kind::Warning);
        EXPECT_EQ(messages().take(), QStringList{c.message});
        EXPECT_EQ(QApplication::focusWidget(), field(c.focus)) << c.day;
        EXPECT_EQ(position(), QString());
    }
}

// The date and time take their values from their lists only: typed
// characters are refused, Backspace empties, a text that is no item goes
// when the field is left; the arrows pick nothing.
TEST_F(DeadlineWindowTest, TheDropDownsTakeOnlyTheirItems) {
    open(QStringLiteral("2024"));
    QComboBox* month = combo("txtMese");
    EXPECT_EQ(month->count(), 12);
    EXPECT_EQ(month->itemText(0), QStringLiteral("Gennaio"));
    EXPECT_EQ(combo("txtGiorno")->count(), 31);
    EXPECT_EQ(combo("txtOreApp")->count(), 24);
    EXPECT_EQ(combo("txtMinutiApp")->count(), 60);

    month->setFocus();
    typeText(month, QStringLiteral("Mar"));
    EXPECT_EQ(month->currentText(), QString());
    QTest::keyClick(month, Qt::Key_Down);
    EXPECT_EQ(month->currentText(), QString());
    month->setCurrentIndex(2);  // Marzo, picked from the list
    QTest::keyClick(month, Qt::Key_Backspace);
    EXPECT_EQ(month->currentText(), QString());

    for (const auto& [pasted, kept] :
         {std::pair{"Marzox", ""}, std::pair{"marzo", ""}, std::pair{"Marzo", "Marzo"}}) {
        pasteAtEnd("txtMese", QString::fromLatin1(pasted));
        QTest::keyClick(month, Qt::Key_Tab);
        EXPECT_EQ(text("txtMese"), QString::fromLatin1(kept)) << pasted;
        // Entering the field again keeps the item it shows, or none.
        month->setFocus();
        EXPECT_EQ(month->currentIndex(), month->findText(QString::fromLatin1(kept))) << pasted;
        EXPECT_EQ(text("txtMese"), QString::fromLatin1(kept)) << pasted;
        set("txtMese", QString());
    }
    // Enter moves on along the chain, from the notes back to the day.
    field("txtNote")->setFocus();
    QTest::keyClick(field("txtNote"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field("txtGiorno"));
    QTest::keyClick(field("txtGiorno"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field("txtMese"));
}

// An item picked in a drop-down stays picked: entering the field again
// keeps it, and no key but Backspace and Delete changes it (the arrows,
// Page Up and Down, Home and End are swallowed), nor the mouse wheel.
TEST_F(DeadlineWindowTest, NoKeyStepsThroughTheDropDownsItems) {
    open(QStringLiteral("2024"));
    const char* const dropDowns[] = {"txtGiorno", "txtMese", "txtOreApp", "txtMinutiApp"};
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {Qt::Key_Down, Qt::NoModifier},      {Qt::Key_Up, Qt::NoModifier},
        {Qt::Key_PageDown, Qt::NoModifier},  {Qt::Key_PageUp, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::NoModifier},
        {Qt::Key_Down, Qt::ControlModifier}, {Qt::Key_Down, Qt::ShiftModifier},
        {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
    };
    for (const char* name : dropDowns) {
        QComboBox* box = combo(name);
        box->setFocus();
        box->setCurrentIndex(4);  // picked from the list: 05, Maggio, 04, 04
        const QString picked = box->itemText(4);
        QTest::keyClick(box, Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), box) << name;
        box->setFocus();
        EXPECT_EQ(box->currentIndex(), 4) << name;
        for (const auto& k : keys) {
            QTest::keyClick(box, k.key, k.modifiers);
            EXPECT_EQ(box->currentText(), picked) << name << " key " << k.key;
            EXPECT_EQ(box->currentIndex(), 4) << name << " key " << k.key;
        }
        // Nor does the wheel turned over it.
        for (const int steps : {-120, 120}) {
            const QPointF centre = QRectF(box->rect()).center();
            QWheelEvent wheel(centre, box->mapToGlobal(centre), QPoint(), QPoint(0, steps),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
            EXPECT_EQ(box->currentIndex(), 4) << name << " wheel " << steps;
        }
        EXPECT_EQ(QApplication::focusWidget(), box) << name;
        QTest::keyClick(box, Qt::Key_Delete);
        EXPECT_EQ(box->currentText(), QString()) << name;
    }
}

TEST_F(DeadlineWindowTest, DuplicateClearsTheDateAndSetsTheTimeToMidnight) {
    open(QStringLiteral("2024"));
    click("cmdDuplica");
    EXPECT_EQ(messages().take().front(),
              QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                             "dopo che questa è stata inserita in archivio."));
    fillRequired();
    click("cmdSalva");
    messages().take();
    click("cmdDuplica");
    EXPECT_EQ(messages().take().size(), 1);
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(text("txtGiorno"), QString());
    EXPECT_EQ(text("txtMese"), QString());
    EXPECT_EQ(text("txtOreApp"), QStringLiteral("00"));
    EXPECT_EQ(text("txtMinutiApp"), QStringLiteral("00"));
    EXPECT_EQ(text("txtCliente"), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(QApplication::focusWidget(), field("txtGiorno"));
    set("txtGiorno", QStringLiteral("08"));
    set("txtMese", QStringLiteral("Aprile"));
    click("cmdSalva");
    messages().take();
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(readFile(kYearFile).size(), 2 * DeadlineBytes::kSize);
}

TEST_F(DeadlineWindowTest, BrowsesTheOpenYearsFile) {
    writeFile(kYearFile, deadline("15", "Marzo", 3, "15:00", "3", "Bianchi Anna") +
                             deadline("07", "Marzo", 3, "09:30", "0", "Rossi Mario"));
    open(QStringLiteral("2024"));
    click("cmdUltimo");
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(text("txtCliente"), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(text("txtGiorno"), QStringLiteral("07"));
    EXPECT_EQ(text("txtMese"), QStringLiteral("Marzo"));
    EXPECT_EQ(label("lblData"), QStringLiteral("07/03/2024"));
    EXPECT_EQ(label("lblAnno"), QStringLiteral("2024"));
}

TEST_F(DeadlineWindowTest, TheHunterIsImportedAndTodayFillsTheOpeningDates) {
    ASSERT_TRUE(
        writeHunters(dataPath(QStringLiteral("Cacciatori.pro")), {{.surname = " Rossi ",
                                                                   .name = "Mario",
                                                                   .codFisc = "RSSMRA80A01H501U",
                                                                   .phone = "333 1234567"}}));
    open(QStringLiteral("2024"));
    set("txtDettagli", QStringLiteral("Rinnovo"));
    bool opened = false;
    whenModal([&](QWidget* modal) {
        auto* search = qobject_cast<SearchWindow*>(modal);
        ASSERT_NE(search, nullptr);
        opened = true;
        EXPECT_EQ(search->objectName(), QStringLiteral("TfrmTrovaAnagrafica"));
        EXPECT_EQ(search->memory(), QStringLiteral("scadenzario"));
        search->search();
        doubleClickLine(search->list(), 0);
    });
    click("cmdImporta");
    EXPECT_TRUE(opened);
    EXPECT_EQ(text("txtCliente"), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("RSSMRA80A01H501U"));
    EXPECT_EQ(text("txtRecapito"), QStringLiteral("333 1234567"));
    EXPECT_EQ(text("txtDettagli"), QStringLiteral("Rinnovo"));
    click("impApertura");
    click("impChiusura");
    EXPECT_EQ(text("txtApertura"), QStringLiteral("07/03/2024"));
    EXPECT_EQ(text("txtChiusura"), QStringLiteral("07/03/2024"));
}

// Printing prints the card shown, saved or not, at once.
TEST_F(DeadlineWindowTest, PrintsTheCardShownAtOnce) {
    open(QStringLiteral("2024"));
    fillRequired();
    click("cmdStampa");
    ASSERT_EQ(printing().jobs.size(), 1);
    EXPECT_FALSE(printing().jobs.front().preview);
    const QStringList texts = printing().jobs.front().texts;
    EXPECT_TRUE(texts.contains(QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO")));
    EXPECT_TRUE(texts.contains(QStringLiteral("07 Marzo 2024"))) << qPrintable(texts.join(u'|'));
    EXPECT_TRUE(texts.contains(QStringLiteral("Rossi Mario")));
    EXPECT_EQ(readFile(kYearFile).size(), 0);
}

TEST_F(DeadlineWindowTest, TheCardsButtonsShowTheirHints) {
    open(QStringLiteral("2024"));
    const QList<HintRow> hints{
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdDuplica",
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
         "correnti."},
        {"cmdImporta", "Importa i dati dall'archivio anagrafico dei cacciatori."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdDaConfermare", "Visualizza l'elenco degli appuntamenti in attesa di conferma."},
        {"cmdDaEffettuare",
         "Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non."},
        {"cmdEffettuate", "Visualizza il riepilogo storico dei pagamenti effettuati."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"btnCodFisc", "Controlla il codice fiscale."},
        {"impApertura", "Inserisci la data corrente."},
        {"impChiusura", "Inserisci la data corrente."},
        {"chkDaConfermare",
         "Spunta questa casella per annotare che l'appuntamento è in attesa di conferma."},
        {"chkEffettuata",
         "Spunta questa casella per annotare che il pagamento è stata effettuato."},
    };
    QWidget* panel = card->findChild<QFrame*>(QStringLiteral("panRecord"));
    EXPECT_EQ(hoverHints(card.get(), hints, panel, QPoint(5, panel->height() - 5)),
              shownHints(hints));
}

}  // namespace
