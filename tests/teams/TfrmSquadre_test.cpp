#include "teams/TfrmSquadre.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "records/ArchiveMessages.h"
#include "support/CardFixture.h"
#include "support/HintHover.h"
#include "support/HunterArchive.h"
#include "support/ListClicks.h"
#include "support/TeamArchive.h"
#include "support/WriteFailure.h"
#include "windows/SearchWindow.h"

namespace {

const QString kFile = QStringLiteral("Squadre.pro");
constexpr int kSize = TeamBytes::kSize;

// The edits and memos of the card, in tab order, with their capacities.
struct TextField {
    const char* control;
    int limit;
};
constexpr TextField kTextFields[] = {
    {"txtSquadra", 250},     {"txtForme", 250},  {"txtATC", 250},     {"txtCaposquadra", 50},
    {"txtCacciatori", 5000}, {"txtEmail", 5000}, {"txtVicecapo", 50}, {"txtCapocanaio", 50},
    {"txtCapoposta", 50},    {"txtNote", 250},
};

class TeamCardTest : public CardFixture<TfrmSquadre> {
protected:
    // The two required fields.
    void fillRequired() {
        set("txtSquadra", QStringLiteral("Alfa"));
        set("txtCaposquadra", QStringLiteral("Rossi Mario"));
    }
    // Runs the hunters' search of an officer's button and double-clicks the
    // hunter whose line starts with `hunter` (nothing: closes the search
    // without choosing); returns the window tag it was opened with.
    QString importOfficer(const char* button, const QString& hunter) {
        QString tag;
        bool opened = false;
        whenModal([&](QWidget* modal) {
            auto* search = qobject_cast<SearchWindow*>(modal);
            if (!search) {
                ADD_FAILURE() << "the officer's button opened no search window";
                modal->close();
                return;
            }
            opened = true;
            EXPECT_EQ(search->objectName(), QStringLiteral("TfrmTrovaAnagrafica"));
            tag = search->memory();
            search->search();
            const qsizetype row = lineStartingWith(search->list(), hunter);
            if (hunter.isEmpty() || row < 0) {
                EXPECT_TRUE(hunter.isEmpty()) << "no line for " << hunter.toStdString();
                QTest::mouseClick(search->list()->closeButton(), Qt::LeftButton);
            } else {
                doubleClickLine(search->list(), row);
            }
        });
        click(button);
        EXPECT_TRUE(opened) << button;
        return tag;
    }
};

TEST_F(TeamCardTest, ShowsAnEmptyNewCardReadyToArchive) {
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Archivio Squadre"));
    EXPECT_EQ(label("panInfo"), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(QApplication::focusWidget(), field("txtSquadra"));
    for (const TextField& f : kTextFields) EXPECT_EQ(text(f.control), QString()) << f.control;
    EXPECT_FALSE(flag()->isChecked());
}

TEST_F(TeamCardTest, TabAndShiftTabVisitTheFieldsInOrder) {
    const char* order[] = {"txtSquadra",    "txtForme",      "txtATC",   "txtCaposquadra",
                           "chkSegnala",    "txtCacciatori", "txtEmail", "txtVicecapo",
                           "txtCapocanaio", "txtCapoposta",  "txtNote"};
    field(order[0])->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), field(order[i])) << "Tab after " << order[i - 1];
    }
    for (std::size_t i = std::size(order) - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), field(order[i - 1]))
            << "Shift+Tab from " << order[i];
    }
    // Tab moves on from the memos, it types nothing into them.
    EXPECT_EQ(text("txtCacciatori"), QString());
    EXPECT_EQ(text("txtEmail"), QString());
}

TEST_F(TeamCardTest, EnterFollowsTheChain) {
    struct Case {
        const char* from;
        const char* to;
    } cases[] = {
        {"txtSquadra", "txtForme"},        {"txtForme", "txtATC"},
        {"txtATC", "txtCaposquadra"},      {"txtCaposquadra", "txtCacciatori"},
        {"txtEmail", "txtVicecapo"},       {"txtVicecapo", "txtCapocanaio"},
        {"txtCapocanaio", "txtCapoposta"}, {"txtCapoposta", "txtNote"},
        {"txtNote", "txtSquadra"},
    };
    for (const Case& c : cases) {
        QWidget* from = field(c.from);
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), field(c.to)) << c.from;
    }
}

