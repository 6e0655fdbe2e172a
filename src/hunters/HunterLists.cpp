#include "hunters/HunterLists.h"

#include "archive/FieldRules.h"
#include "base/TextRules.h"
#include "hunters/TRecCacciatore.h"

namespace hunters {
namespace {

using text::trimBlanks;

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

bool permitCondition(const FieldValues& values, const QDate& today) {
    static const qsizetype expiryField = layout().indexOfField(u"Scadenza");
    static const qsizetype noticeField = layout().indexOfField(u"Preavviso");
    const auto expiry = fieldrules::parseDate(values.value(expiryField));
    bool isNumber = false;
    const int notice = trimBlanks(values.value(noticeField)).toInt(&isNumber);
    return expiry && isNumber && expiry->addDays(-notice) <= today;
}

const SearchDefinition& search() {
    const ValueFn name = joinedFields(layout(), {"Cognome", "Nome"});
    const auto field = [](const char* f) { return joinedFields(layout(), {f}); };
    static const SearchDefinition definition{
        "TfrmTrovaAnagrafica",
        QStringLiteral(" Trova cacciatori in archivio"),
        &layout(),
        {
            {"txtCognome", "Cognome:", "Cognome"},
            {"txtNome", "Nome:", "Nome"},
            {"txtCivile", "Codice ID cacciatore:", "Civile"},
            {"txtConiuge", "Tesserino venatorio n.", "Coniuge"},
            {"txtCodFisc", "Codice fiscale:", "CodFisc"},
            {"txtIva", "Partita IVA:", "Iva"},
            {"txtIngresso", "Ambiti Territoriali di Caccia (A.T.C.):", "Ingresso"},
            {"txtPermesso", "Squadra di caccia:", "Permesso"},
            {"txtPrecedenti", "Armi da caccia possedute:", "Precedenti"},
            {"txtNote", "Note:", "Note"},
        },
        ItemFormat(layout(), {{"", {"Cognome", "Nome"}, 28},
                              {"  C.F. ", {"CodFisc"}, 16},
                              {"  Tel. ", {"Recapito"}, 14},
                              {"  Squadra: ", {"Permesso"}, 26},
                              {"  Iscriz. ", {"ScadePer"}, 10},
                              {"  ID: ", {"Civile"}}}),
        QStringLiteral("Anagrafica cacciatori"),
        {
            {"anagrafica", "TfrmAnagrafica", true, {}},
            {"scadenzario",
             "TfrmScadenzario",
             false,
             {{"txtCliente", name},
              {"txtCodFisc", field("CodFisc")},
              {"txtRecapito", field("Recapito")}}},
            {"armi",
             "TfrmArmi",
             false,
             {{"txtProprietario", name},
              {"txtCodFisc", field("CodFisc")},
              {"txtRecapito", field("Recapito")}}},
            {"battute", "TfrmBattute", false, {{"txtCaposquadra", name}}},
            {"squadre_caposquadra", "TfrmSquadre", false, {{"txtCaposquadra", name}}},
            {"squadre_vicecapo", "TfrmSquadre", false, {{"txtVicecapo", name}}},
            {"squadre_capocanaio", "TfrmSquadre", false, {{"txtCapocanaio", name}}},
            {"squadre_capoposta", "TfrmSquadre", false, {{"txtCapoposta", name}}},
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
        ItemFormat(layout(), {{"", {"Cognome", "Nome"}, 30},
                              {"  C.F. ", {"CodFisc"}, 16},
                              {"  Tel. ", {"Recapito"}, 15},
                              {"  ID: ", {"Civile"}, 25},
                              {"  Scad. porto: ", {"Scadenza"}, 10},
                              {"  Tassa: € ", {"Totale"}}}),
        QStringLiteral("Riepilogo cacciatori con porto di fucile in scadenza o scaduto"),
        "TfrmAnagrafica",
    };
    return definition;
}

const ExportDefinition& exporter() {
    const RecordLayout& l = layout();
    static const ExportDefinition definition{
        "TfrmExpAnagrafica",
        QStringLiteral(" Esporta archivio anagrafico cacciatori in Microsoft Excel"),
        &l,
        QStringLiteral("Anagrafica_Cacciatori.xls"),
        QStringLiteral("Anagrafica Cacciatori"),
        {
            joinedColumn(l, "colDipendente", "Cognome e nome", 250, 250, {"Cognome", "Nome"}),
            fieldColumn(l, "colCodFisc", "Codice fiscale", 150, 200, "CodFisc"),
            fieldColumn(l, "colDataNasc", "Data di nascita", 120, 200, "DataNasc"),
            fieldColumn(l, "colStatoCit", "Gruppo sanguigno", 150, 250, "StatoCit"),
            fieldColumn(l, "colIva", "Partita IVA", 150, 200, "Iva"),
            fieldColumn(l, "colIndirizzo", "Indirizzo di residenza", 250, 250, "Indirizzo"),
            fieldColumn(l, "colComuneRes", "Comune di residenza", 250, 250, "ComuneRes"),
            fieldColumn(l, "colRecapito", "Tel. preferenziale", 200, 250, "Recapito"),
            fieldColumn(l, "colTelCasa", "Tel. casa", 200, 200, "TelCasa"),
            fieldColumn(l, "colTelCel", "Tel. cellulare", 200, 200, "TelCel"),
            fieldColumn(l, "colEmail", "E-mail", 250, 250, "Email"),
            fieldColumn(l, "colCivile", "Codice ID", 200, 250, "Civile"),
            fieldColumn(l, "colConiuge", "Tesserino venatorio n.", 250, 300, "Coniuge"),
            fieldColumn(l, "colFigli", "Stagione venatoria", 250, 300, "Figli"),
            fieldColumn(l, "colIban", "IBAN", 250, 300, "Iban"),
            fieldColumn(l, "colIntestatario", "Intestatario C/C", 250, 250, "Intestatario"),
            fieldColumn(l, "colDatore", "Porto di fucile n.", 250, 300, "Datore"),
            fieldColumn(l, "colContratto", "Questura", 250, 300, "Contratto"),
            fieldColumn(l, "colTipoDoc", "Tipo documento", 250, 250, "TipoDoc"),
            fieldColumn(l, "colNumDoc", "Numero documento", 200, 250, "NumDoc"),
            fieldColumn(l, "colEnteRil", "Ente rilascio", 250, 250, "EnteRil"),
            fieldColumn(l, "colDataRil", "Data rilascio", 200, 200, "DataRil"),
            fieldColumn(l, "colDataSca", "Scad. documento", 200, 200, "DataSca"),
            fieldColumn(l, "colScadePer", "Data iscrizione", 180, 200, "ScadePer"),
            fieldColumn(l, "colNote", "Note", 300, 300, "Note"),
        },
        HelpTopicId::HuntersExport,
    };
    return definition;
}

const ArchiveLists& lists() {
    static const ArchiveLists archive{"anagrafica", &search(), &exporter(), {&permitSummary()}};
    return archive;
}

}  // namespace hunters
