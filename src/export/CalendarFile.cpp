#include <libical/ical.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "base/Paths.h"
#include "base/ReplaceFile.h"
#include "base/Seams.h"
#include "export/Calendar.h"
#include "lists/RecordList.h"
#include "records/RecordFile.h"

namespace calendar {

namespace {

icaltimetype dateOf(const QDate& date) {
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

icaltimetype dateTimeOf(const QDate& date, const QTime& time) {
    icaltimetype t = icaltime_null_time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = 0;
    t.is_date = 0;
    return t;
}

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

// Italian time as calendars know it (the rules of the European Union
// since 1996), written once in any calendar with timed events.
constexpr const char* kRomeZone =
    "BEGIN:VTIMEZONE\r\n"
    "TZID:Europe/Rome\r\n"
    "BEGIN:DAYLIGHT\r\n"
    "TZOFFSETFROM:+0100\r\n"
    "TZOFFSETTO:+0200\r\n"
    "TZNAME:CEST\r\n"
    "DTSTART:19700329T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
    "END:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\n"
    "TZOFFSETFROM:+0200\r\n"
    "TZOFFSETTO:+0100\r\n"
    "TZNAME:CET\r\n"
    "DTSTART:19701025T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
    "END:STANDARD\r\n"
    "END:VTIMEZONE\r\n";
constexpr const char* kRome = "Europe/Rome";

icalproperty* inRome(icalproperty* property) {
    icalproperty_add_parameter(property, icalparameter_new_tzid(kRome));
    return property;
}

icaltimetype utcOf(const QDateTime& moment) {
    const QDateTime utc = moment.toUTC();
    icaltimetype t = dateTimeOf(utc.date(), utc.time());
    t.second = utc.time().second();
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

icalcomponent* eventComponent(const QString& uid, const CalendarEvent& event,
                              const icaltimetype& stamp, const Version& version) {
    icalcomponent* vevent = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(vevent, icalproperty_new_uid(utf8(uid).constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(vevent, icalproperty_new_sequence(version.sequence));
    icalcomponent_add_property(
        vevent, icalproperty_new_lastmodified(version.modified.isValid() ? utcOf(version.modified)
                                                                         : stamp));
    if (event.time) {
        const QDateTime start(event.first, *event.time);
        const QDateTime end = start.addSecs(3600);
        icalcomponent_add_property(
            vevent, inRome(icalproperty_new_dtstart(dateTimeOf(start.date(), start.time()))));
        icalcomponent_add_property(
            vevent, inRome(icalproperty_new_dtend(dateTimeOf(end.date(), end.time()))));
    } else {
        icalcomponent_add_property(vevent, icalproperty_new_dtstart(dateOf(event.first)));
        // The end of an all-day event is the day after its last.
        const QDate last =
            event.last.isValid() && event.last >= event.first ? event.last : event.first;
        icalcomponent_add_property(vevent, icalproperty_new_dtend(dateOf(last.addDays(1))));
    }
    icalcomponent_add_property(vevent, icalproperty_new_summary(utf8(event.summary).constData()));
    if (!event.description.isEmpty()) {
        icalcomponent_add_property(
            vevent, icalproperty_new_description(utf8(event.description).constData()));
    }
    if (!event.location.isEmpty()) {
        icalcomponent_add_property(vevent,
                                   icalproperty_new_location(utf8(event.location).constData()));
    }
    if (event.noticeDays >= 0) {
        icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm,
                                   icalproperty_new_description(utf8(event.summary).constData()));
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_null_duration();
        trigger.duration.is_neg = event.noticeDays > 0 ? 1 : 0;
        trigger.duration.days = static_cast<unsigned int>(event.noticeDays);
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_component(vevent, alarm);
    }
    return vevent;
}

// What an event says, as a digest: equal digests, the same event.
QByteArray digestOf(const CalendarEvent& event) {
    const QString text =
        QStringList{event.summary,
                    event.description,
                    event.location,
                    event.first.toString(Qt::ISODate),
                    event.last.toString(Qt::ISODate),
                    event.time ? event.time->toString(QStringLiteral("HH:mm")) : QString(),
                    QString::number(event.noticeDays)}
            .join(QChar(0));
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
}

}  // namespace

QString uid(const QString& archive, const QString& year, qsizetype number) {
    QString id = archive;
    if (!year.isEmpty()) id += u'-' + year;
    return id + u'-' + QString::number(number) + QStringLiteral("@selvadoro");
}

QString versionsPath() {
    return paths::dataFile(QStringLiteral("CalendarioVersioni.txt"));
}

Versions readVersions(const QString& path) {
    Versions versions;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return versions;
    while (!file.atEnd()) {
        const QList<QByteArray> parts = file.readLine().trimmed().split('\t');
        if (parts.size() != 4) continue;
        bool ok = false;
        const int sequence = parts.at(1).toInt(&ok);
        if (!ok || sequence < 0) continue;
        versions.insert(
            QString::fromUtf8(parts.at(0)),
            Version{sequence, parts.at(2),
                    QDateTime::fromString(QString::fromLatin1(parts.at(3)), Qt::ISODate)});
    }
    return versions;
}

bool writeVersions(const QString& path, const Versions& versions, QString* error) {
    QStringList ids = versions.keys();
    ids.sort();
    QByteArray bytes;
    for (const QString& id : ids) {
        const Version& v = versions.value(id);
        bytes += id.toUtf8() + '\t' + QByteArray::number(v.sequence) + '\t' + v.digest + '\t' +
                 v.modified.toUTC().toString(Qt::ISODate).toLatin1() + '\n';
    }
    return replaceFile(path, bytes, error);
}

Version versionOf(Versions& versions, const QString& uid, const CalendarEvent& event,
                  const QDateTime& now) {
    const QByteArray digest = digestOf(event);
    const auto kept = versions.constFind(uid);
    if (kept != versions.cend() && kept->digest == digest) return *kept;
    const Version next{kept == versions.cend() ? 0 : kept->sequence + 1, digest, now.toUTC()};
    versions.insert(uid, next);
    return next;
}

QByteArray document(const QList<std::pair<QString, CalendarEvent>>& events,
                    const Versions& versions) {
    icalcomponent* vcalendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(vcalendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(vcalendar, icalproperty_new_prodid("-//Selvadoro//Selvadoro//IT"));
    icalcomponent_add_property(vcalendar, icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stamp = utcOf(seams::clock().now());
    const bool timed = std::any_of(events.cbegin(), events.cend(),
                                   [](const auto& event) { return event.second.time.has_value(); });
    if (timed) icalcomponent_add_component(vcalendar, icalcomponent_new_from_string(kRomeZone));
    for (const auto& [id, event] : events) {
        icalcomponent_add_component(vcalendar,
                                    eventComponent(id, event, stamp, versions.value(id)));
    }
    char* text = icalcomponent_as_ical_string_r(vcalendar);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    icalcomponent_free(vcalendar);
    return bytes;
}

bool exportRecords(const exportformat::Request& request, qsizetype* rowCount, QString* error,
                   const ScanProgress& progress, bool* cancelled) {
    const ArchiveDefinition& archive = *request.archive;
    if (!archive.calendar) return false;
    const RecordLayout& layout = *archive.layout;
    QList<std::pair<QString, CalendarEvent>> events;
    bool stopped = false;
    const bool read = exportformat::readSelected(
        request,
        [&](qsizetype file, qsizetype number, QByteArrayView record) {
            if (auto event = archive.calendar->event(loadedValues(layout, record))) {
                const QString year = archive.yearFile
                                         ? QFileInfo(request.paths.at(file)).completeBaseName()
                                         : QString();
                events.append({uid(QString::fromLatin1(archive.name), year, number), *event});
            }
        },
        error, progress, &stopped);
    if (!read) {
        if (stopped && cancelled) *cancelled = true;
        return false;
    }
    // Each event's version against the one the last calendar wrote; kept
    // once the calendar is written.
    const QString keptPath = versionsPath();
    Versions versions = readVersions(keptPath);
    const QDateTime now = seams::clock().now();
    for (const auto& [id, event] : events) versionOf(versions, id, event, now);
    if (!replaceFile(request.target, document(events, versions), error)) return false;
    QString notKept;
    writeVersions(keptPath, versions, &notKept);  // lost, the next calendar starts them anew
    if (rowCount) *rowCount = events.size();
    return true;
}

}  // namespace calendar
