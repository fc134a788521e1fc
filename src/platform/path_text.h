// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/paths.h"

#include <string>

namespace parvola {

// Paths as text, the same in every layer: no file system is asked. A root is "/" on Linux; on Windows a
// drive's "C:\", a share's "\\server\share\" and the current drive's "\". "C:" is no root: it names the
// current folder of drive C.

// How many bytes at the start of path name its root; 0 for a relative path.
inline std::size_t RootLength(const std::string& path) {
#ifdef _WIN32
    if (path.size() >= 3 && path[1] == ':' && path[2] == kPathSeparator) {
        return 3;
    }
    if (path.rfind("\\\\", 0) == 0) {
        const std::size_t server = path.find(kPathSeparator, 2);
        const std::size_t share =
            server == std::string::npos ? server : path.find(kPathSeparator, server + 1);
        return share == std::string::npos ? path.size() : share + 1;
    }
#endif
    return !path.empty() && path[0] == kPathSeparator ? 1 : 0;
}

// path without the separators at its end; a root stays as it is.
inline std::string WithoutTrailingSeparator(const std::string& path) {
    const std::size_t root = RootLength(path);
    std::size_t end = path.size();
    while (end > root && path[end - 1] == kPathSeparator) {
        --end;
    }
    return path.substr(0, end);
}

// The last name in path, separators at its end aside: "/a/b/" and "b" give "b", a root gives itself.
inline std::string LastName(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    const std::size_t separator = trimmed.rfind(kPathSeparator);
    return separator == std::string::npos || trimmed.size() <= RootLength(trimmed)
               ? trimmed
               : trimmed.substr(separator + 1);
}

// The folder holding path: "/a/b" gives "/a", "/a" the root, "a" the working folder ".", a root itself.
inline std::string ParentFolder(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparator(path);
    const std::size_t root = RootLength(trimmed);
    const std::size_t separator = trimmed.rfind(kPathSeparator);
    if (root > 0 && (trimmed.size() <= root || separator < root)) {
        return trimmed.substr(0, root);
    }
    if (separator == std::string::npos) {
        return trimmed.empty() ? trimmed : ".";
    }
    return WithoutTrailingSeparator(trimmed.substr(0, separator));
}

// folder and name joined by one separator; an empty folder stands for the root.
inline std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == kPathSeparator) {
        return folder + name;
    }
    return folder + kPathSeparator + name;
}

} // namespace parvola
