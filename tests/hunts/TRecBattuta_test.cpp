#include "hunts/TRecBattuta.h"

#include <gtest/gtest.h>

#include "records/RecordCodec.h"
#include "support/HuntBytes.h"

namespace {

TEST(HuntLayout, EveryFieldHasTheDocumentedOffsetAndCapacity) {
    const RecordLayout& layout = TRecBattuta::layout();
    EXPECT_STREQ(layout.fileName, "Battute.pro");
    EXPECT_EQ(layout.encoding, FieldEncoding::ZeroTerminated);
    EXPECT_EQ(layout.recordSize(), HuntBytes::kSize);
    ASSERT_EQ(layout.fields.size(), std::size(kHuntFieldBytes));
    for (const FieldBytes& documented : kHuntFieldBytes) {
        const FieldSpec& field = layout.fields[documented.field];
        EXPECT_STREQ(field.name, documented.name);
        EXPECT_EQ(layout.offsetOf(documented.field), documented.offset) << documented.name;
        EXPECT_EQ(field.capacity, documented.capacity) << documented.name;
    }
}

TEST(HuntLayout, EachFieldIsBoundToItsControl) {
    const char* controls[] = {"txtTipoBattuta", "txtStagione",    "txtDataInizio", "txtDataFine",
                              "txtPreavviso",   "txtTenuta",      "txtVitto",      "txtTrasporto",
                              "txtSquadra",     "txtCaposquadra", "txtQuota",      "txtNote",
                              "txtCacciatori",  "txtCapi",        "lblFile01",     "lblFile02",
                              "lblFile03",      "lblDesc01",      "lblDesc02",     "lblDesc03"};
    const RecordLayout& layout = TRecBattuta::layout();
    ASSERT_EQ(layout.fields.size(), std::size(controls));
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        EXPECT_STREQ(layout.fields[i].control, controls[i]) << layout.fields[i].name;
    }
}

// Texts are read as stored, blanks kept and in Windows-1252, up to each
// field's zero; a field whose bytes hold no zero is read whole, all its
// N + 1 bytes.
TEST(HuntLayout, DecodesTheStoredTextsUpToEachZero) {
    HuntBytes bytes;
    bytes.set(HuntBytes::TipoBattuta, "  Caccia al cinghiale ")
        .set(HuntBytes::Stagione, "2024/2025 lunga")
        .set(HuntBytes::Stagione, "2024/2025")  // the rest of the old text stays after the zero
        .set(HuntBytes::DataInizio, "15/11/2024")
        .set(HuntBytes::Tenuta, "ATC Citt\xE0 2")
        .set(HuntBytes::Quota, "\x80 12,50")
        .set(HuntBytes::Cacciatori, "Mario Rossi\r\nLuca Bianchi\r\n")
        .set(HuntBytes::Capi, "3 cinghiali\r\n1 daino")
        .set(HuntBytes::Desc03, QByteArray(250, 'd'));
    // Days of notice without their zero: the four bytes 324 to 327.
    bytes.bytes.replace(324, 4, QByteArray("1234", 4));
    const TRecBattuta hunt =
        TRecBattuta::fromValues(codec::decode(TRecBattuta::layout(), bytes.bytes));
    EXPECT_EQ(hunt.TipoBattuta, QStringLiteral("  Caccia al cinghiale "));
    EXPECT_EQ(hunt.Stagione, QStringLiteral("2024/2025"));
    EXPECT_EQ(hunt.DataInizio, QStringLiteral("15/11/2024"));
    EXPECT_EQ(hunt.DataFine, QString());
    EXPECT_EQ(hunt.Preavviso, QStringLiteral("1234"));
    EXPECT_EQ(hunt.Tenuta, QStringLiteral("ATC Città 2"));
    EXPECT_EQ(hunt.Quota, QStringLiteral("€ 12,50"));
    EXPECT_EQ(hunt.Cacciatori, QStringLiteral("Mario Rossi\r\nLuca Bianchi\r\n"));
    EXPECT_EQ(hunt.Capi, QStringLiteral("3 cinghiali\r\n1 daino"));
    EXPECT_EQ(hunt.Desc03, QString(250, u'd'));
}

TEST(HuntLayout, EncodesTextsAsTypedCutToTheirCapacity) {
    TRecBattuta hunt;
    hunt.TipoBattuta = QStringLiteral(" Daini ");
    hunt.Preavviso = QStringLiteral("12345");
    hunt.Quota = QStringLiteral("€ 1.000,00 e più");
    hunt.Capi = QStringLiteral("1 daino\r\n") + QString(5000, u'x');
    HuntBytes expected;
    expected.set(HuntBytes::TipoBattuta, " Daini ")
        .set(HuntBytes::Preavviso, "123")
        .set(HuntBytes::Quota, "\x80 1.000,00 e pi")
        .set(HuntBytes::Capi, "1 daino\r\n" + QByteArray(4991, 'x'));
    EXPECT_EQ(codec::encode(TRecBattuta::layout(), hunt.toValues()), expected.bytes);
}

