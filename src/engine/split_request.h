#pragma once

#include <string>

namespace parvola {

struct SplitRequest {
    // Full path of the file to split.
    std::string SourcePath;
    // Destination folder; the split job removes one trailing separator from it.
    std::string DestFolder;
    // Bytes per piece, a whole number of at least 1.
    double PieceSize = 0;
    // Writes name.sha256 beside the pieces even when the optChecksum setting is off.
    bool Checksum = false;
};

} // namespace parvola
