#pragma once

#include <iterator>

#include "support/RecordBytes.h"

// The documented layout of a weapon in "Schedario_Armi.pro": 22
// length-prefixed fields, 3385 bytes. F(field, offset, capacity), in file
// order.
#define WEAPON_FIELD_BYTES(F) \
    F(Arma, 0, 50)            \
    F(Accessori, 51, 250)     \
    F(Calibro, 302, 50)       \
    F(Anno, 353, 50)          \
    F(Matricola, 404, 50)     \
    F(Peso, 455, 50)          \
    F(Componenti, 506, 250)   \
    F(Dimensioni, 757, 250)   \
    F(Munizioni, 1008, 250)   \
    F(Luogo, 1259, 250)       \
    F(Proprietario, 1510, 50) \
    F(CodFisc, 1561, 16)      \
    F(Recapito, 1578, 30)     \
    F(Note, 1609, 250)        \
    F(Prezzo, 1860, 15)       \
    F(InVendita, 1876, 2)     \
    F(File01, 1879, 250)      \
    F(File02, 2130, 250)      \
    F(File03, 2381, 250)      \
    F(Desc01, 2632, 250)      \
    F(Desc02, 2883, 250)      \
    F(Desc03, 3134, 250)

// The fields of a weapon, in file order.
struct WeaponField {
#define WEAPON_FIELD_ENUMERATOR(field, offset, capacity) field,
    enum Id { WEAPON_FIELD_BYTES(WEAPON_FIELD_ENUMERATOR) };
#undef WEAPON_FIELD_ENUMERATOR
};

#define WEAPON_FIELD_ROW(field, offset, capacity) \
    FieldBytes{WeaponField::field, #field, offset, capacity},
inline constexpr FieldBytes kWeaponFieldBytes[] = {WEAPON_FIELD_BYTES(WEAPON_FIELD_ROW)};
#undef WEAPON_FIELD_ROW
inline constexpr RecordTable kWeaponTable{3385, FieldBytesEncoding::LengthPrefixed,
                                          kWeaponFieldBytes};
static_assert(std::size(kWeaponFieldBytes) == 22);
static_assert(fieldsFillTheRecord(kWeaponTable));

// A weapon record built byte by byte: WeaponBytes().set(WeaponBytes::Arma, "Beretta").
struct WeaponBytes : RecordBytes, WeaponField {
    static constexpr int kSize = 3385;
    WeaponBytes() : RecordBytes(kWeaponTable) {}
};
