#pragma once

#include <QFile>
#include <QString>

#include "support/HunterBytes.h"

// A hunter as the tests store it: a few fields, laid byte by byte. Name
// only the fields a test needs: TestHunter{.surname = "Rossi", .note = "x"}.
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
    QByteArray address{};
    QByteArray postcode{};
    QByteArray town{};
    QByteArray province{};
    QByteArray email{};
    QByteArray huntingCard{};
    QByteArray birthDate{};
    QByteArray sex{};
};

inline QByteArray hunterRecord(const TestHunter& h) {
    HunterBytes bytes;
    bytes.set(HunterBytes::Cognome, h.surname)
        .set(HunterBytes::Nome, h.name)
        .set(HunterBytes::CodFisc, h.codFisc)
        .set(HunterBytes::Recapito, h.phone)
        .set(HunterBytes::Permesso, h.team)
        .set(HunterBytes::ScadePer, h.enrolled)
        .set(HunterBytes::Civile, h.id)
        .set(HunterBytes::Scadenza, h.expiry)
        .set(HunterBytes::Preavviso, h.notice)
        .set(HunterBytes::Totale, h.total)
        .set(HunterBytes::Note, h.note)
        .set(HunterBytes::Indirizzo, h.address)
        .set(HunterBytes::Cap, h.postcode)
        .set(HunterBytes::ComuneRes, h.town)
        .set(HunterBytes::ProvRes, h.province)
        .set(HunterBytes::Email, h.email)
        .set(HunterBytes::Coniuge, h.huntingCard)
        .set(HunterBytes::DataNasc, h.birthDate)
        .set(HunterBytes::Sesso, h.sex);
    return bytes.bytes;
}

inline bool writeHunters(const QString& path, const QList<TestHunter>& hunters) {
    return writeRecords(path, hunters, &hunterRecord);
}
