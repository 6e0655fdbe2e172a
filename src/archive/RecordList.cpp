#include "archive/RecordList.h"

#include <algorithm>
#include <vector>

#include "archive/RecordCodec.h"
#include "archive/RecordFile.h"
#include "base/Cp1252.h"
#include "base/TextRules.h"

QString pad(const QString& x, qsizetype width) {
    return x.left(width).leftJustified(width, u' ');
}

ItemFormat::ItemFormat(std::initializer_list<Piece> pieces) {
    for (const Piece& piece : pieces) {
        Part part{QString::fromUtf8(piece.prefix), {}, piece.width};
        for (const FieldId field : piece.fields) {
            const qsizetype index = field.index;
            part.fields.append(index);
            if (!fields_.contains(index)) fields_.append(index);
        }
        parts_.append(part);
    }
}

QString ItemFormat::operator()(const FieldValues& values) const {
    QString text;
    text.reserve(256);
    for (const Part& part : parts_) {
        text += part.prefix;
        const qsizetype start = text.size();
        for (qsizetype i = 0; i < part.fields.size(); ++i) {
            if (i > 0) text += u' ';
            text += text::visibleControls(text::trimBlanks(values.value(part.fields.at(i))));
        }
        if (part.width > 0) {
            text.resize(start + part.width, u' ');  // cuts, or fills with blanks
        }
    }
    return text;
}

FieldValues loadedValues(const RecordLayout& layout, QByteArrayView record,
                         const QList<qsizetype>* only) {
    FieldValues values =
        only ? codec::decode(layout, record, *only) : codec::decode(layout, record);
    for (QString& value : values) {
        if (!value.isEmpty()) value = codec::displayText(layout.encoding, value);
    }
    return values;
}

QString foldCase(const QString& text, CaseFolding folding) {
    if (folding == CaseFolding::AllLetters) return text.toLower();
    QString folded = text;
    for (QChar& c : folded) {
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    }
    return folded;
}

FieldLoader::FieldLoader(const RecordLayout& layout, const QList<qsizetype>& fields)
    : layout_(layout), values_(qsizetype(layout.fields.size())) {
    for (const qsizetype field : fields) {
        if (field < 0 || field >= qsizetype(layout.fields.size())) continue;
        slots_.append({field, layout.offsetOf(field), layout.fields[std::size_t(field)].capacity});
    }
}

const FieldValues& FieldLoader::load(QByteArrayView record) {
    for (const Slot& slot : slots_) {
        const QByteArrayView bytes = codec::shownBytes(
            layout_.encoding, slot.capacity, record.sliced(slot.offset, slot.capacity + 1));
        QString& value = values_[slot.field];
        value.resize(bytes.size());
        QChar* out = value.data();
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            *out++ =
                b >= 0x80 && b <= 0x9F ? cp1252::decode(QByteArrayView(&c, 1)).front() : QChar(b);
        }
    }
    return values_;
}

bool inUse(const Criterion& criterion) {
    return !text::trimBlanks(criterion.text).isEmpty();
}

qsizetype criteriaInUse(const QList<Criterion>& criteria) {
    return std::count_if(criteria.begin(), criteria.end(), &inUse);
}

bool matches(const FieldValues& values, const QList<Criterion>& criteria, CaseFolding folding) {
    for (const Criterion& c : criteria) {
        if (!inUse(c)) continue;
        if (folding == CaseFolding::AllLetters) {
            if (!values.value(c.field).contains(c.text, Qt::CaseInsensitive)) return false;
        } else if (!foldCase(values.value(c.field), folding).contains(foldCase(c.text, folding))) {
            return false;
        }
    }
    return true;
}

namespace {

// The scan's progress, noting in `result` when the user stops it.
ScanProgress noting(ListResult& result, const ScanProgress& progress) {
    if (!progress) return {};
    return [&result, progress](qint64 done, qint64 total) {
        if (!progress(done, total)) result.cancelled = true;
        return !result.cancelled;
    };
}

ListResult collect(const RecordLayout& layout, const QString& path, const ConditionFn& include,
                   const ItemTextFn& itemText, const QList<qsizetype>* only, CaseFolding folding,
                   const ScanProgress& progress) {
    ListResult result;
    result.ok = RecordFile::scan(
        path, layout.recordSize(),
        [&](qsizetype number, QByteArrayView record) {
            const FieldValues values = loadedValues(layout, record, only);
            if (include(values)) result.lines.append({number, itemText(values)});
            return true;
        },
        &result.error, noting(result, progress));
    sortLines(result.lines, folding);
    return result;
}

}  // namespace

namespace {

// A criterion in use compared on the stored bytes, letters A to Z folded:
// the same as comparing the texts, the code page holding each character in
// one byte of its own.
class ByteCriterion {
public:
    ByteCriterion(const RecordLayout& layout, const Criterion& criterion)
        : encoding_(layout.encoding),
          offset_(layout.offsetOf(criterion.field)),
          capacity_(layout.fields[std::size_t(criterion.field)].capacity) {
        const QString folded = foldCase(criterion.text, CaseFolding::AtoZ);
        for (const QChar c : folded) {
            const char byte = cp1252::byteOf(c.unicode());
            // A character the code page cannot hold is in no field.
            if (byte == '?' && c != u'?') possible_ = false;
            wanted_ += byte;
        }
    }

