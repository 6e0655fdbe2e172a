#include "base/FileErrors.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>
#include <array>
#include <optional>

namespace fileerror {
namespace {

// A cause as strerror, Qt or Windows word it.
struct Reason {
    const char* system;
    Cause cause;
};

const std::array kReasons{
    Reason{"No space left on device", Cause::DiskFull},
    Reason{"File too large", Cause::FileTooLarge},
    Reason{"Disk quota exceeded", Cause::QuotaExceeded},
    Reason{"Permission denied", Cause::AccessDenied},
    Reason{"Access is denied", Cause::AccessDenied},
    Reason{"Operation not permitted", Cause::NotPermitted},
    Reason{"Read-only file system", Cause::ReadOnlyDisk},
    Reason{"is not writable", Cause::ExistingReadOnly},
    Reason{"Text file busy", Cause::InUse},
    Reason{"Device or resource busy", Cause::InUse},
    Reason{"Resource temporarily unavailable", Cause::InUse},
    Reason{"being used by another process", Cause::InUse},
    Reason{"No such file or directory", Cause::Missing},
    Reason{"cannot find the", Cause::Missing},
    Reason{"Not a directory", Cause::NotAFolder},
    Reason{"Is a directory", Cause::IsAFolder},
    Reason{"File name too long", Cause::NameTooLong},
    Reason{"Too many open files", Cause::TooManyOpenFiles},
    Reason{"Stale file handle", Cause::NetworkFileGone},
    Reason{"No such device", Cause::DiskGone},
    Reason{"Input/output error", Cause::DiskError},
    Reason{"Unknown error", Cause::WriteUnknown},
};

// Qt words the common causes itself, and with its translation installed (the
// windows) in that language: both wordings are known.
std::optional<Cause> known(const QString& systemText) {
    for (const Reason& reason : kReasons) {
        const QString translated = QCoreApplication::translate("QIODevice", reason.system);
        if (systemText.contains(QLatin1String(reason.system), Qt::CaseInsensitive) ||
            systemText.contains(translated, Qt::CaseInsensitive)) {
            return reason.cause;
        }
    }
    return std::nullopt;
}

}  // namespace

QString text(Cause cause) {
    switch (cause) {
        case Cause::Locked:
            return QStringLiteral(
                "il file è bloccato da un altro programma o da un'altra postazione");
        case Cause::LockRefused:
            return QStringLiteral("il sistema non permette di bloccare il file");
        case Cause::NotOpen:
            return QStringLiteral("il file non è aperto");
        case Cause::NotOpenForWriting:
            return QStringLiteral("il file non è aperto in scrittura");
        case Cause::NoRecord:
            return QStringLiteral("la scheda richiesta non è presente nel file");
        case Cause::WrongRecordSize:
            return QStringLiteral("la scheda non ha la lunghezza delle schede del file");
        case Cause::IncompleteRecord:
            return QStringLiteral("la scheda nel file è incompleta");
        case Cause::Unreadable:
            return QStringLiteral("il file non si può leggere");
        case Cause::Shrunk:
            return QStringLiteral("il file è diventato più corto durante la lettura");
        case Cause::FolderNotSynced:
            return QStringLiteral("la cartella non si può registrare sul disco");
        case Cause::SaveNotUndone:
            return QStringLiteral("non è stato possibile annullare un salvataggio interrotto");
        case Cause::JournalNotRemoved:
            return QStringLiteral(
                "non è stato possibile eliminare il file di ripristino di un salvataggio "
                "interrotto");
        case Cause::ExistingReadOnly:
            return QStringLiteral("il file esistente è protetto in scrittura");
        case Cause::ImageFormat:
            return QStringLiteral("il formato dell'immagine non è riconosciuto");
        case Cause::ImageDamaged:
            return QStringLiteral("l'immagine è danneggiata o incompleta");
        case Cause::DiskFull:
            return QStringLiteral("spazio su disco esaurito");
        case Cause::FileTooLarge:
            return QStringLiteral("spazio su disco esaurito (il file non può crescere oltre)");
        case Cause::QuotaExceeded:
            return QStringLiteral("spazio su disco esaurito (quota superata)");
        case Cause::AccessDenied:
            return QStringLiteral("accesso negato: la cartella o il file non si possono scrivere");
        case Cause::NotPermitted:
            return QStringLiteral("operazione non permessa sulla cartella o sul file");
        case Cause::ReadOnlyDisk:
            return QStringLiteral("il disco è protetto in scrittura");
        case Cause::InUse:
            return QStringLiteral("il file è in uso da un altro programma");
        case Cause::Missing:
            return QStringLiteral("il file o la cartella non esistono");
        case Cause::NotAFolder:
            return QStringLiteral("una parte del percorso non è una cartella");
        case Cause::IsAFolder:
            return QStringLiteral("il nome indica una cartella, non un file");
        case Cause::NameTooLong:
            return QStringLiteral("il nome del file è troppo lungo");
        case Cause::TooManyOpenFiles:
            return QStringLiteral("il sistema ha troppi file aperti");
        case Cause::NetworkFileGone:
            return QStringLiteral("il file in rete non è più raggiungibile");
        case Cause::DiskGone:
            return QStringLiteral("il disco non è più collegato");
        case Cause::DiskError:
            return QStringLiteral("errore del disco durante la lettura o la scrittura");
        case Cause::WriteUnknown:
            return QStringLiteral("errore di scrittura (il disco potrebbe essere pieno)");
        case Cause::OpenFailed:
            return QStringLiteral("il file non si può aprire");
        case Cause::WriteFailed:
            return QStringLiteral("errore durante la scrittura del file");
        case Cause::ReadFailed:
            return QStringLiteral("errore durante la lettura del file");
        case Cause::ResourcesExhausted:
            return QStringLiteral("risorse del sistema esaurite (spazio su disco o memoria)");
        case Cause::NotRemoved:
            return QStringLiteral("il file non si può eliminare");
        case Cause::NotReplaced:
            return QStringLiteral("il file non si può sostituire");
        case Cause::NotResized:
            return QStringLiteral("la lunghezza del file non si può cambiare");
        case Cause::NotCopied:
            return QStringLiteral("il file non si può copiare");
        case Cause::FileSystem:
            break;
    }
    return QStringLiteral("errore del file system");
}

QString italian(const QString& systemText) {
    return text(known(systemText).value_or(Cause::FileSystem));
}

QString of(const QFileDevice& file) {
    if (const auto cause = known(file.errorString())) return text(*cause);
    switch (file.error()) {
        case QFileDevice::OpenError:
        case QFileDevice::WriteError: {
            // Qt's own words for a file to replace that cannot be written
            // may come translated: the file itself says it.
            const QFileInfo target(file.fileName());
            if (target.exists() && target.isFile() && !target.isWritable()) {
                return text(Cause::ExistingReadOnly);
            }
            return text(file.error() == QFileDevice::OpenError ? Cause::OpenFailed
                                                               : Cause::WriteFailed);
        }
        case QFileDevice::ReadError:
            return text(Cause::ReadFailed);
        case QFileDevice::ResourceError:
            return text(Cause::ResourcesExhausted);
        case QFileDevice::RemoveError:
            return text(Cause::NotRemoved);
        case QFileDevice::RenameError:
            return text(Cause::NotReplaced);
        case QFileDevice::ResizeError:
            return text(Cause::NotResized);
        case QFileDevice::CopyError:
            return text(Cause::NotCopied);
        default:
            return text(Cause::FileSystem);
    }
}

}  // namespace fileerror
