#include "membership/MembershipSettings.h"

#include <QDate>
#include <QSettings>

#include "archive/FieldRules.h"
#include "base/Paths.h"

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

QString dayMonthText(int day, int month) {
    return QStringLiteral("%1/%2").arg(day, 2, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0'));
}

}  // namespace

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
    const QStringList fees = settings.value(kFees).toStringList();
    QList<FeeKind> kinds;
    for (const QString& fee : fees) {
        const qsizetype equals = fee.indexOf(u'=');
        const QString name = fee.left(equals).trimmed();
        const auto amount = fieldrules::roundedAmount(fee.mid(equals + 1), 2);
        if (equals > 0 && !name.isEmpty() && amount) kinds.append({name, *amount});
    }
    if (!kinds.isEmpty()) result.fees = kinds;
    if (const auto stamp = fieldrules::roundedAmount(settings.value(kStamp).toString(), 2)) {
        result.stampThreshold = *stamp;
    }
    parseDayMonth(settings.value(kSeasonStart).toString(), &result.seasonStartDay,
                  &result.seasonStartMonth);
    parseDayMonth(settings.value(kReminder).toString(), &result.reminderDay, &result.reminderMonth);
    return result;
}

void setSettings(const Settings& values) {
    QSettings settings(paths::settingsFile(), QSettings::IniFormat);
    QStringList fees;
    for (const FeeKind& fee : values.fees) fees.append(fee.name + u'=' + fee.amount);
    settings.setValue(kFees, fees);
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
