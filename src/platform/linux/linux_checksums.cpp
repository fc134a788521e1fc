// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/linux_checksums.h"

// The digest functions themselves, not the EVP layer around them: that loads providers and their
// configuration, some 2 MiB more of a split that has to stay within 16 MiB, for the same SHA instructions.
// OpenSSL 3 marks them deprecated but keeps them.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>

namespace parvola {

namespace {

class Sha256 final : public Checksum {
public:
    Sha256() { SHA256_Init(&m_context); }

    void Add(const char* data, std::size_t n) override { SHA256_Update(&m_context, data, n); }

    std::string Finish() override {
        unsigned char digest[SHA256_DIGEST_LENGTH];
        SHA256_Final(digest, &m_context);
        SHA256_Init(&m_context);
        static const char kHex[] = "0123456789abcdef";
        std::string text;
        for (const unsigned char byte : digest) {
            text += kHex[byte >> 4];
            text += kHex[byte & 15];
        }
        return text;
    }

private:
    SHA256_CTX m_context;
};

} // namespace

std::unique_ptr<Checksum> LinuxChecksums::NewSha256() {
    return std::make_unique<Sha256>();
}

} // namespace parvola
