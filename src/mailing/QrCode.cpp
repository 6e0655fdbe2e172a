#include "mailing/QrCode.h"

#include <qrencode.h>

#include <memory>

namespace qr {

namespace {

// ECI 26: the bytes that follow are UTF-8. Without it readers take them
// for ISO 8859-1 and show "AbbÃ" for "Abbà".
constexpr unsigned int kUtf8Eci = 26;

}  // namespace

Matrix encode(const QByteArray& bytes) {
    Matrix matrix;
    if (bytes.isEmpty()) return matrix;
    const std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, QR_ECLEVEL_L),
                                                                  &QRinput_free);
    if (!input || QRinput_appendECIheader(input.get(), kUtf8Eci) != 0 ||
        QRinput_append(input.get(), QR_MODE_8, int(bytes.size()),
                       reinterpret_cast<const unsigned char*>(bytes.constData())) != 0) {
        return matrix;
    }
    QRcode* code = QRcode_encodeInput(input.get());
    if (!code) return matrix;
    matrix.width = code->width;
    matrix.dark.resize(std::size_t(code->width) * std::size_t(code->width));
    for (std::size_t i = 0; i < matrix.dark.size(); ++i) {
        // Bit 0 of each byte: the module is dark.
        matrix.dark[i] = (code->data[i] & 1) != 0;
    }
    QRcode_free(code);
    return matrix;
}

}  // namespace qr
