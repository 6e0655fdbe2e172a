#include "communications/TfrmComunicazioni.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "lists/RecordListWidget.h"
#include "records/ArchiveMessages.h"
#include "support/CardFixture.h"
#include "support/CommunicationArchive.h"
#include "support/CommunicationDocument.h"
#include "support/HintHover.h"
#include "support/ListClicks.h"
#include "support/TeamArchive.h"
#include "support/WriteFailure.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"
#include "windows/TfrmCalendario.h"
#include "windows/TfrmCreaRTF.h"

namespace {

const QString kFile = QStringLiteral("Comunicazioni.pro");
constexpr int kSize = CommunicationBytes::kSize;

// The edits and memos of the card, in tab order, with their capacities.
struct TextField {
    const char* control;
    int limit;
};
constexpr TextField kTextFields[] = {
    {"txtOggetto", 250},    {"txtAutore", 50},     {"txtSquadra", 250},     {"txtCaposquadra", 50},
    {"txtDataInvio", 10},   {"txtNote", 250},      {"txtCacciatori", 5000}, {"txtEmail", 5000},
    {"txtMessaggio", 5000}, {"txtRiscontro", 250},
};

class CommunicationCardTest : public CardFixture<TfrmComunicazioni> {
protected:
    // The six required fields (the date is today's already).
    void fillRequired() {
        set("txtOggetto", QStringLiteral("Riunione"));
        set("txtAutore", QStringLiteral("Rossi Mario"));
        set("txtSquadra", QStringLiteral("Alfa"));
        set("txtEmail", QStringLiteral("a@b.it"));
        set("txtMessaggio", QStringLiteral("Testo"));
    }
    // Opens the teams' search with impSquadra and double-clicks the team
    // whose line starts with `team` (empty: closes it without choosing);
    // returns the window tag it was opened with.
    QString importTeam(const QString& team) {
        QString tag;
        bool opened = false;
        whenModal([&](QWidget* modal) {
            auto* search = qobject_cast<SearchWindow*>(modal);
            if (!search) {
                ADD_FAILURE() << "impSquadra opened no search window";
                modal->close();
                return;
            }
            opened = true;
            EXPECT_EQ(search->objectName(), QStringLiteral("TfrmTrovaSquadre"));
            tag = search->memory();
            search->search();
            const qsizetype row = lineStartingWith(search->list(), team);
            if (team.isEmpty() || row < 0) {
                EXPECT_TRUE(team.isEmpty()) << "no line for " << team.toStdString();
                QTest::mouseClick(search->list()->closeButton(), Qt::LeftButton);
            } else {
                doubleClickLine(search->list(), row);
            }
        });
        click("impSquadra");
        EXPECT_TRUE(opened);
        return tag;
    }
    // The lines of the flagged summary opened by cmdSegnalate.
    QStringList flaggedLines() {
        QStringList lines;
        bool opened = false;
        whenModal([&](QWidget* modal) {
            auto* summary = qobject_cast<SummaryWindow*>(modal);
            if (summary) {
                opened = true;
                EXPECT_EQ(summary->objectName(), QStringLiteral("TfrmRiepComunicazioniSegnalate"));
                for (const ListLine& line : summary->list()->lines()) lines.append(line.text);
            }
            modal->close();
        });
        click("cmdSegnalate");
        EXPECT_TRUE(opened);
        return lines;
    }
    void send() {
        QToolButton* b = tool("btnInvio");
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

TEST_F(CommunicationCardTest, ShowsANewCardDatedTodayReadyToArchive) {
    EXPECT_EQ(card->windowTitle(), QStringLiteral(" Selvadoro - Invio Comunicazioni"));
    EXPECT_EQ(label("panInfo"), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(QApplication::focusWidget(), field("txtOggetto"));
    for (const TextField& f : kTextFields) {
        const bool date = QLatin1String(f.control) == QLatin1String("txtDataInvio");
        EXPECT_EQ(text(f.control), date ? QStringLiteral("07/03/2024") : QString()) << f.control;
    }
    EXPECT_FALSE(flag()->isChecked());
    EXPECT_TRUE(edit("txtDataInvio")->isReadOnly());
    EXPECT_EQ(edit("txtDataInvio")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(tool("btnInvio")->text(), QStringLiteral("Invia Messaggio"));

    // New after a stored card, on another day: every field emptied, today.
    set("txtOggetto", QStringLiteral("x"));
    set("txtDataInvio", QStringLiteral("01/01/2020"));
    flag()->setChecked(true);
    testSeams().clock.set(QDateTime(QDate(2024, 12, 31), QTime(9, 0)));
    click("cmdNuovo");
    EXPECT_EQ(text("txtOggetto"), QString());
    EXPECT_EQ(text("txtDataInvio"), QStringLiteral("31/12/2024"));
    EXPECT_FALSE(flag()->isChecked());
}

// Reached with Tab, the send button is pressed by Enter (and Space); a
// check that stops the sending sends the user back to its field with the
// text selected.
TEST_F(CommunicationCardTest, EnterOnTheSendButtonSends) {
    set("txtOggetto", QStringLiteral("   "));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        field("txtRiscontro")->setFocus();
        QTest::keyClick(field("txtRiscontro"), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), tool("btnInvio"));
        QTest::keyClick(tool("btnInvio"), key);
        EXPECT_EQ(messages().take(),
                  QStringList{QStringLiteral(
                      "Attenzione: per inviare il messaggio e-mail è necessario indicare "
                      "l'oggetto.")})
            << key;
        EXPECT_EQ(QApplication::focusWidget(), field("txtOggetto")) << key;
        EXPECT_EQ(edit("txtOggetto")->selectedText(), QStringLiteral("   ")) << key;
    }
}

TEST_F(CommunicationCardTest, TabVisitsTheFieldsInOrderThenTheSendButton) {
    const char* order[] = {"txtOggetto",   "txtAutore",    "txtSquadra",   "txtCaposquadra",
                           "txtDataInvio", "txtNote",      "chkSegnala",   "txtCacciatori",
                           "txtEmail",     "txtMessaggio", "txtRiscontro", "btnInvio"};
    const auto widget = [this](const char* name) -> QWidget* {
        return card->findChild<QWidget*>(QString::fromLatin1(name));
    };
    widget(order[0])->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), widget(order[i])) << "Tab after " << order[i - 1];
    }
    for (std::size_t i = std::size(order) - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), widget(order[i - 1]))
            << "Shift+Tab from " << order[i];
    }
    EXPECT_EQ(text("txtCacciatori"), QString());
}

