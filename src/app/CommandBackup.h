#pragma once

#include <QStringList>
#include <QTextStream>

namespace commandline {

// `backup [--destinazione CARTELLA] [--conserva N]`: takes a backup of the
// data folder (by default into the folder of the settings);
// `backup --elenco [--destinazione CARTELLA]` lists the backups;
// `backup --verifica FILE` reads a backup whole and checks it.
int backupCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// `ripristina FILE [--prova]`: restores a backup; with --prova only prints
// what would change.
int restoreCommand(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace commandline
