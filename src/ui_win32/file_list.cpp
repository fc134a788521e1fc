// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/file_list.h"

#include "forms/file_pattern.h"
#include "platform/path_text.h"
#include "ui_win32/name_order.h"
#include "ui_win32/wingui/text.h"

#include <windows.h>

#include <shlwapi.h>

namespace parvola {

namespace {

using wingui::Narrow;
using wingui::Wide;

// The patterns of a list such as "*.dat; *.txt", without their blanks.
std::vector<std::wstring> EachPattern(const std::string& pattern) {
    std::vector<std::wstring> wildcards;
    std::string one;
    for (const char c : pattern + ";") {
        if (c == ';' || c == ',') {
            const auto first = one.find_first_not_of(" \t");
            if (first != std::string::npos) {
                wildcards.push_back(Wide(one.substr(first, one.find_last_not_of(" \t") - first + 1)));
            }
            one.clear();
        } else {
            one += c;
        }
    }
    return wildcards;
}

// Wildcards as the system's file dialogs take them: any case, and "*.*" also for a name without a dot.
bool Matches(const std::vector<std::wstring>& wildcards, const std::wstring& name) {
    if (wildcards.empty()) {
        return true;
    }
    for (const std::wstring& one : wildcards) {
        if (PathMatchSpecW(name.c_str(), one.c_str())) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<std::vector<std::string>> MatchingFiles(const std::string& folder, const std::string& pattern) {
    if (folder.empty()) {
        return std::nullopt; // an empty path would list the working folder
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW(Wide(JoinPath(folder, "*")).c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const std::vector<std::wstring> wildcards = EachPattern(pattern);
    const bool dotNames = ShowsHiddenNames(pattern);
    std::vector<std::string> names;
    do {
        const std::wstring name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (dotNames || name[0] != L'.') &&
            Matches(wildcards, name)) {
            names.push_back(Narrow(name));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    SortNames(names);
    return names;
}

FileList::FileList(wingui::Window& parent, std::function<void()> onClick)
    : m_box(std::make_unique<wingui::ListBox>(parent, wingui::ListBoxArgs{std::move(onClick)})) {}

bool FileList::SetPath(const std::string& folder) {
    const auto names = MatchingFiles(folder, m_pattern);
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
    if (const auto names = MatchingFiles(m_path, m_pattern)) {
        m_box->SetItems(*names);
    }
}

std::string FileList::FileName() const {
    const int chosen = m_box->Selected();
    return chosen < 0 ? std::string() : m_box->Item(chosen);
}

} // namespace parvola
