#pragma once

#include "platform/drives.h"

#include <string>

namespace parvola {

// How the block device major:minor, as described under sysfsRoot, can be taken away: Removable when its
// disk says so or it hangs off USB, an SD/MMC host or FireWire. Unknown and virtual devices are Fixed.
DriveType ClassifyBlockDevice(const std::string& sysfsRoot, unsigned major, unsigned minor);

class LinuxDrives final : public Drives {
public:
    explicit LinuxDrives(std::string sysfsRoot = "/sys", std::string mountInfoPath = "/proc/self/mountinfo");

    std::string DriveOf(const std::string& path) override;
    DriveType TypeOf(const std::string& drive) override;

private:
    std::string m_sysfsRoot;
    std::string m_mountInfoPath;
};

} // namespace parvola
