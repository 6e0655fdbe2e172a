#include "hunters/TRecCacciatore.h"

#include "base/TextRules.h"
#include "records/FieldRules.h"

SELVADORO_DEFINE_RECORD(TRecCacciatore, SELVADORO_HUNTER_FIELDS, hunters::kFileName,
                        FieldEncoding::LengthPrefixed, hunters::kRecordSize)
static_assert(TRecCacciatore::Field::Count == 50);

namespace {

const QString kDateFormatHint = QStringLiteral(
    "Per poter salvare la scheda è necessario indicare una data valida nel formato "
    "gg/mm/aaaa.");

}  // namespace

namespace hunters {

std::optional<SaveCheck> checkForSave(const TRecCacciatore& card) {
    using text::trimBlanks;
    const auto warning = &missingField;
    if (trimBlanks(card.Cognome).isEmpty()) {
        return warning("il cognome del cacciatore.", "txtCognome");
    }
    if (trimBlanks(card.Nome).isEmpty()) return warning("il nome del cacciatore.", "txtNome");
    if (!trimBlanks(card.DataNasc).isEmpty() && card.DataNasc.size() < 10) {
        return warning("la data di nascita nel formato gg/mm/aaaa.", "txtDataNasc");
    }
    const QString issue = trimBlanks(card.Decorrenza);
    const QString expiry = trimBlanks(card.Scadenza);
    if (issue.isEmpty()) {
        return warning("la data di rilascio del porto di fucile.", "txtDecorrenza");
    }
    if (expiry.isEmpty()) {
        return warning("la data di scadenza del porto di fucile.", "txtScadenza");
    }
    const auto issueDate = fieldrules::parseDate(issue);
    if (!issueDate) {
        return SaveCheck{SaveCheck::Kind::Plain,
                         QStringLiteral("Attenzione: la data di rilascio del porto di fucile ") +
                             issue + QStringLiteral(" non esiste.\n\r\n\r") + kDateFormatHint,
                         QStringLiteral("txtDecorrenza")};
    }
    const auto expiryDate = fieldrules::parseDate(expiry);
    if (!expiryDate) {
        return SaveCheck{SaveCheck::Kind::Plain,
                         QStringLiteral("Attenzione: la data di scadenza del porto di fucile ") +
                             expiry + QStringLiteral(" non esiste.\n\r\n\r") + kDateFormatHint,
                         QStringLiteral("txtScadenza")};
    }
    if (*issueDate > *expiryDate) {
        return SaveCheck{
            SaveCheck::Kind::Plain,
            QStringLiteral("Attenzione: la data di scadenza del porto di fucile (") + expiry +
                QStringLiteral(") non può essere anteriore a quella di rilascio (") + issue +
                QStringLiteral(").\n\r\n\rPer poter salvare la scheda è necessario indicare un "
                               "intervallo di tempo valido."),
            QString()};
    }
    if (trimBlanks(card.Preavviso).isEmpty()) {
        return warning("i giorni di preavviso.", "txtPreavviso");
    }
    return std::nullopt;
}

QString formatTaxAmount(const QString& text) {
    return fieldrules::formattedAmount(text, 2);
}

const QStringList& provinces() {
    static const QStringList list =
        QStringLiteral(
            "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR "
            "CS "
            "CT CZ EE EN FC FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI "
            "MN "
            "MO MS MT NA NO NU OG OR OT PA PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM "
            "RN "
            "RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA VB VC VE VI VR VT VV")
            .split(u' ');
    return list;
}

}  // namespace hunters
