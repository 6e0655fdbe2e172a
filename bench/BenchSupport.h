#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/CommandLine.h"

// What every benchmark program shares: its temporary data folder, a
// command-line run with its output discarded, and the floor every list is
// measured against, a plain read of the archive in 1 MiB blocks.
namespace bench {

inline QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

inline int runCommand(const QStringList& args) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    return commandline::run(QStringList{QStringLiteral("selvadoro")} + args, outStream, errStream);
}

inline qint64 readWhole(const QString& path) {
    static QByteArray block(1 << 20, '\0');
    QFile file(path);
    file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    qint64 total = 0;
    for (qint64 n; (n = file.read(block.data(), block.size())) > 0;) total += n;
    return total;
}

}  // namespace bench
