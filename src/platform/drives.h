#pragma once

#include <string>

namespace parvola {

enum class DriveType { Fixed, Removable };

class Drives {
public:
    virtual ~Drives() = default;
    // The drive holding path (its nearest existing parent when path is missing): on Linux the mount point
    // of its file system, which ends in the separator like every drive root.
    virtual std::string DriveOf(const std::string& path) = 0;
    // Removable when the medium can be taken out or the device sits on a hot-pluggable bus.
    virtual DriveType TypeOf(const std::string& drive) = 0;
};

} // namespace parvola
