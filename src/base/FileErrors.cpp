#include "base/FileErrors.h"

#include <array>

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
    Reason{"Operation not permitted", "operazione non permessa sulla cartella o sul file"},
    Reason{"Read-only file system", "il disco è protetto in scrittura"},
    Reason{"Text file busy", "il file è in uso da un altro programma"},
    Reason{"Device or resource busy", "il file è in uso da un altro programma"},
    Reason{"Resource temporarily unavailable", "il file è in uso da un altro programma"},
    Reason{"No such file or directory", "il file o la cartella non esistono"},
    Reason{"Is a directory", "il nome indica una cartella, non un file"},
    Reason{"Input/output error", "errore del disco durante la lettura o la scrittura"},
    Reason{"Unknown error", "errore di scrittura (il disco potrebbe essere pieno)"},
};

}  // namespace

QString italian(const QString& systemText) {
    for (const Reason& reason : kReasons) {
        if (systemText.contains(QLatin1String(reason.system), Qt::CaseInsensitive)) {
            return QString::fromUtf8(reason.shown);
        }
    }
    return systemText;
}

}  // namespace fileerror
