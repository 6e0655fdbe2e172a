#include "lists/RecordList.h"

#include <QFileInfo>
#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

#include "base/Cp1252.h"
#include "base/TextRules.h"
#include "records/RecordCodec.h"
#include "records/RecordFile.h"

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

namespace {

// Each byte of the code page as a list shows its character (controls as
// their pictures), in UTF-8.
struct ShownChar {
    char bytes[3];
    qsizetype size;
};

const std::array<ShownChar, 256>& shownChars() {
    static const std::array<ShownChar, 256> table = [] {
        std::array<ShownChar, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QByteArray utf8 =
                text::visibleControls(cp1252::decode(QByteArrayView(&byte, 1))).toUtf8();
            t[std::size_t(b)].size = utf8.size();
            std::copy(utf8.begin(), utf8.end(), t[std::size_t(b)].bytes);
        }
        return t;
    }();
    return table;
}

// A field's text as the list shows it, in the code page's bytes: as loaded,
// then trimmed of blanks and controls.
QByteArrayView shownField(FieldEncoding encoding, qsizetype offset, int capacity,
                          QByteArrayView record) {
    QByteArrayView bytes =
        codec::shownBytes(encoding, capacity, record.sliced(offset, qsizetype(capacity) + 1));
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.front()) <= 0x20) {
        bytes = bytes.sliced(1);
    }
    while (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) <= 0x20) bytes.chop(1);
    return bytes;
}

}  // namespace

ItemFormat::Writer::Writer(const ItemFormat& format, const RecordLayout& layout)
    : encoding_(layout.encoding) {
    for (const ItemFormat::Part& part : format.parts_) {
        Part slots{part.prefix.toUtf8(), {}, part.width};
        for (const qsizetype field : part.fields) {
            slots.fields.append(
                {layout.offsetOf(field), layout.fields[std::size_t(field)].capacity});
        }
        // Each byte of a field is at most three bytes of UTF-8.
        qsizetype chars = part.fields.size();
        for (const Slot& slot : slots.fields) chars += slot.capacity;
        if (part.width > 0) chars = part.width;  // cut or filled to it
        longest_ += slots.prefix.size() + 3 * chars;
        slots.prefixSize = slots.prefix.size();
        slots.prefix.append(QByteArray(8, '\0'));  // read eight bytes at a time
        parts_.append(std::move(slots));
    }
}

namespace {

// What the eight-byte copies below may write past a line's end.
constexpr qsizetype kSlack = 8;

quint64 load8(const char* bytes) {
    return qFromLittleEndian<quint64>(bytes);
}

// Copies `size` bytes eight at a time, writing up to seven bytes past
// `to + size`; it reads past `from + size` only up to `readable`.
char* copyBytes(char* to, const char* from, qsizetype size, const char* readable) {
    if (from + ((size + 7) & ~qsizetype(7)) > readable) {
        std::memcpy(to, from, std::size_t(size));
        return to + size;
    }
    for (qsizetype i = 0; i < size; i += 8) std::memcpy(to + i, from + i, 8);
    return to + size;
}

// Whether every byte is a printable ASCII character (0x20 to 0x7E), which
// UTF-8 writes as the same byte: checked eight at a time, reading past the
// bytes only up to `readable`.
bool isPlain(QByteArrayView bytes, const char* readable) {
    const qsizetype size = bytes.size();
    if (bytes.data() + ((size + 7) & ~qsizetype(7)) > readable) {
        return std::all_of(bytes.begin(), bytes.end(),
                           [](char c) { return static_cast<unsigned char>(c) - 0x20u < 0x5Fu; });
    }
    constexpr quint64 ones = 0x0101010101010101ull;
    constexpr quint64 highs = 0x8080808080808080ull;
    quint64 flags = 0;
    for (qsizetype i = 0; i < size; i += 8) {
        quint64 w = load8(bytes.data() + i);
        if (size - i < 8) {  // the bytes past the end count as letters
            const quint64 mine = (quint64(1) << (8 * (size - i))) - 1;
            w = (w & mine) | (0x4141414141414141ull & ~mine);
        }
        // A high bit, a byte of 0x7F (which 1 added makes high) or one below
        // 0x20 (which 0x20 taken away makes high where it was not).
        flags |= w | (w + ones) | ((w - 0x20 * ones) & ~w);
    }
    return (flags & highs) == 0;
}

}  // namespace

