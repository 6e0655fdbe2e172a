#pragma once

#include <optional>

#include "archive/RecordLayout.h"
#include "archive/SaveCheck.h"

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
    F(File01, 250, lblFile01)             \
    F(File02, 250, lblFile02)             \
    F(File03, 250, lblFile03)             \
    F(Desc01, 250, lblDesc01)             \
    F(Desc02, 250, lblDesc02)             \
    F(Desc03, 250, lblDesc03)

struct TRecComunicazione {
    SELVADORO_RECORD_FIELDS(SELVADORO_COMMUNICATION_FIELDS)

    static const RecordLayout& layout();
    static TRecComunicazione fromValues(const FieldValues& values);
    FieldValues toValues() const;
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
