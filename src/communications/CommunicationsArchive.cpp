#include "communications/CommunicationsArchive.h"

#include "communications/CommunicationCard.h"
#include "communications/CommunicationHelp.h"
#include "communications/CommunicationLists.h"
#include "communications/TRecComunicazione.h"

namespace communications {

const RtfDocument& rtfCard() {
    static const RtfDocument document{
        "comunicazioni",
        "Comunicazione.rtf",
        "COMUNICAZIONE AI CACCIATORI",
        {
            {"Oggetto", "txtOggetto"},
            {"Autore del messaggio", "txtAutore"},
            {"Squadra di caccia destinataria", "txtSquadra"},
            {"Capo squadra", "txtCaposquadra"},
            {"Data invio", "txtDataInvio"},
            {"Note", "txtNote"},
            {"Cacciatori destinatari", "txtCacciatori"},
            {"Indirizzi e-mail cacciatori", "txtEmail"},
            {"Messaggio", "txtMessaggio"},
            {"Riscontro ricevuto", "txtRiscontro"},
        },
    };
    return document;
}

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "comunicazioni",
        .layout = &TRecComunicazione::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&flaggedSummary()},
        .rtfCard = &rtfCard(),
        .helpTopics = {&cardTopic(), &exportTopic()},
        .card = &cardRules(),
        .naturalKey = {TRecComunicazione::Field::Oggetto, TRecComunicazione::Field::DataInvio,
                       TRecComunicazione::Field::Squadra},
    };
    return definition;
}

}  // namespace communications
