#pragma once

#include <optional>

#include "records/RecordLayout.h"
#include "records/SaveCheck.h"

// One communication of "Comunicazioni.pro": 17 zero-terminated fields,
// 17629 bytes. F(field, capacity, control), in file order.
#define SELVADORO_COMMUNICATION_FIELDS(F) \
    F(Oggetto, 250, txtOggetto)           \
    F(Autore, 50, txtAutore)              \
    F(Squadra, 250, txtSquadra)           \
    F(Caposquadra, 50, txtCaposquadra)    \
    F(DataInvio, 10, txtDataInvio)        \
    F(Note, 250, txtNote)                 \
    F(Cacciatori, 5000, txtCacciatori)    \
    F(Email, 5000, txtEmail)              \
    F(Messaggio, 5000, txtMessaggio)      \
    F(Riscontro, 250, txtRiscontro)       \
    F(Segnala, 2, chkSegnala)             \
    SELVADORO_ATTACHMENT_FIELDS(F)

struct TRecComunicazione {
    SELVADORO_RECORD_TYPE(TRecComunicazione, SELVADORO_COMMUNICATION_FIELDS)
};

namespace communications {

inline constexpr const char* kFileName = "Comunicazioni.pro";
inline constexpr int kRecordSize = 17629;

// The checks made before a communication is saved, in order: subject,
// author, team, date of sending, addresses, text; the first that fails, or
// nothing.
std::optional<SaveCheck> checkForSave(const TRecComunicazione& card);

// The checks made before a communication is sent by e-mail, in order:
// subject, addresses, text; the first that fails, or nothing.
std::optional<SaveCheck> checkForSending(const TRecComunicazione& card);

}  // namespace communications
