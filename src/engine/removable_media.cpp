// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/removable_media.h"

namespace parvola {

std::int64_t GetFreeBytes(Drives& drives, const std::string& drive) {
    return drives.FreeBytes(drive);
}

DiskAnswer CheckDiskSpace(SplitUi& ui, Drives& drives, const std::string& drive, double need,
                          bool mayFormat) {
    if (static_cast<double>(GetFreeBytes(drives, drive)) >= need) {
        return DiskAnswer::GoOn;
    }
    switch (ui.ShowDiskDialog()) {
    case DiskChoice::Cancel:
        return DiskAnswer::Cancel;
    case DiskChoice::Format:
        if (!mayFormat) {
            return DiskAnswer::CheckAgain;
        }
        switch (drives.Format(drive)) {
        case FormatResult::Cancelled:
            return DiskAnswer::Cancel;
        case FormatResult::NoTool:
            ui.ShowMessage(
                "No program to format disks was found.  Please format the disk with a tool of your "
                "choice and press OK when done.",
                MessageIcon::Information);
            break;
        case FormatResult::Formatted:
        case FormatResult::Failed:
            break;
        }
        return DiskAnswer::CheckAgain;
    case DiskChoice::NewDisk:
        ui.ShowMessage("Please insert a new disk and press OK when ready.", MessageIcon::Information);
        return DiskAnswer::CheckAgain;
    case DiskChoice::None:
        break;
    }
    return DiskAnswer::GoOn;
}

std::optional<std::string> LabelDisk(Drives& drives, const std::string& root, const std::string& label) {
    return drives.SetLabel(root, label);
}

} // namespace parvola
