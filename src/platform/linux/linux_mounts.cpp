// SPDX-License-Identifier: GPL-3.0-or-later
// The mount table and the sysfs tree: which file system holds a path, where a drive's disk is mounted now,
// and what kind of device is behind it.
#include "platform/linux/linux_drives.h"

#include "platform/linux/posix_io.h"
#include "platform/path_text.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace parvola {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
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

struct Mount {
    std::string device; // MAJ:MIN
    std::string root;   // the folder of the file system mounted there
    std::string point;
    std::string type; // "vfat", "ext4", "fuseblk" …
};

std::vector<Mount> ReadMountInfo(const std::string& mountInfoPath) {
    std::vector<Mount> mounts;
    std::ifstream in(mountInfoPath);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id;
        std::string parent;
        Mount mount;
        if (fields >> id >> parent >> mount.device >> mount.root >> mount.point) {
            // The optional fields end with a lone "-"; the file system's type follows it.
            std::string field;
            while (fields >> field && field != "-") {
            }
            fields >> mount.type;
            mount.root = UnescapeMountPoint(mount.root);
            mount.point = UnescapeMountPoint(mount.point);
            mounts.push_back(std::move(mount));
        }
    }
    return mounts;
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

// The part of a block device's sysfs path that stays when another medium goes into the same drive: up to
// the SD/MMC host, or up to the SCSI host or block folder, which are numbered anew for each medium (a USB
// stick's port stays). Empty when the device has no sysfs entry.
std::string DriveIdentity(const std::string& sysfsRoot, const std::string& majorMinor) {
    const std::string root = RealPath(sysfsRoot);
    const std::string device = RealPath(sysfsRoot + "/dev/block/" + majorMinor);
    if (root.empty() || device.empty() || !StartsWith(device, root + "/")) {
        return {};
    }
    const std::string path = device.substr(root.size() + 1);
    // Loop and mapper devices have no port: cut short, they would all pass for one drive.
    if (StartsWith(path, "devices/virtual/")) {
        return path;
    }
    std::string identity;
    std::istringstream components(path);
    std::string component;
    while (std::getline(components, component, '/')) {
        if ((StartsWith(component, "host") && AllDigits(component, 4)) || component == "block") {
            break;
        }
        identity += (identity.empty() ? "" : "/") + component;
        if (StartsWith(component, "mmc") && AllDigits(component, 3)) {
            break;
        }
    }
    return identity;
}

bool ReadsOne(const std::string& path) {
    std::ifstream in(path);
    char first = '\0';
    return in.get(first) && first == '1';
}

} // namespace

std::string DefaultSysfsRoot() {
    const char* root = std::getenv("PARVOLA_SYSFS_ROOT");
    return root && *root ? std::string(root) : std::string("/sys");
}

DriveType ClassifyBlockDevice(const std::string& sysfsRoot, unsigned major, unsigned minor) {
    const std::string root = RealPath(sysfsRoot);
    const std::string device =
        RealPath(sysfsRoot + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor));
    if (root.empty() || device.empty() || !StartsWith(device, root + "/")) {
        return DriveType::Fixed;
    }
    const std::string disk = IsFile(device + "/partition") ? ParentFolder(device) : device;
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

std::string LinuxDrives::DriveOf(const std::string& path) {
    std::string folder = path.empty() ? "." : path;
    while (!IsFolder(folder)) {
        if (folder == "/" || folder == ".") {
            return "/";
        }
        folder = ParentFolder(folder);
    }
    const std::string resolved = RealPath(folder);
    if (resolved.empty()) {
        return "/";
    }
    std::string best;
    for (const Mount& mount : ReadMountInfo(m_mountInfoPath)) {
        if (Contains(mount.point, resolved) && mount.point.size() >= best.size()) {
            best = mount.point;
        }
    }
    if (best.empty() || best == "/") {
        return "/";
    }
    return best + "/";
}

std::string LinuxDrives::ShownLabel(const std::string&) {
    return {};
}

std::vector<std::string> LinuxDrives::Volumes() {
    // Only what the kernel's table says is mounted: an empty folder left there (Debian's /media/cdrom0) is
    // no volume. Reading the table touches no mounted file system, so a network mount that stopped
    // answering cannot stall the caller.
    std::set<std::string> mounted;
    for (const Mount& mount : ReadMountInfo(m_mountInfoPath)) {
        mounted.insert(mount.point);
    }
    const struct passwd* entry = ::getpwuid(::geteuid());
    const std::string user = entry && entry->pw_name ? entry->pw_name : "";
    std::vector<std::string> volumes;
    for (const std::string& base :
         {"/media/" + user, std::string("/media"), "/run/media/" + user, std::string("/mnt")}) {
        std::set<std::string> inBase; // by name
        for (const std::string& point : mounted) {
            if (ParentFolder(point) == base && point != base &&
                std::find(volumes.begin(), volumes.end(), point) == volumes.end()) {
                inBase.insert(point);
            }
        }
        volumes.insert(volumes.end(), inBase.begin(), inBase.end());
    }
    return volumes;
}

DriveType LinuxDrives::TypeOf(const std::string& drive) {
    // The engine asks this while the first disk is surely in: a swap before the first copy still finds
    // the drive.
    RememberedIdentity(WithoutTrailingSeparator(drive));
    struct stat info {};
    if (::stat(drive.c_str(), &info) != 0) {
        return DriveType::Fixed;
    }
    return ClassifyBlockDevice(m_sysfsRoot, major(info.st_dev), minor(info.st_dev));
}

std::string LinuxDrives::TypeAt(const std::string& drive) const {
    const std::string point = WithoutTrailingSeparator(drive);
    std::string type;
    // A later line at the same place stacks on the earlier ones: it is what is seen there.
    for (const Mount& mount : ReadMountInfo(m_mountInfoPath)) {
        if (mount.point == point) {
            type = mount.type;
        }
    }
    return type;
}

std::string LinuxDrives::RememberedIdentity(const std::string& mountPoint) {
    const auto known = m_identities.find(mountPoint);
    if (known != m_identities.end()) {
        return known->second;
    }
    std::string identity;
    for (const Mount& mount : ReadMountInfo(m_mountInfoPath)) {
        if (mount.point == mountPoint) {
            identity = DriveIdentity(m_sysfsRoot, mount.device);
        }
    }
    if (!identity.empty()) {
        m_identities.emplace(mountPoint, identity);
    }
    return identity;
}

std::string LinuxDrives::CurrentMount(const std::string& drive) {
    const std::string point = WithoutTrailingSeparator(drive);
    const std::string identity = RememberedIdentity(point);
    // A later line at the same place stacks on the earlier ones: it is what is seen there.
    std::map<std::string, Mount> mounts;
    for (Mount& mount : ReadMountInfo(m_mountInfoPath)) {
        mounts[mount.point] = std::move(mount);
    }
    const auto here = mounts.find(point);
    if (identity.empty()) {
        return here != mounts.end() ? drive : std::string();
    }
    if (here != mounts.end() && DriveIdentity(m_sysfsRoot, here->second.device) == identity) {
        return drive;
    }
    std::string found;
    for (const auto& [mountPoint, mount] : mounts) {
        // A folder of the disk mounted somewhere else is not where the disk is.
        if (mount.root == "/" && DriveIdentity(m_sysfsRoot, mount.device) == identity) {
            if (!found.empty()) {
                return {};
            }
            found = mountPoint;
        }
    }
    if (found.empty() || found == "/") {
        return found;
    }
    return found + "/";
}

} // namespace parvola
