// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace parvola {

// name.sha256 beside the pieces holds the lines sha256sum -c reads: one per piece, then one for the whole
// file under the name the pieces join into.
std::string ChecksumFileName(const std::string& baseName);

// "<digest>  <name>" and a line feed; a name with a backslash is escaped the way sha256sum escapes it.
std::string ChecksumLine(const std::string& digest, const std::string& name);

struct ChecksumEntry {
    std::string name;
    std::string digest; // lowercase hexadecimal
};

// The entries of a checksum file in the order they are listed; lines sha256sum would also take in binary
// mode ("<digest> *<name>") and in capitals are taken. No value when a line is not one of them.
std::optional<std::vector<ChecksumEntry>> ParseChecksumFile(const std::string& text);

} // namespace parvola
