#pragma once

#include <optional>

#include "records/RecordLayout.h"
#include "records/SaveCheck.h"

// One hunter of "Cacciatori.pro": 50 length-prefixed fields, 5090 bytes.
// F(field, capacity, control), in file order.
#define SELVADORO_HUNTER_FIELDS(F)       \
    F(Cognome, 50, txtCognome)           \
    F(Nome, 50, txtNome)                 \
    F(CodFisc, 16, txtCodFisc)           \
    F(Sesso, 1, txtSesso)                \
    F(DataNasc, 10, txtDataNasc)         \
    F(CittaNasc, 50, txtCittaNasc)       \
    F(StatoNasc, 50, txtStatoNasc)       \
    F(Iva, 11, txtIva)                   \
    F(Indirizzo, 120, txtIndirizzo)      \
    F(Cap, 5, txtCap)                    \
    F(ComuneRes, 50, txtComuneRes)       \
    F(ProvRes, 2, txtProvRes)            \
    F(StatoCit, 50, txtStatoCit)         \
    F(Ingresso, 250, txtIngresso)        \
    F(Recapito, 50, txtRecapito)         \
    F(TelCasa, 50, txtTelCasa)           \
    F(TelCel, 50, txtTelCel)             \
    F(TelUff, 50, txtTelUff)             \
    F(Email, 120, txtEmail)              \
    F(Permesso, 50, txtPermesso)         \
    F(ScadePer, 10, txtScadePer)         \
    F(ComuniSog, 250, txtComuniSog)      \
    F(Iban, 27, txtIban)                 \
    F(Intestatario, 50, txtIntestatario) \
    F(Banca, 50, txtBanca)               \
    F(Carta, 50, txtCarta)               \
    F(ScadeCarta, 10, txtScadeCarta)     \
    F(TipoLavoro, 250, txtTipoLavoro)    \
    F(Precedenti, 250, txtPrecedenti)    \
    F(Note, 250, txtNote)                \
    F(TipoDoc, 50, txtTipoDoc)           \
    F(NumDoc, 50, txtNumDoc)             \
    F(EnteRil, 50, txtEnteRil)           \
    F(DataRil, 10, txtDataRil)           \
    F(DataSca, 10, txtDataSca)           \
    F(Civile, 50, txtCivile)             \
    F(Coniuge, 250, txtConiuge)          \
    F(Figli, 250, txtFigli)              \
    F(Datore, 250, txtDatore)            \
    F(Decorrenza, 10, txtDecorrenza)     \
    F(Scadenza, 10, txtScadenza)         \
    F(Preavviso, 3, txtPreavviso)        \
    F(Totale, 15, txtTotale)             \
    F(Contratto, 250, txtContratto)      \
    SELVADORO_ATTACHMENT_FIELDS(F)

struct TRecCacciatore {
    SELVADORO_RECORD_TYPE(TRecCacciatore, SELVADORO_HUNTER_FIELDS)
};

namespace hunters {

inline constexpr const char* kFileName = "Cacciatori.pro";
inline constexpr int kRecordSize = 5090;

// The checks made before a hunter card is saved, in order; the first that
// fails, or nothing when the card may be saved. The record holds the
// card's texts as typed.
std::optional<SaveCheck> checkForSave(const TRecCacciatore& card);

// The tax amount as it is shown once the field is left: "7," -> "7,00",
// ",5" -> "0,50", "" -> "0,00", "3,456" -> "3,46", "abc" -> "0,00".
QString formatTaxAmount(const QString& text);

// The provinces offered by the province drop-down, in order.
const QStringList& provinces();

}  // namespace hunters
