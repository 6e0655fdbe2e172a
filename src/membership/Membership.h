#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "hunters/HunterLists.h"
#include "membership/TRecTessera.h"

// The season's membership as the card, the command line and the lists
// share it: renewal, payments with their numbered receipts, annulment,
// the records of a season and the hunters they belong to.
namespace membership {

// What a request did: done, or refused with an Italian message naming why
// (a wrong request), or failed on a file.
struct Outcome {
    enum class Status { Done, Refused, Failed };
    Status status = Status::Done;
    QString message;
    bool done() const { return status == Status::Done; }
};

// A hunter of the hunters' archive: his record number and his details.
struct Hunter {
    qsizetype number = 0;
    hunters::Person person;
    QString fullName() const;  // "Rossi Mario"
};
// Every hunter, in file order; false (with `error`) when the file cannot
// be read. A missing file has no hunters.
bool readHunters(QList<Hunter>* hunters, QString* error);

// A season's records, with their record numbers (from 1).
struct Stored {
    qsizetype number = 0;
    TRecTessera card;
};
bool readSeason(const QString& season, QList<Stored>* records, QString* error);

// Renewal: the season's records "da pagare", one for every member of the
// previous season who has not left by the new season's first day, with
// the fee kind he had and its default amount (the first season: every
// hunter, the first fee kind). Members already in the season are left as
// they are, so a second run adds nobody. All the records are appended
// together or none.
struct Renewal {
    Outcome outcome;
    int added = 0;
    int present = 0;  // already in the season
};
Renewal renew(const QString& season);

// A payment of a member's fee for a season.
struct Payment {
    QString season;        // "2026/2027"
    qsizetype member = 0;  // the hunter's record number
    QString amount;        // "84,00"
    QDate date;
    QString method;  // one of methodItems()
};
struct Paid {
    Outcome outcome;
    qint64 receipt = 0;  // its number within the year of `date`
};
// Registers a payment on the member's record "da pagare" of the season and
// gives it the next receipt number of the payment's calendar year. The
// number is taken under the lock of the receipts' counter (held across
// stations), and the counter is written, whole, before the record: a
// crash between the two leaves the member unpaid and the number spent,
// never given again.
Paid pay(const Payment& payment);

// Annuls the payment of a member's fee (state "annullata"): the receipt
// keeps its number and prints "ANNULLATA".
Outcome annul(const QString& season, qsizetype member);

// The record of receipt `number` of calendar year `year`, looked for in the
// two seasons that year falls in; nothing when no record has it.
std::optional<TRecTessera> findReceipt(qint64 number, int year, QString* error);

// "Ricevute/Ricevute.num" in the data folder: the last receipt number of
// every year, one "anno=numero" line each. Its folder is the archive's
// folder of files, which the backups hold; its lock "Ricevute.num.lock"
// stays outside it.
QString receiptFolder();
QString receiptCounterPath();
QString receiptLockPath();

// For the tests of a crash: called after each step of a payment (1 the
// number taken, 2 the counter written, 3 the record written).
void setPaymentStepHook(std::function<void(int step)> hook);

}  // namespace membership
