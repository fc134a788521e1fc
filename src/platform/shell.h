#pragma once

#include <string>

namespace parvola {

// The desktop around the program.
class Shell {
public:
    virtual ~Shell() = default;
    // The folder whose files the desktop shows.
    virtual std::string DesktopFolder() = 0;
    // Opens the folder in the desktop's file manager and returns without waiting for it.
    virtual void OpenFolder(const std::string& folder) = 0;
};

} // namespace parvola
