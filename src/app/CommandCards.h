#pragma once

#include <QStringList>
#include <QTextStream>

// The commands on one card of an archive, read from the archive as the
// card would show it.
namespace commandline {

// stampa ARCHIVIO N --pdf FILE: writes the printed sheet of record N, as
// the card would print it, to a PDF file.
int runPrint(const QStringList& args, QTextStream& out, QTextStream& err);

// rtf ARCHIVIO N [--file FILE]: writes the RTF document of record N, as
// the card's print button would, to FILE or to the document's own file in
// the data folder.
int runRtf(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace commandline
