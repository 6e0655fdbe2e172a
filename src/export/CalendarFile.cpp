#include <libical/ical.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>

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

icalcomponent* eventComponent(const QString& uid, const CalendarEvent& event,
                              const icaltimetype& stamp) {
    icalcomponent* vevent = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(vevent, icalproperty_new_uid(utf8(uid).constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    if (event.time) {
        icalcomponent_add_property(vevent,
                                   icalproperty_new_dtstart(dateTimeOf(event.first, *event.time)));
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

icaltimetype nowStamp() {
    const QDateTime now = seams::clock().now().toUTC();
    icaltimetype t = dateTimeOf(now.date(), now.time());
    t.second = now.time().second();
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

}  // namespace

QString uid(const QString& archive, const QString& year, qsizetype number, const QString& key) {
    const QByteArray digest =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    QString id = archive;
    if (!year.isEmpty()) id += u'-' + year;
    id += u'-' + QString::number(number) + u'-' + QString::fromLatin1(digest);
    return id + QStringLiteral("@selvadoro");
}

QByteArray document(const QList<std::pair<QString, CalendarEvent>>& events) {
    icalcomponent* vcalendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(vcalendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(vcalendar, icalproperty_new_prodid("-//Selvadoro//Selvadoro//IT"));
    icalcomponent_add_property(vcalendar, icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stamp = nowStamp();
    for (const auto& [id, event] : events) {
        icalcomponent_add_component(vcalendar, eventComponent(id, event, stamp));
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
                events.append(
                    {uid(QString::fromLatin1(archive.name), year, number, event->key), *event});
            }
        },
        error, progress, &stopped);
    if (!read) {
        if (stopped && cancelled) *cancelled = true;
        return false;
    }
    if (!replaceFile(request.target, document(events), error)) return false;
    if (rowCount) *rowCount = events.size();
    return true;
}

}  // namespace calendar
