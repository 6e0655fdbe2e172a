#include "deadlines/DeadlineLists.h"

#include "base/TextRules.h"
#include "deadlines/DeadlineHelp.h"
#include "deadlines/DeadlineRules.h"
#include "deadlines/TRecScadenza.h"
#include "hunters/HunterLists.h"
#include "records/FieldRules.h"

namespace deadlines {
namespace {

using text::trimBlanks;
using F = TRecScadenza::Field;

const RecordLayout& layout() {
    return TRecScadenza::layout();
}

ItemFormat deadlineItem() {
    return ItemFormat({{"", {F::Dettagli}, 32},
                       {"  Data: ", {F::Data}, 10},
                       {"  Ora: ", {F::Ora}, 5},
                       {"  ", {F::Cliente}, 30},
                       {"  ", {F::Oggetto}, 30},
                       {"  € ", {F::Costo}}});
}

// The search and the summaries lower only the letters A to Z.
ListStyle summaryStyle() {
    return ListStyle{
        .folding = CaseFolding::AtoZ,
        .windowSize = QSize(862, 560),
        .redHint = true,
    };
}

bool flagIs(const FieldValues& values, F::Id field, const QString& flag) {
    return trimBlanks(values.value(field)) == flag;
}

// The grid of the lists and of the yearly export: the fields of a
// deadline, the time and date first.
QList<ExportColumn> deadlineColumns() {
    return {
        fieldColumn("colData", "Data scadenza", 150, 150, F::Data),
        fieldColumn("colOraApp", "Ora appuntamento", 150, 150, F::Ora),
        fieldColumn("colCliente", "Cacciatore", 250, 250, F::Cliente),
        fieldColumn("colCodFisc", "Codice fiscale", 180, 200, F::CodFisc),
        fieldColumn("colRecapito", "Telefono preferenziale", 200, 200, F::Recapito),
        fieldColumn("colOggetto", "Oggetto pratica", 300, 300, F::Oggetto),
        fieldColumn("colTipologia", "Tipologia", 250, 250, F::Tipologia),
        fieldColumn("colProtocollo", "Protocollo n.", 250, 250, F::Protocollo),
        fieldColumn("colApertura", "Data apertura", 150, 150, F::Apertura),
        fieldColumn("colChiusura", "Data chiusura", 150, 150, F::Chiusura),
        fieldColumn("colStato", "Stato avanzamento", 250, 250, F::Stato),
        fieldColumn("colConsulente", "Consulente o curatore", 250, 250, F::Consulente),
        fieldColumn("colDettagli", "Causale scadenza", 300, 300, F::Dettagli),
        fieldColumn("colOfficina", "Modalità di pagamento", 300, 300, F::Officina),
        fieldColumn("colCosto", "Importo in euro", 180, 200, F::Costo),
        fieldColumn("colContatto", "Estremi ricevuta", 250, 250, F::Contatto),
        fieldColumn("colDaConfermare", "Appuntamento da confermare", 200, 250, F::DaConfermare),
        fieldColumn("colEffettuata", "Pagamento effettuato", 200, 250, F::Effettuata),
        fieldColumn("colNote", "Note", 300, 300, F::Note),
    };
}

// The lists' columns: the deadline's, then its chronological key, by which
// the rows are sorted.
QList<ExportColumn> listColumns() {
    QList<ExportColumn> columns = deadlineColumns();
    columns.append(ExportColumn{"colCodice",
                                QStringLiteral("Codice univoco"),
                                150,
                                150,
                                &chronologicalKey,
                                {F::Data, F::Giorno, F::OreApp, F::MinutiApp}});
    return columns;
}
constexpr int kKeyColumn = 19;

QStringList yearOf(const QDate& date) {
    return {yearFilePath(yearText(date.year()))};
}

// One of the three lists of the start panel.
ExportDefinition dateList(const char* windowName, const char* caption, const char* fileName,
                          const char* sheetName, const HelpTopic& guide,
                          std::function<bool(const FieldValues&, const QDate&)> selection,
                          std::vector<FieldId> selectionFields,
                          std::function<QStringList(const QDate&)> files, const char* commandName,
                          bool chosenDate) {
    return ExportDefinition{
        windowName,
        QString::fromUtf8(caption),
        &layout(),
        QString::fromUtf8(fileName),
        QString::fromUtf8(sheetName),
        listColumns(),
        &guide,
        std::move(selection),
        std::move(selectionFields),
        kKeyColumn,
        std::move(files),
        QSize(862, 560),
        commandName,
        chosenDate,
    };
}

}  // namespace

const PickerMode& hunterPicker() {
    static const PickerMode mode{"scadenzario",
                                 "TfrmScadenzario",
                                 false,
                                 {
                                     {"txtCliente", hunters::surnameAndName()},
                                     {"txtCodFisc", hunters::taxCode()},
                                     {"txtRecapito", hunters::preferredPhone()},
                                 }};
    return mode;
}

QString listItem(const FieldValues& values) {
    return search().itemText(values);
}

bool onDay(const FieldValues& values, const QDate& date) {
    return values.value(F::Data) == fieldrules::formatDate(date);
}

bool inMonth(const FieldValues& values, const QDate& date) {
    return foldCase(values.value(F::Mese), CaseFolding::AtoZ) ==
               foldCase(monthName(date.month()), CaseFolding::AtoZ) &&
           values.value(F::Anno) == yearText(date.year());
}

const SearchDefinition& search() {
    static const SearchDefinition definition{
        "TfrmTrovaScadenzario",
        QStringLiteral(" Trova scadenze e pagamenti in archivio"),
        &layout(),
        {
            {"txtData", "Data scadenza (gg/mm/aaaa):", F::Data},
            {"txtOra", "Ora appuntamento (hh:mm):", F::Ora},
            {"txtCliente", "Cacciatore:", F::Cliente},
            {"txtCodFisc", "Codice fiscale:", F::CodFisc},
            {"txtOggetto", "Oggetto pratica:", F::Oggetto},
            {"txtProtocollo", "Protocollo n.", F::Protocollo},
            {"txtStato", "Stato avanzamento:", F::Stato},
            {"txtConsulente", "Consulente o curatore:", F::Consulente},
            {"txtDettagli", "Causale scadenza:", F::Dettagli},
            {"txtNote", "Note:", F::Note},
        },
        deadlineItem(),
        QStringLiteral("Riepilogo scadenze e pagamenti"),
        {
            {"Scadenzario", "TfrmScadenzario", true, {}},
        },
        ListStyle{
            .folding = CaseFolding::AtoZ,
            .redHint = true,
            .criteriaInstruction = QStringLiteral(
                "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede "
                "da trovare e premere il pulsante Cerca. Lasciare in bianco tutti gli altri "
                "campi. Per ogni ricerca è possibile utilizzare uno o più campi "
                "contemporaneamente."),
            .findInstruction = QStringLiteral(
                "Immettere una o più parole consecutive presenti nella scheda in elenco da "
                "cercare e premere il pulsante Trova. Per spostarsi sulla voce successiva "
                "contenente la stessa chiave di ricerca, fare di nuovo clic su Trova."),
            .countText = QStringLiteral("Il presente elenco contiene %1 schede."),
        },
    };
    return definition;
}

const SummaryDefinition& paymentsToMake() {
    static const SummaryDefinition definition{
        "TfrmConfermati",
        "pagamenti-da-effettuare",
        QStringLiteral(" Riepilogo pagamenti da effettuare"),
        &layout(),
        [](const FieldValues& values, const QDate&) {
            return flagIs(values, F::Effettuata, text::kFlagNo);
        },
        {F::Effettuata},
        deadlineItem(),
        QStringLiteral("Riepilogo pagamenti da effettuare"),
        "TfrmScadenzario",
        summaryStyle(),
    };
    return definition;
}

const SummaryDefinition& paymentsMade() {
    static const SummaryDefinition definition{
        "TfrmNonConfermati",
        "pagamenti-effettuati",
        QStringLiteral(" Riepilogo pagamenti effettuati"),
        &layout(),
        [](const FieldValues& values, const QDate&) {
            return flagIs(values, F::Effettuata, text::kFlagYes);
        },
        {F::Effettuata},
        deadlineItem(),
        QStringLiteral("Riepilogo pagamenti effettuati"),
        "TfrmScadenzario",
        summaryStyle(),
    };
    return definition;
}

const SummaryDefinition& appointmentsToConfirm() {
    static const SummaryDefinition definition{
        "TfrmDaConfermare",
        "appuntamenti-da-confermare",
        QStringLiteral(" Riepilogo appuntamenti da confermare"),
        &layout(),
        [](const FieldValues& values, const QDate&) {
            return flagIs(values, F::DaConfermare, text::kFlagYes);
        },
        {F::DaConfermare},
        deadlineItem(),
        QStringLiteral("Riepilogo appuntamenti da confermare"),
        "TfrmScadenzario",
        summaryStyle(),
    };
    return definition;
}

const ExportDefinition& exporter() {
    static const ExportDefinition definition{
        "TfrmExpScadenzario",
        QStringLiteral(" Esporta archivio scadenze e pagamenti"),
        &layout(),
        QStringLiteral("Scadenze_e_Appuntamenti.xls"),
        QStringLiteral("Scadenze e appuntamenti"),
        deadlineColumns(),
        &exportTopic(),
    };
    return definition;
}

const ExportDefinition& dayList() {
    static const ExportDefinition definition = dateList(
        "TfrmExpGiornaliere", " Scadenze del giorno", "Scadenze_Giornaliere.xls",
        "Scadenze del giorno", listsTopic(), &onDay, {F::Data}, &yearOf, "scadenze-giorno", true);
    return definition;
}

const ExportDefinition& monthList() {
    static const ExportDefinition definition = dateList(
        "TfrmExpMensili", " Scadenze del mese", "Scadenze_Mensili.xls", "Scadenze del mese",
        monthListTopic(), &inMonth, {F::Mese, F::Anno}, &yearOf, "scadenze-mese", true);
    return definition;
}

const ExportDefinition& imminentList() {
    static const ExportDefinition definition =
        dateList("TfrmExpImminenti", " Scadenze imminenti", "Scadenze_Imminenti.xls",
                 "Scadenze imminenti", listsTopic(), &isImminent, {F::Data, F::Avviso},
                 &imminentFiles, "scadenze-imminenti", false);
    return definition;
}

}  // namespace deadlines
