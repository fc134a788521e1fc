#pragma once

#include "engine/split_ui.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

#include <string>

namespace parvola {

// What optClean asks for after a complete split: delete the source, ask first, or keep it. A value that is
// no number 0, 1 or 2 is stored as "1" (ask); a number written another way ("1.0") does nothing.
void CleanupSource(SplitUi& ui, SettingsStore& settings, FileSystem& files, const std::string& sourcePath);

} // namespace parvola
