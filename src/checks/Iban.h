#pragma once

#include <QString>

#include "checks/CheckVerdict.h"

// The Italian IBAN: 27 characters, the country, two check digits and the
// account. It is right when the number formed from it, rearranged, leaves
// the remainder 1 when divided by 97.
namespace checks {

// The remainder of an IBAN: blanks removed and upper case, a first "IBAN"
// dropped, the first four characters moved to the end, every letter
// replaced by its number (A = 10 ... Z = 35), the digits divided by 97 in
// pieces of at most nine digits. 0 when anything but letters and digits
// is left, and for an empty text.
int ibanRemainder(const QString& text);

// The verdict on an IBAN as typed: it is trimmed, and any length but 27
// cannot be checked (blanks inside count).
Verdict checkIban(const QString& text);

}  // namespace checks
