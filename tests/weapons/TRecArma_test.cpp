#include "weapons/TRecArma.h"

#include <gtest/gtest.h>

#include "records/RecordCodec.h"
#include "support/WeaponBytes.h"

namespace {

TEST(WeaponLayout, EveryFieldHasTheDocumentedOffsetCapacityAndControl) {
    const char* controls[] = {"txtArma",      "txtAccessori", "txtCalibro",      "txtAnno",
                              "txtMatricola", "txtPeso",      "txtComponenti",   "txtDimensioni",
                              "txtMunizioni", "txtLuogo",     "txtProprietario", "txtCodFisc",
                              "txtRecapito",  "txtNote",      "txtPrezzo",       "chkSegnala",
                              "lblFile01",    "lblFile02",    "lblFile03",       "lblDesc01",
                              "lblDesc02",    "lblDesc03"};
    const RecordLayout& layout = TRecArma::layout();
    EXPECT_STREQ(layout.fileName, "Schedario_Armi.pro");
    EXPECT_EQ(layout.encoding, FieldEncoding::LengthPrefixed);
    EXPECT_EQ(layout.recordSize(), WeaponBytes::kSize);
    ASSERT_EQ(layout.fields.size(), std::size(kWeaponFieldBytes));
    for (const FieldBytes& documented : kWeaponFieldBytes) {
        const FieldSpec& field = layout.fields[documented.field];
        EXPECT_STREQ(field.name, documented.name);
        EXPECT_EQ(layout.offsetOf(documented.field), documented.offset) << documented.name;
        EXPECT_EQ(field.capacity, documented.capacity) << documented.name;
        EXPECT_STREQ(field.control, controls[documented.field]) << documented.name;
    }
}

// Texts are read in Windows-1252 up to their length byte; a length byte
// above the field's capacity reads the capacity and never the next field.
TEST(WeaponLayout, DecodesLengthPrefixedTextsWithinTheirCapacity) {
    WeaponBytes bytes;
    bytes.set(WeaponBytes::Arma, "Beretta <686> & Silver")
        .set(WeaponBytes::Luogo, "Armadio blindato, citt\xE0")
        .set(WeaponBytes::Prezzo, "1250,50")
        .set(WeaponBytes::InVendita, "S\xEC")
        .set(WeaponBytes::Recapito, "333 1234567");
    bytes.bytes[1578] = char(200);  // Recapito holds 30 characters at most
    const TRecArma weapon = TRecArma::fromValues(codec::decode(TRecArma::layout(), bytes.bytes));
    EXPECT_EQ(weapon.Arma, QStringLiteral("Beretta <686> & Silver"));
    EXPECT_EQ(weapon.Luogo, QStringLiteral("Armadio blindato, città"));
    EXPECT_EQ(weapon.Prezzo, QStringLiteral("1250,50"));
    EXPECT_EQ(weapon.InVendita, QStringLiteral("Sì"));
    EXPECT_EQ(weapon.Recapito.size(), 30);
    EXPECT_TRUE(weapon.Recapito.startsWith(QStringLiteral("333 1234567")));
    EXPECT_EQ(weapon.Note, QString());
}

// Stored texts are trimmed and cut to their capacity; the sale flag takes
// its two documented byte forms.
TEST(WeaponLayout, EncodesTrimmedTextsCutToTheirCapacity) {
    TRecArma weapon;
    weapon.Arma = QStringLiteral("  Benelli Raffaello  ");
    weapon.CodFisc = QStringLiteral("RSSMRA80A01H501UXYZ");
    weapon.Prezzo = QStringLiteral("0,00");
    weapon.InVendita = QStringLiteral("Sì");
    WeaponBytes expected;
    expected.set(WeaponBytes::Arma, "Benelli Raffaello")
        .set(WeaponBytes::CodFisc, "RSSMRA80A01H501U")
        .set(WeaponBytes::Prezzo, "0,00")
        .set(WeaponBytes::InVendita, "S\xEC");
    const QByteArray stored = codec::encode(TRecArma::layout(), weapon.toValues());
    EXPECT_EQ(stored, expected.bytes);
    EXPECT_EQ(stored.mid(1876, 3), QByteArray("\x02S\xEC"));
    weapon.InVendita = QStringLiteral("No");
    EXPECT_EQ(codec::encode(TRecArma::layout(), weapon.toValues()).mid(1876, 3),
              QByteArray("\x02No"));
}

TEST(WeaponSaveChecks, NameTheFirstMissingFieldInOrder) {
    const QString missing =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    struct Case {
        const char* make;
        const char* calibre;
        const char* owner;
        const char* value;
        const char* message;  // nullptr: the card may be saved
        const char* focus;
    } cases[] = {
        {"", "", "", "", "la marca e il modello dell'arma.", "txtArma"},
        {"  ", "12", "Rossi", "0,00", "la marca e il modello dell'arma.", "txtArma"},
        {"Beretta", " ", "", "", "il calibro dell'arma.", "txtCalibro"},
        {"Beretta", "12", "", "", "il proprietario dell'arma.", "txtProprietario"},
        {"Beretta", "12", "Rossi", " ", "il valore dell'arma.", "txtPrezzo"},
        {"Beretta", "12", "Rossi", "0,00", nullptr, ""},
    };
    for (const Case& c : cases) {
        TRecArma weapon;
        weapon.Arma = QString::fromLatin1(c.make);
        weapon.Calibro = QString::fromLatin1(c.calibre);
        weapon.Proprietario = QString::fromLatin1(c.owner);
        weapon.Prezzo = QString::fromLatin1(c.value);
        const auto failed = weapons::checkForSave(weapon);
        const std::string what = std::string(c.make) + "|" + c.calibre + "|" + c.owner;
        if (!c.message) {
            EXPECT_FALSE(failed.has_value()) << what;
            continue;
        }
        ASSERT_TRUE(failed.has_value()) << what;
        EXPECT_EQ(failed->kind, SaveCheck::Kind::Warning);
        EXPECT_EQ(failed->message, missing + QString::fromUtf8(c.message)) << what;
        EXPECT_EQ(failed->focusControl, QString::fromLatin1(c.focus)) << what;
    }
}

// The value is rounded on its typed decimal digits, half up, never through
// a binary fraction (a double would turn 1,005 into 1,00).
TEST(WeaponValue, IsShownWithTwoDecimalsRoundedHalfUpExactly) {
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"7", "7,00"},         {"7,5", "7,50"},   {",5", "0,50"},    {"7,", "7,00"},
        {"12,346", "12,35"},   {"1,2,3", "0,00"}, {"0,125", "0,13"}, {"12,345", "12,35"},
        {"1,005", "1,01"},     {"", "0,00"},      {",", "0,00"},     {"1250", "1250,00"},
        {"1250,5", "1250,50"}, {"0,00", "0,00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(weapons::formatValue(QString::fromLatin1(c.typed)), QString::fromLatin1(c.shown))
            << c.typed;
    }
}

}  // namespace
