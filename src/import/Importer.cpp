#include "import/Importer.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QThread>
#include <string>
#include <vector>

#include "base/Cp1252.h"
#include "base/InOrderWork.h"
#include "base/Paths.h"
#include "base/TextRules.h"
#include "records/ArchiveMessages.h"
#include "records/FieldRules.h"
#include "records/RecordCodec.h"

namespace importer {
namespace {

const CardField* cardField(const ArchiveDefinition& archive, qsizetype field) {
    if (!archive.card) return nullptr;
    for (const CardField& f : archive.card->fields) {
        if (f.field.index == field) return &f;
    }
    return nullptr;
}

QString quoted(const QString& text) {
    return QStringLiteral("«") + text + QStringLiteral("»");
}

// A date field: filled by the date window, or labelled as a date.
bool isDateField(const CardField& field) {
    return field.kind == CardFieldKind::CalendarDate ||
           matchingName(QString::fromUtf8(field.label)).startsWith(QLatin1String("data"));
}

// The date fields of an archive's card, found once.
const QList<qsizetype>& dateFields(const ArchiveDefinition& archive) {
    static QHash<const ArchiveDefinition*, QList<qsizetype>> found;
    const auto known = found.constFind(&archive);
    if (known != found.cend()) return known.value();
    QList<qsizetype> dates;
    if (archive.card) {
        for (const CardField& f : archive.card->fields) {
            if (isDateField(f)) dates.append(f.field.index);
        }
    }
    return found.insert(&archive, dates).value();
}

// The shape of a field's values, as its card declares it.
ValueShape shapeOf(const ArchiveDefinition& archive, qsizetype field) {
    const CardField* f = cardField(archive, field);
    return f ? f->shape : ValueShape::Any;
}

// The longest text a field stores. The card's typing aids (the characters
// a field lets through, a typing limit shorter than the field, capitals
// while typing) are not save checks: a list brings what the records hold ("4262 9456 ...", a
// birth country's name), and it is stored when the field can hold it.
int limitOf(const ArchiveDefinition& archive, qsizetype field) {
    int limit = archive.layout->fields[std::size_t(field)].capacity;
    if (archive.layout->encoding == FieldEncoding::LengthPrefixed) limit = qMin(limit, 255);
    return limit;
}

// The text of a field as its length is counted when stored.
QString countedText(const ArchiveDefinition& archive, const QString& text) {
    return archive.layout->encoding == FieldEncoding::LengthPrefixed ? text::trimBlanks(text)
                                                                     : text;
}

// The separator of a natural key's fields.
constexpr QChar kKeyJoin(0x1F);

// The natural key of a record's values: its fields without blanks around
// them, joined by kKeyJoin; empty when they are all empty. Matching
// compares it case folded; the report shows it with blanks.
QString keyText(const ArchiveDefinition& archive, const FieldValues& values) {
    QString key;
    bool any = false;
    bool first = true;
    for (const FieldId& field : archive.naturalKey) {
        const QString value = text::trimBlanks(values.value(field.index));
        if (!value.isEmpty()) any = true;
        if (!first) key += kKeyJoin;
        key += value;
        first = false;
    }
    return any ? key : QString();
}

QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    return text.simplified();
}

// A text in lower case, its accents apart from their letters (NFKD), a
// blank where a lower-case letter met a capital ("CodFisc": "cod fisc").
QString plainLowerCase(const QString& text) {
    QString spaced;
    spaced.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i > 0 && c.isUpper() && text.at(i - 1).isLower()) spaced.append(u' ');
        spaced.append(c);
    }
    return spaced.normalized(QString::NormalizationForm_KD).toLower();
}

}  // namespace

QString matchingName(const QString& text) {
    const QString plain = plainLowerCase(text);
    QStringList words;
    QString word;
    for (const QChar c : plain) {
        if (c.isLetterOrNumber()) {
            word.append(c);
        } else if (c.category() != QChar::Mark_NonSpacing && !word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty()) words.append(word);
    static const QSet<QString> little{
        QStringLiteral("di"),    QStringLiteral("del"),   QStringLiteral("della"),
        QStringLiteral("dei"),   QStringLiteral("delle"), QStringLiteral("degli"),
        QStringLiteral("dello"), QStringLiteral("da"),    QStringLiteral("e"),
        QStringLiteral("ed"),    QStringLiteral("il"),    QStringLiteral("lo"),
        QStringLiteral("la"),    QStringLiteral("le"),    QStringLiteral("i"),
        QStringLiteral("gli"),   QStringLiteral("l"),     QStringLiteral("a"),
        QStringLiteral("al"),    QStringLiteral("in"),    QStringLiteral("n"),
        QStringLiteral("nr"),    QStringLiteral("per"),
    };
    QString name;
    for (const QString& w : words) {
        if (!little.contains(w)) name += w;
    }
    return name.isEmpty() ? words.join(QString()) : name;
}

QString titleWords(const QString& text) {
    const QString plain = plainLowerCase(text);
    // The words and what stands between each and the next: a hyphen joins
    // ("E-mail"), so do dots between single letters ("C.A.P."); anything
    // else parts.
    QStringList words;
    QStringList between;
    QString word;
    QString gap;
    for (const QChar c : plain) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        if (c.isLetterOrNumber()) {
            if (!gap.isEmpty() || word.isEmpty()) {
                if (!word.isEmpty()) {
                    words.append(word);
                    between.append(gap);
                }
                word.clear();
                gap.clear();
            }
            word.append(c);
        } else {
            if (!word.isEmpty()) gap.append(c);
        }
    }
    if (!word.isEmpty()) words.append(word);
    QString joined;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const bool join =
            i > 0 &&
            (between.at(i - 1) == u"-" ||
             (between.at(i - 1) == u"." && words.at(i - 1).size() == 1 && words.at(i).size() == 1));
        if (i > 0 && !join) joined.append(u' ');
        joined.append(words.at(i));
    }
    return joined;
}

