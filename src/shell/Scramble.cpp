#include "shell/Scramble.h"

namespace scramble {
namespace {

std::uint16_t advance(std::uint16_t key, std::uint8_t scrambled) {
    const std::uint32_t next = (std::uint32_t{key} + scrambled) * kMultiplier + kAddend;
    return static_cast<std::uint16_t>(next & 0xFFFFu);
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

}  // namespace

QString scramble(QStringView plain) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QString hex;
    hex.reserve(plain.size() * 2);
    std::uint16_t key = kStartKey;
    for (const QChar c : plain) {
        const auto e = static_cast<std::uint8_t>((c.unicode() & 0xFFu) ^ (key >> 8));
        hex.append(QLatin1Char(kDigits[e >> 4]));
        hex.append(QLatin1Char(kDigits[e & 0x0F]));
        key = advance(key, e);
    }
    return hex;
}

std::optional<QString> unscramble(QStringView hex) {
    QString plain;
    const qsizetype pairs = hex.size() / 2;
    plain.reserve(pairs);
    std::uint16_t key = kStartKey;
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex.at(2 * i));
        const int low = hexDigit(hex.at(2 * i + 1));
        if (high < 0 || low < 0) return std::nullopt;
        const auto e = static_cast<std::uint8_t>(high * 16 + low);
        plain.append(QChar(static_cast<char16_t>(e ^ (key >> 8))));
        key = advance(key, e);
    }
    return plain;
}

}  // namespace scramble
