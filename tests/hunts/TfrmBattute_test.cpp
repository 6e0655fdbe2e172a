#include "hunts/TfrmBattute.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "records/ArchiveMessages.h"
#include "support/CardFixture.h"
#include "support/HintHover.h"
#include "support/HuntArchive.h"
#include "support/HuntDocument.h"
#include "support/HunterArchive.h"
#include "support/ListClicks.h"
#include "support/TeamArchive.h"
#include "support/WriteFailure.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"
#include "windows/TfrmAllegaCartella.h"
#include "windows/TfrmCalendario.h"
#include "windows/TfrmCreaRTF.h"

namespace {

const QString kFile = QStringLiteral("Battute.pro");
constexpr int kSize = HuntBytes::kSize;

// The edits and memos of the card, in tab order, with their capacities.
struct TextField {
    const char* control;
    int limit;
};
constexpr TextField kTextFields[] = {
    {"txtTipoBattuta", 250}, {"txtStagione", 50},    {"txtDataInizio", 10}, {"txtDataFine", 10},
    {"txtPreavviso", 3},     {"txtTenuta", 250},     {"txtVitto", 250},     {"txtTrasporto", 250},
    {"txtSquadra", 250},     {"txtCaposquadra", 50}, {"txtQuota", 15},      {"txtNote", 250},
    {"txtCacciatori", 5000}, {"txtCapi", 5000},
};

class HuntCardTest : public CardFixture<TfrmBattute> {
protected:
    // The fields Save requires.
    void fillRequired() {
        set("txtTipoBattuta", QStringLiteral("Cinghiale"));
        set("txtDataInizio", QStringLiteral("15/11/2024"));
        set("txtDataFine", QStringLiteral("17/11/2024"));
    }
    // Runs the search `button` opens, checks its window and tag, and
    // double-clicks the line starting with `line` (empty: closes the search
    // without choosing).
    void importWith(const char* button, const char* window, const QString& line) {
        bool opened = false;
        whenModal([&](QWidget* modal) {
            auto* search = qobject_cast<SearchWindow*>(modal);
            if (!search) {
                ADD_FAILURE() << button << " opened no search window";
                modal->close();
                return;
            }
            opened = true;
            EXPECT_EQ(search->objectName(), QString::fromLatin1(window));
            EXPECT_EQ(search->memory(), QStringLiteral("battute"));
            search->search();
            const qsizetype row = lineStartingWith(search->list(), line);
            if (line.isEmpty() || row < 0) {
                EXPECT_TRUE(line.isEmpty()) << "no line for " << line.toStdString();
                QTest::mouseClick(search->list()->closeButton(), Qt::LeftButton);
            } else {
                doubleClickLine(search->list(), row);
            }
        });
        click(button);
        EXPECT_TRUE(opened) << button;
    }
};

TEST_F(HuntCardTest, ShowsANewCardWithNoDaysOfNoticeAndNoFee) {
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Battute di Caccia"));
    EXPECT_EQ(control<QLabel>("panInfo")->text(),
              QStringLiteral("Pronto per archiviare una nuova scheda..."));
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(QApplication::focusWidget(), field("txtTipoBattuta"));
    for (const TextField& f : kTextFields) {
        const QString name = QString::fromLatin1(f.control);
        QString shown;
        if (name == u"txtPreavviso") shown = QStringLiteral("0");
        if (name == u"txtQuota") shown = QStringLiteral("0,00");
        EXPECT_EQ(text(f.control), shown) << f.control;
        if (auto* e = qobject_cast<QLineEdit*>(field(f.control))) {
            EXPECT_EQ(e->maxLength(), f.limit) << f.control;
        }
    }
    EXPECT_TRUE(edit("txtDataInizio")->isReadOnly());
    EXPECT_TRUE(edit("txtDataFine")->isReadOnly());
}

TEST_F(HuntCardTest, TabAndShiftTabVisitTheFieldsInOrder) {
    field(kTextFields[0].control)->setFocus();
    for (std::size_t i = 1; i < std::size(kTextFields); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), field(kTextFields[i].control))
            << "Tab after " << kTextFields[i - 1].control;
    }
    for (std::size_t i = std::size(kTextFields) - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), field(kTextFields[i - 1].control))
            << "Shift+Tab from " << kTextFields[i].control;
    }
    EXPECT_EQ(text("txtCacciatori"), QString());
    EXPECT_EQ(text("txtCapi"), QString());
}

