#include "hunters/HuntersArchive.h"

#include "agenda/Agenda.h"
#include "hunters/HunterCard.h"
#include "hunters/HunterHelp.h"
#include "hunters/HunterLists.h"
#include "hunters/HunterSheet.h"
#include "hunters/TRecCacciatore.h"
#include "mailing/MailingFields.h"

namespace hunters {

namespace {

using F = TRecCacciatore::Field;

// Labels, membership cards and merged letters: the tesserino venatorio is
// kept in Coniuge, the team in Permesso.
const MailingFields kMailing{
    .name = {F::Cognome, F::Nome},
    .address = F::Indirizzo,
    .postcode = F::Cap,
    .town = F::ComuneRes,
    .province = F::ProvRes,
    .email = F::Email,
    .taxCode = F::CodFisc,
    .cardNumber = F::Coniuge,
    .birthDate = F::DataNasc,
    .sex = F::Sesso,
    .aliases = {{"Squadra", F::Permesso}, {"Tesserino", F::Coniuge}},
};

// The launcher's agenda lines of this archive.
QList<AgendaCondition> agendaConditions() {
    return {
        {QStringLiteral("Porti di fucile scaduti o in scadenza"),
         &permitSummary(),
         nullptr,
         {F::Cognome, F::Nome}},
    };
}

}  // namespace

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "anagrafica",
        .layout = &TRecCacciatore::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&permitSummary()},
        .sheet = &hunterSheetOfTexts,
        .helpTopics = {&cardTopic(), &exportTopic()},
        .mailing = &kMailing,
        .fieldTypes = {{TRecCacciatore::Field::DataNasc, FieldType::Date},
                       {TRecCacciatore::Field::ScadePer, FieldType::Date},
                       {TRecCacciatore::Field::DataRil, FieldType::Date},
                       {TRecCacciatore::Field::DataSca, FieldType::Date},
                       {TRecCacciatore::Field::Decorrenza, FieldType::Date},
                       {TRecCacciatore::Field::Scadenza, FieldType::Date},
                       {TRecCacciatore::Field::Totale, FieldType::Amount, 2},
                       {TRecCacciatore::Field::CodFisc, FieldType::Code},
                       {TRecCacciatore::Field::Iva, FieldType::Code},
                       {TRecCacciatore::Field::Cap, FieldType::Code},
                       {TRecCacciatore::Field::Recapito, FieldType::Code},
                       {TRecCacciatore::Field::TelCasa, FieldType::Code},
                       {TRecCacciatore::Field::TelCel, FieldType::Code},
                       {TRecCacciatore::Field::TelUff, FieldType::Code},
                       {TRecCacciatore::Field::Iban, FieldType::Code},
                       {TRecCacciatore::Field::Carta, FieldType::Code}},
        .agenda = &agendaConditions,
        .card = &cardRules(),
        .naturalKey = {TRecCacciatore::Field::CodFisc},
    };
    return definition;
}

}  // namespace hunters