// In the members' memo Enter starts a new line; in the addresses' memo it
// starts none and moves on.
TEST_F(TeamCardTest, EnterStartsALineInTheMembersButNotInTheAddresses) {
    set("txtCacciatori", QStringLiteral("Mario Rossi"));
    typeAtEnd("txtCacciatori", QStringLiteral("\rLuca Bianchi"));
    EXPECT_EQ(QApplication::focusWidget(), field("txtCacciatori"));
    EXPECT_EQ(text("txtCacciatori"), QStringLiteral("Mario Rossi\r\nLuca Bianchi"));

    set("txtEmail", QStringLiteral("a@b.it"));
    typeAtEnd("txtEmail", QStringLiteral("\r"));
    EXPECT_EQ(QApplication::focusWidget(), field("txtVicecapo"));
    EXPECT_EQ(text("txtEmail"), QStringLiteral("a@b.it"));
}

// A typed key past the limit is refused, in the edits and in the memos.
TEST_F(TeamCardTest, EveryTextFieldHoldsAtMostItsCapacity) {
    for (const TextField& f : kTextFields) {
        set(f.control, QString(f.limit - 1, u'a'));
        typeAtEnd(f.control, QStringLiteral("bc"));
        EXPECT_EQ(text(f.control), QString(f.limit - 1, u'a') + u'b') << f.control;
        if (auto* e = qobject_cast<QLineEdit*>(field(f.control))) {
            EXPECT_EQ(e->maxLength(), f.limit) << f.control;
        }
    }
}

// A line break takes two of a memo's characters, as it is stored (CR LF);
// a paste is cut to what fits.
TEST_F(TeamCardTest, MemosCountLineBreaksAsStoredAndCutAPaste) {
    for (const char* name : {"txtCacciatori", "txtEmail"}) {
        set(name, QString(4998, u'a'));
        pasteAtEnd(name, QStringLiteral("xyz"));
        EXPECT_EQ(text(name), QString(4998, u'a') + QStringLiteral("xy")) << name;

        set(name, QString(4997, u'a'));
        pasteAtEnd(name, QStringLiteral("x\r\nyz"));
        EXPECT_EQ(text(name), QString(4997, u'a') + QStringLiteral("x\r\n")) << name;
    }
    // Enter in the members needs room for two characters.
    set("txtCacciatori", QString(4999, u'a'));
    typeAtEnd("txtCacciatori", QStringLiteral("\r"));
    EXPECT_EQ(text("txtCacciatori"), QString(4999, u'a'));
    set("txtCacciatori", QString(4998, u'a'));
    typeAtEnd("txtCacciatori", QStringLiteral("\r"));
    EXPECT_EQ(text("txtCacciatori"), QString(4998, u'a') + QStringLiteral("\r\n"));
}

TEST_F(TeamCardTest, TheAddressesRefuseTypedBlanksSlashesAndAccents) {
    const char* refused[] = {" ", "/", "<", ">", "€", "£", "°", "è", "À",
                             "Á", "é", "ì", "ò", "ù", "Ç", "ñ", "Ü", "ü"};
    for (const char* c : refused) {
        set("txtEmail", QString());
        typeAtEnd("txtEmail", QStringLiteral("a") + QString::fromUtf8(c) + QStringLiteral("b"));
        EXPECT_EQ(text("txtEmail"), QStringLiteral("ab")) << c;
    }
    set("txtEmail", QString());
    typeAtEnd("txtEmail", QStringLiteral("Mario.Rossi_1@caccia-it.com,x@y.it;"));
    EXPECT_EQ(text("txtEmail"), QStringLiteral("Mario.Rossi_1@caccia-it.com,x@y.it;"));

    // A paste is not filtered; the other fields take every character.
    pasteAtEnd("txtEmail", QStringLiteral(" è/€"));
    EXPECT_EQ(text("txtEmail"), QStringLiteral("Mario.Rossi_1@caccia-it.com,x@y.it; è/€"));
    set("txtCacciatori", QString());
    typeAtEnd("txtCacciatori", QStringLiteral("Niccolò / Città"));
    EXPECT_EQ(text("txtCacciatori"), QStringLiteral("Niccolò / Città"));
}

