#include "mailing/MailingSettings.h"

#include <QRegularExpression>
#include <QSettings>

#include "base/Paths.h"

namespace mailing {
namespace {

constexpr const char* kGroup = "EtichettePersonalizzate/";

}  // namespace

bool isEmailAddress(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        "^[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+(\\.[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+)*"
        "@[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)+$"));
    return pattern.match(text).hasMatch();
}

AssociationProblem problemOf(const Association& association) {
    using Field = AssociationProblem::Field;
    if (association.name.trimmed().isEmpty()) {
        return {Field::Name, QStringLiteral("Indicare il nome dell'associazione.")};
    }
    static const QRegularExpression code(QStringLiteral("^([0-9]{11}|[A-Za-z0-9]{16})$"));
    if (!association.fiscalCode.isEmpty() && !code.match(association.fiscalCode).hasMatch()) {
        return {Field::FiscalCode,
                QStringLiteral("Il codice fiscale dell'associazione è fatto di 11 cifre (o di 16 "
                               "lettere e cifre): ") +
                    association.fiscalCode};
    }
    if (!association.email.isEmpty() && !isEmailAddress(association.email)) {
        return {Field::Email,
                QStringLiteral("L'indirizzo e-mail dell'associazione non è valido: ") +
                    association.email};
    }
    return {};
}

QString settingsPath() {
    return paths::settingsFile();
}

Association association() {
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    return Association{
        settings.value(QStringLiteral("Associazione/Nome")).toString(),
        settings.value(QStringLiteral("Associazione/Logo")).toString(),
        settings.value(QStringLiteral("Associazione/Email")).toString(),
        settings.value(QStringLiteral("Associazione/Indirizzo")).toString(),
        settings.value(QStringLiteral("Associazione/CodiceFiscale")).toString(),
        settings.value(QStringLiteral("Associazione/Telefono")).toString(),
        settings.value(QStringLiteral("Associazione/Luogo")).toString(),
        settings.value(QStringLiteral("Associazione/Firma")).toString(),
    };
}

void setAssociation(const Association& association) {
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Associazione/Nome"), association.name);
    settings.setValue(QStringLiteral("Associazione/Logo"), association.logo);
    settings.setValue(QStringLiteral("Associazione/Email"), association.email);
    settings.setValue(QStringLiteral("Associazione/Indirizzo"), association.address);
    settings.setValue(QStringLiteral("Associazione/CodiceFiscale"), association.fiscalCode);
    settings.setValue(QStringLiteral("Associazione/Telefono"), association.phone);
    settings.setValue(QStringLiteral("Associazione/Luogo"), association.place);
    settings.setValue(QStringLiteral("Associazione/Firma"), association.signature);
}

LabelFormat customFormat() {
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    const LabelFormat fallback = standardFormats().first();
    const auto number = [&](const char* key, double value) {
        return settings.value(QLatin1String(kGroup) + QLatin1String(key), value).toDouble();
    };
    LabelFormat format = fallback;
    format.name = QStringLiteral("personalizzato");
    format.columns = int(number("Colonne", fallback.columns));
    format.rows = int(number("Righe", fallback.rows));
    format.width = number("Larghezza", fallback.width);
    format.height = number("Altezza", fallback.height);
    format.left = number("MargineSinistro", fallback.left);
    format.top = number("MargineSuperiore", fallback.top);
    format.horizontalPitch = number("PassoOrizzontale", fallback.horizontalPitch);
    format.verticalPitch = number("PassoVerticale", fallback.verticalPitch);
    return format;
}

void setCustomFormat(const LabelFormat& format) {
    QSettings settings(settingsPath(), QSettings::IniFormat);
    const auto set = [&](const char* key, double value) {
        settings.setValue(QLatin1String(kGroup) + QLatin1String(key), value);
    };
    set("Colonne", format.columns);
    set("Righe", format.rows);
    set("Larghezza", format.width);
    set("Altezza", format.height);
    set("MargineSinistro", format.left);
    set("MargineSuperiore", format.top);
    set("PassoOrizzontale", format.horizontalPitch);
    set("PassoVerticale", format.verticalPitch);
}

}  // namespace mailing