TEST_F(HuntCardTest, EnterFollowsTheChainAndStartsALineInTheMemos) {
    struct Case {
        const char* from;
        const char* to;
    } cases[] = {
        {"txtTipoBattuta", "txtStagione"}, {"txtStagione", "txtDataInizio"},
        {"txtPreavviso", "txtTenuta"},     {"txtTenuta", "txtVitto"},
        {"txtVitto", "txtTrasporto"},      {"txtTrasporto", "txtSquadra"},
        {"txtSquadra", "txtCaposquadra"},  {"txtCaposquadra", "txtQuota"},
        {"txtQuota", "txtNote"},           {"txtNote", "txtCacciatori"},
    };
    for (const Case& c : cases) {
        QWidget* from = field(c.from);
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), field(c.to)) << c.from;
    }
    for (const char* memo : {"txtCacciatori", "txtCapi"}) {
        set(memo, QStringLiteral("Uno"));
        typeAtEnd(memo, QStringLiteral("\rDue"));
        EXPECT_EQ(QApplication::focusWidget(), field(memo));
        EXPECT_EQ(text(memo), QStringLiteral("Uno\r\nDue")) << memo;
    }
}

TEST_F(HuntCardTest, DaysOfNoticeTakeDigitsAndTheFeeDigitsAndTheComma) {
    set("txtPreavviso", QString());
    typeAtEnd("txtPreavviso", QStringLiteral("a1,b2"));
    EXPECT_EQ(text("txtPreavviso"), QStringLiteral("12"));
    QTest::keyClick(field("txtPreavviso"), Qt::Key_Left);
    QTest::keyClick(field("txtPreavviso"), Qt::Key_Backspace);
    EXPECT_EQ(text("txtPreavviso"), QStringLiteral("2"));

    set("txtQuota", QString());
    typeAtEnd("txtQuota", QStringLiteral("1x2.,5€"));
    EXPECT_EQ(text("txtQuota"), QStringLiteral("12,5"));
}

// The fee is formatted when the field is left, by the program's one amount
// rule.
TEST_F(HuntCardTest, TheFeeIsFormattedWhenLeft) {
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"7", "7,00"},     {"0,5", "0,50"},   {"1,234", "1,23"},
        {"1,237", "1,24"}, {"1,235", "1,24"}, {"0,005", "0,01"},
        {"1,2,3", "0,00"}, {"", "0,00"},      {",", "0,00"},
    };
    for (const Case& c : cases) {
        set("txtQuota", QString());
        typeAtEnd("txtQuota", QString::fromLatin1(c.typed));
        QTest::keyClick(field("txtQuota"), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), field("txtNote")) << c.typed;
        EXPECT_EQ(text("txtQuota"), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(HuntCardTest, DateFieldsOpenTheDateWindowWithTheirTagsAndEmptyOnBackspace) {
    for (const char* name : {"txtDataInizio", "txtDataFine"}) {
        QLineEdit* date = edit(name);
        date->setFocus();
        QString tag;
        bool opened = false;
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmCalendario*>(modal);
            ASSERT_NE(dialog, nullptr);
            opened = true;
            tag = dialog->memory();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnImportaData")),
                              Qt::LeftButton);
        });
        QTest::keyClick(date, Qt::Key_5);
        EXPECT_TRUE(opened) << name;
        EXPECT_EQ(tag, QStringLiteral("battute_") + QString::fromLatin1(name).mid(3).toLower());
        EXPECT_EQ(date->text(), QStringLiteral("07/03/2024")) << name;  // the test clock's today

        QTest::keyClick(date, Qt::Key_Backspace);  // no window opens
        EXPECT_EQ(date->text(), QString()) << name;
        set(name, QStringLiteral("01/01/2024"));
        QTest::keyClick(date, Qt::Key_Delete);
        EXPECT_EQ(date->text(), QString()) << name;
    }
}