QList<qsizetype> importableFields(const ArchiveDefinition& archive) {
    QList<qsizetype> fields;
    if (!archive.card) return fields;
    for (const CardField& f : archive.card->fields) fields.append(f.field.index);
    return fields;
}

QString fieldLabel(const ArchiveDefinition& archive, qsizetype field) {
    const CardField* card = cardField(archive, field);
    const QString label = card ? fieldTitle(*card) : QString();
    return label.isEmpty() ? QString::fromLatin1(archive.layout->fields[std::size_t(field)].name)
                           : label;
}

namespace {

// The fields each name names, by its words (titleWords()) and by its
// words without the little ones (matchingName()).
struct FieldNames {
    QHash<QString, QList<qsizetype>> byWords;
    QHash<QString, QList<qsizetype>> byName;
    // Every name a user may write, one for each field first (its label).
    QStringList shown;

    // The fields `text` names: those of its words, else those of its
    // words without the little ones.
    QList<qsizetype> of(const QString& text) const {
        const auto words = byWords.constFind(titleWords(text));
        if (words != byWords.cend()) return words.value();
        return byName.value(matchingName(text));
    }
};

// Every name of each importable field: its label (with what tells it
// apart), the titles the card declares for it, the export's column
// titles, the search's captions and the record's field name.
const FieldNames& namesOfFields(const ArchiveDefinition& archive) {
    static QHash<const ArchiveDefinition*, FieldNames> found;
    static QMutex guard;
    QMutexLocker lock(&guard);
    const auto known = found.constFind(&archive);
    if (known != found.cend()) return known.value();
    const QList<qsizetype> fields = importableFields(archive);
    FieldNames names;
    const auto add = [&](const QString& name, qsizetype field) {
        if (!fields.contains(field) || titleWords(name).isEmpty()) return;
        QList<qsizetype>& words = names.byWords[titleWords(name)];
        if (!words.contains(field)) words.append(field);
        QList<qsizetype>& plain = names.byName[matchingName(name)];
        if (!plain.contains(field)) plain.append(field);
    };
    for (const qsizetype field : fields) {
        add(fieldLabel(archive, field), field);
        names.shown.append(fieldLabel(archive, field));
    }
    for (const CardField& f : archive.card->fields) {
        add(QString::fromUtf8(f.label), f.field.index);
        if (!f.titles) continue;
        for (const QString& title : QString::fromUtf8(f.titles).split(u'|', Qt::SkipEmptyParts)) {
            add(title, f.field.index);
        }
    }
    if (archive.exporter) {
        for (const ExportColumn& column : archive.exporter->columns) {
            if (column.fields.size() == 1) add(column.header, column.fields.first());
        }
    }
    if (archive.search) {
        for (const SearchCriterionSpec& criterion : archive.search->criteria) {
            add(QString::fromUtf8(criterion.caption), criterion.field.index);
        }
    }
    for (const qsizetype field : fields) {
        const QString name = QString::fromLatin1(archive.layout->fields[std::size_t(field)].name);
        add(name, field);
        names.shown.append(name);
    }
    return found.insert(&archive, names).value();
}

// The field whose record name is `text` (as the search criteria name it).
qsizetype fieldOwnNamed(const ArchiveDefinition& archive, const QString& text) {
    for (const qsizetype f : importableFields(archive)) {
        if (text.trimmed().compare(QLatin1String(archive.layout->fields[std::size_t(f)].name),
                                   Qt::CaseInsensitive) == 0) {
            return f;
        }
    }
    return kNotImported;
}

// The shape most of a column's values share: a date, a codice fiscale, an
// e-mail address, a CAP; Any for anything else, nullopt for no values.
std::optional<std::optional<ValueShape>> columnShape(const QList<QStringList>& sample,
                                                     qsizetype column) {
    static const QRegularExpression taxCode(
        QStringLiteral("^([A-Z]{6}[0-9LMNPQRSTUV]{2}[A-Z][0-9LMNPQRSTUV]{2}[A-Z][0-9LMNPQRSTUV]{"
                       "3}[A-Z]|[0-9]{11})$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression email(QStringLiteral("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$"));
    static const QRegularExpression postCode(QStringLiteral("^[0-9]{4,5}$"));
    static const QRegularExpression date(
        QStringLiteral("^[0-9]{1,4}[/.-][0-9]{1,2}[/.-][0-9]{1,4}$"));
    qsizetype values = 0;
    QHash<int, qsizetype> counts;  // -1 a date, else a ValueShape
    for (const QStringList& row : sample) {
        const QString value = row.value(column).trimmed();
        if (value.isEmpty()) continue;
        ++values;
        if (taxCode.match(value).hasMatch()) {
            ++counts[int(ValueShape::TaxCode)];
        } else if (email.match(value).hasMatch()) {
            ++counts[int(ValueShape::Email)];
        } else if (postCode.match(value).hasMatch()) {
            ++counts[int(ValueShape::PostCode)];
        } else if (date.match(value).hasMatch() && dateValue(value)) {
            ++counts[-1];
        }
    }
    if (values == 0) return std::nullopt;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() * 5 >= values * 4) {
            if (it.key() < 0) return std::optional<ValueShape>();
            return std::optional<ValueShape>(ValueShape(it.key()));
        }
    }
    return std::optional<ValueShape>(ValueShape::Any);
}

QString quotedLabels(const ArchiveDefinition& archive, const QList<qsizetype>& fields) {
    QStringList labels;
    for (const qsizetype f : fields) labels.append(quoted(fieldLabel(archive, f)));
    return labels.join(QStringLiteral(" o "));
}

}  // namespace

