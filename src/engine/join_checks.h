#pragma once

#include "engine/piece_set.h"
#include "engine/split_checks.h"
#include "platform/code_pages.h"
#include "platform/file_system.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace parvola {

// The checks a join makes of the batch file and the checksum file beside the pieces, before its first byte.
// Each gives the message it stops the join with, or no value when the join may go on.

// When name.bat lies beside the pieces, it must join exactly pieces 1 to set.count, in their order, into
// name, in the form the split writes it. present tells whether there was one.
Check ScriptCheck(FileSystem& files, CodePages& codePages, const PieceSet& set, bool& present);

using Digest = std::array<unsigned char, 32>;

// What name.sha256 says the pieces and the joined file hold. Kept as bytes, a few megabytes for a hundred
// thousand pieces.
struct ExpectedSums {
    bool present = false;
    std::vector<Digest> pieces; // [number - 1]
    std::optional<Digest> whole;
};

// The digest of hexadecimal text as sha256sum prints it.
Digest DigestOf(const std::string& hex);

// Reads name.sha256 when it lies beside the pieces: it must be in the form sha256sum reads, give every
// piece a checksum, and name no piece beyond the last.
Check ReadExpectedSums(FileSystem& files, const PieceSet& set, ExpectedSums& sums);

} // namespace parvola
