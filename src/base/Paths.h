#pragma once

#include <QString>
#include <QStringList>

// The data folder: every record file, export and document of the program
// lives there. By default it is the folder of the executable, so that the
// folder is the whole installation; --cartella DIR or SELVADORO_CARTELLA
// name another one.
namespace paths {

// Sets the data folder from the command line (which wins) and the
// environment, falling back to the executable's folder. Removes the
// "--cartella DIR" pair from args. Returns false, with a message, when
// --cartella has no folder after it.
bool configure(QStringList& args, QString* error);

void setDataFolder(const QString& folder);
QString dataFolder();

// Full path of a file in the data folder.
QString dataFile(const QString& name);

// The folder of the executable, where the delivered files lie.
QString programFolder();

}  // namespace paths
