#include "membership/Reminder.h"

#include "base/TextRules.h"
#include "lists/ArchiveDefinition.h"
#include "mailing/MailingFields.h"
#include "membership/Membership.h"
#include "membership/MembershipLists.h"
#include "records/FieldRules.h"

namespace membership {

const ArchiveDefinition* reminderArchive() {
    const ArchiveDefinition* messages = registry::named(QStringLiteral("comunicazioni"));
    return messages && messages->letters ? messages : nullptr;
}

bool unpaidNames(const QString& season, QStringList* names, QString* error) {
    QList<Stored> records;
    if (!readSeason(season, &records, error)) return false;
    for (const Stored& stored : records) {
        if (isToPay(stored.card.toValues())) names->append(text::trimBlanks(stored.card.Socio));
    }
    return true;
}

FieldValues reminderCard(const ArchiveDefinition& messages, const QString& season,
                         const QStringList& names, const QDate& today) {
    FieldValues values(messages.layout->fields.size());
    const LetterFields& letters = *messages.letters;
    values[letters.recipients.index] = names.join(QStringLiteral("\r\n"));
    values[letters.subject.index] =
        QStringLiteral("Sollecito della quota associativa stagione ") + season;
    values[letters.text.index] = QStringLiteral(
                                     "Gentile {Nome} {Cognome},\r\n"
                                     "dai nostri registri la quota associativa della stagione %1 "
                                     "risulta ancora da pagare.\r\n"
                                     "Ti preghiamo di provvedere al più presto presso la sede "
                                     "dell'associazione (in contanti, "
                                     "con bonifico, POS o assegno).\r\n"
                                     "Se hai già provveduto, non tenere conto di questo avviso.\r\n"
                                     "Cordiali saluti.")
                                     .arg(season);
    values[letters.date.index] = fieldrules::formatDate(today);
    return values;
}

}  // namespace membership
