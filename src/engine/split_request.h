// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace parvola {

// What becomes of the source after a complete split: what optClean says (the window), or the caller's
// own choice (the command line, which asks no such question).
enum class SourceAfterSplit { AsOptClean, Delete, Keep };

struct SplitRequest {
    // Full path of the file to split.
    std::string SourcePath;
    // Destination folder; the split job removes one trailing separator from it.
    std::string DestFolder;
    // Bytes per piece, a whole number of at least 1.
    double PieceSize = 0;
    // Whether name.sha256 is written beside the pieces; no value: as optChecksum says.
    std::optional<bool> Checksum = std::nullopt;
    SourceAfterSplit Source = SourceAfterSplit::AsOptClean;
};

} // namespace parvola
