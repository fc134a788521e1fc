// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/paths.h"

#include <string>

namespace parvola {

// Paths as text, the same in every layer: no file system is asked. A root is its separator alone ("/").

// path without the separators at its end; a root stays as it is.
inline std::string WithoutTrailingSeparator(const std::string& path) {
    const std::size_t end = path.find_last_not_of(kPathSeparator);
    return end == std::string::npos ? path.substr(0, 1) : path.substr(0, end + 1);
}

// The last name in path, separators at its end aside: "/a/b/" and "b" give "b", a root gives itself.
inline std::string LastName(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    const std::size_t separator = trimmed.rfind(kPathSeparator);
    return separator == std::string::npos || trimmed.size() == 1 ? trimmed : trimmed.substr(separator + 1);
}

// The folder holding path: "/a/b" gives "/a", "/a" the root, "a" the working folder ".", a root itself.
inline std::string ParentFolder(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    const std::size_t separator = trimmed.rfind(kPathSeparator);
    if (separator == std::string::npos) {
        return trimmed.empty() ? trimmed : ".";
    }
    return separator == 0 ? trimmed.substr(0, 1) : WithoutTrailingSeparator(trimmed.substr(0, separator));
}

// folder and name joined by one separator; an empty folder stands for the root.
inline std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == kPathSeparator) {
        return folder + name;
    }
    return folder + kPathSeparator + name;
}

} // namespace parvola
