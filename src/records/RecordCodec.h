#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include "records/RecordLayout.h"

// Converts a whole record between its field texts and its bytes on disk.
namespace codec {

// The text as it is stored: trimmed for length-prefixed fields, unchanged
// for zero-terminated ones, then cut to the field's capacity (and to 255
// characters, what a length byte counts, for length-prefixed fields).
QString storedText(FieldEncoding encoding, const QString& text, int capacity);

// The bytes of a record. Missing values are stored empty; bytes after a
// field's text are zeros.
QByteArray encode(const RecordLayout& layout, const FieldValues& values);
// The same bytes written at `out`, which holds layout.recordSize() zeros
// (an import's block of records).
void encodeInto(const RecordLayout& layout, const FieldValues& values, char* out);

// A field whose text holds characters that the code page cannot hold,
// which encode() would store as '?': the field's index in the layout and
// those characters, each once, in the order they first appear.
struct UnstorableField {
    qsizetype field;
    QStringList characters;
};

// The fields of `values` that cannot be stored as they are, in layout
// order: what every writer of records asks before it stores texts that a
// person typed or brought in, so that nothing turns into '?' unannounced.
QList<UnstorableField> unstorableFields(const RecordLayout& layout, const FieldValues& values);

// The field texts of a record buffer of layout.recordSize() bytes, as stored
// (not trimmed). A length byte larger than the capacity reads the capacity.
FieldValues decode(const RecordLayout& layout, QByteArrayView record);
// The same, decoding only the fields listed; the others are empty.
FieldValues decode(const RecordLayout& layout, QByteArrayView record,
                   const QList<qsizetype>& fields);

// The bytes of the text a card shows for one field, straight from its slot
// in a record (capacity + 1 bytes at layout.offsetOf(field)), without
// decoding: what displayText(decode(...)) gives, in the code page's bytes.
// Inline: a list calls it for every field of every record it reads.
inline QByteArrayView shownBytes(FieldEncoding encoding, int capacity, QByteArrayView slot) {
    if (encoding == FieldEncoding::ZeroTerminated) {
        const qsizetype zero = slot.indexOf('\0');
        return zero < 0 ? slot : slot.first(zero);
    }
    const int length = qMin<int>(static_cast<unsigned char>(slot.at(0)), capacity);
    QByteArrayView text = slot.sliced(1, length);
    // Trimmed as text::trimBlanks trims: the bytes up to 32 are the same
    // characters in the code page.
    while (!text.isEmpty() && static_cast<unsigned char>(text.front()) <= 0x20)
        text = text.sliced(1);
    while (!text.isEmpty() && static_cast<unsigned char>(text.back()) <= 0x20) text.chop(1);
    return text;
}

// The text a card shows for a stored value: trimmed for length-prefixed
// archives, unchanged for zero-terminated ones.
QString displayText(FieldEncoding encoding, const QString& stored);

}  // namespace codec