void ItemFormat::Writer::append(QByteArrayView record, QByteArray& out) const {
    const std::array<ShownChar, 256>& shown = shownChars();
    const char* const recordEnd = record.data() + record.size();
    // Written through a pointer into room made once, then cut to size.
    const qsizetype start = out.size();
    out.resize(start + longest_ + kSlack);
    char* p = out.data() + start;
    for (const Part& part : parts_) {
        p = copyBytes(p, part.prefix.constData(), part.prefixSize,
                      part.prefix.constData() + part.prefix.size());
        // Every byte of the code page is one character, so the width counts
        // bytes of the fields and the blanks between them.
        const qsizetype width = part.width > 0 ? part.width : -1;
        qsizetype chars = 0;
        for (qsizetype i = 0; i < part.fields.size() && chars != width; ++i) {
            if (i > 0) {
                *p++ = ' ';
                ++chars;
            }
            const Slot& slot = part.fields.at(i);
            QByteArrayView bytes = shownField(encoding_, slot.offset, slot.capacity, record);
            if (width > 0) bytes = bytes.first(qMin(bytes.size(), width - chars));
            chars += bytes.size();
            // Plain printable text, the common case, is the same in UTF-8.
            if (isPlain(bytes, recordEnd)) {
                p = copyBytes(p, bytes.data(), bytes.size(), recordEnd);
                continue;
            }
            for (const char c : bytes) {
                const ShownChar& ch = shown[static_cast<unsigned char>(c)];
                p = std::copy(ch.bytes, ch.bytes + ch.size, p);
            }
        }
        if (width > 0 && chars < width) {
            // Blanks eight at a time, the last ones past the end overwritten.
            const qsizetype blanks = width - chars;
            for (qsizetype k = 0; k < blanks; k += 8) std::memcpy(p + k, "        ", 8);
            p += blanks;
        }
    }
    out.truncate(p - out.constData());
}

ListLines::ListLines(std::initializer_list<ListLine> lines) {
    for (const ListLine& line : lines) append(line);
}

ListLines::ListLines(const QList<ListLine>& lines) {
    for (const ListLine& line : lines) append(line);
}

void ListLines::append(qsizetype record, QStringView text) {
    const qsizetype start = texts_.size();
    texts_ += text.toUtf8();
    endLine(record, start);
}

void ListLines::endLine(qsizetype record, qsizetype start) {
    entries_.push_back({record, start, texts_.size() - start});
}

void ListLines::clear() {
    texts_.clear();
    entries_.clear();
    entries_.shrink_to_fit();
}

QList<ListLine> ListLines::toList() const {
    QList<ListLine> list;
    list.reserve(size());
    for (qsizetype i = 0; i < size(); ++i) list.append(at(i));
    return list;
}

