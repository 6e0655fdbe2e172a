#include "windows/TfrmCreaRTF.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <ostream>

#include "support/CardFixture.h"
#include "support/TeamArchive.h"
#include "support/TeamDocument.h"
#include "support/WriteFailure.h"
#include "teams/TeamsArchive.h"
#include "teams/TfrmSquadre.h"

namespace {

const QString kDocument = QStringLiteral("Squadra_di_Caccia.rtf");
const QString kArchive = QStringLiteral("Squadre.pro");

const QString kAskExport = QStringLiteral(
    "Questa procedura esporterà la scheda corrente in un documento in formato RTF.\r\n\r\n"
    "Si conferma la creazione del file?");
const QString kAskOpen =
    QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?");
const QString kWriteFailed = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
    "Accertarsi che il documento non sia già aperto.");

// A document left by an earlier export, which a refused or failed export
// must leave as it is.
const QByteArray kEarlierDocument = "{\\rtf1\\ansi scheda esportata ieri\\par }";

// What happened in the export window opened by the card's cmdStampa.
struct Seen {
    bool shown = false;
    bool closedByItself = false;  // the button closed it
    QString objectName;
    QString tag;
    QWidget* owner = nullptr;
};

class RtfExportTest : public CardFixture<TfrmSquadre> {
protected:
    void click(const char* name) { QTest::mouseClick(tool(name), Qt::LeftButton); }

    // Opens the window with the card's cmdStampa and presses `button` in it;
    // a window the button leaves open is closed afterwards.
    Seen pressInWindow(const char* button) {
        Seen seen;
        whenModal([&seen, button](QWidget* modal) {
            seen.shown = true;
            seen.objectName = modal->objectName();
            seen.owner = modal->parentWidget();
            if (auto* window = qobject_cast<TfrmCreaRTF*>(modal)) seen.tag = window->memory();
            auto* pressed = modal->findChild<QPushButton*>(QString::fromLatin1(button));
            if (pressed) QTest::mouseClick(pressed, Qt::LeftButton);
            seen.closedByItself = !modal->isVisible();
            if (modal->isVisible()) modal->close();
        });
        click("cmdStampa");
        return seen;
    }
    Seen exportCard() { return pressInWindow("btnStampa"); }

    // Types the lines into a control, pressing Enter between them.
    void typeLines(const char* control, const QStringList& lines) {
        QWidget* field = card->findChild<QWidget*>(QString::fromLatin1(control));
        ASSERT_NE(field, nullptr) << control;
        field->setFocus();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(field, Qt::Key_Return);
            typeText(field, lines.at(i));
        }
    }

    // The files of the data folder, hidden ones too.
    QStringList filesInFolder() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

TEST_F(RtfExportTest, ACardNamedAlfaGivesTheTitleTheRuleAnEmptyParagraphThenItsName) {
    ASSERT_TRUE(writeTeams(dataPath(kArchive), {{.name = "Alfa"}}));
    click("cmdPrimo");
    ASSERT_EQ(edit("txtSquadra")->text(), QStringLiteral("Alfa"));

    const Seen seen = exportCard();
    EXPECT_TRUE(seen.closedByItself);
    const QByteArray written = readFile(kDocument);
    // Piece by piece: fonts and colours, the centred bold title, the line of
    // 48 underscores, an empty paragraph, then the first heading and value.
    EXPECT_TRUE(written.startsWith(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}"
        "{\\f1\\fnil Verdana;}}{\\colortbl ;\\red0\\green0\\blue0;}"
        "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 SQUADRA DI CACCIA\\f1\\fs16"
        "\\par \\fs24 ________________________________________________\\par"
        "\\par \\pard\\f0\\fs20 Nome squadra di caccia:\\b0\\f1  \\f0 Alfa\\par"))
        << written.constData();
    EXPECT_EQ(written, teamDocument({.squadra = "Alfa"}));
    EXPECT_FALSE(written.contains('\n'));
    EXPECT_FALSE(written.contains('\r'));
}

