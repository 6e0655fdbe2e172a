#include "deadlines/DeadlineRules.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "lists/RecordList.h"
#include "support/DeadlineArchive.h"

namespace {

using deadlines::checkForSave;

TEST(DeadlineItems, TheDropDownsListTheirItemsInOrder) {
    const QStringList days = deadlines::dayItems();
    ASSERT_EQ(days.size(), 31);
    EXPECT_EQ(days.first(), QStringLiteral("01"));
    EXPECT_EQ(days.at(8), QStringLiteral("09"));
    EXPECT_EQ(days.last(), QStringLiteral("31"));
    const QStringList hours = deadlines::hourItems();
    ASSERT_EQ(hours.size(), 24);
    EXPECT_EQ(hours.first(), QStringLiteral("00"));
    EXPECT_EQ(hours.last(), QStringLiteral("23"));
    const QStringList minutes = deadlines::minuteItems();
    ASSERT_EQ(minutes.size(), 60);
    EXPECT_EQ(minutes.at(5), QStringLiteral("05"));
    EXPECT_EQ(minutes.last(), QStringLiteral("59"));
    EXPECT_EQ(deadlines::monthNames(),
              (QStringList{"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio",
                           "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"}));
}

TEST(DeadlineMonths, ANameGivesItsNumberLowerCasedAndTrimmed) {
    struct Case {
        const char* name;
        int number;
    } cases[] = {{"Gennaio", 1},   {"marzo", 3},    {" DICEMBRE ", 12},
                 {"Settembre", 9}, {"Mar", 0},      {"Marzo.", 0},
                 {"", 0},          {"Febraio", 0},  {"agosto", 8},
                 {"sEtTeMbRe", 9}, {"Ottobre", 10}, {"Maggio ", 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(deadlines::monthNumber(QString::fromLatin1(c.name)), c.number) << c.name;
    }
    EXPECT_EQ(deadlines::monthName(3), QStringLiteral("Marzo"));
    EXPECT_EQ(deadlines::monthName(0), QString());
}

// A card filled as it can be saved; each case changes what it needs.
TRecScadenza validCard() {
    TRecScadenza card;
    card.Giorno = QStringLiteral("07");
    card.Mese = QStringLiteral("Marzo");
    card.Anno = QStringLiteral("2024");
    card.OreApp = QStringLiteral("09");
    card.MinutiApp = QStringLiteral("30");
    card.Avviso = QStringLiteral("10");
    card.Cliente = QStringLiteral("Rossi Mario");
    card.Dettagli = QStringLiteral("Rinnovo porto d'armi");
    card.Costo = QStringLiteral("0,00");
    return card;
}

const QString kSave = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
const QString kValid =
    QStringLiteral("\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida.");

// Checks 1 to 12 in order: each case breaks its check and, where it
// matters, the ones after it too, so the first in order is the one shown.
TEST(DeadlineSave, ChecksRunInOrderWithTheirMessagesAndFocus) {
    struct Case {
        const char* what;
        std::function<void(TRecScadenza&)> change;
        SaveCheck::Kind kind;
        QString message;
        const char* focus;
    } cases[] = {
        {"1 day empty",
         [](TRecScadenza& c) {
             c.Giorno = QStringLiteral("  ");
             c.Mese.clear();
             c.Cliente.clear();
         },
         SaveCheck::Kind::Warning, kSave + "il giorno della scadenza.", "txtGiorno"},
        {"2 day of one digit",
         [](TRecScadenza& c) {
             c.Giorno = QStringLiteral(" 7 ");
             c.Mese.clear();
         },
         SaveCheck::Kind::Warning, kSave + "il giorno della scadenza usando due cifre.",
         "txtGiorno"},
        {"3 month empty",
         [](TRecScadenza& c) {
             c.Mese.clear();
             c.OreApp.clear();
         },
         SaveCheck::Kind::Warning, kSave + "il mese della scadenza.", "txtMese"},
        {"4 hours empty",
         [](TRecScadenza& c) {
             c.OreApp.clear();
             c.MinutiApp.clear();
         },
         SaveCheck::Kind::Warning, kSave + "l'ora dell'appuntamento.", "txtOreApp"},
        {"5 minutes empty, hours of one digit",
         [](TRecScadenza& c) {
             c.OreApp = QStringLiteral("9");
             c.MinutiApp.clear();
         },
         SaveCheck::Kind::Warning, kSave + "i minuti dell'ora dell'appuntamento.", "txtMinutiApp"},
        {"6 hours of one digit",
         [](TRecScadenza& c) {
             c.OreApp = QStringLiteral("9");
             c.MinutiApp = QStringLiteral("5");
         },
         SaveCheck::Kind::Warning, kSave + "l'ora dell'appuntamento usando due cifre.",
         "txtOreApp"},
        {"6 pasted hours 99", [](TRecScadenza& c) { c.OreApp = QStringLiteral("99"); },
         SaveCheck::Kind::Warning, kSave + "l'ora dell'appuntamento usando due cifre.",
         "txtOreApp"},
        {"6 pasted hours ab", [](TRecScadenza& c) { c.OreApp = QStringLiteral("ab"); },
         SaveCheck::Kind::Warning, kSave + "l'ora dell'appuntamento usando due cifre.",
         "txtOreApp"},
        {"7 minutes of one digit",
         [](TRecScadenza& c) {
             c.MinutiApp = QStringLiteral("5");
             c.Avviso.clear();
         },
         SaveCheck::Kind::Warning, kSave + "i minuti dell'ora dell'appuntamento usando due cifre.",
         "txtMinutiApp"},
        {"7 pasted minutes 60", [](TRecScadenza& c) { c.MinutiApp = QStringLiteral("60"); },
         SaveCheck::Kind::Warning, kSave + "i minuti dell'ora dell'appuntamento usando due cifre.",
         "txtMinutiApp"},
        {"8 notice empty, hunter too",
         [](TRecScadenza& c) {
             c.Avviso.clear();
             c.Cliente.clear();
         },
         SaveCheck::Kind::Warning, kSave + "i giorni di preavviso.", "txtAvviso"},
        {"9 hunter empty",
         [](TRecScadenza& c) {
             c.Cliente = QStringLiteral(" ");
             c.Dettagli.clear();
         },
         SaveCheck::Kind::Warning, kSave + "il nome del cacciatore.", "txtCliente"},
        {"10 reason empty",
         [](TRecScadenza& c) {
             c.Dettagli.clear();
             c.Mese = QStringLiteral("Marz");
         },
         SaveCheck::Kind::Warning, kSave + "la causale della scadenza.", "txtDettagli"},
        {"11 month not a name", [](TRecScadenza& c) { c.Mese = QStringLiteral("Marz"); },
         SaveCheck::Kind::Warning,
         QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.") + kValid, "txtMese"},
        {"12 31 Aprile",
         [](TRecScadenza& c) {
             c.Giorno = QStringLiteral("31");
             c.Mese = QStringLiteral("Aprile");
         },
         SaveCheck::Kind::Plain,
         QStringLiteral("Attenzione: la data 31/04/2024 non esiste.") + kValid, "txtGiorno"},
        {"12 pasted day ab", [](TRecScadenza& c) { c.Giorno = QStringLiteral("ab"); },
         SaveCheck::Kind::Plain,
         QStringLiteral("Attenzione: la data ab/03/2024 non esiste.") + kValid, "txtGiorno"},
    };
    for (const Case& c : cases) {
        TRecScadenza card = validCard();
        c.change(card);
        const auto check = checkForSave(card);
        ASSERT_TRUE(check.has_value()) << c.what;
        EXPECT_EQ(check->kind, c.kind) << c.what;
        EXPECT_EQ(check->message, c.message) << c.what;
        EXPECT_EQ(check->focusControl, QString::fromLatin1(c.focus)) << c.what;
    }
}

// The subject and the amount are not required; the month may be typed in
// any letter case; hours and minutes are their lists' items, "00" included.
TEST(DeadlineSave, ACompleteCardPasses) {
    const std::function<void(TRecScadenza&)> changes[] = {
        [](TRecScadenza&) {},
        [](TRecScadenza& c) { c.Mese = QStringLiteral(" MARZO "); },
        [](TRecScadenza& c) {
            c.OreApp = QStringLiteral("00");
            c.MinutiApp = QStringLiteral("00");
            c.Costo.clear();
        },
        [](TRecScadenza& c) {
            c.OreApp = QStringLiteral("23");
            c.MinutiApp = QStringLiteral("59");
        },
        [](TRecScadenza& c) {
            c.Giorno = QStringLiteral("31");
            c.Mese = QStringLiteral("Dicembre");
        },
    };
    for (const auto& change : changes) {
        TRecScadenza card = validCard();
        change(card);
        EXPECT_EQ(checkForSave(card), std::nullopt) << qPrintable(card.Mese);
    }
}

TEST(DeadlineSave, TheTwentyNinthOfFebruaryExistsInLeapYearsOnly) {
    struct Case {
        const char* year;
        bool exists;
    } cases[] = {{"2024", true}, {"2023", false}, {"1900", false}, {"2000", true}};
    for (const Case& c : cases) {
        TRecScadenza card = validCard();
        card.Giorno = QStringLiteral("29");
        card.Mese = QStringLiteral("Febbraio");
        card.Anno = QString::fromLatin1(c.year);
        const auto check = checkForSave(card);
        EXPECT_EQ(!check.has_value(), c.exists) << c.year;
        if (check) {
            EXPECT_EQ(check->message, QStringLiteral("Attenzione: la data 29/02/%1 non esiste.")
                                              .arg(QLatin1String(c.year)) +
                                          kValid);
        }
    }
}

TEST(DeadlineSave, TheDerivedFieldsAreTheTimeAndTheBuiltDate) {
    TRecScadenza card = validCard();
    card.Giorno = QStringLiteral("05 ");
    card.Mese = QStringLiteral("settembre");
    card.OreApp = QStringLiteral(" 08");
    card.MinutiApp = QStringLiteral("45");
    deadlines::deriveFields(card);
    EXPECT_EQ(card.Ora, QStringLiteral("08:45"));
    EXPECT_EQ(card.Data, QStringLiteral("05/09/2024"));
}

TEST(DeadlineAmount, IsRoundedToFourDecimalsOnItsDigitsAndShownWithAtLeastTwo) {
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"12", "12,00"},
        {"12,5", "12,50"},
        {",5", "0,50"},
        {"3,14159", "3,1416"},
        {"7,125", "7,125"},
        {"0,00015", "0,0002"},  // a binary fraction would give 0,0001
        {"1,00005", "1,0001"},
        {"0,00004", "0,00"},
        {"1000", "1000,00"},
        {"12,3000", "12,30"},
        {"007,10", "7,10"},
        {"9,99995", "10,00"},
        {"", "0,00"},
        {"   ", "0,00"},
        {"1,2,3", "0,00"},
        {"12,,5", "0,00"},
        {",", "0,00"},
        {"123456789012345", "123456789012345,00"},
        {"999999999999999,99995", "1000000000000000,00"},
        {"12345678901234,5", "12345678901234,50"},
        {"1234567890123456", "0,00"},  // more than fifteen whole digits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(deadlines::formatAmount(QString::fromLatin1(c.typed)).toStdString(), c.shown)
            << c.typed;
    }
}

FieldValues deadlineValues(const TestDeadline& deadline) {
    return loadedValues(TRecScadenza::layout(), deadlineRecord(deadline));
}

TEST(DeadlineKey, IsTheMonthOfTheDateThenDayHoursAndMinutes) {
    EXPECT_EQ(deadlines::chronologicalKey(deadlineValues(deadlineOn("07/03/2024", "09:30"))),
              QStringLiteral("03070930"));
    EXPECT_EQ(deadlines::chronologicalKey(deadlineValues(deadlineOn("31/12/2024", "23:59"))),
              QStringLiteral("12312359"));
}

TEST(DeadlineImminence, FromTheNoticeDaysBeforeTheDateThroughTheDateItself) {
    struct Case {
        const char* today;
        const char* date;
        QByteArray notice;
        std::optional<bool> imminent;
    } cases[] = {
        {"07/03/2024", "07/03/2024", "0", true},
        {"07/03/2024", "06/03/2024", "0", false},
        {"07/03/2024", "06/03/2024", "999", false},  // yesterday, whatever the notice
        {"07/03/2024", "17/03/2024", "10", true},
        {"07/03/2024", "17/03/2024", "9", false},
        {"07/03/2024", "08/03/2024", "0", false},
        {"29/02/2024", "01/03/2024", "1", true},
        {"28/02/2023", "01/03/2023", "1", true},
        {"28/02/2024", "01/03/2024", "1", false},  // 2024 has a 29 February between
        {"30/12/2024", "05/01/2025", "10", true},
        {"30/12/2024", "05/01/2025", "5", false},
        {"07/03/2024", "30/11/2026", "999", true},  // 07/03/2024 + 998 days
        {"07/03/2024", "01/12/2026", "999", true},  // + 999 days
        {"07/03/2024", "02/12/2026", "999", false},
        {"07/03/2024", "7/3/2024", "0", true},  // one-digit day and month read too
        {"07/03/2024", "31/02/2024", "10", std::nullopt},
        {"07/03/2024", "07/03/24", "10", std::nullopt},
        {"07/03/2024", "", "10", std::nullopt},
        {"07/03/2024", "07/03/2024", "", std::nullopt},
        {"07/03/2024", "07/03/2024", "1a", std::nullopt},
        {"07/03/2024", "07/03/2024", "-1", std::nullopt},
    };
    for (const Case& c : cases) {
        TestDeadline deadline = deadlineOn("01/01/2024");
        deadline.date = c.date;
        deadline.notice = c.notice;
        const QDate today = QDate::fromString(QString::fromLatin1(c.today), u"dd/MM/yyyy");
        EXPECT_EQ(deadlines::imminence(deadlineValues(deadline), today), c.imminent)
            << c.today << " " << c.date << " " << c.notice.constData();
    }
}

// The imminence check of the start panel over the yearly files of a data
// folder.
class ImminentCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
    }
    QString year(const char* text) const {
        return dir.filePath(QString::fromLatin1(text) + QStringLiteral(".sca"));
    }
    QTemporaryDir dir;
};

