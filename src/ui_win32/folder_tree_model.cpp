// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/folder_tree_model.h"

#include "platform/path_text.h"
#include "ui_win32/name_order.h"
#include "ui_win32/wingui/text.h"

#include <windows.h>

namespace parvola {

namespace {

using wingui::Narrow;
using wingui::Wide;

bool IsDriveRoot(const std::string& path) {
    return path.size() == 3 && path[1] == ':' && path[2] == '\\';
}

// Hidden folders stay out, as Explorer leaves them out.
std::vector<std::string> Subfolders(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const std::wstring pattern = Wide(JoinPath(folder, "*"));
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchLimitToDirectories,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        const bool folderEntry = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        const bool hidden = found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN;
        if (folderEntry && !hidden && name != L"." && name != L"..") {
            names.push_back(Narrow(name));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    SortNames(names);
    return names;
}

// "C:", or "System (C:)" for a drive with a label. Only drives that answer at once are asked for one: a
// diskette drive would spin up, or ask for a disk.
std::string DriveText(const std::string& root) {
    const std::string letter = root.substr(0, 2);
    const UINT type = GetDriveTypeW(Wide(root).c_str());
    wchar_t label[MAX_PATH + 1] = {};
    if ((type == DRIVE_FIXED || type == DRIVE_RAMDISK) &&
        GetVolumeInformationW(Wide(root).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr,
                              0) &&
        label[0]) {
        return Narrow(label) + " (" + letter + ")";
    }
    return letter;
}

std::vector<std::string> DriveRoots() {
    std::vector<std::string> roots;
    wchar_t buffer[4 * 26 + 1] = {};
    const DWORD length = GetLogicalDriveStringsW(4 * 26, buffer);
    for (const wchar_t* root = buffer; root < buffer + length && *root; root += wcslen(root) + 1) {
        roots.push_back(Narrow(root));
    }
    return roots;
}

} // namespace

FolderTreeModel::FolderTreeModel(std::string desktopFolder) : m_desktopFolder(std::move(desktopFolder)) {}

std::vector<wingui::TreeEntry> FolderTreeModel::Children(const std::string& key) {
    std::vector<wingui::TreeEntry> entries;
    if (key.empty()) {
        entries.push_back({kDesktopName, kDesktopName, !m_desktopFolder.empty()});
        entries.push_back({kComputerName, kComputerName, true});
        return entries;
    }
    if (key == kComputerName) {
        for (const std::string& root : DriveRoots()) {
            entries.push_back({root, DriveText(root), true});
        }
        return entries;
    }
    const std::string folder = key == kDesktopName ? m_desktopFolder : key;
    for (const std::string& name : Subfolders(folder)) {
        entries.push_back({JoinPath(folder, name), name, true});
    }
    return entries;
}

bool FolderTreeModel::SameKey(const std::string& a, const std::string& b) const {
    const std::wstring wideA = Wide(a);
    const std::wstring wideB = Wide(b);
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

std::vector<std::string> FolderTreeModel::PathTo(const std::string& path) {
    if (path == kDesktopName || path == kComputerName) {
        return {path};
    }
    std::string rest = path;
    for (char& c : rest) {
        c = c == '/' ? '\\' : c;
    }
    if (rest.size() < 3 || rest[1] != ':' || rest[2] != '\\') {
        return {}; // neither a drive's folder nor one of the top entries
    }
    if (!IsDriveRoot(rest)) {
        rest = WithoutTrailingSeparator(rest);
    }
    std::vector<std::string> chain{kComputerName, rest.substr(0, 3)};
    for (std::size_t end = rest.find('\\', 3); rest.size() > 3; end = rest.find('\\', end + 1)) {
        chain.push_back(rest.substr(0, end));
        if (end == std::string::npos) {
            break;
        }
    }
    return chain;
}

} // namespace parvola
