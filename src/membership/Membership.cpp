#include "membership/Membership.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <chrono>

#include "base/LockFile.h"
#include "base/Paths.h"
#include "base/ReplaceFile.h"
#include "base/TextRules.h"
#include "lists/RecordList.h"
#include "membership/MembershipRules.h"
#include "membership/MembershipSettings.h"
#include "records/FieldRules.h"
#include "records/RecordCodec.h"
#include "records/RecordFile.h"

namespace membership {
namespace {

using text::trimBlanks;

std::function<void(int)>& stepHook() {
    static std::function<void(int)> hook;
    return hook;
}

void step(int number) {
    if (stepHook()) stepHook()(number);
}

Outcome refused(const QString& message) {
    return {Outcome::Status::Refused, message};
}

Outcome failed(const QString& message) {
    return {Outcome::Status::Failed, message};
}

QString seasonRefusal(const QString& season) {
    return QStringLiteral("Stagione non valida: %1 (scrivere per esempio 2026/2027).").arg(season);
}

QString noSeason(const QString& season) {
    return QStringLiteral("La stagione %1 non ha ancora schede: eseguire prima il rinnovo.")
        .arg(season);
}

// The records of an open file, with their numbers.
bool readOpen(RecordFile& file, QList<Stored>* records) {
    const RecordLayout& layout = TRecTessera::layout();
    for (qsizetype i = 0; i < file.count(); ++i) {
        QByteArray bytes;
        if (!file.readAt(i, &bytes)) return false;
        records->append({i + 1, TRecTessera::fromValues(loadedValues(layout, bytes))});
    }
    return true;
}

qsizetype memberOf(const TRecTessera& card) {
    return trimBlanks(card.Scheda).toLongLong();
}

// The counter's lines "anno=numero".
QMap<int, qint64> readCounter(bool* ok, QString* error) {
    QMap<int, qint64> counter;
    QFile file(receiptCounterPath());
    *ok = true;
    if (!file.exists()) return counter;
    if (!file.open(QIODevice::ReadOnly)) {
        *ok = false;
        *error = receiptCounterPath() + QStringLiteral(": ") + file.errorString();
        return counter;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) continue;
        bool yearOk = false;
        bool numberOk = false;
        const int year = line.left(equals).trimmed().toInt(&yearOk);
        const qint64 number = line.mid(equals + 1).trimmed().toLongLong(&numberOk);
        if (yearOk && numberOk) counter[year] = std::max(counter.value(year), number);
    }
    return counter;
}

QByteArray counterText(const QMap<int, qint64>& counter) {
    QByteArray text;
    for (auto it = counter.cbegin(); it != counter.cend(); ++it) {
        text += QByteArray::number(it.key()) + '=' + QByteArray::number(it.value()) + '\n';
    }
    return text;
}

// The highest receipt number of `year` among `records`.
qint64 highestReceipt(const QList<Stored>& records, int year) {
    qint64 highest = 0;
    for (const Stored& stored : records) {
        if (trimBlanks(stored.card.AnnoRic).toInt() == year) {
            highest = std::max(highest, trimBlanks(stored.card.Ricevuta).toLongLong());
        }
    }
    return highest;
}

QString yearText(int year) {
    return QStringLiteral("%1").arg(year, 4, 10, QChar(u'0'));
}

}  // namespace

QString Hunter::fullName() const {
    return (person.surname + u' ' + person.name).trimmed();
}

void setPaymentStepHook(std::function<void(int step)> hook) {
    stepHook() = std::move(hook);
}

QString receiptFolder() {
    return paths::dataFile(QStringLiteral("Ricevute"));
}

QString receiptCounterPath() {
    return receiptFolder() + QStringLiteral("/Ricevute.num");
}

QString receiptLockPath() {
    return paths::dataFile(QStringLiteral("Ricevute.num.lock"));
}

bool readHunters(QList<Hunter>* list, QString* error) {
    const RecordLayout& layout = *hunters::search().layout;
    const QString path = archivePath(layout);
    if (!QFileInfo(path).isFile()) return true;
    return RecordFile::scan(
        path, layout.recordSize(),
        [&](qsizetype number, QByteArrayView record) {
            list->append({number, hunters::person(loadedValues(layout, record))});
            return true;
        },
        error);
}

bool readSeason(const QString& season, QList<Stored>* records, QString* error) {
    const QString path = seasonFile(season);
    if (!QFileInfo(path).isFile()) return true;
    const RecordLayout& layout = TRecTessera::layout();
    return RecordFile::scan(
        path, layout.recordSize(),
        [&](qsizetype number, QByteArrayView record) {
            records->append({number, TRecTessera::fromValues(loadedValues(layout, record))});
            return true;
        },
        error);
}

