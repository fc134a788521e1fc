// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drives.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace parvola {

// How the block device major:minor, as described under sysfsRoot, can be taken away: Removable when its
// disk says so or it hangs off USB, an SD/MMC host or FireWire. Unknown and virtual devices are Fixed.
DriveType ClassifyBlockDevice(const std::string& sysfsRoot, unsigned major, unsigned minor);

// The object UDisks2 shows a block device under, named the way it names them: "sdb1" and "dm-0" become
// .../block_devices/sdb1 and .../block_devices/dm_2d0.
std::string UDisksBlockObjectPath(const std::string& deviceName);

// PARVOLA_SYSFS_ROOT when it is set and not empty, so that a test run can stand in a made-up sysfs; else
// "/sys".
std::string DefaultSysfsRoot();

class LinuxDrives final : public Drives {
public:
    // uuidFolder holds a link for each file system's UUID to its block device, as udev makes them.
    explicit LinuxDrives(std::string sysfsRoot = DefaultSysfsRoot(),
                         std::string mountInfoPath = "/proc/self/mountinfo",
                         std::string uuidFolder = "/dev/disk/by-uuid");

    std::string DriveOf(const std::string& path) override;
    std::vector<std::string> Volumes() override;
    std::string ShownLabel(const std::string& drive) override;
    DriveType TypeOf(const std::string& drive) override;
    std::int64_t FreeBytes(const std::string& drive) override;
    std::int64_t SpaceFor(const std::string& drive, std::int64_t length) override;
    DriveLimits Limits(const std::string& drive) override;
    std::optional<std::string> SetLabel(const std::string& drive, const std::string& label) override;
    FormatResult Format(const std::string& drive) override;
    FileStatus CopyToDisk(const std::string& from, const std::string& to,
                          const std::function<bool(std::int64_t, std::int64_t)>& progress) override;
    std::string CurrentMount(const std::string& drive) override;
    std::string VolumeIdentity(const std::string& drive) override;

private:
    // The identity of the drive behind the mount point, learnt the first time it is mounted when asked
    // about; empty while it is unknown.
    std::string RememberedIdentity(const std::string& mountPoint);
    // The file system type mounted at the drive, as mountinfo names it; empty when nothing is mounted there.
    std::string TypeAt(const std::string& drive) const;
    // The kernel's name of the block device holding the drive ("sdb1"); empty when it has none, as
    // tmpfs and other virtual file systems do.
    std::string BlockDeviceOf(const std::string& drive) const;

    std::string m_sysfsRoot;
    std::string m_mountInfoPath;
    std::string m_uuidFolder;
    // Mount point, without a trailing separator → identity of the drive the first disk there sat in.
    std::map<std::string, std::string> m_identities;
};

} // namespace parvola
