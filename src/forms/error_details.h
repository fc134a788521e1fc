// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/watched_file_system.h"

#include <string>

namespace parvola {

// An error box's text as it is, then on a line of its own the file or folder it is about and the system's
// own words ("Cannot write to /media/cdrom: Read-only file system"), when the text tells a failure by
// "Error: N" and its description and failures noted it. Other texts stay as they are.
std::string WithFailureNamed(const std::string& text, const FailureLog& failures);

// What a folder that could not be made is about: "/home/ann/new: Permission denied".
std::string FolderFailure(const std::string& folder, const FileError& error);

} // namespace parvola
