#include "teams/TeamCard.h"

#include <array>

#include "teams/TRecSquadra.h"

namespace {

using F = TRecSquadra::Field;

// The fields in tab order. Enter runs from the name to the leader, then to
// the members (where it starts a new line); from the addresses (where it
// starts none) on to the note and back to the name. The flag is left out
// of the Enter chain.
const std::array kFields{
    CardField{.field = F::Squadra, .label = "Squadra di caccia:", .next = F::Forme},
    CardField{.field = F::Forme, .label = "Forme di caccia praticate:", .next = F::ATC},
    CardField{.field = F::ATC,
              .label = "Ambiti Territoriali di Caccia (A.T.C.):",
              .next = F::Caposquadra},
    CardField{.field = F::Caposquadra, .label = "Capo squadra:", .next = F::Cacciatori},
    CardField{.field = F::Segnala,
              .label = "Segnala",
              .kind = CardFieldKind::Check,
              .hint = "Spunta questa casella per segnalare la squadra corrente."},
    CardField{.field = F::Cacciatori, .label = "Cacciatori membri:", .kind = CardFieldKind::Memo},
    CardField{.field = F::Email,
              .label = "Indirizzi e-mail cacciatori (separati da virgola):",
              .kind = CardFieldKind::Memo,
              .accepts = &cardfilter::email,
              .next = F::Vicecapo},
    CardField{.field = F::Vicecapo, .label = "Vice capo squadra:", .next = F::Capocanaio},
    CardField{.field = F::Capocanaio, .label = "Capo canaio:", .next = F::Capoposta},
    CardField{.field = F::Capoposta, .label = "Capo posta:", .next = F::Note},
    CardField{.field = F::Note, .label = "Note:", .next = F::Squadra},
};

}  // namespace

namespace teams {

const CardRules& cardRules() {
    static const CardRules rules{
        .fields = kFields,
        .check =
            [](const FieldValues& values) {
                return teams::checkForSave(TRecSquadra::fromValues(values));
            },
    };
    return rules;
}

}  // namespace teams
