#include "membership/MembershipLists.h"

#include "base/TextRules.h"
#include "hunters/HunterLists.h"
#include "membership/MembershipHelp.h"
#include "membership/MembershipRules.h"
#include "membership/MembershipSettings.h"
#include "membership/TRecTessera.h"
#include "records/FieldRules.h"

namespace membership {
namespace {

using text::trimBlanks;
using F = TRecTessera::Field;

const RecordLayout& layout() {
    return TRecTessera::layout();
}

ItemFormat membershipItem() {
    return ItemFormat({{"", {F::Socio}, 30},
                       {"  Scheda ", {F::Scheda}, 6},
                       {"  Quota: ", {F::Quota}, 10},
                       {"  € ", {F::Importo}, 9},
                       {"  ", {F::Stato}, 9},
                       {"  Ric. ", {F::Ricevuta}, 5},
                       {"  ", {F::DataPag}, 10},
                       {"  Uscita: ", {F::DataUscita}}});
}

ListStyle summaryStyle() {
    return ListStyle{
        .folding = CaseFolding::AtoZ,
        .windowSize = QSize(862, 560),
        .redHint = true,
    };
}

QString stateOf(const FieldValues& values) {
    return trimBlanks(values.value(F::Stato));
}

bool hasExit(const FieldValues& values) {
    return !trimBlanks(values.value(F::DataUscita)).isEmpty();
}

QList<ExportColumn> membershipColumns() {
    return {
        fieldColumn("colStagione", "Stagione", 100, 100, F::Stagione),
        fieldColumn("colScheda", "Scheda socio", 100, 100, F::Scheda),
        fieldColumn("colSocio", "Socio", 250, 250, F::Socio),
        fieldColumn("colCodFisc", "Codice fiscale", 180, 200, F::CodFisc),
        fieldColumn("colQuota", "Tipo di quota", 150, 150, F::Quota),
        fieldColumn("colImporto", "Importo in euro", 150, 150, F::Importo),
        fieldColumn("colStato", "Stato", 120, 120, F::Stato),
        fieldColumn("colDataPag", "Data pagamento", 150, 150, F::DataPag),
        fieldColumn("colMetodo", "Metodo di pagamento", 150, 150, F::Metodo),
        fieldColumn("colRicevuta", "Ricevuta n.", 100, 100, F::Ricevuta),
        fieldColumn("colAnnoRic", "Anno ricevuta", 100, 100, F::AnnoRic),
        fieldColumn("colPolizza", "Polizza assicurativa n.", 200, 200, F::Polizza),
        fieldColumn("colScadePol", "Scadenza polizza", 150, 150, F::ScadePol),
        fieldColumn("colDataUscita", "Data uscita", 150, 150, F::DataUscita),
        fieldColumn("colMotivo", "Motivo uscita", 150, 150, F::Motivo),
        fieldColumn("colNote", "Note", 300, 300, F::Note),
    };
}

SummaryDefinition summary(const char* window, const char* command, const char* title,
                          std::function<bool(const FieldValues&, const QDate&)> condition) {
    return SummaryDefinition{
        window,
        command,
        QStringLiteral(" ") + QString::fromUtf8(title),
        &layout(),
        std::move(condition),
        {F::Stato, F::DataUscita},
        membershipItem(),
        QString::fromUtf8(title),
        "TfrmTesseramento",
        summaryStyle(),
    };
}

}  // namespace

bool isToPay(const FieldValues& values) {
    return stateOf(values) == kToPay && !hasExit(values);
}

QDate reminderDay(const QString& season) {
    const Settings settings = settingsNow();
    const QDate first = seasonFirstDay(season);
    QDate day(first.year(), settings.reminderMonth, settings.reminderDay);
    if (day < first) day = day.addYears(1);
    return day;
}

const PickerMode& hunterPicker() {
    static const PickerMode mode{"tesseramento",
                                 "TfrmTesseramento",
                                 false,
                                 {
                                     {"txtSocio", hunters::surnameAndName()},
                                     {"txtCodFisc", hunters::taxCode()},
                                 },
                                 "txtScheda"};
    return mode;
}

const SearchDefinition& search() {
    static const SearchDefinition definition{
        "TfrmTrovaTesseramento",
        QStringLiteral(" Trova soci nel tesseramento della stagione"),
        &layout(),
        {
            {"txtSocio", "Socio:", F::Socio},
            {"txtScheda", "Scheda socio n.", F::Scheda},
            {"txtCodFisc", "Codice fiscale:", F::CodFisc},
            {"txtQuota", "Tipo di quota:", F::Quota},
            {"txtStato", "Stato (da pagare, pagata, annullata):", F::Stato},
            {"txtMetodo", "Metodo di pagamento:", F::Metodo},
            {"txtRicevuta", "Ricevuta n.", F::Ricevuta},
            {"txtPolizza", "Polizza assicurativa n.", F::Polizza},
            {"txtMotivo", "Motivo uscita:", F::Motivo},
            {"txtNote", "Note:", F::Note},
        },
        membershipItem(),
        QStringLiteral("Tesseramento della stagione"),
        {
            {"Tesseramento", "TfrmTesseramento", true, {}},
        },
        ListStyle{
            .folding = CaseFolding::AtoZ,
            .redHint = true,
            .countText = QStringLiteral("Il presente elenco contiene %1 schede."),
        },
    };
    return definition;
}

const SummaryDefinition& toPaySummary() {
    static const SummaryDefinition definition =
        summary("TfrmQuoteDaPagare", "quote-da-pagare", "Quote della stagione da pagare",
                [](const FieldValues& values, const QDate&) { return isToPay(values); });
    return definition;
}

const SummaryDefinition& paidSummary() {
    static const SummaryDefinition definition =
        summary("TfrmQuotePagate", "quote-pagate", "Quote della stagione pagate",
                [](const FieldValues& values, const QDate&) { return stateOf(values) == kPaid; });
    return definition;
}

const SummaryDefinition& leftSummary() {
    static const SummaryDefinition definition =
        summary("TfrmSociUsciti", "soci-usciti", "Soci usciti nella stagione",
                [](const FieldValues& values, const QDate&) { return hasExit(values); });
    return definition;
}

const ExportDefinition& exporter() {
    static const ExportDefinition definition{
        "TfrmExpTesseramento",
        QStringLiteral(" Esporta il tesseramento della stagione"),
        &layout(),
        QStringLiteral("Tesseramento.xls"),
        QStringLiteral("Tesseramento"),
        membershipColumns(),
        &listsTopic(),
    };
    return definition;
}

const ExportDefinition& unpaidList() {
    static const ExportDefinition definition{
        "TfrmExpQuoteDaPagare",
        QStringLiteral(" Quote della stagione da pagare"),
        &layout(),
        QStringLiteral("Quote_da_pagare.xls"),
        QStringLiteral("Quote da pagare"),
        membershipColumns(),
        &listsTopic(),
        [](const FieldValues& values, const QDate& today) {
            return isToPay(values) && today >= reminderDay(seasonOn(today));
        },
        {F::Stato, F::DataUscita},
        -1,
        [](const QDate& today) { return QStringList{seasonFile(seasonOn(today))}; },
        QSize(1100, 620),
    };
    return definition;
}

}  // namespace membership
