// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/result_text.h"

#include "engine/readme_file.h"

#include <vector>

namespace parvola {

std::string ResultText(std::int64_t pieces, bool readme, bool checksum, const std::string& shownFolder) {
    std::vector<std::string> made = {
        pieces == 1 ? std::string("1 piece") : std::to_string(pieces) + " pieces", "the batch file"};
    if (readme) {
        made.emplace_back(kReadmeName);
    }
    if (checksum) {
        made.emplace_back("the checksum file");
    }
    std::string text = made.front();
    for (std::size_t i = 1; i < made.size(); ++i) {
        text += (i + 1 == made.size() ? " and " : ", ") + made[i];
    }
    return text + " are in " + shownFolder + ".";
}

std::string CancelledText(const std::string& fileName, const std::string& shownFolder, bool removable) {
    if (removable) {
        return "Split cancelled: the pieces waiting for their disks were removed; pieces already copied to "
               "disks stay there. " +
               fileName + " is unchanged.";
    }
    return "Split cancelled: the pieces and files it had written in " + shownFolder + " were removed. " +
           fileName + " is unchanged.";
}

std::string FolderNotOpenedText(const std::string& folder) {
    return "The folder " + folder + " cannot be opened: it no longer exists.";
}

std::string NoFileManagerText(const std::string& folder) {
    return "No file manager could be started to show the folder " + folder + ".";
}

bool NotifiesAtEnd(bool windowActive, std::chrono::steady_clock::duration took) {
    return !windowActive && took > std::chrono::seconds(10);
}

void OpenFolderOrTell(FileSystem& files, Shell& shell, SplitUi& ui, const std::string& folder) {
    if (!files.Inspect(folder, true)) {
        ui.ShowMessage(FolderNotOpenedText(folder), MessageIcon::Exclamation);
    } else if (!shell.OpenFolder(folder)) {
        ui.ShowMessage(NoFileManagerText(folder), MessageIcon::Exclamation);
    }
}

} // namespace parvola
