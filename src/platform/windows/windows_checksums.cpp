// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/windows_checksums.h"

#include <climits>
#include <cstdlib>

#include <windows.h>

#include <bcrypt.h>

namespace parvola {

namespace {

constexpr std::size_t kDigestLength = 32;

class Sha256 final : public Checksum {
public:
    explicit Sha256(BCRYPT_ALG_HANDLE algorithm) : m_algorithm(algorithm) { Start(); }
    ~Sha256() override { ::BCryptDestroyHash(m_hash); }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Add(const char* data, std::size_t n) override {
        // BCryptHashData takes 32-bit lengths.
        while (n > 0) {
            const ULONG take = n > ULONG_MAX / 2 ? ULONG_MAX / 2 : static_cast<ULONG>(n);
            ::BCryptHashData(m_hash, reinterpret_cast<PUCHAR>(const_cast<char*>(data)), take, 0);
            data += take;
            n -= take;
        }
    }

    std::string Finish() override {
        unsigned char digest[kDigestLength] = {};
        ::BCryptFinishHash(m_hash, digest, sizeof digest, 0);
        // A finished hash object cannot be used again; the next sum gets a new one.
        ::BCryptDestroyHash(m_hash);
        Start();
        static const char kHex[] = "0123456789abcdef";
        std::string text;
        for (const unsigned char byte : digest) {
            text += kHex[byte >> 4];
            text += kHex[byte & 15];
        }
        return text;
    }

private:
    void Start() {
        // Without a hash object or its memory the program could not give a checksum at all.
        if (!BCRYPT_SUCCESS(::BCryptCreateHash(m_algorithm, &m_hash, nullptr, 0, nullptr, 0, 0))) {
            std::abort();
        }
    }

    BCRYPT_ALG_HANDLE m_algorithm;
    BCRYPT_HASH_HANDLE m_hash = nullptr;
};

} // namespace

WindowsChecksums::WindowsChecksums() {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!BCRYPT_SUCCESS(::BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
        std::abort();
    }
    m_algorithm = algorithm;
}

WindowsChecksums::~WindowsChecksums() {
    ::BCryptCloseAlgorithmProvider(m_algorithm, 0);
}

std::unique_ptr<Checksum> WindowsChecksums::NewSha256() {
    return std::make_unique<Sha256>(m_algorithm);
}

} // namespace parvola
