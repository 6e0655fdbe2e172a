#include "app/CommandMailing.h"

#include "app/Archives.h"
#include "app/CommandLine.h"
#include "base/CommandArgs.h"
#include "base/Seams.h"
#include "mailing/MailingJobs.h"
#include "mailing/MergeLetters.h"
#include "records/RecordFile.h"

namespace commandline {
namespace {

bool takeValue(QStringList& args, const char* name, QString* value, int* status, QTextStream& err) {
    QString problem;
    if (commandargs::takeValue(args, QString::fromLatin1(name), value, &problem)) return true;
    *status = usageError(err, problem);
    return false;
}

// The records of ARCHIVIO [Campo=testo ...] in the search's order, read
// whole; 0, or the status with its message written.
int selectedMembers(const ArchiveDefinition& archive, const QStringList& criteria,
                    QList<mailing::Member>* members, QTextStream& err) {
    const SearchDefinition& search = *archive.search;
    QStringList texts;
    if (const int status = criteriaTexts(search, criteria, &texts, err)) return status;
    const QString path = archive.recordFile();
    if (!existingArchive(path, err)) return 1;
    const ListResult found = search.run(path, texts);
    if (!found.ok) {
        err << "Impossibile leggere l'archivio: " << found.error << "\n";
        return 1;
    }
    QList<qsizetype> records;
    for (qsizetype i = 0; i < found.lines.size(); ++i) records.append(found.lines.record(i));
    if (records.isEmpty()) {
        err << mailing::emptySelectionMessage() << "\n";
        return 1;
    }
    const mailing::Members read = mailing::readMembers(*archive.layout, path, records);
    if (!read.ok) {
        err << "Impossibile leggere l'archivio: " << read.error << "\n";
        return 1;
    }
    *members = read.members;
    return 0;
}

const ArchiveDefinition* archiveWith(const QString& name, bool (*has)(const ArchiveDefinition&),
                                     QTextStream& err) {
    const ArchiveDefinition* archive = archives::named(name);
    if (!archive || !has(*archive)) {
        usageError(err, QStringLiteral("Archivio senza etichette né tessere: ") + name);
        return nullptr;
    }
    return archive;
}

// A logo that is set but cannot be read: said, and the pages made without.
void warnUnreadableLogo(QTextStream& err) {
    QString error;
    if (!mailing::association().logo.isEmpty() &&
        mailing::associationLogo(QSizeF(report::mm(20), report::mm(20)), &error).isNull()) {
        err << "Il logo non si può leggere (" << mailing::association().logo << "): " << error
            << "\n";
    }
}

int writeReport(const report::Report& report, const QString& file, QTextStream& err) {
    QString error;
    if (!report::writePdf(report::prepare(report, seams::clock().today()), file, &error)) {
        err << "Impossibile scrivere il file " << file << ": " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int runLabels(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList rest = args.mid(1);
    QString formatName = QStringLiteral("3x8");
    QString start = QStringLiteral("1");
    QString file;
    int status = 0;
    if (!takeValue(rest, "--formato", &formatName, &status, err) ||
        !takeValue(rest, "--inizio", &start, &status, err) ||
        !takeValue(rest, "--pdf", &file, &status, err)) {
        return status;
    }
    if (file.isEmpty()) {
        return usageError(err, QStringLiteral("Manca l'opzione --pdf con il file da scrivere."));
    }
    const ArchiveDefinition* archive = archiveWith(args.value(0), &mailing::makesLabels, err);
    if (!archive) return 2;
    std::optional<mailing::LabelFormat> format = mailing::standardFormat(formatName);
    if (formatName == QLatin1String("personalizzato")) format = mailing::customFormat();
    if (!format) return usageError(err, QStringLiteral("Formato sconosciuto: ") + formatName);
    if (const QString problem = format->problem(); !problem.isEmpty()) {
        err << problem << "\n";
        return 1;
    }
    bool isNumber = false;
    const int first = start.toInt(&isNumber);
    if (!isNumber || first < 1 || first > format->perSheet()) {
        return usageError(
            err, QStringLiteral("--inizio vuole un numero da 1 a %1.").arg(format->perSheet()));
    }
    QList<mailing::Member> members;
    if (const int selected = selectedMembers(*archive, rest, &members, err)) return selected;
    const mailing::LabelJob job = mailing::labelJob(*archive, members, *format, first);
    if (!job.withoutAddress.isEmpty()) {
        err << mailing::withoutAddressMessage(job.withoutAddress) << "\n";
    }
    if (const QString fitted = mailing::fitMessage(job); !fitted.isEmpty()) {
        err << fitted << "\n";
    }
    if (job.labels == 0) {
        err << mailing::emptySelectionMessage() << "\n";
        return 1;
    }
    if (const int written = writeReport(job.report, file, err)) return written;
    out << "Scritte " << job.labels << " etichette in " << file << "\n";
    return 0;
}

int runCards(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList rest = args.mid(1);
    QString season;
    QString file;
    int status = 0;
    if (!takeValue(rest, "--stagione", &season, &status, err) ||
        !takeValue(rest, "--pdf", &file, &status, err)) {
        return status;
    }
    if (file.isEmpty() || season.isEmpty()) {
        return usageError(
            err, file.isEmpty() ? QStringLiteral("Manca l'opzione --pdf con il file da scrivere.")
                                : QStringLiteral("Manca l'opzione --stagione (AAAA/AAAA)."));
    }
    if (!mailing::isSeason(season)) {
        return usageError(err, QStringLiteral("Stagione non valida (AAAA/AAAA): ") + season);
    }
    const ArchiveDefinition* archive = archiveWith(args.value(0), &mailing::makesCards, err);
    if (!archive) return 2;
    QList<mailing::Member> members;
    if (const int selected = selectedMembers(*archive, rest, &members, err)) return selected;
    warnUnreadableLogo(err);
    // Page by page: thousands of cards need not be held at once.
    QString error;
    if (!mailing::writeCardsPdf(*archive, members, season, seams::clock().today(), file, &error)) {
        err << "Impossibile scrivere il file " << file << ": " << error << "\n";
        return 1;
    }
    out << "Scritte " << members.size() << " tessere in " << file << "\n";
    return 0;
}

int runLetters(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList rest = args;
    QString pdf;
    QString folder;
    QString chosen;
    int status = 0;
    if (!takeValue(rest, "--pdf", &pdf, &status, err) ||
        !takeValue(rest, "--eml", &folder, &status, err) ||
        !takeValue(rest, "--scheda", &chosen, &status, err)) {
        return status;
    }
    mailing::RecipientChoice choice;
    choice.everyNamesake = rest.removeAll(QStringLiteral("--tutti-gli-omonimi")) > 0;
    bool isNumber = false;
    const qsizetype number = rest.value(0).toLongLong(&isNumber);
    if (rest.size() != 1 || !isNumber || pdf.isEmpty() == folder.isEmpty()) {
        return usageError(err, QStringLiteral("Indicare il numero della comunicazione e una sola "
                                              "fra --pdf FILE e --eml CARTELLA."));
    }
    if (choice.everyNamesake && !chosen.isEmpty()) {
        return usageError(err, QStringLiteral("Indicare --tutti-gli-omonimi oppure --scheda, non "
                                              "entrambe."));
    }
    if (!chosen.isEmpty()) {
        for (const QString& part : chosen.split(u',')) {
            bool isRecord = false;
            const qsizetype record = part.trimmed().toLongLong(&isRecord);
            if (!isRecord || record < 1) {
                return usageError(err, QStringLiteral("--scheda vuole numeri di scheda separati "
                                                      "da virgola: ") +
                                           chosen);
            }
            choice.records.append(record);
        }
    }
    const ArchiveDefinition* messages = nullptr;
    for (const ArchiveDefinition* archive : archives::all()) {
        if (archive->letters && !messages) messages = archive;
    }
    const ArchiveDefinition* people =
        messages ? archives::named(QString::fromLatin1(messages->letters->recipientArchive))
                 : nullptr;
    if (!people || !people->mailing) {
        err << "Nessun archivio di messaggi con destinatari.\n";
        return 1;
    }
    const QString path = messages->recordFile();
    if (!existingArchive(path, err)) return 1;
    const mailing::Members message = mailing::readMembers(*messages->layout, path, {number});
    if (!message.ok) {
        err << "La scheda " << number << " non si può leggere: " << message.error << "\n";
        return 1;
    }
    const QString registry = people->recordFile();
    if (!existingArchive(registry, err)) return 1;
    const mailing::Members everyone = mailing::readMembers(*people->layout, registry);
    if (!everyone.ok) {
        err << "Impossibile leggere l'archivio: " << everyone.error << "\n";
        return 1;
    }
    const mailing::MergeSource source{messages, people};
    const mailing::LetterPlan plan = mailing::planLetters(
        source, message.members.first().values, everyone.members, seams::clock().today(), choice);
    if (!plan.error.isEmpty()) {
        err << plan.error << "\n";
        return 1;
    }
    if (!plan.missing.isEmpty()) {
        err << "Destinatari non trovati in archivio, esclusi: "
            << plan.missing.join(QStringLiteral(", ")) << ".\n";
    }
    // A name several members bear is never settled by picking one.
    QStringList namesakes;
    QList<qsizetype> offered;
    for (const mailing::Namesakes& group : plan.namesakes) {
        if (plan.unsettled.contains(group.name)) namesakes.append(mailing::namesakesText(group));
        for (const mailing::Member& member : group.members) offered.append(member.record);
    }
    for (const qsizetype record : choice.records) {
        if (!offered.contains(record)) {
            err << "La scheda " << record
                << " non è tra gli omonimi dei destinatari. Nulla è stato scritto.\n";
            return 1;
        }
    }
    if (!namesakes.isEmpty()) {
        err << "Destinatari con più schede dello stesso nome: "
            << namesakes.join(QStringLiteral("; "))
            << ".\nIndicare --tutti-gli-omonimi oppure --scheda con i numeri delle schede "
               "scelte. Nulla è stato scritto.\n";
        return 1;
    }
    if (plan.letters.isEmpty()) {
        err << "Nessun destinatario.\n";
        return 1;
    }
    const mailing::Association association = mailing::association();
    if (!pdf.isEmpty()) {
        const QStringList homeless = mailing::lettersWithoutAddress(plan.letters);
        if (!homeless.isEmpty()) err << mailing::lettersWithoutAddressMessage(homeless) << "\n";
        if (homeless.size() == plan.letters.size()) {
            err << "Nessuna lettera da stampare.\n";
            return 1;
        }
        warnUnreadableLogo(err);
        const QImage logo = mailing::associationLogo(QSizeF(report::mm(20), report::mm(20)));
        if (const int written =
                writeReport(mailing::letterPages(plan.letters, association, logo), pdf, err)) {
            return written;
        }
        out << "Scritte " << plan.letters.size() - homeless.size() << " lettere in " << pdf << "\n";
        return 0;
    }
    for (const QString& note : mailing::emailNotes(plan.letters)) err << note << "\n";
    QStringList written;
    QString error;
    if (!mailing::writeEmls(plan.letters, folder, association, seams::clock().now(), &written,
                            &error)) {
        err << "Impossibile scrivere nella cartella " << folder << ": " << error << "\n";
        return 1;
    }
    out << "Scritti " << written.size() << " messaggi in " << folder << "\n";
    return 0;
}

int runAssociation(const QStringList& args, QTextStream& out, QTextStream& err) {
    mailing::Association association = mailing::association();
    struct Option {
        const char* name;
        const char* caption;
        QString* value;
    };
    const Option options[] = {
        {"--nome", "Nome", &association.name},
        {"--indirizzo", "Indirizzo", &association.address},
        {"--codice-fiscale", "Codice fiscale", &association.fiscalCode},
        {"--telefono", "Telefono", &association.phone},
        {"--email", "E-mail", &association.email},
        {"--luogo", "Luogo", &association.place},
        {"--firma", "Firma", &association.signature},
        {"--logo", "Logo", &association.logo},
    };
    QStringList rest = args;
    bool changed = false;
    for (const Option& option : options) {
        QString value;
        int status = 0;
        if (!takeValue(rest, option.name, &value, &status, err)) return status;
        if (value.isEmpty()) continue;
        // "-" empties a field; "\n" in a text starts a new line.
        *option.value = value == QLatin1String("-")
                            ? QString()
                            : value.replace(QStringLiteral("\\n"), QStringLiteral("\n")).trimmed();
        changed = true;
    }
    if (!rest.isEmpty()) {
        return usageError(err, QStringLiteral("Opzione sconosciuta: ") + rest.first());
    }
    if (changed) {
        association.fiscalCode = association.fiscalCode.toUpper();
        const mailing::AssociationProblem problem = mailing::problemOf(association);
        if (!problem.message.isEmpty()) {
            err << problem.message << "\n";
            return 1;
        }
        mailing::setAssociation(association);
    }
    for (const Option& option : options) {
        out << option.caption << ": "
            << QString(*option.value).replace(u'\n', QStringLiteral(" / ")) << "\n";
    }
    return 0;
}

}  // namespace commandline
