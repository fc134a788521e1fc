// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/folder_listing.h"
#include "platform/platform.h"
#include "ui_win32/wingui/tree_view.h"

namespace parvola {

// The names of the two entries at the top, which are no folders.
inline constexpr const char* kDesktopName = kDesktopEntry;
inline constexpr const char* kComputerName = kComputerEntry;

// The folders the two trees show: "Desktop" with the desktop folder's folders, then "My Computer" with
// the drives and their folders. A folder's key is its path; a drive root ends in a backslash.
class FolderTreeModel final : public wingui::TreeModel {
public:
    FolderTreeModel(Platform& platform, std::string desktopFolder);

    std::vector<wingui::TreeEntry> Children(const std::string& key) override;
    bool SameKey(const std::string& a, const std::string& b) const override;

    // The keys from a top entry down to path: a folder's path, "Desktop" or "My Computer". Empty for a
    // path no entry can stand for.
    static std::vector<std::string> PathTo(const std::string& path);
    const std::string& desktopFolder() const { return m_desktopFolder; }

private:
    Platform& m_platform;
    std::string m_desktopFolder;
};

} // namespace parvola
