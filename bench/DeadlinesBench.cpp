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
#include "archive/RecordCodec.h"
#include "base/Paths.h"
#include "deadlines/DeadlineRules.h"
#include "deadlines/TRecScadenza.h"

namespace {

constexpr int kDeadlines = 400000;

using bench::folder;
using bench::runCommand;

QString yearPath() {
    return folder().filePath(QStringLiteral("2024.sca"));
}

// Deadlines spread over the year, a few hours a day, notices of 0 to 30
// days: on the day measured some 4% of them are imminent.
void writeYear() {
    QFile file(yearPath());
    file.open(QIODevice::WriteOnly);
    const char* reasons[] = {"Rinnovo porto di fucile", "Quota sociale", "Tassa regionale",
                             "Visita medica", "Assicurazione"};
    const char* hunters[] = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo"};
    const QString text = QStringLiteral("pratica in corso presso gli uffici, ").repeated(6);
    const QStringList months = deadlines::monthNames();
    QByteArray block;
    for (int i = 0; i < kDeadlines; ++i) {
        const QDate date = QDate(2024, 1, 1).addDays(i % 366);
        TRecScadenza d;
        d.Giorno = QStringLiteral("%1").arg(date.day(), 2, 10, QChar(u'0'));
        d.Mese = months.at(date.month() - 1);
        d.Anno = QStringLiteral("2024");
        d.Data = date.toString(QStringLiteral("dd/MM/yyyy"));
        d.OreApp = QStringLiteral("%1").arg(8 + i % 10, 2, 10, QChar(u'0'));
        d.MinutiApp = QStringLiteral("%1").arg((i * 7) % 60, 2, 10, QChar(u'0'));
        d.Ora = d.OreApp + u':' + d.MinutiApp;
        d.Avviso = QString::number(i % 31);
        d.Cliente =
            QString::fromLatin1(hunters[(i / 7) % 6]) + QStringLiteral(" Nome%1").arg(i % 977);
        d.CodFisc = QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QChar(u'0'));
        d.Recapito = QStringLiteral("333 %1").arg(i, 7, 10, QChar(u'0'));
        d.Oggetto = QStringLiteral("Oggetto %1: ").arg(i) + text;
        d.Tipologia = QStringLiteral("Tipologia %1").arg(i % 13);
        d.Protocollo = QStringLiteral("P-%1").arg(i);
        d.Apertura = QStringLiteral("01/01/2024");
        d.Stato = QStringLiteral("In corso");
        d.Consulente = QStringLiteral("Consulente %1").arg(i % 50);
        d.Dettagli = QString::fromLatin1(reasons[i % 5]) + QStringLiteral(", ") + text;
        d.Officina = QStringLiteral("Bonifico bancario presso la banca di zona");
        d.Costo = QStringLiteral("%1,50").arg(10 + i % 400);
        d.Contatto = QStringLiteral("Ricevuta %1").arg(i);
        d.Note = QStringLiteral("note della scadenza %1, ").arg(i) + text;
        d.DaConfermare = i % 11 == 0 ? QStringLiteral("Sì") : QStringLiteral("No");
        d.Effettuata = i % 3 == 0 ? QStringLiteral("Sì") : QStringLiteral("No");
        block += codec::encode(TRecScadenza::layout(), d.toValues());
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
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
