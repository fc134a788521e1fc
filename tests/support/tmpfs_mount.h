#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include <sys/mount.h>

namespace parvola::test {

// A small tmpfs of the test's own, for what only a real file system shows: a full disk, its free space.
// Mounting needs root; the cases that use it skip themselves with whyNot() when it fails.
class TmpfsMount {
public:
    TmpfsMount(std::string path, const char* options, unsigned long flags = 0) : m_path(std::move(path)) {
        std::error_code ignored;
        std::filesystem::create_directory(m_path, ignored);
        m_mounted = ::mount("tmpfs", m_path.c_str(), "tmpfs", flags, options) == 0;
        m_whyNot = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
    }
    ~TmpfsMount() {
        if (m_mounted) {
            ::umount2(m_path.c_str(), MNT_DETACH);
        }
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }
    const std::string& whyNot() const { return m_whyNot; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    std::string m_whyNot;
    bool m_mounted = false;
};

} // namespace parvola::test
