#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The reversible scrambling of the access password. Each character is
// taken by its low 8 bits, XORed with the high byte of a 16-bit key and
// written as two upper-case hex digits; the key then advances with the
// scrambled byte, in both directions, which is what makes the two inverse.
//
// The three constants are part of the stored format: the delivered password
// file is written with them, so changing one locks every installation out.
namespace scramble {

inline constexpr std::uint16_t kStartKey = 0xA3C5;    // K0
inline constexpr std::uint16_t kMultiplier = 0x6255;  // M
inline constexpr std::uint16_t kAddend = 0x3619;      // A

// Two upper-case hex digits per character of `plain`.
QString scramble(QStringView plain);

// The text whose scrambled form is `hex` (upper or lower case digits; a
// final odd digit is ignored). Every character comes back with a code from
// 0 to 255. Empty when a pair is not hexadecimal.
std::optional<QString> unscramble(QStringView hex);

}  // namespace scramble
