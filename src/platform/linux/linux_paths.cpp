// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/linux_paths.h"

#include "platform/linux/os_error.h"
#include "platform/linux/posix_io.h"
#include "platform/path_text.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parvola {

namespace {

std::string AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

// $TMPDIR when it is absolute, else /tmp.
std::string TempBase() {
    const std::string tmpdir = AbsoluteVariable("TMPDIR");
    return WithoutTrailingSeparator(tmpdir.empty() ? "/tmp" : tmpdir);
}

} // namespace

std::string UserHomeFolder() {
    if (std::string home = AbsoluteVariable("HOME"); !home.empty()) {
        return home;
    }
    const struct passwd* entry = ::getpwuid(::geteuid());
    return entry && entry->pw_dir && entry->pw_dir[0] == '/' ? std::string(entry->pw_dir) : std::string();
}

std::string WhyUnsafeFolder(const std::string& folder) {
    const std::string resolved = RealPath(folder);
    if (resolved.empty()) {
        return folder + " cannot be found";
    }
    // Each folder on the way decides what may happen to the names inside it: "/", "/tmp", "/tmp/a" …
    std::vector<std::string> steps = {"/"};
    for (std::size_t slash = resolved.find('/', 1); resolved.size() > 1;
         slash = resolved.find('/', slash + 1)) {
        steps.push_back(resolved.substr(0, slash));
        if (slash == std::string::npos) {
            break;
        }
    }
    for (const std::string& step : steps) {
        struct stat info {};
        if (::lstat(step.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            return step + " is no folder";
        }
        if (info.st_uid != 0 && info.st_uid != ::geteuid()) {
            return step + " belongs to another user";
        }
        const bool othersWrite =
            (info.st_mode & S_IWOTH) != 0 || ((info.st_mode & S_IWGRP) != 0 && info.st_gid != ::getegid());
        if (othersWrite && (info.st_mode & S_ISVTX) == 0) {
            return step + " can be changed by other users";
        }
    }
    return {};
}

FileStatus LinuxPaths::MakeTempFolder(std::string& folder) {
    const std::string base = TempBase();
    // Until one is made, folder names where it was to be, so that a failure can say where.
    folder = base;
    if (RealPath(base).empty()) {
        return ErrorFromErrno(errno);
    }
    if (const std::string why = WhyUnsafeFolder(base); !why.empty()) {
        return FileError{ErrorNumber::PathFileAccess,
                         "The temporary folder " + base + " is not safe: " + why};
    }
    const std::string pattern = JoinPath(base, "parvola-XXXXXX");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp() makes the folder with mode 0700, so no other user can slip files into it.
    if (!::mkdtemp(name.data())) {
        return ErrorFromErrno(errno);
    }
    folder = std::string(name.data()) + "/";
    return std::nullopt;
}

std::string LinuxPaths::LockFolder() {
    const std::string runtime = WithoutTrailingSeparator(AbsoluteVariable("XDG_RUNTIME_DIR"));
    return !runtime.empty() && WhyUnsafeFolder(runtime).empty() ? runtime : TempBase();
}

std::string LinuxPaths::Absolute(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::string absolute = path;
    if (path[0] != '/') {
        absolute = JoinPath(RealPath("."), path);
    }
    const std::string name = LastName(absolute);
    // "." and ".." as the last name are folders to resolve as well.
    if (name == "." || name == "..") {
        const std::string folder = RealPath(absolute);
        return folder.empty() ? absolute : folder;
    }
    const std::string folder = RealPath(ParentFolder(absolute));
    return folder.empty() ? absolute : JoinPath(folder, name);
}

std::string LinuxPaths::ShortPathName(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::lstat(path.c_str(), &info) != 0) {
        return {};
    }
    return path;
}

} // namespace parvola
