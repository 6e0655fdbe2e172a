#pragma once

#include <QStringList>
#include <QTextStream>

// Post and paper on the command line: labels, membership cards, letters and
// e-mails, made by the same code as the windows (mailing/).
namespace commandline {

// etichette ARCHIVIO [Campo=testo ...] [--formato 3x8|3x7|2x7|personalizzato]
//           [--inizio N] --pdf FILE
int runLabels(const QStringList& args, QTextStream& out, QTextStream& err);
// tessere ARCHIVIO [Campo=testo ...] --stagione AAAA/AAAA --pdf FILE
int runCards(const QStringList& args, QTextStream& out, QTextStream& err);
// lettere N --pdf FILE | --eml CARTELLA
int runLetters(const QStringList& args, QTextStream& out, QTextStream& err);
// associazione [--nome T] [--indirizzo T] ... : shows the association's
// data, or changes those given
int runAssociation(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace commandline
