#pragma once

#include <QStringList>
#include <QTextStream>

#include "app/CommandLine.h"

// Runs `selvadoro ARGS...` in-process and keeps what it printed.
struct CommandResult {
    int status;
    QString out;
    QString err;
};

// What a usage error prints after its problem: the command's usage (each
// form on a line) and where the whole help is.
inline QString usageTail(const QStringList& forms) {
    QString text;
    for (qsizetype i = 0; i < forms.size(); ++i) {
        text += (i == 0 ? QStringLiteral("Uso: selvadoro ") : QStringLiteral("     selvadoro ")) +
                forms.at(i) + u'\n';
    }
    return text + QStringLiteral("selvadoro --help per l'elenco completo\n");
}

inline CommandResult runCommand(const QStringList& args) {
    CommandResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = commandline::run(QStringList{QStringLiteral("selvadoro")} + args, out, err);
    out.flush();
    err.flush();
    return result;
}
