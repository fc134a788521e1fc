// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "platform/drives.h"

#include <cstdint>
#include <optional>
#include <string>

namespace parvola {

// What CheckDiskSpace answers: go on, check the disk again, or cancel the split.
enum class DiskAnswer { GoOn, CheckAgain, Cancel };

inline constexpr const char* kInsertNewDiskMessage =
    "Please insert a new disk into the drive.  Press OK when done.";
inline constexpr const char* kDiskNotFoundMessage = "The disk in the drive cannot be found.  Please insert a "
                                                    "disk, wait until the system shows it, and press OK.";

// Free bytes of the disk in the drive; 0 when there is no readable disk.
std::int64_t GetFreeBytes(Drives& drives, const std::string& drive);

// GoOn when the disk has room for need bytes; otherwise the user chooses in the disk dialog: a new disk or
// a formatted one (check again), cancel, or nothing chosen yet (go on). Without mayFormat a format chosen
// is not done, and the disk is checked again.
DiskAnswer CheckDiskSpace(SplitUi& ui, Drives& drives, const std::string& drive, double need,
                          bool mayFormat = true);

// Gives the disk a volume label; why it could not be set, or no value when it was.
std::optional<std::string> LabelDisk(Drives& drives, const std::string& root, const std::string& label);

} // namespace parvola
