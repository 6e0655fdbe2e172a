#pragma once

#include <QStringList>
#include <QTextStream>

namespace commandline {

// `controlla cf|piva|iban|carta VALORE`: checks a value as the checker
// windows do and prints their verdict, one line per line of the message.
// Exits 0 when the value is right, 1 when it is wrong, 2 when it cannot be
// checked (wrong length, empty card number) or the command is misused.
// Words after the kind are joined by one blank, so a number may be given
// in groups.
int controlla(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace commandline