TEST_F(ImminentCheckTest, AMissingCurrentYearIsCreatedEmptyAndFollowingYearsAreNot) {
    const deadlines::ImminentCheck check = deadlines::checkImminent(QDate(2024, 12, 30));
    EXPECT_EQ(check.count, 0);
    EXPECT_TRUE(check.readable);
    EXPECT_TRUE(QFile::exists(year("2024")));
    EXPECT_EQ(QFileInfo(year("2024")).size(), 0);
    EXPECT_FALSE(QFile::exists(year("2025")));
}

// On 30 December a deadline of 5 January with 10 days' notice is seen in
// next year's file; a damaged record (no date, or a notice that is no
// number) is skipped and the records after it are still counted.
TEST_F(ImminentCheckTest, CountsAcrossTheYearBoundarySkippingDamagedRecords) {
    TestDeadline noDate = deadlineOn("30/12/2024", "08:00", "0");
    noDate.date = "31/13/2024";
    TestDeadline noNumber = deadlineOn("30/12/2024", "08:00", "x");
    ASSERT_TRUE(writeDeadlines(year("2024"), {deadlineOn("30/12/2024", "10:00", "0"), noDate,
                                              noNumber, deadlineOn("29/12/2024", "10:00", "5"),
                                              deadlineOn("31/12/2024", "10:00", "1")}));
    ASSERT_TRUE(writeDeadlines(year("2025"), {deadlineOn("05/01/2025", "09:00", "10"),
                                              deadlineOn("05/01/2025", "09:00", "5")}));
    // Beyond the reach of any notice: never read.
    ASSERT_TRUE(writeDeadlines(year("2028"), {deadlineOn("01/01/2028", "09:00", "999")}));
    const deadlines::ImminentCheck check = deadlines::checkImminent(QDate(2024, 12, 30));
    EXPECT_EQ(check.count, 3);
    EXPECT_TRUE(check.readable);
    EXPECT_EQ(deadlines::imminentFiles(QDate(2024, 12, 30)),
              (QStringList{year("2024"), year("2025")}));
}