QList<ColumnMatch> matchHeader(const ArchiveDefinition& archive, const QStringList& header,
                               const QList<QStringList>& sample) {
    QList<ColumnMatch> matches(header.size());
    if (!archive.card) return matches;
    const FieldNames& names = namesOfFields(archive);
    const QList<qsizetype> order = importableFields(archive);
    const QList<qsizetype>& dates = dateFields(archive);
    QList<QList<qsizetype>> candidates(header.size());
    for (qsizetype c = 0; c < header.size(); ++c) {
        // A field's own record name names that field alone.
        const qsizetype own = fieldOwnNamed(archive, header.at(c));
        candidates[c] = own != kNotImported ? QList<qsizetype>{own} : names.of(header.at(c));
        // What the column holds rules out the fields whose values look
        // otherwise: dates in a date field, a codice fiscale in its own.
        if (candidates.at(c).size() < 2) continue;
        const auto shape = columnShape(sample, c);
        if (!shape) continue;
        QList<qsizetype> fit;
        for (const qsizetype f : candidates.at(c)) {
            const std::optional<ValueShape> wanted =
                dates.contains(f) ? std::optional<ValueShape>() : shapeOf(archive, f);
            if (wanted == *shape) fit.append(f);
        }
        if (!fit.isEmpty()) candidates[c] = fit;
    }
    const auto taken = [&](qsizetype field, qsizetype except) {
        for (qsizetype c = 0; c < matches.size(); ++c) {
            if (c != except && matches.at(c).field == field) return c;
        }
        return qsizetype(-1);
    };
    // The titles that name one field first, then those that name several,
    // settled by their neighbours: a field that follows, on the card, the
    // field of the column before it (the province after the town of
    // residence) or precedes that of the column after it. Each settled
    // one may settle another.
    for (qsizetype c = 0; c < header.size(); ++c) {
        if (candidates.at(c).size() == 1 && taken(candidates.at(c).first(), c) < 0) {
            matches[c].field = candidates.at(c).first();
        }
    }
    for (bool settled = true; settled;) {
        settled = false;
        for (qsizetype c = 0; c < header.size(); ++c) {
            if (matches.at(c).field != kNotImported || candidates.at(c).size() < 2) continue;
            const qsizetype before = c > 0 ? order.indexOf(matches.at(c - 1).field) : -1;
            const qsizetype after =
                c + 1 < header.size() ? order.indexOf(matches.at(c + 1).field) : -1;
            QList<qsizetype> near;
            for (const qsizetype f : candidates.at(c)) {
                const qsizetype at = order.indexOf(f);
                if (taken(f, c) >= 0) continue;
                if ((before >= 0 && at > before && at - before <= 2) ||
                    (after >= 0 && after > at && after - at <= 2)) {
                    near.append(f);
                }
            }
            if (near.size() == 1) {
                matches[c].field = near.first();
                settled = true;
            }
        }
    }
    for (qsizetype c = 0; c < header.size(); ++c) {
        if (matches.at(c).field != kNotImported || candidates.at(c).isEmpty()) continue;
        if (candidates.at(c).size() > 1) {
            matches[c].doubt = QStringLiteral("il titolo può indicare %1: scegliere il campo.")
                                   .arg(quotedLabels(archive, candidates.at(c)));
        } else {
            const qsizetype other = taken(candidates.at(c).first(), c);
            matches[c].doubt = QStringLiteral("il campo %1 è già della colonna %2: scegliere.")
                                   .arg(quoted(fieldLabel(archive, candidates.at(c).first())),
                                        quoted(header.at(other)));
        }
    }
    return matches;
}

