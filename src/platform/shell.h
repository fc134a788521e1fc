// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace parvola {

// The desktop around the program.
class Shell {
public:
    virtual ~Shell() = default;
    // The folder whose files the desktop shows.
    virtual std::string DesktopFolder() = 0;
    // Opens the folder in the desktop's file manager and returns without waiting for it; false when no
    // program could be started to show it.
    virtual bool OpenFolder(const std::string& folder) = 0;
    // Hands a web or "mailto:" address to the user's browser or mail program; not waited for. False when
    // no program could be started for it.
    virtual bool OpenUrl(const std::string& url) = 0;
};

} // namespace parvola
