// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_request.h"
#include "engine/split_ui.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

#include <optional>
#include <string>

namespace parvola {

// What choice, or else optClean, asks for after a complete split: delete the source, ask first (No by
// default), or keep it. A value of optClean that is no number 0, 1 or 2 is stored as "1" (ask); a number
// written another way ("1.0") does nothing. The source goes only when the pieces hold all of it and
// sourcePath still names the file that was split, unchanged since. What kept it from going as asked, told
// the way the user is to read it, or no value.
std::optional<std::string> CleanupSource(SplitUi& ui, SettingsStore& settings, FileSystem& files,
                                         const std::string& sourcePath, const FileInfo& splitFile,
                                         bool piecesComplete, SourceAfterSplit choice);

} // namespace parvola