QList<qsizetype> matchColumns(const ArchiveDefinition& archive, const QStringList& header,
                              const QList<QStringList>& sample) {
    QList<qsizetype> columns;
    for (const ColumnMatch& match : matchHeader(archive, header, sample)) {
        columns.append(match.field);
    }
    return columns;
}

qsizetype fieldNamed(const ArchiveDefinition& archive, const QString& text, QString* error) {
    if (!archive.card) return kNotImported;
    const qsizetype own = fieldOwnNamed(archive, text);
    if (own != kNotImported) return own;
    const FieldNames& names = namesOfFields(archive);
    const QList<qsizetype> fields = names.of(text);
    if (fields.size() == 1) return fields.first();
    if (fields.size() > 1) {
        *error = QStringLiteral("Il campo %1 può essere %2: indicarlo per intero.")
                     .arg(quoted(text), quotedLabels(archive, fields));
    } else {
        QStringList valid = names.shown;
        valid.removeDuplicates();
        *error = QStringLiteral("L'archivio %1 non ha il campo %2. Campi validi: %3.")
                     .arg(QString::fromLatin1(archive.name), quoted(text),
                          valid.join(QStringLiteral(", ")));
    }
    return kNotImported;
}

bool applyColumns(const ArchiveDefinition& archive, const QStringList& header,
                  const QString& mapping, QList<qsizetype>* columns, QString* error) {
    for (const QString& pair : mapping.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        const QString title = pair.left(equals).trimmed();
        const QString fieldText = equals < 0 ? QString() : pair.mid(equals + 1).trimmed();
        if (equals < 0 || title.isEmpty() || fieldText.isEmpty()) {
            *error = QStringLiteral("--colonne vuole coppie Titolo=Campo separate da virgole: ") +
                     pair.trimmed();
            return false;
        }
        // The column whose title is the one given; else the one column
        // whose title reads the same but for case, blanks and punctuation.
        // "Nato il" and "Nato a" are two columns, whatever the little words.
        QList<qsizetype> found;
        for (qsizetype c = 0; c < header.size(); ++c) {
            if (header.at(c).trimmed().compare(title, Qt::CaseInsensitive) == 0) found.append(c);
        }
        for (const auto& same : {&titleWords, &matchingName}) {
            if (!found.isEmpty()) break;
            for (qsizetype c = 0; c < header.size(); ++c) {
                if (same(header.at(c)) == same(title)) found.append(c);
            }
        }
        if (found.isEmpty()) {
            *error = QStringLiteral("La colonna %1 non è nell'intestazione del file.")
                         .arg(quoted(title));
            return false;
        }
        if (found.size() > 1) {
            QStringList titles;
            for (const qsizetype c : found) titles.append(quoted(header.at(c)));
            *error = QStringLiteral(
                         "Il titolo %1 può indicare più colonne del file (%2): "
                         "scriverlo esattamente come nell'intestazione.")
                         .arg(quoted(title), titles.join(QStringLiteral(", ")));
            return false;
        }
        const qsizetype column = found.first();
        qsizetype field = kNotImported;
        if (matchingName(fieldText) != matchingName(QStringLiteral("non importare"))) {
            field = fieldNamed(archive, fieldText, error);
            if (field == kNotImported) return false;
        }
        for (qsizetype& other : *columns) {
            if (other == field && field != kNotImported) other = kNotImported;
        }
        (*columns)[column] = field;
    }
    return true;
}

namespace {

QString savedKey(const ArchiveDefinition& archive) {
    return QString::fromLatin1(archive.name) + QStringLiteral("/colonne");
}

}  // namespace

void saveColumns(const ArchiveDefinition& archive, const QStringList& header,
                 const QList<qsizetype>& columns) {
    QSettings settings(paths::settingsFile(), QSettings::IniFormat);
    QStringList pairs;
    for (qsizetype c = 0; c < header.size(); ++c) {
        const qsizetype field = columns.value(c, kNotImported);
        pairs.append(titleWords(header.at(c)) + u'=' +
                     (field == kNotImported
                          ? QString()
                          : QString::fromLatin1(archive.layout->fields[std::size_t(field)].name)));
    }
    settings.setValue(savedKey(archive), pairs);
}

bool applySavedColumns(const ArchiveDefinition& archive, const QStringList& header,
                       QList<qsizetype>* columns) {
    const QSettings settings(paths::settingsFile(), QSettings::IniFormat);
    const QStringList pairs = settings.value(savedKey(archive)).toStringList();
    const QList<qsizetype> fields = importableFields(archive);
    bool any = false;
    for (const QString& pair : pairs) {
        const QString title = pair.section(u'=', 0, 0);
        const QString name = pair.section(u'=', 1);
        const qsizetype field = name.isEmpty() ? kNotImported : archive.layout->indexOfField(name);
        if (field != kNotImported && !fields.contains(field)) continue;
        // By the title's words; a mapping saved before them named a title
        // by its words without the little ones.
        QList<qsizetype> found;
        for (qsizetype c = 0; c < header.size(); ++c) {
            if (titleWords(header.at(c)) == title) found.append(c);
        }
        if (found.isEmpty()) {
            for (qsizetype c = 0; c < header.size(); ++c) {
                if (matchingName(header.at(c)) == title) found.append(c);
            }
        }
        if (found.size() != 1) continue;
        for (qsizetype& other : *columns) {
            if (other == field && field != kNotImported) other = kNotImported;
        }
        (*columns)[found.first()] = field;
        any = true;
    }
    return any;
}