TEST_F(TeamCardTest, EachTextFieldHasItsHighlightAndTheFlagNone) {
    QStringList names;
    for (const QFrame* frame : card->findChildren<QFrame*>()) {
        if (frame->objectName().startsWith(QLatin1String("eff"))) names.append(frame->objectName());
    }
    names.sort();
    QStringList expected;
    for (const TextField& f : kTextFields) {
        expected.append(QStringLiteral("eff") + QString::fromLatin1(f.control).mid(3));
    }
    expected.sort();
    EXPECT_EQ(names, expected);

    for (const TextField& f : kTextFields) {
        field(f.control)->setFocus();
        const QString name = QStringLiteral("eff") + QString::fromLatin1(f.control).mid(3);
        EXPECT_TRUE(card->findChild<QFrame*>(name)->isVisible()) << f.control;
    }
}

TEST_F(TeamCardTest, ButtonsAndTheFlagShowTheirHints) {
    const char* import = "Importa i dati dall'archivio anagrafico dei cacciatori.";
    const QList<HintRow> hints{
        {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdDuplica",
         "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati "
         "correnti."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdFile", "Allega file alla scheda corrente."},
        {"cmdStampa", "Esporta e stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdSegnalate", "Visualizza il riepilogo delle squadre di caccia segnalate."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"impCaposquadra", import},
        {"impVicecapo", import},
        {"impCapocanaio", import},
        {"impCapoposta", import},
        {"chkSegnala", "Spunta questa casella per segnalare la squadra corrente."},
    };
    QWidget* panel = card->findChild<QFrame*>(QStringLiteral("panRecord"));
    EXPECT_EQ(hoverHints(card.get(), hints, panel, QPoint(5, panel->height() - 5)),
              shownHints(hints));
}

TEST_F(TeamCardTest, ShowsStoredCardsAsStored) {
    const TestTeam first{.name = "  I Lupi ",
                         .forms = "Cinghiale in braccata",
                         .atc = "ATC Citt\xE0 2 ",
                         .leader = " Rossi Mario",
                         .members = "Mario Rossi\r\n  Luca Bianchi\r\n",
                         .emails = "m@r.it,\r\nl@b.it",
                         .deputy = "Bianchi Luca",
                         .dogs = "Verdi Ugo",
                         .posts = "Neri Ada",
                         .note = "\x80 20 a testa",
                         .flag = "S\xEC",
                         .file01 = "foto.jpg",
                         .desc01 = "Foto di gruppo"};
    // Over a longer old text: what follows the zero is left of it.
    TeamBytes second;
    second.set(TeamBytes::Squadra, "Le Volpi di montagna")
        .set(TeamBytes::Squadra, "Le Volpi")
        .set(TeamBytes::Note, "vecchia nota lunga")
        .set(TeamBytes::Note, "")
        .set(TeamBytes::Segnala, "No");
    writeFile(kFile, teamRecord(first) + second.bytes);

    click("cmdAvanti");
    ASSERT_EQ(position(), QStringLiteral("1"));
    struct Shown {
        const char* control;
        QString text;
    } shown[] = {
        {"txtSquadra", QStringLiteral("  I Lupi ")},
        {"txtForme", QStringLiteral("Cinghiale in braccata")},
        {"txtATC", QStringLiteral("ATC Città 2 ")},
        {"txtCaposquadra", QStringLiteral(" Rossi Mario")},
        {"txtCacciatori", QStringLiteral("Mario Rossi\r\n  Luca Bianchi\r\n")},
        {"txtEmail", QStringLiteral("m@r.it,\r\nl@b.it")},
        {"txtVicecapo", QStringLiteral("Bianchi Luca")},
        {"txtCapocanaio", QStringLiteral("Verdi Ugo")},
        {"txtCapoposta", QStringLiteral("Neri Ada")},
        {"txtNote", QStringLiteral("€ 20 a testa")},
        {"lblFile01", QStringLiteral("foto.jpg")},
        {"lblDesc01", QStringLiteral("Foto di gruppo")},
        {"lblFile02", QString()},
    };
    for (const Shown& s : shown) EXPECT_EQ(text(s.control), s.text) << s.control;
    EXPECT_TRUE(flag()->isChecked());

    click("cmdAvanti");
    ASSERT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(text("txtSquadra"), QStringLiteral("Le Volpi"));
    EXPECT_EQ(text("txtNote"), QString());
    EXPECT_EQ(text("txtCacciatori"), QString());
    EXPECT_EQ(text("lblFile01"), QString());
    EXPECT_FALSE(flag()->isChecked());
    EXPECT_TRUE(messages().shown.isEmpty());
}

// Only "Sì" ticks the flag; whatever else is stored clears it, so the flag
// of the card shown before never stays.
TEST_F(TeamCardTest, TheFlagIsTickedBySiAloneAndNeverKeptFromTheCardBefore) {
    struct Case {
        QByteArray stored;
        bool ticked;
    } cases[] = {
        {"S\xEC", true}, {"No", false}, {"S\xEC", true}, {"s\xEC", false},
        {"S\xEC", true}, {"", false},   {"S\xEC", true}, {"x", false},
    };
    QByteArray file;
    for (const Case& c : cases) file += teamRecord({.name = "Alfa", .flag = c.stored});
    writeFile(kFile, file);
    for (const Case& c : cases) {
        click("cmdAvanti");
        EXPECT_EQ(flag()->isChecked(), c.ticked) << position().toStdString();
    }
    EXPECT_EQ(position(), QString::number(std::size(cases)));
}

TEST_F(TeamCardTest, SavingWritesTheDocumentedBytes) {
    edit("txtSquadra")->setFocus();
    typeText(edit("txtSquadra"), QStringLiteral("  I Lupi "));
    set("txtForme", QStringLiteral("Cinghiale in braccata"));
    set("txtATC", QStringLiteral("ATC Città 2"));
    set("txtCaposquadra", QStringLiteral("Rossi Mario"));
    typeAtEnd("txtCacciatori", QStringLiteral("Mario Rossi\rLuca Bianchi"));
    set("txtEmail", QStringLiteral("m@r.it,l@b.it"));
    set("txtVicecapo", QStringLiteral("Bianchi Luca"));
    set("txtCapocanaio", QStringLiteral("Verdi Ugo "));
    set("txtCapoposta", QStringLiteral("Neri Ada"));
    set("txtNote", QStringLiteral("€ 20 a testa"));
    QTest::mouseClick(flag(), Qt::LeftButton, {}, QPoint(8, flag()->height() / 2));
    ASSERT_TRUE(flag()->isChecked());
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    EXPECT_EQ(position(), QStringLiteral("1"));

    TeamBytes expected;
    expected.set(TeamBytes::Squadra, "  I Lupi ")
        .set(TeamBytes::Forme, "Cinghiale in braccata")
        .set(TeamBytes::ATC, "ATC Citt\xE0 2")
        .set(TeamBytes::Caposquadra, "Rossi Mario")
        .set(TeamBytes::Cacciatori, "Mario Rossi\r\nLuca Bianchi")
        .set(TeamBytes::Email, "m@r.it,l@b.it")
        .set(TeamBytes::Vicecapo, "Bianchi Luca")
        .set(TeamBytes::Capocanaio, "Verdi Ugo ")
        .set(TeamBytes::Capoposta, "Neri Ada")
        .set(TeamBytes::Note, "\x80 20 a testa")
        .set(TeamBytes::Segnala, "S\xEC");
    const QByteArray file = readFile(kFile);
    ASSERT_EQ(file.size(), kSize);
    EXPECT_EQ(file, expected.bytes);
    EXPECT_EQ(file.mid(11210, 3), QByteArray("\x53\xEC\x00", 3));

    // Saved again without the flag: the same record, "No".
    flag()->setChecked(false);
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    expected.set(TeamBytes::Segnala, "No");
    EXPECT_EQ(readFile(kFile), expected.bytes);
}

TEST_F(TeamCardTest, LongTextsAreStoredCutToTheirCapacity) {
    struct Case {
        const char* control;
        TeamField::Id field;
        int given;
        int stored;
    } cases[] = {
        {"txtCacciatori", TeamBytes::Cacciatori, 5000, 5000},
        {"txtCacciatori", TeamBytes::Cacciatori, 5001, 5000},
        {"txtEmail", TeamBytes::Email, 5001, 5000},
        {"txtSquadra", TeamBytes::Squadra, 251, 250},
        {"txtNote", TeamBytes::Note, 251, 250},
    };
    QByteArray expected;
    for (const Case& c : cases) {
        click("cmdNuovo");
        fillRequired();
        set(c.control, QString(c.given, u'x'));
        click("cmdSalva");
        ASSERT_EQ(messages().take(), QStringList{archivemsg::recordInserted()}) << c.control;
        TeamBytes record;
        record.set(TeamBytes::Squadra, "Alfa")
            .set(TeamBytes::Caposquadra, "Rossi Mario")
            .set(TeamBytes::Segnala, "No")
            .set(c.field, QByteArray(c.stored, 'x'));
        expected += record.bytes;
        EXPECT_EQ(readFile(kFile), expected) << c.control << " " << c.given;
    }
}

TEST_F(TeamCardTest, SavingRecordThreeRewritesItInPlace) {
    const QByteArray before = teamRecord({.name = "Uno", .leader = "A", .flag = "No"}) +
                              teamRecord({.name = "Due", .leader = "B", .flag = "S\xEC"}) +
                              teamRecord({.name = "Tre", .leader = "C", .flag = "No"});
    writeFile(kFile, before);
    click("cmdUltimo");
    ASSERT_EQ(position(), QStringLiteral("3"));
    set("txtNote", QStringLiteral("rinnovata"));
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    EXPECT_EQ(position(), QStringLiteral("3"));
    EXPECT_EQ(readFile(kFile),
              before.left(2 * kSize) +
                  teamRecord({.name = "Tre", .leader = "C", .note = "rinnovata", .flag = "No"}));
}

TEST_F(TeamCardTest, SaveChecksStopTheSaveInOrderAndMoveTheFocus) {
    const QString noName = QStringLiteral(
        "Attenzione: per salvare la scheda è necessario indicare il nome della squadra di caccia.");
    const QString noLeader = QStringLiteral(
        "Attenzione: per salvare la scheda è necessario indicare il nome del capo squadra.");
    struct Case {
        const char* name;
        const char* leader;
        QString message;
        const char* focus;
    } cases[] = {
        {"", "", noName, "txtSquadra"},
        {"    ", "Rossi Mario", noName, "txtSquadra"},
        {"Alfa", "", noLeader, "txtCaposquadra"},
        {"Alfa", "   ", noLeader, "txtCaposquadra"},
    };
    for (const Case& c : cases) {
        set("txtSquadra", QString::fromLatin1(c.name));
        set("txtCaposquadra", QString::fromLatin1(c.leader));
        edit("txtNote")->setFocus();
        click("cmdSalva");
        ASSERT_EQ(messages().shown.size(), 1) << c.name << "|" << c.leader;
        EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
        EXPECT_EQ(messages().take(), QStringList{c.message}) << c.name << "|" << c.leader;
        EXPECT_EQ(QApplication::focusWidget(), field(c.focus)) << c.name << "|" << c.leader;
        EXPECT_EQ(readFile(kFile).size(), 0) << c.name << "|" << c.leader;
        EXPECT_EQ(position(), QString());
    }
}

TEST_F(TeamCardTest, ANewCardOnAnEmptyArchiveBecomesRecordOne) {
    edit("txtSquadra")->setFocus();
    typeText(edit("txtSquadra"), QStringLiteral("   Alfa"));
    set("txtCaposquadra", QStringLiteral("Rossi Mario"));
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    EXPECT_EQ(position(), QStringLiteral("1"));
    const QByteArray file = readFile(kFile);
    EXPECT_EQ(file.size(), kSize);
    EXPECT_EQ(file.left(8), QByteArray("   Alfa\0", 8));  // leading blanks kept
}

// A save the system refuses is told by a plain message, not an error box,
// and the card stays new.
class RefusedSave : public TeamCardTest,
                    public ::testing::WithParamInterface<WriteFailure::Kind> {};

TEST_P(RefusedSave, GivesThePlainAccessMessage) {
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
    EXPECT_EQ(readFile(kFile).size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Failures, RefusedSave,
                         ::testing::Values(WriteFailure::Kind::ReadOnlyFolder,
                                           WriteFailure::Kind::FullDisk),
                         [](const auto& failure) { return WriteFailure::name(failure.param); });

TEST_F(TeamCardTest, AFolderInPlaceOfTheArchiveGivesThePlainAccessMessageOnSaving) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(kFile));
    fillRequired();
    click("cmdSalva");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
    EXPECT_EQ(position(), QString());
}

