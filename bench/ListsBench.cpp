// Speed of the archive lists on a large archive: 100 000 hunters searched,
// summarised and exported, as the windows and the command line do it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "archive/RecordCodec.h"
#include "archive/RecordFile.h"
#include "archive/Spreadsheet.h"
#include "hunters/HunterLists.h"
#include "hunters/TRecCacciatore.h"

namespace {

constexpr int kHunters = 100000;

const QString& archivePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("Cacciatori.pro"));
        QFile file(p);
        file.open(QIODevice::WriteOnly);
        const char* surnames[] = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo"};
        for (int i = 0; i < kHunters; ++i) {
            TRecCacciatore h;
            h.Cognome = QString::fromLatin1(surnames[i % 6]) + QString::number(i % 977);
            h.Nome = QStringLiteral("Nome%1").arg(i);
            h.CodFisc = QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QChar(u'0'));
            h.Scadenza = QStringLiteral("%1/05/2024").arg(i % 28 + 1, 2, 10, QChar(u'0'));
            h.Preavviso = QString::number(i % 60);
            h.Note = QStringLiteral("note della scheda %1").arg(i);
            file.write(codec::encode(TRecCacciatore::layout(), h.toValues()));
        }
        return p;
    }();
    return path;
}

void SearchAll(benchmark::State& state) {
    const SearchDefinition& s = hunters::search();
    for (auto _ : state) {
        const ListResult r = searchRecords(*s.layout, archivePath(), {}, s.itemText);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(SearchAll)->Unit(benchmark::kMillisecond);

void SearchBySurname(benchmark::State& state) {
    const SearchDefinition& s = hunters::search();
    const auto criteria = s.criteriaWith({QStringLiteral("ross"), QStringLiteral("1")});
    for (auto _ : state) {
        const ListResult r = searchRecords(*s.layout, archivePath(), criteria, s.itemText);
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(SearchBySurname)->Unit(benchmark::kMillisecond);

void PermitSummary(benchmark::State& state) {
    for (auto _ : state) {
        const ListResult r = hunters::permitSummary().build(archivePath(), QDate(2024, 5, 10));
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(PermitSummary)->Unit(benchmark::kMillisecond);

void ExportWholeArchive(benchmark::State& state) {
    QTemporaryDir out;
    const ExportDefinition& e = hunters::exporter();
    for (auto _ : state) {
        ExportGridModel grid(e.columns);
        grid.fill(*e.layout, archivePath());
        spreadsheet::writeGrid(out.filePath(QStringLiteral("x.xls")), e.sheetName, grid);
    }
}
BENCHMARK(ExportWholeArchive)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
