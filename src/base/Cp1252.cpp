#include "base/Cp1252.h"

#include <QList>
#include <array>

namespace cp1252 {
namespace {

// Characters of the bytes 0x80..0x9F; the unassigned ones keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char byteOf(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<char>(ch);
    if (ch > 0x2122 || (ch >= 0x100 && ch < 0x152)) return '?';  // outside the table's range
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch) return static_cast<char>(0x80 + i);
    }
    return '?';
}

QByteArray encode(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* d = out.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            *d++ = byteOf(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            *d++ = byteOf(c.unicode());
        }
    }
    out.truncate(d - out.data());
    return out;
}

QList<Unencodable> unencodable(QStringView text) {
    QList<Unencodable> found;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const bool pair = c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate();
        const char32_t character = pair ? QChar::surrogateToUcs4(c, text.at(i + 1)) : c.unicode();
        if (character != U'?' && byteOf(character) == '?') {
            found.append({i, text.sliced(i, pair ? 2 : 1).toString()});
        }
        if (pair) ++i;
    }
    return found;
}

QString storable(const QString& text) {
    return decode(encode(text));
}

QString decode(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = (b >= 0x80 && b <= 0x9F) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return out;
}

}  // namespace cp1252
