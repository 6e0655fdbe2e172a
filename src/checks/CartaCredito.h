#pragma once

#include <QString>

#include "checks/CheckVerdict.h"

// Payment card numbers: the Luhn check of the last digit, and the issuer
// told by the leading digits.
namespace checks {

// The card type code of a number: 0 when the number is wrong (or has no
// digit), otherwise its first digit minus 2 (1 for a number starting with
// 3, 2 for 4 ... and -2, -1 for 0 and 1). Only the digits among the first
// twenty characters count; the number of digits is not tested.
int cardTypeCode(const QString& text);

// The issuer of a right number by its type code and leading characters:
// "Visa" for 2, "MasterCard" for 3, "Discover" for 4, and for 1 one of
// Diner's Club, American Express and JCB by the first two characters.
// Empty when no issuer is known.
QString cardIssuer(int typeCode, const QString& number);

// The verdict on a number as typed (trimmed): an empty number cannot be
// checked; a right number names its issuer.
Verdict checkCard(const QString& text);

}  // namespace checks
