#pragma once

#include <QList>
#include <QString>
#include <optional>

// The membership's settings, in the data folder's Selvadoro.ini (group
// "Tesseramento"), shared by every station: the fee kinds with their
// default amounts, the amount above which a receipt carries the
// revenue-stamp box, the day a season starts and the day from which the
// agenda reminds of the fees still to be paid.
namespace membership {

struct FeeKind {
    QString name;    // "ordinaria"
    QString amount;  // "84,00"
};

struct Settings {
    QList<FeeKind> fees;
    QString stampThreshold;  // "77,47"
    int seasonStartDay = 1;
    int seasonStartMonth = 7;
    int reminderDay = 1;
    int reminderMonth = 10;
};

// The settings as stored, each missing one at its default.
Settings settingsNow();
void setSettings(const Settings& settings);
Settings defaultSettings();

// The settings as the settings window's fields give them: one fee kind a
// line ("ordinaria=84,00"), the threshold, the two days "gg/mm". Nothing,
// with the Italian reason in `error`, when one is wrong.
std::optional<Settings> settingsFromTexts(const QString& fees, const QString& threshold,
                                          const QString& seasonStart, const QString& reminder,
                                          QString* error);
// The fee kinds one a line, and a day "gg/mm", as those fields show them.
QString feesText(const Settings& settings);
QString dayMonthText(int day, int month);

// The fee kinds' names, in order.
QStringList feeNames();
// The default amount of a fee kind; empty for an unknown kind.
QString defaultAmount(const QString& kind);

}  // namespace membership
