#include "platform/linux/linux_paths.h"

#include <cstdlib>
#include <vector>

#include <sys/stat.h>

namespace parvola {

std::string LinuxPaths::TempFolder() {
    std::string base = "/tmp";
    if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir && tmpdir[0] == '/') {
        base = tmpdir;
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    const std::string pattern = (base == "/" ? "" : base) + "/parvola-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp() makes the folder with mode 0700, so no other user can slip files into it.
    if (!::mkdtemp(name.data())) {
        return {};
    }
    return std::string(name.data()) + "/";
}

std::string LinuxPaths::ShortPathName(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::lstat(path.c_str(), &info) != 0) {
        return {};
    }
    return path;
}

} // namespace parvola
