// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shell.h"

namespace parvola {

class WindowsShell final : public Shell {
public:
    WindowsShell() = default;
    // The user's desktop folder (FOLDERID_Desktop), or the profile folder when the system has none.
    std::string DesktopFolder() override;
    // Both through ShellExecuteW, which hands them to Explorer or the user's chosen program.
    bool OpenFolder(const std::string& folder) override;
    bool OpenUrl(const std::string& url) override;
};

} // namespace parvola
