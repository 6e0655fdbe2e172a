#pragma once

#include <optional>

#include "records/RecordLayout.h"
#include "records/SaveCheck.h"

// One hunting trip of "Battute.pro": 20 zero-terminated fields, 13158
// bytes. F(field, capacity, control), in file order.
#define SELVADORO_HUNT_FIELDS(F)        \
    F(TipoBattuta, 250, txtTipoBattuta) \
    F(Stagione, 50, txtStagione)        \
    F(DataInizio, 10, txtDataInizio)    \
    F(DataFine, 10, txtDataFine)        \
    F(Preavviso, 3, txtPreavviso)       \
    F(Tenuta, 250, txtTenuta)           \
    F(Vitto, 250, txtVitto)             \
    F(Trasporto, 250, txtTrasporto)     \
    F(Squadra, 250, txtSquadra)         \
    F(Caposquadra, 50, txtCaposquadra)  \
    F(Quota, 15, txtQuota)              \
    F(Note, 250, txtNote)               \
    F(Cacciatori, 5000, txtCacciatori)  \
    F(Capi, 5000, txtCapi)              \
    SELVADORO_ATTACHMENT_FIELDS(F)

struct TRecBattuta {
    SELVADORO_RECORD_TYPE(TRecBattuta, SELVADORO_HUNT_FIELDS)
};

namespace hunts {

inline constexpr const char* kFileName = "Battute.pro";
inline constexpr int kRecordSize = 13158;

// The checks made before a hunt card is saved, in order: the kind of hunt,
// the start and end dates given, each a real date, the end not before the
// start, the days of notice given; the first that fails, or nothing.
std::optional<SaveCheck> checkForSave(const TRecBattuta& card);

// The fee as it is shown once the field is left, by the program's one
// amount rule (exact decimal, half up): "7" -> "7,00", "0,005" -> "0,01",
// "1,235" -> "1,24", "" or "1,2,3" -> "0,00".
QString formatFee(const QString& text);

}  // namespace hunts
