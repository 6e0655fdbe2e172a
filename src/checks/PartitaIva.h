#pragma once

#include <QString>
#include <QStringView>

#include "checks/CheckVerdict.h"

// The partita IVA: eleven digits, the seven of the holder, the three of the
// VAT office that issued it and a check digit.
namespace checks {

// The name of the VAT office with a three-digit code ("058" -> "Roma 1"),
// empty for a code that names no office.
QString ufficioIva(QStringView code);

// True for eleven digits whose last one is the check digit of the others.
bool isPartitaIvaValid(QStringView number);

// The verdict on a number as typed; any length but eleven cannot be
// checked. A right number names its office.
Verdict checkPartitaIva(const QString& text);

}  // namespace checks
