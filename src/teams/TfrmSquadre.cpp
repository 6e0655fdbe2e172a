#include "teams/TfrmSquadre.h"

#include <array>

#include "hunters/HunterLists.h"
#include "teams/TRecSquadra.h"
#include "teams/TeamCard.h"
#include "teams/TeamHelp.h"
#include "teams/TeamLists.h"
#include "teams/TeamsArchive.h"

namespace {

using F = TRecSquadra::Field;

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
        .fields = teams::cardRules().fields,
        .plainAccessErrorOnSave = true,
        .check = teams::cardRules().check,
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
