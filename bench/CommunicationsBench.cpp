// Speed of the communications' lists on a large archive: 30 000
// communications (about 530 MB, most of it the three memos). The floor is a
// plain sequential read of the file in 1 MiB blocks; the command-line search
// with two criteria, the flagged summary and the export are measured
// against it in the same run.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include "BenchSupport.h"
#include "app/CommandLine.h"
#include "base/Paths.h"
#include "communications/CommunicationLists.h"
#include "communications/TRecComunicazione.h"
#include "records/RecordCodec.h"

namespace {

constexpr int kCommunications = 30000;

using bench::folder;
using bench::runCommand;

QString archivePath() {
    return folder().filePath(QStringLiteral("Comunicazioni.pro"));
}

void writeArchive() {
    QFile file(archivePath());
    file.open(QIODevice::WriteOnly);
    const char* subjects[] = {"Battuta annullata", "Riunione", "Assemblea annuale",
                              "Cambio di programma", "Quote sociali"};
    const QString members = QStringLiteral("Mario Rossi\r\nLuca Bianchi\r\n").repeated(150);
    const QString emails = QStringLiteral("mario.rossi@esempio.it,").repeated(200);
    const QString text = QStringLiteral("Cari soci, vi comunichiamo che ").repeated(150);
    for (int i = 0; i < kCommunications; ++i) {
        TRecComunicazione c;
        c.Oggetto = QString::fromLatin1(subjects[i % 5]) + QStringLiteral(" %1").arg(i % 311);
        c.Autore = QStringLiteral("Autore %1").arg(i % 97);
        c.Squadra = QStringLiteral("Squadra %1").arg(i % 40);
        c.Caposquadra = QStringLiteral("Capo %1").arg(i % 40);
        c.DataInvio =
            QStringLiteral("%1/03/20%2").arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(i % 20 + 10);
        c.Note = QStringLiteral("nota %1").arg(i);
        c.Cacciatori = members;
        c.Email = emails;
        c.Messaggio = text + QString::number(i);
        c.Riscontro = QStringLiteral("letto");
        c.Segnala = i % 7 == 0 ? QStringLiteral("Sì") : QStringLiteral("No");
        file.write(codec::encode(TRecComunicazione::layout(), c.toValues()));
    }
}

void Floor_SequentialRead1MiB(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bench::readWhole(archivePath()));
}
BENCHMARK(Floor_SequentialRead1MiB)->Unit(benchmark::kMillisecond);

void CommandSearchTwoCriteria(benchmark::State& state) {
    for (auto _ : state) {
        runCommand({QStringLiteral("cerca"), QStringLiteral("comunicazioni"),
                    QStringLiteral("Oggetto=battuta"), QStringLiteral("Messaggio=comunichiamo")});
    }
}
BENCHMARK(CommandSearchTwoCriteria)->Unit(benchmark::kMillisecond);

void FlaggedSummary(benchmark::State& state) {
    for (auto _ : state) {
        const ListResult r =
            communications::flaggedSummary().build(archivePath(), QDate(2024, 3, 7));
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(FlaggedSummary)->Unit(benchmark::kMillisecond);

void CommandExport(benchmark::State& state) {
    const QString target = folder().filePath(QStringLiteral("export.xls"));
    for (auto _ : state) {
        runCommand({QStringLiteral("esporta"), QStringLiteral("comunicazioni"),
                    QStringLiteral("--file"), target});
    }
}
BENCHMARK(CommandExport)->Unit(benchmark::kMillisecond);

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
