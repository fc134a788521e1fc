// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace parvola {

enum class DriveType { Fixed, Removable };

enum class FormatResult { Formatted, Failed, Cancelled, NoTool };

// What the file system of a drive cannot hold.
struct DriveLimits {
    std::string fileSystem;        // its type, as the system names it ("vfat", "exfat", "ext4")
    std::string forbidden;         // characters no name on it may hold
    std::int64_t largestFile = -1; // bytes; -1 for no limit worth telling
    bool ignoresCase = false;      // "Readme.txt" and "readme.txt" name one file
    std::int64_t longestName = -1; // the longest name it holds; -1 for no limit worth telling
    bool namesInUtf16 = false;     // longestName counts UTF-16 units (FAT, exFAT, NTFS), not bytes
};

class Drives {
public:
    virtual ~Drives() = default;
    // The drive holding path (its nearest existing parent when path is missing): on Linux the mount point
    // of its file system, which ends in the separator like every drive root.
    virtual std::string DriveOf(const std::string& path) = 0;
    // The mount points of the drives a user looks for beside the system's own: on Linux those directly in
    // the folders where desktops and administrators mount them, in that order and by name within each.
    virtual std::vector<std::string> Volumes() = 0;
    // The label of the disk in the drive, as the drive's name shows it ("System" in "System (C:)"); empty
    // when it has none, or when asking could keep the user waiting (a diskette drive would spin up, or ask
    // for a disk). On Linux empty: a mount point's name is the label already.
    virtual std::string ShownLabel(const std::string& drive) = 0;
    // Removable when the medium can be taken out or the device sits on a hot-pluggable bus.
    virtual DriveType TypeOf(const std::string& drive) = 0;
    // Free bytes of the disk in the drive; 0 when it cannot be queried (no disk, unreadable).
    virtual std::int64_t FreeBytes(const std::string& drive) = 0;
    // The free bytes a new file of length bytes uses up on the disk in the drive: whole blocks or
    // clusters, and the blocks the file system needs to find them.
    virtual std::int64_t SpaceFor(const std::string& drive, std::int64_t length) = 0;
    virtual DriveLimits Limits(const std::string& drive) = 0;
    // Gives the disk in the drive a volume label without asking the user anything; why it could not,
    // or no value when it was set.
    virtual std::optional<std::string> SetLabel(const std::string& drive, const std::string& label) = 0;
    // Lets the user format the disk in the drive with the desktop's own tool.
    virtual FormatResult Format(const std::string& drive) = 0;
    // Copies a file onto the disk as a new file with the permission bits of from, replacing whatever
    // entry of that name is there (a link is not written through), and flushes it to the medium before
    // it returns, so that the disk may be taken out at once. A copy that fails leaves nothing behind.
    // progress hears the bytes copied so far and the file's length, now and then; when it answers false
    // the copy stops with error 18.
    virtual FileStatus CopyToDisk(const std::string& from, const std::string& to,
                                  const std::function<bool(std::int64_t, std::int64_t)>& progress) = 0;
    // Where the disk now in the drive that held the mount point drive is mounted: drive itself, another
    // mount point when a new disk was mounted elsewhere (desktops name mount points after the label), or
    // empty when no disk of that drive is mounted or it cannot be told.
    virtual std::string CurrentMount(const std::string& drive) = 0;
    // What tells the disk now in the drive from every other disk, whatever drive, port or mount point it is
    // put in: on Linux the UUID or serial number of its file system. Empty when it cannot be told.
    virtual std::string VolumeIdentity(const std::string& drive) = 0;
};

} // namespace parvola