TEST_F(CommunicationCardTest, EnterFollowsTheChainAndTypesNoBreakInAddressesOrText) {
    struct Case {
        const char* from;
        const char* to;
    } cases[] = {
        {"txtOggetto", "txtAutore"},      {"txtAutore", "txtSquadra"},
        {"txtSquadra", "txtCaposquadra"}, {"txtCaposquadra", "txtDataInvio"},
        {"txtNote", "txtCacciatori"},     {"txtEmail", "txtMessaggio"},
        {"txtMessaggio", "txtRiscontro"}, {"txtRiscontro", "txtOggetto"},
    };
    set("txtEmail", QStringLiteral("a@b.it"));
    set("txtMessaggio", QStringLiteral("Ciao"));
    for (const Case& c : cases) {
        typeAtEnd(c.from, QStringLiteral("\r"));
        EXPECT_EQ(QApplication::focusWidget(), field(c.to)) << c.from;
    }
    EXPECT_EQ(text("txtEmail"), QStringLiteral("a@b.it"));
    EXPECT_EQ(text("txtMessaggio"), QStringLiteral("Ciao"));

    typeAtEnd("txtCacciatori", QStringLiteral("Mario Rossi\rLuca Bianchi"));
    EXPECT_EQ(QApplication::focusWidget(), field("txtCacciatori"));
    EXPECT_EQ(text("txtCacciatori"), QStringLiteral("Mario Rossi\r\nLuca Bianchi"));
}

