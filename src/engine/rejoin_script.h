// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/code_pages.h"
#include "platform/file_system.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parvola {

// The path of the script that joins the pieces of baseName again.
std::string RejoinScriptPath(const std::string& workingFolder, const std::string& baseName);

// The OEM code pages to try for a name, most likely first.
std::vector<int> CodePagesFor(const std::string& name);

// baseName as the script must spell it: the command interpreter reads a batch file in its OEM code page,
// so a name beyond ASCII is written in the first code page that has all of its characters (850 for
// Western names, the OEM code page of the name's script otherwise), in the bytes Windows' own tables give.
// A page that would give a character other than the backslash as the byte 0x5C is passed over. No value
// when none has them all.
std::optional<std::string> ScriptSpelling(CodePages& codePages, const std::string& baseName);

// The lines of the batch script that joins pieces 1 to pieceCount of spelling (the base name as
// ScriptSpelling gives it), one by one, so that the split writes them and the join reads them from one
// source. The script checks that every piece is there before it changes anything, builds the joined file
// under its own name without ever changing a piece, checks each copy, and deletes the pieces only once
// every copy went well; a failed copy removes the half-joined file and keeps the pieces.
class RejoinScriptLines {
public:
    RejoinScriptLines(std::string spelling, std::int64_t pieceCount);

    std::int64_t Count() const;
    // Line index (from 0) without its CR LF.
    std::string Line(std::int64_t index) const;
    // The number of the piece line index is about, or 0 for the lines about no single piece.
    std::int64_t PieceOf(std::int64_t index) const;

    // The lines before the checks, and the lines that check for one piece, whatever the number of pieces.
    static constexpr std::int64_t kHeaderLines = 4;
    static constexpr std::int64_t kCheckLines = 2;

private:
    std::string m_spelling;
    std::int64_t m_pieceCount;
};

// Writes the batch script that joins pieces 1 to pieceCount, as a new file with the given permission bits
// in place of any earlier script of that name. spelling is the base name as ScriptSpelling gives it.
// Reports the first write that failed.
FileStatus WriteRejoinScript(FileSystem& files, const std::string& workingFolder, const std::string& baseName,
                             const std::string& spelling, std::int64_t pieceCount, unsigned permissions);

} // namespace parvola
