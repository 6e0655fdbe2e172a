#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

struct ArchiveDefinition;
struct SearchDefinition;

// The command line: `selvadoro SUBCOMMAND ...` runs headless and prints
// UTF-8. Each subcommand calls the same code as the windows.
namespace commandline {

// True when the arguments (after the program name and --cartella) name a
// subcommand, or --help, -h or --version, so that the program must not
// start its windows.
bool wantsCommand(const QStringList& args);

// True when the subcommand the arguments name is known and draws nothing
// (no page, no picture), so that it can run without the graphical
// application object.
bool drawsNothing(const QStringList& args);

// Whether the windows can be opened: on Linux and the other Unix systems
// with a display server, a platform (QT_QPA_PLATFORM, a list separated by
// ';', by default xcb) that needs one finds DISPLAY or WAYLAND_DISPLAY set.
// Elsewhere always true. Decided before the graphical application object,
// whose failure would end the program with the platform's own message.
bool displayAvailable(const QString& platform, const QString& x11Display,
                      const QString& waylandDisplay);
// What the program prints on the standard error when it is not.
QString noDisplayMessage();

// Runs the subcommand (or --help, -h, --version); returns the exit status (2 for a usage error).
int run(const QStringList& args, QTextStream& out, QTextStream& err);

QString usage();

// Shared by the subcommands: a usage error (the message, then the usage of
// the command running and where the whole help is; returns 2), and whether an archive's file
// already exists (the command line never creates one; false, with the message written, when it is
// missing).
int usageError(QTextStream& err, const QString& message);
bool existingArchive(const QString& path, QTextStream& err);

// The year of an archive kept in one file per year: takes "--anno A" out of
// `args` (four digits; by default the year of today, which "--oggi" sets
// for every command); for an archive with a YearNaming, its option ("--
// stagione 2026/2027", by default the period of today) gives the year of
// its file. 0, or 2 with the usage error written. An archive of one file
// takes no year and leaves `args` alone.
int takeYear(const ArchiveDefinition& archive, QStringList& args, QString* year, QTextStream& err);

// The texts of a search's criteria from "Campo=testo" arguments (a field as
// the search names it); 0, or 2 with the usage error written.
int criteriaTexts(const SearchDefinition& search, const QStringList& criteria, QStringList* texts,
                  QTextStream& err);

}  // namespace commandline
