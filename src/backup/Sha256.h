#pragma once

#include <QByteArray>
#include <QByteArrayView>

// SHA-256 through OpenSSL's libcrypto, the only file that knows it: the
// library uses the processor's SHA instructions where there are any, several
// times faster than a portable implementation.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(QByteArrayView bytes);
    // The digest of everything added, hexadecimal in lower case; the hash
    // then starts again.
    QByteArray hex();

private:
    void* context_;
};
