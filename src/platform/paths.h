#pragma once

#include <string>

namespace parvola {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

class Paths {
public:
    virtual ~Paths() = default;
    // A folder private to this run for staging files, ending in the separator; empty when none can be made.
    virtual std::string TempFolder() = 0;
    // The short form of an existing path; the empty text when the path does not exist.
    virtual std::string ShortPathName(const std::string& path) = 0;
};

} // namespace parvola
