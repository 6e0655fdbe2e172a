#pragma once

#include <QStringList>
#include <QTextStream>

namespace commandline {

// `guida [ARGOMENTO | --titoli | --pdf FILE]`: prints the help topics (all,
// or the one named), their titles only, or writes the PDF guide.
int guideCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// `password-iniziale FILE`: writes a password file holding the first-access
// password; the build makes the delivered "unins000.dll" with it.
int firstPasswordCommand(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace commandline
