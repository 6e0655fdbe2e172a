#include "archive/RecordCodec.h"

#include "archive/Cp1252.h"
#include "archive/TextRules.h"

namespace codec {
namespace {

QByteArray storedBytes(FieldEncoding encoding, const QString& text, int capacity) {
    const QString prepared =
        encoding == FieldEncoding::LengthPrefixed ? text::trimBlanks(text) : text;
    // One byte per character, so cutting the bytes cuts the characters.
    return cp1252::encode(prepared).left(qMin(capacity, 255));
}

}  // namespace

QString storedText(FieldEncoding encoding, const QString& text, int capacity) {
    return cp1252::decode(storedBytes(encoding, text, capacity));
}

QByteArray encode(const RecordLayout& layout, const FieldValues& values) {
    QByteArray record(layout.recordSize(), '\0');
    char* out = record.data();
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const FieldSpec& field = layout.fields[i];
        const auto index = static_cast<qsizetype>(i);
        const QString value = index < values.size() ? values.at(index) : QString();
        const QByteArray bytes = storedBytes(layout.encoding, value, field.capacity);
        if (layout.encoding == FieldEncoding::LengthPrefixed) {
            out[0] = static_cast<char>(bytes.size());
            std::copy(bytes.begin(), bytes.end(), out + 1);
        } else {
            std::copy(bytes.begin(), bytes.end(), out);  // the zero follows
        }
        out += field.capacity + 1;
    }
    return record;
}

FieldValues decode(const RecordLayout& layout, QByteArrayView record) {
    FieldValues values;
    values.reserve(static_cast<qsizetype>(layout.fields.size()));
    qsizetype offset = 0;
    for (const FieldSpec& field : layout.fields) {
        const qsizetype size = field.capacity + 1;
        const QByteArrayView bytes = record.sliced(offset, size);
        if (layout.encoding == FieldEncoding::LengthPrefixed) {
            const int length = qMin<int>(static_cast<unsigned char>(bytes.at(0)), field.capacity);
            values.append(cp1252::decode(bytes.sliced(1, length)));
        } else {
            const qsizetype zero = bytes.indexOf('\0');
            values.append(cp1252::decode(zero < 0 ? bytes : bytes.first(zero)));
        }
        offset += size;
    }
    return values;
}

QString displayText(FieldEncoding encoding, const QString& stored) {
    return encoding == FieldEncoding::LengthPrefixed ? text::trimBlanks(stored) : stored;
}

}  // namespace codec