TEST_F(CommunicationCardTest, TheAddressesRefuseTypedBlanksSlashesAndAccents) {
    for (const char* c : {" ", "/", "<", ">", "€", "£", "°", "è", "À", "ñ", "Ü"}) {
        set("txtEmail", QString());
        typeAtEnd("txtEmail", QStringLiteral("a") + QString::fromUtf8(c) + QStringLiteral("b"));
        EXPECT_EQ(text("txtEmail"), QStringLiteral("ab")) << c;
    }
    set("txtEmail", QString());
    typeAtEnd("txtEmail", QStringLiteral("Mario.Rossi_1@caccia-it.com,x@y.it"));
    EXPECT_EQ(text("txtEmail"), QStringLiteral("Mario.Rossi_1@caccia-it.com,x@y.it"));
    typeAtEnd("txtMessaggio", QStringLiteral("Città / 5 €"));
    EXPECT_EQ(text("txtMessaggio"), QStringLiteral("Città / 5 €"));
}

TEST_F(CommunicationCardTest, EveryTextFieldHoldsAtMostItsCapacity) {
    for (const TextField& f : kTextFields) {
        if (QLatin1String(f.control) == QLatin1String("txtDataInvio")) {
            EXPECT_EQ(edit(f.control)->maxLength(), f.limit);
            continue;
        }
        set(f.control, QString(f.limit - 1, u'a'));
        typeAtEnd(f.control, QStringLiteral("bc"));
        EXPECT_EQ(text(f.control), QString(f.limit - 1, u'a') + u'b') << f.control;
    }
}

// The date is read-only: Backspace or Delete empties it, any other key
// opens the date window with the field's tag, which writes the day chosen.
TEST_F(CommunicationCardTest, TheDateIsEmptiedByBackspaceAndChosenInTheDateWindow) {
    QLineEdit* date = edit("txtDataInvio");
    QTest::keyClick(date, Qt::Key_Backspace);
    EXPECT_EQ(date->text(), QString());
    fillRequired();
    click("cmdSalva");
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Attenzione: per salvare la scheda è necessario indicare "
                                         "la data di invio della comunicazione.")});
    EXPECT_EQ(QApplication::focusWidget(), date);

    for (const auto key : {Qt::Key_Return, Qt::Key_A}) {
        QString tag;
        whenModal([&](QWidget* modal) {
            auto* window = qobject_cast<TfrmCalendario*>(modal);
            ASSERT_NE(window, nullptr);
            tag = window->memory();
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnImportaData")),
                              Qt::LeftButton);
        });
        QTest::keyClick(date, key);
        EXPECT_EQ(tag, QStringLiteral("comunicazioni_datainvio"));
        EXPECT_EQ(date->text(), QStringLiteral("07/03/2024"));
        set("txtDataInvio", QString());
    }
}

TEST_F(CommunicationCardTest, ButtonsAndTheFlagShowTheirHints) {
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
        {"cmdSegnalate", "Visualizza il riepilogo delle comunicazioni segnalate."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"impSquadra", "Importa i dati dall'archivio delle squadre di caccia."},
        {"btnInvio", "Invia la comunicazione ai cacciatori tramite e-mail."},
        {"chkSegnala", "Spunta questa casella per segnalare la comunicazione corrente."},
    };
    QWidget* panel = card->findChild<QFrame*>(QStringLiteral("panRecord"));
    EXPECT_EQ(hoverHints(card.get(), hints, panel, QPoint(5, panel->height() - 5)),
              shownHints(hints));
}

