#include "base/FileErrors.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>
#include <array>
#include <optional>

namespace fileerror {
namespace {

struct Reason {
    const char* system;  // as strerror and Qt word it
    const char* shown;
};

const std::array kReasons{
    Reason{"No space left on device", "spazio su disco esaurito"},
    Reason{"File too large", "spazio su disco esaurito (il file non può crescere oltre)"},
    Reason{"Disk quota exceeded", "spazio su disco esaurito (quota superata)"},
    Reason{"Permission denied", "accesso negato: la cartella o il file non si possono scrivere"},
    Reason{"Access is denied", "accesso negato: la cartella o il file non si possono scrivere"},
    Reason{"Operation not permitted", "operazione non permessa sulla cartella o sul file"},
    Reason{"Read-only file system", "il disco è protetto in scrittura"},
    Reason{"is not writable", "il file esistente è protetto in scrittura"},
    Reason{"Text file busy", "il file è in uso da un altro programma"},
    Reason{"Device or resource busy", "il file è in uso da un altro programma"},
    Reason{"Resource temporarily unavailable", "il file è in uso da un altro programma"},
    Reason{"being used by another process", "il file è in uso da un altro programma"},
    Reason{"No such file or directory", "il file o la cartella non esistono"},
    Reason{"cannot find the", "il file o la cartella non esistono"},
    Reason{"Not a directory", "una parte del percorso non è una cartella"},
    Reason{"Is a directory", "il nome indica una cartella, non un file"},
    Reason{"File name too long", "il nome del file è troppo lungo"},
    Reason{"Too many open files", "il sistema ha troppi file aperti"},
    Reason{"Stale file handle", "il file in rete non è più raggiungibile"},
    Reason{"No such device", "il disco non è più collegato"},
    Reason{"Input/output error", "errore del disco durante la lettura o la scrittura"},
    Reason{"Unknown error", "errore di scrittura (il disco potrebbe essere pieno)"},
};

// Qt words the common causes itself, and with its translation installed (the
// windows) in that language: both wordings are known.
std::optional<QString> known(const QString& systemText) {
    for (const Reason& reason : kReasons) {
        const QString translated = QCoreApplication::translate("QIODevice", reason.system);
        if (systemText.contains(QLatin1String(reason.system), Qt::CaseInsensitive) ||
            systemText.contains(translated, Qt::CaseInsensitive)) {
            return QString::fromUtf8(reason.shown);
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
        case Cause::FileSystem:
            break;
    }
    return QStringLiteral("errore del file system");
}

QString italian(const QString& systemText) {
    return known(systemText).value_or(text(Cause::FileSystem));
}

QString of(const QFileDevice& file) {
    if (const auto reason = known(file.errorString())) return *reason;
    switch (file.error()) {
        case QFileDevice::OpenError:
        case QFileDevice::WriteError: {
            // Qt's own words for a file to replace that cannot be written
            // may come translated: the file itself says it.
            const QFileInfo target(file.fileName());
            if (target.exists() && target.isFile() && !target.isWritable()) {
                return text(Cause::ExistingReadOnly);
            }
            return file.error() == QFileDevice::OpenError
                       ? QStringLiteral("il file non si può aprire")
                       : QStringLiteral("errore durante la scrittura del file");
        }
        case QFileDevice::ReadError:
            return QStringLiteral("errore durante la lettura del file");
        case QFileDevice::ResourceError:
            return QStringLiteral("risorse del sistema esaurite (spazio su disco o memoria)");
        case QFileDevice::RemoveError:
            return QStringLiteral("il file non si può eliminare");
        case QFileDevice::RenameError:
            return QStringLiteral("il file non si può sostituire");
        case QFileDevice::ResizeError:
            return QStringLiteral("la lunghezza del file non si può cambiare");
        case QFileDevice::CopyError:
            return QStringLiteral("il file non si può copiare");
        default:
            return text(Cause::FileSystem);
    }
}

}  // namespace fileerror