TEST_F(TeamCardTest, DuplicateKeepsTheTextsAndTheFlagButNotTheAttachments) {
    writeFile(kFile, teamRecord({.name = "Uno", .leader = "A", .flag = "No"}) +
                         teamRecord({.name = "Due",
                                     .leader = "B",
                                     .members = "Mario Rossi",
                                     .flag = "S\xEC",
                                     .file01 = "foto.jpg",
                                     .desc01 = "Foto"}));
    click("cmdUltimo");
    ASSERT_EQ(position(), QStringLiteral("2"));
    edit("txtNote")->setFocus();
    click("cmdDuplica");
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Information);
    // A card window's information keeps OK and Annulla.
    EXPECT_TRUE(messages().shown.front().cancel);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::duplicateReady()});
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(QApplication::focusWidget(), field("txtSquadra"));
    EXPECT_EQ(text("txtSquadra"), QStringLiteral("Due"));
    EXPECT_EQ(text("txtCacciatori"), QStringLiteral("Mario Rossi"));
    EXPECT_TRUE(flag()->isChecked());
    EXPECT_EQ(text("lblFile01"), QString());
    EXPECT_EQ(text("lblDesc01"), QString());

    click("cmdSalva");
    EXPECT_EQ(position(), QStringLiteral("3"));
    EXPECT_EQ(
        readFile(kFile).mid(2 * kSize),
        teamRecord({.name = "Due", .leader = "B", .members = "Mario Rossi", .flag = "S\xEC"}));
}

