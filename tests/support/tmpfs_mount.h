#pragma once

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include <sys/mount.h>

namespace parvola::test {

// A small file system of the test's own, for what only a real one shows: a full disk, its free space, its
// blocks and its rules for names. Mounting needs root; the cases that use one skip themselves with whyNot()
// when it fails.
class TestMount {
public:
    TestMount(const TestMount&) = delete;
    TestMount& operator=(const TestMount&) = delete;
    ~TestMount() { Unmount(); }

    bool mounted() const { return m_mounted; }
    const std::string& whyNot() const { return m_whyNot; }
    const std::string& path() const { return m_path; }

protected:
    void Unmount() {
        if (m_mounted) {
            ::umount2(m_path.c_str(), MNT_DETACH);
            m_mounted = false;
        }
    }
    explicit TestMount(std::string path) : m_path(std::move(path)) {
        std::error_code ignored;
        std::filesystem::create_directory(m_path, ignored);
    }
    void Mounted(bool mounted, const std::string& what) {
        m_mounted = mounted;
        m_whyNot = "cannot mount " + what + " here (needs root): " + std::strerror(errno);
    }

private:
    std::string m_path;
    std::string m_whyNot;
    bool m_mounted = false;
};

class TmpfsMount final : public TestMount {
public:
    TmpfsMount(std::string path, const char* options, unsigned long flags = 0) : TestMount(std::move(path)) {
        Mounted(::mount("tmpfs", this->path().c_str(), "tmpfs", flags, options) == 0, "a tmpfs");
    }
};

// A disk image made by a mkfs command line ("mkfs.ext2 -b 1024") on a loop device, as a stick would be,
// mounted by a command that takes the device and the folder: "mount", or a FUSE driver such as
// "mount.exfat-fuse" where the kernel has no driver of its own.
class LoopMount final : public TestMount {
public:
    LoopMount(std::string path, const std::string& mkfs, int kibibytes, const std::string& mounter = "mount")
        : TestMount(std::move(path)), m_image(this->path() + ".img") {
        const std::string command = "truncate -s " + std::to_string(kibibytes) + "K '" + m_image + "' && " +
                                    mkfs + " '" + m_image + "' >/dev/null 2>&1 && dev=$(losetup -f --show '" +
                                    m_image + "') && echo $dev >'" + m_image + ".dev' && " + mounter +
                                    " $dev '" + this->path() + "' >/dev/null 2>&1";
        Mounted(std::system(command.c_str()) == 0, "a " + mkfs + " image");
    }
    ~LoopMount() {
        Unmount();
        const std::string detach = "losetup -d $(cat '" + m_image + ".dev') 2>/dev/null";
        [[maybe_unused]] const int ignored = std::system(detach.c_str());
    }

private:
    std::string m_image;
};

} // namespace parvola::test
