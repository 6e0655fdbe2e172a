#include "base/Cp1252.h"

#include <gtest/gtest.h>

namespace {

// The published Windows-1252 table for 0x80-0x9F (0 where the code page has
// no character; Windows maps those bytes to the C1 control of the same value).
constexpr char16_t kPublished[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t published(int byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t c = kPublished[byte - 0x80];
        return c ? c : static_cast<char16_t>(byte);
    }
    return static_cast<char16_t>(byte);  // ASCII and Latin-1
}

TEST(Cp1252, DecodesEveryByteAsTheCodePageAndEncodesItBack) {
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray one(1, static_cast<char>(byte));
        const QString decoded = cp1252::decode(one);
        ASSERT_EQ(decoded.size(), 1);
        EXPECT_EQ(decoded.at(0).unicode(), published(byte)) << "byte " << byte;
        EXPECT_EQ(cp1252::encode(decoded), one) << "byte " << byte;
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    struct Case {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {QStringLiteral("Sì"), QByteArray("S\xEC")},
        {QStringLiteral("€ 12,50"), QByteArray("\x80 12,50")},
        {QStringLiteral("Łódź"), QByteArray("?\xF3"
                                            "d?")},
        {QStringLiteral("a😀b"), QByteArray("a?b")},  // one character, two UTF-16 units
        {QStringLiteral("—“x”"), QByteArray("\x97\x93x\x94")},
    };
    for (const Case& c : cases) EXPECT_EQ(cp1252::encode(c.text), c.bytes) << qPrintable(c.text);
}

// What Save asks about: each character that would become '?', where it
// stands, and nothing for the characters the code page holds ("?" itself,
// "€", the accented letters, the C1 controls of the unassigned bytes).
TEST(Cp1252, FindsEachCharacterTheCodePageCannotHold) {
    struct Case {
        QString text;
        QList<std::pair<qsizetype, QString>> found;
    } cases[] = {
        {QStringLiteral("Più € 5? «sì» \u0081"), {}},
        {QStringLiteral("Ğ e ł"), {{0, QStringLiteral("Ğ")}, {4, QStringLiteral("ł")}}},
        {QStringLiteral("ŁŁ"), {{0, QStringLiteral("Ł")}, {1, QStringLiteral("Ł")}}},
        {QStringLiteral("a😀b"), {{1, QStringLiteral("😀")}}},  // one character, two units
        {QString(u'x') + QChar(0xD800) + u'y', {{1, QString(QChar(0xD800))}}},  // a lone half
        {QStringLiteral("a\u200Bb"), {{1, QStringLiteral("\u200B")}}},
    };
    for (const Case& c : cases) {
        QList<std::pair<qsizetype, QString>> found;
        for (const cp1252::Unencodable& u : cp1252::unencodable(c.text)) {
            found.append({u.position, u.character});
        }
        EXPECT_EQ(found, c.found) << qPrintable(c.text);
        // What is stored: each of them one '?', the rest as it was.
        QString stored = c.text;
        for (auto it = c.found.crbegin(); it != c.found.crend(); ++it) {
            stored.replace(it->first, it->second.size(), u'?');
        }
        EXPECT_EQ(cp1252::storable(c.text), stored) << qPrintable(c.text);
        EXPECT_EQ(cp1252::encode(cp1252::storable(c.text)), cp1252::encode(c.text));
    }
}

}  // namespace