std::optional<QString> dateValue(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    // Already the card's form (what the program's own export writes): the
    // card's date text is the text itself, when it is a date.
    const auto digit = [&](qsizetype i) { return t.at(i) >= u'0' && t.at(i) <= u'9'; };
    if (t.size() == 10 && t.at(2) == u'/' && t.at(5) == u'/' && digit(0) && digit(1) && digit(3) &&
        digit(4) && digit(6) && digit(7) && digit(8) && digit(9)) {
        if (fieldrules::parseDate(t)) return t;
        return std::nullopt;
    }
    if (const auto date = fieldrules::parseDate(t)) return fieldrules::formatDate(*date);
    const QDate iso = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
    if (iso.isValid()) return fieldrules::formatDate(iso);
    // A spreadsheet's serial day number (1 is 1 January 1900, counted from
    // 30 December 1899 as the spreadsheets count), possibly with a time.
    static const QRegularExpression serialPattern(QStringLiteral("^[0-9]{1,7}([.,][0-9]+)?$"));
    if (serialPattern.match(t).hasMatch()) {
        const qint64 days = t.section(u',', 0, 0).section(u'.', 0, 0).toLongLong();
        // The spreadsheets' day 60 is the 29 February 1900 that never was.
        if (days >= 1 && days <= 2958465) {
            return fieldrules::formatDate(QDate(1899, 12, 30).addDays(days < 60 ? days + 1 : days));
        }
    }
    return std::nullopt;
}

std::optional<QString> checkValue(const QString& text) {
    const QString t = matchingName(text);
    static const QStringList yes{QStringLiteral("si"),   QStringLiteral("s"),
                                 QStringLiteral("x"),    QStringLiteral("1"),
                                 QStringLiteral("vero"), QStringLiteral("true")};
    static const QStringList no{QStringLiteral("no"), QStringLiteral("n"), QStringLiteral("0"),
                                QStringLiteral("falso"), QStringLiteral("false")};
    if (text.trimmed().isEmpty() || no.contains(t)) return text::kFlagNo;
    if (yes.contains(t)) return text::kFlagYes;
    return std::nullopt;
}

namespace {

// rowValues(), with the archive's date fields found before: it runs on the
// checking threads, and touches nothing but its row. The values share the
// cells' texts.
FieldValues convertRow(const ArchiveDefinition& archive, const QList<qsizetype>& dates,
                       const QStringList& cells, const QList<qsizetype>& columns,
                       const Options& options, QString* refusal, QStringList* cut,
                       int* padded = nullptr) {
    const RecordLayout& layout = *archive.layout;
    FieldValues values(qsizetype(layout.fields.size()));
    const auto refuse = [&](const QString& message) {
        if (refusal) *refusal = message;
        return values;
    };
    QList<bool> given(values.size(), false);
    for (qsizetype c = 0; c < columns.size() && c < cells.size(); ++c) {
        if (columns.at(c) != kNotImported) {
            values[columns.at(c)] = cells.at(c);
            given[columns.at(c)] = true;
        }
    }
    for (const auto& [field, value] : options.fixedValues) {
        if (field >= 0 && field < values.size() && !given.at(field)) {
            values[field] = value;
            given[field] = true;
        }
    }
    if (archive.card) {
        for (const CardField& f : archive.card->fields) {
            const qsizetype i = f.field.index;
            QString& value = values[i];
            const auto label = [&] { return fieldLabel(archive, i); };
            if (!given.at(i)) {
                value = f.defaultValue ? f.defaultValue() : QString::fromUtf8(f.defaultText);
                if (f.kind == CardFieldKind::Check && value.isEmpty()) value = text::kFlagNo;
                continue;
            }
            if (f.kind == CardFieldKind::Memo && (value.contains(u'\r') || value.contains(u'\n'))) {
                value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                value.replace(u'\r', u'\n');
                value.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
            } else if (f.kind != CardFieldKind::Memo &&
                       (value.contains(u'\n') || value.contains(u'\r'))) {
                return refuse(QStringLiteral("il campo %1 è di una riga sola, ma il valore va a "
                                             "capo.")
                                  .arg(quoted(label())));
            }
            // A CAP a spreadsheet kept as a number (6012) gets back the
            // leading zeros it lost.
            if (f.shape == ValueShape::PostCode) {
                const QString digits = text::trimBlanks(value);
                if (digits.size() >= 3 && digits.size() < 5 && text::isAllDigits(digits)) {
                    value = QString(5 - digits.size(), u'0') + digits;
                    if (padded) ++*padded;
                }
            }
            if (f.kind == CardFieldKind::Check) {
                const auto flag = checkValue(value);
                if (!flag) {
                    return refuse(QStringLiteral("la casella %1 vuole Sì o No, non %2.")
                                      .arg(quoted(label()), quoted(value)));
                }
                value = *flag;
            } else if (dates.contains(i)) {
                if (const auto date = dateValue(value)) value = *date;
            }
            if (f.kind == CardFieldKind::ListOnly && !text::trimBlanks(value).isEmpty() &&
                f.items) {
                const QStringList items = f.items();
                qsizetype found = -1;
                for (qsizetype k = 0; k < items.size() && found < 0; ++k) {
                    if (items.at(k).compare(text::trimBlanks(value), Qt::CaseInsensitive) == 0) {
                        found = k;
                    }
                }
                if (found < 0) {
                    return refuse(QStringLiteral("il campo %1 non ha la voce %2 fra le sue.")
                                      .arg(quoted(label()), quoted(value)));
                }
                value = items.at(found);
            }
            if (!takesText(f, value)) {
                return refuse(QStringLiteral("il campo %1 vuole un importo con la virgola "
                                             "decimale, non %2.")
                                  .arg(quoted(label()), quoted(value)));
            }
            if (f.onLeave) value = f.onLeave(value);
        }
    }
    // What the field can hold: its length, the code page's characters.
    if (archive.card) {
        for (const CardField& f : archive.card->fields) {
            const qsizetype i = f.field.index;
            const int limit = limitOf(archive, i);
            const QString counted = countedText(archive, values.at(i));
            if (counted.size() > limit) {
                const QString message =
                    QStringLiteral("il campo %1 ha %2 caratteri, più dei %3 che può contenere.")
                        .arg(quoted(fieldLabel(archive, i)))
                        .arg(counted.size())
                        .arg(limit);
                if (!options.cutToLimits) return refuse(message);
                values[i] = counted.left(limit);
                if (cut) cut->append(message + QStringLiteral(" Tagliato a: ") + quoted(values[i]));
            }
        }
    }
    for (const codec::UnstorableField& field : codec::unstorableFields(layout, values)) {
        const QString line =
            archivemsg::unstorableLine(fieldLabel(archive, field.field), field.characters);
        const QString message =
            QStringLiteral("caratteri che l'archivio non può contenere: ") + line;
        if (!options.cutToLimits) return refuse(message);
        values[field.field] = cp1252::storable(values.at(field.field));
        if (cut) cut->append(message + QStringLiteral(" (sostituiti da \"?\")"));
    }
    if (archive.card) {
        if (archive.card->yearField) values[archive.card->yearField->index] = options.year;
        if (archive.card->derive) archive.card->derive(values);
        if (archive.card->check) {
            if (const auto failed = archive.card->check(values))
                return refuse(oneLine(failed->message));
        }
    }
    if (refusal) refusal->clear();
    return values;
}

}  // namespace

