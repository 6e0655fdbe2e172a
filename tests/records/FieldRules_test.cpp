#include "records/FieldRules.h"

#include <gtest/gtest.h>

namespace {

// Amounts are rounded on their typed decimal digits: an exact half goes up
// whatever its binary fraction would be (12,345 and 1,005 lie below their
// half as doubles).
TEST(AmountRule, RoundsAnExactHalfUpOnTheDecimalDigits) {
    struct Case {
        const char* typed;
        int decimals;
        std::optional<qint64> units;
        const char* shown;
    } cases[] = {
        {"12,345", 2, 1235, "12,35"},
        {"1,235", 2, 124, "1,24"},
        {"0,005", 2, 1, "0,01"},
        {"1,005", 2, 101, "1,01"},
        {"3,456", 2, 346, "3,46"},
        {"3,454", 2, 345, "3,45"},
        {"0,00499999", 2, 0, "0,00"},
        {"99,995", 2, 10000, "100,00"},
        {"-12,345", 2, -1235, "-12,35"},
        {"1,00005", 4, 10001, "1,0001"},
        {"2,71828", 4, 27183, "2,7183"},
        {"0,00004", 4, 0, "0,0000"},
        {"7,", 4, 70000, "7,0000"},
        {"2,5", 0, 3, "3"},
        {"1,2e1", 2, 1200, "12,00"},
        {"5e-3", 2, 1, "0,01"},
        {"123456789012345,6789", 4, 1234567890123456789, "123456789012345,6789"},
        {"+3,5", 2, 350, "3,50"},
        {"1E2", 0, 100, "100"},
        {"1,5e+1", 2, 1500, "15,00"},
        {" 4,25 ", 2, 425, "4,25"},
    };
    for (const Case& c : cases) {
        const auto units = fieldrules::amountUnits(QString::fromLatin1(c.typed), c.decimals);
        EXPECT_EQ(units, c.units) << c.typed << " / " << c.decimals;
        if (units) {
            EXPECT_EQ(fieldrules::amountText(*units, c.decimals).toStdString(), c.shown)
                << c.typed << " / " << c.decimals;
        }
    }
}

TEST(AmountRule, RefusesWhatIsNotAnAmount) {
    for (const char* typed : {"", "abc", "1,2,3", ",", "-", "1e", "1 000", "1234567890123456",
                              "1e1234", "+", "1e+", "e5", "1,5e", "1.5", "5-", "1,5e2x"}) {
        EXPECT_EQ(fieldrules::amountUnits(QString::fromLatin1(typed), 2), std::nullopt) << typed;
    }
    EXPECT_EQ(fieldrules::amountUnits(QStringLiteral("123456789012345,99"), 2), 12345678901234599);
    // Fifteen whole digits and four decimals may count more units than fit.
    EXPECT_EQ(fieldrules::amountUnits(QStringLiteral("999999999999999,9999"), 4), std::nullopt);
}

// The same rule as a text, for amounts of more units than a qint64 holds.
TEST(AmountRule, GivesTheRoundedAmountAsTextWhateverItsSize) {
    struct Case {
        const char* typed;
        int decimals;
        std::optional<QString> shown;
    } cases[] = {
        {"999999999999999", 4, QStringLiteral("999999999999999,0000")},
        {"999999999999999,99995", 4, QStringLiteral("1000000000000000,0000")},
        {"0,00015", 4, QStringLiteral("0,0002")},
        {",5", 2, QStringLiteral("0,50")},
        {"-0,001", 2, QStringLiteral("0,00")},
        {"-12,345", 2, QStringLiteral("-12,35")},
        {"2,5", 0, QStringLiteral("3")},
        {"007", 2, QStringLiteral("7,00")},
        {"1,2,3", 4, std::nullopt},
        {"1234567890123456", 4, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fieldrules::roundedAmount(QString::fromLatin1(c.typed), c.decimals), c.shown)
            << c.typed << " / " << c.decimals;
    }
}

}  // namespace

TEST(ParseDate, ReadsDayMonthYearWithSlashesOnly) {
    struct Case {
        const char* text;
        QDate date;  // invalid: not a date
    } cases[] = {
        {"10/05/2024", QDate(2024, 5, 10)},
        {" 1/2/2024 \t", QDate(2024, 2, 1)},
        {"1/2/24", QDate(2024, 2, 1)},
        {"29/02/2024", QDate(2024, 2, 29)},
        {"29/02/2023", {}},
        {"31/04/2024", {}},
        {"00/01/2024", {}},
        {"001/01/2024", {}},
        {"01/01/12024", {}},
        {"1//2024", {}},
        {"01-01-2024", {}},
        {"01/01/2024x", {}},
        {"01/01/2024/", {}},
        {"", {}},
        {"١٠/٠٥/٢٠٢٤", {}},  // digits of another script
    };
    for (const Case& c : cases) {
        const auto parsed = fieldrules::parseDate(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.has_value(), c.date.isValid()) << c.text;
        if (parsed && c.date.isValid()) {
            EXPECT_EQ(*parsed, c.date) << c.text;
        }
    }
}
