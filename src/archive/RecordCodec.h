#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "archive/RecordLayout.h"

// Converts a whole record between its field texts and its bytes on disk.
namespace codec {

// The text as it is stored: trimmed for length-prefixed fields, unchanged
// for zero-terminated ones, then cut to the field's capacity (and to 255
// characters, what a length byte counts, for length-prefixed fields).
QString storedText(FieldEncoding encoding, const QString& text, int capacity);

// The bytes of a record. Missing values are stored empty; bytes after a
// field's text are zeros.
QByteArray encode(const RecordLayout& layout, const FieldValues& values);

// The field texts of a record buffer of layout.recordSize() bytes, as stored
// (not trimmed). A length byte larger than the capacity reads the capacity.
FieldValues decode(const RecordLayout& layout, QByteArrayView record);
// The same, decoding only the fields listed; the others are empty.
FieldValues decode(const RecordLayout& layout, QByteArrayView record,
                   const QList<qsizetype>& fields);

// The bytes of the text a card shows for one field, straight from its slot
// in a record (capacity + 1 bytes at layout.offsetOf(field)), without
// decoding: what displayText(decode(...)) gives, in the code page's bytes.
QByteArrayView shownBytes(FieldEncoding encoding, int capacity, QByteArrayView slot);

// The text a card shows for a stored value: trimmed for length-prefixed
// archives, unchanged for zero-terminated ones.
QString displayText(FieldEncoding encoding, const QString& stored);

}  // namespace codec
