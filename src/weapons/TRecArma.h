#pragma once

#include <optional>

#include "records/RecordLayout.h"
#include "records/SaveCheck.h"

// One weapon of "Schedario_Armi.pro": 22 length-prefixed fields, 3385
// bytes. F(field, capacity, control), in file order.
#define SELVADORO_WEAPON_FIELDS(F)       \
    F(Arma, 50, txtArma)                 \
    F(Accessori, 250, txtAccessori)      \
    F(Calibro, 50, txtCalibro)           \
    F(Anno, 50, txtAnno)                 \
    F(Matricola, 50, txtMatricola)       \
    F(Peso, 50, txtPeso)                 \
    F(Componenti, 250, txtComponenti)    \
    F(Dimensioni, 250, txtDimensioni)    \
    F(Munizioni, 250, txtMunizioni)      \
    F(Luogo, 250, txtLuogo)              \
    F(Proprietario, 50, txtProprietario) \
    F(CodFisc, 16, txtCodFisc)           \
    F(Recapito, 30, txtRecapito)         \
    F(Note, 250, txtNote)                \
    F(Prezzo, 15, txtPrezzo)             \
    F(InVendita, 2, chkSegnala)          \
    SELVADORO_ATTACHMENT_FIELDS(F)

struct TRecArma {
    SELVADORO_RECORD_TYPE(TRecArma, SELVADORO_WEAPON_FIELDS)
};

namespace weapons {

inline constexpr const char* kFileName = "Schedario_Armi.pro";
inline constexpr int kRecordSize = 3385;

// The checks made before a weapon card is saved, in order: make and model,
// calibre, owner, value; the first that fails, or nothing.
std::optional<SaveCheck> checkForSave(const TRecArma& card);

// The value as it is shown once the field is left, by the program's one
// amount rule (exact decimal, half up): "7" -> "7,00", ",5" -> "0,50",
// "12,345" -> "12,35", "1,005" -> "1,01", "" or "1,2,3" -> "0,00".
QString formatValue(const QString& text);

}  // namespace weapons
