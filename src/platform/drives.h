#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <string>

namespace parvola {

enum class DriveType { Fixed, Removable };

enum class FormatResult { Formatted, Failed, Cancelled, NoTool };

class Drives {
public:
    virtual ~Drives() = default;
    // The drive holding path (its nearest existing parent when path is missing): on Linux the mount point
    // of its file system, which ends in the separator like every drive root.
    virtual std::string DriveOf(const std::string& path) = 0;
    // Removable when the medium can be taken out or the device sits on a hot-pluggable bus.
    virtual DriveType TypeOf(const std::string& drive) = 0;
    // Free bytes of the disk in the drive; 0 when it cannot be queried (no disk, unreadable).
    virtual std::int64_t FreeBytes(const std::string& drive) = 0;
    // Gives the disk in the drive a volume label; false when it could not be set.
    virtual bool SetLabel(const std::string& drive, const std::string& label) = 0;
    // Lets the user format the disk in the drive with the desktop's own tool.
    virtual FormatResult Format(const std::string& drive) = 0;
    // Copies a file onto the disk, replacing a file of that name, and flushes it to the medium before it
    // returns, so that the disk may be taken out at once.
    virtual FileStatus CopyToDisk(const std::string& from, const std::string& to) = 0;
};

} // namespace parvola
