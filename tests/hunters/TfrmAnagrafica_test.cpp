#include "hunters/TfrmAnagrafica.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include "hunters/TRecCacciatore.h"
#include "records/ArchiveMessages.h"
#include "support/HintHover.h"
#include "support/HunterBytes.h"
#include "support/HunterCardFixture.h"
#include "windows/TfrmCalendario.h"

namespace {

const QString kFile = QStringLiteral("Cacciatori.pro");

class HunterCardTest : public HunterCardFixture {
protected:
    QString text(const char* name) { return edit(name)->text(); }
    QString position() { return card->findChild<QLabel*>(QStringLiteral("lblPosizione"))->text(); }
    void click(const char* button) {
        QToolButton* b = card->findChild<QToolButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void type(const char* field, const QString& keys) {
        QLineEdit* e = edit(field);
        e->setFocus();
        e->clear();
        typeText(e, keys);
    }
    // Fills the three required fields that are not calendar fields, and the
    // permit dates as the date window would.
    void fillRequired() {
        type("txtCognome", QStringLiteral("Rossi"));
        type("txtNome", QStringLiteral("Mario"));
        card->setFieldText(QStringLiteral("txtDecorrenza"), QStringLiteral("10/05/2024"));
        card->setFieldText(QStringLiteral("txtScadenza"), QStringLiteral("10/05/2029"));
    }
};

QByteArray threeHuntersAndStrayBytes() {
    QByteArray file;
    const char* surnames[] = {"Rossi", "Bianchi", "Verdi"};
    for (int i = 0; i < 3; ++i) {
        HunterBytes h;
        h.set(HunterBytes::Cognome, surnames[i])
            .set(HunterBytes::Nome, "  Ugo  ")
            .set(HunterBytes::StatoNasc, "Repubblica Ceca")
            .set(HunterBytes::Note, QByteArray("Citt\xE0 ") + QByteArray::number(i + 1))
            .set(HunterBytes::Decorrenza, "01/01/2024")
            .set(HunterBytes::Scadenza, "01/01/2029")
            .set(HunterBytes::Preavviso, "30")
            .set(HunterBytes::File01, "porto.pdf");
        file += h.bytes;
    }
    return file + QByteArray(100, 'x');
}

TEST_F(HunterCardTest, ShowsAnEmptyNewCardWithItsDefaults) {
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Anagrafica Cacciatori"));
    EXPECT_TRUE(card->isMaximized());
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(text("txtPreavviso"), QStringLiteral("0"));
    EXPECT_EQ(text("txtTotale"), QStringLiteral("0,00"));
    EXPECT_EQ(QApplication::focusWidget(), edit("txtCognome"));
    EXPECT_EQ(card->findChild<QLabel*>(QStringLiteral("panInfo"))->text(),
              QStringLiteral("Pronto per salvare una nuova scheda..."));
    auto* provinces = card->findChild<QComboBox*>(QStringLiteral("txtProvRes"));
    EXPECT_EQ(provinces->count(), 112);
    EXPECT_EQ(provinces->currentIndex(), -1);
    // The showing creates the archive, empty.
    click("cmdPrimo");
    EXPECT_TRUE(QFile::exists(dataPath(kFile)));
    EXPECT_EQ(readFile(kFile).size(), 0);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::emptyArchive()});
}

