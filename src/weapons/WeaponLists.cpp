#include "weapons/WeaponLists.h"

#include "base/TextRules.h"
#include "weapons/TRecArma.h"
#include "weapons/WeaponHelp.h"

namespace weapons {
namespace {

using F = TRecArma::Field;

const RecordLayout& layout() {
    return TRecArma::layout();
}

// The line of a weapon in the search and in the for-sale summary: the make
// and model first, so the lists run alphabetically by it.
ItemFormat weaponItem() {
    return ItemFormat({{"", {F::Arma}, 34},
                       {"  Cal. ", {F::Calibro}, 10},
                       {"  Matr. ", {F::Matricola}, 24},
                       {"  ", {F::Proprietario}, 28},
                       {"  Anno: ", {F::Anno}, 10},
                       {"  Valore: € ", {F::Prezzo}}});
}

}  // namespace

bool forSaleCondition(const FieldValues& values, const QDate&) {
    return text::isFlagSet(values.value(F::InVendita));
}

// Two columns of five criteria; the highlights keep the names the window
// has always given them, which do not follow the order of the criteria.
const SearchDefinition& search() {
    static const SearchDefinition definition{
        "TfrmTrovaArmi",
        QStringLiteral(" Trova armi in schedario"),
        &layout(),
        {
            {"txtArma", "Arma (marca e modello):", F::Arma, "effCampo01"},
            {"txtAccessori", "Accessori:", F::Accessori, "effCampo02"},
            {"txtCalibro", "Calibro:", F::Calibro, "effCampo09"},
            {"txtAnno", "Anno:", F::Anno, "effCampo10"},
            {"txtMatricola", "Matricola n.", F::Matricola, "effCampo05"},
            {"txtMunizioni", "Munizioni e serbatoi:", F::Munizioni, "effCampo06"},
            {"txtProprietario", "Proprietario:", F::Proprietario, "effCampo07"},
            {"txtCodFisc", "Codice fiscale:", F::CodFisc, "effCampo08"},
            {"txtLuogo", "Luogo conservazione:", F::Luogo, "effCampo03"},
            {"txtNote", "Note:", F::Note, "effCampo04"},
        },
        weaponItem(),
        QStringLiteral("Riepilogo armi in schedario"),
        {
            {"armi", "TfrmArmi", true, {}},
        },
    };
    return definition;
}

const SummaryDefinition& forSaleSummary() {
    static const SummaryDefinition definition{
        "TfrmArmi_Disponibili",
        "armi-in-vendita",
        QStringLiteral(" Riepilogo armi in vendita"),
        &layout(),
        &forSaleCondition,
        {F::InVendita},
        weaponItem(),
        QStringLiteral("Riepilogo armi in vendita"),
        "TfrmArmi",
    };
    return definition;
}

const ExportDefinition& exporter() {
    static const ExportDefinition definition{
        "TfrmExpArmi",
        QStringLiteral(" Esporta schedario armi in Microsoft Excel"),
        &layout(),
        QStringLiteral("Schedario_Armi.xls"),
        QStringLiteral("Schedario Armi"),
        {
            fieldColumn("colArma", "Marca e modello", 250, 250, F::Arma),
            fieldColumn("colAccessori", "Accessori", 300, 400, F::Accessori),
            fieldColumn("colCalibro", "Calibro", 150, 200, F::Calibro),
            fieldColumn("colAnno", "Anno", 120, 200, F::Anno),
            fieldColumn("colMatricola", "Matricola n.", 200, 250, F::Matricola),
            fieldColumn("colPeso", "Peso in kg", 200, 250, F::Peso),
            fieldColumn("colComponenti", "Componenti", 300, 400, F::Componenti),
            fieldColumn("colDimensioni", "Dimensioni", 250, 300, F::Dimensioni),
            fieldColumn("colMunizioni", "Munizioni e serbatoi", 250, 300, F::Munizioni),
            fieldColumn("colLuogo", "Luogo conservazione", 250, 250, F::Luogo),
            fieldColumn("colProprietario", "Proprietario", 250, 250, F::Proprietario),
            fieldColumn("colCodFisc", "Codice fiscale", 180, 250, F::CodFisc),
            fieldColumn("colRecapito", "Tel. preferenziale", 180, 250, F::Recapito),
            fieldColumn("colNote", "Note", 350, 400, F::Note),
            fieldColumn("colValore", "Valore", 150, 200, F::Prezzo),
            fieldColumn("colVenduta", "In vendita", 120, 180, F::InVendita),
        },
        &exportTopic(),
    };
    return definition;
}

}  // namespace weapons