bool ListLines::operator==(const ListLines& other) const {
    if (size() != other.size()) return false;
    for (qsizetype i = 0; i < size(); ++i) {
        if (record(i) != other.record(i) || utf8(i) != other.utf8(i)) return false;
    }
    return true;
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

// A character as `folding` compares it.
char16_t folded(char16_t c, CaseFolding folding) {
    if (folding == CaseFolding::AllLetters) return QChar::toCaseFolded(c);
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

// Letter case as a list ignores it, on the code page's bytes: each byte has
// a class, the same for two bytes whose characters fold alike, so comparing
// classes is comparing the folded texts.
class ByteFolding {
public:
    explicit ByteFolding(CaseFolding folding) : folding_(folding) {
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const char16_t f =
                folded(cp1252::decode(QByteArrayView(&byte, 1)).front().unicode(), folding);
            const auto known = byFolded_.constFind(f);
            class_[std::size_t(b)] =
                known != byFolded_.constEnd() ? *known : static_cast<unsigned char>(b);
            if (known == byFolded_.constEnd()) byFolded_.insert(f, static_cast<unsigned char>(b));
        }
    }

    static const ByteFolding& of(CaseFolding folding) {
        static const ByteFolding all(CaseFolding::AllLetters);
        static const ByteFolding aToZ(CaseFolding::AtoZ);
        return folding == CaseFolding::AllLetters ? all : aToZ;
    }

    unsigned char classOf(char byte) const { return class_[static_cast<unsigned char>(byte)]; }

    // The classes of a text's characters; false when one of them folds to
    // no character the code page holds, so that the text is in no field.
    bool classesOf(const QString& text, QByteArray* out) const {
        out->clear();
        for (const QChar c : text) {
            const auto known = byFolded_.constFind(folded(c.unicode(), folding_));
            if (known == byFolded_.constEnd()) return false;
            out->append(static_cast<char>(*known));
        }
        return true;
    }

private:
    CaseFolding folding_;
    std::array<unsigned char, 256> class_{};
    QHash<char16_t, unsigned char> byFolded_;
};

// A criterion in use compared on the stored bytes: the same as comparing
// the texts as loaded, the code page holding each character in one byte.
class ByteCriterion {
public:
    ByteCriterion(const RecordLayout& layout, const Criterion& criterion, CaseFolding folding)
        : folding_(ByteFolding::of(folding)),
          encoding_(layout.encoding),
          offset_(layout.offsetOf(criterion.field)),
          capacity_(layout.fields[std::size_t(criterion.field)].capacity) {
        possible_ = folding_.classesOf(criterion.text, &wanted_);
    }

    bool foundIn(QByteArrayView record) const {
        if (!possible_) return false;
        const QByteArrayView text = codec::shownBytes(
            encoding_, capacity_, record.sliced(offset_, qsizetype(capacity_) + 1));
        const qsizetype n = wanted_.size();
        const char first = wanted_.front();
        for (qsizetype i = 0; i + n <= text.size(); ++i) {
            if (folding_.classOf(text[i]) != static_cast<unsigned char>(first)) continue;
            qsizetype j = 1;
            while (j < n && folding_.classOf(text[i + j]) == static_cast<unsigned char>(wanted_[j]))
                ++j;
            if (j == n) return true;
        }
        return false;
    }

private:
    const ByteFolding& folding_;
    FieldEncoding encoding_;
    qsizetype offset_;
    int capacity_;
    QByteArray wanted_;
    bool possible_ = true;
};

// The scan's progress, noting in `result` when the user stops it.
ScanProgress noting(ListResult& result, const ScanProgress& progress) {
    if (!progress) return {};
    return [&result, progress](qint64 done, qint64 total) {
        if (!progress(done, total)) result.cancelled = true;
        return !result.cancelled;
    };
}

// The one scan behind every search and summary: the records `include`
// takes become lines, straight from their bytes, then sorted.
template <typename Include>
ListResult listRecords(const RecordLayout& layout, const QString& path, const Include& include,
                       const ItemFormat& itemText, CaseFolding folding,
                       const ScanProgress& progress) {
    const ItemFormat::Writer line(itemText, layout);
    ListResult result;
    // Room for a line per record, of which only what is used is taken.
    result.lines.reserve(QFileInfo(path).size() / layout.recordSize());
    result.ok = RecordFile::scan(
        path, layout.recordSize(),
        [&](qsizetype number, QByteArrayView record) {
            if (!include(record)) return true;
            QByteArray& texts = result.lines.beginLine();
            const qsizetype start = texts.size();
            line.append(record, texts);
            result.lines.endLine(number, start);
            return true;
        },
        &result.error, noting(result, progress));
    if (!result.cancelled) result.lines.sort(folding);
    return result;
}

}  // namespace

ListResult searchRecords(const RecordLayout& layout, const QString& path,
                         const QList<Criterion>& criteria, const ItemFormat& itemText,
                         CaseFolding folding, const ScanProgress& progress) {
    // Only the criteria in use are tried, all of them on every record.
    std::vector<ByteCriterion> used;
    for (const Criterion& c : criteria) {
        if (inUse(c)) used.emplace_back(layout, c, folding);
    }
    return listRecords(
        layout, path,
        [&used](QByteArrayView record) {
            return std::all_of(used.begin(), used.end(),
                               [record](const ByteCriterion& c) { return c.foundIn(record); });
        },
        itemText, folding, progress);
}

