#pragma once

#include <QString>

// Text rules shared by the record files and the cards.
namespace text {

// Removes leading and trailing blanks and control characters (code 32 and
// below), and nothing else: a no-break space is kept, as the stored files
// have always done.
QString trimBlanks(const QString& s);

// True when s is not empty and holds only the digits 0-9.
bool isAllDigits(const QString& s);

}  // namespace text
