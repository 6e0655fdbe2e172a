#include "deadlines/TRecScadenza.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/Paths.h"
#include "records/RecordCodec.h"
#include "support/DeadlineBytes.h"

namespace {

TEST(DeadlineLayout, EveryFieldHasTheDocumentedOffsetCapacityAndControl) {
    const char* controls[] = {
        "txtGiorno",    "txtMese",     "lblAnno",       "lblData",         "txtOreApp",
        "txtMinutiApp", "lblOra",      "txtAvviso",     "txtCliente",      "txtCodFisc",
        "txtRecapito",  "txtOggetto",  "txtTipologia",  "txtProtocollo",   "txtApertura",
        "txtChiusura",  "txtStato",    "txtConsulente", "txtDettagli",     "txtOfficina",
        "txtCosto",     "txtContatto", "txtNote",       "chkDaConfermare", "chkEffettuata"};
    const RecordLayout& layout = TRecScadenza::layout();
    EXPECT_EQ(layout.encoding, FieldEncoding::LengthPrefixed);
    EXPECT_EQ(layout.recordSize(), DeadlineBytes::kSize);
    ASSERT_EQ(layout.fields.size(), std::size(kDeadlineFieldBytes));
    for (const FieldBytes& documented : kDeadlineFieldBytes) {
        const FieldSpec& field = layout.fields[documented.field];
        EXPECT_STREQ(field.name, documented.name);
        EXPECT_EQ(layout.offsetOf(documented.field), documented.offset) << documented.name;
        EXPECT_EQ(field.capacity, documented.capacity) << documented.name;
        EXPECT_STREQ(field.control, controls[documented.field]) << documented.name;
    }
}

TEST(DeadlineLayout, EncodesTrimmedTextsAndTheFlagsAsDocumented) {
    TRecScadenza deadline;
    deadline.Giorno = QStringLiteral("07");
    deadline.Mese = QStringLiteral(" Marzo ");
    deadline.Anno = QStringLiteral("2024");
    deadline.Data = QStringLiteral("07/03/2024");
    deadline.Ora = QStringLiteral("09:30");
    deadline.Cliente = QStringLiteral("Rossi Mario");
    deadline.Costo = QStringLiteral("€ 12,50");
    deadline.DaConfermare = QStringLiteral("Sì");
    deadline.Effettuata = QStringLiteral("No");
    DeadlineBytes expected;
    expected.set(DeadlineBytes::Giorno, "07")
        .set(DeadlineBytes::Mese, "Marzo")
        .set(DeadlineBytes::Anno, "2024")
        .set(DeadlineBytes::Data, "07/03/2024")
        .set(DeadlineBytes::Ora, "09:30")
        .set(DeadlineBytes::Cliente, "Rossi Mario")
        .set(DeadlineBytes::Costo, "\x80 12,50")
        .set(DeadlineBytes::DaConfermare, "S\xEC")
        .set(DeadlineBytes::Effettuata, "No");
    const QByteArray stored = codec::encode(TRecScadenza::layout(), deadline.toValues());
    EXPECT_EQ(stored, expected.bytes);
    EXPECT_EQ(stored.mid(1322, 6), QByteArray("\x02S\xEC\x02No"));
}

TEST(DeadlineYears, OnlyFourDigitsNameAYearlyFile) {
    struct Case {
        const char* text;
        bool year;
    } cases[] = {{"2024", true},  {"0999", true},  {"24", false},       {"20245", false},
                 {"../x", false}, {"20 4", false}, {"２０２４", false}, {"", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(deadlines::isYear(QString::fromUtf8(c.text)), c.year) << c.text;
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    paths::setDataFolder(folder.path());
    EXPECT_EQ(deadlines::yearFilePath(QStringLiteral("2024")),
              folder.filePath(QStringLiteral("2024.sca")));
}

}  // namespace
