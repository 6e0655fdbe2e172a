#include "mailing/MergeLetters.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "base/ReplaceFile.h"
#include "base/TextRules.h"
#include "mailing/MemberCards.h"
#include "records/RecordLayout.h"

namespace mailing {
namespace {

using report::mm;

const QRegularExpression& fieldPattern() {
    static const QRegularExpression pattern(QStringLiteral("\\{([A-Za-z][A-Za-z0-9]*)\\}"));
    return pattern;
}

// The salutations that follow the member's sex, for an archive that
// declares it: the words for a man, for a woman, and for a card that does
// not say.
struct Salutation {
    const char* name;
    const char* male;
    const char* female;
    const char* either;
};
constexpr Salutation kSalutations[] = {
    {"Gentile", "Gentile signore", "Gentile signora", "Gentile signora, gentile signore"},
    {"Caro", "Caro", "Cara", "Caro/a"},
};

// The field a merge name stands for, in the recipient's record (first) or
// the message's, or the salutation it is.
struct Resolved {
    bool found = false;
    bool ofMessage = false;
    qsizetype index = -1;
    const Salutation* salutation = nullptr;
};

QString salutationOf(const Salutation& salutation, const MergeSource& source,
                     const FieldValues& recipient) {
    const QString sex = fieldText(recipient, *source.people->mailing->sex).toUpper();
    if (sex == QLatin1String("M")) return QString::fromUtf8(salutation.male);
    if (sex == QLatin1String("F")) return QString::fromUtf8(salutation.female);
    return QString::fromUtf8(salutation.either);
}

Resolved resolve(const QString& name, const MergeSource& source) {
    if (source.people->mailing->sex) {
        for (const Salutation& salutation : kSalutations) {
            if (name == QLatin1String(salutation.name)) return {true, false, -1, &salutation};
        }
    }
    for (const MergeAlias& own : source.messages->letters->ownFields) {
        if (name == QLatin1String(own.name)) return {true, true, own.field.index};
    }
    for (const MergeAlias& alias : source.people->mailing->aliases) {
        if (name == QLatin1String(alias.name)) return {true, false, alias.field.index};
    }
    if (const qsizetype index = source.people->layout->indexOfField(name); index >= 0) {
        return {true, false, index};
    }
    return {};
}

QString normalisedName(const QString& name) {
    return name.simplified().toCaseFolded();
}

QByteArray hex(uchar byte) {
    static const char digits[] = "0123456789ABCDEF";
    QByteArray result("=");
    result += digits[byte >> 4];
    result += digits[byte & 15];
    return result;
}

// A name and address for a header: the name always in an encoded word, so
// that no text of a card is read as an address or as an encoded word. One
// word, never folded: readers differ on the blank between two encoded
// words of a name (Python's keeps it, mail programs drop it).
QByteArray mailbox(const QString& name, const QString& address) {
    constexpr int kUnfolded = -(1 << 20);  // as if the line had endless room
    QByteArray result;
    if (!name.isEmpty()) result = encodedWords(name, kUnfolded) + ' ';
    return result + '<' + address.toUtf8() + '>';
}

// "To: a,\r\n b": a header of mailboxes, each moved to a line of its own
// when it would pass 76 characters.
QByteArray addressHeader(const QByteArray& name, const QList<QByteArray>& mailboxes) {
    QByteArray header = name + ':';
    qsizetype line = header.size();
    for (qsizetype i = 0; i < mailboxes.size(); ++i) {
        if (i > 0) header += ',';
        const QByteArray& next = mailboxes.at(i);
        if (line + 2 + next.size() > 76 && line > name.size() + 1) {
            header += "\r\n ";
            line = 1;
        } else {
            header += ' ';
            ++line;
        }
        header += next;
        line += next.size() + 1;
    }
    return header + "\r\n";
}

}  // namespace

QStringList mergeNames(const MergeSource& source) {
    QStringList names;
    for (const FieldSpec& field : source.people->layout->fields) {
        names.append(QString::fromLatin1(field.name));
    }
    for (const MergeAlias& alias : source.people->mailing->aliases) {
        names.append(QString::fromLatin1(alias.name));
    }
    for (const MergeAlias& own : source.messages->letters->ownFields) {
        names.append(QString::fromLatin1(own.name));
    }
    if (source.people->mailing->sex) {
        for (const Salutation& salutation : kSalutations) {
            names.append(QString::fromLatin1(salutation.name));
        }
    }
    return names;
}

QStringList unknownFields(const QString& text, const MergeSource& source) {
    QStringList unknown;
    auto it = fieldPattern().globalMatch(text);
    while (it.hasNext()) {
        const QString name = it.next().captured(1);
        if (!resolve(name, source).found && !unknown.contains(name)) unknown.append(name);
    }
    return unknown;
}

QString unknownFieldMessage(const QStringList& unknown) {
    QStringList braced;
    for (const QString& name : unknown) braced.append(u'{' + name + u'}');
    return (unknown.size() == 1 ? QStringLiteral("Il testo contiene un campo che non esiste: ")
                                : QStringLiteral("Il testo contiene campi che non esistono: ")) +
           braced.join(QStringLiteral(", ")) + u'.';
}

QString merge(const QString& text, const MergeSource& source, const FieldValues& recipient,
              const FieldValues& message) {
    QString result;
    qsizetype from = 0;
    auto it = fieldPattern().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const Resolved field = resolve(match.captured(1), source);
        if (!field.found) continue;
        result += QStringView(text).mid(from, match.capturedStart() - from);
        result +=
            field.salutation
                ? salutationOf(*field.salutation, source, recipient)
                : text::trimBlanks((field.ofMessage ? message : recipient).value(field.index));
        from = match.capturedEnd();
    }
    result += QStringView(text).mid(from);
    return result;
}

