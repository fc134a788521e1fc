// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"
#include "ui_win32/wingui/control.h"

#include <memory>
#include <string>

namespace parvola {

// The files of one folder that match a pattern, hidden and system files among them.
class FileList {
public:
    FileList(wingui::Window& parent, FileSystem& files, std::function<void()> onClick);

    wingui::ListBox& box() { return *m_box; }
    // Lists the folder. False, leaving the list as it was, for a folder that cannot be listed.
    bool SetPath(const std::string& folder);
    const std::string& Path() const { return m_path; }
    // Patterns such as "*.*", separated by ";" or ","; the empty pattern lists every file.
    void SetPattern(const std::string& pattern);
    const std::string& Pattern() const { return m_pattern; }
    // Reads the folder again.
    void Refresh();
    // The chosen entry's name; empty when none is chosen.
    std::string FileName() const;

private:
    FileSystem& m_files;
    std::unique_ptr<wingui::ListBox> m_box;
    std::string m_path;
    std::string m_pattern;
};

} // namespace parvola