TEST_F(HunterCardTest, MovesThroughAnArchiveBuiltByteByByte) {
    writeFile(kFile, threeHuntersAndStrayBytes());

    click("cmdAvanti");  // on a new card, Next shows record 1
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_EQ(text("txtCognome"), QStringLiteral("Rossi"));
    EXPECT_EQ(text("txtNome"), QStringLiteral("Ugo"));  // loaded trimmed
    EXPECT_EQ(text("txtNote"), QStringLiteral("Città 1"));
    EXPECT_EQ(text("txtStatoNasc"), QStringLiteral("Repubblica Ceca"));  // past the typing limit
    EXPECT_EQ(card->findChild<QLabel*>(QStringLiteral("lblFile01"))->text(),
              QStringLiteral("porto.pdf"));

    click("cmdAvanti");
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(text("txtCognome"), QStringLiteral("Bianchi"));
    click("cmdUltimo");
    EXPECT_EQ(position(), QStringLiteral("3"));
    EXPECT_EQ(text("txtCognome"), QStringLiteral("Verdi"));
    click("cmdAvanti");  // past the last: nothing
    EXPECT_EQ(position(), QStringLiteral("3"));
    click("cmdPrimo");
    EXPECT_EQ(position(), QStringLiteral("1"));
    click("cmdIndietro");  // before the first: nothing
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_TRUE(messages().shown.isEmpty());

    // An edit is dropped by moving away, without a question.
    edit("txtCognome")->setText(QStringLiteral("Cambiato"));
    click("cmdAvanti");
    click("cmdIndietro");
    EXPECT_EQ(text("txtCognome"), QStringLiteral("Rossi"));

    // New, then Previous, also shows record 1.
    click("cmdNuovo");
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(text("txtCognome"), QString());
    click("cmdIndietro");
    EXPECT_EQ(position(), QStringLiteral("1"));

    // A new card saved becomes record 4 over the stray bytes.
    click("cmdNuovo");
    fillRequired();
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    EXPECT_EQ(position(), QStringLiteral("4"));
    const QByteArray after = readFile(kFile);
    ASSERT_EQ(after.size(), 4 * 5090);
    EXPECT_EQ(after.left(3 * 5090), threeHuntersAndStrayBytes().left(3 * 5090));

    // Saving again overwrites record 4.
    edit("txtNome")->setText(QStringLiteral("Luigi"));
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    EXPECT_EQ(readFile(kFile).size(), 4 * 5090);
    EXPECT_EQ(readFile(kFile).mid(3 * 5090 + 51, 6), QByteArray("\x05Luigi"));
}

TEST_F(HunterCardTest, EmptyArchiveIsReportedByEveryMove) {
    for (const char* button : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"}) {
        click(button);
        EXPECT_EQ(messages().take(), QStringList{archivemsg::emptyArchive()}) << button;
        EXPECT_EQ(position(), QString()) << button;
    }
}

TEST_F(HunterCardTest, SavingWritesTheDocumentedBytes) {
    type("txtCognome", QStringLiteral("  D'Agostino  "));
    type("txtNome", QStringLiteral("Nicolò"));
    edit("txtNote")->setText(QStringLiteral("Sì, Łukasz"));
    card->setFieldText(QStringLiteral("txtDecorrenza"), QStringLiteral("10/05/2024"));
    card->setFieldText(QStringLiteral("txtScadenza"), QStringLiteral("10/05/2029"));
    type("txtTotale", QStringLiteral("7,"));
    edit("txtContratto")->setText(QString(300, u'Q'));
    click("cmdSalva");  // "Ł" is stored as "?", once the user agrees
    ASSERT_EQ(messages().take(),
              (QStringList{archivemsg::unstorableCharacters({QStringLiteral("Note: Ł")}),
                           archivemsg::recordInserted()}));
    EXPECT_EQ(text("txtNote"), QStringLiteral("Sì, ?ukasz"));

    HunterBytes expected;
    expected.set(HunterBytes::Cognome, "D'Agostino")
        .set(HunterBytes::Nome, "Nicol\xF2")
        .set(HunterBytes::Note, "S\xEC, ?ukasz")
        .set(HunterBytes::Decorrenza, "10/05/2024")
        .set(HunterBytes::Scadenza, "10/05/2029")
        .set(HunterBytes::Preavviso, "0")
        .set(HunterBytes::Totale, "7,00")
        .set(HunterBytes::Contratto, QByteArray(250, 'Q'));
    EXPECT_EQ(readFile(kFile), expected.bytes);
    EXPECT_EQ(text("txtTotale"), QStringLiteral("7,00"));  // formatted when Save left it
}