TEST_F(HuntCardTest, SaveChecksStopTheSaveInOrderWithTheirKindsAndFocus) {
    const QString missing =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    const QString badDate = QStringLiteral(
        " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida "
        "nel formato gg/mm/aaaa.");
    using Kind = ShownMessage::Kind;
    struct Case {
        const char* kind;
        const char* start;
        const char* end;
        const char* notice;
        QString message;
        Kind shownAs;
        const char* focus;  // nullptr: the focus stays in the note
    } cases[] = {
        {" ", "10/11/2024", "10/11/2024", "0",
         missing + QStringLiteral("il tipo di battuta di caccia."), Kind::Warning,
         "txtTipoBattuta"},
        {"Cinghiale", "", "10/11/2024", "0",
         missing + QStringLiteral("la data di inizio della battuta di caccia."), Kind::Warning,
         "txtDataInizio"},
        {"Cinghiale", "10/11/2024", "", "0",
         missing + QStringLiteral("la data di fine della battuta di caccia."), Kind::Warning,
         "txtDataFine"},
        {"Cinghiale", "31/04/2024", "10/11/2024", "0",
         QStringLiteral("Attenzione: la data di inizio della battuta di caccia 31/04/2024") +
             badDate,
         Kind::Plain, "txtDataInizio"},
        {"Cinghiale", "10/11/2024", "10/13/2024", "0",
         QStringLiteral("Attenzione: la data di fine della battuta di caccia 10/13/2024") + badDate,
         Kind::Plain, "txtDataFine"},
        {"Cinghiale", "10/11/2024", "09/11/2024", "0",
         QStringLiteral("Attenzione: la data di fine della battuta di caccia (09/11/2024) non "
                        "può essere anteriore a quella di inizio (10/11/2024).\n\r\n\rPer poter "
                        "salvare la scheda è necessario indicare un intervallo di tempo valido."),
         Kind::Plain, nullptr},
        {"Cinghiale", "10/11/2024", "10/11/2024", "",
         missing + QStringLiteral("i giorni di preavviso."), Kind::Warning, "txtPreavviso"},
    };
    for (const Case& c : cases) {
        set("txtTipoBattuta", QString::fromLatin1(c.kind));
        set("txtDataInizio", QString::fromLatin1(c.start));
        set("txtDataFine", QString::fromLatin1(c.end));
        set("txtPreavviso", QString::fromLatin1(c.notice));
        field("txtNote")->setFocus();
        click("cmdSalva");
        ASSERT_EQ(messages().shown.size(), 1) << c.message.toStdString();
        EXPECT_EQ(messages().shown.front().kind, c.shownAs) << c.message.toStdString();
        EXPECT_EQ(messages().take(), QStringList{c.message});
        if (c.focus) {
            EXPECT_EQ(QApplication::focusWidget(), field(c.focus)) << c.focus;
        } else {
            EXPECT_NE(QApplication::focusWidget(), field("txtDataInizio"));
            EXPECT_NE(QApplication::focusWidget(), field("txtDataFine"));
        }
        EXPECT_EQ(readFile(kFile).size(), 0);
        EXPECT_EQ(position(), QString());
    }
    // Equal dates are accepted.
    set("txtPreavviso", QStringLiteral("0"));
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
}

