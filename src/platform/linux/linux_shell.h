// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shell.h"

namespace parvola {

class LinuxShell final : public Shell {
public:
    // The XDG desktop folder, or the home folder where that folder does not exist.
    std::string DesktopFolder() override;
    bool OpenFolder(const std::string& folder) override;
    bool OpenUrl(const std::string& url) override;
};

} // namespace parvola