FieldValues rowValues(const ArchiveDefinition& archive, const QStringList& cells,
                      const QList<qsizetype>& columns, const Options& options, QString* refusal,
                      QStringList* cut) {
    return convertRow(archive, dateFields(archive), cells, columns, options, refusal, cut);
}

namespace {

// What the checks of one row found.
struct Outcome {
    QString refusal;  // why the row is not imported; empty when it may be
    QStringList cuts;
    int padded = 0;   // its CAPs given back their leading zeros
    QString key;      // its natural key (keyText()), case folded
    QString keyText;  // the same as given
};

// Rows checked together on a checking thread, with what the checks found
// and, for an import, the records of the rows that may be imported, one
// after the other in the rows' order.
struct Batch {
    importfile::RowBatch rows;
    std::vector<Outcome> outcomes;
    std::string records;
};

// The checks of a row that need nothing but the row and the archive's
// declarations: each row is converted as its card would store it, checked,
// keyed and (for an import) encoded, on threads of their own.
class RowChecks {
public:
    RowChecks(const ArchiveDefinition& archive, const QList<qsizetype>& columns,
              const Options& options, bool encode)
        : archive_(archive),
          dates_(dateFields(archive)),
          columns_(columns),
          options_(options),
          encode_(encode) {}

    void run(Batch& batch) const {
        const qsizetype size = archive_.layout->recordSize();
        batch.outcomes.resize(std::size_t(batch.rows.size()));
        batch.records.clear();
        QStringList cells;
        for (qsizetype i = 0; i < batch.rows.size(); ++i) {
            Outcome& outcome = batch.outcomes[std::size_t(i)];
            outcome.cuts.clear();
            outcome.padded = 0;
            batch.rows.cells(i, &cells);
            const FieldValues values = convertRow(archive_, dates_, cells, columns_, options_,
                                                  &outcome.refusal, &outcome.cuts, &outcome.padded);
            if (!outcome.refusal.isEmpty()) {
                outcome.key.clear();
                outcome.keyText.clear();
                continue;
            }
            outcome.keyText = keyText(archive_, values);
            outcome.key = outcome.keyText.toCaseFolded();
            if (encode_) {
                const std::size_t at = batch.records.size();
                batch.records.resize(at + std::size_t(size), '\0');
                codec::encodeInto(*archive_.layout, values, batch.records.data() + at);
            }
        }
    }

private:
    const ArchiveDefinition& archive_;
    const QList<qsizetype> dates_;
    const QList<qsizetype>& columns_;
    const Options& options_;
    const bool encode_;
};

// The checks that take the rows in their order, on the calling thread: the
// keys of the stored records and of the rows before, and what the plan
// counts and lists.
class Checker {
public:
    explicit Checker(const ArchiveDefinition& archive, const Options& options)
        : archive_(archive), options_(options) {}