// Every field of a stored team, and what the document makes of it (a lone
// LF or CR in a memo is a line too); the flag and the attachments stay out
// of it.
TEST_F(RtfExportTest, AStoredCardIsWrittenFieldByFieldInTheOrderOfTheHeadings) {
    const TestTeam team{.name = "  I Cinghialai  ",
                        .forms = "Braccata {cinghiale}",
                        .atc = "ATC Citt\xE0 di Castello 1",
                        .leader = "Rossi Mario",
                        .members = "Rossi Mario\r\nBianchi Luigi\r\nVerdi Anna",
                        .emails = "rossi@example.it,\nbianchi@example.it,\rneri@example.it",
                        .deputy = "Bianchi Luigi",
                        .dogs = "Neri Ugo",
                        .posts = "Gialli Pio",
                        .note = "quota \x80 30 in C:\\cassa",
                        .flag = "S\xEC",
                        .file01 = "/home/mappa.pdf",
                        .desc01 = "Mappa delle poste"};
    ASSERT_TRUE(writeTeams(dataPath(kArchive), {{.name = "Alfa"}, team}));
    click("cmdUltimo");
    ASSERT_EQ(control<QLabel>("lblPosizione")->text(), QStringLiteral("2"));

    exportCard();
    EXPECT_EQ(readFile(kDocument),
              teamDocument({.squadra = "I Cinghialai",
                            .forme = "Braccata \\{cinghiale\\}",
                            .atc = "ATC Citt\xE0 di Castello 1",
                            .caposquadra = "Rossi Mario",
                            .cacciatori = "Rossi Mario\\line Bianchi Luigi\\line Verdi Anna",
                            .email = "rossi@example.it,\\line bianchi@example.it,\\line "
                                     "neri@example.it",
                            .vicecapo = "Bianchi Luigi",
                            .capocanaio = "Neri Ugo",
                            .capoposta = "Gialli Pio",
                            .note = "quota \x80 30 in C:\\\\cassa"}));
    EXPECT_EQ(messages().take(), (QStringList{kAskExport, kAskOpen}));
}

TEST_F(RtfExportTest, AnEditNotYetSavedIsWrittenAndTheArchiveIsLeftAlone) {
    const QByteArray stored =
        teamRecord({.name = "Alfa", .leader = "Rossi Mario", .note = "vecchia nota"});
    writeFile(kArchive, stored);
    click("cmdPrimo");
    QLineEdit* note = edit("txtNote");
    note->setFocus();
    note->selectAll();
    typeText(note, QStringLiteral("nota nuova"));

    exportCard();
    EXPECT_EQ(
        readFile(kDocument),
        teamDocument({.squadra = "Alfa", .caposquadra = "Rossi Mario", .note = "nota nuova"}));
    EXPECT_EQ(readFile(kArchive), stored);
}

// A new card, never saved, with one field typed on it.
struct TypedCase {
    const char* name;
    const char* control;
    QStringList lines;  // typed with Enter between them
    TeamDocumentValues written;
};

void PrintTo(const TypedCase& c, std::ostream* out) {
    *out << c.name;
}

class TypedCard : public RtfExportTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedCard, IsWrittenAsTyped) {
    const TypedCase& c = GetParam();
    typeLines(c.control, c.lines);
    exportCard();
    EXPECT_EQ(readFile(kDocument), teamDocument(c.written));
    EXPECT_EQ(filesInFolder(), QStringList{kDocument});  // nothing saved, no file left over
}

INSTANTIATE_TEST_SUITE_P(
    NewCard, TypedCard,
    ::testing::Values(
        TypedCase{"OneField", "txtSquadra", {QStringLiteral("Beta")}, {.squadra = "Beta"}},
        TypedCase{
            "BlanksAroundTrimmed", "txtATC", {QStringLiteral("   ATC 2   ")}, {.atc = "ATC 2"}},
        TypedCase{"BracesAndBackslashInTheNote",
                  "txtNote",
                  {QStringLiteral("{ritrovo} alle 6 \\ 7")},
                  {.note = "\\{ritrovo\\} alle 6 \\\\ 7"}},
        TypedCase{"ThreeMembersOneALine",
                  "txtCacciatori",
                  {QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Luigi"),
                   QStringLiteral("Verdi Anna")},
                  {.cacciatori = "Rossi Mario\\line Bianchi Luigi\\line Verdi Anna"}},
        TypedCase{"ALetterOutsideWindows1252",
                  "txtCaposquadra",
                  {QStringLiteral("Łukasz Nowak")},
                  {.caposquadra = "\\u321?ukasz Nowak"}},
        TypedCase{"Windows1252LettersStayOneByte",
                  "txtForme",
                  {QStringLiteral("Città € è")},
                  {.forme = "Citt\xE0 \x80 \xE8"}}),
    [](const auto& row) { return std::string(row.param.name); });

