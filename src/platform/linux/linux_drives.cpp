// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/linux_drives.h"

#include "platform/linux/posix_io.h"
#include "platform/path_text.h"

#include "platform/linux/os_error.h"
#include "platform/linux/system_bus.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>
#include <new>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace parvola {

namespace {

constexpr std::size_t kCopyBufferSize = std::size_t{1} << 20;
// Nobody is asked anything, so a UDisks2 that takes longer is stuck; it must not hold the split up.
constexpr std::uint64_t kSetLabelTimeoutUs = 30000000;

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

// The program of that name on $PATH, as the shell would start it; empty when there is none.
std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    for (std::size_t start = 0; start <= folders.size();) {
        std::size_t end = folders.find(':', start);
        end = end == std::string::npos ? folders.size() : end;
        // An empty entry is the working folder, which is no place to pick a program from.
        if (end > start) {
            const std::string candidate = folders.substr(start, end - start) + "/" + name;
            struct stat info {};
            if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        start = end + 1;
    }
    return {};
}

// Runs program with arguments, its input and output the program's own, and waits for it. No value: it could
// not be started or did not end normally; else its exit status.
std::optional<int> RunProgram(const std::string& program, std::initializer_list<std::string> arguments) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments);
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return std::nullopt;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return std::nullopt;
        }
    }
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
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

LinuxDrives::LinuxDrives(std::string sysfsRoot, std::string mountInfoPath, std::string uuidFolder)
    : m_sysfsRoot(std::move(sysfsRoot)), m_mountInfoPath(std::move(mountInfoPath)),
      m_uuidFolder(std::move(uuidFolder)) {}

std::int64_t LinuxDrives::FreeBytes(const std::string& drive) {
    struct statvfs info {};
    if (::statvfs(drive.c_str(), &info) != 0) {
        return 0;
    }
    return static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
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
    struct statvfs info {};
    if (::statvfs(drive.c_str(), &info) == 0 && info.f_namemax > 0) {
        limits.longestName = static_cast<std::int64_t>(info.f_namemax);
    }
    if (fat || holds("exfat") || holds("ntfs") || type.rfind("fuseblk", 0) == 0) {
        limits.forbidden = ":?*<>|\\\"";
        limits.ignoresCase = true;
        // Their names are 255 UTF-16 units, which the kernel tells as bytes of the longest character set.
        limits.longestName = 255;
        limits.namesInUtf16 = true;
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
    const std::string device = RealPath(m_sysfsRoot + "/dev/block/" + std::to_string(major(info.st_dev)) +
                                        ":" + std::to_string(minor(info.st_dev)));
    return device.empty() ? device : LastName(device);
}

std::optional<std::string> LinuxDrives::SetLabel(const std::string& drive, const std::string& label) {
    const std::string device = BlockDeviceOf(drive);
    if (device.empty()) {
        return "it is no disk device";
    }
    // A password prompt for a label, in the middle of a split, would only puzzle: the label is not worth
    // one, so a change that needs one fails and the user is told.
    return CallSystemBus("org.freedesktop.UDisks2", UDisksBlockObjectPath(device),
                         "org.freedesktop.UDisks2.Filesystem", "SetLabel", label, kSetLabelTimeoutUs);
}

FormatResult LinuxDrives::Format(const std::string& drive) {
    const std::string tool = FindProgram("gnome-disks");
    if (tool.empty()) {
        return FormatResult::NoTool;
    }
    std::string device = BlockDeviceOf(drive);
    if (device.empty()) {
        return FormatResult::Failed;
    }
    // sysfs names cannot hold a slash, so the kernel writes '!' where the node sits in a subfolder of /dev.
    std::replace(device.begin(), device.end(), '!', '/');
    // The user takes as long as they like over the dialog. Its output goes where the program's goes: nothing
    // reads a pipe that could fill up and stall the tool.
    const std::optional<int> status =
        RunProgram(tool, {"--block-device", "/dev/" + device, "--format-device"});
    return status == 0 ? FormatResult::Formatted : FormatResult::Failed;
}

// The device number and the mount point name the slot the disk sits in, which the next disk put there takes
// over; the file system's UUID goes with the medium.
std::string LinuxDrives::VolumeIdentity(const std::string& drive) {
    struct stat mounted {};
    if (::stat(drive.c_str(), &mounted) != 0) {
        return {};
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(m_uuidFolder.c_str()), ::closedir);
    if (!folder) {
        return {};
    }
    while (const dirent* entry = ::readdir(folder.get())) {
        struct stat device {};
        if (entry->d_name[0] != '.' && ::stat((m_uuidFolder + "/" + entry->d_name).c_str(), &device) == 0 &&
            S_ISBLK(device.st_mode) && device.st_rdev == mounted.st_dev) {
            return entry->d_name;
        }
    }
    return {};
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

} // namespace parvola
