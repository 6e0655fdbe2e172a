#include "app/CommandBackup.h"

#include <QDir>

#include "app/Archives.h"
#include "app/CommandLine.h"
#include "backup/Backup.h"
#include "backup/BackupSettings.h"
#include "base/CommandArgs.h"

namespace commandline {
namespace {

bool takeOption(QStringList& args, const QString& name, QString* value, int* status,
                QTextStream& err) {
    QString problem;
    if (commandargs::takeValue(args, name, value, &problem)) return true;
    *status = usageError(err, problem);
    return false;
}

QString records(qint64 count) {
    return count < 0 ? QStringLiteral("-") : QString::number(count);
}

void printFiles(const backup::Manifest& manifest, QTextStream& out) {
    for (const backup::FileEntry& file : manifest.files) {
        if (file.records >= 0) out << "  " << file.name << ": " << file.records << " schede\n";
    }
}

}  // namespace

int backupCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList options = args;
    int status = 0;
    QString folder;
    QString keepText;
    QString toVerify;
    if (!takeOption(options, QStringLiteral("--destinazione"), &folder, &status, err) ||
        !takeOption(options, QStringLiteral("--conserva"), &keepText, &status, err) ||
        !takeOption(options, QStringLiteral("--verifica"), &toVerify, &status, err)) {
        return status;
    }
    const bool listOnly = options.removeAll(QStringLiteral("--elenco")) > 0;
    if (!options.isEmpty()) {
        return usageError(err, QStringLiteral("Opzioni non valide: ") + options.join(u' '));
    }
    const backup::Settings settings = backup::readSettings();
    const bool chosenFolder = !folder.isEmpty();
    if (folder.isEmpty()) folder = backup::folderOf(settings);
    int keep = settings.keep;
    if (!keepText.isEmpty()) {
        bool ok = false;
        keep = keepText.toInt(&ok);
        if (!ok || keep < backup::kMinKeep || keep > backup::kMaxKeep) {
            return usageError(err, QStringLiteral("--conserva vuole un numero da %1 a %2.")
                                       .arg(backup::kMinKeep)
                                       .arg(backup::kMaxKeep));
        }
    }
    if (!toVerify.isEmpty()) {
        const backup::Outcome outcome = backup::verify(toVerify, archives::all());
        if (!outcome.ok) {
            err << outcome.error << '\n';
            return 1;
        }
        out << "Backup integro: " << QDir::toNativeSeparators(toVerify) << " ("
            << outcome.manifest.files.size() << " file, del "
            << outcome.manifest.date.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) << ")\n";
        printFiles(outcome.manifest, out);
        return 0;
    }
    if (listOnly) {
        // The folder in use, then those used before that still hold backups.
        const QStringList folders =
            chosenFolder ? QStringList{folder} : backup::listedFolders(settings);
        for (const QString& listed : folders) {
            const QList<backup::Listed> backups = backup::list(listed);
            if (listed != folders.first() && backups.isEmpty()) continue;
            if (backups.isEmpty()) {
                out << "Nessun backup in " << QDir::toNativeSeparators(listed) << '\n';
                continue;
            }
            if (listed != folders.first()) {
                out << "Backup nella cartella usata prima " << QDir::toNativeSeparators(listed)
                    << ":\n";
            }
            for (const backup::Listed& item : backups) {
                out << QDir::toNativeSeparators(item.path) << "  "
                    << item.date.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) << "  "
                    << backup::sizeText(item.size);
                if (const QString label = backup::label(item.manifest); !label.isEmpty()) {
                    out << "  (" << label << ')';
                }
                out << '\n';
                if (!item.error.isEmpty()) {
                    out << "  " << item.error << '\n';
                } else {
                    printFiles(item.manifest, out);
                }
            }
        }
        return 0;
    }
    const backup::Outcome outcome = backup::create(archives::all(), folder, keep);
    if (!outcome.ok) {
        err << outcome.error << '\n';
        return 1;
    }
    out << "Backup scritto e verificato: " << QDir::toNativeSeparators(outcome.path) << " ("
        << outcome.manifest.files.size() << " file)\n";
    if (!outcome.note.isEmpty()) out << outcome.note << '\n';
    // Its backups are listed with those of the folder in use.
    QString ignored;
    if (chosenFolder) backup::rememberFolder(folder, &ignored);
    return 0;
}

int restoreCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList options = args;
    const bool dryRun = options.removeAll(QStringLiteral("--prova")) > 0;
    if (options.size() != 1 || options.at(0).startsWith(u'-')) {
        return usageError(err, QStringLiteral("ripristina vuole il file del backup."));
    }
    const QString zipPath = options.at(0);
    const backup::Settings settings = backup::readSettings();
    if (dryRun) {
        const backup::Outcome outcome = backup::verify(zipPath, archives::all());
        if (!outcome.ok) {
            err << outcome.error << '\n';
            return 1;
        }
        out << "Il ripristino del backup del "
            << outcome.manifest.date.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))
            << " cambierebbe (schede ora -> nel backup):\n";
        for (const backup::Change& change : backup::changes(outcome.manifest, archives::all())) {
            if (change.isSettings) {
                out << "  " << change.name << ": impostazioni "
                    << (!change.inBackup ? "non nel backup (restano)"
                        : change.differs ? "diverse (tornano quelle del backup) *"
                                         : "uguali")
                    << '\n';
                continue;
            }
            out << "  " << change.name << ": " << records(change.recordsNow) << " -> "
                << records(change.recordsInBackup)
                << (change.recordsNow == change.recordsInBackup ? "" : " *") << '\n';
        }
        out << "Nessun file è stato cambiato (--prova).\n";
        return 0;
    }
    const backup::Outcome outcome =
        backup::restore(zipPath, archives::all(), backup::folderOf(settings), settings.keep);
    if (!outcome.ok) {
        err << outcome.error << '\n';
        return 1;
    }
    out << "Ripristino eseguito: " << outcome.manifest.files.size() << " file dal backup del "
        << outcome.manifest.date.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) << ".\n"
        << "Lo stato precedente è nel backup " << QDir::toNativeSeparators(outcome.path) << '\n';
    return 0;
}

}  // namespace commandline
