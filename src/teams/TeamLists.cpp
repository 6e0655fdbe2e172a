#include "teams/TeamLists.h"

#include "base/TextRules.h"
#include "teams/TRecSquadra.h"
#include "teams/TeamHelp.h"

namespace teams {
namespace {

using F = TRecSquadra::Field;

const RecordLayout& layout() {
    return TRecSquadra::layout();
}

// The line of a team in the search and in the flagged summary.
ItemFormat teamItem() {
    return ItemFormat({{"", {F::Squadra}, 30},
                       {"  ATC: ", {F::ATC}, 30},
                       {"  Capo squadra: ", {F::Caposquadra}, 30},
                       {"  Note: ", {F::Note}}});
}

}  // namespace

bool flaggedCondition(const FieldValues& values, const QDate&) {
    return text::isFlagSet(values.value(F::Segnala));
}

ValueFn storedTeamName() {
    return storedField(F::Squadra);
}

ValueFn storedTeamLeader() {
    return storedField(F::Caposquadra);
}

ValueFn storedTeamMembers() {
    return storedField(F::Cacciatori);
}

ValueFn storedTeamEmails() {
    return storedField(F::Email);
}

const SearchDefinition& search() {
    static const SearchDefinition definition{
        "TfrmTrovaSquadre",
        QStringLiteral(" Trova squadre di caccia in archivio"),
        &layout(),
        {
            {"txtSquadra", "Squadra di caccia:", F::Squadra},
            {"txtForme", "Forme di caccia praticate:", F::Forme},
            {"txtATC", "Ambiti Territoriali di Caccia (A.T.C.):", F::ATC},
            {"txtCaposquadra", "Capo squadra:", F::Caposquadra},
            {"txtCacciatori", "Cacciatori membri:", F::Cacciatori},
            {"txtEmail", "Indirizzi e-mail cacciatori:", F::Email},
            {"txtVicecapo", "Vice capo squadra:", F::Vicecapo},
            {"txtCapocanaio", "Capo canaio:", F::Capocanaio},
            {"txtCapoposta", "Capo posta:", F::Capoposta},
            {"txtNote", "Note:", F::Note},
        },
        teamItem(),
        QStringLiteral("Riepilogo squadre di caccia in archivio"),
        {
            {"squadre", "TfrmSquadre", true, {}},
        },
    };
    return definition;
}

const SummaryDefinition& flaggedSummary() {
    static const SummaryDefinition definition{
        "TfrmRiepSquadreSegnalate",
        "squadre-segnalate",
        QStringLiteral(" Riepilogo squadre di caccia segnalate"),
        &layout(),
        &flaggedCondition,
        {F::Segnala},
        teamItem(),
        QStringLiteral("Riepilogo squadre di caccia segnalate"),
        "TfrmSquadre",
    };
    return definition;
}

const ExportDefinition& exporter() {
    static const ExportDefinition definition{
        "TfrmExpSquadre",
        QStringLiteral(" Esporta archivio squadre di caccia in Microsoft Excel"),
        &layout(),
        QStringLiteral("Squadre.xls"),
        QStringLiteral("Squadre di Caccia"),
        {
            fieldColumn("colSquadra", "Squadra di caccia", 250, 300, F::Squadra),
            fieldColumn("colForme", "Forme di caccia praticate", 250, 300, F::Forme),
            fieldColumn("colATC", "Ambiti Territoriali di Caccia", 300, 300, F::ATC),
            fieldColumn("colCaposquadra", "Capo squadra", 250, 250, F::Caposquadra),
            fieldColumn("colVicecapo", "Vice capo squadra", 250, 250, F::Vicecapo),
            fieldColumn("colCapocanaio", "Capo canaio", 250, 250, F::Capocanaio),
            fieldColumn("colCapoposta", "Capo posta", 250, 250, F::Capoposta),
            fieldColumn("colNote", "Note", 300, 350, F::Note),
            fieldColumn("colSegnala", "Segnalata", 120, 200, F::Segnala),
        },
        &exportTopic(),
    };
    return definition;
}

}  // namespace teams
