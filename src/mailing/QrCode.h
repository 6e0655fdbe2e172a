#pragma once

#include <QByteArray>
#include <vector>

// A QR code's modules. The only user of libqrencode: replacing the library
// touches this file and its .cpp alone.
namespace qr {

struct Matrix {
    int width = 0;           // modules per side; 0: the text could not be encoded
    std::vector<bool> dark;  // row by row, width * width

    bool isDark(int x, int y) const {
        return dark[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

// The QR code of `bytes` (UTF-8 text, byte mode behind the ECI that says
// UTF-8), error correction level L (a printed card is read whole; the
// modules are larger), the smallest version that holds it.
Matrix encode(const QByteArray& bytes);

}  // namespace qr
