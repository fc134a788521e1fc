// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_request.h"
#include "engine/split_ui.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

namespace parvola {

inline constexpr const char* kCompletedMessage = "Completed splitting files.";

// How a split ended. The user has been told in every case but a cancel.
enum class SplitOutcome {
    Completed, // every piece, the script and the readme written, and the cleanup done as asked
    Refused,   // a check stopped it before the first byte; nothing of its own is left behind
    Failed,    // something went wrong after the first byte, or the source could not go as asked
    Cancelled, // the user gave up in a disk dialog; the source is kept
};

// Cuts request.SourcePath into pieces of request.PieceSize bytes in request.DestFolder, then writes the
// rejoin script and the readme and applies the cleanup option. Tells the user every outcome through ui.
// Removes one trailing separator from request.DestFolder; a removable destination is replaced by the
// private folder the pieces were staged in.
SplitOutcome SplitFile(SplitRequest& request, SplitUi& ui, SettingsStore& settings, Platform& platform);

} // namespace parvola
