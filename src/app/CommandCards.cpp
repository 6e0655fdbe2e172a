#include "app/CommandCards.h"

#include "app/Archives.h"
#include "app/CommandLine.h"
#include "base/Seams.h"
#include "lists/RecordList.h"
#include "lists/RtfDocument.h"
#include "records/RecordFile.h"

namespace commandline {
namespace {

QString recordCount(qsizetype count) {
    return count == 1 ? QStringLiteral("1 scheda") : QStringLiteral("%1 schede").arg(count);
}

// The texts record `number` shows on its card; false, with the message
// written, when it cannot be read.
bool readCard(const RecordLayout& layout, const QString& path, qsizetype number, FieldValues* texts,
              QTextStream& err) {
    if (!existingArchive(path, err)) return false;
    RecordFile file(path, layout.recordSize());
    if (!file.open(RecordFile::Access::Read)) {
        err << "Impossibile leggere l'archivio " << file.errorString() << "\n";
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
        err << "Impossibile leggere l'archivio " << file.errorString() << "\n";
        return false;
    }
    file.close();
    *texts = loadedValues(layout, record);
    return true;
}

// The arguments of a command on one card: ARCHIVIO N, and once the
// option `option` with a file name (required or not), and for an archive
// kept by year "--anno AAAA". A usage error is written (status 2) when they
// are wrong or name an archive that lacks `has`.
struct CardArguments {
    const ArchiveDefinition* archive = nullptr;
    qsizetype number = 0;
    QString file;
    QString path;  // the archive's file
    int status = 0;
};

CardArguments cardArguments(const QStringList& args, const char* option, bool required,
                            bool (*has)(const ArchiveDefinition&), QTextStream& err) {
    CardArguments result;
    const QString flag = QString::fromLatin1(option);
    QStringList positional;
    QStringList year;  // "--anno" and its value, as given
    bool given = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--anno")) {
            year.append(arg);
            if (i + 1 < args.size()) year.append(args.at(++i));
        } else if (arg == flag) {
            if (given || i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                result.status =
                    usageError(err, flag + QStringLiteral(" vuole il nome di un file, una volta."));
                return result;
            }
            result.file = args.at(++i);
            given = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            result.status = usageError(err, QStringLiteral("Opzione sconosciuta: ") + arg);
            return result;
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 2 || (required && !given)) {
        result.status = usageError(
            err, required && !given
                     ? QStringLiteral("Manca l'opzione %1 con il file da scrivere.").arg(flag)
                     : QStringLiteral("Indicare l'archivio e il numero della scheda."));
        return result;
    }
    result.archive = archives::named(positional.at(0));
    if (!result.archive || !has(*result.archive)) {
        result.status =
            usageError(err, QStringLiteral("Archivio senza questa scheda: ") + positional.at(0));
        return result;
    }
    bool isNumber = false;
    result.number = positional.at(1).toLongLong(&isNumber);
    if (!isNumber) {
        result.status =
            usageError(err, QStringLiteral("Numero di scheda non valido: ") + positional.at(1));
        return result;
    }
    if (!result.archive->yearFile && !year.isEmpty()) {
        result.status = usageError(err, QStringLiteral("Opzione sconosciuta: --anno"));
        return result;
    }
    QString chosen;
    result.status = takeYear(*result.archive, year, &chosen, err);
    if (result.status == 0) result.path = result.archive->recordFile(chosen);
    return result;
}

}  // namespace

int runPrint(const QStringList& args, QTextStream&, QTextStream& err) {
    const CardArguments card = cardArguments(
        args, "--pdf", true, [](const ArchiveDefinition& a) { return a.sheet != nullptr; }, err);
    if (card.status != 0) return card.status;
    FieldValues texts;
    if (!readCard(*card.archive->layout, card.path, card.number, &texts, err)) return 1;
    report::Report sheet = card.archive->sheet(texts, seams::clock().now());
    const ArchiveDefinition& archive = *card.archive;
    if (archive.sheetPicture && archive.storedPicture) {
        if (report::PictureObject* object =
                sheet.findPicture(QString::fromLatin1(archive.sheetPicture))) {
            object->image =
                archive.storedPicture(card.number, report::printPixels(object->rect.size()));
        }
    }
    QString error;
    if (!report::writePdf(report::prepare(sheet, seams::clock().today()), card.file, &error)) {
        err << "Impossibile scrivere il file " << card.file << ": " << error << "\n";
        return 1;
    }
    return 0;
}

int runRtf(const QStringList& args, QTextStream& out, QTextStream& err) {
    const CardArguments card = cardArguments(
        args, "--file", false, [](const ArchiveDefinition& a) { return a.rtfCard != nullptr; },
        err);
    if (card.status != 0) return card.status;
    const RecordLayout& layout = *card.archive->layout;
    FieldValues texts;
    if (!readCard(layout, card.path, card.number, &texts, err)) return 1;
    const RtfDocument& document = *card.archive->rtfCard;
    const QString path = card.file.isEmpty() ? rtf::pathOf(document) : card.file;
    QString error;
    const auto textOf = [&](const QString& control) {
        return texts.value(layout.indexOfControl(control));
    };
    if (!rtf::write(document, textOf, path, &error)) {
        err << "Impossibile scrivere il file " << path << ": " << error << "\n";
        return 1;
    }
    out << "Scheda " << card.number << " scritta in " << path << "\n";
    return 0;
}

}  // namespace commandline
