// Speed of the weapons' lists on a large archive: 100 000 weapons (about
// 338 MB). The floor is a plain sequential read of the file in 1 MiB
// blocks; the command-line search with two criteria and the for-sale
// summary are measured against it in the same run.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>

#include "BenchSupport.h"
#include "base/Paths.h"
#include "records/RecordCodec.h"
#include "weapons/TRecArma.h"

namespace {

constexpr int kWeapons = 100000;

using bench::folder;
using bench::runCommand;

QString archivePath() {
    return folder().filePath(QStringLiteral("Schedario_Armi.pro"));
}

void writeArchive() {
    QFile file(archivePath());
    file.open(QIODevice::WriteOnly);
    const char* makes[] = {"Beretta 686 Silver Pigeon",
                           "Benelli Raffaello",
                           "Franchi Affinity",
                           "Browning B525",
                           "Sauer 303",
                           "Bettinsoli Diamond"};
    const char* owners[] = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo"};
    const QString memo = QStringLiteral("canne, bascula, calciolo e astina in noce; ").repeated(5);
    for (int i = 0; i < kWeapons; ++i) {
        TRecArma w;
        w.Arma = QString::fromLatin1(makes[i % 6]) + QStringLiteral(" %1").arg(i % 311);
        w.Accessori = memo;
        w.Calibro = i % 3 == 0 ? QStringLiteral("12") : QStringLiteral("20");
        w.Anno = QString::number(1970 + i % 54);
        w.Matricola = QStringLiteral("M%1").arg(i, 8, 10, QChar(u'0'));
        w.Peso = QStringLiteral("3,%1").arg(i % 10);
        w.Componenti = memo;
        w.Dimensioni = QStringLiteral("lunghezza canne 71 cm, lunghezza totale 115 cm");
        w.Munizioni = QStringLiteral("cartucce %1/70").arg(w.Calibro);
        w.Luogo = QStringLiteral("Armadio blindato, sede %1").arg(i % 40);
        w.Proprietario =
            QString::fromLatin1(owners[(i / 7) % 6]) + QStringLiteral(" Nome%1").arg(i % 977);
        w.CodFisc = QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QChar(u'0'));
        w.Recapito = QStringLiteral("333 %1").arg(i, 7, 10, QChar(u'0'));
        w.Note = QStringLiteral("note della scheda %1, ").arg(i) + memo;
        w.Prezzo = QStringLiteral("%1,00").arg(300 + i % 4000);
        w.InVendita = i % 9 == 0 ? QStringLiteral("Sì") : QStringLiteral("No");
        file.write(codec::encode(TRecArma::layout(), w.toValues()));
    }
}

void Floor_SequentialRead1MiB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bench::readWhole(archivePath()));
}
BENCHMARK(Floor_SequentialRead1MiB)->Unit(benchmark::kMillisecond);

void CommandSearchTwoCriteria(benchmark::State& state) {
    for (auto _ : state) {
        runCommand({QStringLiteral("cerca"), QStringLiteral("armi"), QStringLiteral("Arma=beretta"),
                    QStringLiteral("Proprietario=rossi")});
    }
}
BENCHMARK(CommandSearchTwoCriteria)->Unit(benchmark::kMillisecond);

void CommandForSaleSummary(benchmark::State& state) {
    for (auto _ : state) {
        runCommand({QStringLiteral("riepilogo"), QStringLiteral("armi-in-vendita")});
    }
}
BENCHMARK(CommandForSaleSummary)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    writeArchive();
    paths::setDataFolder(folder().path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
