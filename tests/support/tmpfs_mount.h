// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/mount.h>

namespace parvola::test {

// A small file system of the test's own, for what only a real one shows: a full disk, its free space, its
// blocks and its rules for names. The shell command that mounts it needs root; whyNot() names it.
class TestMount {
public:
    TestMount(const TestMount&) = delete;
    TestMount& operator=(const TestMount&) = delete;
    // Detached even while busy: no mount outlives its test over a folder that is then removed.
    virtual ~TestMount() {
        if (m_mounted) {
            ::umount2(m_path.c_str(), MNT_DETACH);
        }
    }

    bool mounted() const { return m_mounted; }
    std::string whyNot() const { return "cannot mount on " + m_path + " (needs root): " + m_command; }
    const std::string& path() const { return m_path; }

protected:
    TestMount(std::string path, std::string command)
        : m_path(std::move(path)), m_command(std::move(command)) {
        std::filesystem::create_directory(m_path);
        m_mounted = std::system(m_command.c_str()) == 0;
    }

private:
    std::string m_path;
    std::string m_command;
    bool m_mounted;
};

class TmpfsMount final : public TestMount {
public:
    TmpfsMount(const std::string& path, const std::string& options)
        : TestMount(path, "mount -t tmpfs -o '" + options + "' tmpfs '" + path + "' 2>/dev/null") {}
};

// A disk image made by a mkfs command line ("mkfs.ext2 -b 1024") on a loop device, as a stick would be,
// mounted by a command that takes the device and the folder: "mount", or a FUSE driver such as
// "mount.exfat-fuse" where the kernel has no driver of its own. The device goes once the mount has gone.
class LoopMount final : public TestMount {
public:
    LoopMount(const std::string& path, const std::string& mkfs, int kibibytes,
              const std::string& mounter = "mount")
        : TestMount(path, "truncate -s " + std::to_string(kibibytes) + "K '" + path + ".img' && " + mkfs +
                              " '" + path + ".img' >/dev/null 2>&1 && dev=$(losetup -f --show '" + path +
                              ".img') && { " + mounter + " $dev '" + path +
                              "' >/dev/null 2>&1; ok=$?; losetup -d $dev; exit $ok; }") {}
};

} // namespace parvola::test
