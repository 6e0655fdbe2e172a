#include "membership/Membership.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "membership/MembershipRules.h"
#include "records/RecordCodec.h"
#include "records/RecordFile.h"
#include "support/HunterArchive.h"

namespace {

using membership::Outcome;

const QString kSeason = QStringLiteral("2026/2027");

class Membership : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
    }
    void storeHunters(int count) {
        QList<TestHunter> list;
        for (int i = 1; i <= count; ++i) {
            list.append(
                {.surname = "Socio" + QByteArray::number(i),
                 .name = "Mario",
                 .codFisc = "RSSMRA80A01H50" + QByteArray::number(i).rightJustified(2, '0')});
        }
        ASSERT_TRUE(writeHunters(dir.filePath(QStringLiteral("Cacciatori.pro")), list));
    }
    static QList<membership::Stored> season(const QString& name = kSeason) {
        QList<membership::Stored> records;
        QString error;
        EXPECT_TRUE(membership::readSeason(name, &records, &error)) << error.toStdString();
        return records;
    }
    static void rewrite(const QString& name, qsizetype number, const TRecTessera& card) {
        RecordFile file(membership::seasonFile(name), membership::kRecordSize);
        ASSERT_TRUE(file.open(RecordFile::Access::Write));
        ASSERT_TRUE(
            file.writeAt(number - 1, codec::encode(TRecTessera::layout(), card.toValues())));
    }
    static membership::Paid payOn(qsizetype member, const QDate& date,
                                  const QString& amount = QStringLiteral("84,00")) {
        return membership::pay({kSeason, member, amount, date, QStringLiteral("contanti")});
    }
    QTemporaryDir dir;
};

TEST_F(Membership, TheFirstRenewalTakesEveryHunterAndASecondAddsNobody) {
    storeHunters(3);
    const membership::Renewal first = membership::renew(kSeason);
    ASSERT_TRUE(first.outcome.done()) << first.outcome.message.toStdString();
    EXPECT_EQ(first.added, 3);
    const QList<membership::Stored> records = season();
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records.at(1).card.Scheda, QStringLiteral("2"));
    EXPECT_EQ(records.at(1).card.Socio, QStringLiteral("Socio2 Mario"));
    EXPECT_EQ(records.at(1).card.CodFisc, QStringLiteral("RSSMRA80A01H5002"));
    EXPECT_EQ(records.at(1).card.Quota, QStringLiteral("ordinaria"));
    EXPECT_EQ(records.at(1).card.Importo, QStringLiteral("84,00"));
    EXPECT_EQ(records.at(1).card.Stato, QStringLiteral("da pagare"));
    EXPECT_EQ(records.at(1).card.Stagione, kSeason);

    const membership::Renewal second = membership::renew(kSeason);
    EXPECT_TRUE(second.outcome.done());
    EXPECT_EQ(second.added, 0);
    EXPECT_EQ(second.present, 3);
    EXPECT_EQ(season().size(), 3);
}

TEST_F(Membership, ARenewalTakesThePreviousSeasonsMembersWhoHaveNotLeft) {
    storeHunters(4);
    const QString previous = QStringLiteral("2025/2026");
    ASSERT_TRUE(membership::renew(previous).outcome.done());
    // Member 2 left; member 3 is a veteran; hunter 4 was never renewed
    // into the previous season (his record removed from it).
    QList<membership::Stored> records = season(previous);
    TRecTessera left = records.at(1).card;
    left.DataUscita = QStringLiteral("10/03/2026");
    left.Motivo = QStringLiteral("dimissioni");
    rewrite(previous, 2, left);
    TRecTessera veteran = records.at(2).card;
    veteran.Quota = QStringLiteral("veterani");
    veteran.Importo = QStringLiteral("50,00");
    rewrite(previous, 3, veteran);
    {
        QFile file(membership::seasonFile(previous));
        ASSERT_TRUE(file.resize(3 * membership::kRecordSize));
    }

    const membership::Renewal renewal = membership::renew(kSeason);
    ASSERT_TRUE(renewal.outcome.done());
    const QList<membership::Stored> now = season();
    ASSERT_EQ(now.size(), 2);
    EXPECT_EQ(now.at(0).card.Scheda, QStringLiteral("1"));
    EXPECT_EQ(now.at(1).card.Scheda, QStringLiteral("3"));
    // The kind he had, at its default amount.
    EXPECT_EQ(now.at(1).card.Quota, QStringLiteral("veterani"));
    EXPECT_EQ(now.at(1).card.Importo, QStringLiteral("60,00"));
    EXPECT_EQ(membership::renew(kSeason).added, 0);
}

