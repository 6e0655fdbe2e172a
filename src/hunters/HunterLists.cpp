#include "hunters/HunterLists.h"

#include "base/TextRules.h"
#include "hunters/HunterHelp.h"
#include "hunters/TRecCacciatore.h"
#include "records/FieldRules.h"

namespace hunters {
namespace {

using text::trimBlanks;
using F = TRecCacciatore::Field;

const RecordLayout& layout() {
    return TRecCacciatore::layout();
}

}  // namespace

QString searchItem(const FieldValues& values) {
    return search().itemText(values);
}

QString summaryItem(const FieldValues& values) {
    return permitSummary().itemText(values);
}

ValueFn surnameAndName() {
    return joinedFields({F::Cognome, F::Nome});
}

ValueFn taxCode() {
    return joinedFields({F::CodFisc});
}

ValueFn preferredPhone() {
    return joinedFields({F::Recapito});
}

Person person(const FieldValues& values) {
    const auto field = [&](F::Id id) { return trimBlanks(values.value(id)); };
    QString place = field(F::CittaNasc);
    if (!field(F::StatoNasc).isEmpty() && field(F::StatoNasc) != QStringLiteral("Italia")) {
        place += (place.isEmpty() ? QString() : QStringLiteral(" (")) + field(F::StatoNasc) +
                 (place.isEmpty() ? QString() : QStringLiteral(")"));
    }
    QStringList town;
    for (const F::Id id : {F::Cap, F::ComuneRes}) {
        if (!field(id).isEmpty()) town.append(field(id));
    }
    QString residence = town.join(u' ');
    if (!field(F::ProvRes).isEmpty()) residence += QStringLiteral(" (") + field(F::ProvRes) + u')';
    if (!field(F::Indirizzo).isEmpty()) {
        residence = field(F::Indirizzo) + (residence.isEmpty() ? QString() : QStringLiteral(", ")) +
                    residence;
    }
    return Person{field(F::Cognome),  field(F::Nome), field(F::CodFisc),
                  field(F::DataNasc), place,          residence,
                  field(F::ScadePer)};
}

bool permitCondition(const FieldValues& values, const QDate& today) {
    const auto expiry = fieldrules::parseDate(values.value(F::Scadenza));
    bool isNumber = false;
    const int notice = trimBlanks(values.value(F::Preavviso)).toInt(&isNumber);
    return expiry && isNumber && expiry->addDays(-notice) <= today;
}

const SearchDefinition& search() {
    static const SearchDefinition definition{
        "TfrmTrovaAnagrafica",
        QStringLiteral(" Trova cacciatori in archivio"),
        &layout(),
        {
            {"txtCognome", "Cognome:", F::Cognome},
            {"txtNome", "Nome:", F::Nome},
            {"txtCivile", "Codice ID cacciatore:", F::Civile},
            {"txtConiuge", "Tesserino venatorio n.", F::Coniuge},
            {"txtCodFisc", "Codice fiscale:", F::CodFisc},
            {"txtIva", "Partita IVA:", F::Iva},
            {"txtIngresso", "Ambiti Territoriali di Caccia (A.T.C.):", F::Ingresso},
            {"txtPermesso", "Squadra di caccia:", F::Permesso},
            {"txtPrecedenti", "Armi da caccia possedute:", F::Precedenti},
            {"txtNote", "Note:", F::Note},
        },
        ItemFormat({{"", {F::Cognome, F::Nome}, 28},
                    {"  C.F. ", {F::CodFisc}, 16},
                    {"  Tel. ", {F::Recapito}, 14},
                    {"  Squadra: ", {F::Permesso}, 26},
                    {"  Iscriz. ", {F::ScadePer}, 10},
                    {"  ID: ", {F::Civile}}}),
        QStringLiteral("Anagrafica cacciatori"),
        {
            {"anagrafica", "TfrmAnagrafica", true, {}},
        },
    };
    return definition;
}

const SummaryDefinition& permitSummary() {
    static const SummaryDefinition definition{
        "TfrmContrattiScaduti",
        "porto-scadenza",
        QStringLiteral(" Riepilogo cacciatori con porto di fucile in scadenza o scaduto"),
        &layout(),
        &permitCondition,
        {F::Scadenza, F::Preavviso},
        ItemFormat({{"", {F::Cognome, F::Nome}, 30},
                    {"  C.F. ", {F::CodFisc}, 16},
                    {"  Tel. ", {F::Recapito}, 15},
                    {"  ID: ", {F::Civile}, 25},
                    {"  Scad. porto: ", {F::Scadenza}, 10},
                    {"  Tassa: € ", {F::Totale}}}),
        QStringLiteral("Riepilogo cacciatori con porto di fucile in scadenza o scaduto"),
        "TfrmAnagrafica",
    };
    return definition;
}

const ExportDefinition& exporter() {
    static const ExportDefinition definition{
        "TfrmExpAnagrafica",
        QStringLiteral(" Esporta archivio anagrafico cacciatori in Microsoft Excel"),
        &layout(),
        QStringLiteral("Anagrafica_Cacciatori.xls"),
        QStringLiteral("Anagrafica Cacciatori"),
        {
            joinedColumn("colDipendente", "Cognome e nome", 250, 250, {F::Cognome, F::Nome}),
            fieldColumn("colCodFisc", "Codice fiscale", 150, 200, F::CodFisc),
            fieldColumn("colDataNasc", "Data di nascita", 120, 200, F::DataNasc),
            fieldColumn("colStatoCit", "Gruppo sanguigno", 150, 250, F::StatoCit),
            fieldColumn("colIva", "Partita IVA", 150, 200, F::Iva),
            fieldColumn("colIndirizzo", "Indirizzo di residenza", 250, 250, F::Indirizzo),
            fieldColumn("colComuneRes", "Comune di residenza", 250, 250, F::ComuneRes),
            fieldColumn("colRecapito", "Tel. preferenziale", 200, 250, F::Recapito),
            fieldColumn("colTelCasa", "Tel. casa", 200, 200, F::TelCasa),
            fieldColumn("colTelCel", "Tel. cellulare", 200, 200, F::TelCel),
            fieldColumn("colEmail", "E-mail", 250, 250, F::Email),
            fieldColumn("colCivile", "Codice ID", 200, 250, F::Civile),
            fieldColumn("colConiuge", "Tesserino venatorio n.", 250, 300, F::Coniuge),
            fieldColumn("colFigli", "Stagione venatoria", 250, 300, F::Figli),
            fieldColumn("colIban", "IBAN", 250, 300, F::Iban),
            fieldColumn("colIntestatario", "Intestatario C/C", 250, 250, F::Intestatario),
            fieldColumn("colDatore", "Porto di fucile n.", 250, 300, F::Datore),
            fieldColumn("colContratto", "Questura", 250, 300, F::Contratto),
            fieldColumn("colTipoDoc", "Tipo documento", 250, 250, F::TipoDoc),
            fieldColumn("colNumDoc", "Numero documento", 200, 250, F::NumDoc),
            fieldColumn("colEnteRil", "Ente rilascio", 250, 250, F::EnteRil),
            fieldColumn("colDataRil", "Data rilascio", 200, 200, F::DataRil),
            fieldColumn("colDataSca", "Scad. documento", 200, 200, F::DataSca),
            fieldColumn("colScadePer", "Data iscrizione", 180, 200, F::ScadePer),
            fieldColumn("colNote", "Note", 300, 300, F::Note),
        },
        &exportTopic(),
    };
    return definition;
}

}  // namespace hunters
