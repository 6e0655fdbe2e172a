#include "app/CommandStampa.h"

#include <array>

#include "app/CommandLine.h"
#include "base/Seams.h"
#include "archive/RecordCodec.h"
#include "archive/RecordFile.h"
#include "hunters/HunterSheet.h"
#include "hunters/TRecCacciatore.h"

namespace commandline {
namespace {

// The archives whose cards print as a sheet: the record layout and the
// sheet built from the texts a card shows.
struct PrintableArchive {
    const char* name;
    const RecordLayout& (*layout)();
    report::Report (*sheet)(const FieldValues& cardTexts, const QDateTime& now);
};

const std::array kPrintable{
    PrintableArchive{"anagrafica", &TRecCacciatore::layout,
                     [](const FieldValues& texts, const QDateTime& now) {
                         return hunters::hunterSheet(TRecCacciatore::fromValues(texts), now);
                     }},
};

QString recordCount(qsizetype count) {
    return count == 1 ? QStringLiteral("1 scheda") : QStringLiteral("%1 schede").arg(count);
}

// The texts record `number` shows on its card; false, with the message
// written, when it cannot be read.
bool readCard(const RecordLayout& layout, qsizetype number, FieldValues* texts, QTextStream& err) {
    QString path;
    if (!existingArchive(layout, &path, err)) return false;
    RecordFile file(path, layout.recordSize());
    if (!file.open(RecordFile::Access::Read)) {
        err << "Impossibile leggere l'archivio " << path << ": " << file.errorString() << "\n";
        return false;
    }
    const qsizetype count = file.count();
    if (number < 1 || number > count) {
        err << "La scheda " << number << " non esiste: l'archivio " << path
            << (count == 0 ? QStringLiteral(" è vuoto.") : " contiene " + recordCount(count) + '.')
            << "\n";
        return false;
    }
    QByteArray record;
    if (!file.readAt(number - 1, &record)) {
        err << "Impossibile leggere l'archivio " << path << ": " << file.errorString() << "\n";
        return false;
    }
    file.close();
    texts->clear();
    for (const QString& stored : codec::decode(layout, record)) {
        texts->append(codec::displayText(layout.encoding, stored));
    }
    return true;
}

}  // namespace

int runPrint(const QStringList& args, QTextStream&, QTextStream& err) {
    QStringList positional;
    QString pdf;
    bool pdfGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--pdf")) {
            if (pdfGiven || i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                return usageError(err,
                                  QStringLiteral("--pdf vuole il nome di un file, una volta."));
            }
            pdf = args.at(++i);
            pdfGiven = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageError(err, QStringLiteral("Opzione sconosciuta: ") + arg);
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 2 || !pdfGiven) {
        return usageError(err, QStringLiteral("Uso: selvadoro stampa anagrafica N --pdf FILE"));
    }
    const PrintableArchive* archive = nullptr;
    for (const PrintableArchive& candidate : kPrintable) {
        if (positional.at(0) == QLatin1String(candidate.name)) archive = &candidate;
    }
    if (!archive) {
        return usageError(err,
                          QStringLiteral("Archivio senza scheda stampabile: ") + positional.at(0));
    }
    bool isNumber = false;
    const qsizetype number = positional.at(1).toLongLong(&isNumber);
    if (!isNumber) {
        return usageError(err, QStringLiteral("Numero di scheda non valido: ") + positional.at(1));
    }

    FieldValues texts;
    if (!readCard(archive->layout(), number, &texts, err)) return 1;
    const report::Report sheet = archive->sheet(texts, seams::clock().now());
    QString error;
    if (!report::writePdf(report::prepare(sheet, seams::clock().today()), pdf, &error)) {
        err << "Impossibile scrivere il file " << pdf << ": " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace commandline