TEST_F(HuntCardTest, SavingWritesTheDocumentedBytes) {
    edit("txtTipoBattuta")->setFocus();
    typeText(edit("txtTipoBattuta"), QStringLiteral(" Cinghiale "));
    set("txtStagione", QStringLiteral("2024/2025"));
    set("txtDataInizio", QStringLiteral("15/11/2024"));
    set("txtDataFine", QStringLiteral("17/11/2024"));
    set("txtTenuta", QStringLiteral("ATC Città 2"));
    set("txtVitto", QStringLiteral("Agriturismo"));
    set("txtTrasporto", QStringLiteral("Pullman"));
    set("txtSquadra", QStringLiteral("I Lupi"));
    set("txtCaposquadra", QStringLiteral("Rossi Mario"));
    typeAtEnd("txtQuota", QStringLiteral("5"));  // "0,005" left as typed: 0,01
    set("txtNote", QStringLiteral("€ 20 a testa"));
    typeAtEnd("txtCacciatori", QStringLiteral("Rossi Mario\rBianchi Luca"));
    set("txtCapi", QStringLiteral("3 cinghiali"));
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_EQ(text("txtQuota"), QStringLiteral("0,01"));

    HuntBytes expected;
    expected.set(HuntBytes::TipoBattuta, " Cinghiale ")
        .set(HuntBytes::Stagione, "2024/2025")
        .set(HuntBytes::DataInizio, "15/11/2024")
        .set(HuntBytes::DataFine, "17/11/2024")
        .set(HuntBytes::Preavviso, "0")
        .set(HuntBytes::Tenuta, "ATC Citt\xE0 2")
        .set(HuntBytes::Vitto, "Agriturismo")
        .set(HuntBytes::Trasporto, "Pullman")
        .set(HuntBytes::Squadra, "I Lupi")
        .set(HuntBytes::Caposquadra, "Rossi Mario")
        .set(HuntBytes::Quota, "0,01")
        .set(HuntBytes::Note, "\x80 20 a testa")
        .set(HuntBytes::Cacciatori, "Rossi Mario\r\nBianchi Luca")
        .set(HuntBytes::Capi, "3 cinghiali");
    const QByteArray file = readFile(kFile);
    ASSERT_EQ(file.size(), kSize);
    EXPECT_EQ(file, expected.bytes);
    EXPECT_EQ(file.mid(324, 2), QByteArray("0\0", 2));

    // A new card saved without touching its defaults stores "0" and "0,00".
    click("cmdNuovo");
    fillRequired();
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    HuntBytes second;
    second.set(HuntBytes::TipoBattuta, "Cinghiale")
        .set(HuntBytes::DataInizio, "15/11/2024")
        .set(HuntBytes::DataFine, "17/11/2024")
        .set(HuntBytes::Preavviso, "0")
        .set(HuntBytes::Quota, "0,00");
    EXPECT_EQ(readFile(kFile), expected.bytes + second.bytes);
}

TEST_F(HuntCardTest, ShowsStoredCardsAsStoredAndRewritesThemInPlace) {
    const TestHunt stored{.kind = "  Daini ",
                          .season = "2024",
                          .start = "15/11/2024",
                          .end = "17/11/2024",
                          .notice = "5",
                          .estate = "ATC Citt\xE0 ",
                          .fee = "12,50",
                          .hunters = "Rossi\r\n  Bianchi\r\n",
                          .game = "1 daino",
                          .file01 = "foto.jpg",
                          .desc01 = "Foto"};
    writeFile(kFile,
              huntRecord({.kind = "Uno"}) + huntRecord(stored) + huntRecord({.kind = "Tre"}));
    click("cmdAvanti");
    click("cmdAvanti");
    ASSERT_EQ(position(), QStringLiteral("2"));
    struct Shown {
        const char* control;
        QString text;
    } shown[] = {
        {"txtTipoBattuta", QStringLiteral("  Daini ")},
        {"txtStagione", QStringLiteral("2024")},
        {"txtDataInizio", QStringLiteral("15/11/2024")},
        {"txtPreavviso", QStringLiteral("5")},
        {"txtTenuta", QStringLiteral("ATC Città ")},
        {"txtQuota", QStringLiteral("12,50")},
        {"txtCacciatori", QStringLiteral("Rossi\r\n  Bianchi\r\n")},
        {"txtCapi", QStringLiteral("1 daino")},
        {"txtNote", QString()},
        {"lblFile01", QStringLiteral("foto.jpg")},
        {"lblDesc01", QStringLiteral("Foto")},
    };
    for (const Shown& s : shown) EXPECT_EQ(text(s.control), s.text) << s.control;

    set("txtNote", QStringLiteral("rinviata"));
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    TestHunt updated = stored;
    updated.note = "rinviata";
    EXPECT_EQ(readFile(kFile),
              huntRecord({.kind = "Uno"}) + huntRecord(updated) + huntRecord({.kind = "Tre"}));
}

