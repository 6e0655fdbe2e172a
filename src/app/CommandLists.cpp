#include "app/CommandLists.h"

#include <charconv>
#include <vector>

#include "agenda/Agenda.h"
#include "app/Archives.h"
#include "app/CommandLine.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "base/TextRules.h"
#include "export/ExportFormats.h"
#include "records/FieldRules.h"

namespace commandline {
namespace {

// Asks memory for the bytes at `address` ahead of their use.
inline void prefetch(const char* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    Q_UNUSED(address);
#endif
}

// Each line as "N<tab>text". Written to a device (the standard output), the
// lines' UTF-8 bytes go straight out in blocks of about 1 MiB.
void printLines(const ListLines& lines, QTextStream& out) {
    QIODevice* device = out.device();
    if (!device) {
        for (const ListLine& line : lines) out << line.record << '\t' << line.text << '\n';
        return;
    }
    out.flush();
    constexpr std::size_t kBlock = std::size_t(1) << 20;
    std::vector<char> block(kBlock);
    std::size_t used = 0;
    const auto flush = [&] {
        device->write(block.data(), qint64(used));
        used = 0;
    };
    // The texts lie in the order they were read, not the list's: each is
    // asked of memory a few lines before it is needed.
    constexpr qsizetype kAhead = 16;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i + kAhead < lines.size()) prefetch(lines.utf8(i + kAhead).data());
        const QByteArrayView text = lines.utf8(i);
        // The number, a tab, the text and the line's end.
        if (used + std::size_t(text.size()) + 24 > kBlock) flush();
        if (std::size_t(text.size()) + 24 > kBlock) {
            out << lines.record(i) << '\t' << lines.text(i) << '\n';
            out.flush();
            continue;
        }
        char* p = block.data() + used;
        p = std::to_chars(p, p + 20, lines.record(i)).ptr;
        *p++ = '\t';
        p = std::copy(text.begin(), text.end(), p);
        *p++ = '\n';
        used = std::size_t(p - block.data());
    }
    flush();
}

// A file that could not be read whole: what was read is printed, then this.
int unreadable(const QString& error, QTextStream& err) {
    err << "Impossibile leggere l'archivio: " << error << "\n";
    return 1;
}

const ArchiveDefinition* archiveArgument(const QStringList& args, QTextStream& err) {
    const ArchiveDefinition* archive = archives::named(args.value(0));
    if (!archive) {
        usageError(err, args.value(0).isEmpty()
                            ? QStringLiteral("Indicare l'archivio.")
                            : QStringLiteral("Archivio sconosciuto: ") + args.value(0));
    }
    return archive;
}

// Takes "OPTION VALUE" out of `options` once; 2 with the usage error written
// when the option has no value or comes twice.
int takeOption(QStringList& options, const char* name, QString* value, QTextStream& err) {
    const QString option = QString::fromLatin1(name);
    const qsizetype at = options.indexOf(option);
    if (at < 0) return 0;
    if (at + 1 >= options.size() || options.indexOf(option, at + 1) >= 0) {
        return usageError(err, QStringLiteral("Opzioni non valide: ") + options.join(u' '));
    }
    *value = options.at(at + 1);
    options.remove(at, 2);
    return 0;
}

// riepilogo NAME of a list of a date: its rows, in its order, each its
// number and its cells joined by tabs; with --file also its spreadsheet.
int runDatedList(const ExportDefinition& list, QStringList options, QTextStream& out,
                 QTextStream& err) {
    QDate date = seams::clock().today();
    QString chosen;
    QString target;
    if (list.chosenDate) {
        if (const int status = takeOption(options, "--data", &chosen, err)) return status;
    }
    if (const int status = takeOption(options, "--file", &target, err)) return status;
    if (!options.isEmpty()) {
        return usageError(err, QStringLiteral("Opzioni non valide: ") + options.join(u' '));
    }
    if (!chosen.isNull()) {
        const auto parsed = fieldrules::parseDate(chosen);
        if (!parsed) return usageError(err, QStringLiteral("Data non valida: ") + chosen);
        date = *parsed;
    }
    const QStringList files = list.files ? list.files(date) : QStringList{};
    if (files.isEmpty() || !existingArchive(files.first(), err)) return 1;
    GridRows rows = list.read(files, date);
    // The rows gathered into blocks of text, each handed to the stream whole.
    constexpr qsizetype kBlock = qsizetype(1) << 19;
    QString block;
    block.reserve(kBlock + 4096);
    for (qsizetype r = 0; r < rows.rows.size(); ++r) {
        block += QString::number(rows.numbers.at(r));
        for (const QString& cell : rows.rows.at(r)) {
            block += u'\t';
            block += text::visibleControls(cell);
        }
        block += u'\n';
        if (block.size() >= kBlock) {
            out << block;
            block.resize(0);
        }
    }
    out << block;
    if (!rows.ok) return unreadable(rows.error, err);
    if (!target.isEmpty()) {
        ExportGridModel grid(list.columns);
        grid.setRows(std::move(rows));
        QString error;
        if (!spreadsheet::writeGrid(target, list.sheetName, grid, &error)) {
            err << "Attenzione: il sistema non permette di esportare i dati (" << error << ").\n";
            return 1;
        }
    }
    return 0;
}

}  // namespace

