#include "shell/ProgramInfo.h"

#include "shell/MailtoLink.h"

#ifndef SELVADORO_VERSION
#define SELVADORO_VERSION "1.0.0"
#endif

namespace programinfo {

QString name() {
    return QStringLiteral("Selvadoro");
}

QString version() {
    return QStringLiteral(SELVADORO_VERSION);
}

QString description() {
    return QStringLiteral(
        "Gli archivi dell'associazione venatoria: cacciatori, squadre, "
        "comunicazioni, armi, battute di caccia, scadenze e pagamenti.");
}

QString makerNotice() {
    return QStringLiteral("Copyright © 2024 Selvadoro Software");
}

QString makerEmail() {
    return QStringLiteral("info@selvadoro.it");
}

QString makerSite() {
    return QStringLiteral("https://www.selvadoro.it");
}

QString makerMailto() {
    return mailtoLink(makerEmail(), QStringLiteral("Software Selvadoro"),
                      QStringLiteral("Salve, desidererei avere le seguenti informazioni sul "
                                     "software in oggetto:"));
}

}  // namespace programinfo