// The two questions: No to the first writes nothing; the second decides
// whether the document is opened. The window closes in every case.
TEST_F(RtfExportTest, TheAnswersDecideWhatIsWrittenAndOpened) {
    struct Case {
        const char* what;
        QList<bool> answers;
        bool written;
        bool opened;
        QStringList asked;
    };
    const Case cases[] = {
        {"yes, yes", {true, true}, true, true, {kAskExport, kAskOpen}},
        {"yes, no", {true, false}, true, false, {kAskExport, kAskOpen}},
        {"no", {false}, false, false, {kAskExport}},
    };
    typeLines("txtSquadra", {QStringLiteral("Gamma")});
    const QByteArray exported = teamDocument({.squadra = "Gamma"});
    for (const Case& c : cases) {
        writeFile(kDocument, kEarlierDocument);
        desktop().opened.clear();
        messages().answers = c.answers;

        const Seen seen = exportCard();
        EXPECT_TRUE(seen.closedByItself) << c.what;
        EXPECT_EQ(messages().take(), c.asked) << c.what;
        EXPECT_EQ(readFile(kDocument), c.written ? exported : kEarlierDocument) << c.what;
        EXPECT_EQ(filesInFolder(), QStringList{kDocument}) << c.what;
        EXPECT_EQ(desktop().opened.size(), c.opened ? 1 : 0) << c.what;
    }
}

TEST_F(RtfExportTest, YesOpensTheDocumentItWrote) {
    typeLines("txtSquadra", {QStringLiteral("Delta")});
    exportCard();
    ASSERT_EQ(desktop().opened.size(), 1);
    // The window hands the path in double quotes, which the seam drops.
    QString target = desktop().opened.at(0);
    ASSERT_TRUE(target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        << qPrintable(target);
    target = target.mid(1, target.size() - 2);
    EXPECT_EQ(QDir::fromNativeSeparators(target), dataPath(kDocument));
    QFile opened(target);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(opened.readAll(), teamDocument({.squadra = "Delta"}));
}

class FailedExport : public RtfExportTest,
                     public ::testing::WithParamInterface<WriteFailure::Kind> {};

TEST_P(FailedExport, ShowsThePlainMessageAndKeepsThePreviousDocument) {
    typeLines("txtSquadra", {QStringLiteral("Epsilon")});
    writeFile(kDocument, kEarlierDocument);
    Seen seen;
    {
        WriteFailure failure(GetParam(), folder.path());
        if (!failure.possible()) GTEST_SKIP() << "this machine writes there anyway";
        seen = exportCard();
    }
    EXPECT_TRUE(seen.closedByItself);
    ASSERT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown.at(0).kind, ShownMessage::Kind::Confirm);
    EXPECT_EQ(messages().shown.at(0).text, kAskExport);
    EXPECT_EQ(messages().shown.at(1).kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().shown.at(1).text, kWriteFailed);
    EXPECT_EQ(readFile(kDocument), kEarlierDocument);
    EXPECT_EQ(filesInFolder(), QStringList{kDocument});
    EXPECT_TRUE(desktop().opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedExport,
                         ::testing::Values(WriteFailure::Kind::ReadOnlyFolder,
                                           WriteFailure::Kind::FullDisk),
                         [](const auto& failure) { return WriteFailure::name(failure.param); });

// Only the document's own tag lets btnStampa export; any other does
// nothing, not even close the window.
TEST_F(RtfExportTest, AnotherTagMakesTheExportButtonDoNothing) {
    typeLines("txtSquadra", {QStringLiteral("Zeta")});
    for (const QString& tag : {QString(), QStringLiteral("anagrafica"), QStringLiteral("Squadre"),
                               QStringLiteral("squadre ")}) {
        TfrmCreaRTF window(card.get(), teams::rtfCard());
        window.setMemory(tag);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnStampa")),
                          Qt::LeftButton);
        EXPECT_TRUE(window.isVisible()) << qPrintable(tag);
        EXPECT_TRUE(messages().take().isEmpty()) << qPrintable(tag);
        EXPECT_FALSE(QFile::exists(dataPath(kDocument))) << qPrintable(tag);
    }
}

