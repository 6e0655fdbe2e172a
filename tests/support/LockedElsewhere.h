#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>
#include <chrono>

#include "records/RecordFile.h"

// While it lives, another station is saving `archive`: its lock file is
// fresh, and every action gives up after a short wait.
struct LockedElsewhere {
    explicit LockedElsewhere(const QString& archive) : lock(archive + QStringLiteral(".lock")) {
        RecordFile::setWaitLimit(std::chrono::milliseconds(200));
        if (lock.open(QIODevice::WriteOnly)) {
            lock.write("stazione=altra-postazione\nprocesso=1\nora=" +
                       QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() +
                       "\n");
            lock.close();
        }
    }
    ~LockedElsewhere() {
        lock.remove();
        RecordFile::setWaitLimit(std::chrono::milliseconds(15000));
    }
    LockedElsewhere(const LockedElsewhere&) = delete;
    LockedElsewhere& operator=(const LockedElsewhere&) = delete;

    QFile lock;
};
