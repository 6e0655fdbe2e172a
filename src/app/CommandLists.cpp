#include "app/CommandLists.h"

#include "app/Archives.h"
#include "app/CommandLine.h"
#include "archive/FieldRules.h"
#include "base/Paths.h"
#include "base/Seams.h"

namespace commandline {
namespace {

void printLines(const QList<ListLine>& lines, QTextStream& out) {
    for (const ListLine& line : lines) out << line.record << '\t' << line.text << '\n';
}

const ArchiveDefinition* archiveArgument(const QStringList& args, QTextStream& err) {
    const ArchiveDefinition* archive = archives::named(args.value(0));
    if (!archive) usageError(err, QStringLiteral("Archivio sconosciuto: ") + args.value(0));
    return archive;
}

}  // namespace

int runSearch(const QStringList& args, QTextStream& out, QTextStream& err) {
    const ArchiveDefinition* archive = archiveArgument(args, err);
    if (!archive) return 2;
    const SearchDefinition& search = *archive->search;
    QStringList texts(search.criteria.size());
    for (const QString& arg : args.mid(1)) {
        const qsizetype equals = arg.indexOf(u'=');
        qsizetype criterion = -1;
        for (qsizetype i = 0; equals > 0 && i < search.criteria.size(); ++i) {
            if (arg.left(equals) == search.criterionName(i)) criterion = i;
        }
        if (criterion < 0) {
            QStringList fields;
            for (qsizetype i = 0; i < search.criteria.size(); ++i)
                fields.append(search.criterionName(i));
            return usageError(err, QStringLiteral("Criterio non valido: %1 (campi: %2)")
                                       .arg(arg, fields.join(QStringLiteral(", "))));
        }
        texts[criterion] = arg.mid(equals + 1);
    }
    QString path;
    if (!existingArchive(*search.layout, &path, err)) return 1;
    const ListResult result = search.run(path, texts);
    if (!result.ok) {
        err << "Impossibile leggere l'archivio: " << result.error << "\n";
        return 1;
    }
    printLines(result.lines, out);
    return 0;
}

int runExport(const QStringList& args, QTextStream& out, QTextStream& err) {
    const ArchiveDefinition* archive = archiveArgument(args, err);
    if (!archive) return 2;
    const ExportDefinition& definition = *archive->exporter;
    QString target = paths::dataFile(definition.fileName);
    const QStringList options = args.mid(1);
    if (options.size() == 2 && options.at(0) == QLatin1String("--file")) {
        target = options.at(1);
    } else if (!options.isEmpty()) {
        return usageError(err, QStringLiteral("Opzioni non valide: ") + options.join(u' '));
    }
    QString path;
    if (!existingArchive(*definition.layout, &path, err)) return 1;
    QString error;
    qsizetype rows = 0;
    if (!spreadsheet::exportArchive(*definition.layout, definition.columns, path, target,
                                    definition.sheetName, &rows, &error)) {
        err << "Attenzione: il sistema non permette di esportare i dati (" << error << ").\n";
        return 1;
    }
    out << "Esportate " << rows << " schede in " << target << "\n";
    return 0;
}

int runSummary(const QStringList& args, QTextStream& out, QTextStream& err) {
    const SummaryDefinition* summary = archives::summaryNamed(args.value(0));
    if (!summary) return usageError(err, QStringLiteral("Riepilogo sconosciuto: ") + args.value(0));
    QDate today = seams::clock().today();
    const QStringList options = args.mid(1);
    if (options.size() == 2 && options.at(0) == QLatin1String("--oggi")) {
        const auto date = fieldrules::parseDate(options.at(1));
        if (!date) return usageError(err, QStringLiteral("Data non valida: ") + options.at(1));
        today = *date;
    } else if (!options.isEmpty()) {
        return usageError(err, QStringLiteral("Opzioni non valide: ") + options.join(u' '));
    }
    QString path;
    if (!existingArchive(*summary->layout, &path, err)) return 1;
    const ListResult result = summary->build(path, today);
    printLines(result.lines, out);
    if (!result.ok) {
        err << "Impossibile leggere l'archivio: " << result.error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace commandline
