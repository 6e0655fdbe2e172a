#pragma once

#include <QString>

// Messages shared by every archive.
namespace archivemsg {

inline QString accessError() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
        "possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

inline QString emptyArchive() {
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}

inline QString recordUpdated() {
    return QStringLiteral(
        "Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}

inline QString recordInserted() {
    return QStringLiteral("La scheda corrente è stata inserita in archivio.");
}

inline QString duplicateNeedsStoredCard() {
    return QStringLiteral(
        "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
        "inserita in archivio.");
}

inline QString duplicateReady() {
    return QStringLiteral(
        "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine "
        "premere Salva per inserire la scheda in archivio.");
}

}  // namespace archivemsg
