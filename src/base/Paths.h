#pragma once

#include <QString>
#include <QStringList>

// Where the program finds its own files and keeps the user's data.
//
// The program runs either from a portable folder (the folder of the
// executable holds every delivered file and the archives beside them) or
// installed in the system: the executable in <prefix>/bin, its delivered
// files in <prefix>/share/selvadoro, its sound module in
// <prefix>/lib/<multiarch>/selvadoro.
//
// The data folder: every record file, export and document of the program
// lives there. --cartella DIR or SELVADORO_CARTELLA name it; otherwise it is
// the folder of a portable program, and "Selvadoro" in the user's documents
// folder for an installed one (defaultDataFolder).
namespace paths {

// Sets the data folder from the command line (which wins) and the
// environment, falling back to defaultDataFolder(). Removes the
// "--cartella DIR" pair from args. Returns false, with a message, when
// --cartella has no folder after it.
bool configure(QStringList& args, QString* error);

void setDataFolder(const QString& folder);
QString dataFolder();

// True when the data folder is the default one, neither --cartella nor
// SELVADORO_CARTELLA having named another.
bool usesDefaultDataFolder();

// Full path of a file in the data folder.
QString dataFile(const QString& name);

// The data folder's Selvadoro.ini, where the windows remember their choices
// (QSettings groups: the launcher's panel, the import's mappings, post and
// paper), shared by every station that uses the folder.
QString settingsFile();

// The folder of the executable.
QString programFolder();

// The one rule between the two layouts: a portable folder is one the
// program can write into and that holds the program's files (Guida.pdf
// beside the executable). A folder that lacks them (/usr/bin) or that cannot
// be written (a read-only medium) is treated as an installed program's.
bool isPortableFolder(const QString& programFolder);

// The data folder when none is named: the program's folder when it is
// portable, otherwise documentsFolder/Selvadoro.
QString defaultDataFolder(const QString& programFolder, const QString& documentsFolder);
// The same for this program and the user's documents folder.
QString defaultDataFolder();

// A file delivered with the program (Guida.pdf, Avviso.mp3): beside the
// executable when it is there, otherwise in the installed share folder when
// it is there, otherwise the path beside the executable.
QString deliveredFile(const QString& programFolder, const QString& name);
QString deliveredFile(const QString& name);

// The folders where a module of the program (the sound module) is looked
// for, in order: beside the executable, then the installed module folder.
QStringList moduleFolders(const QString& programFolder);
QStringList moduleFolders();

}  // namespace paths
