#pragma once

#include <iterator>

#include "support/RecordBytes.h"

// The documented layout of a hunting team in "Squadre.pro": 17
// zero-terminated fields, 12719 bytes. F(field, offset, capacity), in file
// order.
#define TEAM_FIELD_BYTES(F)  \
    F(Squadra, 0, 250)       \
    F(Forme, 251, 250)       \
    F(ATC, 502, 250)         \
    F(Caposquadra, 753, 50)  \
    F(Cacciatori, 804, 5000) \
    F(Email, 5805, 5000)     \
    F(Vicecapo, 10806, 50)   \
    F(Capocanaio, 10857, 50) \
    F(Capoposta, 10908, 50)  \
    F(Note, 10959, 250)      \
    F(Segnala, 11210, 2)     \
    F(File01, 11213, 250)    \
    F(File02, 11464, 250)    \
    F(File03, 11715, 250)    \
    F(Desc01, 11966, 250)    \
    F(Desc02, 12217, 250)    \
    F(Desc03, 12468, 250)

// The fields of a team, in file order.
struct TeamField {
#define TEAM_FIELD_ENUMERATOR(field, offset, capacity) field,
    enum Id { TEAM_FIELD_BYTES(TEAM_FIELD_ENUMERATOR) };
#undef TEAM_FIELD_ENUMERATOR
};

#define TEAM_FIELD_ROW(field, offset, capacity) \
    FieldBytes{TeamField::field, #field, offset, capacity},
inline constexpr FieldBytes kTeamFieldBytes[] = {TEAM_FIELD_BYTES(TEAM_FIELD_ROW)};
#undef TEAM_FIELD_ROW
inline constexpr RecordTable kTeamTable{12719, FieldBytesEncoding::ZeroTerminated, kTeamFieldBytes};
static_assert(std::size(kTeamFieldBytes) == 17);
static_assert(fieldsFillTheRecord(kTeamTable));

// A team record built byte by byte: TeamBytes().set(TeamBytes::Squadra, "Alfa").
struct TeamBytes : RecordBytes, TeamField {
    static constexpr int kSize = 12719;
    TeamBytes() : RecordBytes(kTeamTable) {}
};
