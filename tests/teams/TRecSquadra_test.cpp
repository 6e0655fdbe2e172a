#include "teams/TRecSquadra.h"

#include <gtest/gtest.h>

#include <functional>

#include "records/RecordCodec.h"
#include "support/TeamBytes.h"

namespace {

TEST(TeamLayout, EveryFieldHasTheDocumentedOffsetAndCapacity) {
    const RecordLayout& layout = TRecSquadra::layout();
    EXPECT_STREQ(layout.fileName, "Squadre.pro");
    EXPECT_EQ(layout.encoding, FieldEncoding::ZeroTerminated);
    EXPECT_EQ(layout.recordSize(), TeamBytes::kSize);
    ASSERT_EQ(layout.fields.size(), std::size(kTeamFieldBytes));
    for (const FieldBytes& documented : kTeamFieldBytes) {
        const FieldSpec& field = layout.fields[documented.field];
        EXPECT_STREQ(field.name, documented.name);
        EXPECT_EQ(layout.offsetOf(documented.field), documented.offset) << documented.name;
        EXPECT_EQ(field.capacity, documented.capacity) << documented.name;
    }
}

TEST(TeamLayout, EachFieldIsBoundToItsControl) {
    const char* controls[] = {"txtSquadra",    "txtForme",  "txtATC",      "txtCaposquadra",
                              "txtCacciatori", "txtEmail",  "txtVicecapo", "txtCapocanaio",
                              "txtCapoposta",  "txtNote",   "chkSegnala",  "lblFile01",
                              "lblFile02",     "lblFile03", "lblDesc01",   "lblDesc02",
                              "lblDesc03"};
    const RecordLayout& layout = TRecSquadra::layout();
    ASSERT_EQ(layout.fields.size(), std::size(controls));
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        EXPECT_STREQ(layout.fields[i].control, controls[i]) << layout.fields[i].name;
    }
}

// Texts are read as stored, blanks kept and in Windows-1252, up to each
// field's zero; what follows the zero within the field is no part of it.
TEST(TeamLayout, DecodesTheStoredTextsUpToEachZero) {
    TeamBytes bytes;
    bytes.set(TeamBytes::Forme, "Cinghiale e lepre, extra")
        .set(TeamBytes::Forme, "Cinghiale")  // the rest of the old text stays after the zero
        .set(TeamBytes::Squadra, "  I Lupi della Citt\xE0 ")
        .set(TeamBytes::Cacciatori, "Mario Rossi\r\nLuca Bianchi")
        .set(TeamBytes::Note, "\x80 20 a testa")
        .set(TeamBytes::Segnala, "S\xEC")
        .set(TeamBytes::Desc03, QByteArray(250, 'd'));
    const FieldValues values = codec::decode(TRecSquadra::layout(), bytes.bytes);
    const TRecSquadra team = TRecSquadra::fromValues(values);
    EXPECT_EQ(team.Squadra, QStringLiteral("  I Lupi della Città "));
    EXPECT_EQ(team.Forme, QStringLiteral("Cinghiale"));
    EXPECT_EQ(team.ATC, QString());
    EXPECT_EQ(team.Cacciatori, QStringLiteral("Mario Rossi\r\nLuca Bianchi"));
    EXPECT_EQ(team.Note, QStringLiteral("€ 20 a testa"));
    EXPECT_EQ(team.Segnala, QStringLiteral("Sì"));
    EXPECT_EQ(team.Desc03, QString(250, u'd'));
}

TEST(TeamSaveChecks, FireInOrderWithTheirMessagesAndFocus) {
    const QString noName = QStringLiteral(
        "Attenzione: per salvare la scheda è necessario indicare il nome della squadra di caccia.");
    const QString noLeader = QStringLiteral(
        "Attenzione: per salvare la scheda è necessario indicare il nome del capo squadra.");
    struct Case {
        const char* name;
        const char* leader;
        QString message;  // empty: the card may be saved
        const char* focus;
    } cases[] = {
        {"", "", noName, "txtSquadra"},
        {"   ", "Rossi Mario", noName, "txtSquadra"},
        {"\t", "Rossi Mario", noName, "txtSquadra"},
        {"Alfa", "", noLeader, "txtCaposquadra"},
        {"Alfa", "  ", noLeader, "txtCaposquadra"},
        {"  Alfa", "Rossi Mario", QString(), ""},
        {"A", " R ", QString(), ""},
    };
    for (const Case& c : cases) {
        TRecSquadra team;
        team.Squadra = QString::fromLatin1(c.name);
        team.Caposquadra = QString::fromLatin1(c.leader);
        const auto failed = teams::checkForSave(team);
        const std::string what = std::string("'") + c.name + "' '" + c.leader + "'";
        if (c.message.isEmpty()) {
            EXPECT_FALSE(failed.has_value()) << what;
            continue;
        }
        ASSERT_TRUE(failed.has_value()) << what;
        EXPECT_EQ(failed->kind, SaveCheck::Kind::Warning) << what;
        EXPECT_EQ(failed->message, c.message) << what;
        EXPECT_EQ(failed->focusControl, QString::fromLatin1(c.focus)) << what;
    }
}

}  // namespace
