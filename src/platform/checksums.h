// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace parvola {

// A SHA-256 digest of the bytes added so far.
class Checksum {
public:
    virtual ~Checksum() = default;
    virtual void Add(const char* data, std::size_t n) = 0;
    // The digest in lowercase hexadecimal, as sha256sum prints it; the checksum then starts anew.
    virtual std::string Finish() = 0;
};

class Checksums {
public:
    virtual ~Checksums() = default;
    virtual std::unique_ptr<Checksum> NewSha256() = 0;
};

} // namespace parvola
