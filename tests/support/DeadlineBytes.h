#pragma once

#include <iterator>

#include "support/RecordBytes.h"

// The documented layout of a deadline in a yearly file "<anno>.sca": 25
// length-prefixed fields, 1328 bytes. F(field, offset, capacity), in file
// order.
#define DEADLINE_FIELD_BYTES(F) \
    F(Giorno, 0, 2)             \
    F(Mese, 3, 10)              \
    F(Anno, 14, 4)              \
    F(Data, 19, 10)             \
    F(OreApp, 30, 2)            \
    F(MinutiApp, 33, 2)         \
    F(Ora, 36, 5)               \
    F(Avviso, 42, 3)            \
    F(Cliente, 46, 50)          \
    F(CodFisc, 97, 16)          \
    F(Recapito, 114, 50)        \
    F(Oggetto, 165, 250)        \
    F(Tipologia, 416, 50)       \
    F(Protocollo, 467, 30)      \
    F(Apertura, 498, 10)        \
    F(Chiusura, 509, 10)        \
    F(Stato, 520, 30)           \
    F(Consulente, 551, 50)      \
    F(Dettagli, 602, 250)       \
    F(Officina, 853, 150)       \
    F(Costo, 1004, 15)          \
    F(Contatto, 1020, 50)       \
    F(Note, 1071, 250)          \
    F(DaConfermare, 1322, 2)    \
    F(Effettuata, 1325, 2)

// The fields of a deadline, in file order.
struct DeadlineField {
#define DEADLINE_FIELD_ENUMERATOR(field, offset, capacity) field,
    enum Id { DEADLINE_FIELD_BYTES(DEADLINE_FIELD_ENUMERATOR) };
#undef DEADLINE_FIELD_ENUMERATOR
};

#define DEADLINE_FIELD_ROW(field, offset, capacity) \
    FieldBytes{DeadlineField::field, #field, offset, capacity},
inline constexpr FieldBytes kDeadlineFieldBytes[] = {DEADLINE_FIELD_BYTES(DEADLINE_FIELD_ROW)};
#undef DEADLINE_FIELD_ROW
inline constexpr RecordTable kDeadlineTable{1328, FieldBytesEncoding::LengthPrefixed,
                                            kDeadlineFieldBytes};
static_assert(std::size(kDeadlineFieldBytes) == 25);
static_assert(fieldsFillTheRecord(kDeadlineTable));

// A deadline built byte by byte: DeadlineBytes().set(DeadlineBytes::Giorno, "07").
struct DeadlineBytes : RecordBytes, DeadlineField {
    static constexpr int kSize = 1328;
    DeadlineBytes() : RecordBytes(kDeadlineTable) {}
};
