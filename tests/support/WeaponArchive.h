#pragma once

#include <QList>
#include <QString>

#include "support/WeaponBytes.h"

// A weapon as the tests store it, laid byte by byte (texts in
// Windows-1252). Name only the fields a test needs:
// TestWeapon{.make = "Beretta 686", .calibre = "12", .owner = "Rossi Mario"}.
// A sale flag left empty is stored as "No", as the card stores it.
struct TestWeapon {
    QByteArray make{};
    QByteArray accessories{};
    QByteArray calibre{};
    QByteArray year{};
    QByteArray serial{};
    QByteArray weight{};
    QByteArray components{};
    QByteArray dimensions{};
    QByteArray ammunition{};
    QByteArray place{};
    QByteArray owner{};
    QByteArray taxCode{};
    QByteArray phone{};
    QByteArray note{};
    QByteArray value{};
    QByteArray forSale{};
    QByteArray file01{};
    QByteArray desc01{};
};

inline QByteArray weaponRecord(const TestWeapon& w) {
    WeaponBytes bytes;
    bytes.set(WeaponBytes::Arma, w.make)
        .set(WeaponBytes::Accessori, w.accessories)
        .set(WeaponBytes::Calibro, w.calibre)
        .set(WeaponBytes::Anno, w.year)
        .set(WeaponBytes::Matricola, w.serial)
        .set(WeaponBytes::Peso, w.weight)
        .set(WeaponBytes::Componenti, w.components)
        .set(WeaponBytes::Dimensioni, w.dimensions)
        .set(WeaponBytes::Munizioni, w.ammunition)
        .set(WeaponBytes::Luogo, w.place)
        .set(WeaponBytes::Proprietario, w.owner)
        .set(WeaponBytes::CodFisc, w.taxCode)
        .set(WeaponBytes::Recapito, w.phone)
        .set(WeaponBytes::Note, w.note)
        .set(WeaponBytes::Prezzo, w.value)
        .set(WeaponBytes::InVendita, w.forSale.isEmpty() ? QByteArray("No") : w.forSale)
        .set(WeaponBytes::File01, w.file01)
        .set(WeaponBytes::Desc01, w.desc01);
    return bytes.bytes;
}

inline bool writeWeapons(const QString& path, const QList<TestWeapon>& weapons) {
    return writeRecords(path, weapons, &weaponRecord);
}
