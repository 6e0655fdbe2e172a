#include "checks/PartitaIva.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

using Outcome = checks::Verdict::Outcome;

QString validMessage(const QString& office) {
    return QStringLiteral(
               "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
               "dall'Ufficio IVA del Comune di ") +
           office + QStringLiteral(".");
}

const QString kWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
    "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
const QString kLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");

TEST(PartitaIva, OfficeTableByCode) {
    struct Case {
        const char* code;
        const char* office;  // UTF-8
    } cases[] = {
        {"001", "Torino"},
        {"040", "Forlì"},
        {"058", "Roma 1"},
        {"096", "Monza (Milano 2)"},
        {"099", "Chiavari (Genova 2)"},
        {"101", "Bologna 2"},
        {"102", "Napoli 2"},
        {"120", "Bologna 2"},
        {"121", "Napoli 2"},
        {"000", ""},
        {"103", ""},
        {"119", ""},
        {"122", ""},
        {"999", ""},
        {"58", ""},
        {"5a8", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checks::ufficioIva(QString::fromLatin1(c.code)), QString::fromUtf8(c.office))
            << c.code;
    }
}

TEST(PartitaIva, EveryCodeUpTo102AndTwoMoreNameAnOffice) {
    QStringList named;
    for (int code = 0; code <= 999; ++code) {
        const QString key = QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
        if (!checks::ufficioIva(key).isEmpty()) named.append(key);
    }
    ASSERT_EQ(named.size(), 104);
    EXPECT_EQ(named.first(), QStringLiteral("001"));
    EXPECT_EQ(named.at(101), QStringLiteral("102"));
    EXPECT_EQ(named.mid(102), (QStringList{QStringLiteral("120"), QStringLiteral("121")}));
}

TEST(PartitaIva, VerdictOnTypedNumbers) {
    struct Case {
        const char* typed;
        Outcome outcome;
        const char* office;  // of a valid number
    } cases[] = {
        {"00000000000", Outcome::Valid, ""},  // sum 0, check digit 0; office 000 unknown
        {"12345670587", Outcome::Valid, "Roma 1"},
        {"12345671205", Outcome::Valid, "Bologna 2"},
        {"12345671015", Outcome::Valid, "Bologna 2"},
        {"01234567897", Outcome::Valid, ""},
        {"11111110000", Outcome::Valid, ""},
        {"00000000018", Outcome::Valid, "Torino"},  // the tenth place is doubled
        {"12345670588", Outcome::Wrong, nullptr},
        {"12345670578", Outcome::Wrong, nullptr},
        {"1234567058A", Outcome::Wrong, nullptr},
        {"1234567 587", Outcome::Wrong, nullptr},
        {"", Outcome::Unchecked, nullptr},
        {"1234567058", Outcome::Unchecked, nullptr},
        {"123456705870", Outcome::Unchecked, nullptr},
    };
    for (const Case& c : cases) {
        const checks::Verdict verdict = checks::checkPartitaIva(QString::fromLatin1(c.typed));
        EXPECT_EQ(verdict.outcome, c.outcome) << c.typed;
        const QString message = c.outcome == Outcome::Valid
                                    ? validMessage(QString::fromUtf8(c.office))
                                : c.outcome == Outcome::Wrong ? kWrong
                                                              : kLength;
        EXPECT_EQ(verdict.message, message) << c.typed;
    }
    // An office without a name leaves "di" before a blank and the full stop.
    EXPECT_TRUE(checks::checkPartitaIva(QStringLiteral("00000000000"))
                    .message.endsWith(QStringLiteral("del Comune di .")));
}

}  // namespace
