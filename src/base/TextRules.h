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

// A yes/no flag as stored: "Sì" or "No". A stored flag is set by "Sì"
// alone, blanks around it aside; any other text leaves it unset.
inline const QString kFlagYes = QStringLiteral("Sì");
inline const QString kFlagNo = QStringLiteral("No");
bool isFlagSet(const QString& stored);

// A stored text as a one-line list or the command line shows it: every
// control character (a line break, a tab, an escape) becomes its visible
// symbol ("\n" -> "␊", ESC -> "␛"), so that no stored text can start a
// new line of a list or speak to a terminal.
QString visibleControls(const QString& s);

}  // namespace text
