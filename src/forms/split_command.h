// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "platform/drives.h"

#include <cstdint>
#include <optional>
#include <string>

namespace parvola {

// What the split command reads from the window at the press, with "Desktop" already made a path.
struct SplitChoice {
    std::string sourceFolder;
    std::string destFolder;
    std::string fileName; // empty when no file is chosen
    std::string caption;  // of the chosen size option
    std::string number;   // the text of the number box
};

// The command's next step: a box that ends it (refusal), the size question to ask, or neither when the
// caption names no size.
struct SplitStep {
    std::string refusal;
    MessageIcon icon = MessageIcon::Information;
    std::string question = {};
    double pieceBytes = 0;
};

// The checks of the split command in their order: destination, source, file, then the size.
SplitStep CheckSplitChoice(const SplitChoice& choice);

// The bytes of the chosen size, as the plan line shows it before the press; no value for a number that is
// no size.
std::optional<double> ChosenPieceBytes(const std::string& caption, const std::string& number);

// The option the window chooses when the user types in the number box: the unit chosen last (M unless it
// was K), unless a unit is chosen already.
int SizeIndexAfterTyping(int sizeIndex, int lastUnitIndex);

// The chosen file went away after it was listed: "/home/ann/a.zip no longer exists."
std::string MissingFileText(const std::string& path);

// A fixed destination without room for the whole split, told before anything is written: the disk-full
// text and how much is needed and free. No value when it has room or is removable (whose disks are
// changed as they fill).
std::optional<std::string> RoomRefusal(Drives& drives, const std::string& destFolder, std::int64_t fileLength,
                                       double pieceBytes);

} // namespace parvola
