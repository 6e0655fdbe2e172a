#pragma once

#include <QDateTime>
#include <QImage>
#include <QStringList>

#include "base/Seams.h"
#include "lists/ArchiveDefinition.h"
#include "mailing/MailingSettings.h"
#include "mailing/Members.h"

// Letters and e-mails merged from a message's text: `{Campo}` stands for a
// field of the recipient's card (by the names the search uses, or an
// alias of MailingFields) or of the message (LetterFields::ownFields).
namespace mailing {

// Where the merge takes its fields from: an archive of messages and the
// archive of its recipients.
struct MergeSource {
    const ArchiveDefinition* messages;
    const ArchiveDefinition* people;
};

// Every name that may stand in braces: the fields of the recipient's card,
// its aliases, the message's own fields and, for an archive that knows its
// members' sex, the salutations ({Gentile}: "Gentile signore" or "Gentile
// signora"; {Caro}: "Caro" or "Cara").
QStringList mergeNames(const MergeSource& source);

// The names in braces in `text` ("{Nome}") that are no merge name, each
// once, in order.
QStringList unknownFields(const QString& text, const MergeSource& source);
// "Il testo contiene un campo che non esiste: {Xyz}."
QString unknownFieldMessage(const QStringList& unknown);

// `text` with every `{Campo}` replaced by its trimmed value.
QString merge(const QString& text, const MergeSource& source, const FieldValues& recipient,
              const FieldValues& message);

// One recipient's letter.
struct MergedLetter {
    Member recipient;
    QString name;
    QStringList address;  // empty: no address on the card
    QString email;        // the card's e-mail field; empty: none
    QStringList emails;   // its addresses, when every one is valid
    QString subject;
    QString text;
    QString date;  // dd/mm/yyyy, as the message gives it
};

// "11 dicembre 2026"; an invalid date, empty.
QString italianLongDate(const QDate& date);
// The line above a letter's subject: "Prato, 11 dicembre 2026", without
// the place when none is set, the date as written when it is no date.
QString dateLine(const QString& place, const QString& date);

// A recipient's name that more than one member bears.
struct Namesakes {
    QString name;           // as written in the message
    QList<Member> members;  // every member of that name, in file order
};

// Which namesakes get a letter: every one, or those whose record numbers
// are listed. A name none of whose members is chosen gets no letter and is
// named in LetterPlan::unsettled: nobody is chosen silently.
struct RecipientChoice {
    bool everyNamesake = false;
    QList<qsizetype> records;
};

struct LetterPlan {
    QString error;  // set: nothing may be written (an unknown field)
    QList<MergedLetter> letters;
    QStringList missing;         // recipients not found in the registry, as written
    QList<Namesakes> namesakes;  // names that more than one member bears
    QStringList unsettled;       // of those, the names the choice left without a letter
};

// "Villa Pietro (schede 33, 116, 128)".
QString namesakesText(const Namesakes& namesakes);

// The recipients named in the message, one a line, trimmed, blanks inside a
// name made one.
QStringList recipientNames(const LetterFields& letters, const FieldValues& message);

// The letters of `message` for its recipients found among `registry`
// (matched by name, letters compared whatever their case); `today` is the
// date of a message without one. A name several members bear gets letters
// as `choice` says.
LetterPlan planLetters(const MergeSource& source, const FieldValues& message,
                       const QList<Member>& registry, const QDate& today,
                       const RecipientChoice& choice = {});

// One A4 page per letter with an address: the association's letterhead
// (name, logo, address, codice fiscale, phone, e-mail), the recipient's
// address block (wrapped, never under 10 points), the place and date, the
// subject, the text and the signature. A letter without an address is
// left out: it would go nowhere.
report::Report letterPages(const QList<MergedLetter>& letters, const Association& association,
                           const QImage& logo);
// The recipients whose letters letterPages() leaves out, and the message
// that names them ("Destinatari senza indirizzo, lettere non stampate: ...").
QStringList lettersWithoutAddress(const QList<MergedLetter>& letters);
QString lettersWithoutAddressMessage(const QStringList& names);

// The letter as an e-mail message (RFC 5322) from the association to each
// of the letter's addresses: UTF-8 text in quoted-printable, the subject and
// every display name as RFC 2047 encoded words, a Date and a Message-ID,
// lines ended by CR LF, marked unsent so that mail programs open it to be
// sent.
QByteArray emlMessage(const MergedLetter& letter, const Association& association,
                      const QDateTime& now);

// Quoted-printable (RFC 2045) of UTF-8 text, lines ended by CR LF and none
// longer than 76 characters.
QByteArray quotedPrintable(const QString& text);
// A header's text as RFC 2047 "Q" encoded words of UTF-8, folded so that no
// line passes 76 characters; `used` is the room the header's name takes.
QByteArray encodedWords(const QString& text, int used);

// The addresses of an e-mail field, separated by commas, semicolons or
// blanks; nothing, with `ok` false, when one of them is no address.
QStringList emailAddresses(const QString& field, bool* ok);

// What the e-mails leave out, one line each: recipients without an e-mail
// address, and those whose field holds something that is no address.
QStringList emailNotes(const QList<MergedLetter>& letters);

// The file name of a letter's e-mail: "012 Rossi Mario.eml".
QString emlFileName(const MergedLetter& letter);

// Writes one .eml file per letter with an e-mail address into `folder`,
// each whole (temporary file renamed into place). `written` gets the paths;
// false, with `error`, at the first file that cannot be written.
// `progress` is told before each file how many are written; when it asks
// to stop, the files already written stay (each whole), no other is begun,
// and the result is false with `error` empty.
bool writeEmls(const QList<MergedLetter>& letters, const QString& folder,
               const Association& association, const QDateTime& now, QStringList* written,
               QString* error, const WorkProgress& progress = {});

}  // namespace mailing