TEST_F(HunterCardTest, SaveChecksStopTheSaveAndMoveTheFocus) {
    click("cmdSalva");
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
    EXPECT_EQ(QApplication::focusWidget(), edit("txtCognome"));
    messages().take();

    type("txtCognome", QStringLiteral("Rossi"));
    type("txtNome", QStringLiteral("Mario"));
    click("cmdSalva");  // surname and name only: the permit issue date is required
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                         "la data di rilascio del porto di fucile.")});
    EXPECT_EQ(QApplication::focusWidget(), edit("txtDecorrenza"));

    card->setFieldText(QStringLiteral("txtDecorrenza"), QStringLiteral("11/05/2024"));
    card->setFieldText(QStringLiteral("txtScadenza"), QStringLiteral("10/05/2024"));
    click("cmdSalva");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Plain);
    EXPECT_TRUE(messages().take().front().contains(
        QStringLiteral("(10/05/2024) non può essere anteriore a quella di rilascio (11/05/2024)")));

    card->setFieldText(QStringLiteral("txtScadenza"), QStringLiteral("11/05/2024"));
    edit("txtPreavviso")->setFocus();
    QTest::keyClick(edit("txtPreavviso"), Qt::Key_End);
    QTest::keyClick(edit("txtPreavviso"), Qt::Key_Backspace);
    EXPECT_EQ(text("txtPreavviso"), QString());
    click("cmdSalva");
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral(
                  "Attenzione: per salvare la scheda è necessario indicare i giorni di "
                  "preavviso.")});
    EXPECT_EQ(QApplication::focusWidget(), edit("txtPreavviso"));
    EXPECT_EQ(readFile(kFile).size(), 0);  // nothing was written
}

// A check that fails sends the user back to its field with the text
// selected, so that what is typed next replaces it.
TEST_F(HunterCardTest, AFailedCheckSelectsTheTextOfItsField) {
    type("txtCognome", QStringLiteral("Rossi"));
    type("txtNome", QStringLiteral("Mario"));
    type("txtDataNasc", QStringLiteral("1/2/80"));
    click("cmdSalva");
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                         "la data di nascita nel formato gg/mm/aaaa.")});
    EXPECT_EQ(QApplication::focusWidget(), edit("txtDataNasc"));
    EXPECT_EQ(edit("txtDataNasc")->selectedText(), QStringLiteral("1/2/80"));
    typeText(edit("txtDataNasc"), QStringLiteral("01/02/1980"));
    EXPECT_EQ(text("txtDataNasc"), QStringLiteral("01/02/1980"));
}

