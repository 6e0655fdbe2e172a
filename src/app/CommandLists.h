#pragma once

#include <QStringList>
#include <QTextStream>

// The list subcommands: the same searches, exports and summaries as the
// windows, printed as "record number<TAB>line" in list order.
namespace commandline {

// cerca ARCHIVIO [Campo=testo ...]
int runSearch(const QStringList& args, QTextStream& out, QTextStream& err);
// esporta ARCHIVIO [--file PATH]
int runExport(const QStringList& args, QTextStream& out, QTextStream& err);
// riepilogo NOME [--oggi gg/mm/aaaa]
int runSummary(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace commandline