ListResult summaryRecords(const RecordLayout& layout, const QString& path,
                          const ConditionFn& condition, const QList<qsizetype>& conditionFields,
                          const ItemFormat& itemText, CaseFolding folding,
                          const ScanProgress& progress) {
    FieldLoader loader(layout, conditionFields);
    return listRecords(
        layout, path, [&](QByteArrayView record) { return condition(loader.load(record)); },
        itemText, folding, progress);
}

bool countRecords(const RecordLayout& layout, const QString& path, const ConditionFn& condition,
                  const QList<qsizetype>& conditionFields, qsizetype* count,
                  const ScanProgress& progress) {
    FieldLoader loader(layout, conditionFields);
    *count = 0;
    return RecordFile::scan(
        path, layout.recordSize(),
        [&](qsizetype, QByteArrayView record) {
            if (condition(loader.load(record))) ++*count;
            return true;
        },
        nullptr, progress);
}

namespace {

// The sort key of a character: plain letters lowered, the rest through
// Unicode's folding or not at all when only A to Z fold, as a byte of the
// code page ('?' for one it does not hold).
unsigned char keyOf(char32_t c, bool allLetters) {
    if (c < 0x80) return static_cast<unsigned char>(c >= U'A' && c <= U'Z' ? c + 32 : c);
    return static_cast<unsigned char>(
        cp1252::byteOf(allLetters ? QChar::toCaseFolded(char16_t(c)) : c));
}

// The sort keys of a UTF-8 text, character by character.
class KeyReader {
public:
    KeyReader(QByteArrayView utf8, const std::array<unsigned char, 256>& latin, bool allLetters)
        : p_(reinterpret_cast<const unsigned char*>(utf8.data())),
          end_(p_ + utf8.size()),
          latin_(latin),
          allLetters_(allLetters) {}

    bool atEnd() const { return p_ == end_; }
    unsigned char next() {
        const unsigned char lead = *p_++;
        if (lead < 0x80) return latin_[lead];
        char32_t c;
        if (lead < 0xE0) {
            c = char32_t(lead & 0x1F) << 6 | (*p_++ & 0x3F);
        } else {
            c = char32_t(lead & 0x0F) << 12;
            c |= char32_t(*p_++ & 0x3F) << 6;
            c |= *p_++ & 0x3F;
        }
        return c < 0x100 ? latin_[c] : keyOf(c, allLetters_);
    }

private:
    const unsigned char* p_;
    const unsigned char* end_;
    const std::array<unsigned char, 256>& latin_;
    bool allLetters_;
};

// How many bytes two texts have the same from their start, compared eight
// at a time.
qsizetype commonPrefix(QByteArrayView a, QByteArrayView b) {
    const qsizetype n = qMin(a.size(), b.size());
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        const auto x = qFromLittleEndian<quint64>(a.data() + i);
        const auto y = qFromLittleEndian<quint64>(b.data() + i);
        if (x != y) return i + std::countr_zero(x ^ y) / 8;
    }
    while (i < n && a[i] == b[i]) ++i;
    return i;
}

// The sort keys of eight ASCII characters, in their places: A to Z
// lowered, as keyOf does, the rest as they are.
quint64 asciiKeys(quint64 chars) {
    constexpr quint64 ones = 0x0101010101010101ull;
    constexpr quint64 highs = 0x8080808080808080ull;
    // No carry crosses a byte: each is below 0x80.
    const quint64 fromA = (chars + (0x80 - 'A') * ones) & highs;
    const quint64 pastZ = (chars + (0x80 - 'Z' - 1) * ones) & highs;
    return chars | ((fromA & ~pastZ) >> 2);  // 0x20 added to the capitals
}

// A byte inside a character of UTF-8, after its first.
bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

