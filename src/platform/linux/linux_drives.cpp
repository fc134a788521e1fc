#include "platform/linux/linux_drives.h"

#include "platform/linux/posix_io.h"
#include "platform/path_text.h"

#include "platform/linux/os_error.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QVariantMap>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <unistd.h>

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
    const std::string root = Resolve(sysfsRoot);
    const std::string device = Resolve(sysfsRoot + "/dev/block/" + majorMinor);
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

constexpr std::size_t kCopyBufferSize = std::size_t{1} << 20;
// Nobody is asked anything, so a UDisks2 that takes longer is stuck; it must not hold the split up.
constexpr int kSetLabelTimeoutMs = 30000;

using CopyProgress = std::function<bool(std::int64_t, std::int64_t)>;

// Hands the bytes from offset on to the disk and waits for those before it, so that progress counts what
// reached the medium: else it would race through the page cache and the final flush would take all the
// time. A write error is reported once only, here or by fsync, so it must not be dropped.
FileStatus WriteBehind(int fd, std::int64_t& settled, std::int64_t offset, std::int64_t length,
                       bool& supported) {
    constexpr unsigned kWait =
        SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;
    // A length of 0 would mean up to the end of the file.
    if (supported && (::sync_file_range(fd, offset, length, SYNC_FILE_RANGE_WRITE) != 0 ||
                      (offset > settled && ::sync_file_range(fd, settled, offset - settled, kWait) != 0))) {
        // Not a regular file: the flush at the end has to do.
        if (errno != ESPIPE && errno != EINVAL) {
            return ErrorFromErrno(errno);
        }
        supported = false;
    }
    settled = offset;
    return std::nullopt;
}

// Copies everything from in to out and waits until it is on the medium. syncfs as well as fsync, because
// the file's folder entry and the file system's own records must reach the disk too before it is pulled.
FileStatus CopyAndFlush(int in, int out, const CopyProgress& progress) {
    struct stat info {};
    if (::fstat(in, &info) != 0) {
        return ErrorFromErrno(errno);
    }
    const std::int64_t total = info.st_size;
    const std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBufferSize]);
    if (!buffer) {
        return ErrorFromErrno(ENOMEM);
    }
    if (progress) {
        progress(0, total);
    }
    std::int64_t copied = 0;
    std::int64_t settled = 0;
    bool writeBehind = true;
    for (;;) {
        const long got = ReadSome(in, buffer.get(), kCopyBufferSize);
        if (got < 0) {
            return ErrorFromErrno(errno);
        }
        if (got == 0) {
            break;
        }
        if (FileStatus status = WriteAll(out, buffer.get(), static_cast<std::size_t>(got))) {
            return status;
        }
        if (FileStatus status = WriteBehind(out, settled, copied, got, writeBehind)) {
            return status;
        }
        copied += got;
        if (progress && !progress(copied, total)) {
            return FileError{ErrorNumber::UserInterrupt, "User interrupt occurred"};
        }
    }
    if (::fsync(out) != 0 || ::syncfs(out) != 0) {
        return ErrorFromErrno(errno);
    }
    return std::nullopt;
}

} // namespace

std::string UDisksBlockObjectPath(const std::string& deviceName) {
    std::string path = "/org/freedesktop/UDisks2/block_devices/";
    for (const char c : deviceName) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            path += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "_%02x", static_cast<unsigned char>(c));
            path += escaped;
        }
    }
    return path;
}

std::string DefaultSysfsRoot() {
    const char* root = std::getenv("PARVOLA_SYSFS_ROOT");
    return root && *root ? std::string(root) : std::string("/sys");
}

DriveType ClassifyBlockDevice(const std::string& sysfsRoot, unsigned major, unsigned minor) {
    const std::string root = Resolve(sysfsRoot);
    const std::string device =
        Resolve(sysfsRoot + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor));
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

LinuxDrives::LinuxDrives(std::string sysfsRoot, std::string mountInfoPath)
    : m_sysfsRoot(std::move(sysfsRoot)), m_mountInfoPath(std::move(mountInfoPath)) {}

