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

inline CommandResult runCommand(const QStringList& args) {
    CommandResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = commandline::run(QStringList{QStringLiteral("selvadoro")} + args, out, err);
    out.flush();
    err.flush();
    return result;
}
