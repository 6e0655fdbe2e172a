#pragma once

#include <QDate>
#include <QString>

#include "records/RecordLayout.h"

// One member's membership of one season, in the season's file
// "Tesseramento-<first year>.tes": 16 length-prefixed fields, 557 bytes.
// The member is the hunter of record `Scheda` of the hunters' archive.
// F(field, capacity, control), in file order.
#define SELVADORO_MEMBERSHIP_FIELDS(F) \
    F(Stagione, 9, lblStagione)        \
    F(Scheda, 10, txtScheda)           \
    F(Socio, 101, txtSocio)            \
    F(CodFisc, 16, txtCodFisc)         \
    F(Quota, 30, txtQuota)             \
    F(Importo, 15, txtImporto)         \
    F(Stato, 12, txtStato)             \
    F(DataPag, 10, txtDataPag)         \
    F(Metodo, 12, txtMetodo)           \
    F(Ricevuta, 10, txtRicevuta)       \
    F(AnnoRic, 4, txtAnnoRic)          \
    F(Polizza, 30, txtPolizza)         \
    F(ScadePol, 10, txtScadePol)       \
    F(DataUscita, 10, txtDataUscita)   \
    F(Motivo, 12, txtMotivo)           \
    F(Note, 250, txtNote)

struct TRecTessera {
    SELVADORO_RECORD_TYPE(TRecTessera, SELVADORO_MEMBERSHIP_FIELDS)
};

namespace membership {

inline constexpr int kRecordSize = 557;

// A season "2026/2027": two years of four digits, the second the first
// plus one. Its file is named after its first year.
bool isSeason(const QString& text);
// "2026/2027" -> "2026"; empty for what is no season.
QString seasonYear(const QString& season);
// "2026" -> "2026/2027"; empty for what is no four-digit year.
QString seasonOfYear(const QString& year);
// The season a day falls in, by the season's first day of the settings.
QString seasonOn(const QDate& day);
// The first and last day of a season (valid season only).
QDate seasonFirstDay(const QString& season);
QDate seasonLastDay(const QString& season);

// "<data folder>/Tesseramento-<year>.tes" for the season starting in that
// four-digit year; anything else is refused before it becomes a path.
QString seasonFilePath(const QString& year);
QString seasonFile(const QString& season);

}  // namespace membership