std::string LinuxDrives::DriveOf(const std::string& path) {
    std::string folder = path.empty() ? "." : path;
    while (!IsFolder(folder)) {
        if (folder == "/" || folder == ".") {
            return "/";
        }
        folder = ParentFolder(folder);
    }
    const std::string resolved = Resolve(folder);
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
    for (const std::string& base : {"/media/" + user, std::string("/media"), "/run/media/" + user,
                                    std::string("/mnt")}) {
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

std::int64_t LinuxDrives::FreeBytes(const std::string& drive) {
    struct statvfs info {};
    if (::statvfs(drive.c_str(), &info) != 0) {
        return 0;
    }
    return static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
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

std::int64_t LinuxDrives::SpaceFor(const std::string& drive, std::int64_t length) {
    struct statvfs info {};
    const std::int64_t unit = ::statvfs(drive.c_str(), &info) == 0 && info.f_frsize > 0
                                  ? static_cast<std::int64_t>(info.f_frsize)
                                  : 4096;
    const std::int64_t blocks = (length + unit - 1) / unit;
    const std::string type = TypeAt(drive);
    // FAT, exFAT and the like keep their allocation tables apart: a file takes its clusters only.
    if (type.rfind("ext", 0) != 0) {
        return blocks * unit;
    }
    // Block-mapped ext2 and ext3 files need indirect blocks past their first 12 blocks: one per
    // unit/4 blocks, with a block above those past the first level, and so on. ext4's extents need
    // fewer; counting them the same errs on the safe side.
    const std::int64_t perBlock = unit / 4;
    std::int64_t rest = blocks - 12;
    std::int64_t mapping = 0;
    for (std::int64_t reach = perBlock, level = 1; rest > 0 && level <= 3; reach *= perBlock, ++level) {
        const std::int64_t covered = std::min(rest, reach);
        // The blocks of each level below the top one, and the top one itself.
        for (std::int64_t span = covered, l = 1; l < level; ++l) {
            span = (span + perBlock - 1) / perBlock;
            mapping += span;
        }
        mapping += 1;
        rest -= covered;
    }
    return (blocks + mapping) * unit;
}

DriveLimits LinuxDrives::Limits(const std::string& drive) {
    DriveLimits limits;
    limits.fileSystem = TypeAt(drive);
    const std::string& type = limits.fileSystem;
    const auto holds = [&](const char* part) { return type.find(part) != std::string::npos; };
    // FAT through the kernel (vfat, msdos) or FUSE (fuse.fusefat); exFAT and NTFS through FUSE show up as
    // fuseblk.
    const bool fat = (holds("fat") && !holds("exfat")) || type == "msdos";
    if (fat || holds("exfat") || holds("ntfs") || type.rfind("fuseblk", 0) == 0) {
        limits.forbidden = ":?*<>|\\\"";
        limits.ignoresCase = true;
    }
    if (fat) {
        limits.largestFile = 4294967295;
    }
    return limits;
}

std::string LinuxDrives::BlockDeviceOf(const std::string& drive) const {
    struct stat info {};
    if (::stat(drive.c_str(), &info) != 0) {
        return {};
    }
    const std::string device = Resolve(m_sysfsRoot + "/dev/block/" + std::to_string(major(info.st_dev)) +
                                       ":" + std::to_string(minor(info.st_dev)));
    return device.empty() ? device : LastName(device);
}

std::optional<std::string> LinuxDrives::SetLabel(const std::string& drive, const std::string& label) {
    const std::string device = BlockDeviceOf(drive);
    if (device.empty()) {
        return "it is no disk device";
    }
    // Without a system bus this fails at once: the socket is missing or refuses the connection.
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return "the system bus cannot be reached (" + bus.lastError().message().toStdString() + ")";
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.UDisks2"), QString::fromStdString(UDisksBlockObjectPath(device)),
        QStringLiteral("org.freedesktop.UDisks2.Filesystem"), QStringLiteral("SetLabel"));
    // A password prompt for a label, in the middle of a split, would only puzzle: the label is not worth
    // one, so a change that needs one fails and the user is told.
    QVariantMap options;
    options.insert(QStringLiteral("auth.no_user_interaction"), true);
    call << QString::fromStdString(label) << options;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kSetLabelTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return std::nullopt;
    }
    return reply.errorMessage().isEmpty() ? reply.errorName().toStdString()
                                          : reply.errorMessage().toStdString();
}

FormatResult LinuxDrives::Format(const std::string& drive) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("gnome-disks"));
    if (tool.isEmpty()) {
        return FormatResult::NoTool;
    }
    std::string device = BlockDeviceOf(drive);
    if (device.empty()) {
        return FormatResult::Failed;
    }
    // sysfs names cannot hold a slash, so the kernel writes '!' where the node sits in a subfolder of /dev.
    for (char& c : device) {
        if (c == '!') {
            c = '/';
        }
    }
    QProcess process;
    // Nothing reads its output, so it must not go to a pipe that could fill up and stall the tool.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(tool, {QStringLiteral("--block-device"), QString::fromStdString("/dev/" + device),
                         QStringLiteral("--format-device")});
    // The user takes as long as they like over the dialog.
    if (!process.waitForFinished(-1)) {
        return FormatResult::Failed;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? FormatResult::Formatted
                                                                                   : FormatResult::Failed;
}

FileStatus LinuxDrives::CopyToDisk(const std::string& from, const std::string& to,
                                   const CopyProgress& progress) {
    const int in = OpenDescriptor(from, O_RDONLY);
    if (in < 0) {
        return ErrorFromErrno(errno);
    }
    struct stat staged {};
    const int out = ::fstat(in, &staged) == 0 ? CreateReplacing(to, O_WRONLY, staged.st_mode) : -1;
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return ErrorFromErrno(err);
    }
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    FileStatus status = CopyAndFlush(in, out, progress);
    ::close(in);
    if (::close(out) != 0 && !status) {
        status = ErrorFromErrno(errno);
    }
    // Half a piece on the disk would pass for a whole one later.
    if (status) {
        ::unlink(to.c_str());
    }
    return status;
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
