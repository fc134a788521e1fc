// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string>

namespace parvola {

// The system's choosers of a file and of a folder, which tests answer in the user's place.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // A modal chooser of one existing file over owner, opened at folder (empty: where the system likes),
    // showing pieces and batch files first; the path chosen, empty on Cancel.
    virtual std::string ChooseFile(HWND owner, const std::string& caption, const std::string& folder) = 0;
    // A modal chooser of a folder over owner, opened at folder; the folder chosen, empty on Cancel.
    virtual std::string ChooseFolder(HWND owner, const std::string& caption, const std::string& folder) = 0;
};

// Through IFileOpenDialog, on a thread whose COM is apartment-threaded.
class SystemFileDialogs final : public FileDialogs {
public:
    std::string ChooseFile(HWND owner, const std::string& caption, const std::string& folder) override;
    std::string ChooseFolder(HWND owner, const std::string& caption, const std::string& folder) override;
};

} // namespace parvola