    // The natural keys of the records stored at `path`; false with the
    // plan's error when the file cannot be read.
    bool readStored(const QString& path, Plan* plan) {
        if (archive_.naturalKey.empty() || !QFileInfo::exists(path)) return true;
        QList<qsizetype> keyFields;
        for (const FieldId& f : archive_.naturalKey) keyFields.append(f.index);
        QString error;
        const bool read = RecordFile::scan(
            path, archive_.layout->recordSize(),
            [&](qsizetype number, QByteArrayView record) {
                const FieldValues values = codec::decode(*archive_.layout, record, keyFields);
                const QString key = keyText(archive_, values).toCaseFolded();
                if (!key.isEmpty() && !stored_.contains(key)) stored_.insert(key, number);
                return true;
            },
            &error);
        if (!read) plan->error = QStringLiteral("Impossibile leggere l'archivio: ") + error;
        return read;
    }

    // One checked row into the plan: true when it is to be added.
    bool account(qint64 line, Outcome& outcome, Plan* plan) {
        ++plan->rowsRead;
        if (!outcome.refusal.isEmpty()) {
            plan->refused.append(Refusal{line, outcome.refusal});
            return false;
        }
        for (const QString& c : outcome.cuts) plan->cuts.append(Cut{line, c});
        plan->postCodesPadded += outcome.padded;
        if (!outcome.key.isEmpty()) {
            bool duplicate = false;
            // The key as the report shows it, for a duplicate only.
            const auto shown = [&] { return QString(outcome.keyText).replace(kKeyJoin, u' '); };
            if (const auto found = stored_.constFind(outcome.key); found != stored_.cend()) {
                plan->duplicates.append(Duplicate{line, shown(), found.value(), 0});
                duplicate = true;
            } else if (const auto seen = earlier_.constFind(outcome.key); seen != earlier_.cend()) {
                plan->duplicates.append(Duplicate{line, shown(), 0, seen.value()});
                duplicate = true;
            } else {
                earlier_.insert(std::move(outcome.key), line);
            }
            if (duplicate && !options_.importDuplicates) return false;
        }
        ++plan->accepted;
        return true;
    }

private:
    const ArchiveDefinition& archive_;
    const Options& options_;
    QHash<QString, qsizetype> stored_;
    QHash<QString, qint64> earlier_;
};

// The rows of `rows`, checked by `checks` on a few threads while the
// caller reads the next ones, handed to `take` batch by batch in the file's
// order. `take` returns false to stop; so does `progress` (told after each
// batch), which also sets `cancelled`.
template <typename Take>
void checkRows(importfile::Rows& rows, const RowChecks& checks, const ScanProgress& progress,
               bool* cancelled, Take take) {
    const int threads = qBound(1, QThread::idealThreadCount(), 4);
    InOrderWork<Batch> work(threads, [&checks](Batch& batch) { checks.run(batch); });
    // Enough batches out for every thread to have the next one at hand.
    const std::size_t out = std::size_t(threads) * 4;
    std::vector<Batch> spare;
    bool more = true;
    for (;;) {
        while (more && work.given() < out) {
            Batch batch;
            if (!spare.empty()) {
                batch = std::move(spare.back());
                spare.pop_back();
            }
            more = rows.nextBatch(&batch.rows);
            if (!more) break;
            work.give(std::move(batch));
        }
        if (work.given() == 0) return;
        Batch batch = work.take();
        const bool goOn = take(batch);
        spare.push_back(std::move(batch));
        if (!goOn) return;
        if (progress && !progress(rows.done(), rows.total())) {
            *cancelled = true;
            return;
        }
    }
}

}  // namespace

Plan prepare(const ArchiveDefinition& archive, const QString& path, importfile::Rows& rows,
             const QList<qsizetype>& columns, const Options& options,
             const ScanProgress& progress) {
    Plan plan;
    Checker checker(archive, options);
    if (!checker.readStored(path, &plan)) return plan;
    if (progress && !progress(rows.done(), rows.total())) {
        plan.cancelled = true;
        return plan;
    }
    const RowChecks checks(archive, columns, options, false);
    checkRows(rows, checks, progress, &plan.cancelled, [&](Batch& batch) {
        for (qsizetype i = 0; i < batch.rows.size(); ++i) {
            checker.account(batch.rows.line(i), batch.outcomes[std::size_t(i)], &plan);
        }
        return true;
    });
    if (plan.cancelled) return plan;
    plan.cancelled = rows.cancelled();
    plan.error = rows.error();
    plan.ok = plan.error.isEmpty() && !plan.cancelled;
    return plan;
}

Plan prepare(const ArchiveDefinition& archive, const QString& path, const importfile::Table& table,
             const QList<qsizetype>& columns, const Options& options,
             const ScanProgress& progress) {
    importfile::TableRows rows(table);
    return prepare(archive, path, rows, columns, options, progress);
}

