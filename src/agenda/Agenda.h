#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>
#include <vector>

#include "lists/ArchiveDefinition.h"

// What is due today, for the launcher's "Da fare" panel and the `agenda`
// command: each archive declares its conditions in its registry entry,
// reusing its summaries (or a list of a date); the agenda reads each record
// file once for all the conditions on it.
struct AgendaCondition {
    QString text;  // "Porti di fucile scaduti o in scadenza"
    // The records it counts: a summary's (which a click opens) or a list of
    // a date's (its selection and files).
    const SummaryDefinition* summary = nullptr;
    const ExportDefinition* list = nullptr;
    // The fields of a record's name in the line ("Rossi Mario").
    std::vector<FieldId> nameFields = {};
    // Set: only the records whose date in this field falls from today to
    // `withinDays` days on.
    std::optional<FieldId> dueField = std::nullopt;
    int withinDays = 0;
    // A summary of an archive kept by year reads these years, counted from
    // today's (0 this year, 1 the next).
    QList<int> years = {0};
};

struct AgendaLine {
    const ArchiveDefinition* archive = nullptr;
    qsizetype condition = 0;  // in archive->agenda()
    QString text = {};
    qsizetype count = 0;
    QStringList names;          // the first few
    qsizetype firstRecord = 0;  // the record of the first name (its number)
    QString firstFile;          // and its file
    bool unreadable = false;

    // "Porti di fucile scaduti o in scadenza: 2 (Rossi Mario, Verdi Anna)",
    // or "...: non leggibile".
    QString shown() const;
};

namespace agenda {

// How many names a line shows.
inline constexpr qsizetype kNames = 3;

// The lines of the conditions that hold on `today` (count above zero) and
// of those whose files could not be read, in the archives' order. `stop`,
// when set, ends the reading early (the result is then incomplete).
QList<AgendaLine> compute(const QList<const ArchiveDefinition*>& archives, const QDate& today,
                          const std::atomic_bool* stop = nullptr);

// What the agenda of `today` depends on, cheap to take (the day, and the
// name, length and time of change of each file it reads; nothing is read
// from them): two equal stamps, the same lines. Another station's save
// shows as a changed stamp.
QByteArray stamp(const QList<const ArchiveDefinition*>& archives, const QDate& today);

}  // namespace agenda
