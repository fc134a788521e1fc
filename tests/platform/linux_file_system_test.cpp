#include "platform/linux/linux_file_system.h"

#include "support/temp_tree.h"
#include "support/tmpfs_mount.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>

#include <sys/stat.h>

namespace parvola {
namespace {

using test::TempTree;

// "number description", or "none", so that one comparison checks both.
std::string Said(const FileStatus& status) {
    return status ? std::to_string(status->number) + " " + status->description : "none";
}

// Each failure comes from the kernel itself; the tmpfs cases mount one for the test.
class FileErrors : public ::testing::Test {
protected:
    TempTree m_tree;
    LinuxFileSystem m_files;
    std::unique_ptr<OutputFile> m_out;
    std::unique_ptr<InputFile> m_in;
};

TEST_F(FileErrors, ReadingPastTheEndIsError62) {
    test::WriteBytes(m_tree / "short.bin", "0123456789");
    ASSERT_FALSE(m_files.OpenRead(m_tree / "short.bin", m_in));
    char buffer[16];
    ASSERT_FALSE(m_in->Read(buffer, 4));
    EXPECT_EQ("62 Input past end of file", Said(m_in->Read(buffer, 7)));
}

TEST_F(FileErrors, FullDiskIsReportedAndTheDescriptorStillReleased) {
    const test::TmpfsMount disk(m_tree / "mnt", "size=64k");
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    auto openDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto before = openDescriptors();
    ASSERT_FALSE(m_files.CreateNew(disk.path() + "/piece.001", m_out));
    const std::string block = test::PatternBytes(65526);
    FileStatus status;
    for (int i = 0; i < 40 && !status; ++i) {
        status = m_out->Write(block.data(), block.size());
    }
    const FileStatus closed = m_out->Close();
    EXPECT_EQ("61 Disk full", Said(status ? status : closed));
    EXPECT_EQ(before, openDescriptors());
}

TEST_F(FileErrors, OnlyAnEmptyFolderIsRemoved) {
    std::filesystem::create_directories(m_tree / "full/inner");
    EXPECT_TRUE(m_files.RemoveFolder(m_tree / "full").has_value());
    EXPECT_FALSE(m_files.RemoveFolder(m_tree / "full/inner"));
    EXPECT_FALSE(test::Exists(m_tree / "full/inner"));
}

// Whatever entry has the name, the new file takes its place and nothing it led to is written.
TEST_F(FileErrors, NewFilesReplaceLinksAndTakeTheirPermissions) {
    test::WriteBytes(m_tree / "victim", "victim");
    const std::function<void(const std::string&)> entries[] = {
        [](const std::string&) {},
        [](const std::string& at) { test::WriteBytes(at, std::string(100, 'x')); },
        [&](const std::string& at) { std::filesystem::create_symlink(m_tree / "victim", at); },
        [&](const std::string& at) { std::filesystem::create_hard_link(m_tree / "victim", at); },
        [&](const std::string& at) { std::filesystem::create_symlink(m_tree / "missing", at); },
    };
    const mode_t mask = ::umask(022);
    for (const auto& make : entries) {
        const std::string path = m_tree / "piece";
        std::filesystem::remove(path);
        make(path);
        ASSERT_FALSE(m_files.CreateReplacing(path, 0640, m_out));
        ASSERT_FALSE(m_out->Write("new", 3));
        ASSERT_FALSE(m_out->Close());

        EXPECT_EQ(test::ReadBytes(path), "new");
        EXPECT_EQ(test::ReadBytes(m_tree / "victim"), "victim");
        EXPECT_EQ(m_files.Inspect(path, false)->permissions, 0640u);
    }
    ::umask(mask);
    std::filesystem::create_directory(m_tree / "folder");
    EXPECT_EQ("75 Path/File access error", Said(m_files.CreateReplacing(m_tree / "folder", 0644, m_out)));
}

TEST_F(FileErrors, ALockIsHeldOnceAndItsFileGoesWithIt) {
    const std::string path = m_tree / ".report.doc.parvola-lock";
    std::unique_ptr<FileLock> first;
    std::unique_ptr<FileLock> second;
    ASSERT_FALSE(m_files.Lock(path, first));
    EXPECT_EQ("70 Permission denied", Said(m_files.Lock(path, second)));
    first.reset();
    EXPECT_FALSE(test::Exists(path));
    EXPECT_FALSE(m_files.Lock(path, second));
}

} // namespace
} // namespace parvola