QString report(const ArchiveDefinition& archive, const Plan& plan, bool duplicatesImported) {
    Q_UNUSED(archive);
    QString out;
    out += QStringLiteral("Righe lette: %1\n").arg(plan.rowsRead);
    out += QStringLiteral("Da aggiungere: %1\n").arg(plan.accepted);
    out += QStringLiteral("Rifiutate: %1\n").arg(plan.refused.size());
    for (const Refusal& r : plan.refused) {
        out += QStringLiteral("  riga %1: %2\n").arg(r.line).arg(r.message);
    }
    out += QStringLiteral("Possibili doppioni: %1%2\n")
               .arg(plan.duplicates.size())
               .arg(plan.duplicates.isEmpty() ? QString()
                    : duplicatesImported      ? QStringLiteral(" (importati comunque)")
                                              : QStringLiteral(" (non importati)"));
    for (const Duplicate& d : plan.duplicates) {
        out += d.record > 0 ? QStringLiteral("  riga %1: %2, come la scheda n. %3 dell'archivio\n")
                                  .arg(d.line)
                                  .arg(d.key)
                                  .arg(d.record)
                            : QStringLiteral("  riga %1: %2, come la riga %3\n")
                                  .arg(d.line)
                                  .arg(d.key)
                                  .arg(d.earlierLine);
    }
    if (plan.postCodesPadded > 0) {
        out += QStringLiteral(
                   "CAP completati con lo zero iniziale (il foglio li teneva come "
                   "numeri): %1\n")
                   .arg(plan.postCodesPadded);
    }
    if (!plan.cuts.isEmpty()) {
        out += QStringLiteral("Tagliati ai limiti: %1\n").arg(plan.cuts.size());
        for (const Cut& c : plan.cuts) {
            out += QStringLiteral("  riga %1: %2\n").arg(c.line).arg(c.message);
        }
    }
    return out;
}

Imported import(const ArchiveDefinition& archive, const QString& path, importfile::Rows& rows,
                const QList<qsizetype>& columns, const Options& options,
                const ScanProgress& progress) {
    Imported result;
    Plan& plan = result.plan;
    Checker checker(archive, options);
    if (!checker.readStored(path, &plan)) return result;
    const bool existed = QFileInfo::exists(path);
    const qsizetype size = archive.layout->recordSize();
    RecordFile file(path, size);
    bool begun = false;
    // Whatever was appended goes, and a file the import created with it.
    const auto takeBack = [&] {
        file.cancelAppend();
        file.close();
        if (begun && !existed && QFileInfo(path).size() == 0) QFile::remove(path);
        begun = false;
        result.first = 0;
        result.count = 0;
    };
    // Appends `records`; false when the import must stop (the error is in
    // the result).
    const auto write = [&](QByteArrayView records) {
        if (records.isEmpty()) return true;
        if (!begun) {
            if (!file.open(RecordFile::Access::Write)) {
                result.error = file.errorString();
                return false;
            }
            begun = true;
            result.first = file.beginAppend();
            if (result.first == 0) {
                result.error = file.errorString();
                return false;
            }
        }
        if (!file.appendRecords(records)) {
            result.error = file.errorString();
            return false;
        }
        result.count += records.size() / size;
        return true;
    };
    // With allOrNothing, once a row is not imported nothing more is
    // written, and the rows are only checked.
    bool writing = true;
    bool failed = false;
    const RowChecks checks(archive, columns, options, true);
    checkRows(rows, checks, progress, &result.cancelled, [&](Batch& batch) {
        // The records of the rows to be added, written a run at a time
        // straight from the batch.
        const QByteArrayView records(batch.records);
        qsizetype encoded = 0;  // the records of the batch before this row
        qsizetype run = 0;      // where the run not yet written starts
        for (qsizetype i = 0; i < batch.rows.size(); ++i) {
            Outcome& outcome = batch.outcomes[std::size_t(i)];
            const bool hasRecord = outcome.refusal.isEmpty();
            const bool added = checker.account(batch.rows.line(i), outcome, &plan);
            if (!added && writing && options.allOrNothing) {
                writing = false;
                takeBack();
            }
            if (hasRecord && !added) {
                if (writing && !write(records.sliced(run, encoded * size - run))) break;
                run = (encoded + 1) * size;
            }
            encoded += hasRecord;
        }
        if (!result.error.isEmpty() || (writing && !write(records.sliced(run)))) {
            failed = true;
            return false;
        }
        return true;
    });
    if (failed || result.cancelled) {
        takeBack();
        return result;
    }
    if (!rows.error().isEmpty() || rows.cancelled()) {
        takeBack();
        plan.error = rows.error();
        plan.cancelled = result.cancelled = rows.cancelled();
        return result;
    }
    plan.ok = true;
    if (!writing) return result;
    if (begun && !file.commitAppend()) {
        result.error = file.errorString();
        takeBack();
        return result;
    }
    file.close();
    result.written = true;
    return result;
}

}  // namespace importer
