#include "communications/TRecComunicazione.h"

#include <gtest/gtest.h>

#include "records/RecordCodec.h"
#include "support/CommunicationBytes.h"

namespace {

TEST(CommunicationLayout, EveryFieldHasTheDocumentedOffsetAndCapacity) {
    const RecordLayout& layout = TRecComunicazione::layout();
    EXPECT_STREQ(layout.fileName, "Comunicazioni.pro");
    EXPECT_EQ(layout.encoding, FieldEncoding::ZeroTerminated);
    EXPECT_EQ(layout.recordSize(), CommunicationBytes::kSize);
    ASSERT_EQ(layout.fields.size(), std::size(kCommunicationFieldBytes));
    for (const FieldBytes& documented : kCommunicationFieldBytes) {
        const FieldSpec& field = layout.fields[documented.field];
        EXPECT_STREQ(field.name, documented.name);
        EXPECT_EQ(layout.offsetOf(documented.field), documented.offset) << documented.name;
        EXPECT_EQ(field.capacity, documented.capacity) << documented.name;
    }
}

TEST(CommunicationLayout, EachFieldIsBoundToItsControl) {
    const char* controls[] = {
        "txtOggetto",    "txtAutore", "txtSquadra",   "txtCaposquadra", "txtDataInvio", "txtNote",
        "txtCacciatori", "txtEmail",  "txtMessaggio", "txtRiscontro",   "chkSegnala",   "lblFile01",
        "lblFile02",     "lblFile03", "lblDesc01",    "lblDesc02",      "lblDesc03"};
    const RecordLayout& layout = TRecComunicazione::layout();
    ASSERT_EQ(layout.fields.size(), std::size(controls));
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        EXPECT_STREQ(layout.fields[i].control, controls[i]) << layout.fields[i].name;
    }
}

// Texts are read as stored, blanks kept and in Windows-1252, up to each
// field's zero; what follows the zero within the field is no part of it.
TEST(CommunicationLayout, DecodesTheStoredTextsUpToEachZero) {
    CommunicationBytes bytes;
    bytes.set(CommunicationBytes::Oggetto, "Battuta annullata per maltempo")
        .set(CommunicationBytes::Oggetto, "  Battuta annullata ")  // the old tail stays
        .set(CommunicationBytes::Autore, "Rossi Mario")
        .set(CommunicationBytes::Cacciatori, "Mario Rossi\r\nLuca Bianchi\r\n")
        .set(CommunicationBytes::Messaggio, "Cari soci,\r\nla battuta \xE8 rinviata.")
        .set(CommunicationBytes::Note, "\x80 20 a testa")
        .set(CommunicationBytes::Segnala, "S\xEC")
        .set(CommunicationBytes::Desc03, QByteArray(250, 'd'));
    EXPECT_EQ(bytes.bytes.mid(16120, 3), QByteArray("\x53\xEC\x00", 3));
    const TRecComunicazione c =
        TRecComunicazione::fromValues(codec::decode(TRecComunicazione::layout(), bytes.bytes));
    EXPECT_EQ(c.Oggetto, QStringLiteral("  Battuta annullata "));
    EXPECT_EQ(c.Autore, QStringLiteral("Rossi Mario"));
    EXPECT_EQ(c.Squadra, QString());
    EXPECT_EQ(c.Cacciatori, QStringLiteral("Mario Rossi\r\nLuca Bianchi\r\n"));
    EXPECT_EQ(c.Messaggio, QStringLiteral("Cari soci,\r\nla battuta è rinviata."));
    EXPECT_EQ(c.Note, QStringLiteral("€ 20 a testa"));
    EXPECT_EQ(c.Segnala, QStringLiteral("Sì"));
    EXPECT_EQ(c.Desc03, QString(250, u'd'));
}

// A field whose N + 1 bytes hold no zero is read whole, N + 1 characters;
// the next field still starts at its own offset.
TEST(CommunicationLayout, AFieldWithoutItsZeroIsReadAsItsWholeBytes) {
    CommunicationBytes bytes;
    bytes.bytes.replace(604, 11, "07/03/20241");
    bytes.set(CommunicationBytes::Note, "nota");
    const TRecComunicazione c =
        TRecComunicazione::fromValues(codec::decode(TRecComunicazione::layout(), bytes.bytes));
    EXPECT_EQ(c.DataInvio, QStringLiteral("07/03/20241"));
    EXPECT_EQ(c.Note, QStringLiteral("nota"));
}