void ListLines::sort(CaseFolding folding) {
    const bool allLetters = folding == CaseFolding::AllLetters;
    std::array<unsigned char, 256> latin{};
    for (char32_t c = 0; c < 256; ++c) latin[c] = keyOf(c, allLetters);
    // The keys of the first sixteen characters, packed, decide most
    // comparisons; only lines that share them are compared further.
    struct Keyed {
        quint64 high;
        quint64 low;
        quint32 entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const QByteArrayView text = utf8(qsizetype(i));
        if (text.size() >= 16) {
            const quint64 first = load8(text.data());
            const quint64 second = load8(text.data() + 8);
            if (((first | second) & 0x8080808080808080ull) == 0) {
                // Sixteen ASCII characters, keyed eight at a time.
                keyed.push_back({qbswap(asciiKeys(first)), qbswap(asciiKeys(second)), quint32(i)});
                continue;
            }
        }
        KeyReader reader(text, latin, allLetters);
        quint64 packed[2] = {0, 0};
        for (quint64& part : packed) {
            for (int k = 0; k < 8; ++k) part = part << 8 | (reader.atEnd() ? 0 : reader.next());
        }
        keyed.push_back({packed[0], packed[1], quint32(i)});
    }
    // First by the packed keys, a byte at a time from the last (a radix
    // sort, which keeps the order of equal keys)...
    {
        std::vector<Keyed> moved(keyed.size());
        for (int pass = 0; pass < 16; ++pass) {
            const int shift = (pass % 8) * 8;
            const auto digit = [pass, shift](const Keyed& k) {
                return std::size_t(((pass < 8 ? k.low : k.high) >> shift) & 0xFF);
            };
            std::array<std::size_t, 256> starts{};
            for (const Keyed& k : keyed) ++starts[digit(k)];
            // A byte the same in every key orders nothing.
            if (std::find(starts.begin(), starts.end(), keyed.size()) != starts.end()) continue;
            std::size_t start = 0;
            for (std::size_t& count : starts) start += std::exchange(count, start);
            for (const Keyed& k : keyed) moved[starts[digit(k)]++] = k;
            keyed.swap(moved);
        }
    }
    // ... then the lines that share them by the whole text. Bytes the two
    // texts share are characters they share, so the characters are
    // compared from the first that differs in its bytes (lines of one
    // surname and name share long beginnings).
    const auto byText = [&](const Keyed& a, const Keyed& b) {
        const QByteArrayView ta = utf8(qsizetype(a.entry));
        const QByteArrayView tb = utf8(qsizetype(b.entry));
        qsizetype same = commonPrefix(ta, tb);
        // Back to the first byte of the character the difference is in.
        while (same > 0 && same < ta.size() && isContinuation(ta[same])) --same;
        KeyReader ka(ta.sliced(same), latin, allLetters);
        KeyReader kb(tb.sliced(same), latin, allLetters);
        while (!ka.atEnd() && !kb.atEnd()) {
            const unsigned char x = ka.next();
            const unsigned char y = kb.next();
            if (x != y) return x < y;
        }
        if (ka.atEnd() != kb.atEnd()) return ka.atEnd();
        // The order of UTF-8 bytes is that of the characters.
        if (const int c = ta.compare(tb); c != 0) return c < 0;
        return entries_[a.entry].record < entries_[b.entry].record;
    };
    for (auto first = keyed.begin(); first != keyed.end();) {
        auto last = std::find_if(first + 1, keyed.end(), [first](const Keyed& k) {
            return k.high != first->high || k.low != first->low;
        });
        if (last - first > 1) std::sort(first, last, byText);
        first = last;
    }
    std::vector<Entry> sorted;
    sorted.reserve(entries_.size());
    for (const Keyed& k : keyed) sorted.push_back(entries_[k.entry]);
    entries_ = std::move(sorted);
}

void sortLines(QList<ListLine>& lines, CaseFolding folding) {
    ListLines sorted(lines);
    sorted.sort(folding);
    lines = sorted.toList();
}

qsizetype findInList(const ListLines& lines, qsizetype selected, const QString& text,
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
        if (foldCase(lines.text(i), folding).contains(wanted)) return i;
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
