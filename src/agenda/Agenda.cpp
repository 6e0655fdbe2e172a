#include "agenda/Agenda.h"

#include <QFileInfo>
#include <QMap>
#include <future>
#include <vector>

#include "lists/RecordList.h"
#include "records/FieldRules.h"
#include "records/RecordFile.h"

QString AgendaLine::shown() const {
    if (unreadable) return text + QStringLiteral(": non leggibile");
    QString line = text + QStringLiteral(": ") + QString::number(count);
    if (!names.isEmpty()) {
        line += QStringLiteral(" (") + names.join(QStringLiteral(", "));
        if (count > names.size()) line += QStringLiteral("...");
        line += u')';
    }
    return line;
}

namespace agenda {

namespace {

QString yearText(int year) {
    return QString::number(year).rightJustified(4, u'0');
}

// The files a condition reads on `today`.
QStringList filesOf(const ArchiveDefinition& archive, const AgendaCondition& condition,
                    const QDate& today) {
    if (condition.list && condition.list->files) return condition.list->files(today);
    if (!archive.yearFile) return {archive.recordFile()};
    QStringList files;
    for (const int offset : condition.years) {
        files.append(archive.recordFile(yearText(today.year() + offset)));
    }
    return files;
}

bool holds(const AgendaCondition& condition, const FieldValues& values, const QDate& today) {
    if (condition.summary && !condition.summary->condition(values, today)) return false;
    if (condition.list && condition.list->selection && !condition.list->selection(values, today)) {
        return false;
    }
    if (condition.dueField) {
        const auto due = fieldrules::parseDate(values.value(condition.dueField->index));
        if (!due || *due < today || *due > today.addDays(condition.withinDays)) return false;
    }
    return true;
}

// The lines of one archive; nothing once `stop` is set.
QList<AgendaLine> archiveLines(const ArchiveDefinition* archive, const QDate& today,
                               const std::atomic_bool* stop) {
    QList<AgendaLine> lines;
    const QList<AgendaCondition> conditions = archive->agenda();
    // Each file once, for every condition that reads it.
    QMap<QString, QList<qsizetype>> readers;
    QList<qsizetype> fields;
    const auto need = [&fields](qsizetype field) {
        if (!fields.contains(field)) fields.append(field);
    };
    for (qsizetype c = 0; c < conditions.size(); ++c) {
        const AgendaCondition& condition = conditions.at(c);
        AgendaLine line;
        line.archive = archive;
        line.condition = c;
        line.text = condition.text;
        lines.append(line);
        for (const QString& file : filesOf(*archive, condition, today)) readers[file].append(c);
        if (condition.summary) {
            for (const FieldId f : condition.summary->conditionFields) need(f.index);
        }
        if (condition.list) {
            for (const FieldId f : condition.list->selectionFields) need(f.index);
        }
        for (const FieldId f : condition.nameFields) need(f.index);
        if (condition.dueField) need(condition.dueField->index);
    }
    const RecordLayout& layout = *archive->layout;
    FieldLoader loader(layout, fields);
    for (auto file = readers.cbegin(); file != readers.cend(); ++file) {
        // A file not yet made holds nothing due.
        if (!QFileInfo::exists(file.key())) continue;
        const bool read = RecordFile::scan(
            file.key(), layout.recordSize(),
            [&](qsizetype number, QByteArrayView record) {
                const FieldValues& values = loader.load(record);
                for (const qsizetype c : file.value()) {
                    const AgendaCondition& condition = conditions.at(c);
                    if (!holds(condition, values, today)) continue;
                    AgendaLine& line = lines[c];
                    if (line.count == 0) {
                        line.firstRecord = number;
                        line.firstFile = file.key();
                    }
                    ++line.count;
                    if (line.names.size() < kNames) {
                        QStringList parts;
                        for (const FieldId f : condition.nameFields) {
                            const QString part = values.value(f.index).trimmed();
                            if (!part.isEmpty()) parts.append(part);
                        }
                        line.names.append(parts.join(u' '));
                    }
                }
                return true;
            },
            nullptr,
            stop ? ScanProgress([stop](qint64, qint64) { return !stop->load(); }) : ScanProgress());
        if (!read) {
            for (const qsizetype c : file.value()) lines[c].unreadable = true;
        }
        if (stop && stop->load()) return {};
    }
    // Only what is due, and what could not be read.
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines.at(i).count == 0 && !lines.at(i).unreadable) lines.remove(i);
    }
    return lines;
}

}  // namespace

QList<AgendaLine> compute(const QList<const ArchiveDefinition*>& archives, const QDate& today,
                          const std::atomic_bool* stop) {
    // The archives' files are read side by side, one thread each: the
    // agenda then takes about the time of the largest file rather than the
    // sum of all of them. The lines keep the registry's order.
    std::vector<std::future<QList<AgendaLine>>> parts;
    for (const ArchiveDefinition* archive : archives) {
        if (!archive->agenda) continue;
        parts.push_back(std::async(std::launch::async, archiveLines, archive, today, stop));
    }
    QList<AgendaLine> lines;
    for (auto& part : parts) lines += part.get();
    if (stop && stop->load()) return {};
    return lines;
}

QByteArray stamp(const QList<const ArchiveDefinition*>& archives, const QDate& today) {
    QByteArray stamp = today.toString(Qt::ISODate).toLatin1();
    for (const ArchiveDefinition* archive : archives) {
        if (!archive->agenda) continue;
        for (const AgendaCondition& condition : archive->agenda()) {
            for (const QString& file : filesOf(*archive, condition, today)) {
                const QFileInfo info(file);
                stamp += '\n' + file.toUtf8();
                if (!info.exists()) continue;
                // Its length and times: a file put back with its old time of
                // change (a restore) still shows by its status change.
                const QDateTime changed = info.fileTime(QFileDevice::FileModificationTime);
                stamp += ' ' + QByteArray::number(info.size()) + ' ' +
                         QByteArray::number(changed.toMSecsSinceEpoch()) + ' ' +
                         QByteArray::number(info.metadataChangeTime().toMSecsSinceEpoch());
            }
        }
    }
    return stamp;
}

}  // namespace agenda
