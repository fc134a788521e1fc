// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/folder_tree_model.h"

#include "platform/path_text.h"
#include "ui_win32/wingui/text.h"

#include <windows.h>

namespace parvola {

namespace {

using wingui::Wide;

bool IsDriveRoot(const std::string& path) {
    return path.size() == 3 && path[1] == ':' && path[2] == '\\';
}

} // namespace

FolderTreeModel::FolderTreeModel(Platform& platform, std::string desktopFolder)
    : m_platform(platform), m_desktopFolder(std::move(desktopFolder)) {}

std::vector<wingui::TreeEntry> FolderTreeModel::Children(const std::string& key) {
    std::vector<wingui::TreeEntry> entries;
    if (key.empty()) {
        for (const TreeRoot& top : TopEntries(m_desktopFolder)) {
            entries.push_back(
                {top.name, top.name, top.kind == TreeRoot::Kind::Computer || !top.path.empty()});
        }
        return entries;
    }
    if (key == kComputerName) {
        Drives& drives = m_platform.drives;
        const auto labelOf = [&drives](const std::string& drive) { return drives.ShownLabel(drive); };
        for (const TreeRoot& drive : ComputerEntries({}, drives.Volumes(), labelOf)) {
            entries.push_back({drive.path, drive.name, true});
        }
        return entries;
    }
    const std::string folder = key == kDesktopName ? m_desktopFolder : key;
    for (const std::string& name :
         ShownSubfolders(m_platform.files, folder).value_or(std::vector<std::string>())) {
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
