#pragma once

#include <QStringList>
#include <QTextStream>

// The list subcommands: the same searches, exports and summaries as the
// windows, printed as "record number<TAB>line" in list order.
namespace commandline {

// An archive kept by year takes "--anno AAAA" (by default today's year).
// A file that cannot be read whole: the lines read, then a message, status 1.

// cerca ARCHIVIO [Campo=testo ...]
int runSearch(const QStringList& args, QTextStream& out, QTextStream& err);
// esporta ARCHIVIO [--file PATH]
int runExport(const QStringList& args, QTextStream& out, QTextStream& err);
// riepilogo NOME: a summary; or a list of a date (riepilogo scadenze-giorno
// [--data gg/mm/aaaa] [--file PATH]), one line per row of its grid, the
// cells joined by tabs, and with --file its spreadsheet too.
int runSummary(const QStringList& args, QTextStream& out, QTextStream& err);
// agenda: the lines of the launcher's "Da fare" panel for today (--oggi),
// each with its count; status 1 when an archive could not be read.
int runAgenda(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace commandline
