#include "hunters/HuntersArchive.h"

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
    .aliases = {{"Squadra", F::Permesso}, {"Tesserino", F::Coniuge}},
};

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
    };
    return definition;
}

}  // namespace hunters
