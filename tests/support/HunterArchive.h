#pragma once

#include <QFile>
#include <QString>

#include "support/HunterBytes.h"

// A hunter as the tests store it: a few fields, laid byte by byte.
struct TestHunter {
    QByteArray surname{};
    QByteArray name{};
    QByteArray codFisc{};
    QByteArray phone{};
    QByteArray team{};
    QByteArray enrolled{};
    QByteArray id{};
    QByteArray expiry{};
    QByteArray notice{};
    QByteArray total{};
    QByteArray note{};
};

inline QByteArray hunterRecord(const TestHunter& h) {
    HunterBytes bytes;
    bytes.set(HunterBytes::Cognome, h.surname)
        .set(HunterBytes::Nome, h.name)
        .set(HunterBytes::CodFisc, h.codFisc)
        .set(HunterBytes::Note, h.note)
        .set(HunterBytes::Scadenza, h.expiry)
        .set(HunterBytes::Preavviso, h.notice)
        .set(HunterBytes::Totale, h.total);
    // Fields the tests rarely vary, at their documented offsets.
    bytes.set(729, h.phone);      // Recapito
    bytes.set(1054, h.team);      // Permesso
    bytes.set(1105, h.enrolled);  // ScadePer
    bytes.set(2487, h.id);        // Civile
    return bytes.bytes;
}

inline bool writeHunters(const QString& path, const QList<TestHunter>& hunters) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    for (const TestHunter& h : hunters) file.write(hunterRecord(h));
    return true;
}
