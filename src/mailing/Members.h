#pragma once

#include <QList>
#include <QString>

#include "base/Seams.h"
#include "mailing/MailingFields.h"
#include "records/RecordLayout.h"

// The people labels, cards and letters are made for: records of an archive
// with MailingFields, read from its file.
namespace mailing {

struct Member {
    qsizetype record = 0;  // from 1
    FieldValues values;    // as the card shows them, layout order
};

struct Members {
    QList<Member> members;
    bool ok = true;  // false: the file could not be read whole (`error`)
    QString error;
    bool cancelled = false;
};

// The records numbered `records` (from 1, in that order; empty: every
// record in file order) of the file at `path`. `progress` is told how many
// are read; when it asks to stop, the result is cancelled.
Members readMembers(const RecordLayout& layout, const QString& path,
                    const QList<qsizetype>& records = {}, const WorkProgress& progress = {});

// A field's text, trimmed.
QString fieldText(const FieldValues& values, FieldId field);
// "Rossi Mario": the name fields, trimmed, joined by a blank.
QString nameOf(const MailingFields& fields, const FieldValues& values);
// The address block: name, street, "CAP COMUNE (PR)"; lines left empty are
// dropped from the last one. Empty when the record has no street or no
// comune.
QStringList addressLines(const MailingFields& fields, const FieldValues& values);

// The ends of the address block's lines that a label never cuts: the
// first names (the last of the name fields), the street from its house
// number on, and the last word of the town's line.
QStringList keptEnds(const MailingFields& fields, const FieldValues& values);

// The names of the members left out because they have no address, one a line.
QStringList withoutAddress(const MailingFields& fields, const QList<Member>& members);

}  // namespace mailing