Renewal renew(const QString& season) {
    Renewal result;
    if (!isSeason(season)) {
        result.outcome = refused(seasonRefusal(season));
        return result;
    }
    const QString previousSeason = seasonOfYear(yearText(seasonYear(season).toInt() - 1));
    QList<Stored> previous;
    QString error;
    if (!previousSeason.isEmpty() && !readSeason(previousSeason, &previous, &error)) {
        result.outcome = failed(error);
        return result;
    }
    QList<Hunter> hunterList;
    if (!readHunters(&hunterList, &error)) {
        result.outcome = failed(error);
        return result;
    }
    QMap<qsizetype, const Hunter*> byNumber;
    for (const Hunter& hunter : hunterList) byNumber.insert(hunter.number, &hunter);

    // Who renews, with his fee kind, in order.
    QList<std::pair<const Hunter*, QString>> members;
    const QStringList kinds = feeNames();
    const QDate firstDay = seasonFirstDay(season);
    if (previous.isEmpty()) {
        for (const Hunter& hunter : hunterList) members.append({&hunter, kinds.value(0)});
    } else {
        QSet<qsizetype> seen;
        for (const Stored& stored : previous) {
            const qsizetype member = memberOf(stored.card);
            if (seen.contains(member) || hasLeft(stored.card, firstDay)) continue;
            // A member whose hunter card is gone cannot be renewed.
            const Hunter* hunter = byNumber.value(member);
            if (!hunter) continue;
            seen.insert(member);
            const QString kind = trimBlanks(stored.card.Quota);
            members.append({hunter, kinds.contains(kind) ? kind : kinds.value(0)});
        }
    }

    const RecordLayout& layout = TRecTessera::layout();
    RecordFile file(seasonFile(season), layout.recordSize());
    QList<Stored> present;
    if (!file.open(RecordFile::Access::Write) || !readOpen(file, &present)) {
        result.outcome = failed(file.errorString());
        return result;
    }
    QSet<qsizetype> inSeason;
    for (const Stored& stored : present) inSeason.insert(memberOf(stored.card));
    QByteArray records;
    for (const auto& [hunter, kind] : members) {
        if (inSeason.contains(hunter->number)) {
            ++result.present;
            continue;
        }
        inSeason.insert(hunter->number);
        TRecTessera card;
        card.Stagione = season;
        card.Scheda = QString::number(hunter->number);
        card.Socio = hunter->fullName();
        card.CodFisc = hunter->person.taxCode;
        card.Quota = kind;
        card.Importo = defaultAmount(kind);
        card.Stato = kToPay;
        records += codec::encode(layout, card.toValues());
        ++result.added;
    }
    if (result.added > 0 &&
        (file.beginAppend() == 0 || !file.appendRecords(records) || !file.commitAppend())) {
        result.outcome = failed(file.errorString());
        result.added = 0;
        return result;
    }
    file.close();
    return result;
}

