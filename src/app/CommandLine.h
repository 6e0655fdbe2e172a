#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

struct RecordLayout;

// The command line: `selvadoro SUBCOMMAND ...` runs headless and prints
// UTF-8. Each subcommand calls the same code as the windows.
namespace commandline {

// True when the arguments (after the program name and --cartella) name a
// subcommand, so that the program must not start its windows.
bool wantsCommand(const QStringList& args);

// Runs the subcommand; returns the exit status (2 for a usage error).
int run(const QStringList& args, QTextStream& out, QTextStream& err);

QString usage();

// Shared by the subcommands: a usage error (the message, then the usage
// text; returns 2), and the path of an archive that must already exist
// (the command line never creates one; false, with the message written,
// when it is missing).
int usageError(QTextStream& err, const QString& message);
bool existingArchive(const RecordLayout& layout, QString* path, QTextStream& err);

}  // namespace commandline