int runSearch(const QStringList& args, QTextStream& out, QTextStream& err) {
    const ArchiveDefinition* archive = archiveArgument(args, err);
    if (!archive) return 2;
    QStringList criteria = args.mid(1);
    QString year;
    if (const int status = takeYear(*archive, criteria, &year, err)) return status;
    const SearchDefinition& search = *archive->search;
    QStringList texts;
    if (const int status = criteriaTexts(search, criteria, &texts, err)) return status;
    const QString path = archive->recordFile(year);
    if (!existingArchive(path, err)) return 1;
    const ListResult result = search.run(path, texts);
    printLines(result.lines, out);
    if (!result.ok) return unreadable(result.error, err);
    return 0;
}

int runExport(const QStringList& args, QTextStream& out, QTextStream& err) {
    const ArchiveDefinition* archive = archiveArgument(args, err);
    if (!archive) return 2;
    QStringList options = args.mid(1);
    QString year;
    if (const int status = takeYear(*archive, options, &year, err)) return status;
    const ExportDefinition& definition = *archive->exporter;
    QString formatName = QStringLiteral("xls");
    if (const int status = takeOption(options, "--formato", &formatName, err)) return status;
    const auto format = exportformat::named(formatName);
    if (!format || !exportformat::formatsOf(*archive).contains(*format)) {
        return usageError(err, QStringLiteral("Formato non valido: ") + formatName);
    }
    const QString path = archive->recordFile(year);
    QString target = paths::dataFile(
        exportformat::fileName(definition.fileName, *format, exportformat::yearOf(*archive, path)));
    if (options.size() == 2 && options.at(0) == QLatin1String("--file")) {
        target = options.at(1);
    } else if (!options.isEmpty()) {
        return usageError(err, QStringLiteral("Opzioni non valide: ") + options.join(u' '));
    }
    if (!existingArchive(path, err)) return 1;
    QString error;
    qsizetype rows = 0;
    if (!exportformat::exportRecords({archive, &definition, *format, {path}, target}, &rows,
                                     &error)) {
        err << "Attenzione: il sistema non permette di esportare i dati (" << error << ").\n";
        return 1;
    }
    out << "Esportate " << rows << " schede in " << target << "\n";
    return 0;
}

int runSummary(const QStringList& args, QTextStream& out, QTextStream& err) {
    const SummaryDefinition* summary = archives::summaryNamed(args.value(0));
    if (!summary) {
        if (const ExportDefinition* list = archives::datedListNamed(args.value(0))) {
            return runDatedList(*list, args.mid(1), out, err);
        }
        return usageError(err, QStringLiteral("Riepilogo sconosciuto: ") + args.value(0));
    }
    const ArchiveDefinition& archive = *archives::ownerOf(summary);
    QStringList options = args.mid(1);
    QString year;
    if (const int status = takeYear(archive, options, &year, err)) return status;
    if (!options.isEmpty()) {
        return usageError(err, QStringLiteral("Opzioni non valide: ") + options.join(u' '));
    }
    const QString path = archive.recordFile(year);
    if (!existingArchive(path, err)) return 1;
    const ListResult result = summary->build(path, seams::clock().today());
    printLines(result.lines, out);
    if (!result.ok) return unreadable(result.error, err);
    return 0;
}

int runAgenda(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (!args.isEmpty()) {
        return usageError(err, QStringLiteral("Opzioni non valide: ") + args.join(u' '));
    }
    const QList<AgendaLine> lines = agenda::compute(archives::all(), seams::clock().today());
    bool unreadable = false;
    for (const AgendaLine& line : lines) {
        out << line.shown() << "\n";
        unreadable = unreadable || line.unreadable;
    }
    if (lines.isEmpty()) out << "Nulla da fare.\n";
    return unreadable ? 1 : 0;
}

}  // namespace commandline
