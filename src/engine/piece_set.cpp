// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/piece_set.h"

#include "engine/naming.h"

#include <algorithm>

namespace parvola {

std::string PieceSet::PiecePath(std::int64_t number) const {
    return JoinPath(folder, PieceName(baseName, number));
}

std::optional<std::int64_t> PieceNumber(const std::string& name, const std::string& baseName) {
    // At least three digits, and few enough for any number.
    if (name.size() < baseName.size() + 4 || name.size() > baseName.size() + 19 ||
        name.compare(0, baseName.size(), baseName) != 0 || name[baseName.size()] != '.') {
        return std::nullopt;
    }
    std::int64_t number = 0;
    for (std::size_t at = baseName.size() + 1; at < name.size(); ++at) {
        if (name[at] < '0' || name[at] > '9') {
            return std::nullopt;
        }
        number = number * 10 + (name[at] - '0');
    }
    // Only the spelling PieceName gives: "x.0007" is some other file.
    if (number == 0 || PieceName(baseName, number) != name) {
        return std::nullopt;
    }
    return number;
}

Check FindPieces(FileSystem& files, const std::string& given, PieceSet& set) {
    set.folder = ParentFolder(given);
    const std::string name = LastName(given);
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const bool pieceOrScript =
        dot != std::string::npos && (PieceNumber(name, stem) || name.substr(dot) == ".bat");
    const auto firstPiece = [&](const std::string& base) { return JoinPath(set.folder, PieceName(base, 1)); };

    std::optional<std::int64_t> length;
    for (const std::string& base : {pieceOrScript ? stem : name, name}) {
        if ((length = files.FileLength(firstPiece(base)))) {
            set.baseName = base;
            break;
        }
    }
    if (!length) {
        return Refusal{"The first piece, " + firstPiece(pieceOrScript ? stem : name) + ", cannot be found." +
                       kCopyEveryPiece};
    }
    set.permissions = files.Inspect(firstPiece(set.baseName), true).value_or(FileInfo{}).permissions;
    set.count = 1;
    set.pieceLength = set.lastLength = set.total = *length;

    // Each piece tells that the one before it was not the last: only the last may be shorter.
    const auto lengthRefusal = [&](std::int64_t number, std::int64_t bytes) {
        return Refusal{"The piece " + PieceName(set.baseName, number) + " is " + std::to_string(bytes) +
                       " bytes long, but " + PieceName(set.baseName, 1) + " is " +
                       std::to_string(set.pieceLength) +
                       ": every piece but the last must be as long as the first, and the last no longer.  "
                       "The piece may be damaged or not copied in full."};
    };
    while ((length = files.FileLength(set.PiecePath(set.count + 1)))) {
        if (set.lastLength != set.pieceLength) {
            return lengthRefusal(set.count, set.lastLength);
        }
        if (*length > set.pieceLength) {
            return lengthRefusal(set.count + 1, *length);
        }
        ++set.count;
        set.lastLength = *length;
        set.total += *length;
    }

    // Pieces after a gap. A folder that cannot be listed keeps them hidden; the batch file and the checksum
    // file, when there, still tell how many pieces there should be.
    std::int64_t beyond = 0;
    files.ListFolder(set.folder, [&](const std::string& entry) {
        const auto number = PieceNumber(entry, set.baseName);
        if (number && *number > set.count && (beyond == 0 || *number < beyond)) {
            beyond = *number;
        }
    });
    if (beyond > 0) {
        return Refusal{"The piece " + PieceName(set.baseName, set.count + 1) + " is missing, but " +
                       PieceName(set.baseName, beyond) + " is there." + kCopyEveryPiece};
    }
    return std::nullopt;
}

} // namespace parvola
