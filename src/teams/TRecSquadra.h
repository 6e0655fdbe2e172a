#pragma once

#include <optional>

#include "records/RecordLayout.h"
#include "records/SaveCheck.h"

// One hunting team of "Squadre.pro": 17 zero-terminated fields, 12719 bytes.
// F(field, capacity, control), in file order.
#define SELVADORO_TEAM_FIELDS(F)       \
    F(Squadra, 250, txtSquadra)        \
    F(Forme, 250, txtForme)            \
    F(ATC, 250, txtATC)                \
    F(Caposquadra, 50, txtCaposquadra) \
    F(Cacciatori, 5000, txtCacciatori) \
    F(Email, 5000, txtEmail)           \
    F(Vicecapo, 50, txtVicecapo)       \
    F(Capocanaio, 50, txtCapocanaio)   \
    F(Capoposta, 50, txtCapoposta)     \
    F(Note, 250, txtNote)              \
    F(Segnala, 2, chkSegnala)          \
    SELVADORO_ATTACHMENT_FIELDS(F)

struct TRecSquadra {
    SELVADORO_RECORD_TYPE(TRecSquadra, SELVADORO_TEAM_FIELDS)
};

namespace teams {

inline constexpr const char* kFileName = "Squadre.pro";
inline constexpr int kRecordSize = 12719;

// The checks made before a team card is saved, in order: the team's name,
// then its leader; the first that fails, or nothing.
std::optional<SaveCheck> checkForSave(const TRecSquadra& card);

}  // namespace teams