TEST_F(RtfExportTest, TheCardsPrintButtonOpensTheWindowWithTheTeamsTag) {
    QToolButton* cmdStampa = tool("cmdStampa");
    ASSERT_NE(cmdStampa, nullptr);
    EXPECT_EQ(cmdStampa->toolTip(), QStringLiteral("Esporta e stampa la scheda corrente."));
    const Seen seen = pressInWindow("btnAnnulla");
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.closedByItself);  // Annulla closes it
    EXPECT_EQ(seen.objectName, QStringLiteral("TfrmCreaRTF"));
    EXPECT_EQ(seen.tag, QStringLiteral("squadre"));
    EXPECT_EQ(seen.owner, card.get());
}

// What the window shows, read while it is open.
struct Looks {
    QString caption;
    QStringList labels;  // every label's text, in creation order
    QString leftButton, rightButton;
    QStringList buttons;  // every push button's name
    bool fixedSize = false;
    QPoint centre;
};

TEST_F(RtfExportTest, TheWindowShowsItsTextsAndButtonsCentredOnTheCard) {
    Looks looks;
    whenModal([&looks](QWidget* modal) {
        looks.caption = modal->windowTitle();
        for (const QLabel* label : modal->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) looks.labels.append(label->text());
        }
        auto* annulla = modal->findChild<QPushButton*>(QStringLiteral("btnAnnulla"));
        auto* stampa = modal->findChild<QPushButton*>(QStringLiteral("btnStampa"));
        for (const QPushButton* button : modal->findChildren<QPushButton*>()) {
            looks.buttons.append(button->objectName());
        }
        if (annulla && stampa) {
            looks.leftButton =
                annulla->mapTo(modal, QPoint()).x() < stampa->mapTo(modal, QPoint()).x()
                    ? annulla->text()
                    : stampa->text();
            looks.rightButton =
                looks.leftButton == annulla->text() ? stampa->text() : annulla->text();
        }
        looks.fixedSize = modal->minimumSize() == modal->maximumSize();
        looks.centre = modal->frameGeometry().center();
        if (annulla) QTest::mouseClick(annulla, Qt::LeftButton);
        if (modal->isVisible()) modal->close();
    });
    click("cmdStampa");

    EXPECT_EQ(looks.caption, QStringLiteral(" Esporta scheda in RTF"));
    EXPECT_EQ(looks.labels,
              (QStringList{QStringLiteral("Esporta scheda in formato RTF"),
                           QStringLiteral("Fare clic sul pulsante in calce per esportare la "
                                          "scheda in un documento RTF."),
                           QStringLiteral("Il testo del documento potrà quindi essere "
                                          "personalizzato prima di procedere alla stampa su "
                                          "carta.")}));
    EXPECT_EQ(looks.buttons,
              (QStringList{QStringLiteral("btnAnnulla"), QStringLiteral("btnStampa")}));
    EXPECT_EQ(looks.leftButton, QStringLiteral("Annulla"));
    EXPECT_EQ(looks.rightButton, QStringLiteral("Esporta e stampa"));
    EXPECT_TRUE(looks.fixedSize);
    EXPECT_LE((looks.centre - card->frameGeometry().center()).manhattanLength(), 2);
    // Annulla closed it without a question or a file.
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_FALSE(QFile::exists(dataPath(kDocument)));
    EXPECT_TRUE(card->findChildren<TfrmCreaRTF*>().isEmpty());
}

}  // namespace
