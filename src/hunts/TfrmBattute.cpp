#include "hunts/TfrmBattute.h"

#include <QLabel>
#include <array>

#include "hunters/HunterLists.h"
#include "hunts/HuntHelp.h"
#include "hunts/HuntLists.h"
#include "hunts/HuntsArchive.h"
#include "hunts/TRecBattuta.h"
#include "teams/TeamLists.h"

namespace {

using F = TRecBattuta::Field;
using K = CardFieldKind;

// The fields in tab order. Enter runs from the kind to the season and the
// start date, and from the days of notice on to the participants, where it
// starts a new line, as it does in the game killed. The two dates are
// filled by the date import window.
const std::array kFields{
    CardField{.field = F::TipoBattuta, .label = "Tipo battuta di caccia:", .next = F::Stagione},
    CardField{.field = F::Stagione, .label = "Stagione venatoria:", .next = F::DataInizio},
    CardField{.field = F::DataInizio,
              .label = "Data inizio:",
              .kind = K::CalendarDate,
              .dateTag = "battute_datainizio"},
    CardField{.field = F::DataFine,
              .label = "Data fine:",
              .kind = K::CalendarDate,
              .dateTag = "battute_datafine"},
    CardField{.field = F::Preavviso,
              .label = "Preavviso n.",
              .accepts = cardfilter::digits,
              .next = F::Tenuta,
              .defaultText = "0"},
    CardField{.field = F::Tenuta, .label = "Tenuta A.T.C.", .next = F::Vitto},
    CardField{.field = F::Vitto, .label = "Vitto e alloggio:", .next = F::Trasporto},
    CardField{.field = F::Trasporto, .label = "Trasporto:", .next = F::Squadra},
    CardField{.field = F::Squadra, .label = "Squadra partecipante:", .next = F::Caposquadra},
    CardField{.field = F::Caposquadra, .label = "Capo squadra:", .next = F::Quota},
    CardField{.field = F::Quota,
              .label = "Quota partecipazione: €",
              .accepts = cardfilter::amount,
              .next = F::Note,
              .defaultText = "0,00",
              .onLeave = &hunts::formatFee},
    CardField{.field = F::Note, .label = "Note:", .next = F::Cacciatori},
    CardField{.field = F::Cacciatori, .label = "Cacciatori partecipanti:", .kind = K::Memo},
    CardField{.field = F::Capi, .label = "Capi abbattuti:", .kind = K::Memo},
};

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
        .fields = kFields,
        .plainAccessErrorOnSave = true,
        .check =
            [](const FieldValues& values) {
                return hunts::checkForSave(TRecBattuta::fromValues(values));
            },
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
