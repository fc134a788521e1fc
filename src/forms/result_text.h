// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "platform/file_system.h"
#include "platform/shell.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace parvola {

// What a completed split made and where, the line under "Completed splitting files.":
// "8 pieces, the batch file and Readme.txt are in ~/uploads."
std::string ResultText(std::int64_t pieces, bool readme, bool checksum, const std::string& shownFolder);

// What a cancelled split took back: the pieces and files it wrote into the folder, or, on removable disks,
// those staged for them (what already went onto a disk stays there). The source is kept either way.
std::string CancelledText(const std::string& fileName, const std::string& shownFolder, bool removable);

// The folder cannot be opened in a file manager, told instead of failing silently.
std::string FolderNotOpenedText(const std::string& folder);
// When the desktop has nothing that shows folders.
std::string NoFileManagerText(const std::string& folder);

// The result box's "Open Folder": shows folder in the file manager, or tells the user why it could not.
void OpenFolderOrTell(FileSystem& files, Shell& shell, SplitUi& ui, const std::string& folder);

// A job's end is also told on the desktop when the user has turned to another window during a long job.
bool NotifiesAtEnd(bool windowActive, std::chrono::steady_clock::duration took);

} // namespace parvola
