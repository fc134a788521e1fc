// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drives.h"

#include <string>

namespace parvola {

// The root a path lies under, from its text alone: "C:\" for "C:\a\b", "\\server\share\" for a UNC path;
// empty for a relative path or one without a drive.
std::string RootOfPath(const std::string& path);

// Drive letters and UNC shares. Roots end in the separator, as GetDriveTypeW and its kin want them.
class WindowsDrives final : public Drives {
public:
    WindowsDrives() = default;
    // Windows names the drive in the path itself, existing or not.
    std::string DriveOf(const std::string& path) override;
    // Every drive letter in use, in the order of the letters.
    std::vector<std::string> Volumes() override;
    std::string ShownLabel(const std::string& drive) override;
    DriveType TypeOf(const std::string& drive) override;
    std::int64_t FreeBytes(const std::string& drive) override;
    std::int64_t SpaceFor(const std::string& drive, std::int64_t length) override;
    DriveLimits Limits(const std::string& drive) override;
    std::optional<std::string> SetLabel(const std::string& drive, const std::string& label) override;
    // The system's format dialog (SHFormatDrive).
    FormatResult Format(const std::string& drive) override;
    FileStatus CopyToDisk(const std::string& from, const std::string& to,
                          const std::function<bool(std::int64_t, std::int64_t)>& progress) override;
    // A disk put in a drive stays under its letter: the drive itself while a disk is in it.
    std::string CurrentMount(const std::string& drive) override;
    // The volume serial number of the disk in the drive, as 8 hexadecimal digits.
    std::string VolumeIdentity(const std::string& drive) override;
};

} // namespace parvola
