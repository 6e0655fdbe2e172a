#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/DeadlineBytes.h"

// A deadline as the tests store it: its fields laid byte by byte (texts in
// Windows-1252). Name only the fields a test needs:
// TestDeadline{.day = "07", .month = "Marzo", .date = "07/03/2024"}.
struct TestDeadline {
    QByteArray day{};
    QByteArray month{};
    QByteArray year{};
    QByteArray date{};
    QByteArray hours{};
    QByteArray minutes{};
    QByteArray time{};
    QByteArray notice{};
    QByteArray hunter{};
    QByteArray taxCode{};
    QByteArray phone{};
    QByteArray subject{};
    QByteArray type{};
    QByteArray protocol{};
    QByteArray opened{};
    QByteArray closed{};
    QByteArray progress{};
    QByteArray consultant{};
    QByteArray reason{};
    QByteArray payment{};
    QByteArray amount{};
    QByteArray receipt{};
    QByteArray note{};
    QByteArray toConfirm{};
    QByteArray paid{};
};

inline QByteArray deadlineRecord(const TestDeadline& d) {
    DeadlineBytes bytes;
    bytes.set(DeadlineBytes::Giorno, d.day)
        .set(DeadlineBytes::Mese, d.month)
        .set(DeadlineBytes::Anno, d.year)
        .set(DeadlineBytes::Data, d.date)
        .set(DeadlineBytes::OreApp, d.hours)
        .set(DeadlineBytes::MinutiApp, d.minutes)
        .set(DeadlineBytes::Ora, d.time)
        .set(DeadlineBytes::Avviso, d.notice)
        .set(DeadlineBytes::Cliente, d.hunter)
        .set(DeadlineBytes::CodFisc, d.taxCode)
        .set(DeadlineBytes::Recapito, d.phone)
        .set(DeadlineBytes::Oggetto, d.subject)
        .set(DeadlineBytes::Tipologia, d.type)
        .set(DeadlineBytes::Protocollo, d.protocol)
        .set(DeadlineBytes::Apertura, d.opened)
        .set(DeadlineBytes::Chiusura, d.closed)
        .set(DeadlineBytes::Stato, d.progress)
        .set(DeadlineBytes::Consulente, d.consultant)
        .set(DeadlineBytes::Dettagli, d.reason)
        .set(DeadlineBytes::Officina, d.payment)
        .set(DeadlineBytes::Costo, d.amount)
        .set(DeadlineBytes::Contatto, d.receipt)
        .set(DeadlineBytes::Note, d.note)
        .set(DeadlineBytes::DaConfermare, d.toConfirm)
        .set(DeadlineBytes::Effettuata, d.paid);
    return bytes.bytes;
}

// A deadline on a date ("dd/mm/yyyy") at a time ("hh:mm"), with its day,
// month name, year, hours and minutes laid as the card saves them.
inline TestDeadline deadlineOn(const char* date, const char* time = "00:00",
                               const QByteArray& notice = "0") {
    static const char* const months[] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                         "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                         "Settembre", "Ottobre",  "Novembre", "Dicembre"};
    const QByteArray d(date);
    const QByteArray t(time);
    TestDeadline deadline;
    deadline.day = d.left(2);
    deadline.month = months[d.mid(3, 2).toInt() - 1];
    deadline.year = d.mid(6, 4);
    deadline.date = d;
    deadline.hours = t.left(2);
    deadline.minutes = t.mid(3, 2);
    deadline.time = t;
    deadline.notice = notice;
    deadline.paid = "No";
    deadline.toConfirm = "No";
    return deadline;
}

// The bytes of a yearly file holding these deadlines, in this order.
inline QByteArray deadlineFile(const QList<TestDeadline>& deadlines) {
    QByteArray bytes;
    for (const TestDeadline& d : deadlines) bytes += deadlineRecord(d);
    return bytes;
}

inline bool writeDeadlines(const QString& path, const QList<TestDeadline>& deadlines) {
    return writeRecords(path, deadlines, &deadlineRecord);
}

// A data folder of its own, with yearly files "<anno>.sca" in it.
class DeadlineYearsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
    }
    QString year(const char* text) const {
        return dir.filePath(QString::fromLatin1(text) + QStringLiteral(".sca"));
    }
    void store(const char* yearText, const QList<TestDeadline>& deadlines) {
        ASSERT_TRUE(writeDeadlines(year(yearText), deadlines));
    }
    QTemporaryDir dir;
};
