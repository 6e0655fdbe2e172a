#include "base/CommandArgs.h"

#include <QRegularExpression>
#include <QTextStream>

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

QStringList synopsis(const QString& helpEntry) {
    if (helpEntry.trimmed().isEmpty()) return {};
    const QString name = helpEntry.section(u' ', 0, 0).section(u'\n', 0, 0);
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    QStringList forms;
    // Whether the line before belongs to a form, which the next line may
    // go on with; a description ends it.
    bool inForm = false;
    for (const QString& line : helpEntry.split(u'\n')) {
        const QString text = line.trimmed();
        // A form starts at the margin, where a description never does.
        const bool form = line.indexOf(text) < 4 && (text == name || text.startsWith(name + u' '));
        const bool goesOn = inForm && (text.startsWith(u'[') || text.startsWith(u'-'));
        inForm = form || goesOn;
        if (!inForm) continue;
        // The words before a gap of two blanks; the description follows.
        const QString words = text.section(gap, 0, 0);
        if (form) {
            forms.append(words);
        } else {
            forms.last() += u' ' + words;
        }
    }
    return forms;
}

int usageError(QTextStream& err, const QString& problem, const QString& helpEntry) {
    err << problem << "\n";
    const QStringList forms = synopsis(helpEntry);
    for (qsizetype i = 0; i < forms.size(); ++i) {
        err << (i == 0 ? "Uso: selvadoro " : "     selvadoro ") << forms.at(i) << "\n";
    }
    err << "selvadoro --help per l'elenco completo\n";
    return 2;
}

}  // namespace commandargs