// The team's name, leader and members replace what the card held, even
// when the team's texts are empty; nothing else changes and nothing is
// saved.
TEST_F(HuntCardTest, ATeamImportReplacesTeamLeaderAndParticipantsEvenWithEmptyTexts) {
    ASSERT_TRUE(writeTeams(
        dataPath(QStringLiteral("Squadre.pro")),
        {{.name = " I Lupi ", .leader = "Rossi Mario ", .members = "Rossi Mario\r\nBianchi Luca"},
         {.name = "Le Volpi"}}));
    struct Case {
        const char* team;  // the start of its line
        QString name, leader, members;
    } cases[] = {
        {"I Lupi", QStringLiteral(" I Lupi "), QStringLiteral("Rossi Mario "),
         QStringLiteral("Rossi Mario\r\nBianchi Luca")},
        {"Le Volpi", QStringLiteral("Le Volpi"), QString(), QString()},
    };
    for (const Case& c : cases) {
        set("txtTipoBattuta", QStringLiteral("Cinghiale"));
        set("txtSquadra", QStringLiteral("prima"));
        set("txtCaposquadra", QStringLiteral("prima"));
        set("txtCacciatori", QStringLiteral("Verdi Ugo\r\nNeri Ada"));
        importWith("impSquadra", "TfrmTrovaSquadre", QString::fromLatin1(c.team));
        EXPECT_EQ(text("txtSquadra"), c.name) << c.team;
        EXPECT_EQ(text("txtCaposquadra"), c.leader) << c.team;
        EXPECT_EQ(text("txtCacciatori"), c.members) << c.team;
        EXPECT_EQ(text("txtTipoBattuta"), QStringLiteral("Cinghiale")) << c.team;
        EXPECT_EQ(text("txtQuota"), QStringLiteral("0,00")) << c.team;
        EXPECT_EQ(position(), QString());
    }
    EXPECT_EQ(readFile(kFile).size(), 0);
    // Closed without a choice: the card keeps its texts.
    importWith("impSquadra", "TfrmTrovaSquadre", QString());
    EXPECT_EQ(text("txtSquadra"), QStringLiteral("Le Volpi"));
}

TEST_F(HuntCardTest, TheLeaderIsImportedFromTheHuntersSearch) {
    ASSERT_TRUE(writeHunters(dataPath(QStringLiteral("Cacciatori.pro")),
                             {{"Bianchi", "Anna"}, {"  Rossi ", " Mario  "}}));
    set("txtSquadra", QStringLiteral("I Lupi"));
    set("txtCacciatori", QStringLiteral("Verdi Ugo"));
    importWith("impCacciatore", "TfrmTrovaAnagrafica", QStringLiteral("Rossi"));
    EXPECT_EQ(text("txtCaposquadra"), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(text("txtSquadra"), QStringLiteral("I Lupi"));
    EXPECT_EQ(text("txtCacciatori"), QStringLiteral("Verdi Ugo"));
    EXPECT_EQ(position(), QString());
}

TEST_F(HuntCardTest, DuplicateKeepsTheTextsButNotTheAttachments) {
    writeFile(kFile, huntRecord({.kind = "Daini",
                                 .start = "15/11/2024",
                                 .end = "17/11/2024",
                                 .notice = "7",
                                 .fee = "30,00",
                                 .hunters = "Rossi Mario",
                                 .file01 = "foto.jpg",
                                 .desc01 = "Foto"}));
    click("cmdUltimo");
    ASSERT_EQ(position(), QStringLiteral("1"));
    click("cmdDuplica");
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::duplicateReady()});
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(text("txtTipoBattuta"), QStringLiteral("Daini"));
    EXPECT_EQ(text("txtPreavviso"), QStringLiteral("7"));
    EXPECT_EQ(text("txtDataInizio"), QStringLiteral("15/11/2024"));
    EXPECT_EQ(text("lblFile01"), QString());
    EXPECT_EQ(text("lblDesc01"), QString());
    click("cmdSalva");
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(readFile(kFile).mid(kSize), huntRecord({.kind = "Daini",
                                                      .start = "15/11/2024",
                                                      .end = "17/11/2024",
                                                      .notice = "7",
                                                      .fee = "30,00",
                                                      .hunters = "Rossi Mario"}));
}

