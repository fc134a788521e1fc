// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/checksums.h"

namespace parvola {

// SHA-256 through the system's CNG (BCrypt), which uses the processor's SHA instructions where it has
// them. The algorithm is opened once; each checksum has a hash object of its own, so threads may sum at once.
class WindowsChecksums final : public Checksums {
public:
    WindowsChecksums();
    ~WindowsChecksums() override;
    WindowsChecksums(const WindowsChecksums&) = delete;
    WindowsChecksums& operator=(const WindowsChecksums&) = delete;

    std::unique_ptr<Checksum> NewSha256() override;

private:
    void* m_algorithm = nullptr; // BCRYPT_ALG_HANDLE
};

} // namespace parvola
