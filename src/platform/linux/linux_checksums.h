// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/checksums.h"

namespace parvola {

// SHA-256 through libcrypto, which uses the processor's SHA instructions where it has them.
class LinuxChecksums final : public Checksums {
public:
    std::unique_ptr<Checksum> NewSha256() override;
};

} // namespace parvola
