#pragma once

#include <iterator>

#include "support/RecordBytes.h"

// The documented layout of a communication in "Comunicazioni.pro": 17
// zero-terminated fields, 17629 bytes. F(field, offset, capacity), in file
// order.
#define COMMUNICATION_FIELD_BYTES(F) \
    F(Oggetto, 0, 250)               \
    F(Autore, 251, 50)               \
    F(Squadra, 302, 250)             \
    F(Caposquadra, 553, 50)          \
    F(DataInvio, 604, 10)            \
    F(Note, 615, 250)                \
    F(Cacciatori, 866, 5000)         \
    F(Email, 5867, 5000)             \
    F(Messaggio, 10868, 5000)        \
    F(Riscontro, 15869, 250)         \
    F(Segnala, 16120, 2)             \
    F(File01, 16123, 250)            \
    F(File02, 16374, 250)            \
    F(File03, 16625, 250)            \
    F(Desc01, 16876, 250)            \
    F(Desc02, 17127, 250)            \
    F(Desc03, 17378, 250)

// The fields of a communication, in file order.
struct CommunicationField {
#define COMMUNICATION_FIELD_ENUMERATOR(field, offset, capacity) field,
    enum Id { COMMUNICATION_FIELD_BYTES(COMMUNICATION_FIELD_ENUMERATOR) };
#undef COMMUNICATION_FIELD_ENUMERATOR
};

#define COMMUNICATION_FIELD_ROW(field, offset, capacity) \
    FieldBytes{CommunicationField::field, #field, offset, capacity},
inline constexpr FieldBytes kCommunicationFieldBytes[] = {
    COMMUNICATION_FIELD_BYTES(COMMUNICATION_FIELD_ROW)};
#undef COMMUNICATION_FIELD_ROW
inline constexpr RecordTable kCommunicationTable{17629, FieldBytesEncoding::ZeroTerminated,
                                                 kCommunicationFieldBytes};
static_assert(std::size(kCommunicationFieldBytes) == 17);
static_assert(fieldsFillTheRecord(kCommunicationTable));

// A communication built byte by byte:
// CommunicationBytes().set(CommunicationBytes::Oggetto, "Battuta annullata").
struct CommunicationBytes : RecordBytes, CommunicationField {
    static constexpr int kSize = 17629;
    CommunicationBytes() : RecordBytes(kCommunicationTable) {}
};