TEST_F(Membership, PaymentsTakeTheNextNumberOfTheYearNeverReusedAfterAnAnnulment) {
    storeHunters(3);
    ASSERT_TRUE(membership::renew(kSeason).outcome.done());
    EXPECT_EQ(payOn(1, QDate(2026, 9, 15)).receipt, 1);
    EXPECT_EQ(payOn(2, QDate(2026, 9, 16), QStringLiteral("173,155")).receipt, 2);
    ASSERT_TRUE(membership::annul(kSeason, 2).done());
    // Payments of the next calendar year start again from 1.
    EXPECT_EQ(payOn(3, QDate(2027, 1, 10)).receipt, 1);

    const QList<membership::Stored> records = season();
    EXPECT_EQ(records.at(1).card.Stato, QStringLiteral("annullata"));
    EXPECT_EQ(records.at(1).card.Ricevuta, QStringLiteral("2"));
    EXPECT_EQ(records.at(1).card.Importo, QStringLiteral("173,16"));
    EXPECT_EQ(records.at(2).card.AnnoRic, QStringLiteral("2027"));
    EXPECT_EQ(records.at(2).card.DataPag, QStringLiteral("10/01/2027"));
    EXPECT_EQ(records.at(2).card.Metodo, QStringLiteral("contanti"));

    // A new fee for the member whose payment was annulled gets a new number.
    TRecTessera again = records.at(1).card;
    again.Stato = membership::kToPay;
    {
        RecordFile file(membership::seasonFile(kSeason), membership::kRecordSize);
        ASSERT_TRUE(file.open(RecordFile::Access::Write));
        ASSERT_GT(file.append(codec::encode(TRecTessera::layout(), again.toValues())), 0);
    }
    EXPECT_EQ(payOn(2, QDate(2026, 9, 20)).receipt, 3);
    const auto found = membership::findReceipt(2, 2026, nullptr);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Stato, QStringLiteral("annullata"));
}

TEST_F(Membership, WrongPaymentsAreRefusedNamingWhy) {
    storeHunters(2);
    ASSERT_TRUE(membership::renew(kSeason).outcome.done());
    ASSERT_TRUE(payOn(1, QDate(2026, 9, 15)).outcome.done());
    struct Case {
        membership::Payment payment;
        const char* says;
    };
    const QDate day(2026, 10, 1);
    for (const Case& c : {
             Case{{kSeason, 9, "84,00", day, "contanti"}, "scheda 9 non ha una quota da pagare"},
             Case{{kSeason, 1, "84,00", day, "contanti"}, "è già pagata: ricevuta n. 1"},
             Case{{kSeason, 2, "84,00", QDate(2027, 7, 1), "contanti"}, "fuori dalla stagione"},
             Case{{kSeason, 2, "84,00", QDate(2026, 6, 30), "contanti"}, "fuori dalla stagione"},
             Case{{kSeason, 2, "ottantaquattro", day, "contanti"}, "Importo non valido"},
             Case{{kSeason, 2, "-5,00", day, "contanti"}, "Importo non valido"},
             Case{{kSeason, 2, "84,00", day, "carta"}, "Metodo di pagamento non valido"},
             Case{{QStringLiteral("2025/2026"), 2, "84,00", QDate(2025, 9, 1), "contanti"},
                  "eseguire prima il rinnovo"},
         }) {
        const membership::Paid paid = membership::pay(c.payment);
        EXPECT_EQ(paid.outcome.status, Outcome::Status::Refused) << c.says;
        EXPECT_TRUE(paid.outcome.message.contains(QString::fromUtf8(c.says)))
            << paid.outcome.message.toStdString();
        EXPECT_EQ(paid.receipt, 0);
    }
    // Nothing refused spent a number.
    EXPECT_EQ(payOn(2, day).receipt, 2);
    EXPECT_FALSE(QFile::exists(membership::seasonFile(QStringLiteral("2025/2026"))));
}

