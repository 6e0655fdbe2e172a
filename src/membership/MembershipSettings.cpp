#include "membership/MembershipSettings.h"

#include <QDate>
#include <QSettings>

#include "base/Paths.h"
#include "records/FieldRules.h"

namespace membership {
namespace {

const QString kFees = QStringLiteral("Tesseramento/Quote");
const QString kStamp = QStringLiteral("Tesseramento/SogliaMarcaDaBollo");
const QString kSeasonStart = QStringLiteral("Tesseramento/InizioStagione");
const QString kReminder = QStringLiteral("Tesseramento/PromemoriaDal");

// "dd/mm" as a day and a month of a leap year; false for anything else.
bool parseDayMonth(const QString& text, int* day, int* month) {
    const QStringList parts = text.trimmed().split(u'/');
    if (parts.size() != 2) return false;
    bool dayOk = false;
    bool monthOk = false;
    const int d = parts.at(0).toInt(&dayOk);
    const int m = parts.at(1).toInt(&monthOk);
    // The 29th of February would not start every year's season.
    if (!dayOk || !monthOk || !QDate(2023, m, d).isValid()) return false;
    *day = d;
    *month = m;
    return true;
}

// A value as the user may have written it in the file: without quotes,
// QSettings reads "84,00" as a list of two, which is joined back.
QString settingText(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',')
                                                    : value.toString();
}

}  // namespace

QString dayMonthText(int day, int month) {
    return QStringLiteral("%1/%2").arg(day, 2, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0'));
}

QString feesText(const Settings& settings) {
    QStringList lines;
    for (const FeeKind& fee : settings.fees) lines.append(fee.name + u'=' + fee.amount);
    return lines.join(u'\n');
}

std::optional<Settings> settingsFromTexts(const QString& fees, const QString& threshold,
                                          const QString& seasonStart, const QString& reminder,
                                          QString* error) {
    Settings result;
    for (const QString& line : fees.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.trimmed().isEmpty()) continue;
        const qsizetype equals = line.indexOf(u'=');
        const QString name = line.left(equals).trimmed();
        const auto amount = fieldrules::roundedAmount(line.mid(equals + 1), 2);
        if (equals <= 0 || name.isEmpty() || name.contains(u';') || !amount) {
            *error = QStringLiteral(
                         "Tipo di quota non valido: \"%1\" (scrivere per esempio "
                         "ordinaria=84,00).")
                         .arg(line.trimmed());
            return std::nullopt;
        }
        result.fees.append({name, *amount});
    }
    if (result.fees.isEmpty()) {
        *error = QStringLiteral("Indicare almeno un tipo di quota.");
        return std::nullopt;
    }
    const auto stamp = fieldrules::roundedAmount(threshold, 2);
    if (!stamp) {
        *error = QStringLiteral("La soglia della marca da bollo non è un importo: ") + threshold;
        return std::nullopt;
    }
    result.stampThreshold = *stamp;
    if (!parseDayMonth(seasonStart, &result.seasonStartDay, &result.seasonStartMonth)) {
        *error = QStringLiteral("Il primo giorno della stagione non è un giorno (gg/mm): ") +
                 seasonStart;
        return std::nullopt;
    }
    if (!parseDayMonth(reminder, &result.reminderDay, &result.reminderMonth)) {
        *error = QStringLiteral("Il giorno del promemoria non è un giorno (gg/mm): ") + reminder;
        return std::nullopt;
    }
    return result;
}

Settings defaultSettings() {
    return Settings{
        .fees = {{QStringLiteral("ordinaria"), QStringLiteral("84,00")},
                 {QStringLiteral("giovani"), QStringLiteral("42,00")},
                 {QStringLiteral("veterani"), QStringLiteral("60,00")},
                 {QStringLiteral("onoraria"), QStringLiteral("0,00")},
                 {QStringLiteral("familiare"), QStringLiteral("30,00")}},
        .stampThreshold = QStringLiteral("77,47"),
    };
}

Settings settingsNow() {
    Settings result = defaultSettings();
    const QSettings settings(paths::settingsFile(), QSettings::IniFormat);
    QList<FeeKind> kinds;
    for (const QString& fee : settingText(settings, kFees).split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = fee.indexOf(u'=');
        const QString name = fee.left(equals).trimmed();
        const auto amount = fieldrules::roundedAmount(fee.mid(equals + 1), 2);
        if (equals > 0 && !name.isEmpty() && amount) kinds.append({name, *amount});
    }
    if (!kinds.isEmpty()) result.fees = kinds;
    if (const auto stamp = fieldrules::roundedAmount(settingText(settings, kStamp), 2)) {
        result.stampThreshold = *stamp;
    }
    parseDayMonth(settingText(settings, kSeasonStart), &result.seasonStartDay,
                  &result.seasonStartMonth);
    parseDayMonth(settingText(settings, kReminder), &result.reminderDay, &result.reminderMonth);
    return result;
}

void setSettings(const Settings& values) {
    QSettings settings(paths::settingsFile(), QSettings::IniFormat);
    QStringList fees;
    for (const FeeKind& fee : values.fees) fees.append(fee.name + u'=' + fee.amount);
    settings.setValue(kFees, fees.join(QStringLiteral("; ")));
    settings.setValue(kStamp, values.stampThreshold);
    settings.setValue(kSeasonStart, dayMonthText(values.seasonStartDay, values.seasonStartMonth));
    settings.setValue(kReminder, dayMonthText(values.reminderDay, values.reminderMonth));
}

QStringList feeNames() {
    QStringList names;
    for (const FeeKind& fee : settingsNow().fees) names.append(fee.name);
    return names;
}

QString defaultAmount(const QString& kind) {
    for (const FeeKind& fee : settingsNow().fees) {
        if (fee.name == kind) return fee.amount;
    }
    return {};
}

}  // namespace membership
