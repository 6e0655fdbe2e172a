#pragma once

#include <iterator>

#include "support/RecordBytes.h"

// The documented layout of a hunter in "Cacciatori.pro": 50 length-prefixed
// fields, 5090 bytes. F(field, offset, capacity), in file order.
#define HUNTER_FIELD_BYTES(F) \
    F(Cognome, 0, 50)         \
    F(Nome, 51, 50)           \
    F(CodFisc, 102, 16)       \
    F(Sesso, 119, 1)          \
    F(DataNasc, 121, 10)      \
    F(CittaNasc, 132, 50)     \
    F(StatoNasc, 183, 50)     \
    F(Iva, 234, 11)           \
    F(Indirizzo, 246, 120)    \
    F(Cap, 367, 5)            \
    F(ComuneRes, 373, 50)     \
    F(ProvRes, 424, 2)        \
    F(StatoCit, 427, 50)      \
    F(Ingresso, 478, 250)     \
    F(Recapito, 729, 50)      \
    F(TelCasa, 780, 50)       \
    F(TelCel, 831, 50)        \
    F(TelUff, 882, 50)        \
    F(Email, 933, 120)        \
    F(Permesso, 1054, 50)     \
    F(ScadePer, 1105, 10)     \
    F(ComuniSog, 1116, 250)   \
    F(Iban, 1367, 27)         \
    F(Intestatario, 1395, 50) \
    F(Banca, 1446, 50)        \
    F(Carta, 1497, 50)        \
    F(ScadeCarta, 1548, 10)   \
    F(TipoLavoro, 1559, 250)  \
    F(Precedenti, 1810, 250)  \
    F(Note, 2061, 250)        \
    F(TipoDoc, 2312, 50)      \
    F(NumDoc, 2363, 50)       \
    F(EnteRil, 2414, 50)      \
    F(DataRil, 2465, 10)      \
    F(DataSca, 2476, 10)      \
    F(Civile, 2487, 50)       \
    F(Coniuge, 2538, 250)     \
    F(Figli, 2789, 250)       \
    F(Datore, 3040, 250)      \
    F(Decorrenza, 3291, 10)   \
    F(Scadenza, 3302, 10)     \
    F(Preavviso, 3313, 3)     \
    F(Totale, 3317, 15)       \
    F(Contratto, 3333, 250)   \
    F(File01, 3584, 250)      \
    F(File02, 3835, 250)      \
    F(File03, 4086, 250)      \
    F(Desc01, 4337, 250)      \
    F(Desc02, 4588, 250)      \
    F(Desc03, 4839, 250)

// The fields of a hunter, in file order.
struct HunterField {
#define HUNTER_FIELD_ENUMERATOR(field, offset, capacity) field,
    enum Id { HUNTER_FIELD_BYTES(HUNTER_FIELD_ENUMERATOR) };
#undef HUNTER_FIELD_ENUMERATOR
};

#define HUNTER_FIELD_ROW(field, offset, capacity) \
    FieldBytes{HunterField::field, #field, offset, capacity},
inline constexpr FieldBytes kHunterFieldBytes[] = {HUNTER_FIELD_BYTES(HUNTER_FIELD_ROW)};
#undef HUNTER_FIELD_ROW
inline constexpr RecordTable kHunterTable{5090, FieldBytesEncoding::LengthPrefixed,
                                          kHunterFieldBytes};
static_assert(std::size(kHunterFieldBytes) == 50);
static_assert(fieldsFillTheRecord(kHunterTable));

// A hunter record built byte by byte: HunterBytes().set(HunterBytes::Nome, "Ugo").
struct HunterBytes : RecordBytes, HunterField {
    static constexpr int kSize = 5090;
    HunterBytes() : RecordBytes(kHunterTable) {}
};
