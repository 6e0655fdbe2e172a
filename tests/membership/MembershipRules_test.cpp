#include "membership/MembershipRules.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/Paths.h"
#include "membership/MembershipSettings.h"
#include "membership/TRecTessera.h"

namespace {

struct Words {
    qint64 cents;
    const char* words;
};

class AmountInWords : public ::testing::TestWithParam<Words> {};

TEST_P(AmountInWords, AsAReceiptWritesIt) {
    EXPECT_EQ(membership::amountInWords(GetParam().cents).toStdString(), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, AmountInWords,
    ::testing::Values(
        Words{50, "zero/50 euro"}, Words{100, "uno/00 euro"}, Words{2100, "ventuno/00 euro"},
        Words{7747, "settantasette/47 euro"}, Words{10000, "cento/00 euro"},
        Words{17316, "centosettantatré/16 euro"}, Words{100000, "mille/00 euro"},
        Words{123456789, "unmilioneduecentotrentaquattromilacinquecentosessantasette/89 euro"},
        // The elisions and the accent of a final "tre".
        Words{2800, "ventotto/00 euro"}, Words{18000, "centottanta/00 euro"},
        Words{300, "tre/00 euro"}, Words{300300, "tremilatré/00 euro"},
        Words{2100000, "ventunmila/00 euro"}, Words{200000000, "duemilioni/00 euro"}));

class SeasonFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
    }
    QTemporaryDir dir;
};

TEST_F(SeasonFiles, SeasonsAreTwoFollowingYears) {
    EXPECT_TRUE(membership::isSeason(QStringLiteral("2026/2027")));
    for (const char* bad : {"2026/2028", "2026-2027", "2026/27", "", "abcd/abce", "9999/10000"}) {
        EXPECT_FALSE(membership::isSeason(QString::fromLatin1(bad))) << bad;
        EXPECT_TRUE(membership::seasonYear(QString::fromLatin1(bad)).isEmpty()) << bad;
    }
    EXPECT_EQ(membership::seasonYear(QStringLiteral("2026/2027")), QStringLiteral("2026"));
    EXPECT_EQ(membership::seasonFile(QStringLiteral("2026/2027")),
              dir.filePath(QStringLiteral("Tesseramento-2026.tes")));
}

TEST_F(SeasonFiles, ADayFallsInTheSeasonStartedOnTheSettingsDay) {
    // By default a season runs from the 1st of July to the 30th of June.
    EXPECT_EQ(membership::seasonOn(QDate(2026, 6, 30)), QStringLiteral("2025/2026"));
    EXPECT_EQ(membership::seasonOn(QDate(2026, 7, 1)), QStringLiteral("2026/2027"));
    membership::Settings settings = membership::settingsNow();
    settings.seasonStartDay = 15;
    settings.seasonStartMonth = 9;
    membership::setSettings(settings);
    EXPECT_EQ(membership::seasonOn(QDate(2026, 9, 14)), QStringLiteral("2025/2026"));
    EXPECT_EQ(membership::seasonLastDay(QStringLiteral("2026/2027")), QDate(2027, 9, 14));
}

TEST_F(SeasonFiles, FeeKindsComeFromTheSettings) {
    EXPECT_EQ(membership::feeNames(),
              QStringList({"ordinaria", "giovani", "veterani", "onoraria", "familiare"}));
    membership::Settings settings = membership::settingsNow();
    settings.fees = {{QStringLiteral("ordinaria"), QStringLiteral("90,00")},
                     {QStringLiteral("sostenitore"), QStringLiteral("150,00")}};
    membership::setSettings(settings);
    EXPECT_EQ(membership::feeNames(), QStringList({"ordinaria", "sostenitore"}));
    EXPECT_EQ(membership::defaultAmount(QStringLiteral("sostenitore")), QStringLiteral("150,00"));
}

TEST(MembershipCheck, NamesWhatIsWrong) {
    TRecTessera card;
    card.Stagione = QStringLiteral("2026/2027");
    card.Scheda = QStringLiteral("3");
    card.Socio = QStringLiteral("Rossi Mario");
    card.Quota = QStringLiteral("ordinaria");
    card.Importo = QStringLiteral("84,00");
    card.Stato = QStringLiteral("da pagare");
    EXPECT_FALSE(membership::checkForSave(card));
    TRecTessera paidByHand = card;
    paidByHand.Stato = QStringLiteral("pagata");
    paidByHand.DataPag = QStringLiteral("15/09/2026");
    paidByHand.Metodo = QStringLiteral("contanti");
    const auto byHand = membership::checkForSave(paidByHand);
    ASSERT_TRUE(byHand);
    EXPECT_TRUE(byHand->message.contains(QStringLiteral("usare il pulsante Paga")));
    paidByHand.Ricevuta = QStringLiteral("4");
    EXPECT_FALSE(membership::checkForSave(paidByHand));
    struct Case {
        QString TRecTessera::*field;
        const char* value;
        const char* focus;
    };
    for (const Case& c :
         {Case{&TRecTessera::Scheda, "", "txtScheda"}, Case{&TRecTessera::Scheda, "0", "txtScheda"},
          Case{&TRecTessera::Importo, "84,0,0", "txtImporto"},
          Case{&TRecTessera::Stato, "saldata", "txtStato"},
          Case{&TRecTessera::Stato, "pagata", "txtDataPag"},
          Case{&TRecTessera::Ricevuta, "4", "txtStato"},
          Case{&TRecTessera::DataUscita, "31/02/2027", "txtDataUscita"},
          Case{&TRecTessera::DataUscita, "01/02/2027", "txtMotivo"},
          Case{&TRecTessera::Motivo, "decesso", "txtDataUscita"}}) {
        TRecTessera wrong = card;
        wrong.*c.field = QString::fromUtf8(c.value);
        const auto check = membership::checkForSave(wrong);
        ASSERT_TRUE(check) << c.value;
        EXPECT_EQ(check->focusControl.toStdString(), c.focus) << c.value;
    }
}

}  // namespace