Paid pay(const Payment& payment) {
    Paid result;
    const auto refuse = [&](const QString& message) {
        result.outcome = refused(message);
        return result;
    };
    if (!isSeason(payment.season)) return refuse(seasonRefusal(payment.season));
    const auto cents = fieldrules::amountUnits(payment.amount, 2);
    if (!cents || *cents < 0) {
        return refuse(QStringLiteral("Importo non valido: %1 (scrivere per esempio 84,00).")
                          .arg(payment.amount));
    }
    if (!methodItems().contains(payment.method)) {
        return refuse(QStringLiteral("Metodo di pagamento non valido: %1 (%2).")
                          .arg(payment.method, methodItems().join(QStringLiteral(", "))));
    }
    if (!payment.date.isValid() || payment.date < seasonFirstDay(payment.season) ||
        payment.date > seasonLastDay(payment.season)) {
        return refuse(QStringLiteral("La data del pagamento %1 è fuori dalla stagione %2 (dal %3 "
                                     "al %4).")
                          .arg(fieldrules::formatDate(payment.date), payment.season,
                               fieldrules::formatDate(seasonFirstDay(payment.season)),
                               fieldrules::formatDate(seasonLastDay(payment.season))));
    }

    if (!QFileInfo(seasonFile(payment.season)).isFile()) return refuse(noSeason(payment.season));
    // The counter's lock first, then the season's: the only order in which
    // the two are ever held together.
    LockFile counterLock(receiptLockPath());
    if (counterLock.acquire(QDeadlineTimer(std::chrono::seconds(15))) != LockFile::Result::Locked) {
        result.outcome =
            failed(receiptCounterPath() + QStringLiteral(": ") + counterLock.errorString());
        return result;
    }
    const RecordLayout& layout = TRecTessera::layout();
    RecordFile file(seasonFile(payment.season), layout.recordSize());
    QList<Stored> records;
    if (!file.open(RecordFile::Access::Write) || !readOpen(file, &records)) {
        result.outcome = failed(file.errorString());
        return result;
    }
    const Stored* toPay = nullptr;
    const Stored* paid = nullptr;
    for (const Stored& stored : records) {
        if (memberOf(stored.card) != payment.member) continue;
        const QString state = trimBlanks(stored.card.Stato);
        if (state == kToPay && !toPay) toPay = &stored;
        if (state == kPaid && !paid) paid = &stored;
    }
    if (!toPay && paid) {
        return refuse(QStringLiteral("La quota della stagione %1 del socio %2 (scheda %3) è già "
                                     "pagata: ricevuta n. %4 del %5.")
                          .arg(payment.season, trimBlanks(paid->card.Socio))
                          .arg(payment.member)
                          .arg(trimBlanks(paid->card.Ricevuta), trimBlanks(paid->card.DataPag)));
    }
    if (!toPay) {
        return refuse(QStringLiteral("Il cacciatore con scheda %1 non ha una quota da pagare nella "
                                     "stagione %2.")
                          .arg(payment.member)
                          .arg(payment.season));
    }

    // The next number of the payment's year: after the counter's, and after
    // any stored one (a counter restored from an older backup).
    const int year = payment.date.year();
    bool counterOk = false;
    QString error;
    QMap<int, qint64> counter = readCounter(&counterOk, &error);
    if (!counterOk) {
        result.outcome = failed(error);
        return result;
    }
    qint64 highest = std::max(counter.value(year), highestReceipt(records, year));
    // The other season the calendar year falls in.
    const int other = seasonYear(payment.season).toInt() == year ? year - 1 : year;
    if (const QString otherSeason = seasonOfYear(yearText(other)); !otherSeason.isEmpty()) {
        QList<Stored> otherRecords;
        if (!readSeason(otherSeason, &otherRecords, &error)) {
            result.outcome = failed(error);
            return result;
        }
        highest = std::max(highest, highestReceipt(otherRecords, year));
    }
    const qint64 receipt = highest + 1;
    step(1);
    counter[year] = receipt;
    if (!QDir().mkpath(receiptFolder())) {
        result.outcome =
            failed(receiptFolder() + QStringLiteral(": impossibile creare la cartella"));
        return result;
    }
    if (!replaceFile(receiptCounterPath(), counterText(counter), &error)) {
        result.outcome = failed(error);
        return result;
    }
    step(2);
    TRecTessera card = toPay->card;
    card.Stato = kPaid;
    card.Importo = fieldrules::amountText(*cents, 2);
    card.DataPag = fieldrules::formatDate(payment.date);
    card.Metodo = payment.method;
    card.Ricevuta = QString::number(receipt);
    card.AnnoRic = yearText(year);
    if (!file.writeAt(toPay->number - 1, codec::encode(layout, card.toValues()))) {
        result.outcome = failed(file.errorString());
        return result;
    }
    step(3);
    file.close();
    counterLock.release();
    result.receipt = receipt;
    return result;
}

Outcome annul(const QString& season, qsizetype member) {
    if (!isSeason(season)) return refused(seasonRefusal(season));
    if (!QFileInfo(seasonFile(season)).isFile()) return refused(noSeason(season));
    const RecordLayout& layout = TRecTessera::layout();
    RecordFile file(seasonFile(season), layout.recordSize());
    QList<Stored> records;
    if (!file.open(RecordFile::Access::Write) || !readOpen(file, &records)) {
        return failed(file.errorString());
    }
    for (const Stored& stored : records) {
        if (memberOf(stored.card) != member || trimBlanks(stored.card.Stato) != kPaid) continue;
        TRecTessera card = stored.card;
        card.Stato = kAnnulled;
        if (!file.writeAt(stored.number - 1, codec::encode(layout, card.toValues()))) {
            return failed(file.errorString());
        }
        return {};
    }
    return refused(QStringLiteral("Il cacciatore con scheda %1 non ha una quota pagata nella "
                                  "stagione %2.")
                       .arg(member)
                       .arg(season));
}

std::optional<TRecTessera> findReceipt(qint64 number, int year, QString* error) {
    for (const int first : {year - 1, year}) {
        const QString season = seasonOfYear(yearText(first));
        QList<Stored> records;
        if (season.isEmpty() || !readSeason(season, &records, error)) continue;
        for (const Stored& stored : records) {
            if (trimBlanks(stored.card.AnnoRic).toInt() == year &&
                trimBlanks(stored.card.Ricevuta).toLongLong() == number) {
                return stored.card;
            }
        }
    }
    return std::nullopt;
}

}  // namespace membership
