#include "mailing/Members.h"

#include <algorithm>

#include "base/TextRules.h"
#include "lists/RecordList.h"
#include "records/RecordFile.h"

namespace mailing {

Members readMembers(const RecordLayout& layout, const QString& path,
                    const QList<qsizetype>& records, const WorkProgress& progress) {
    Members result;
    RecordFile file(path, layout.recordSize());
    if (!file.open(RecordFile::Access::Read)) {
        result.ok = false;
        result.error = file.errorString();
        return result;
    }
    QList<qsizetype> wanted = records;
    if (wanted.isEmpty()) {
        for (qsizetype i = 1; i <= file.count(); ++i) wanted.append(i);
    }
    QByteArray record;
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        if (progress && !progress(i, wanted.size())) {
            result.cancelled = true;
            return result;
        }
        const qsizetype number = wanted.at(i);
        // A number the file does not have fails with its cause too.
        if (!file.readAt(number - 1, &record)) {
            result.ok = false;
            result.error = file.errorString();
            return result;
        }
        result.members.append(Member{number, loadedValues(layout, record)});
    }
    return result;
}

QString fieldText(const FieldValues& values, FieldId field) {
    return text::trimBlanks(values.value(field.index));
}

QString nameOf(const MailingFields& fields, const FieldValues& values) {
    QStringList parts;
    for (const FieldId field : fields.name) {
        const QString part = fieldText(values, field);
        if (!part.isEmpty()) parts.append(part);
    }
    return parts.join(u' ');
}

QStringList addressLines(const MailingFields& fields, const FieldValues& values) {
    const QString street = fieldText(values, fields.address);
    const QString town = fieldText(values, fields.town);
    if (street.isEmpty() || town.isEmpty()) return {};
    QString last = fieldText(values, fields.postcode);
    if (!last.isEmpty()) last += u' ';
    last += town;
    const QString province = fieldText(values, fields.province);
    if (!province.isEmpty()) last += QStringLiteral(" (") + province + u')';
    return {nameOf(fields, values), street, last};
}

QStringList keptEnds(const MailingFields& fields, const FieldValues& values) {
    const QString street = fieldText(values, fields.address);
    // From the first word that holds a digit: "127/B", "4 Novembre 12".
    const QStringList words = street.split(u' ', Qt::SkipEmptyParts);
    QString number;
    for (qsizetype w = 0; w < words.size(); ++w) {
        if (std::any_of(words.at(w).cbegin(), words.at(w).cend(),
                        [](QChar c) { return c.isDigit(); })) {
            number = words.mid(w).join(u' ');
            break;
        }
    }
    return {fields.name.empty() ? QString() : fieldText(values, fields.name.back()), number,
            QString()};
}

QStringList withoutAddress(const MailingFields& fields, const QList<Member>& members) {
    QStringList names;
    for (const Member& member : members) {
        if (addressLines(fields, member.values).isEmpty()) {
            names.append(nameOf(fields, member.values));
        }
    }
    return names;
}

}  // namespace mailing