TEST_F(HuntCardTest, ButtonsShowTheirHints) {
    const QList<HintRow> hints{
        {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"cmdDuplica",
         "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati "
         "correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdFile", "Allega file alla scheda corrente."},
        {"cmdStampa", "Esporta e stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdScadeBattute", "Visualizza il riepilogo delle battute di caccia imminenti."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"impSquadra", "Importa i dati dall'archivio delle squadre di caccia."},
        {"impCacciatore", "Importa i dati dall'archivio anagrafico dei cacciatori."},
    };
    QWidget* panel = card->findChild<QFrame*>(QStringLiteral("panRecord"));
    EXPECT_EQ(hoverHints(card.get(), hints, panel, QPoint(5, panel->height() - 5)),
              shownHints(hints));
}

// The card's own windows: each opened with the hunts' tag, the search and
// the summary loading the chosen hunt into the card.
TEST_F(HuntCardTest, TheSearchLoadsTheChosenHuntIntoTheCard) {
    writeFile(kFile, huntRecord({.kind = "Daini", .start = "01/12/2024"}) +
                         huntRecord({.kind = "Cinghiale", .start = "15/11/2024", .notice = "5"}));
    bool opened = false;
    whenModal([&](QWidget* modal) {
        auto* search = qobject_cast<SearchWindow*>(modal);
        ASSERT_NE(search, nullptr);
        opened = true;
        EXPECT_EQ(search->objectName(), QStringLiteral("TfrmTrovaBattute"));
        EXPECT_EQ(search->memory(), QStringLiteral("battute"));
        search->search();
        doubleClickLine(search->list(), lineStartingWith(search->list(), QStringLiteral("Cing")));
    });
    click("cmdTrova");
    EXPECT_TRUE(opened);
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(text("txtTipoBattuta"), QStringLiteral("Cinghiale"));
    EXPECT_EQ(text("txtPreavviso"), QStringLiteral("5"));
}

// Two hunts with the same line (the note is not on it): each line opens
// its own record.
TEST_F(HuntCardTest, IdenticalLinesOpenEachItsOwnHunt) {
    writeFile(kFile, huntRecord({.kind = "Daini", .start = "01/12/2024", .note = "prima"}) +
                         huntRecord({.kind = "Daini", .start = "01/12/2024", .note = "seconda"}));
    for (qsizetype row : {0, 1}) {
        QStringList lines;
        whenModal([&](QWidget* modal) {
            auto* search = qobject_cast<SearchWindow*>(modal);
            ASSERT_NE(search, nullptr);
            search->search();
            for (const ListLine& line : search->list()->lines()) lines.append(line.text);
            doubleClickLine(search->list(), row);
        });
        click("cmdTrova");
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines.at(0), lines.at(1));
        EXPECT_EQ(position(), QString::number(row + 1));
        EXPECT_EQ(text("txtNote"), row == 0 ? u"prima" : u"seconda");
    }
}

