// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/file_list.h"

#include "forms/folder_listing.h"

namespace parvola {

FileList::FileList(wingui::Window& parent, FileSystem& files, std::function<void()> onClick)
    : m_files(files),
      m_box(std::make_unique<wingui::ListBox>(parent, wingui::ListBoxArgs{std::move(onClick)})) {}

bool FileList::SetPath(const std::string& folder) {
    const auto names = MatchingFiles(m_files, folder, m_pattern);
    if (!names) {
        return false;
    }
    m_path = folder;
    m_box->SetItems(*names);
    return true;
}

void FileList::SetPattern(const std::string& pattern) {
    m_pattern = pattern;
    Refresh();
}

void FileList::Refresh() {
    if (const auto names = MatchingFiles(m_files, m_path, m_pattern)) {
        m_box->SetItems(*names);
    }
}

std::string FileList::FileName() const {
    const int chosen = m_box->Selected();
    return chosen < 0 ? std::string() : m_box->Item(chosen);
}

} // namespace parvola
