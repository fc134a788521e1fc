#pragma once

#include "engine/split_request.h"
#include "engine/split_ui.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace parvola {

inline constexpr const char* kCompletedMessage = "Completed splitting files.";

// Cuts request.SourcePath into pieces of request.PieceSize bytes in request.DestFolder, then writes the
// rejoin script and the readme and applies the cleanup option. Tells the user every outcome through ui.
// Returns false when a check stopped it before any piece was started, true from then on (also after a
// failure while copying). Removes one trailing separator from request.DestFolder.
bool SplitFile(SplitRequest& request, SplitUi& ui, SettingsStore& settings, Platform& platform);

} // namespace parvola