// The test clock's today is 07/03/2024.
TEST_F(HuntCardTest, TheImminentSummaryListsOnTheClocksTodayAndLoadsTheChosenHunt) {
    writeFile(kFile, huntRecord({.kind = "Cinghiale", .start = "10/03/2024", .notice = "3"}) +
                         huntRecord({.kind = "Daini", .start = "xx", .notice = "3"}) +
                         huntRecord({.kind = "Cervi", .start = "11/03/2024", .notice = "3"}) +
                         huntRecord({.kind = "Lepri", .start = "07/03/2024", .notice = "0"}));
    QStringList kinds;
    whenModal([&](QWidget* modal) {
        auto* summary = qobject_cast<SummaryWindow*>(modal);
        ASSERT_NE(summary, nullptr);
        EXPECT_EQ(summary->objectName(), QStringLiteral("TfrmRiepBattuteImminenti"));
        for (const ListLine& line : summary->list()->lines()) {
            kinds.append(line.text.left(30).trimmed());
        }
        doubleClickLine(summary->list(), lineStartingWith(summary->list(), QStringLiteral("Lep")));
    });
    click("cmdScadeBattute");
    EXPECT_EQ(kinds, (QStringList{"Cinghiale", "Lepri"}));
    EXPECT_EQ(position(), QStringLiteral("4"));
    EXPECT_EQ(text("txtTipoBattuta"), QStringLiteral("Lepri"));
    EXPECT_TRUE(messages().shown.isEmpty());
}

TEST_F(HuntCardTest, TheAttachmentsWindowOpensWithTheHuntsTag) {
    QString tag;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmAllegaCartella*>(modal);
        ASSERT_NE(dialog, nullptr);
        tag = dialog->memory();
        modal->close();
    });
    click("cmdFile");
    EXPECT_EQ(tag, QStringLiteral("battute"));
}

// The document is written from the card as it stands, days of notice left
// out, memo lines as \line.
TEST_F(HuntCardTest, ThePrintButtonWritesTheCardsRtfDocument) {
    set("txtTipoBattuta", QStringLiteral(" Caccia {cinghiale} "));
    set("txtDataInizio", QStringLiteral("15/11/2024"));
    set("txtPreavviso", QStringLiteral("5"));
    set("txtTenuta", QStringLiteral("ATC Città <1>"));
    set("txtNote", QStringLiteral("C:\\cassa"));
    typeAtEnd("txtCacciatori", QStringLiteral("Rossi\rBianchi"));
    messages().answers = {true, false};
    QString tag;
    whenModal([&](QWidget* modal) {
        auto* window = qobject_cast<TfrmCreaRTF*>(modal);
        ASSERT_NE(window, nullptr);
        tag = window->memory();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnStampa")),
                          Qt::LeftButton);
        if (modal->isVisible()) modal->close();
    });
    click("cmdStampa");
    EXPECT_EQ(tag, QStringLiteral("battute"));
    EXPECT_EQ(messages().take().size(), 2);
    EXPECT_EQ(readFile(QStringLiteral("Battuta_di_Caccia.rtf")),
              huntDocument({.tipo = "Caccia \\{cinghiale\\}",
                            .inizio = "15/11/2024",
                            .tenuta = "ATC Citt\xE0 <1>",
                            .quota = "0,00",
                            .note = "C:\\\\cassa",
                            .cacciatori = "Rossi\\line Bianchi"}));
    EXPECT_EQ(readFile(kFile).size(), 0);
}

class RefusedHuntSave : public HuntCardTest,
                        public ::testing::WithParamInterface<WriteFailure::Kind> {};

TEST_P(RefusedHuntSave, GivesThePlainAccessMessage) {
    fillRequired();
    {
        WriteFailure failure(GetParam(), folder.path());
        if (!failure.possible()) GTEST_SKIP() << "this machine writes there anyway";
        click("cmdSalva");
    }
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(text("txtTipoBattuta"), QStringLiteral("Cinghiale"));
}

INSTANTIATE_TEST_SUITE_P(Failures, RefusedHuntSave,
                         ::testing::Values(WriteFailure::Kind::ReadOnlyFolder,
                                           WriteFailure::Kind::FullDisk),
                         [](const auto& failure) { return WriteFailure::name(failure.param); });

}  // namespace
