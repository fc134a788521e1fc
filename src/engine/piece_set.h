// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_checks.h"
#include "platform/file_system.h"

#include <cstdint>
#include <optional>
#include <string>

namespace parvola {

// Ends the messages about a missing piece.
inline constexpr const char* kCopyEveryPiece = "  Please copy every piece into one folder and try again.";

// The pieces name.001 … name.N of one file, side by side in one folder, as they were found.
struct PieceSet {
    std::string folder;
    std::string baseName;
    std::int64_t count = 0;
    std::int64_t pieceLength = 0; // of every piece but the last
    std::int64_t lastLength = 0;
    std::int64_t total = 0;
    unsigned permissions = 0; // of the first piece, for the joined file

    std::string PiecePath(std::int64_t number) const;
    std::int64_t LengthOf(std::int64_t number) const { return number == count ? lastLength : pieceLength; }
};

// The number of the piece of baseName that name is, written as PieceName writes it ("x.007", "x.1000");
// no value for any other name ("x.7", "x.0007", "x.bat").
std::optional<std::int64_t> PieceNumber(const std::string& name, const std::string& baseName);

// Finds the pieces that given stands for: a piece (name.001), the batch file (name.bat) or the name they
// join into. They run from 1 up to the first number missing; a higher number after it, a piece but the
// last that is not as long as the first, or a last piece longer than the first refuses the join.
Check FindPieces(FileSystem& files, const std::string& given, PieceSet& set);

} // namespace parvola
