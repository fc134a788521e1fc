#include "platform/linux/linux_checksums.h"

#include <openssl/evp.h>

#include <new>

namespace parvola {

namespace {

class Sha256 final : public Checksum {
public:
    Sha256() : m_context(EVP_MD_CTX_new()) {
        if (!m_context) {
            throw std::bad_alloc();
        }
        EVP_DigestInit_ex(m_context, EVP_sha256(), nullptr);
    }
    ~Sha256() override { EVP_MD_CTX_free(m_context); }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Add(const char* data, std::size_t n) override { EVP_DigestUpdate(m_context, data, n); }

    std::string Finish() override {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        EVP_DigestFinal_ex(m_context, digest, &length);
        EVP_DigestInit_ex(m_context, EVP_sha256(), nullptr);
        static const char kHex[] = "0123456789abcdef";
        std::string text;
        for (unsigned int i = 0; i < length; ++i) {
            text += kHex[digest[i] >> 4];
            text += kHex[digest[i] & 15];
        }
        return text;
    }

private:
    EVP_MD_CTX* m_context;
};

} // namespace

std::unique_ptr<Checksum> LinuxChecksums::NewSha256() {
    return std::make_unique<Sha256>();
}

} // namespace parvola