TEST_F(CommunicationCardTest, ShowsStoredCardsAsStoredAndTheFlagBySiAlone) {
    const TestCommunication full{.subject = "  Battuta annullata ",
                                 .author = "Rossi Mario",
                                 .team = "I Lupi",
                                 .leader = " Neri Ugo",
                                 .date = "07/03/2024",
                                 .note = "\x80 20",
                                 .hunters = "Mario Rossi\r\n  Luca Bianchi\r\n",
                                 .emails = "m@r.it,\r\nl@b.it",
                                 .message = "Cari soci,\r\nniente battuta.",
                                 .reply = "letto",
                                 .flag = "S\xEC",
                                 .file01 = "foto.jpg",
                                 .desc01 = "Foto"};
    QByteArray file = communicationRecord(full);
    struct Flag {
        QByteArray stored;
        bool ticked;
    } flags[] = {{"No", false}, {"S\xEC", true}, {"x", false}, {"S\xEC", true}, {"", false}};
    for (const Flag& f : flags) file += communicationRecord({.subject = "Alfa", .flag = f.stored});
    writeFile(kFile, file);

    click("cmdAvanti");
    ASSERT_EQ(position(), QStringLiteral("1"));
    struct Shown {
        const char* control;
        QString text;
    } shown[] = {
        {"txtOggetto", QStringLiteral("  Battuta annullata ")},
        {"txtAutore", QStringLiteral("Rossi Mario")},
        {"txtSquadra", QStringLiteral("I Lupi")},
        {"txtCaposquadra", QStringLiteral(" Neri Ugo")},
        {"txtDataInvio", QStringLiteral("07/03/2024")},
        {"txtNote", QStringLiteral("€ 20")},
        {"txtCacciatori", QStringLiteral("Mario Rossi\r\n  Luca Bianchi\r\n")},
        {"txtEmail", QStringLiteral("m@r.it,\r\nl@b.it")},
        {"txtMessaggio", QStringLiteral("Cari soci,\r\nniente battuta.")},
        {"txtRiscontro", QStringLiteral("letto")},
        {"lblFile01", QStringLiteral("foto.jpg")},
        {"lblDesc01", QStringLiteral("Foto")},
    };
    for (const Shown& s : shown) EXPECT_EQ(text(s.control), s.text) << s.control;
    EXPECT_TRUE(flag()->isChecked());
    for (const Flag& f : flags) {
        click("cmdAvanti");
        EXPECT_EQ(flag()->isChecked(), f.ticked) << position().toStdString();
        EXPECT_EQ(text("txtDataInvio"), QString());
        EXPECT_EQ(text("lblFile01"), QString());
    }
    EXPECT_TRUE(messages().shown.isEmpty());
}

TEST_F(CommunicationCardTest, SavingWritesTheDocumentedBytes) {
    typeAtEnd("txtOggetto", QStringLiteral("  Battuta annullata "));
    set("txtAutore", QStringLiteral("Rossi Mario"));
    set("txtSquadra", QStringLiteral("I Lupi"));
    set("txtCaposquadra", QStringLiteral("Neri Ugo"));
    set("txtNote", QStringLiteral("€ 20 a testa"));
    typeAtEnd("txtCacciatori", QStringLiteral("Mario Rossi\rLuca Bianchi"));
    set("txtEmail", QStringLiteral("m@r.it,l@b.it"));
    set("txtMessaggio", QStringLiteral("Cari soci,\r\nla battuta è annullata."));
    set("txtRiscontro", QStringLiteral("letto "));
    QTest::mouseClick(flag(), Qt::LeftButton, {}, QPoint(8, flag()->height() / 2));
    ASSERT_TRUE(flag()->isChecked());
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});
    EXPECT_EQ(position(), QStringLiteral("1"));

    CommunicationBytes expected;
    expected.set(CommunicationBytes::Oggetto, "  Battuta annullata ")
        .set(CommunicationBytes::Autore, "Rossi Mario")
        .set(CommunicationBytes::Squadra, "I Lupi")
        .set(CommunicationBytes::Caposquadra, "Neri Ugo")
        .set(CommunicationBytes::DataInvio, "07/03/2024")
        .set(CommunicationBytes::Note, "\x80 20 a testa")
        .set(CommunicationBytes::Cacciatori, "Mario Rossi\r\nLuca Bianchi")
        .set(CommunicationBytes::Email, "m@r.it,l@b.it")
        .set(CommunicationBytes::Messaggio, "Cari soci,\r\nla battuta \xE8 annullata.")
        .set(CommunicationBytes::Riscontro, "letto ")
        .set(CommunicationBytes::Segnala, "S\xEC");
    const QByteArray file = readFile(kFile);
    ASSERT_EQ(file.size(), kSize);
    EXPECT_EQ(file, expected.bytes);
    EXPECT_EQ(file.mid(16120, 3), QByteArray("\x53\xEC\x00", 3));

    // Saved again without the flag: the same record with "No", and the
    // flagged summary no longer lists it.
    EXPECT_EQ(flaggedLines().size(), 1);
    flag()->setChecked(false);
    click("cmdSalva");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordUpdated()});
    expected.set(CommunicationBytes::Segnala, "No");
    EXPECT_EQ(readFile(kFile), expected.bytes);
    EXPECT_EQ(flaggedLines(), QStringList());
}

