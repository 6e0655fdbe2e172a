#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QTime>
#include <functional>
#include <optional>

#include "export/ExportFormats.h"
#include "records/RecordLayout.h"

// One record as a calendar event: an all-day event from its first to its
// last day, or an event at a date and time (Italian time, Europe/Rome)
// lasting an hour; an alarm `noticeDays` before.
struct CalendarEvent {
    QString summary;
    QString description;
    QString location;
    QDate first;
    QDate last;                 // all-day events: the last day (inclusive)
    std::optional<QTime> time;  // set: an event at first + time
    int noticeDays = 0;         // the alarm, that many days before; negative: none
};

// How an archive's records become calendar events (.ics): declared in its
// registry entry.
struct CalendarDefinition {
    // The event of a record's texts; nothing for a record without a valid
    // date, which the calendar leaves out.
    std::function<std::optional<CalendarEvent>(const FieldValues&)> event;
};

// The calendar file (RFC 5545), written through one library (libical) in
// one file, export/CalendarFile.cpp.
namespace calendar {

// The UID of a record's event, from what never changes for it: its
// archive, year and record number ("battute-12@selvadoro"), so that
// importing the file again after an edit updates the event.
QString uid(const QString& archive, const QString& year, qsizetype number);

// What a calendar keeps of each event it wrote, so that an event changed
// since gets a higher SEQUENCE and a new LAST-MODIFIED and calendar
// programs take the new version. Kept beside the archives in
// "CalendarioVersioni.txt", one event a line: UID, sequence, a digest of
// the event, last change (UTC), separated by tabs.
struct Version {
    int sequence = 0;
    QByteArray digest;
    QDateTime modified;
};
using Versions = QHash<QString, Version>;

QString versionsPath();
Versions readVersions(const QString& path);
bool writeVersions(const QString& path, const Versions& versions, QString* error);

// The version of `event` under `uid` as of `now`: the one kept when the
// event is as it was, else the next sequence changed at `now`. `versions`
// is updated.
Version versionOf(Versions& versions, const QString& uid, const CalendarEvent& event,
                  const QDateTime& now);

// The whole calendar of some events with their UIDs; `versions` gives
// their SEQUENCE and LAST-MODIFIED (those it lacks are written as new).
QByteArray document(const QList<std::pair<QString, CalendarEvent>>& events,
                    const Versions& versions = {});

// Writes the calendar of the records of `request` (see exportformat).
bool exportRecords(const exportformat::Request& request, qsizetype* rowCount, QString* error,
                   const ScanProgress& progress, bool* cancelled);

}  // namespace calendar
