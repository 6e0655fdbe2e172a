#include "records/RecordCodec.h"

#include <gtest/gtest.h>

#include <array>

#include "records/ArchiveMessages.h"

namespace {

// Two small layouts: three fields of capacities 5, 50 and 1.
constexpr std::array kFields{FieldSpec{"A", 5, "txtA"}, FieldSpec{"B", 50, "txtB"},
                             FieldSpec{"C", 1, "chkC"}};
const RecordLayout kPrefixed{"p.pro", FieldEncoding::LengthPrefixed, kFields};
const RecordLayout kTerminated{"z.pro", FieldEncoding::ZeroTerminated, kFields};
constexpr int kSize = 6 + 51 + 2;

TEST(RecordCodec, LengthPrefixedFieldsAreTrimmedCutAndCounted) {
    const QByteArray bytes = codec::encode(
        kPrefixed, {QStringLiteral("  Rossi  "), QString(60, u'x'), QStringLiteral("Sì")});
    QByteArray expected(kSize, '\0');
    expected.replace(0, 6, QByteArray("\x05Rossi"));
    expected[6] = 50;
    expected.replace(7, 50, QByteArray(50, 'x'));
    expected.replace(57, 2, QByteArray("\x01S"));
    EXPECT_EQ(bytes, expected);
}

TEST(RecordCodec, ZeroTerminatedFieldsKeepTheirBlanksAndLineBreaks) {
    const QByteArray bytes = codec::encode(
        kTerminated, {QStringLiteral("  Ro"), QStringLiteral("a\r\nb"), QStringLiteral("No")});
    QByteArray expected(kSize, '\0');
    expected.replace(0, 4, QByteArray("  Ro"));
    expected.replace(6, 4, QByteArray("a\r\nb"));
    expected.replace(57, 1, QByteArray("N"));
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(codec::decode(kTerminated, bytes),
              (FieldValues{QStringLiteral("  Ro"), QStringLiteral("a\r\nb"), QStringLiteral("N")}));
}

TEST(RecordCodec, AZeroTerminatedFieldHoldsItsWholeCapacity) {
    // Capacities beyond what a length byte counts.
    constexpr std::array wide{FieldSpec{"Lista", 5000, "txtLista"}, FieldSpec{"N", 300, "txtN"}};
    const RecordLayout terminated{"w.pro", FieldEncoding::ZeroTerminated, wide};
    QByteArray expected(5001 + 301, '\0');
    expected.replace(0, 5000, QByteArray(5000, 'm'));
    expected.replace(5001, 300, QByteArray(300, 'n'));
    EXPECT_EQ(codec::encode(terminated, {QString(5001, u'm'), QString(300, u'n')}), expected);
    EXPECT_EQ(codec::decode(terminated, expected),
              (FieldValues{QString(5000, u'm'), QString(300, u'n')}));
    // A length-prefixed field still stops at 255 characters.
    const RecordLayout prefixed{"p.pro", FieldEncoding::LengthPrefixed, wide};
    EXPECT_EQ(codec::encode(prefixed, {QString(400, u'm')}).at(0), '\xFF');
}

// The fields whose texts would lose characters, in layout order, each
// character once in the order it first appears.
TEST(RecordCodec, NamesTheFieldsWhoseCharactersCannotBeStored) {
    const auto found = codec::unstorableFields(
        kPrefixed, {QStringLiteral("Ğ e ł, Ğ"), QStringLiteral("Più € ?"), QStringLiteral("Ω")});
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found.at(0).field, 0);
    EXPECT_EQ(found.at(0).characters, (QStringList{QStringLiteral("Ğ"), QStringLiteral("ł")}));
    EXPECT_EQ(found.at(1).field, 2);
    EXPECT_EQ(found.at(1).characters, QStringList{QStringLiteral("Ω")});
    EXPECT_TRUE(codec::unstorableFields(kTerminated, {QStringLiteral("Sì"), QString()}).isEmpty());
}

// The message's line of a field: its label without the colon, then the
// characters; one that shows nothing is named by its code.
TEST(RecordCodec, TheLineOfAFieldNamesItAndItsCharacters) {
    struct Case {
        const char* label;
        QStringList characters;
        QString line;
    } cases[] = {
        {"Note:", {QStringLiteral("Ğ"), QStringLiteral("ł")}, QStringLiteral("Note: Ğ ł")},
        {"Protocollo n.", {QStringLiteral("😀")}, QStringLiteral("Protocollo n.: 😀")},
        {"Cognome:",
         {QStringLiteral("\u200B"), QStringLiteral("\u3000"), QStringLiteral("Ж")},
         QStringLiteral("Cognome: U+200B U+3000 Ж")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(archivemsg::unstorableLine(QString::fromUtf8(c.label), c.characters), c.line)
            << c.label;
    }
    EXPECT_EQ(archivemsg::unstorableCharacters(
                  {QStringLiteral("Cognome: Ş"), QStringLiteral("Note: Ğ ł")}),
              QStringLiteral("Alcuni caratteri non possono essere memorizzati nell'archivio e "
                             "verrebbero sostituiti da \"?\":\n\nCognome: Ş\nNote: Ğ ł\n\n"
                             "Salvare comunque la scheda con i caratteri sostituiti?"));
}

TEST(RecordCodec, DecodingIgnoresWhatFollowsTheText) {
    struct Case {
        const char* name;
        const RecordLayout* layout;
        QByteArray firstField;  // 6 bytes
        QString read;
    } cases[] = {
        {"older, longer value behind", &kPrefixed,
         QByteArray("\x02"
                    "abcde",
                    6),
         QStringLiteral("ab")},
        {"length past the capacity", &kPrefixed,
         QByteArray("\xFF"
                    "abcde",
                    6),
         QStringLiteral("abcde")},
        {"blanks kept as stored", &kPrefixed, QByteArray("\x03 a ", 4) + QByteArray(2, '\0'),
         QStringLiteral(" a ")},
        {"text after the zero", &kTerminated, QByteArray("ab\0cd\0", 6), QStringLiteral("ab")},
        {"no zero at all", &kTerminated, QByteArray("abcdef", 6), QStringLiteral("abcdef")},
        {"Windows-1252 bytes", &kTerminated, QByteArray("\x80\xE8\0\0\0\0", 6),
         QStringLiteral("€è")},
    };
    for (const Case& c : cases) {
        QByteArray record(kSize, '\0');
        record.replace(0, 6, c.firstField);
        EXPECT_EQ(codec::decode(*c.layout, record).front(), c.read) << c.name;
    }
    EXPECT_EQ(codec::displayText(FieldEncoding::LengthPrefixed, QStringLiteral(" a ")),
              QStringLiteral("a"));
    EXPECT_EQ(codec::displayText(FieldEncoding::ZeroTerminated, QStringLiteral(" a ")),
              QStringLiteral(" a "));
}

}  // namespace