QStringList recipientNames(const LetterFields& letters, const FieldValues& message) {
    QStringList names;
    const QString all = message.value(letters.recipients.index);
    for (const QString& line : all.split(QRegularExpression(QStringLiteral("[\r\n]+")))) {
        const QString name = line.simplified();
        if (!name.isEmpty()) names.append(name);
    }
    return names;
}

LetterPlan planLetters(const MergeSource& source, const FieldValues& message,
                       const QList<Member>& registry, const QDate& today,
                       const RecipientChoice& choice) {
    LetterPlan plan;
    const LetterFields& fields = *source.messages->letters;
    const MailingFields& people = *source.people->mailing;
    const QString subject = text::trimBlanks(message.value(fields.subject.index));
    const QString text = message.value(fields.text.index);
    QStringList unknown = unknownFields(subject, source);
    for (const QString& name : unknownFields(text, source)) {
        if (!unknown.contains(name)) unknown.append(name);
    }
    if (!unknown.isEmpty()) {
        plan.error = unknownFieldMessage(unknown);
        return plan;
    }
    QString date = text::trimBlanks(message.value(fields.date.index));
    if (date.isEmpty()) date = today.toString(QStringLiteral("dd/MM/yyyy"));
    for (const QString& name : recipientNames(fields, message)) {
        QList<Member> found;
        for (const Member& member : registry) {
            if (normalisedName(nameOf(people, member.values)) == normalisedName(name)) {
                found.append(member);
            }
        }
        if (found.isEmpty()) {
            plan.missing.append(name);
            continue;
        }
        if (found.size() > 1) {
            plan.namesakes.append({name, found});
            if (!choice.everyNamesake) {
                found.removeIf(
                    [&](const Member& member) { return !choice.records.contains(member.record); });
                if (found.isEmpty()) plan.unsettled.append(name);
            }
        }
        for (const Member& member : found) {
            MergedLetter letter;
            letter.recipient = member;
            letter.name = nameOf(people, member.values);
            letter.address = addressLines(people, member.values);
            if (people.email) {
                letter.email = fieldText(member.values, *people.email);
                letter.emails = emailAddresses(letter.email, nullptr);
            }
            letter.subject = merge(subject, source, member.values, message);
            letter.text = merge(text, source, member.values, message);
            letter.date = date;
            plan.letters.append(letter);
        }
    }
    return plan;
}

QString namesakesText(const Namesakes& namesakes) {
    QStringList records;
    for (const Member& member : namesakes.members) records.append(QString::number(member.record));
    return QStringLiteral("%1 (schede %2)").arg(namesakes.name, records.join(QStringLiteral(", ")));
}

QString italianLongDate(const QDate& date) {
    static const char* const months[] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                         "maggio",    "giugno",   "luglio",   "agosto",
                                         "settembre", "ottobre",  "novembre", "dicembre"};
    if (!date.isValid()) return {};
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(QString::fromLatin1(months[date.month() - 1]))
        .arg(date.year());
}

QString dateLine(const QString& place, const QString& date) {
    const QDate day = QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
    const QString written = day.isValid() ? italianLongDate(day) : date;
    return place.trimmed().isEmpty() ? written : place.trimmed() + QStringLiteral(", ") + written;
}

QStringList lettersWithoutAddress(const QList<MergedLetter>& letters) {
    QStringList names;
    for (const MergedLetter& letter : letters) {
        if (letter.address.isEmpty()) names.append(letter.name);
    }
    return names;
}

