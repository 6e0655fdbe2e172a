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
    CardField{.field = F::Squadra,
              .label = "Squadra di caccia:",
              .next = F::Forme,
              .titles = "Squadra|Nome squadra|Denominazione"},
    CardField{.field = F::Forme,
              .label = "Forme di caccia praticate:",
              .next = F::ATC,
              .titles = "Forme di caccia|Forma di caccia|Tipo di caccia"},
    CardField{.field = F::ATC,
              .label = "Ambiti Territoriali di Caccia (A.T.C.):",
              .next = F::Caposquadra,
              .titles = "ATC|A.T.C.|Ambito territoriale"},
    CardField{.field = F::Caposquadra,
              .label = "Capo squadra:",
              .next = F::Cacciatori,
              .titles = "Caposquadra|Capo"},
    CardField{.field = F::Segnala,
              .label = "Segnala",
              .kind = CardFieldKind::Check,
              .hint = "Spunta questa casella per segnalare la squadra corrente."},
    CardField{.field = F::Cacciatori,
              .label = "Cacciatori membri:",
              .kind = CardFieldKind::Memo,
              .titles = "Cacciatori|Membri|Componenti|Soci"},
    CardField{.field = F::Email,
              .label = "Indirizzi e-mail cacciatori (separati da virgola):",
              .kind = CardFieldKind::Memo,
              .accepts = &cardfilter::email,
              .next = F::Vicecapo,
              .titles = "E-mail|Email|Indirizzi e-mail|Posta elettronica",
              .shape = ValueShape::Email},
    CardField{.field = F::Vicecapo,
              .label = "Vice capo squadra:",
              .next = F::Capocanaio,
              .titles = "Vicecaposquadra|Vice capo|Vice"},
    CardField{
        .field = F::Capocanaio, .label = "Capo canaio:", .next = F::Capoposta, .titles = "Canaio"},
    CardField{.field = F::Capoposta,
              .label = "Capo posta:",
              .next = F::Note,
              .titles = "Posta|Capo poste"},
    CardField{.field = F::Note,
              .label = "Note:",
              .next = F::Squadra,
              .titles = "Annotazioni|Osservazioni"},
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
