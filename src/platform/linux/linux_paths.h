#pragma once

#include "platform/paths.h"

namespace parvola {

class LinuxPaths final : public Paths {
public:
    // A new folder, readable by this user only, under $TMPDIR when that is absolute, else under /tmp.
    std::string TempFolder() override;
    // Linux has no short names: an existing path is its own short form.
    std::string ShortPathName(const std::string& path) override;
};

} // namespace parvola
