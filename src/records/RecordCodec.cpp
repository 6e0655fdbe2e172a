#include "records/RecordCodec.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/Cp1252.h"
#include "base/TextRules.h"

namespace codec {
namespace {

QByteArray storedBytes(FieldEncoding encoding, const QString& text, int capacity) {
    const QString prepared =
        encoding == FieldEncoding::LengthPrefixed ? text::trimBlanks(text) : text;
    // One byte per character, so cutting the bytes cuts the characters. A
    // length byte counts at most 255; a zero-terminated field holds its
    // whole capacity.
    const int limit = encoding == FieldEncoding::LengthPrefixed ? qMin(capacity, 255) : capacity;
    return cp1252::encode(prepared).left(limit);
}

}  // namespace

QString storedText(FieldEncoding encoding, const QString& text, int capacity) {
    return cp1252::decode(storedBytes(encoding, text, capacity));
}

namespace {

// The characters a field stores, as storedBytes() gives them, written
// straight into the field's slot: no text or bytes made on the way.
qsizetype putField(FieldEncoding encoding, QStringView text, int capacity, char* out) {
    if (encoding == FieldEncoding::LengthPrefixed) {
        // Trimmed as text::trimBlanks trims.
        while (!text.isEmpty() && text.front().unicode() <= 0x20) text = text.sliced(1);
        while (!text.isEmpty() && text.back().unicode() <= 0x20) text.chop(1);
    }
    const qsizetype limit =
        encoding == FieldEncoding::LengthPrefixed ? qMin(capacity, 255) : capacity;
    const QChar* c = text.data();
    const qsizetype size = text.size();
    qsizetype written = 0;
    for (qsizetype i = 0; i < size && written < limit; ++i) {
        const char16_t u = c[i].unicode();
        if (u < 0x80) {
            out[written++] = static_cast<char>(u);
        } else if (c[i].isHighSurrogate() && i + 1 < size && c[i + 1].isLowSurrogate()) {
            out[written++] = cp1252::byteOf(QChar::surrogateToUcs4(c[i], c[i + 1]));
            ++i;
        } else {
            out[written++] = cp1252::byteOf(u);
        }
    }
    return written;
}

}  // namespace

void encodeInto(const RecordLayout& layout, const FieldValues& values, char* out) {
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const FieldSpec& field = layout.fields[i];
        const auto index = static_cast<qsizetype>(i);
        const QStringView value =
            index < values.size() ? QStringView(values.at(index)) : QStringView();
        if (layout.encoding == FieldEncoding::LengthPrefixed) {
            out[0] = static_cast<char>(putField(layout.encoding, value, field.capacity, out + 1));
        } else {
            putField(layout.encoding, value, field.capacity, out);  // the zero follows
        }
        out += field.capacity + 1;
    }
}

QByteArray encode(const RecordLayout& layout, const FieldValues& values) {
    QByteArray record(layout.recordSize(), '\0');
    encodeInto(layout, values, record.data());
    return record;
}

QList<UnstorableField> unstorableFields(const RecordLayout& layout, const FieldValues& values) {
    QList<UnstorableField> fields;
    const qsizetype count = qMin(values.size(), qsizetype(layout.fields.size()));
    for (qsizetype i = 0; i < count; ++i) {
        // Most texts hold only characters of the code page's first half
        // and of Latin-1's letters: those are all stored as they are.
        const QString& text = values.at(i);
        if (std::all_of(text.cbegin(), text.cend(), [](QChar c) {
                return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
            })) {
            continue;
        }
        const QList<cp1252::Unencodable> found = cp1252::unencodable(text);
        if (found.isEmpty()) continue;
        UnstorableField field{i, {}};
        for (const cp1252::Unencodable& c : found) {
            if (!field.characters.contains(c.character)) field.characters.append(c.character);
        }
        fields.append(field);
    }
    return fields;
}

namespace {

QString decodeField(FieldEncoding encoding, int capacity, QByteArrayView bytes) {
    if (encoding == FieldEncoding::LengthPrefixed) {
        const int length = qMin<int>(static_cast<unsigned char>(bytes.at(0)), capacity);
        return cp1252::decode(bytes.sliced(1, length));
    }
    const qsizetype zero = bytes.indexOf('\0');
    return cp1252::decode(zero < 0 ? bytes : bytes.first(zero));
}

// Decodes the fields for which `wanted(index)` holds; the others stay empty.
template <typename Wanted>
FieldValues decodeFields(const RecordLayout& layout, QByteArrayView record, Wanted wanted) {
    FieldValues values(static_cast<qsizetype>(layout.fields.size()));
    qsizetype offset = 0;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const FieldSpec& field = layout.fields[i];
        const qsizetype size = field.capacity + 1;
        if (wanted(i)) {
            values[static_cast<qsizetype>(i)] =
                decodeField(layout.encoding, field.capacity, record.sliced(offset, size));
        }
        offset += size;
    }
    return values;
}

}  // namespace

FieldValues decode(const RecordLayout& layout, QByteArrayView record) {
    return decodeFields(layout, record, [](std::size_t) { return true; });
}

FieldValues decode(const RecordLayout& layout, QByteArrayView record,
                   const QList<qsizetype>& fields) {
    // A mark per field, on the stack for the layouts the program has: this
    // runs for every record a list reads.
    constexpr std::size_t kMarks = 128;
    std::array<bool, kMarks> marks{};
    std::vector<bool> more(layout.fields.size() > kMarks ? layout.fields.size() : 0, false);
    for (const qsizetype index : fields) {
        if (index < 0 || static_cast<std::size_t>(index) >= layout.fields.size()) continue;
        if (more.empty()) {
            marks[std::size_t(index)] = true;
        } else {
            more[std::size_t(index)] = true;
        }
    }
    return decodeFields(layout, record,
                        [&](std::size_t i) { return more.empty() ? marks[i] : bool(more[i]); });
}

QString displayText(FieldEncoding encoding, const QString& stored) {
    return encoding == FieldEncoding::LengthPrefixed ? text::trimBlanks(stored) : stored;
}

}  // namespace codec
