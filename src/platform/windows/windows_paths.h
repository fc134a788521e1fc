// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/paths.h"

#include <string>

namespace parvola {

// The path of a known folder (a KNOWNFOLDERID such as FOLDERID_Profile); empty when the system has none.
std::string KnownFolder(const void* folderId);

class WindowsPaths final : public Paths {
public:
    WindowsPaths() = default;
    // A new folder named parvola-XXXXXX in the user's temporary folder (GetTempPathW), which lies in the
    // user's own profile and inherits its access rights.
    FileStatus MakeTempFolder(std::string& folder) override;
    // %LOCALAPPDATA%\Orvane\Parvola\locks, made when missing; the temporary folder when it cannot be.
    std::string LockFolder() override;
    // GetFullPathNameW: Windows resolves ".." by the text before it asks the file system, so this is the
    // file it would open.
    std::string Absolute(const std::string& path) override;
    std::string HomeFolder() override;
    std::string ShortPathName(const std::string& path) override;
};

} // namespace parvola
