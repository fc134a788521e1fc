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

// Writes the batch script that joins pieces 1 to pieceCount with copy /b and then deletes them, as a new
// file with the given permission bits in place of any earlier script of that name. spelling is the base
// name as ScriptSpelling gives it. Reports the first write that failed.
FileStatus WriteRejoinScript(FileSystem& files, const std::string& workingFolder, const std::string& baseName,
                             const std::string& spelling, std::int64_t pieceCount, unsigned permissions);

} // namespace parvola
