#pragma once

#include <QStringList>
#include <QTextStream>

namespace commandline {

// stampa anagrafica N --pdf FILE: writes the printed sheet of record N, as
// the card would print it, to a PDF file.
int runPrint(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace commandline