TEST_F(CommunicationCardTest, SaveChecksStopTheSaveInOrderAndMoveTheFocus) {
    const QString start =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    struct Case {
        const char* emptied;  // set to blanks, with every field after it
        QString message;
    } cases[] = {
        {"txtOggetto", start + QStringLiteral("l'oggetto della comunicazione.")},
        {"txtAutore", start + QStringLiteral("l'autore del messaggio.")},
        {"txtSquadra",
         start + QStringLiteral("la squadra di caccia destinataria della comunicazione.")},
        {"txtDataInvio", start + QStringLiteral("la data di invio della comunicazione.")},
        {"txtEmail", start + QStringLiteral("l'indirizzo e-mail di almeno un destinatario.")},
        {"txtMessaggio", start + QStringLiteral("il testo del messaggio.")},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        fillRequired();
        set("txtDataInvio", QStringLiteral("07/03/2024"));
        for (std::size_t j = i; j < std::size(cases); ++j) {
            set(cases[j].emptied, j == i ? QStringLiteral("   ") : QString());
        }
        edit("txtNote")->setFocus();
        click("cmdSalva");
        ASSERT_EQ(messages().shown.size(), 1) << cases[i].emptied;
        EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
        EXPECT_EQ(messages().take(), QStringList{cases[i].message}) << cases[i].emptied;
        EXPECT_EQ(QApplication::focusWidget(), field(cases[i].emptied)) << cases[i].emptied;
        EXPECT_EQ(readFile(kFile).size(), 0);
        EXPECT_EQ(position(), QString());
    }
}

TEST_F(CommunicationCardTest, AFolderInPlaceOfTheArchiveGivesThePlainAccessMessageOnSaving) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(kFile));
    fillRequired();
    click("cmdSalva");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
    EXPECT_EQ(position(), QString());
}

TEST_F(CommunicationCardTest, DuplicateKeepsTheDateAndTheFlagButNotTheAttachments) {
    writeFile(kFile, communicationRecord({.subject = "Riunione",
                                          .author = "Rossi",
                                          .team = "Alfa",
                                          .date = "01/02/2023",
                                          .emails = "a@b.it",
                                          .message = "Testo",
                                          .flag = "S\xEC",
                                          .file01 = "foto.jpg",
                                          .desc01 = "Foto"}));
    click("cmdPrimo");
    ASSERT_EQ(position(), QStringLiteral("1"));
    edit("txtNote")->setFocus();
    click("cmdDuplica");
    EXPECT_EQ(messages().take(), QStringList{archivemsg::duplicateReady()});
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(QApplication::focusWidget(), field("txtOggetto"));
    EXPECT_EQ(text("txtDataInvio"), QStringLiteral("01/02/2023"));
    EXPECT_TRUE(flag()->isChecked());
    EXPECT_EQ(text("lblFile01"), QString());

    set("txtSquadra", QStringLiteral("Beta"));
    click("cmdSalva");
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(readFile(kFile).mid(kSize), communicationRecord({.subject = "Riunione",
                                                               .author = "Rossi",
                                                               .team = "Beta",
                                                               .date = "01/02/2023",
                                                               .emails = "a@b.it",
                                                               .message = "Testo",
                                                               .flag = "S\xEC"}));
}

