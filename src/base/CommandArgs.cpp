#include "base/CommandArgs.h"

namespace commandargs {

bool takeValue(QStringList& args, const QString& name, QString* value, QString* problem) {
    const qsizetype at = args.indexOf(name);
    if (at < 0) return true;
    if (at + 1 >= args.size() || args.at(at + 1).isEmpty() || args.indexOf(name, at + 1) >= 0) {
        *problem = name + QStringLiteral(" vuole un valore, una volta.");
        return false;
    }
    *value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

}  // namespace commandargs
