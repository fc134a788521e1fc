#include "platform/linux/linux_file_system.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>

#include <sys/mount.h>

namespace parvola {
namespace {

using test::TempTree;

void ExpectError(const FileStatus& status, int number, const char* text) {
    ASSERT_TRUE(status.has_value()) << "expected error " << number;
    EXPECT_EQ(number, status->number);
    EXPECT_EQ(text, status->description);
}

// Each failure comes from the kernel itself; the tmpfs cases mount one for the test.
class FileErrors : public ::testing::Test {
protected:
    bool Mount(unsigned long flags, const char* options) {
        std::filesystem::create_directory(m_mountPoint);
        m_mounted = ::mount("tmpfs", m_mountPoint.c_str(), "tmpfs", flags, options) == 0;
        m_whyNot = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
        return m_mounted;
    }
    void TearDown() override {
        m_out.reset();
        if (m_mounted) {
            ::umount2(m_mountPoint.c_str(), MNT_DETACH);
        }
    }

    TempTree m_tree;
    std::string m_mountPoint = m_tree / "mnt";
    std::string m_whyNot;
    bool m_mounted = false;
    LinuxFileSystem m_files;
    std::unique_ptr<OutputFile> m_out;
    std::unique_ptr<InputFile> m_in;
};

TEST_F(FileErrors, ReadingPastTheEndIsError62) {
    test::WriteBytes(m_tree / "short.bin", "0123456789");
    ASSERT_FALSE(m_files.OpenRead(m_tree / "short.bin", m_in));
    char buffer[16];
    ASSERT_FALSE(m_in->Read(buffer, 4));
    ExpectError(m_in->Read(buffer, 7), 62, "Input past end of file");
}

TEST_F(FileErrors, FullDiskIsReportedAndTheDescriptorStillReleased) {
    if (!Mount(0, "size=64k")) {
        GTEST_SKIP() << m_whyNot;
    }
    auto openDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto before = openDescriptors();
    ASSERT_FALSE(m_files.CreateNew(m_mountPoint + "/piece.001", m_out));
    const std::string block = test::PatternBytes(65526);
    FileStatus status;
    for (int i = 0; i < 40 && !status; ++i) {
        status = m_out->Write(block.data(), block.size());
    }
    const FileStatus closed = m_out->Close();
    ExpectError(status ? status : closed, 61, "Disk full");
    EXPECT_EQ(before, openDescriptors());
}

} // namespace
} // namespace parvola
