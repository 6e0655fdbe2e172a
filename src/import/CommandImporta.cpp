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
    "                             [--valore \"Campo=valore\"] [--doppioni] [--taglia]\n"
    "                             importa le righe di un foglio di calcolo (.xlsx,\n"
    "                             .xls, .ods) o di un file CSV (.csv, .txt)\n"
    "                             nell'archivio (--prova: solo il resoconto); senza\n"
    "                             --colonne vale l'abbinamento ricordato dalla finestra";

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
    // Each --valore names a field and the value every row takes for it.
    QStringList fixed;
    for (qsizetype at = args.indexOf(QStringLiteral("--valore")); at >= 0;
         at = args.indexOf(QStringLiteral("--valore"))) {
        if (at + 1 >= args.size() || !args.at(at + 1).contains(u'=')) {
            return usage(err, QStringLiteral("--valore vuole Campo=valore."));
        }
        fixed.append(args.at(at + 1));
        args.remove(at, 2);
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
    const QList<importer::ColumnMatch> matched = matchHeader(*archive, header, reader.sample());
    QList<qsizetype> columns;
    for (const ColumnMatch& match : matched) columns.append(match.field);
    QString error;
    if (columnsSpec.isEmpty()) {
        if (applySavedColumns(*archive, header, &columns)) {
            out << "Colonne abbinate come nell'ultima importazione dalla finestra (--colonne "
                   "per cambiarle).\n";
        }
    } else if (!applyColumns(*archive, header, columnsSpec, &columns, &error)) {
        return usage(err, error);
    }
    for (const QString& pair : fixed) {
        const qsizetype equals = pair.indexOf(u'=');
        const qsizetype field = fieldNamed(*archive, pair.left(equals).trimmed(), &error);
        if (field == kNotImported) return usage(err, error);
        if (columns.contains(field)) {
            return usage(err, QStringLiteral("Il campo %1 ha già una colonna del file: --valore "
                                             "vale per un campo che il file non ha.")
                                  .arg(fieldLabel(*archive, field)));
        }
        options.fixedValues.append({field, pair.mid(equals + 1)});
        out << "valore per tutte le righe " << fieldLabel(*archive, field) << ": "
            << pair.mid(equals + 1) << "\n";
    }
    for (qsizetype c = 0; c < header.size(); ++c) {
        out << "colonna " << (c + 1) << " " << header.at(c) << ": "
            << (columns.at(c) == kNotImported ? QStringLiteral("non importare")
                                              : fieldLabel(*archive, columns.at(c)));
        if (columns.at(c) == kNotImported && !matched.at(c).doubt.isEmpty()) {
            out << " (" << matched.at(c).doubt << ")";
        }
        out << "\n";
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
