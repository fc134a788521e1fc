// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/join_job.h"
#include "engine/split_ui.h"
#include "platform/file_system.h"

#include <functional>
#include <optional>
#include <string>

namespace parvola {

// The join that File > Join Pieces starts for the piece the user chose: the joined file goes beside the
// pieces or, where nothing can be written there, into a folder the user chooses after being told why. No
// value when the user chose no piece or no folder.
std::optional<JoinRequest> JoinForChosenPiece(FileSystem& files, const std::string& piece, SplitUi& ui,
                                              const std::function<std::string()>& chooseFolder);

} // namespace parvola
