#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <functional>
#include <optional>

#include "export/ExportFormats.h"
#include "records/RecordLayout.h"

// One record as a calendar event: an all-day event from its first to its
// last day, or an event at a date and time; an alarm `noticeDays` before.
struct CalendarEvent {
    QString summary;
    QString description;
    QString location;
    QDate first;
    QDate last;                 // all-day events: the last day (inclusive)
    std::optional<QTime> time;  // set: an event at first + time
    int noticeDays = 0;         // the alarm, that many days before; negative: none
    QString key;                // the part of its UID kept from its content
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

// The UID of a record's event: stable for the same record of the same
// archive and year, so that importing the file again updates the events.
QString uid(const QString& archive, const QString& year, qsizetype number, const QString& key);

// The whole calendar of some events with their UIDs.
QByteArray document(const QList<std::pair<QString, CalendarEvent>>& events);

// Writes the calendar of the records of `request` (see exportformat).
bool exportRecords(const exportformat::Request& request, qsizetype* rowCount, QString* error,
                   const ScanProgress& progress, bool* cancelled);

}  // namespace calendar
