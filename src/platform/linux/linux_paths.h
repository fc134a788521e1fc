// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/paths.h"

#include <string>

namespace parvola {

// $HOME when it is an absolute path, else the home folder of the user's passwd entry; empty when there
// is neither.
std::string UserHomeFolder();

// Why folder, an absolute path, is no safe place for files of this user: a folder on the way to it that
// another user owns, or that others may write to without the sticky bit that keeps them from renaming
// what is not theirs. Empty when it is safe.
std::string WhyUnsafeFolder(const std::string& folder);

class LinuxPaths final : public Paths {
public:
    // A new folder, readable by this user only, under $TMPDIR when that is absolute, else under /tmp.
    FileStatus MakeTempFolder(std::string& folder) override;
    // $XDG_RUNTIME_DIR when it is set and safe, else the folder that holds the temporary folders.
    std::string LockFolder() override;
    std::string Absolute(const std::string& path) override;
    std::string HomeFolder() override { return UserHomeFolder(); }
    // Linux has no short names: an existing path is its own short form.
    std::string ShortPathName(const std::string& path) override;
};

} // namespace parvola