// The chosen team's name, leader, members and addresses replace the four
// fields as stored, empty texts too; nothing else changes.
TEST_F(CommunicationCardTest, ImportingATeamReplacesItsFourFieldsEvenWithEmptyTexts) {
    ASSERT_TRUE(writeTeams(dataPath(QStringLiteral("Squadre.pro")),
                           {{.name = "  I Lupi ",
                             .leader = " Rossi Mario",
                             .members = "Mario Rossi\r\nLuca Bianchi",
                             .emails = "m@r.it,l@b.it",
                             .note = "nota della squadra"},
                            {.name = "Volpi"}}));
    set("txtOggetto", QStringLiteral("Riunione"));
    set("txtNote", QStringLiteral("mia nota"));
    set("txtMessaggio", QStringLiteral("Testo"));
    EXPECT_EQ(importTeam(QStringLiteral("I Lupi")), QStringLiteral("comunicazioni"));
    EXPECT_EQ(text("txtSquadra"), QStringLiteral("  I Lupi "));
    EXPECT_EQ(text("txtCaposquadra"), QStringLiteral(" Rossi Mario"));
    EXPECT_EQ(text("txtCacciatori"), QStringLiteral("Mario Rossi\r\nLuca Bianchi"));
    EXPECT_EQ(text("txtEmail"), QStringLiteral("m@r.it,l@b.it"));

    importTeam(QString());  // closed without a choice: nothing changes
    EXPECT_EQ(text("txtSquadra"), QStringLiteral("  I Lupi "));

    importTeam(QStringLiteral("Volpi"));
    EXPECT_EQ(text("txtSquadra"), QStringLiteral("Volpi"));
    EXPECT_EQ(text("txtCaposquadra"), QString());
    EXPECT_EQ(text("txtCacciatori"), QString());
    EXPECT_EQ(text("txtEmail"), QString());
    EXPECT_EQ(text("txtOggetto"), QStringLiteral("Riunione"));
    EXPECT_EQ(text("txtNote"), QStringLiteral("mia nota"));
    EXPECT_EQ(text("txtMessaggio"), QStringLiteral("Testo"));
    EXPECT_EQ(text("txtDataInvio"), QStringLiteral("07/03/2024"));
    EXPECT_EQ(position(), QString());
    EXPECT_FALSE(QFile::exists(dataPath(kFile)));
}

TEST_F(CommunicationCardTest, SendingChecksSubjectAddressesAndTextInOrder) {
    const QString start =
        QStringLiteral("Attenzione: per inviare il messaggio e-mail è necessario ");
    struct Case {
        const char* subject;
        const char* emails;
        const char* message;
        QString warning;
        const char* focus;
    } cases[] = {
        {"  ", "", "", start + QStringLiteral("indicare l'oggetto."), "txtOggetto"},
        {"Riunione", " \r\n", "",
         start + QStringLiteral("indicare l'indirizzo di almeno un destinatario."), "txtEmail"},
        {"Riunione", "a@b.it", "   ", start + QStringLiteral("scrivere il testo."), "txtMessaggio"},
    };
    // Author, team and date are not needed.
    set("txtDataInvio", QString());
    for (const Case& c : cases) {
        set("txtOggetto", QString::fromLatin1(c.subject));
        set("txtEmail", QString::fromLatin1(c.emails));
        set("txtMessaggio", QString::fromLatin1(c.message));
        edit("txtNote")->setFocus();
        send();
        ASSERT_EQ(messages().shown.size(), 1) << c.focus;
        EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
        EXPECT_EQ(messages().take(), QStringList{c.warning});
        EXPECT_EQ(QApplication::focusWidget(), field(c.focus));
    }
    EXPECT_TRUE(desktop().opened.isEmpty());
    EXPECT_FALSE(QFile::exists(dataPath(kFile)));
}

