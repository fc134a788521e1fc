// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"
#include "settings/settings_store.h"

#include <string>

namespace parvola {

inline constexpr const char* kReadmeName = "Readme.txt";
// The readme's first line, by which a readme of an earlier split is told from a file of the user's.
inline constexpr const char* kReadmeTitle = "Joining Files Split with Parvola";

// Writes Readme.txt into the working folder as a new file with the given permission bits, in place of any
// readme there. diskFolder is empty unless the pieces go to removable disks; then the readme names the
// script on the disk. A checksumName names the checksum file beside it, which the readme then explains.
FileStatus WriteReadme(FileSystem& files, const std::string& workingFolder, const std::string& diskFolder,
                       const std::string& baseName, const std::string& checksumName, unsigned permissions);

} // namespace parvola
