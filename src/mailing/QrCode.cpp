#include "mailing/QrCode.h"

#include <qrencode.h>

namespace qr {

Matrix encode(const QByteArray& bytes) {
    Matrix matrix;
    if (bytes.isEmpty()) return matrix;
    QRcode* code = QRcode_encodeData(int(bytes.size()),
                                     reinterpret_cast<const unsigned char*>(bytes.constData()), 0,
                                     QR_ECLEVEL_M);
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
