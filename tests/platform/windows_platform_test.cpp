// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows platform layer against the real system (or wine): files in a temporary folder the backend
// makes itself, the drive that folder is on, and the system's own tables for checksums, code pages and case.
#include "platform/path_text.h"
#include "platform/windows/utf16.h"
#include "platform/windows/windows_checksums.h"
#include "platform/windows/windows_code_pages.h"
#include "platform/windows/windows_drives.h"
#include "platform/windows/windows_file_system.h"
#include "platform/windows/windows_paths.h"
#include "platform/windows/windows_shell.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

#include <windows.h>
#undef DeleteFile

namespace parvola::test {

namespace fs = std::filesystem;

std::string Said(const FileStatus& status) {
    return status ? std::to_string(status->number) + " " + status->description : "none";
}

// A private folder of the backend's own making, removed with what it holds.
class WindowsPlatform : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ("none", Said(m_paths.MakeTempFolder(m_folder))); }
    void TearDown() override {
        // Read-only files, which a failing test may leave, would keep the folder.
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(fs::path(WideFromUtf8(m_folder)), ignored)) {
            ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        fs::remove_all(fs::path(WideFromUtf8(m_folder)), ignored);
    }

    std::string At(const std::string& name) const { return JoinPath(m_folder, name); }

    FileStatus Write(const std::string& name, const std::string& bytes) {
        std::unique_ptr<OutputFile> file;
        FileStatus status = m_files.CreateReplacing(At(name), 0644, file);
        if (!status) {
            status = file->Write(bytes.data(), bytes.size());
        }
        return status ? status : file->Close();
    }

    std::string Read(const std::string& name) {
        std::unique_ptr<InputFile> file;
        const auto length = m_files.FileLength(At(name));
        if (!length || m_files.OpenRead(At(name), file)) {
            return "(missing)";
        }
        std::string bytes(static_cast<std::size_t>(*length), '\0');
        return file->Read(bytes.data(), bytes.size()) ? "(unreadable)" : bytes;
    }

    WindowsPaths m_paths;
    WindowsFileSystem m_files;
    WindowsDrives m_drives;
    std::string m_folder;
};

