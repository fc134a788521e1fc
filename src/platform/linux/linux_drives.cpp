#include "platform/linux/linux_drives.h"

#include "platform/linux/os_error.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QVariantMap>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <utility>
#include <vector>

#include <fcntl.h>
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

constexpr std::size_t kCopyBufferSize = std::size_t{1} << 20;
// Long enough for the user to answer an authentication prompt the label change may bring up; a bus that
// is there but does not answer must not hold the copy up for ever either.
constexpr int kSetLabelTimeoutMs = 120000;

int OpenRetrying(const std::string& path, int flags) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

FileStatus WriteAll(int fd, const char* data, std::size_t n) {
    while (n > 0) {
        const ssize_t written = ::write(fd, data, n);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ErrorFromErrno(errno);
        }
        if (written == 0) {
            return ErrorFromErrno(ENOSPC);
        }
        data += written;
        n -= static_cast<std::size_t>(written);
    }
    return std::nullopt;
}

// Copies everything from in to out and waits until it is on the medium. syncfs as well as fsync, because
// the file's folder entry and the file system's own records must reach the disk too before it is pulled.
FileStatus CopyAndFlush(int in, int out) {
    const std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBufferSize]);
    if (!buffer) {
        return ErrorFromErrno(ENOMEM);
    }
    for (;;) {
        const ssize_t got = ::read(in, buffer.get(), kCopyBufferSize);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ErrorFromErrno(errno);
        }
        if (got == 0) {
            break;
        }
        if (FileStatus status = WriteAll(out, buffer.get(), static_cast<std::size_t>(got))) {
            return status;
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

std::int64_t LinuxDrives::FreeBytes(const std::string& drive) {
    struct statvfs info {};
    if (::statvfs(drive.c_str(), &info) != 0) {
        return 0;
    }
    return static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
}

std::string LinuxDrives::BlockDeviceOf(const std::string& drive) const {
    struct stat info {};
    if (::stat(drive.c_str(), &info) != 0) {
        return {};
    }
    const std::string device = Resolve(m_sysfsRoot + "/dev/block/" + std::to_string(major(info.st_dev)) +
                                       ":" + std::to_string(minor(info.st_dev)));
    const std::size_t slash = device.rfind('/');
    return slash == std::string::npos ? std::string() : device.substr(slash + 1);
}

bool LinuxDrives::SetLabel(const std::string& drive, const std::string& label) {
    const std::string device = BlockDeviceOf(drive);
    if (device.empty()) {
        return false;
    }
    // Without a system bus this fails at once: the socket is missing or refuses the connection.
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.UDisks2"), QString::fromStdString(UDisksBlockObjectPath(device)),
        QStringLiteral("org.freedesktop.UDisks2.Filesystem"), QStringLiteral("SetLabel"));
    call << QString::fromStdString(label) << QVariantMap();
    return bus.call(call, QDBus::Block, kSetLabelTimeoutMs).type() == QDBusMessage::ReplyMessage;
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

FileStatus LinuxDrives::CopyToDisk(const std::string& from, const std::string& to) {
    const int in = OpenRetrying(from, O_RDONLY);
    if (in < 0) {
        return ErrorFromErrno(errno);
    }
    const int out = OpenRetrying(to, O_WRONLY | O_CREAT | O_TRUNC);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return ErrorFromErrno(err);
    }
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    FileStatus status = CopyAndFlush(in, out);
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

} // namespace parvola
