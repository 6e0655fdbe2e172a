#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include "support/HuntBytes.h"

// A hunt as the tests store it, laid byte by byte (texts in Windows-1252).
// Name only the fields a test needs:
// TestHunt{.kind = "Cinghiale", .start = "15/11/2024", .notice = "5"}.
struct TestHunt {
    QByteArray kind{};
    QByteArray season{};
    QByteArray start{};
    QByteArray end{};
    QByteArray notice{};
    QByteArray estate{};
    QByteArray board{};
    QByteArray transport{};
    QByteArray team{};
    QByteArray leader{};
    QByteArray fee{};
    QByteArray note{};
    QByteArray hunters{};
    QByteArray game{};
    QByteArray file01{};
    QByteArray desc01{};
};

inline QByteArray huntRecord(const TestHunt& h) {
    HuntBytes bytes;
    bytes.set(HuntBytes::TipoBattuta, h.kind)
        .set(HuntBytes::Stagione, h.season)
        .set(HuntBytes::DataInizio, h.start)
        .set(HuntBytes::DataFine, h.end)
        .set(HuntBytes::Preavviso, h.notice)
        .set(HuntBytes::Tenuta, h.estate)
        .set(HuntBytes::Vitto, h.board)
        .set(HuntBytes::Trasporto, h.transport)
        .set(HuntBytes::Squadra, h.team)
        .set(HuntBytes::Caposquadra, h.leader)
        .set(HuntBytes::Quota, h.fee)
        .set(HuntBytes::Note, h.note)
        .set(HuntBytes::Cacciatori, h.hunters)
        .set(HuntBytes::Capi, h.game)
        .set(HuntBytes::File01, h.file01)
        .set(HuntBytes::Desc01, h.desc01);
    return bytes.bytes;
}

inline bool writeHunts(const QString& path, const QList<TestHunt>& hunts) {
    return writeRecords(path, hunts, &huntRecord);
}