QString lettersWithoutAddressMessage(const QStringList& names) {
    return QStringLiteral("Destinatari senza indirizzo, lettere non stampate: ") +
           names.join(QStringLiteral(", ")) + u'.';
}

report::Report letterPages(const QList<MergedLetter>& letters, const Association& association,
                           const QImage& logo) {
    // The letterhead's second part: the address, then codice fiscale,
    // phone and e-mail on one line.
    QStringList head;
    if (!association.address.trimmed().isEmpty()) head.append(association.address.trimmed());
    QStringList contacts;
    if (!association.fiscalCode.isEmpty())
        contacts.append(QStringLiteral("C.F. ") + association.fiscalCode);
    if (!association.phone.isEmpty()) contacts.append(QStringLiteral("Tel. ") + association.phone);
    if (!association.email.isEmpty())
        contacts.append(QStringLiteral("E-mail ") + association.email);
    if (!contacts.isEmpty()) head.append(contacts.join(QStringLiteral(" - ")));
    report::Report result;
    for (const MergedLetter& letter : letters) {
        if (letter.address.isEmpty()) continue;
        report::Page page;
        page.name = QStringLiteral("Lettera%1").arg(result.pages.size() + 1);
        page.margins = QMarginsF();
        double headLeft = 20;
        if (!logo.isNull()) {
            report::PictureObject picture;
            picture.name = QStringLiteral("imgLogo");
            picture.rect = QRectF(mm(20), mm(15), mm(20), mm(20));
            picture.image = logo;
            page.objects.append(picture);
            headLeft = 45;
        }
        page.objects.append(textInMm(QStringLiteral("txtAssociazione"),
                                     QRectF(headLeft, 13, 190 - headLeft, 9), association.name, 16,
                                     true));
        if (!head.isEmpty()) {
            report::TextObject details =
                textInMm(QStringLiteral("txtIntestazione"),
                         QRectF(headLeft, 22, 190 - headLeft, 14), head.join(u'\n'), 9);
            details.wordWrap = true;
            page.objects.append(details);
        }
        report::LineObject rule;
        rule.line = QLineF(mm(20), mm(37), mm(190), mm(37));
        page.objects.append(rule);
        // The address wraps in its box and stays readable however long.
        report::TextObject address =
            textInMm(QStringLiteral("txtDestinatario"), QRectF(110, 47, 80, 33),
                     letter.address.join(u'\n'), 11);
        address.wordWrap = true;
        address.smallestPoints = 10;
        page.objects.append(address);
        report::TextObject date = textInMm(QStringLiteral("txtData"), QRectF(20, 85, 170, 6),
                                           dateLine(association.place, letter.date), 11);
        date.alignment = Qt::AlignRight | Qt::AlignTop;
        page.objects.append(date);
        report::TextObject subject =
            textInMm(QStringLiteral("txtOggetto"), QRectF(20, 97, 170, 12),
                     QStringLiteral("Oggetto: ") + letter.subject, 11, true);
        subject.wordWrap = true;
        page.objects.append(subject);
        report::TextObject body =
            textInMm(QStringLiteral("txtTesto"), QRectF(20, 112, 170, 148), letter.text, 11);
        body.wordWrap = true;
        page.objects.append(body);
        if (!association.signature.trimmed().isEmpty()) {
            report::TextObject signature =
                textInMm(QStringLiteral("txtFirma"), QRectF(110, 264, 80, 18),
                         association.signature.trimmed(), 11);
            signature.wordWrap = true;
            signature.alignment = Qt::AlignHCenter | Qt::AlignTop;
            page.objects.append(signature);
        }
        result.pages.append(page);
    }
    return result;
}

QByteArray quotedPrintable(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QByteArray result;
    const QStringList lines = plain.split(u'\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QByteArray bytes = lines.at(l).toUtf8();
        QByteArray line;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const uchar c = uchar(bytes.at(i));
            const bool last = i + 1 == bytes.size();
            QByteArray piece;
            if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last)) {
                piece = QByteArray(1, char(c));
            } else {
                piece = hex(c);
            }
            // A soft line break keeps every line within 76 characters.
            if (line.size() + piece.size() > 75) {
                result += line + "=\r\n";
                line.clear();
            }
            line += piece;
        }
        result += line;
        if (l + 1 < lines.size()) result += "\r\n";
    }
    return result + "\r\n";
}