TEST_F(ImminentCheckTest, ANoticeOf999DaysReachesTwoYearsOn) {
    ASSERT_TRUE(writeDeadlines(year("2026"), {deadlineOn("01/12/2026", "09:00", "999"),
                                              deadlineOn("02/12/2026", "09:00", "999")}));
    ASSERT_TRUE(writeDeadlines(year("2027"), {deadlineOn("01/01/2027", "09:00", "999")}));
    EXPECT_EQ(deadlines::imminentFiles(QDate(2024, 3, 7)),
              (QStringList{year("2024"), year("2026")}));
    EXPECT_EQ(deadlines::checkImminent(QDate(2024, 3, 7)).count, 1);
    EXPECT_FALSE(QFile::exists(year("2025")));
}

// The check tells its progress over the files, each an equal share of the
// whole; asked to stop, it stops and says so rather than give a count.
TEST_F(ImminentCheckTest, TellsItsProgressOverTheFilesAndStopsWhenAsked) {
    ASSERT_TRUE(writeDeadlines(year("2024"), {deadlineOn("30/12/2024", "10:00", "0")}));
    ASSERT_TRUE(writeDeadlines(year("2025"), {deadlineOn("05/01/2025", "09:00", "10")}));
    QList<std::pair<qint64, qint64>> steps;
    deadlines::ImminentCheck check =
        deadlines::checkImminent(QDate(2024, 12, 30), [&](qint64 done, qint64 total) {
            steps.append({done, total});
            return true;
        });
    EXPECT_EQ(check.count, 2);
    EXPECT_FALSE(check.cancelled);
    EXPECT_EQ(steps, (QList<std::pair<qint64, qint64>>{{1000, 2000}, {2000, 2000}}));

    int asked = 0;
    check = deadlines::checkImminent(QDate(2024, 12, 30), [&](qint64, qint64) {
        ++asked;
        return false;
    });
    EXPECT_TRUE(check.cancelled);
    EXPECT_EQ(asked, 1);  // the second file is not read
}

// A file that cannot be read is told apart from a year without deadlines;
// the files that can be read still count.
TEST_F(ImminentCheckTest, AnUnreadableFileIsReportedWithWhatTheOthersGave) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2024.sca")));
    ASSERT_TRUE(writeDeadlines(year("2025"), {deadlineOn("05/01/2025", "09:00", "10")}));
    const deadlines::ImminentCheck check = deadlines::checkImminent(QDate(2024, 12, 30));
    EXPECT_FALSE(check.readable);
    EXPECT_EQ(check.count, 1);
}

}  // namespace