// Each officer's button fills that officer alone, from the hunter chosen in
// the hunters' search opened with its own window tag.
TEST_F(TeamCardTest, AnOfficerIsImportedIntoItsOwnFieldOnly) {
    ASSERT_TRUE(writeHunters(dataPath(QStringLiteral("Cacciatori.pro")),
                             {{"Bianchi", "Anna"}, {"  Rossi ", " Mario  "}}));
    struct Case {
        const char* button;
        const char* tag;
        const char* control;
    } cases[] = {
        {"impCaposquadra", "squadre_caposquadra", "txtCaposquadra"},
        {"impVicecapo", "squadre_vicecapo", "txtVicecapo"},
        {"impCapocanaio", "squadre_capocanaio", "txtCapocanaio"},
        {"impCapoposta", "squadre_capoposta", "txtCapoposta"},
    };
    for (const Case& c : cases) {
        for (const Case& other : cases) set(other.control, QStringLiteral("prima"));
        set("txtSquadra", QStringLiteral("Alfa"));
        EXPECT_EQ(importOfficer(c.button, QStringLiteral("Rossi")), QString::fromLatin1(c.tag));
        for (const Case& other : cases) {
            EXPECT_EQ(text(other.control), other.control == c.control ? u"Rossi Mario" : u"prima")
                << c.button << " " << other.control;
        }
        EXPECT_EQ(text("txtSquadra"), QStringLiteral("Alfa")) << c.button;
        EXPECT_EQ(position(), QString()) << c.button;
        // The cursor stands after the name: what is typed follows it.
        QLineEdit* officerField = edit(c.control);
        EXPECT_EQ(officerField->cursorPosition(), 11) << c.button;
        officerField->setFocus();
        typeText(officerField, QStringLiteral(" jr"));
        EXPECT_EQ(text(c.control), QStringLiteral("Rossi Mario jr")) << c.button;
    }
}

TEST_F(TeamCardTest, AnImportedOfficerIsSurnameBlankNameCutToFifty) {
    const QByteArray longSurname(30, 'C');
    const QByteArray longName(30, 'N');
    ASSERT_TRUE(writeHunters(dataPath(QStringLiteral("Cacciatori.pro")),
                             {{.surname = "Rossi"}, {.surname = longSurname, .name = longName}}));
    struct Case {
        QString hunter;  // the start of its line; empty: closed without a choice
        QString shown;
    } cases[] = {
        {QStringLiteral("Rossi"), QStringLiteral("Rossi ")},
        {QString(), QStringLiteral("Rossi ")},
        {QString::fromLatin1(longSurname.left(20)),
         QString::fromLatin1(longSurname + ' ' + longName).left(50)},
    };
    for (const Case& c : cases) {
        importOfficer("impVicecapo", c.hunter);
        EXPECT_EQ(text("txtVicecapo"), c.shown) << c.hunter.toStdString();
    }
}

}  // namespace
