#include "import/CommandImporta.h"

#include "base/CommandArgs.h"
#include "base/TextRules.h"
#include "import/Importer.h"
#include "lists/ArchiveDefinition.h"

namespace importer {

const char* const kUsageLine =
    "importa ARCHIVIO --file FILE [--anno AAAA] [--prova]\n"
    "                             [--separatore X] [--codifica utf-8|cp1252]\n"
    "                             [--colonne \"Titolo=Campo,...\"] [--tutto-o-niente]\n"
    "                             [--doppioni] [--taglia]\n"
    "                             importa le righe di un file CSV o di un'esportazione\n"
    "                             .xls nell'archivio (--prova: solo il resoconto)";

namespace {

int usage(QTextStream& err, const QString& message) {
    return commandargs::usageError(err, message, QString::fromUtf8(kUsageLine));
}

bool takeValue(QStringList& args, const QString& name, QString* value, QTextStream& err,
               int* status) {
    QString problem;
    if (commandargs::takeValue(args, name, value, &problem)) return true;
    *status = usage(err, problem);
    return false;
}

bool takeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

}  // namespace

int importa(const QList<const ArchiveDefinition*>& archives, const QStringList& argsIn,
            QTextStream& out, QTextStream& err) {
    QStringList args = argsIn;
    int status = 0;
    QString file, year, separator, encoding, columnsSpec;
    if (!takeValue(args, QStringLiteral("--file"), &file, err, &status) ||
        !takeValue(args, QStringLiteral("--anno"), &year, err, &status) ||
        !takeValue(args, QStringLiteral("--separatore"), &separator, err, &status) ||
        !takeValue(args, QStringLiteral("--codifica"), &encoding, err, &status) ||
        !takeValue(args, QStringLiteral("--colonne"), &columnsSpec, err, &status)) {
        return status;
    }
    const bool dryRun = takeFlag(args, QStringLiteral("--prova"));
    const bool allOrNothing = takeFlag(args, QStringLiteral("--tutto-o-niente"));
    Options options;
    options.importDuplicates = takeFlag(args, QStringLiteral("--doppioni"));
    options.cutToLimits = takeFlag(args, QStringLiteral("--taglia"));
    if (args.isEmpty()) return usage(err, QStringLiteral("Indicare l'archivio in cui importare."));
    const ArchiveDefinition* archive = nullptr;
    for (const ArchiveDefinition* a : archives) {
        if (args.first() == QLatin1String(a->name)) archive = a;
    }
    if (!archive) return usage(err, QStringLiteral("Archivio sconosciuto: ") + args.first());
    if (args.size() > 1) return usage(err, QStringLiteral("Argomento sconosciuto: ") + args.at(1));
    if (!archive->card) {
        return usage(err, QStringLiteral("L'archivio %1 non ha una scheda in cui importare.")
                              .arg(QString::fromLatin1(archive->name)));
    }
    if (file.isEmpty())
        return usage(err, QStringLiteral("Indicare il file da importare con --file."));
    if (archive->yearFile) {
        if (year.isEmpty()) {
            return usage(err, QStringLiteral("L'archivio %1 ha un file per ogni anno: indicare "
                                             "l'anno con --anno AAAA.")
                                  .arg(QString::fromLatin1(archive->name)));
        }
        if (year.size() != 4 || !text::isAllDigits(year)) {
            return usage(err, QStringLiteral("Anno non valido (quattro cifre): ") + year);
        }
    } else if (!year.isEmpty()) {
        return usage(err, QStringLiteral("L'archivio %1 non ha un file per anno: --anno non "
                                         "serve.")
                              .arg(QString::fromLatin1(archive->name)));
    }
    options.year = year;
    importfile::ReadOptions read;
    if (!separator.isEmpty()) {
        if (separator == QLatin1String("tab") || separator == QLatin1String("\\t") ||
            separator == QLatin1String("\t")) {
            read.separator = '\t';
        } else if (separator == QLatin1String(";") || separator == QLatin1String(",")) {
            read.separator = separator.at(0).toLatin1();
        } else {
            return usage(err,
                         QStringLiteral("Separatore non valido (; , oppure tab): ") + separator);
        }
    }
    if (!encoding.isEmpty()) {
        const QString e = encoding.toLower();
        if (e == QLatin1String("utf-8") || e == QLatin1String("utf8")) {
            read.encoding = importfile::Encoding::Utf8;
        } else if (e == QLatin1String("cp1252") || e == QLatin1String("windows-1252")) {
            read.encoding = importfile::Encoding::Cp1252;
        } else {
            return usage(err,
                         QStringLiteral("Codifica non valida (utf-8 oppure cp1252): ") + encoding);
        }
    }

    // The file is read as it goes: the header first, then each row
    // checked (and, but for --prova, written) in turn.
    importfile::Reader reader(file, read);
    if (!reader.start()) {
        err << reader.error() << "\nNessuna scheda importata.\n";
        return 1;
    }
    const QStringList& header = reader.header();
    QList<qsizetype> columns = matchColumns(*archive, header);
    QString error;
    if (!columnsSpec.isEmpty() && !applyColumns(*archive, header, columnsSpec, &columns, &error)) {
        return usage(err, error);
    }
    for (qsizetype c = 0; c < header.size(); ++c) {
        out << "colonna " << (c + 1) << " " << header.at(c) << ": "
            << (columns.at(c) == kNotImported
                    ? QStringLiteral("non importare")
                    : QString::fromLatin1(archive->layout->fields[std::size_t(columns.at(c))].name))
            << "\n";
    }
    const QString path = archive->recordFile(year);
    // The file's rows parsed on a second thread while these are checked
    // (and written).
    importfile::Prefetch ahead(reader);
    if (dryRun) {
        const Plan plan = prepare(*archive, path, ahead, columns, options);
        if (!plan.ok) {
            err << plan.error << "\nNessuna scheda importata.\n";
            return 1;
        }
        out << report(*archive, plan, options.importDuplicates);
        out << "Prova: nessuna scheda scritta.\n";
        return plan.accepted == plan.rowsRead ? 0 : 1;
    }
    options.allOrNothing = allOrNothing;
    const Imported imported = import(*archive, path, ahead, columns, options);
    if (!imported.error.isEmpty()) {
        err << "Impossibile scrivere l'archivio: " << imported.error
            << "\nNessuna scheda importata.\n";
        return 1;
    }
    const Plan& plan = imported.plan;
    if (!plan.ok) {
        err << plan.error << "\nNessuna scheda importata.\n";
        return 1;
    }
    out << report(*archive, plan, options.importDuplicates);
    const bool everyRow = plan.accepted == plan.rowsRead;
    if (!everyRow && allOrNothing) {
        out << "Con --tutto-o-niente: nessuna scheda importata.\n";
        return 1;
    }
    if (imported.count == 0) {
        out << "Nessuna scheda importata.\n";
    } else {
        out << QStringLiteral("Schede importate: %1 (dalla n. %2 alla n. %3).\n")
                   .arg(imported.count)
                   .arg(imported.first)
                   .arg(imported.first + imported.count - 1);
    }
    return everyRow ? 0 : 1;
}

}  // namespace importer
