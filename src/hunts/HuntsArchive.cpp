#include "hunts/HuntsArchive.h"

#include "hunts/HuntCard.h"
#include "hunts/HuntHelp.h"
#include "hunts/HuntLists.h"
#include "hunts/TRecBattuta.h"

namespace hunts {

// The days of notice are not written into the document.
const RtfDocument& rtfCard() {
    static const RtfDocument document{
        "battute",
        "Battuta_di_Caccia.rtf",
        "BATTUTA DI CACCIA",
        {
            {"Tipo battuta di caccia", "txtTipoBattuta"},
            {"Stagione venatoria", "txtStagione"},
            {"Data inizio", "txtDataInizio"},
            {"Data fine", "txtDataFine"},
            {"Tenuta ATC", "txtTenuta"},
            {"Vitto e alloggio", "txtVitto"},
            {"Trasporto", "txtTrasporto"},
            {"Squadra partecipante", "txtSquadra"},
            {"Capo squadra", "txtCaposquadra"},
            {"Quota partecipazione", "txtQuota"},
            {"Note", "txtNote"},
            {"Cacciatori partecipanti", "txtCacciatori"},
            {"Capi abbattuti", "txtCapi"},
        },
    };
    return document;
}

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "battute",
        .layout = &TRecBattuta::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&imminentSummary()},
        .rtfCard = &rtfCard(),
        .helpTopics = {&cardTopic(), &exportTopic()},
        .card = &cardRules(),
        .naturalKey = {TRecBattuta::Field::TipoBattuta, TRecBattuta::Field::DataInizio,
                       TRecBattuta::Field::Squadra},
    };
    return definition;
}

}  // namespace hunts
