#include "hunters/HunterSheet.h"

#include <array>

namespace hunters {
namespace {

using F = TRecCacciatore::Field;
using report::SheetRow;

const std::array kRows{
    SheetRow{"Cognome e nome:", "txtRichiedente", F::Cognome, " ", F::Nome},
    SheetRow{"Codice fiscale:", "txtCodFisc", F::CodFisc},
    SheetRow{"Sesso:", "txtSesso", F::Sesso},
    SheetRow{"Data di nascita:", "txtDataNasc", F::DataNasc},
    SheetRow{"Città di nascita:", "txtCittaNasc", F::CittaNasc, "  ", F::StatoNasc},
    SheetRow{"Partita IVA:", "txtIva", F::Iva},
    SheetRow{"Via e numero civico:", "txtIndirizzo", F::Indirizzo},
    SheetRow{"CAP:", "txtCap", F::Cap},
    SheetRow{"Comune di residenza:", "txtComuneRes", F::ComuneRes, " ", F::ProvRes},
    SheetRow{"Gruppo sanguigno:", "txtStatoCit", F::StatoCit},
    SheetRow{"Ambiti Territoriali Caccia:", "txtIngresso", F::Ingresso},
    SheetRow{"Tel. preferenziale:", "txtRecapito", F::Recapito},
    SheetRow{"Tel. casa:", "txtTelCasa", F::TelCasa},
    SheetRow{"Tel cellulare:", "txtTelCel", F::TelCel},
    SheetRow{"Tel. ufficio:", "txtTelUff", F::TelUff},
    SheetRow{"E-mail:", "txtEmail", F::Email},
    SheetRow{"Squadra di caccia:", "txtPermesso", F::Permesso},
    SheetRow{"Data iscrizione:", "txtScadePer", F::ScadePer},
    SheetRow{"Forme di caccia:", "txtComuniSog", F::ComuniSog},
    SheetRow{"IBAN:", "txtIban", F::Iban},
    SheetRow{"Intestatario C/C:", "txtIntestatario", F::Intestatario},
    SheetRow{"Banca:", "txtBanca", F::Banca},
    SheetRow{"Carta di credito n.", "txtCarta", F::Carta},
    SheetRow{"Scadenza carta di credito:", "txtScadeCarta", F::ScadeCarta},
    SheetRow{"Polizze assicurative:", "txtTipoLavoro", F::TipoLavoro},
    SheetRow{"Armi da caccia possedute:", "txtPrecedenti", F::Precedenti},
    SheetRow{"Note:", "txtNote", F::Note},
    SheetRow{"Tipo documento:", "txtTipoDoc", F::TipoDoc},
    SheetRow{"Numero documento:", "txtNumDoc", F::NumDoc},
    SheetRow{"Ente di rilascio:", "txtEnteRil", F::EnteRil},
    SheetRow{"Data di rilascio:", "txtDataRil", F::DataRil},
    SheetRow{"Data di scadenza:", "txtDataSca", F::DataSca},
    SheetRow{"Codice ID cacciatore:", "txtCivile", F::Civile},
    SheetRow{"Tesserino venatorio n.", "txtConiuge", F::Coniuge},
    SheetRow{"Stagione venatoria:", "txtFigli", F::Figli},
    SheetRow{"Porto di fucile n.", "txtDatore", F::Datore},
    SheetRow{"Data rilascio:", "txtDecorrenza", F::Decorrenza},
    SheetRow{"Prossima scadenza:", "txtScadenza", F::Scadenza},
    SheetRow{"Importo tassa: €", "txtTotale", F::Totale},
    SheetRow{"Questura:", "txtContratto", F::Contratto},
};
static_assert(kRows.size() == 40);

const report::CardSheet kSheet{"SCHEDA INFORMATIVA CACCIATORE", kRows};

}  // namespace

report::Report hunterSheet(const TRecCacciatore& card, const QDateTime& now,
                           const QLocale& locale) {
    return report::cardSheet(kSheet, card.toValues(), now, locale);
}

report::Report hunterSheetOfTexts(const FieldValues& cardTexts, const QDateTime& now) {
    return report::cardSheet(kSheet, cardTexts, now);
}

}  // namespace hunters
