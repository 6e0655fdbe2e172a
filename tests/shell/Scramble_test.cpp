#include "shell/Scramble.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

// Worked by hand from the algorithm with K0 = A3C5, M = 6255, A = 3619:
//   'A' (41) XOR A3 = E2; key = ((A3C5 + E2) * 6255 + 3619) mod 10000h = CF8C
//   'B' (42) XOR CF = 8D
TEST(Scramble, FollowsTheAlgorithmStepByStep) {
    EXPECT_EQ(scramble::scramble(u"A"), QStringLiteral("E2"));
    EXPECT_EQ(scramble::scramble(u"AB"), QStringLiteral("E28D"));
    EXPECT_EQ(scramble::unscramble(u"E28D"), QStringLiteral("AB"));
}

QString textOf(int length) {
    QString text;
    for (int i = 0; i < length; ++i) text.append(QChar(static_cast<char16_t>((i * 37 + 1) % 256)));
    return text;
}

TEST(Scramble, RoundTripsTextsOfEveryLengthTheProgramStores) {
    const QRegularExpression upperHex(QStringLiteral("^([0-9A-F]{2})*$"));
    for (const int length : {0, 1, 3, 255}) {
        const QString plain = textOf(length);
        const QString hex = scramble::scramble(plain);
        EXPECT_EQ(hex.size(), 2 * length) << length;
        EXPECT_TRUE(upperHex.match(hex).hasMatch()) << hex.toStdString();
        EXPECT_EQ(scramble::unscramble(hex), plain) << length;
    }
    // Every code from 0 to 255, accented letters included.
    QString all;
    for (int c = 0; c < 256; ++c) all.append(QChar(static_cast<char16_t>(c)));
    EXPECT_EQ(scramble::unscramble(scramble::scramble(all)), all);
}

TEST(Scramble, KeepsOnlyTheLowEightBitsOfACharacter) {
    // U+0100 and U+20AC (euro) scramble like codes 00 and AC.
    EXPECT_EQ(scramble::scramble(QStringLiteral("x\u0100\u20AC")),
              scramble::scramble(QStringLiteral("x") + QChar(u'\0') + QChar(u'\u00AC')));
}

TEST(Unscramble, ReadsLowerCaseAndIgnoresAFinalOddDigit) {
    const QString hex = scramble::scramble(u"primavera");
    EXPECT_EQ(scramble::unscramble(hex.toLower()), QStringLiteral("primavera"));
    EXPECT_EQ(scramble::unscramble(hex + u'7'), QStringLiteral("primavera"));
    EXPECT_EQ(scramble::unscramble(u"E"), QString());
}

TEST(Unscramble, FailsOnAPairThatIsNotHexadecimal) {
    for (const char16_t* bad : {u"G0", u"E2 8", u"E2+1", u"0x", u"E2-8D", u"Ã©"}) {
        EXPECT_EQ(scramble::unscramble(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
    }
}

}  // namespace