// The link handed to the desktop, in double quotes: addresses split at
// commas, trimmed and encoded one by one; subject and text trimmed and
// encoded, line breaks as %0D%0A. Nothing is said when the desktop takes it.
TEST_F(CommunicationCardTest, SendingHandsTheDesktopTheEncodedLink) {
    struct Case {
        QString emails, subject, message, link;
    } cases[] = {
        {QStringLiteral("a@b.it"), QStringLiteral(" Caccia & pesca "), QStringLiteral("Ciao"),
         QStringLiteral("mailto:a@b.it?subject=Caccia%20%26%20pesca&body=Ciao")},
        {QStringLiteral("a@b.it"), QStringLiteral("Avviso"),
         QStringLiteral("Cari soci,\r\nla battuta è annullata.\r\n\r\nIl presidente"),
         QStringLiteral("mailto:a@b.it?subject=Avviso&body=Cari%20soci%2C%0D%0Ala%20battuta%20"
                        "%C3%A8%20annullata.%0D%0A%0D%0AIl%20presidente")},
        {QStringLiteral(" m@r.it , l@b.it,\r\n x#y@z.it, p?cc=q@r.it,,"), QStringLiteral("S"),
         QStringLiteral("T"),
         QStringLiteral("mailto:m@r.it,l@b.it,x%23y@z.it,p%3Fcc%3Dq@r.it?subject=S&body=T")},
    };
    for (const Case& c : cases) {
        set("txtEmail", c.emails);
        set("txtOggetto", c.subject);
        set("txtMessaggio", c.message);
        send();
        EXPECT_EQ(desktop().opened, QStringList{u'"' + c.link + u'"'});
        desktop().opened.clear();
    }
    EXPECT_TRUE(messages().shown.isEmpty());
    EXPECT_EQ(position(), QString());
    EXPECT_FALSE(QFile::exists(dataPath(kFile)));
}

TEST_F(CommunicationCardTest, ALinkTheDesktopRefusesIsReported) {
    desktop().takesTargets = false;
    fillRequired();
    send();
    EXPECT_EQ(desktop().opened.size(), 1);
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral(
                  "Attenzione: non è stato possibile aprire il messaggio nel programma di posta "
                  "elettronica. Verificare che sul computer sia installata un'applicazione per la "
                  "gestione della posta elettronica.")});
}

// A text too long for a link goes to the clipboard, the message opens with
// addresses and subject, and the user is told; addresses and subject too
// long open nothing.
TEST_F(CommunicationCardTest, ALongTextGoesToTheClipboardAndTooManyAddressesOpenNothing) {
    QApplication::clipboard()->setText(QStringLiteral("prima"));
    const QString body = QStringLiteral("Riga lunga\r\n") + QString(3000, u'x');
    set("txtEmail", QStringLiteral("a@b.it, c@d.it"));
    set("txtOggetto", QStringLiteral("Avviso"));
    set("txtMessaggio", QStringLiteral("  ") + body + QStringLiteral("  "));
    send();
    EXPECT_EQ(desktop().opened,
              QStringList{QStringLiteral("\"mailto:a@b.it,c@d.it?subject=Avviso\"")});
    EXPECT_EQ(QApplication::clipboard()->text(), body);
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Information);
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral(
                  "Il testo del messaggio è troppo lungo per essere passato al programma di posta "
                  "elettronica: il messaggio è stato aperto con i soli destinatari e l'oggetto, "
                  "mentre il testo è stato copiato negli appunti. Incollarlo nel corpo del "
                  "messaggio prima di inviarlo.")});

    desktop().opened.clear();
    QApplication::clipboard()->setText(QStringLiteral("prima"));
    QStringList many;
    for (int i = 0; i < 200; ++i) many.append(QStringLiteral("cacciatore%1@esempio.it").arg(i));
    set("txtEmail", many.join(u','));
    send();
    EXPECT_TRUE(desktop().opened.isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("prima"));
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral(
                  "Attenzione: gli indirizzi dei destinatari e l'oggetto sono troppo lunghi per "
                  "essere passati al programma di posta elettronica, quindi il messaggio non è "
                  "stato aperto. Inviare la comunicazione a gruppi più piccoli di destinatari.")});
}

