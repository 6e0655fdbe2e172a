#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include "support/CommunicationBytes.h"

// A communication as the tests store it: its fields laid byte by byte
// (texts in Windows-1252). Name only the fields a test needs:
// TestCommunication{.subject = "Battuta annullata", .flag = "S\xEC"}.
struct TestCommunication {
    QByteArray subject{};
    QByteArray author{};
    QByteArray team{};
    QByteArray leader{};
    QByteArray date{};
    QByteArray note{};
    QByteArray hunters{};
    QByteArray emails{};
    QByteArray message{};
    QByteArray reply{};
    QByteArray flag{};
    QByteArray file01{};
    QByteArray desc01{};
};

inline QByteArray communicationRecord(const TestCommunication& c) {
    CommunicationBytes bytes;
    bytes.set(CommunicationBytes::Oggetto, c.subject)
        .set(CommunicationBytes::Autore, c.author)
        .set(CommunicationBytes::Squadra, c.team)
        .set(CommunicationBytes::Caposquadra, c.leader)
        .set(CommunicationBytes::DataInvio, c.date)
        .set(CommunicationBytes::Note, c.note)
        .set(CommunicationBytes::Cacciatori, c.hunters)
        .set(CommunicationBytes::Email, c.emails)
        .set(CommunicationBytes::Messaggio, c.message)
        .set(CommunicationBytes::Riscontro, c.reply)
        .set(CommunicationBytes::Segnala, c.flag)
        .set(CommunicationBytes::File01, c.file01)
        .set(CommunicationBytes::Desc01, c.desc01);
    return bytes.bytes;
}

inline bool writeCommunications(const QString& path, const QList<TestCommunication>& list) {
    return writeRecords(path, list, &communicationRecord);
}
