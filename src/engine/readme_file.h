#pragma once

#include "platform/file_system.h"
#include "settings/settings_store.h"

#include <string>

namespace parvola {

inline constexpr const char* kReadmeName = "Readme.txt";

// True when optReadme asks for the readme. With storeDefault an empty or missing value is stored as "0"
// (include it) first, as the split does when it comes to the readme.
bool ReadmeWanted(SettingsStore& settings, bool storeDefault);

// Writes Readme.txt into the working folder as a new file with the given permission bits, in place of any
// readme there. diskFolder is empty unless the pieces go to removable disks; then the readme names the
// script on the disk.
FileStatus WriteReadme(FileSystem& files, const std::string& workingFolder, const std::string& diskFolder,
                       const std::string& baseName, unsigned permissions);

} // namespace parvola
