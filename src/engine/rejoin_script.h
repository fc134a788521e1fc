#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <string>

namespace parvola {

// Appends text and CR LF to the file at path, creating it when it is missing.
FileStatus AppendLine(FileSystem& files, const std::string& path, const std::string& text);

// The path of the script that joins the pieces of baseName again.
std::string RejoinScriptPath(const std::string& workingFolder, const std::string& baseName);

// Writes the batch script that joins pieces 1 to pieceCount with copy /b and then deletes them, replacing
// any earlier script of that name. Reports the first line that could not be written.
FileStatus WriteRejoinScript(FileSystem& files, const std::string& workingFolder, const std::string& baseName,
                             std::int64_t pieceCount);

} // namespace parvola
