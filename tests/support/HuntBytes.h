#pragma once

#include <iterator>

#include "support/RecordBytes.h"

// The documented layout of a hunt in "Battute.pro": 20 zero-terminated
// fields, 13158 bytes. F(field, offset, capacity), in file order.
#define HUNT_FIELD_BYTES(F)   \
    F(TipoBattuta, 0, 250)    \
    F(Stagione, 251, 50)      \
    F(DataInizio, 302, 10)    \
    F(DataFine, 313, 10)      \
    F(Preavviso, 324, 3)      \
    F(Tenuta, 328, 250)       \
    F(Vitto, 579, 250)        \
    F(Trasporto, 830, 250)    \
    F(Squadra, 1081, 250)     \
    F(Caposquadra, 1332, 50)  \
    F(Quota, 1383, 15)        \
    F(Note, 1399, 250)        \
    F(Cacciatori, 1650, 5000) \
    F(Capi, 6651, 5000)       \
    F(File01, 11652, 250)     \
    F(File02, 11903, 250)     \
    F(File03, 12154, 250)     \
    F(Desc01, 12405, 250)     \
    F(Desc02, 12656, 250)     \
    F(Desc03, 12907, 250)

// The fields of a hunt, in file order.
struct HuntField {
#define HUNT_FIELD_ENUMERATOR(field, offset, capacity) field,
    enum Id { HUNT_FIELD_BYTES(HUNT_FIELD_ENUMERATOR) };
#undef HUNT_FIELD_ENUMERATOR
};

#define HUNT_FIELD_ROW(field, offset, capacity) \
    FieldBytes{HuntField::field, #field, offset, capacity},
inline constexpr FieldBytes kHuntFieldBytes[] = {HUNT_FIELD_BYTES(HUNT_FIELD_ROW)};
#undef HUNT_FIELD_ROW
inline constexpr RecordTable kHuntTable{13158, FieldBytesEncoding::ZeroTerminated, kHuntFieldBytes};
static_assert(std::size(kHuntFieldBytes) == 20);
static_assert(fieldsFillTheRecord(kHuntTable));

// A hunt record built byte by byte: HuntBytes().set(HuntBytes::TipoBattuta, "Cinghiale").
struct HuntBytes : RecordBytes, HuntField {
    static constexpr int kSize = 13158;
    HuntBytes() : RecordBytes(kHuntTable) {}
};
