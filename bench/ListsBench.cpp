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
#include "app/CommandLine.h"
#include "archive/RecordCodec.h"
#include "archive/RecordListWidget.h"
#include "archive/SearchWindow.h"
#include "base/Paths.h"
#include "hunters/HunterLists.h"
#include "hunters/TRecCacciatore.h"

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
    const char* surnames[] = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo"};
    for (int i = 0; i < kHunters; ++i) {
        TRecCacciatore h;
        h.Cognome = QString::fromLatin1(surnames[i % 6]) + QString::number(i % 977);
        h.Nome = QStringLiteral("Nome%1").arg(i);
        h.CodFisc = QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QChar(u'0'));
        h.Recapito = QStringLiteral("333 %1").arg(i, 7, 10, QChar(u'0'));
        h.Permesso = QStringLiteral("Squadra %1").arg(i % 40);
        h.ScadePer = QStringLiteral("01/09/2020");
        h.Civile = QStringLiteral("ID-%1").arg(i);
        h.Indirizzo = QStringLiteral("Via dei Cacciatori %1").arg(i % 300);
        h.ComuneRes = QStringLiteral("Comune %1").arg(i % 500);
        h.Decorrenza = QStringLiteral("01/05/2019");
        h.Scadenza = QStringLiteral("%1/05/2024").arg(i % 28 + 1, 2, 10, QChar(u'0'));
        h.Preavviso = QString::number(i % 60);
        h.Totale = QStringLiteral("150,00");
        h.Note = QStringLiteral("note della scheda %1").arg(i);
        file.write(codec::encode(TRecCacciatore::layout(), h.toValues()));
    }
}

void Floor_SequentialRead1MiB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bench::readWhole(archivePath()));
}
BENCHMARK(Floor_SequentialRead1MiB)->Unit(benchmark::kMillisecond);

void CommandSearchTwoCriteria(benchmark::State& state) {
    for (auto _ : state) {
        runCommand({QStringLiteral("cerca"), QStringLiteral("anagrafica"),
                    QStringLiteral("Cognome=ross"), QStringLiteral("Nome=1")});
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
