// What a save costs: one user action that opens a record file, writes one
// record and closes it, against the same save written as the record files
// wrote it before the journal and the lock file (the OS lock, one write of
// the record, no sync). A save now syncs the journal, its folder and the
// record to the disk, so its cost is mostly the disk's; a reading action
// only looks for a lock file and a journal besides.
// The folder is the working folder's "bench-salvataggi", on the disk where
// the data would be, unless SELVADORO_BENCH_FOLDER names another.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "base/FileLock.h"
#include "records/RecordFile.h"

namespace {

// The size of a hunter's card.
constexpr qsizetype kSize = 5090;
constexpr int kRecords = 1000;

QString folder() {
    static const QString path = [] {
        QString p = qEnvironmentVariable("SELVADORO_BENCH_FOLDER");
        if (p.isEmpty()) p = QDir::current().filePath(QStringLiteral("bench-salvataggi"));
        QDir().mkpath(p);
        return p;
    }();
    return path;
}

QString archive(const char* name) {
    return QDir(folder()).filePath(QString::fromLatin1(name));
}

void prepare(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (int i = 0; i < kRecords; ++i) file.write(QByteArray(kSize, char('a' + i % 26)));
}

void Save_Overwrite(benchmark::State& state) {
    const QString path = archive("Sovrascrittura.pro");
    prepare(path);
    const QByteArray record(kSize, 'X');
    qsizetype index = 0;
    for (auto _ : state) {
        RecordFile file(path, kSize);
        if (!file.open(RecordFile::Access::Write) || !file.writeAt(index, record)) {
            state.SkipWithError(qPrintable(file.errorString()));
            break;
        }
        index = (index + 1) % kRecords;
    }
}
BENCHMARK(Save_Overwrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void Save_Append(benchmark::State& state) {
    const QString path = archive("Aggiunta.pro");
    prepare(path);
    const QByteArray record(kSize, 'X');
    for (auto _ : state) {
        RecordFile file(path, kSize);
        if (!file.open(RecordFile::Access::Write) || file.append(record) == 0) {
            state.SkipWithError(qPrintable(file.errorString()));
            break;
        }
    }
}
BENCHMARK(Save_Append)->Unit(benchmark::kMillisecond)->UseRealTime();

// The save as it was: open, the OS lock, one write, close.
void Before_OverwriteInPlace(benchmark::State& state) {
    const QString path = archive("Prima.pro");
    prepare(path);
    const QByteArray record(kSize, 'X');
    qsizetype index = 0;
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
        filelock::acquire(file, filelock::Mode::Exclusive, std::chrono::milliseconds(15000));
        file.seek(index * kSize);
        file.write(record);
        file.flush();
        filelock::release(file);
        file.close();
        index = (index + 1) % kRecords;
    }
}
BENCHMARK(Before_OverwriteInPlace)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading one record, as a card's navigation does.
void Read_Record(benchmark::State& state) {
    const QString path = archive("Lettura.pro");
    prepare(path);
    qsizetype index = 0;
    QByteArray record;
    for (auto _ : state) {
        RecordFile file(path, kSize);
        if (!file.open(RecordFile::Access::Read) || !file.readAt(index, &record)) {
            state.SkipWithError(qPrintable(file.errorString()));
            break;
        }
        index = (index + 1) % kRecords;
    }
}
BENCHMARK(Read_Record)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same read as it was: open, the OS lock shared, one read, close.
void Before_ReadRecord(benchmark::State& state) {
    const QString path = archive("LetturaPrima.pro");
    prepare(path);
    qsizetype index = 0;
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
        filelock::acquire(file, filelock::Mode::Shared, std::chrono::milliseconds(15000));
        file.seek(index * kSize);
        benchmark::DoNotOptimize(file.read(kSize));
        filelock::release(file);
        file.close();
        index = (index + 1) % kRecords;
    }
}
BENCHMARK(Before_ReadRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir(folder()).removeRecursively();
    return 0;
}
