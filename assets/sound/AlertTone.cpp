// Writes the alert tone of the deadlines window as a WAV file: three short
// rising chimes (A5, C#6, E6), each a sine with a soft attack and a decaying
// tail, 16-bit mono at 22 050 Hz. The build encodes it as Avviso.mp3.
//
//   alert_tone OUTPUT.wav

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void put16(std::FILE* out, std::uint16_t value) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                    static_cast<unsigned char>(value >> 8)};
    std::fwrite(bytes, 1, 2, out);
}

void put32(std::FILE* out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: alert_tone FILE.wav\n");
        return 2;
    }
    const double notes[] = {880.0, 1108.73, 1318.51};
    const double noteSeconds = 0.35;
    std::vector<std::int16_t> samples;
    for (const double frequency : notes) {
        const int count = static_cast<int>(noteSeconds * kRate);
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::fmin(1.0, t / 0.01);
            const double envelope = attack * std::exp(-6.0 * t);
            const double wave =
                std::sin(2 * kPi * frequency * t) + 0.3 * std::sin(4 * kPi * frequency * t);
            samples.push_back(static_cast<std::int16_t>(wave / 1.3 * envelope * 0.6 * 32767));
        }
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) return 1;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, out);
    put32(out, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, out);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    std::fwrite("data", 1, 4, out);
    put32(out, dataBytes);
    for (const std::int16_t sample : samples) put16(out, static_cast<std::uint16_t>(sample));
    return std::fclose(out) == 0 ? 0 : 1;
}
