#include "communications/CommunicationsArchive.h"

#include "agenda/Agenda.h"
#include "communications/CommunicationCard.h"
#include "communications/CommunicationHelp.h"
#include "communications/CommunicationLists.h"
#include "communications/TRecComunicazione.h"
#include "mailing/MailingFields.h"

namespace communications {

namespace {

// The launcher's agenda lines of this archive.
QList<AgendaCondition> agendaConditions() {
    using F = TRecComunicazione::Field;
    return {
        {QStringLiteral("Comunicazioni segnalate"), &flaggedSummary(), nullptr, {F::Oggetto}},
    };
}

}  // namespace

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

namespace {

using F = TRecComunicazione::Field;

// Letters and e-mails to the hunters named in the card, one name per line.
const LetterFields kLetters{
    .recipientArchive = "anagrafica",
    .recipients = F::Cacciatori,
    .subject = F::Oggetto,
    .text = F::Messaggio,
    .date = F::DataInvio,
    .ownFields = {{"DataInvio", F::DataInvio}},
};

}  // namespace

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "comunicazioni",
        .layout = &TRecComunicazione::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&flaggedSummary()},
        .rtfCard = &rtfCard(),
        .helpTopics = {&cardTopic(), &exportTopic()},
        .letters = &kLetters,
        .fieldTypes = {{TRecComunicazione::Field::DataInvio, FieldType::Date}},
        .agenda = &agendaConditions,
        .card = &cardRules(),
        .naturalKey = {TRecComunicazione::Field::Oggetto, TRecComunicazione::Field::DataInvio,
                       TRecComunicazione::Field::Squadra},
    };
    return definition;
}

}  // namespace communications
