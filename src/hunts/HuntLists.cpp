#include "hunts/HuntLists.h"

#include "base/TextRules.h"
#include "hunts/HuntHelp.h"
#include "hunts/TRecBattuta.h"
#include "records/FieldRules.h"

namespace hunts {
namespace {

using F = TRecBattuta::Field;

const RecordLayout& layout() {
    return TRecBattuta::layout();
}

// The line of a hunt in the search and in the imminent summary.
ItemFormat huntItem() {
    return ItemFormat({{"", {F::TipoBattuta}, 30},
                       {"  Da: ", {F::DataInizio}, 10},
                       {"  A: ", {F::DataFine}, 10},
                       {"  ATC: ", {F::Tenuta}, 30},
                       {"  Squadra: ", {F::Squadra}, 30},
                       {"  € ", {F::Quota}}});
}

}  // namespace

bool imminentCondition(const FieldValues& values, const QDate& today) {
    const auto start = fieldrules::parseDate(values.value(F::DataInizio));
    bool isNumber = false;
    const int notice = text::trimBlanks(values.value(F::Preavviso)).toInt(&isNumber);
    return start && isNumber && start->addDays(-notice) <= today && today <= *start;
}

const SearchDefinition& search() {
    static const SearchDefinition definition{
        "TfrmTrovaBattute",
        QStringLiteral(" Trova battute di caccia in archivio"),
        &layout(),
        {
            {"txtTipoBattuta", "Tipo battuta di caccia:", F::TipoBattuta},
            {"txtStagione", "Stagione venatoria:", F::Stagione},
            {"txtDataInizio", "Data inizio:", F::DataInizio},
            {"txtDataFine", "Data fine:", F::DataFine},
            {"txtTenuta", "Tenuta A.T.C.", F::Tenuta},
            {"txtNote", "Note:", F::Note},
            {"txtSquadra", "Squadra partecipante:", F::Squadra},
            {"txtCaposquadra", "Capo squadra:", F::Caposquadra},
            {"txtCacciatori", "Cacciatori partecipanti:", F::Cacciatori},
            {"txtCapi", "Capi abbattuti:", F::Capi},
        },
        huntItem(),
        QStringLiteral("Riepilogo battute di caccia in archivio"),
        {
            {"battute", "TfrmBattute", true, {}},
        },
    };
    return definition;
}

const SummaryDefinition& imminentSummary() {
    static const SummaryDefinition definition{
        "TfrmRiepBattuteImminenti",
        "battute-imminenti",
        QStringLiteral(" Riepilogo battute di caccia imminenti"),
        &layout(),
        &imminentCondition,
        {F::DataInizio, F::Preavviso},
        huntItem(),
        QStringLiteral("Riepilogo battute di caccia imminenti"),
        "TfrmBattute",
    };
    return definition;
}

const ExportDefinition& exporter() {
    static const ExportDefinition definition{
        "TfrmExpBattute",
        QStringLiteral(" Esporta archivio battute di caccia in Microsoft Excel"),
        &layout(),
        QStringLiteral("Battute.xls"),
        QStringLiteral("Battute di Caccia"),
        {
            fieldColumn("colTipoBattuta", "Tipo battuta di caccia", 250, 300, F::TipoBattuta),
            fieldColumn("colStagione", "Stagione venatoria", 250, 250, F::Stagione),
            fieldColumn("colDataInizio", "Data inizio", 150, 200, F::DataInizio),
            fieldColumn("colDataFine", "Data fine", 150, 200, F::DataFine),
            fieldColumn("colTenuta", "Tenuta A.T.C.", 300, 300, F::Tenuta),
            fieldColumn("colVitto", "Vitto e alloggio", 300, 300, F::Vitto),
            fieldColumn("colTrasporto", "Trasporto", 300, 300, F::Trasporto),
            fieldColumn("colSquadra", "Squadra partecipante", 250, 250, F::Squadra),
            fieldColumn("colCaposquadra", "Capo squadra", 250, 250, F::Caposquadra),
            fieldColumn("colQuota", "Quota partecipazione", 180, 200, F::Quota),
            fieldColumn("colNote", "Note", 300, 400, F::Note),
        },
        &exportTopic(),
    };
    return definition;
}

}  // namespace hunts