// cmdStampa opens the RTF window with the card's tag; it writes the card as
// shown, saved or not.
TEST_F(CommunicationCardTest, TheRtfWindowWritesTheCardAsShown) {
    set("txtOggetto", QStringLiteral("  Battuta {annullata} "));
    set("txtAutore", QStringLiteral("Rossi Mario"));
    set("txtSquadra", QStringLiteral("I Lupi"));
    set("txtNote", QStringLiteral("C:\\soci <2024>"));
    set("txtCacciatori", QStringLiteral("Mario Rossi\r\nLuca Bianchi"));
    set("txtEmail", QStringLiteral("m@r.it"));
    set("txtMessaggio", QStringLiteral("Quota € 30,\r\nè annullata."));
    QString tag;
    whenModal([&tag](QWidget* modal) {
        if (auto* window = qobject_cast<TfrmCreaRTF*>(modal)) tag = window->memory();
        if (auto* b = modal->findChild<QPushButton*>(QStringLiteral("btnStampa"))) {
            QTest::mouseClick(b, Qt::LeftButton);
        }
        if (modal->isVisible()) modal->close();
    });
    messages().answers = {true, false};  // export, then do not open it
    click("cmdStampa");
    EXPECT_EQ(tag, QStringLiteral("comunicazioni"));
    EXPECT_EQ(readFile(QStringLiteral("Comunicazione.rtf")),
              communicationDocument({.oggetto = "Battuta \\{annullata\\}",
                                     .autore = "Rossi Mario",
                                     .squadra = "I Lupi",
                                     .dataInvio = "07/03/2024",
                                     .note = "C:\\\\soci <2024>",
                                     .cacciatori = "Mario Rossi\\line Luca Bianchi",
                                     .email = "m@r.it",
                                     .messaggio = "Quota \x80 30,\\line \xE8 annullata."}));
    EXPECT_FALSE(QFile::exists(dataPath(kFile)));
}

// The same message sent twice to the same team on the same day gives two
// identical lines; each opens its own record, not always the later one.
TEST_F(CommunicationCardTest, IdenticalLinesOfTheSearchOpenEachItsOwnRecord) {
    const TestCommunication twice{
        .subject = "Riunione", .author = "Rossi", .team = "Alfa", .date = "07/03/2024"};
    TestCommunication earlier = twice;
    earlier.note = "la prima";
    TestCommunication later = twice;
    later.note = "la seconda";
    writeFile(kFile, communicationRecord(earlier) +
                         communicationRecord({.subject = "Altro", .date = "01/01/2024"}) +
                         communicationRecord(later));
    struct Case {
        qsizetype row;
        const char* position;
        const char* note;
    } cases[] = {{1, "1", "la prima"}, {2, "3", "la seconda"}};
    for (const Case& c : cases) {
        whenModal([row = c.row](QWidget* modal) {
            auto* search = qobject_cast<SearchWindow*>(modal);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->objectName(), QStringLiteral("TfrmTrovaComunicazioni"));
            EXPECT_EQ(search->memory(), QStringLiteral("comunicazioni"));
            search->search();
            ASSERT_EQ(search->list()->lines().size(), 3);
            EXPECT_EQ(search->list()->lines().at(1).text, search->list()->lines().at(2).text);
            doubleClickLine(search->list(), row);
        });
        click("cmdTrova");
        EXPECT_EQ(position(), QString::fromLatin1(c.position)) << c.row;
        EXPECT_EQ(text("txtNote"), QString::fromLatin1(c.note)) << c.row;
    }
}

}  // namespace
