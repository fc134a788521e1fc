#include "platform/linux/linux_drives.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>

namespace parvola {

namespace {

// realpath() as a string; empty when the path cannot be resolved.
std::string Resolve(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) {
        return {};
    }
    std::string result(resolved);
    std::free(resolved);
    return result;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The folder holding path, lexically: "a/b" -> "a", "/a" -> "/", "a" -> ".".
std::string ParentOf(const std::string& path) {
    const std::size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) {
        return "/";
    }
    const std::size_t slash = path.rfind('/', end);
    if (slash == std::string::npos) {
        return ".";
    }
    const std::size_t parentEnd = path.find_last_not_of('/', slash);
    return parentEnd == std::string::npos ? "/" : path.substr(0, parentEnd + 1);
}

// The kernel writes space, tab, newline and backslash in mount points as three-digit octal escapes.
std::string UnescapeMountPoint(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '3' &&
            text[i + 2] >= '0' && text[i + 2] <= '7' && text[i + 3] >= '0' && text[i + 3] <= '7') {
            result +=
                static_cast<char>((text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 + (text[i + 3] - '0'));
            i += 3;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::vector<std::string> MountPoints(const std::string& mountInfoPath) {
    std::vector<std::string> points;
    std::ifstream in(mountInfoPath);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string field;
        for (int i = 0; i < 5 && fields >> field; ++i) {
        }
        if (fields) {
            points.push_back(UnescapeMountPoint(field));
        }
    }
    return points;
}

bool Contains(const std::string& mountPoint, const std::string& path) {
    if (mountPoint == "/") {
        return true;
    }
    return path.compare(0, mountPoint.size(), mountPoint) == 0 &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

bool AllDigits(const std::string& text, std::size_t from) {
    if (from >= text.size()) {
        return false;
    }
    for (std::size_t i = from; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return false;
        }
    }
    return true;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// USB port paths ("1-1", "1-1.2", "1-1:1.0") always sit below a usbN root hub, so the hub alone decides.
bool IsHotPluggableBus(const std::string& component) {
    if (StartsWith(component, "usb") && AllDigits(component, 3)) {
        return true;
    }
    if (StartsWith(component, "mmc") || StartsWith(component, "firewire")) {
        return true;
    }
    return StartsWith(component, "fw") && component.size() > 2 &&
           std::isdigit(static_cast<unsigned char>(component[2]));
}

bool ReadsOne(const std::string& path) {
    std::ifstream in(path);
    char first = '\0';
    return in.get(first) && first == '1';
}

} // namespace

DriveType ClassifyBlockDevice(const std::string& sysfsRoot, unsigned major, unsigned minor) {
    const std::string root = Resolve(sysfsRoot);
    const std::string device =
        Resolve(sysfsRoot + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor));
    if (root.empty() || device.empty() || !StartsWith(device, root + "/")) {
        return DriveType::Fixed;
    }
    const std::string disk = IsFile(device + "/partition") ? ParentOf(device) : device;
    if (ReadsOne(disk + "/removable")) {
        return DriveType::Removable;
    }
    std::istringstream components(device.substr(root.size() + 1));
    std::string component;
    while (std::getline(components, component, '/')) {
        if (IsHotPluggableBus(component)) {
            return DriveType::Removable;
        }
    }
    return DriveType::Fixed;
}

LinuxDrives::LinuxDrives(std::string sysfsRoot, std::string mountInfoPath)
    : m_sysfsRoot(std::move(sysfsRoot)), m_mountInfoPath(std::move(mountInfoPath)) {}

std::string LinuxDrives::DriveOf(const std::string& path) {
    std::string folder = path.empty() ? "." : path;
    while (!IsFolder(folder)) {
        if (folder == "/" || folder == ".") {
            return "/";
        }
        folder = ParentOf(folder);
    }
    const std::string resolved = Resolve(folder);
    if (resolved.empty()) {
        return "/";
    }
    std::string best;
    for (const std::string& mountPoint : MountPoints(m_mountInfoPath)) {
        if (Contains(mountPoint, resolved) && mountPoint.size() >= best.size()) {
            best = mountPoint;
        }
    }
    if (best.empty() || best == "/") {
        return "/";
    }
    return best + "/";
}

DriveType LinuxDrives::TypeOf(const std::string& drive) {
    struct stat info {};
    if (::stat(drive.c_str(), &info) != 0) {
        return DriveType::Fixed;
    }
    return ClassifyBlockDevice(m_sysfsRoot, major(info.st_dev), minor(info.st_dev));
}

} // namespace parvola