TEST(CommunicationLayout, EncodesTheTextsAsTheyAreAtTheirOffsets) {
    TRecComunicazione c;
    c.Oggetto = QStringLiteral(" Riunione ");
    c.DataInvio = QStringLiteral("07/03/2024");
    c.Messaggio = QStringLiteral("Riga 1\r\nRiga 2");
    c.Segnala = QStringLiteral("Sì");
    CommunicationBytes expected;
    expected.set(CommunicationBytes::Oggetto, " Riunione ")
        .set(CommunicationBytes::DataInvio, "07/03/2024")
        .set(CommunicationBytes::Messaggio, "Riga 1\r\nRiga 2")
        .set(CommunicationBytes::Segnala, "S\xEC");
    EXPECT_EQ(codec::encode(TRecComunicazione::layout(), c.toValues()), expected.bytes);
}

struct Filled {
    const char* subject = "Riunione";
    const char* author = "Rossi Mario";
    const char* team = "Alfa";
    const char* date = "07/03/2024";
    const char* emails = "a@b.it";
    const char* message = "Testo";
};

TRecComunicazione card(const Filled& f) {
    TRecComunicazione c;
    c.Oggetto = QString::fromLatin1(f.subject);
    c.Autore = QString::fromLatin1(f.author);
    c.Squadra = QString::fromLatin1(f.team);
    c.DataInvio = QString::fromLatin1(f.date);
    c.Email = QString::fromLatin1(f.emails);
    c.Messaggio = QString::fromLatin1(f.message);
    return c;
}

struct CheckCase {
    Filled card;
    QString message;  // empty: passes
    const char* focus;
};

void expectChecks(std::optional<SaveCheck> (*check)(const TRecComunicazione&),
                  std::initializer_list<CheckCase> cases) {
    int i = 0;
    for (const CheckCase& c : cases) {
        ++i;
        const auto failed = check(card(c.card));
        if (c.message.isEmpty()) {
            EXPECT_FALSE(failed.has_value()) << "case " << i;
            continue;
        }
        ASSERT_TRUE(failed.has_value()) << "case " << i;
        EXPECT_EQ(failed->kind, SaveCheck::Kind::Warning) << "case " << i;
        EXPECT_EQ(failed->message, c.message) << "case " << i;
        EXPECT_EQ(failed->focusControl, QString::fromLatin1(c.focus)) << "case " << i;
    }
}

TEST(CommunicationSaveChecks, FireInOrderWithTheirMessagesAndFocus) {
    const QString start =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    const QString subject = start + QStringLiteral("l'oggetto della comunicazione.");
    const QString author = start + QStringLiteral("l'autore del messaggio.");
    const QString team =
        start + QStringLiteral("la squadra di caccia destinataria della comunicazione.");
    const QString date = start + QStringLiteral("la data di invio della comunicazione.");
    const QString emails = start + QStringLiteral("l'indirizzo e-mail di almeno un destinatario.");
    const QString message = start + QStringLiteral("il testo del messaggio.");
    expectChecks(&communications::checkForSave,
                 {
                     {{.subject = "", .author = ""}, subject, "txtOggetto"},
                     {{.subject = "  \t"}, subject, "txtOggetto"},
                     {{.author = " ", .team = ""}, author, "txtAutore"},
                     {{.team = "   ", .date = ""}, team, "txtSquadra"},
                     {{.date = "", .emails = ""}, date, "txtDataInvio"},
                     {{.emails = " \r\n ", .message = ""}, emails, "txtEmail"},
                     {{.message = "\r\n"}, message, "txtMessaggio"},
                     {{.subject = " R ",
                       .author = "A",
                       .team = "T",
                       .date = "x",
                       .emails = "e",
                       .message = "m"},
                      QString(),
                      ""},
                 });
}

TEST(CommunicationSendingChecks, FireInOrderWithTheirMessagesAndFocus) {
    const QString subject = QStringLiteral(
        "Attenzione: per inviare il messaggio e-mail è necessario indicare l'oggetto.");
    const QString emails = QStringLiteral(
        "Attenzione: per inviare il messaggio e-mail è necessario indicare l'indirizzo di almeno "
        "un destinatario.");
    const QString message = QStringLiteral(
        "Attenzione: per inviare il messaggio e-mail è necessario scrivere il testo.");
    // Author, team and date are not needed to send.
    expectChecks(&communications::checkForSending,
                 {
                     {{.subject = " ", .emails = "", .message = ""}, subject, "txtOggetto"},
                     {{.emails = "  ", .message = ""}, emails, "txtEmail"},
                     {{.message = " \r\n"}, message, "txtMessaggio"},
                     {{.author = "", .team = "", .date = ""}, QString(), ""},
                 });
}

}  // namespace
