// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <string>

namespace parvola {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

class Paths {
public:
    virtual ~Paths() = default;
    // Makes a folder private to this run for staging files, ending in the separator. Fails, saying why,
    // when none can be made or the place for it is one that other users could change; folder then names
    // the folder it was to be made in.
    virtual FileStatus MakeTempFolder(std::string& folder) = 0;
    // A folder shared by every run of this user, for locks on places that must not hold a lock file (a
    // removable disk could not be taken out while one is open on it).
    virtual std::string LockFolder() = 0;
    // The path made absolute against the working folder and its folder resolved as the system resolves
    // it (links and ".." followed), so that it names the file the system would open; the last name stays.
    virtual std::string Absolute(const std::string& path) = 0;
    // The user's home folder; empty when there is none.
    virtual std::string HomeFolder() = 0;
    // The short form of an existing path; the empty text when the path does not exist.
    virtual std::string ShortPathName(const std::string& path) = 0;
};

} // namespace parvola
