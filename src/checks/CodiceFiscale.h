#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

#include "checks/CheckVerdict.h"

// The codice fiscale of a person: sixteen characters whose last one is a
// check letter computed from the other fifteen. Only the check letter is
// verified; the letters of the name, the date and the place are not.
namespace checks {

// The check letter of the first fifteen characters of a code (upper case),
// or nothing when one of them is outside "0".."Z" and so has no value.
std::optional<QChar> codiceFiscaleCheckChar(QStringView first15);

// True for sixteen characters whose last one is the check letter of the
// others. Expects upper case.
bool isCodiceFiscaleValid(QStringView code);

// The verdict on a code as typed: it is taken in upper case; any length
// but sixteen cannot be checked.
Verdict checkCodiceFiscale(const QString& text);

}  // namespace checks
