#include "engine/removable_media.h"

namespace parvola {

std::int64_t GetFreeBytes(Drives& drives, const std::string& drive) {
    return drives.FreeBytes(drive);
}

std::string CheckDiskSpace(SplitUi& ui, Drives& drives, const std::string& drive, double need) {
    if (static_cast<double>(GetFreeBytes(drives, drive)) >= need) {
        return kDiskGoOn;
    }
    const std::string choice = ui.ShowDiskDialog();
    if (choice == "cancel") {
        return kDiskCancel;
    }
    if (choice == "format") {
        switch (drives.Format(drive)) {
        case FormatResult::Cancelled:
            return kDiskCancel;
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
        return kDiskCheckAgain;
    }
    if (choice == "new") {
        ui.ShowMessage("Please insert a new disk and press OK when ready.", MessageIcon::Information);
        return kDiskCheckAgain;
    }
    return kDiskGoOn;
}

std::string WaitForDiskSpace(SplitUi& ui, Drives& drives, const std::string& drive, double need) {
    std::string answer;
    do {
        answer = CheckDiskSpace(ui, drives, drive, need);
    } while (answer == kDiskCheckAgain);
    return answer;
}

std::optional<std::string> LabelDisk(Drives& drives, const std::string& root, const std::string& label) {
    return drives.SetLabel(root, label);
}

} // namespace parvola
