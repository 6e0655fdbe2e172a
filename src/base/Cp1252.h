#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Windows-1252, the 8-bit code page of every stored and exported text.
// Built on a small table of the bytes 0x80-0x9F over Latin-1, so it does not
// depend on the ICU support of the Qt build.
namespace cp1252 {

// One byte per character; a character the code page cannot hold becomes '?'
// (a character outside the Basic Multilingual Plane is one '?', not two).
QByteArray encode(const QString& text);

// The byte of one character, '?' when the code page cannot hold it.
char byteOf(char32_t character);

// One character of a text that the code page cannot hold, which encode()
// turns into '?': where it starts in the text, in UTF-16 units, and the
// character itself (two units for one outside the Basic Multilingual Plane,
// one for a lone surrogate).
struct Unencodable {
    qsizetype position;
    QString character;
};

// Every character of `text` that the code page cannot hold, in order.
QList<Unencodable> unencodable(QStringView text);

// The text as the code page stores it: each character it cannot hold
// replaced by one '?', every other character kept.
QString storable(const QString& text);

// Every byte maps to one character; the five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as Windows does.
QString decode(QByteArrayView bytes);

}  // namespace cp1252