QByteArray encodedWords(const QString& text, int used) {
    const QByteArray open("=?UTF-8?Q?");
    const QByteArray close("?=");
    QByteArray result;
    QByteArray word;
    int room = 76 - used;
    const auto finish = [&] {
        if (word.isEmpty()) return;
        if (!result.isEmpty()) {
            result += "\r\n ";
            room = 75;
        }
        result += open + word + close;
        word.clear();
    };
    // Each character whole in one word: a UTF-8 sequence is never split.
    for (const uint code : text.toUcs4()) {
        const QByteArray bytes =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1).toUtf8();
        QByteArray piece;
        for (const char byte : bytes) {
            const uchar c = uchar(byte);
            if (c == ' ') {
                piece += '_';
            } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '!' || c == '*' || c == '+' || c == '-' || c == '/') {
                piece += char(c);
            } else {
                piece += hex(c);
            }
        }
        if (open.size() + word.size() + piece.size() + close.size() > room) {
            finish();
            room = 75;
        }
        word += piece;
    }
    finish();
    return result.isEmpty() ? open + close : result;
}

QStringList emailAddresses(const QString& field, bool* ok) {
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    QStringList addresses;
    for (const QString& part : field.split(separators, Qt::SkipEmptyParts)) {
        if (!isEmailAddress(part)) {
            if (ok) *ok = false;
            return {};
        }
        if (!addresses.contains(part, Qt::CaseInsensitive)) addresses.append(part);
    }
    if (ok) *ok = true;
    return addresses;
}

QStringList emailNotes(const QList<MergedLetter>& letters) {
    QStringList none;
    QStringList invalid;
    for (const MergedLetter& letter : letters) {
        if (letter.email.isEmpty()) {
            none.append(letter.name);
        } else if (letter.emails.isEmpty()) {
            invalid.append(QStringLiteral("%1 (scheda %2: \u00AB%3\u00BB)")
                               .arg(letter.name)
                               .arg(letter.recipient.record)
                               .arg(letter.email));
        }
    }
    QStringList notes;
    if (!none.isEmpty()) {
        notes.append(QStringLiteral("Destinatari senza indirizzo e-mail, esclusi: ") +
                     none.join(QStringLiteral(", ")) + u'.');
    }
    if (!invalid.isEmpty()) {
        notes.append(QStringLiteral("Indirizzi e-mail non validi, esclusi: ") +
                     invalid.join(QStringLiteral(", ")) + u'.');
    }
    return notes;
}

QByteArray emlMessage(const MergedLetter& letter, const Association& association,
                      const QDateTime& now) {
    QByteArray message;
    // A sender that is no address (set by hand in the settings file) is left out.
    const QString sender = association.email.trimmed();
    const bool hasSender = isEmailAddress(sender);
    if (hasSender) message += addressHeader("From", {mailbox(association.name, sender)});
    QList<QByteArray> to;
    for (const QString& address : letter.emails) to.append(mailbox(letter.name, address));
    message += addressHeader("To", to);
    message += "Subject: " + encodedWords(letter.subject, 9) + "\r\n";
    message += "Date: " + now.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    // Unique for each message: the moment, the record and a random part,
    // at the association's domain.
    const QByteArray domain = hasSender ? sender.mid(sender.lastIndexOf(u'@') + 1).toLatin1()
                                        : QByteArrayLiteral("selvadoro.invalid");
    message += "Message-ID: <" + QByteArray::number(now.toMSecsSinceEpoch()) + '.' +
               QByteArray::number(letter.recipient.record) + '.' +
               QByteArray::number(QRandomGenerator::global()->generate64(), 36) + '@' + domain +
               ">\r\n";
    message += "MIME-Version: 1.0\r\n";
    message += "Content-Type: text/plain; charset=UTF-8\r\n";
    message += "Content-Transfer-Encoding: quoted-printable\r\n";
    message += "X-Unsent: 1\r\n";
    message += "\r\n";
    message += quotedPrintable(letter.text);
    return message;
}

QString emlFileName(const MergedLetter& letter) {
    QString name = letter.name;
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != u' ' && c != u'-' && c != u'\'') c = u'_';
    }
    return QStringLiteral("%1 %2.eml").arg(letter.recipient.record, 3, 10, QChar(u'0')).arg(name);
}

bool writeEmls(const QList<MergedLetter>& letters, const QString& folder,
               const Association& association, const QDateTime& now, QStringList* written,
               QString* error, const WorkProgress& progress) {
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir()) {
        if (error) *error = QStringLiteral("La cartella non esiste.");
        return false;
    }
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const MergedLetter& letter = letters.at(i);
        if (progress && !progress(i, letters.size())) {
            if (error) error->clear();
            return false;
        }
        if (letter.emails.isEmpty()) continue;
        const QString path = dir.filePath(emlFileName(letter));
        if (!replaceFile(path, emlMessage(letter, association, now), error)) return false;
        if (written) written->append(path);
    }
    return true;
}

}  // namespace mailing
