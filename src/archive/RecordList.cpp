#include "archive/RecordList.h"

#include <algorithm>

#include "archive/RecordCodec.h"
#include "archive/RecordFile.h"
#include "archive/TextRules.h"

QString pad(const QString& x, qsizetype width) {
    return x.left(width).leftJustified(width, u' ');
}

FieldValues loadedValues(const RecordLayout& layout, QByteArrayView record) {
    FieldValues values = codec::decode(layout, record);
    for (QString& value : values) value = codec::displayText(layout.encoding, value);
    return values;
}

qsizetype criteriaInUse(const QList<Criterion>& criteria) {
    return std::count_if(criteria.begin(), criteria.end(),
                         [](const Criterion& c) { return !text::trimBlanks(c.text).isEmpty(); });
}

bool matches(const FieldValues& values, const QList<Criterion>& criteria, qsizetype inUse) {
    qsizetype score = 0;
    for (const Criterion& c : criteria) {
        if (c.text.isEmpty() || c.field < 0 || c.field >= values.size()) continue;
        if (values.at(c.field).toLower().contains(c.text.toLower())) ++score;
    }
    return score >= inUse;
}

namespace {

ListResult collect(const RecordLayout& layout, const QString& path,
                   const ConditionFn& include, const ItemTextFn& itemText) {
    ListResult result;
    result.ok = RecordFile::scan(
        path, layout.recordSize(),
        [&](qsizetype number, const QByteArray& record) {
            const FieldValues values = loadedValues(layout, record);
            if (include(values)) result.lines.append({number, itemText(values)});
            return true;
        },
        &result.error);
    sortLines(result.lines);
    return result;
}

}  // namespace

ListResult searchRecords(const RecordLayout& layout, const QString& path,
                         const QList<Criterion>& criteria, const ItemTextFn& itemText) {
    const qsizetype inUse = criteriaInUse(criteria);
    return collect(
        layout, path,
        [&](const FieldValues& values) { return matches(values, criteria, inUse); },
        itemText);
}

ListResult summaryRecords(const RecordLayout& layout, const QString& path,
                          const ConditionFn& condition, const ItemTextFn& itemText) {
    return collect(layout, path, condition, itemText);
}

void sortLines(QList<ListLine>& lines) {
    std::sort(lines.begin(), lines.end(), [](const ListLine& a, const ListLine& b) {
        if (const int c = a.text.compare(b.text, Qt::CaseInsensitive); c != 0) return c < 0;
        if (const int c = a.text.compare(b.text, Qt::CaseSensitive); c != 0) return c < 0;
        return a.record < b.record;
    });
}

qsizetype findInList(const QList<ListLine>& lines, qsizetype selected, const QString& text,
                     QString& memory) {
    const QString wanted = text.toLower();
    const bool sameText = wanted == memory;
    memory = wanted;
    const qsizetype count = lines.size();
    if (count == 0) return -1;
    if (selected < 0 || selected >= count) selected = 0;
    if (wanted.isEmpty()) return selected;
    // A new text tests the first line first; the same text again tests the
    // lines after the selected one, coming round to it last.
    const qsizetype start = sameText ? selected + 1 : 0;
    for (qsizetype step = 0; step < count; ++step) {
        const qsizetype i = (start + step) % count;
        if (lines.at(i).text.toLower().contains(wanted)) return i;
    }
    return selected;
}

std::optional<FoundRecord> recordForLine(const RecordLayout& layout, const QString& path,
                                         const ListLine& line, const ItemTextFn& itemText) {
    const QString wanted = text::trimBlanks(line.text);
    RecordFile file(path, layout.recordSize());
    if (!file.open(RecordFile::Access::Read)) return std::nullopt;
    QByteArray record;
    if (line.record > 0 && line.record <= file.count() && file.readAt(line.record - 1, &record)) {
        FieldValues values = loadedValues(layout, record);
        if (text::trimBlanks(itemText(values)) == wanted) return FoundRecord{line.record, values};
    }
    // The file changed since the list was built: look for the line's text.
    std::optional<FoundRecord> found;
    file.close();
    RecordFile::scan(path, layout.recordSize(), [&](qsizetype number, const QByteArray& bytes) {
        FieldValues values = loadedValues(layout, bytes);
        if (text::trimBlanks(itemText(values)) == wanted) found = FoundRecord{number, values};
        return true;
    });
    return found;
}