    bool foundIn(QByteArrayView record) const {
        if (!possible_) return false;
        const QByteArrayView text = codec::shownBytes(
            encoding_, capacity_, record.sliced(offset_, qsizetype(capacity_) + 1));
        if (text.size() < wanted_.size()) return false;
        char folded[256];
        const qsizetype size = qMin<qsizetype>(text.size(), sizeof folded);
        for (qsizetype i = 0; i < size; ++i) {
            const char c = text[i];
            folded[i] = c >= 'A' && c <= 'Z' ? char(c + 32) : c;
        }
        return QByteArrayView(folded, size).indexOf(wanted_) >= 0;
    }

private:
    FieldEncoding encoding_;
    qsizetype offset_;
    int capacity_;
    QByteArray wanted_;
    bool possible_ = true;
};

}  // namespace

ListResult searchRecords(const RecordLayout& layout, const QString& path,
                         const QList<Criterion>& criteria, const ItemTextFn& itemText,
                         const QList<qsizetype>* itemFields, CaseFolding folding,
                         const ScanProgress& progress) {
    // Only the criteria in use are tried, all of them on every record,
    // each folded once; a record is decoded for its line only once it
    // matches.
    QList<Criterion> used;
    QList<qsizetype> criteriaFields;
    for (const Criterion& c : criteria) {
        if (!inUse(c)) continue;
        used.append(c);
        if (!criteriaFields.contains(c.field)) criteriaFields.append(c.field);
    }
    std::vector<ByteCriterion> byBytes;
    if (folding == CaseFolding::AtoZ) {
        for (const Criterion& c : used) byBytes.emplace_back(layout, c);
    }
    ListResult result;
    result.ok = RecordFile::scan(
        path, layout.recordSize(),
        [&](qsizetype number, QByteArrayView record) {
            if (folding == CaseFolding::AtoZ) {
                for (const ByteCriterion& c : byBytes) {
                    if (!c.foundIn(record)) return true;
                }
            } else if (!used.isEmpty() &&
                       !matches(loadedValues(layout, record, &criteriaFields), used, folding)) {
                return true;
            }
            result.lines.append({number, itemText(loadedValues(layout, record, itemFields))});
            return true;
        },
        &result.error, noting(result, progress));
    sortLines(result.lines, folding);
    return result;
}

ListResult summaryRecords(const RecordLayout& layout, const QString& path,
                          const ConditionFn& condition, const ItemTextFn& itemText,
                          const QList<qsizetype>* only, CaseFolding folding,
                          const ScanProgress& progress) {
    return collect(layout, path, condition, itemText, only, folding, progress);
}

namespace {

// The text case-folded, as code-page bytes: plain letters fold without a
// table, the rest through Qt's folding, or not at all when only A to Z
// fold.
QByteArray foldedKey(const QString& text, CaseFolding folding) {
    const bool allLetters = folding == CaseFolding::AllLetters;
    QByteArray key(text.size(), Qt::Uninitialized);
    char* d = key.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *d++ = static_cast<char>(u >= u'A' && u <= u'Z' ? u + 32 : u);
        } else {
            *d++ = cp1252::byteOf(allLetters ? c.toCaseFolded().unicode() : u);
        }
    }
    return key;
}

}  // namespace

void sortLines(QList<ListLine>& lines, CaseFolding folding) {
    // The case-folded texts are made once, not at every comparison, as
    // bytes of the code page the texts come from, compared quickly.
    struct Keyed {
        QByteArray folded;
        qsizetype index;
    };
    std::vector<Keyed> keys;
    keys.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        keys.push_back({foldedKey(lines.at(i).text, folding), i});
    std::sort(keys.begin(), keys.end(), [&lines](const Keyed& a, const Keyed& b) {
        if (const int c = a.folded.compare(b.folded); c != 0) return c < 0;
        const ListLine& la = lines.at(a.index);
        const ListLine& lb = lines.at(b.index);
        if (const int c = la.text.compare(lb.text); c != 0) return c < 0;
        return la.record < lb.record;
    });
    QList<ListLine> sorted;
    sorted.reserve(lines.size());
    for (const Keyed& key : keys) sorted.append(std::move(lines[key.index]));
    lines = std::move(sorted);
}

qsizetype findInList(const QList<ListLine>& lines, qsizetype selected, const QString& text,
                     QString& memory, CaseFolding folding) {
    const QString wanted = foldCase(text, folding);
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
        if (foldCase(lines.at(i).text, folding).contains(wanted)) return i;
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
    RecordFile::scan(path, layout.recordSize(), [&](qsizetype number, QByteArrayView bytes) {
        FieldValues values = loadedValues(layout, bytes);
        if (text::trimBlanks(itemText(values)) == wanted) found = FoundRecord{number, values};
        return true;
    });
    return found;
}
