#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The command line's options, as every command takes them.
namespace commandargs {

// Takes "NAME VALUE" out of `args`: true with `value` set, or untouched when
// the option is absent; false with the Italian problem ("--file vuole un
// valore, una volta.") when it has no value (or an empty one) or comes twice.
bool takeValue(QStringList& args, const QString& name, QString* value, QString* problem);

// The synopsis of a command's entry in the help ("cerca ARCHIVIO [--anno
// AAAA] [Campo=testo ...]"), one string per form, without the words that
// describe it: a line that begins with the command's name at the margin
// starts a form, one whose text begins with an option or a bracket goes on
// with it, each up to a gap of two blanks; every other line describes.
QStringList synopsis(const QString& helpEntry);

// A usage error: the problem, the synopsis of the command's help entry
// `helpEntry` after "Uso: selvadoro " (nothing when it is empty), and where
// the whole help is. Returns 2, the status of a usage error.
int usageError(QTextStream& err, const QString& problem, const QString& helpEntry);

}  // namespace commandargs