TEST_F(HunterCardTest, TypingFollowsEachFieldsRules) {
    type("txtCodFisc", QStringLiteral(" abc"));
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("ABC"));
    type("txtIva", QStringLiteral("12a3,4"));
    EXPECT_EQ(text("txtIva"), QStringLiteral("1234"));
    type("txtTotale", QStringLiteral("x1,5b"));
    EXPECT_EQ(text("txtTotale"), QStringLiteral("1,5"));
    type("txtStatoNasc", QStringLiteral("rmx"));
    EXPECT_EQ(text("txtStatoNasc"), QStringLiteral("RM"));
    type("txtEmail", QStringLiteral(" a@b.it "));
    EXPECT_EQ(text("txtEmail"), QStringLiteral("a@b.it"));
    EXPECT_EQ(edit("txtSesso")->maxLength(), 1);
    EXPECT_EQ(edit("txtCap")->maxLength(), 5);

    // Leaving the amount formats it.
    struct Case {
        const char* typed;
        const char* shown;
    } amounts[] = {
        {"7,", "7,00"}, {",5", "0,50"}, {"", "0,00"}, {"3,456", "3,46"}, {"12,345", "12,35"}};
    for (const Case& c : amounts) {
        QLineEdit* total = edit("txtTotale");
        total->setFocus();
        total->clear();
        QTest::keyClicks(total, QString::fromLatin1(c.typed));
        edit("txtContratto")->setFocus();
        EXPECT_EQ(total->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(HunterCardTest, EnterFollowsTheChainAndHighlightsTheField) {
    QFrame* effect = card->findChild<QFrame*>(QStringLiteral("effCognome"));
    ASSERT_NE(effect, nullptr);
    EXPECT_TRUE(effect->isVisible());
    QTest::keyClick(edit("txtCognome"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("txtNome"));
    EXPECT_FALSE(effect->isVisible());
    EXPECT_TRUE(card->findChild<QFrame*>(QStringLiteral("effNome"))->isVisible());

    edit("txtContratto")->setFocus();
    QTest::keyClick(edit("txtContratto"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("txtCognome"));

    // The province drop-down loses its selection when it takes the focus,
    // keeping its text.
    auto* provinces = card->findChild<QComboBox*>(QStringLiteral("txtProvRes"));
    provinces->setCurrentIndex(3);
    edit("txtComuneRes")->setFocus();
    QTest::keyClick(edit("txtComuneRes"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), provinces);
    EXPECT_EQ(provinces->currentIndex(), -1);
    EXPECT_EQ(provinces->currentText(), QStringLiteral("AO"));
}

// Enter leaves the next field as Tab does, its whole text selected: what
// is typed replaces it.
TEST_F(HunterCardTest, EnterThenTypingReplacesTheNextFieldsText) {
    struct Case {
        const char* from;
        const char* to;
        const char* held;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"txtCognome", "txtNome", "Mario", "Luigi", "Luigi"},
        {"txtPreavviso", "txtTotale", "0,00", "25", "25"},
        {"txtComuneRes", "txtProvRes", "AO", "rm", "RM"},
        {"txtContratto", "txtCognome", "Rossi", "Bianchi", "Bianchi"},
    };
    for (const Case& c : cases) {
        card->setFieldText(QString::fromLatin1(c.to), QString::fromLatin1(c.held));
        QWidget* from = card->control(QString::fromLatin1(c.from));
        QWidget* to = card->control(QString::fromLatin1(c.to));
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), to) << c.from;
        typeText(to, QString::fromLatin1(c.typed));
        const QLineEdit* typedInto = qobject_cast<QLineEdit*>(to) ? qobject_cast<QLineEdit*>(to)
                                                                  : to->findChild<QLineEdit*>();
        EXPECT_EQ(typedInto->text(), QString::fromLatin1(c.shown)) << c.to;
    }
}

// The digit and amount filters refuse typed characters only: Tab and
// Shift+Tab move on, and the editing shortcuts work.
TEST_F(HunterCardTest, DigitAndAmountFieldsLetTabAndEditingShortcutsThrough) {
    struct Case {
        const char* field;
        const char* afterTab;
        const char* beforeShiftTab;
    } cases[] = {
        {"txtIva", "txtIndirizzo", "txtStatoNasc"},
        {"txtCarta", "txtScadeCarta", "txtBanca"},
        {"txtPreavviso", "txtTotale", "txtScadenza"},
        {"txtTotale", "txtContratto", "txtPreavviso"},
    };
    for (const Case& c : cases) {
        QLineEdit* field = edit(c.field);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), edit(c.afterTab)) << c.field;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), edit(c.beforeShiftTab)) << c.field;

        field->setFocus();
        field->clear();
        typeText(field, QStringLiteral("7"));
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(field->selectedText(), QStringLiteral("7")) << c.field;
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QStringLiteral("77")) << c.field;
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QStringLiteral("7")) << c.field;
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QString()) << c.field;
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->text(), QStringLiteral("7")) << c.field;
    }
}

TEST_F(HunterCardTest, CalendarFieldsOpenTheDateWindowAndEmptyOnDelete) {
    QLineEdit* issue = edit("txtDecorrenza");
    EXPECT_TRUE(issue->isReadOnly());
    issue->setFocus();
    bool opened = false;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmCalendario*>(modal);
        ASSERT_NE(dialog, nullptr);
        opened = true;
        EXPECT_EQ(dialog->memory(), QStringLiteral("anagrafica_decorrenza"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnImportaData")),
                          Qt::LeftButton);
    });
    QTest::keyClick(issue, Qt::Key_5);
    EXPECT_TRUE(opened);
    EXPECT_EQ(issue->text(), QStringLiteral("07/03/2024"));  // the test clock's today

    opened = false;
    whenModal([&](QWidget* modal) {
        opened = true;
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnAnnulla")),
                          Qt::LeftButton);
    });
    QTest::keyClick(issue, Qt::Key_Return);
    EXPECT_TRUE(opened);
    EXPECT_EQ(issue->text(), QStringLiteral("07/03/2024"));  // Annulla keeps it

    QTest::keyClick(issue, Qt::Key_Delete);
    EXPECT_EQ(issue->text(), QString());
    card->setFieldText(QStringLiteral("txtDecorrenza"), QStringLiteral("01/01/2020"));
    QTest::keyClick(issue, Qt::Key_Backspace);
    EXPECT_EQ(issue->text(), QString());
}

