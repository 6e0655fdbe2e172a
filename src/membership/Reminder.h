#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "records/RecordLayout.h"

struct ArchiveDefinition;

// The reminder to the members who have not paid: a communication addressed
// to them with a reminder text, ready for the letters and the e-mails.
namespace membership {

// The archive of messages the reminder is written in ("comunicazioni"),
// or null when none is installed.
const ArchiveDefinition* reminderArchive();

// The names of the season's members whose fee is still to pay ("Rossi
// Mario"), in file order; false (with `error`) when the file cannot be read.
bool unpaidNames(const QString& season, QStringList* names, QString* error);

// The texts of a new card of `messages` (an archive with LetterFields)
// addressed to `names`: the subject, the reminder text with the merge
// fields {Nome} and {Cognome}, today's date.
FieldValues reminderCard(const ArchiveDefinition& messages, const QString& season,
                         const QStringList& names, const QDate& today);

}  // namespace membership
