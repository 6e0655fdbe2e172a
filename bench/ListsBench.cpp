// Speed of the archive lists on a large archive: 100 000 hunters (about
// 509 MB). The floor is a plain sequential read of the file in 1 MiB
// blocks; the command-line search and export and the search window filled
// with every hunter are measured against it in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "BenchSupport.h"
#include "HunterData.h"
#include "app/CommandLine.h"
#include "base/Paths.h"
#include "hunters/HunterLists.h"
#include "hunters/TRecCacciatore.h"
#include "lists/RecordListWidget.h"
#include "records/RecordCodec.h"
#include "windows/SearchWindow.h"

namespace {

constexpr int kHunters = 100000;

using bench::folder;
using bench::runCommand;

QString archivePath() {
    return folder().filePath(QStringLiteral("Cacciatori.pro"));
}

void writeArchive() {
    QFile file(archivePath());
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < kHunters; ++i) {
        file.write(codec::encode(TRecCacciatore::layout(), bench::hunter(i).toValues()));
    }
}

void Floor_SequentialRead1MiB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bench::readWhole(archivePath()));
}
BENCHMARK(Floor_SequentialRead1MiB)->Unit(benchmark::kMillisecond);

void CommandSearchTwoCriteria(benchmark::State& state) {
    for (auto _ : state) {
        runCommand({QStringLiteral("cerca"), QStringLiteral("anagrafica"),
                    QStringLiteral("Cognome=ross"), QStringLiteral("Nome=mar")});
    }
}
BENCHMARK(CommandSearchTwoCriteria)->Unit(benchmark::kMillisecond);

void CommandExport(benchmark::State& state) {
    const QString target = folder().filePath(QStringLiteral("export.xls"));
    for (auto _ : state) {
        runCommand({QStringLiteral("esporta"), QStringLiteral("anagrafica"),
                    QStringLiteral("--file"), target});
    }
}
BENCHMARK(CommandExport)->Unit(benchmark::kMillisecond);

void SearchWindowAllHunters(benchmark::State& state) {
    for (auto _ : state) {
        SearchWindow window(hunters::search());
        window.search();
        benchmark::DoNotOptimize(window.list()->lines().size());
    }
}
BENCHMARK(SearchWindowAllHunters)->Unit(benchmark::kMillisecond);

void PermitSummary(benchmark::State& state) {
    for (auto _ : state) {
        const ListResult r = hunters::permitSummary().build(archivePath(), QDate(2024, 5, 10));
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(PermitSummary)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    writeArchive();
    paths::setDataFolder(folder().path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
