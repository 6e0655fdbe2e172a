// Speed of the deadlines' lists on a large year: 400 000 deadlines in
// "2024.sca" (about 530 MB). The floor is a plain sequential read of the
// file in 1 MiB blocks; the command-line search with two criteria, the
// imminent list and the yearly export are measured against it in the same
// run, each reporting its time as a multiple of the floor ("x_lettura").
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <chrono>

#include "BenchSupport.h"
#include "DeadlineData.h"
#include "base/Paths.h"
#include "deadlines/DeadlineRules.h"
#include "deadlines/TRecScadenza.h"
#include "records/RecordCodec.h"

namespace {

constexpr int kDeadlines = 400000;

using bench::folder;
using bench::runCommand;

QString yearPath() {
    return folder().filePath(QStringLiteral("2024.sca"));
}

void writeYear() {
    bench::writeDeadlineYear(yearPath(), kDeadlines);
}

// The plain read, measured once at the start and again by the floor's own
// benchmark, which runs first: the floor of every ratio.
double floorSeconds = 0;

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs the command at each iteration and reports its time against the
// floor.
void measure(benchmark::State& state, const QStringList& args) {
    double total = 0;
    for (auto _ : state) total += secondsOf([&] { benchmark::DoNotOptimize(runCommand(args)); });
    state.counters["x_lettura"] = total / double(state.iterations()) / floorSeconds;
}

void Floor_SequentialRead1MiB(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        total += secondsOf([] { benchmark::DoNotOptimize(bench::readWhole(yearPath())); });
    }
    floorSeconds = total / double(state.iterations());  // the floor of the ratios after it
}
BENCHMARK(Floor_SequentialRead1MiB)->Unit(benchmark::kMillisecond);

void CommandSearchTwoCriteria(benchmark::State& state) {
    measure(state, {QStringLiteral("cerca"), QStringLiteral("scadenzario"),
                    QStringLiteral("--anno"), QStringLiteral("2024"),
                    QStringLiteral("Cliente=rossi"), QStringLiteral("Dettagli=quota")});
}
BENCHMARK(CommandSearchTwoCriteria)->Unit(benchmark::kMillisecond);

void CommandImminentList(benchmark::State& state) {
    measure(state, {QStringLiteral("riepilogo"), QStringLiteral("scadenze-imminenti"),
                    QStringLiteral("--oggi"), QStringLiteral("15/06/2024")});
}
BENCHMARK(CommandImminentList)->Unit(benchmark::kMillisecond);

void CommandYearlyExport(benchmark::State& state) {
    const QString target = folder().filePath(QStringLiteral("export.xls"));
    measure(state,
            {QStringLiteral("esporta"), QStringLiteral("scadenzario"), QStringLiteral("--anno"),
             QStringLiteral("2024"), QStringLiteral("--file"), target});
}
BENCHMARK(CommandYearlyExport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    writeYear();
    paths::setDataFolder(folder().path());
    bench::readWhole(yearPath());  // the file in the cache, as for every list
    floorSeconds = 1e9;
    for (int i = 0; i < 3; ++i) {
        floorSeconds = std::min(floorSeconds, secondsOf([] { bench::readWhole(yearPath()); }));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