TEST_F(WindowsPlatform, OutputsAreNewFilesAndRenamesRefuseATakenNameUnlessToldToReplace) {
    EXPECT_EQ('\\', m_folder.back());
    ASSERT_EQ("none", Said(Write("taken", "old")));
    std::unique_ptr<OutputFile> file;
    EXPECT_EQ("58 File already exists", Said(m_files.CreateNew(At("taken"), file)));
    EXPECT_EQ("old", Read("taken"));
    // Read-only, as a file copied from a CD may be: replaced all the same.
    ASSERT_TRUE(::SetFileAttributesW(WideFromUtf8(At("taken")).c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_EQ("none", Said(Write("taken", "replaced")));
    EXPECT_EQ("replaced", Read("taken"));
    for (const char* more : {" once", " twice"}) {
        ASSERT_EQ("none", Said(m_files.OpenAppend(At("taken"), file)));
        file->Write(more, std::strlen(more));
        EXPECT_EQ("none", Said(file->Close()));
    }
    EXPECT_EQ("replaced once twice", Read("taken"));

    struct Row {
        bool targetThere;
        bool replace;
        std::string said, target, source;
    };
    const Row rows[] = {{true, false, "58 File already exists", "target", "source"},
                        {true, true, "none", "source", "(missing)"},
                        {false, false, "none", "source", "(missing)"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.targetThere) + std::to_string(row.replace));
        ASSERT_EQ("none", Said(Write("from", "source")));
        m_files.DeleteFile(At("to"));
        if (row.targetThere) {
            ASSERT_EQ("none", Said(Write("to", "target")));
        }
        EXPECT_EQ(row.said, Said(m_files.Rename(At("from"), At("to"), row.replace)));
        EXPECT_EQ(row.target, Read("to"));
        EXPECT_EQ(row.source, Read("from"));
    }
}

TEST_F(WindowsPlatform, ALockIsHeldOnceAndGoesWithItsHolder) {
    const std::string path = At("set.lock");
    EXPECT_EQ(LockState::Missing, m_files.ProbeLock(path));
    {
        std::unique_ptr<FileLock> first;
        std::unique_ptr<FileLock> second;
        ASSERT_EQ("none", Said(m_files.Lock(path, first)));
        EXPECT_EQ("70 Permission denied", Said(m_files.Lock(path, second)));
        EXPECT_EQ(LockState::Held, m_files.ProbeLock(path));
    }
    EXPECT_EQ(LockState::Missing, m_files.ProbeLock(path));

    // A file of the user's that has the name is neither taken nor removed.
    ASSERT_EQ("none", Said(Write("set.lock", "mine")));
    std::unique_ptr<FileLock> lock;
    EXPECT_EQ("58 File already exists", Said(m_files.Lock(path, lock)));
    EXPECT_EQ(LockState::Abandoned, m_files.ProbeLock(path));
    EXPECT_EQ("mine", Read("set.lock"));

    // A temporary file is held while it is open, and left behind once it is closed.
    std::string temporary;
    std::unique_ptr<OutputFile> file;
    ASSERT_EQ("none", Said(m_files.CreateTemporary(WithoutTrailingSeparator(m_folder), "join", 0600,
                                                   temporary, file)));
    EXPECT_EQ(m_folder + "join-", temporary.substr(0, temporary.size() - 6));
    EXPECT_EQ(LockState::Held, m_files.ProbeLock(temporary));
    file->Close();
    EXPECT_EQ(LockState::Abandoned, m_files.ProbeLock(temporary));
}

TEST_F(WindowsPlatform, FailuresCarryTheClassicNumbersAndTheSystemsWords) {
    struct Row {
        std::string path, said;
    };
    const Row rows[] = {{At("missing\\piece.001"), "76 Path not found"},
                        {At("piece?.001"), "52 Bad file name or number"},
                        {At("piece<1>"), "52 Bad file name or number"}};
    for (const Row& row : rows) {
        std::unique_ptr<OutputFile> file;
        const FileStatus status = m_files.CreateNew(row.path, file);
        EXPECT_EQ(row.said, Said(status)) << row.path;
        EXPECT_TRUE(status && !status->cause.empty() && status->cause.back() != '\n') << row.path;
    }
    EXPECT_EQ("76 Path not found", Said(m_files.ListFolder(At("missing"), [](const std::string&) {})));
}

TEST_F(WindowsPlatform, NamesBeyondAsciiComeBackAsTheyWentIn) {
    const std::set<std::string> names = {"Größe.txt", "データ.001", "naïve résumé", "plain"};
    for (const std::string& name : names) {
        ASSERT_EQ("none", Said(Write(name, name))) << name;
    }
    std::set<std::string> listed;
    EXPECT_EQ("none",
              Said(m_files.ListFolder(m_folder, [&](const std::string& name) { listed.insert(name); })));
    EXPECT_EQ(names, listed);
    EXPECT_EQ("データ.001", Read("データ.001"));
    // The name as the folder spells it, whatever the case it was asked for in.
    EXPECT_EQ("Größe.txt", m_files.FindFile(At("GRÖßE.TXT")));
    EXPECT_EQ("C:\\", m_files.FindFile("C:\\"));
    EXPECT_EQ(std::nullopt, m_files.FindFile(At("Gr?ße.txt")));
}

TEST_F(WindowsPlatform, IdentityFollowsTheFileNotTheName) {
    ASSERT_EQ("none", Said(Write("Piece", "12345")));
    ASSERT_EQ("none", Said(Write("other", "12345")));
    const auto piece = m_files.Inspect(At("Piece"), false);
    const auto sameByOtherCase = m_files.Inspect(At("PIECE"), true);
    const auto other = m_files.Inspect(At("other"), false);
    ASSERT_TRUE(piece && sameByOtherCase && other);
    EXPECT_TRUE(SameFile(*piece, *sameByOtherCase));
    EXPECT_FALSE(SameFile(*piece, *other));
    EXPECT_EQ(5, piece->length);
    EXPECT_EQ(0644u, piece->permissions);
    // Written within the last day, in nanoseconds since 1970.
    const std::int64_t now = UnixNanoseconds(static_cast<std::int64_t>([] {
        FILETIME t;
        ::GetSystemTimeAsFileTime(&t);
        return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime;
    }()));
    EXPECT_LT(now - piece->modified, std::int64_t{86400} * 1000000000);
    EXPECT_GT(piece->changed, std::int64_t{1600000000} * 1000000000);
    EXPECT_FALSE(m_files.FileLength(m_folder));
}

TEST(WindowsText, ChecksumsCodePagesAndUpperCaseComeFromTheSystemsTables) {
    WindowsChecksums checksums;
    const auto sum = checksums.NewSha256();
    const std::pair<std::string, std::string> sums[] = {
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"}};
    for (const auto& [bytes, digest] : sums) {
        sum->Add(bytes.data(), bytes.size());
        EXPECT_EQ(digest, sum->Finish()) << bytes;
    }

    WindowsCodePages codePages;
    const std::tuple<int, std::string, std::optional<std::string>> encodings[] = {
        {437, "Größe",
         std::string("Gr\x94\xe1"
                     "e")},
        {437, "データ", std::nullopt},
        {932, "データ", std::string("\x83\x66\x81\x5b\x83\x5e")},
        // Best fit would give "A" for the Ā that 850 lacks.
        {850, "\xc4\x80", std::nullopt},
        {12345, "abc", std::nullopt}};
    for (const auto& [page, text, bytes] : encodings) {
        EXPECT_EQ(bytes, codePages.Encode(page, text)) << page << " " << text;
    }

    const std::pair<std::string, std::string> cases[] = {{"z:\\report.doc.bat", "Z:\\REPORT.DOC.BAT"},
                                                         {"Größe", "GRÖßE"},
                                                         {"a\xff\xc3\xa9\xe0\x80\x80"
                                                          "b",
                                                          "A\xff\xc3\x89\xe0\x80\x80"
                                                          "B"},
                                                         {"データ", "データ"},
                                                         {"", ""}};
    for (const auto& [text, upper] : cases) {
        EXPECT_EQ(upper, WindowsUpperCase(text)) << text;
    }
}

TEST_F(WindowsPlatform, PathsAreMadeWholeFromTheWorkingFolder) {
    ASSERT_TRUE(::SetCurrentDirectoryW(WideFromUtf8(m_folder).c_str()));
    EXPECT_EQ(m_folder + "sub\\piece.001", m_paths.Absolute("sub\\piece.001"));
    EXPECT_EQ(m_folder + "piece.001", m_paths.Absolute("sub\\..\\piece.001"));
    EXPECT_EQ("", m_paths.ShortPathName(At("missing")));
    EXPECT_FALSE(m_paths.ShortPathName(m_folder).empty());
    ::SetCurrentDirectoryW(L"C:\\");
    const std::string locks = m_paths.LockFolder();
    EXPECT_EQ("\\Orvane\\Parvola\\locks", locks.substr(locks.size() - 21));
    EXPECT_TRUE(m_files.Inspect(locks, true));
    EXPECT_TRUE(m_files.Inspect(m_paths.HomeFolder(), true));
    EXPECT_FALSE(WindowsShell().DesktopFolder().empty());

    const std::pair<std::string, std::string> drives[] = {{"C:\\a\\b", "C:\\"},
                                                          {"d:", "d:\\"},
                                                          {"\\\\server\\share\\a\\b", "\\\\server\\share\\"},
                                                          {"\\\\server\\share", "\\\\server\\share\\"},
                                                          {"\\\\server", ""}};
    for (const auto& [path, drive] : drives) {
        EXPECT_EQ(drive, m_drives.DriveOf(path)) << path;
    }
    EXPECT_EQ(RootOfPath(m_folder), m_drives.DriveOf("relative"));
}

TEST_F(WindowsPlatform, ASpaceIsCountedInWholeClusters) {
    const std::string drive = m_drives.DriveOf(m_folder);
    DWORD sectors = 0, bytes = 0, free = 0, total = 0;
    ASSERT_TRUE(::GetDiskFreeSpaceW(WideFromUtf8(drive).c_str(), &sectors, &bytes, &free, &total));
    const std::int64_t cluster = std::int64_t{sectors} * bytes;
    const std::pair<std::int64_t, std::int64_t> rows[] = {
        {0, 0}, {1, cluster}, {cluster, cluster}, {cluster + 1, 2 * cluster}, {5 * cluster - 1, 5 * cluster}};
    for (const auto& [length, space] : rows) {
        EXPECT_EQ(space, m_drives.SpaceFor(drive, length)) << length;
    }
    EXPECT_GT(m_drives.FreeBytes(drive), 0);
    EXPECT_EQ(drive, m_drives.CurrentMount(drive));
    EXPECT_EQ(8u, m_drives.VolumeIdentity(drive).size());
    EXPECT_EQ("", m_drives.CurrentMount("Q:\\"));
}

TEST_F(WindowsPlatform, ACopyToDiskIsWholeOrNothing) {
    std::string bytes(3 * (1 << 20) + 17, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7 + i / 4096);
    }
    ASSERT_EQ("none", Said(Write("staged", bytes)));
    struct Row {
        int answerFalseAt; // the progress call that stops the copy; -1 for none
        std::string said, copy;
    };
    const Row rows[] = {{-1, "none", bytes}, {2, "18 User interrupt occurred", "(missing)"}};
    for (const Row& row : rows) {
        ASSERT_EQ("none", Said(Write("copy", "an earlier copy")));
        ASSERT_TRUE(::SetFileAttributesW(WideFromUtf8(At("copy")).c_str(), FILE_ATTRIBUTE_READONLY));
        std::vector<std::pair<std::int64_t, std::int64_t>> heard;
        const auto progress = [&](std::int64_t done, std::int64_t total) {
            heard.emplace_back(done, total);
            return int(heard.size()) - 1 != row.answerFalseAt;
        };
        EXPECT_EQ(row.said, Said(m_drives.CopyToDisk(At("staged"), At("copy"), progress)));
        EXPECT_TRUE(Read("copy") == row.copy) << row.answerFalseAt;
        ASSERT_GE(heard.size(), 2u);
        EXPECT_EQ(std::int64_t(bytes.size()), heard.back().second);
        if (row.answerFalseAt < 0) {
            EXPECT_EQ(heard.back().first, heard.back().second);
        }
    }
}

// Drive A: as wine gives it when its registry maps it as a floppy, over a small folder: a size-limited
// tmpfs in CI. The disk is left as it was found.
TEST_F(WindowsPlatform, ARemovableDiskIsFilledToItsLastClusterAndNoFurther) {
    const std::string drive = "A:\\";
    ULARGE_INTEGER size{};
    if (::GetDriveTypeW(L"A:\\") != DRIVE_REMOVABLE ||
        !::GetDiskFreeSpaceExW(L"A:\\", nullptr, &size, nullptr) ||
        size.QuadPart > (std::uint64_t{64} << 20)) {
        GTEST_SKIP() << "no small removable disk in drive A:";
    }
    EXPECT_EQ(DriveType::Removable, m_drives.TypeOf(drive));
    EXPECT_EQ(DriveType::Fixed, m_drives.TypeOf(m_drives.DriveOf(m_folder)));
    EXPECT_EQ(8u, m_drives.VolumeIdentity(drive).size());
    const std::int64_t free = m_drives.FreeBytes(drive);
    ASSERT_EQ("none", Said(Write("staged", std::string(static_cast<std::size_t>(free) + 4096, 'x'))));
    EXPECT_EQ("61 Disk full", Said(m_drives.CopyToDisk(At("staged"), "A:\\piece.001", {})));
    EXPECT_FALSE(m_files.Inspect("A:\\piece.001", false));
    EXPECT_EQ(free, m_drives.FreeBytes(drive));
    ASSERT_EQ("none", Said(Write("staged", "small")));
    EXPECT_EQ("none", Said(m_drives.CopyToDisk(At("staged"), "A:\\piece.001", {})));
    EXPECT_EQ(free - m_drives.SpaceFor(drive, 5), m_drives.FreeBytes(drive));
    EXPECT_EQ("none", Said(m_files.DeleteFile("A:\\piece.001")));
}

TEST_F(WindowsPlatform, AFormatThatDidNotHappenIsNeverTakenForOne) {
    // Wine's format dialog is a stub that formats nothing; on Windows itself the dialog would wait for a
    // user.
    if (!::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) {
        GTEST_SKIP() << "the real format dialog needs a user";
    }
    EXPECT_EQ(FormatResult::Failed, m_drives.Format(m_drives.DriveOf(m_folder)));
    const DriveLimits limits = m_drives.Limits(m_drives.DriveOf(m_folder));
    EXPECT_FALSE(limits.fileSystem.empty());
    EXPECT_EQ("<>:\"/\\|?*", limits.forbidden);
    EXPECT_TRUE(limits.namesInUtf16);
}

} // namespace parvola::test
