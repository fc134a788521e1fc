#pragma once

#include "platform/file_system.h"
#include "settings/settings_store.h"

#include <string>

namespace parvola {

inline constexpr const char* kReadmeName = "Readme.txt";

// Writes Readme.txt into the working folder when optReadme asks for it. diskFolder is empty unless the
// pieces go to removable disks; then the readme names the script on the disk. A readme that cannot be
// written is simply missing.
void WriteReadme(FileSystem& files, SettingsStore& settings, const std::string& workingFolder,
                 const std::string& diskFolder, const std::string& baseName);

} // namespace parvola
