#include "teams/TfrmSquadre.h"

#include <array>

#include "hunters/HunterLists.h"
#include "teams/TRecSquadra.h"
#include "teams/TeamHelp.h"
#include "teams/TeamLists.h"
#include "teams/TeamsArchive.h"

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

// The four officers, each picked from the hunters' search by its button:
// the chosen hunter goes into that officer's field alone.
struct Officer {
    const char* button;
    PickerMode mode;
};

Officer officer(const char* button, const char* tag, const char* control) {
    return {button, PickerMode{tag, "TfrmSquadre", false, {{control, hunters::surnameAndName()}}}};
}

const std::array kOfficers{
    officer("impCaposquadra", "squadre_caposquadra", "txtCaposquadra"),
    officer("impVicecapo", "squadre_vicecapo", "txtVicecapo"),
    officer("impCapocanaio", "squadre_capocanaio", "txtCapocanaio"),
    officer("impCapoposta", "squadre_capoposta", "txtCapoposta"),
};

CardDefinition teamCard() {
    return CardDefinition{
        .windowName = "TfrmSquadre",
        .tag = "squadre",
        .caption = QStringLiteral(" Selvadoro - Archivio Squadre"),
        .layout = &TRecSquadra::layout(),
        .fields = kFields,
        .plainAccessErrorOnSave = true,
        .check =
            [](const FieldValues& values) {
                return teams::checkForSave(TRecSquadra::fromValues(values));
            },
    };
}

}  // namespace

TfrmSquadre::TfrmSquadre(QWidget* parent) : CardWindow(teamCard(), parent) {
    addToolGroup({newTool(), duplicateTool(), saveTool(), findTool(teams::search())});
    // The attachments' button is a wide one, with its caption.
    ToolSpec attach = attachTool();
    attach.caption = QStringLiteral("Allega file");
    addToolGroup({attach, rtfTool(teams::rtfCard())});
    addNavigationGroup();
    addToolGroup(
        {exportTool(teams::exporter()),
         summaryTool("cmdSegnalate", "segnalate",
                     QStringLiteral("Visualizza il riepilogo delle squadre di caccia segnalate."),
                     teams::flaggedSummary())});
    addToolGroup({guideTool(teams::cardTopic()), exitTool()});

    for (const Officer& officer : kOfficers) {
        addPickerButton(officer.button,
                        QStringLiteral("Importa i dati dall'archivio anagrafico dei cacciatori."),
                        hunters::search(), officer.mode);
    }

    layOutColumns(
        {{.rows = {
              {F::Squadra},
              {F::Forme},
              {F::ATC},
              {F::Caposquadra, LayoutButton{"impCaposquadra"}, LayoutBox{F::Segnala, "avviso"}},
              {F::Cacciatori, F::Email},
              {F::Vicecapo, LayoutButton{"impVicecapo"}, F::Capocanaio,
               LayoutButton{"impCapocanaio"}, F::Capoposta, LayoutButton{"impCapoposta"}},
              {F::Note},
          }}});
    finishLayout();
}