TEST_F(HunterCardTest, ToolbarHintsShowInTheStatusLine) {
    const QList<HintRow> hints{
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
    };
    QWidget* panel = card->findChild<QFrame*>(QStringLiteral("panRecord"));
    EXPECT_EQ(hoverHints(card.get(), hints, panel, QPoint(5, panel->height() - 5)),
              shownHints(hints));
    EXPECT_EQ(card->findChild<QToolButton*>(QStringLiteral("cmdDuplica")), nullptr);
}

TEST_F(HunterCardTest, ClosingAndShowingAgainGivesAnEmptyCard) {
    writeFile(kFile, threeHuntersAndStrayBytes());
    click("cmdUltimo");
    QSignalSpy closed(card.get(), &CardWindow::closed);
    click("cmdEsci");
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(closed.count(), 1);
    card->showMaximized();
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(text("txtCognome"), QString());
}

TEST_F(HunterCardTest, ShowingAgainPutsTheReadyTextBackInTheStatusLine) {
    QLabel* status = card->findChild<QLabel*>(QStringLiteral("panInfo"));
    QTest::mouseMove(tool("cmdEsci"));
    ASSERT_EQ(status->text(), QStringLiteral("Esci da questa schermata di lavoro."));
    QTest::mouseClick(tool("cmdEsci"), Qt::LeftButton);
    ASSERT_FALSE(card->isVisible());
    card->showMaximized();
    EXPECT_EQ(status->text(), QStringLiteral("Pronto per salvare una nuova scheda..."));
}

TEST_F(HunterCardTest, AnUnwritableArchiveGivesTheAccessError) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(kFile));  // a folder where the file should be
    click("cmdPrimo");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Error);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
    fillRequired();
    click("cmdSalva");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Error);
    EXPECT_EQ(position(), QString());
}

TEST_F(HunterCardTest, EveryFieldIsVisibleOnASmallScreen) {
    card->showNormal();
    card->resize(1366, 700);  // 768 less the title bar and a task bar
    QTest::qWait(20);
    const QRect window = card->rect();
    QList<QRect> taken;
    for (const FieldSpec& field : TRecCacciatore::layout().fields) {
        const QString name = QString::fromLatin1(field.control);
        if (name.startsWith(QLatin1String("lbl"))) continue;
        QWidget* w = card->control(name);
        ASSERT_TRUE(w->isVisible()) << qPrintable(name);
        const QRect r(w->mapTo(card.get(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(window.contains(r)) << qPrintable(name);
        EXPECT_GE(r.width(), 20) << qPrintable(name);
        for (const QRect& other : taken) EXPECT_FALSE(r.intersects(other)) << qPrintable(name);
        taken.append(r);
    }
    EXPECT_LE(card->minimumSizeHint().height(), 700);
    EXPECT_LE(card->minimumSizeHint().width(), 1366);
    EXPECT_LE(card->width(), 1366);
}

// The account holder and the bank show thirty characters at 1366 x 700.
TEST_F(HunterCardTest, AccountHolderAndBankShowThirtyCharactersOnASmallScreen) {
    card->showNormal();
    card->resize(1366, 700);
    QTest::qWait(20);
    struct Case {
        const char* field;
        const char* text;
    } cases[] = {
        {"txtIntestatario", "Società Agricola Rossi & Figli"},
        {"txtBanca", "Banca Monte dei Paschi di Siena"},
    };
    for (const Case& c : cases) {
        QLineEdit* field = edit(c.field);
        const QString text = QString::fromUtf8(c.text);
        ASSERT_GE(text.size(), 30) << c.field;
        EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance(text) + 16) << c.field;
    }
}

}  // namespace
