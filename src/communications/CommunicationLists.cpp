#include "communications/CommunicationLists.h"

#include "base/TextRules.h"
#include "communications/CommunicationHelp.h"
#include "communications/TRecComunicazione.h"
#include "teams/TeamLists.h"

namespace communications {
namespace {

using F = TRecComunicazione::Field;

const RecordLayout& layout() {
    return TRecComunicazione::layout();
}

// The line of a communication in the search and in the flagged summary.
ItemFormat communicationItem() {
    return ItemFormat({{"", {F::Oggetto}, 45},
                       {"  Autore: ", {F::Autore}, 30},
                       {"  Squadra: ", {F::Squadra}, 30},
                       {"  Data: ", {F::DataInvio}}});
}

}  // namespace

bool flaggedCondition(const FieldValues& values, const QDate&) {
    return text::isFlagSet(values.value(F::Segnala));
}

const PickerMode& teamPicker() {
    static const PickerMode mode{"comunicazioni",
                                 "TfrmComunicazioni",
                                 false,
                                 {
                                     {"txtSquadra", teams::storedTeamName()},
                                     {"txtCaposquadra", teams::storedTeamLeader()},
                                     {"txtCacciatori", teams::storedTeamMembers()},
                                     {"txtEmail", teams::storedTeamEmails()},
                                 }};
    return mode;
}

const SearchDefinition& search() {
    static const SearchDefinition definition{
        "TfrmTrovaComunicazioni",
        QStringLiteral(" Trova comunicazioni in archivio"),
        &layout(),
        {
            {"txtOggetto", "Oggetto:", F::Oggetto},
            {"txtAutore", "Autore del messaggio:", F::Autore},
            {"txtSquadra", "Squadra di caccia destinataria:", F::Squadra},
            {"txtCaposquadra", "Capo squadra:", F::Caposquadra},
            {"txtCacciatori", "Cacciatori destinatari:", F::Cacciatori},
            {"txtEmail", "Indirizzi e-mail cacciatori:", F::Email},
            {"txtMessaggio", "Messaggio:", F::Messaggio},
            {"txtDataInvio", "Data invio:", F::DataInvio},
            {"txtRiscontro", "Riscontro ricevuto:", F::Riscontro},
            {"txtNote", "Note:", F::Note},
        },
        communicationItem(),
        QStringLiteral("Riepilogo comunicazioni in archivio"),
        {
            {"comunicazioni", "TfrmComunicazioni", true, {}},
        },
    };
    return definition;
}

const SummaryDefinition& flaggedSummary() {
    static const SummaryDefinition definition{
        "TfrmRiepComunicazioniSegnalate",
        "comunicazioni-segnalate",
        QStringLiteral(" Riepilogo comunicazioni segnalate"),
        &layout(),
        &flaggedCondition,
        {F::Segnala},
        communicationItem(),
        QStringLiteral("Riepilogo comunicazioni segnalate"),
        "TfrmComunicazioni",
    };
    return definition;
}

const ExportDefinition& exporter() {
    static const ExportDefinition definition{
        "TfrmExpComunicazioni",
        QStringLiteral(" Esporta archivio comunicazioni in Microsoft Excel"),
        &layout(),
        QStringLiteral("Comunicazioni.xls"),
        QStringLiteral("Riepilogo Comunicazioni"),
        {
            fieldColumn("colOggetto", "Oggetto", 300, 400, F::Oggetto),
            fieldColumn("colAutore", "Autore del messaggio", 250, 250, F::Autore),
            fieldColumn("colSquadra", "Squadra di caccia destinataria", 250, 300, F::Squadra),
            fieldColumn("colCaposquadra", "Capo squadra", 250, 250, F::Caposquadra),
            fieldColumn("colDataInvio", "Data invio", 180, 180, F::DataInvio),
            fieldColumn("colNote", "Note", 300, 350, F::Note),
            fieldColumn("colRiscontro", "Riscontro ricevuto", 300, 400, F::Riscontro),
            fieldColumn("colSegnala", "Segnalata", 120, 200, F::Segnala),
        },
        &exportTopic(),
    };
    return definition;
}

}  // namespace communications
