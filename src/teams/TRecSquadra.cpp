#include "teams/TRecSquadra.h"

#include "base/TextRules.h"

SELVADORO_DEFINE_RECORD(TRecSquadra, SELVADORO_TEAM_FIELDS, teams::kFileName,
                        FieldEncoding::ZeroTerminated, teams::kRecordSize)
static_assert(TRecSquadra::Field::Count == 17);

namespace teams {

std::optional<SaveCheck> checkForSave(const TRecSquadra& card) {
    if (text::trimBlanks(card.Squadra).isEmpty()) {
        return missingField("il nome della squadra di caccia.", "txtSquadra");
    }
    if (text::trimBlanks(card.Caposquadra).isEmpty()) {
        return missingField("il nome del capo squadra.", "txtCaposquadra");
    }
    return std::nullopt;
}

}  // namespace teams
