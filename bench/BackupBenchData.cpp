// Writes the year of deadlines of the benchmark table's backup row:
//   selvadoro_bench_deadline_year FILE COUNT
#include <QCoreApplication>
#include <cstdio>

#include "DeadlineData.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s FILE SCADENZE\n", argv[0]);
        return 2;
    }
    writeDeadlineYear(QString::fromLocal8Bit(argv[1]), QString::fromLatin1(argv[2]).toInt());
    return 0;
}