// Runs the payment worker; its output's receipt numbers.
QList<qint64> receiptsOf(QProcess& worker) {
    QList<qint64> numbers;
    for (const QByteArray& line : worker.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Ricevuta n. ")) numbers.append(line.mid(12).toLongLong());
    }
    return numbers;
}

TEST_F(Membership, TwoStationsPayingAtOnceGetDifferentNumbers) {
    constexpr int kEach = 12;
    storeHunters(2 * kEach);
    ASSERT_TRUE(membership::renew(kSeason).outcome.done());
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(PAYMENT_WORKER), {dir.path(), kSeason, QStringLiteral("15/09/2026"),
                                                 QStringLiteral("1"), QString::number(kEach)});
    second.start(QStringLiteral(PAYMENT_WORKER),
                 {dir.path(), kSeason, QStringLiteral("15/09/2026"), QString::number(kEach + 1),
                  QString::number(2 * kEach)});
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    ASSERT_EQ(first.exitCode(), 0) << first.readAllStandardError().constData();
    ASSERT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();
    const QList<qint64> numbers = receiptsOf(first) + receiptsOf(second);
    ASSERT_EQ(numbers.size(), 2 * kEach);
    const QSet<qint64> distinct(numbers.cbegin(), numbers.cend());
    EXPECT_EQ(distinct.size(), 2 * kEach);
    for (qint64 n = 1; n <= 2 * kEach; ++n) EXPECT_TRUE(distinct.contains(n)) << n;
    // Each record holds the number its worker printed.
    QSet<qint64> stored;
    for (const membership::Stored& record : season()) {
        EXPECT_EQ(record.card.Stato, QStringLiteral("pagata"));
        stored.insert(record.card.Ricevuta.toLongLong());
    }
    EXPECT_EQ(stored, distinct);
}

// A payment stopped after each of its steps leaves either no payment or a
// whole one, and its number is never given again.
TEST_F(Membership, APaymentCutShortNeverGivesItsNumberAgain) {
    storeHunters(4);
    ASSERT_TRUE(membership::renew(kSeason).outcome.done());
    ASSERT_EQ(payOn(1, QDate(2026, 9, 15)).receipt, 1);
    struct Case {
        int stopAfter;
        qsizetype member;
        bool paid;  // the cut payment is whole
    };
    qint64 expectedNext = 2;
    for (const Case& c : {Case{1, 2, false}, Case{2, 3, false}, Case{3, 4, true}}) {
        QProcess worker;
        worker.start(QStringLiteral(PAYMENT_WORKER),
                     {dir.path(), kSeason, QStringLiteral("15/09/2026"), QString::number(c.member),
                      QString::number(c.member), QStringLiteral("stop-after=%1").arg(c.stopAfter)});
        ASSERT_TRUE(worker.waitForFinished(60000));
        ASSERT_EQ(worker.exitCode(), 70) << worker.readAllStandardError().constData();
        const TRecTessera card = season().at(c.member - 1).card;
        if (c.paid) {
            EXPECT_EQ(card.Stato, QStringLiteral("pagata")) << c.stopAfter;
            EXPECT_EQ(card.Ricevuta.toLongLong(), expectedNext) << c.stopAfter;
        } else {
            EXPECT_EQ(card.Stato, QStringLiteral("da pagare")) << c.stopAfter;
            EXPECT_TRUE(card.Ricevuta.isEmpty()) << c.stopAfter;
        }
        // From step 2 on the number was spent: the next payment takes the
        // one after it.
        if (c.stopAfter >= 2) ++expectedNext;
        if (!c.paid) {
            const membership::Paid paid = payOn(c.member, QDate(2026, 9, 16));
            ASSERT_TRUE(paid.outcome.done()) << paid.outcome.message.toStdString();
            EXPECT_EQ(paid.receipt, expectedNext) << c.stopAfter;
            ++expectedNext;
        }
    }
    // The record written whole before the stop left no journal behind.
    EXPECT_FALSE(QFile::exists(membership::seasonFile(kSeason) + QStringLiteral("-journal")));
}

}  // namespace
