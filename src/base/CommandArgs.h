#pragma once

#include <QString>
#include <QStringList>

// The command line's options, as every command takes them.
namespace commandargs {

// Takes "NAME VALUE" out of `args`: true with `value` set, or untouched when
// the option is absent; false with the Italian problem ("--file vuole un
// valore, una volta.") when it has no value (or an empty one) or comes twice.
bool takeValue(QStringList& args, const QString& name, QString* value, QString* problem);

}  // namespace commandargs
