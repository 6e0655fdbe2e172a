#include "hunts/TfrmBattute.h"

#include <QLabel>
#include <array>

#include "hunters/HunterLists.h"
#include "hunts/HuntCard.h"
#include "hunts/HuntHelp.h"
#include "hunts/HuntLists.h"
#include "hunts/HuntsArchive.h"
#include "hunts/TRecBattuta.h"
#include "teams/TeamLists.h"

namespace {

using F = TRecBattuta::Field;
using K = CardFieldKind;

// The team's search writes the chosen team's name, leader and members, as
// stored, over what the card held; the hunters' search the chosen hunter's
// name into the leader. The buttons keep them for the window's life.
const PickerMode& teamPicker() {
    static const PickerMode mode{"battute",
                                 "TfrmBattute",
                                 false,
                                 {{"txtSquadra", teams::storedTeamName()},
                                  {"txtCaposquadra", teams::storedTeamLeader()},
                                  {"txtCacciatori", teams::storedTeamMembers()}}};
    return mode;
}

const PickerMode& leaderPicker() {
    static const PickerMode mode{
        "battute", "TfrmBattute", false, {{"txtCaposquadra", hunters::surnameAndName()}}};
    return mode;
}

CardDefinition huntCard() {
    return CardDefinition{
        .windowName = "TfrmBattute",
        .tag = "battute",
        .caption = QStringLiteral(" Selvadoro - Battute di Caccia"),
        .layout = &TRecBattuta::layout(),
        .fields = hunts::cardRules().fields,
        .plainAccessErrorOnSave = true,
        .check = hunts::cardRules().check,
    };
}

}  // namespace

TfrmBattute::TfrmBattute(QWidget* parent) : CardWindow(huntCard(), parent) {
    addToolGroup({newTool(), duplicateTool(), saveTool(), findTool(hunts::search())});
    // The attachments' button is a wide one, with its caption.
    ToolSpec attach = attachTool();
    attach.caption = QStringLiteral("Allega file");
    addToolGroup({attach, rtfTool(hunts::rtfCard())});
    addNavigationGroup();
    addToolGroup(
        {exportTool(hunts::exporter()),
         summaryTool("cmdScadeBattute", "scadenze",
                     QStringLiteral("Visualizza il riepilogo delle battute di caccia imminenti."),
                     hunts::imminentSummary())});
    addToolGroup({guideTool(hunts::cardTopic()), exitTool()});

    addPickerButton("impSquadra",
                    QStringLiteral("Importa i dati dall'archivio delle squadre di caccia."),
                    teams::search(), teamPicker());
    addPickerButton("impCacciatore",
                    QStringLiteral("Importa i dati dall'archivio anagrafico dei cacciatori."),
                    hunters::search(), leaderPicker());

    // The days of notice read as a sentence: "Preavviso n." 3 "giorni."
    auto* noticeTail = new QLabel(QStringLiteral("giorni."), cardPanel());
    noticeTail->setObjectName(QStringLiteral("lblGiorni"));

    layOutColumns({{.rows = {
                        {F::TipoBattuta, F::Stagione},
                        {{F::DataInizio, "00/00/00000"},
                         {F::DataFine, "00/00/00000"},
                         {F::Preavviso, "0000"},
                         LayoutWidget{noticeTail},
                         F::Tenuta},
                        {F::Vitto, F::Trasporto},
                        {F::Squadra,
                         LayoutButton{"impSquadra"},
                         F::Caposquadra,
                         LayoutButton{"impCacciatore"},
                         {F::Quota, "999999999999,99"}},
                        {F::Note},
                        {F::Cacciatori},
                        {F::Capi},
                    }}});
    finishLayout();
}
