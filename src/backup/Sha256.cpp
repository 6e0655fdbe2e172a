#include "backup/Sha256.h"

#include <openssl/evp.h>

#include <new>

namespace {

EVP_MD_CTX* context(void* p) {
    return static_cast<EVP_MD_CTX*>(p);
}

}  // namespace

Sha256::Sha256() : context_(EVP_MD_CTX_new()) {
    if (!context_ || EVP_DigestInit_ex(context(context_), EVP_sha256(), nullptr) != 1) {
        throw std::bad_alloc();
    }
}

Sha256::~Sha256() {
    EVP_MD_CTX_free(context(context_));
}

void Sha256::add(QByteArrayView bytes) {
    EVP_DigestUpdate(context(context_), bytes.data(), static_cast<size_t>(bytes.size()));
}

QByteArray Sha256::hex() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context(context_), digest, &length);
    EVP_DigestInit_ex(context(context_), EVP_sha256(), nullptr);
    return QByteArray(reinterpret_cast<const char*>(digest), length).toHex();
}
