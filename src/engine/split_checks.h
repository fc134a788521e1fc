// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "platform/code_pages.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/paths.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parvola {

// The checks a split makes before its first byte. Each gives the message it stops the split with, or no
// value when the split may go on.
struct Refusal {
    std::string text;
    MessageIcon icon = MessageIcon::Critical;
};
using Check = std::optional<Refusal>;

// Names the pieces and the script could not carry safely: an empty 8.3 name, a character the script cannot
// hold, a name no OEM code page carries. spelling gets the base name as the script writes it.
Check NameCheck(CodePages& codePages, const std::string& sourceFileName, const std::string& baseName,
                std::string& spelling);

// Writes a line into a file the split creates, never into one that is there already, and removes it again.
Check TestWrite(FileSystem& files, const std::string& destFolder);

// What the destination's file system cannot take: a character in the names, pieces that large, or one of
// names (the longest piece name and the other files the split writes) that long.
Check LimitsCheck(const DriveLimits& limits, const std::string& sourceFileName, const std::string& baseName,
                  std::int64_t largestPiece, const std::vector<std::string>& names);

// A file of an earlier split that this one would write over: one named after the full source name, or,
// when the names are cut, one named like this split's first piece.
Check EarlierSplitCheck(FileSystem& files, const std::string& destFolder, const std::string& sourceFileName,
                        const std::string& baseName);

// A file at one of finishingNames in folder (the script, the readme, the checksum file) that an earlier
// split did not write: one of the user's, which the split would replace.
Check UsersFileCheck(FileSystem& files, const std::string& folder, const std::string& baseName,
                     const std::vector<std::string>& finishingNames);

// True when one of the names the split writes in folder, its pieces and otherNames, is an entry of the
// source file itself.
bool HoldsTheSource(FileSystem& files, const std::string& folder, const std::string& sourcePath,
                    const FileInfo& source, bool ignoresCase, const std::string& baseName,
                    std::int64_t pieceCount, const std::vector<std::string>& otherNames);

// Where the lock that keeps a second run off this set of pieces lives; the split and the join take the same.
// Its name fits where the pieces' names do.
std::string LockPath(Paths& paths, const std::string& destFolder, const std::string& baseName,
                     bool removable);

} // namespace parvola
