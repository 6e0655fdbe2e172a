// Appends records to one record file as fast as it can, so that a test can
// run several of these at once against the same file.
//   record_append_worker PATH RECORD_SIZE WORKER_ID COUNT
// Each record is filled with the text "<worker>:<sequence>;" repeated.
//   record_append_worker PATH RECORD_SIZE hold
// Takes the writing lock, prints "locked" and waits to be killed.
#include <QByteArray>
#include <QCoreApplication>
#include <QThread>
#include <cstdio>

#include "archive/RecordFile.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[3]) == "hold") {
        RecordFile file(QString::fromLocal8Bit(argv[1]), QByteArray(argv[2]).toLongLong());
        if (!file.open(RecordFile::Access::Write)) return 1;
        std::printf("locked\n");
        std::fflush(stdout);
        for (;;) QThread::sleep(1);
    }
    if (argc != 5) {
        std::fprintf(stderr, "usage: record_append_worker PATH RECORD_SIZE WORKER_ID COUNT\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const qsizetype size = QByteArray(argv[2]).toLongLong();
    const QByteArray worker(argv[3]);
    const int count = QByteArray(argv[4]).toInt();
    for (int i = 0; i < count; ++i) {
        const QByteArray unit = worker + ':' + QByteArray::number(i) + ';';
        QByteArray record;
        while (record.size() < size) record += unit;
        record.truncate(size);
        RecordFile file(path, size);
        if (!file.open(RecordFile::Access::Write) || file.append(record) == 0) {
            std::fprintf(stderr, "%s\n", qPrintable(file.errorString()));
            return 1;
        }
        file.close();
    }
    return 0;
}