TEST(HuntSaveChecks, FireInOrderWithTheirMessagesKindsAndFocus) {
    const QString missing =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    const QString badDate = QStringLiteral(
        " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
        "data valida nel formato gg/mm/aaaa.");
    const auto interval = [](const char* end, const char* start) {
        return QStringLiteral("Attenzione: la data di fine della battuta di caccia (") +
               QString::fromLatin1(end) +
               QStringLiteral(") non può essere anteriore a quella di inizio (") +
               QString::fromLatin1(start) +
               QStringLiteral(
                   ").\n\r\n\rPer poter salvare la scheda è necessario indicare un "
                   "intervallo di tempo valido.");
    };
    using Kind = SaveCheck::Kind;
    struct Case {
        const char* kind;
        const char* start;
        const char* end;
        const char* notice;
        QString message;  // empty: the card may be saved
        Kind shownAs;
        const char* focus;
    } cases[] = {
        {"", "", "", "", missing + QStringLiteral("il tipo di battuta di caccia."), Kind::Warning,
         "txtTipoBattuta"},
        {"  ", "10/11/2024", "10/11/2024", "0",
         missing + QStringLiteral("il tipo di battuta di caccia."), Kind::Warning,
         "txtTipoBattuta"},
        {"Cinghiale", " ", "", "",
         missing + QStringLiteral("la data di inizio della battuta di caccia."), Kind::Warning,
         "txtDataInizio"},
        {"Cinghiale", "10/11/2024", "", "",
         missing + QStringLiteral("la data di fine della battuta di caccia."), Kind::Warning,
         "txtDataFine"},
        {"Cinghiale", " 31/04/2024 ", "xx", "",
         QStringLiteral("Attenzione: la data di inizio della battuta di caccia 31/04/2024") +
             badDate,
         Kind::Plain, "txtDataInizio"},
        {"Cinghiale", "10/11/2024", "30/02/2025", "",
         QStringLiteral("Attenzione: la data di fine della battuta di caccia 30/02/2025") + badDate,
         Kind::Plain, "txtDataFine"},
        // The end date is named first; the dates compare as dates, not texts.
        {"Cinghiale", "10/11/2024", "09/11/2024", "", interval("09/11/2024", "10/11/2024"),
         Kind::Plain, ""},
        {"Cinghiale", "01/12/2024", "02/11/2024", "5", interval("02/11/2024", "01/12/2024"),
         Kind::Plain, ""},
        {"Cinghiale", "10/11/2024", "10/11/2024", " ",
         missing + QStringLiteral("i giorni di preavviso."), Kind::Warning, "txtPreavviso"},
        {"Cinghiale", "10/11/2024", "10/11/2024", "0", QString(), Kind::Warning, ""},
        {"Cinghiale", "30/11/2024", "01/12/2024", "7", QString(), Kind::Warning, ""},
    };
    for (const Case& c : cases) {
        TRecBattuta hunt;
        hunt.TipoBattuta = QString::fromLatin1(c.kind);
        hunt.DataInizio = QString::fromLatin1(c.start);
        hunt.DataFine = QString::fromLatin1(c.end);
        hunt.Preavviso = QString::fromLatin1(c.notice);
        const auto failed = hunts::checkForSave(hunt);
        const std::string what = std::string(c.kind) + "|" + c.start + "|" + c.end + "|" + c.notice;
        if (c.message.isEmpty()) {
            EXPECT_FALSE(failed.has_value()) << what;
            continue;
        }
        ASSERT_TRUE(failed.has_value()) << what;
        EXPECT_EQ(failed->kind, c.shownAs) << what;
        EXPECT_EQ(failed->message, c.message) << what;
        EXPECT_EQ(failed->focusControl, QString::fromLatin1(c.focus)) << what;
    }
}

// The fee follows the program's one amount rule: rounded half up on the
// typed decimal digits, always shown with two decimals.
TEST(HuntFee, IsShownWithTwoDecimalsRoundedHalfUp) {
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"7", "7,00"},           {"0,5", "0,50"},   {"12,5", "12,50"}, {"1,234", "1,23"},
        {"1,237", "1,24"},       {"1,235", "1,24"}, {"0,005", "0,01"}, {"0,004", "0,00"},
        {"12,", "12,00"},        {",5", "0,50"},    {"", "0,00"},      {"   ", "0,00"},
        {"1,2,3", "0,00"},       {",", "0,00"},     {"abc", "0,00"},   {" 15 ", "15,00"},
        {"1500,999", "1501,00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hunts::formatFee(QString::fromLatin1(c.typed)), QString::fromLatin1(c.shown))
            << c.typed;
    }
}

}  // namespace
