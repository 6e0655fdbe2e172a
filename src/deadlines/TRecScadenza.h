#pragma once

#include <QString>

#include "records/RecordLayout.h"

// One deadline, appointment or payment of a yearly file "<anno>.sca": 25
// length-prefixed fields, 1328 bytes. F(field, capacity, control), in file
// order.
#define SELVADORO_DEADLINE_FIELDS(F)    \
    F(Giorno, 2, txtGiorno)             \
    F(Mese, 10, txtMese)                \
    F(Anno, 4, lblAnno)                 \
    F(Data, 10, lblData)                \
    F(OreApp, 2, txtOreApp)             \
    F(MinutiApp, 2, txtMinutiApp)       \
    F(Ora, 5, lblOra)                   \
    F(Avviso, 3, txtAvviso)             \
    F(Cliente, 50, txtCliente)          \
    F(CodFisc, 16, txtCodFisc)          \
    F(Recapito, 50, txtRecapito)        \
    F(Oggetto, 250, txtOggetto)         \
    F(Tipologia, 50, txtTipologia)      \
    F(Protocollo, 30, txtProtocollo)    \
    F(Apertura, 10, txtApertura)        \
    F(Chiusura, 10, txtChiusura)        \
    F(Stato, 30, txtStato)              \
    F(Consulente, 50, txtConsulente)    \
    F(Dettagli, 250, txtDettagli)       \
    F(Officina, 150, txtOfficina)       \
    F(Costo, 15, txtCosto)              \
    F(Contatto, 50, txtContatto)        \
    F(Note, 250, txtNote)               \
    F(DaConfermare, 2, chkDaConfermare) \
    F(Effettuata, 2, chkEffettuata)

struct TRecScadenza {
    SELVADORO_RECORD_TYPE(TRecScadenza, SELVADORO_DEADLINE_FIELDS)
};

namespace deadlines {

inline constexpr int kRecordSize = 1328;

// "<data folder>/<year>.sca". The year is four digits; anything else is
// refused before it becomes a path.
QString yearFilePath(const QString& year);

// Whether a text is a year the program takes: exactly four digits 0-9.
bool isYear(const QString& text);

}  // namespace deadlines
