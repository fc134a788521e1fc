// SPDX-License-Identifier: GPL-3.0-or-later
// The folders and files both windows list, read from a real folder, and the order they show names in.
#include "forms/folder_listing.h"
#include "platform/name_order.h"
#include "platform/system_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace parvola {
namespace {

namespace fs = std::filesystem;

unsigned long ProcessId() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(::getpid());
#endif
}

std::string Joined(const std::optional<std::vector<std::string>>& names) {
    if (!names) {
        return "(cannot be listed)";
    }
    std::string joined;
    for (const std::string& name : *names) {
        joined += (joined.empty() ? "" : " ") + name;
    }
    return joined;
}

TEST(NamePatterns, WildcardsAsTheFileDialogsTakeThem) {
    struct Row {
        const char* patterns;
        const char* name;
        bool matches;
    };
    const Row rows[] = {
        {"*.txt", "notes.TXT", true},
        {"*.txt", "notes.txt.bak", false},
        {"*.*", "README", true},
        {"*.*", "a.b", true},
        {"part.*", "part", true},
        {"part.*", "party", false},
        {"part.?", "part.9", true},
        {"part.?", "part.10", false},
        {"?b",
         "\xc3\xa9"
         "b",
         true},
        {"\xc3\x84*", "\xc3\xa4pfel", true},
        {"*.dat; *.txt", "x.txt", true},
        {" *.dat , readme ", "ReadMe", true},
        {"*.dat;", "x.txt", false},
        {"", "anything", true},
        {" ; ", "anything", true},
        {"a*b*c", "aXbYc", true},
        {"*a*a*a*a*a*b", std::string(200, 'a').c_str(), false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NamePatterns(row.patterns).Matches(row.name), row.matches)
            << "'" << row.patterns << "' and " << row.name;
    }
}

TEST(NameOrder, WithoutCaseAndNumbersByValue) {
    std::vector<std::string> names = {"part.10", "b", "Part.2", "part.9", "a", "A", "part.1"};
    SortNames(names);
    EXPECT_EQ(Joined(names), "A a b part.1 Part.2 part.9 part.10");
    EXPECT_LT(CompareNames("part.9", "part.10"), 0);
    EXPECT_GT(CompareNames("B", "a"), 0);
    EXPECT_LT(CompareNames("A", "a"), 0) << "names the order holds equal still get a fixed one";
    EXPECT_EQ(CompareNames("same", "same"), 0);
}

TEST(ComputerEntries, TheDrivesAsTheTreeNamesThem) {
    std::string shown;
    for (const TreeRoot& entry : TopEntries("desk")) {
        shown += entry.name + "=" + entry.path + "; ";
    }
#ifdef _WIN32
    const auto labelOf = [](const std::string& drive) { return drive == "C:\\" ? "System" : ""; };
    for (const TreeRoot& entry : ComputerEntries({}, {"C:\\", "A:\\"}, labelOf)) {
        shown += entry.name + "=" + entry.path + "; ";
    }
    EXPECT_EQ(shown, "Desktop=desk; My Computer=; System (C:)=C:\\; A:=A:\\; ");
#else
    for (const TreeRoot& entry : ComputerEntries(
             "/home/u", {"/media/u/zip", "/media/u/Apple", "/media/u/disk10", "/media/u/disk9", "/mnt/b"})) {
        shown += entry.name + "=" + entry.path + "; ";
    }
    EXPECT_EQ(shown, "Desktop=desk; My Computer=; File System=/; Home=/home/u; Apple=/media/u/Apple; "
                     "disk9=/media/u/disk9; disk10=/media/u/disk10; zip=/media/u/zip; b=/mnt/b; ");
#endif
}

// A folder of files, folders, a hidden folder and, where the system has them, links and a pipe.
class FolderListing : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_folder);
        for (const char* name : {"part.10", "part.9", "Part.2", "b.txt", ".profile", "notes.TXT"}) {
            std::ofstream(m_folder / name) << name;
        }
        for (const char* name : {"zeta", "Sub", "sub1", "sub10", "sub9"}) {
            fs::create_directory(m_folder / name);
        }
#ifdef _WIN32
        // Explorer's hidden folders carry the attribute, whatever their names.
        fs::create_directory(m_folder / "secret");
        SetFileAttributesW((m_folder / "secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
        m_links = "";
#else
        fs::create_directory(m_folder / ".secret");
        fs::create_symlink(m_folder / "b.txt", m_folder / "link.txt");
        fs::create_symlink(m_folder / "missing", m_folder / "dangling.txt");
        fs::create_directory_symlink(m_folder / "zeta", m_folder / "linked");
        ::mkfifo((m_folder / "pipe.txt").c_str(), 0600);
        m_links = "link.txt ";
#endif
    }
    void TearDown() override {
        fs::remove_all(m_folder);
    }

    std::string folder() const {
        return m_folder.u8string();
    }

    SystemFileSystem m_files;
    std::string m_links; // the links to files the folder holds, as the list shows them
    // Each test runs in a process of its own, perhaps beside the others.
    const fs::path m_folder = fs::temp_directory_path() / ("parvola-listing-" + std::to_string(ProcessId()));
};

TEST_F(FolderListing, FilesThatMatchInNameOrder) {
    EXPECT_EQ(Joined(MatchingFiles(m_files, folder(), "*.*")),
              "b.txt " + m_links + "notes.TXT Part.2 part.9 part.10");
    EXPECT_EQ(Joined(MatchingFiles(m_files, folder(), "*.txt")), "b.txt " + m_links + "notes.TXT");
    EXPECT_EQ(Joined(MatchingFiles(m_files, folder(), "part.*;.p*")), ".profile Part.2 part.9 part.10");
    EXPECT_EQ(Joined(MatchingFiles(m_files, folder() + "/missing", "*.*")), "(cannot be listed)");
    EXPECT_EQ(Joined(MatchingFiles(m_files, "", "*.*")), "(cannot be listed)");
}

TEST_F(FolderListing, FoldersThatAreNotHiddenInNameOrder) {
#ifdef _WIN32
    const std::string linked;
#else
    const std::string linked = "linked ";
#endif
    EXPECT_EQ(Joined(ShownSubfolders(m_files, folder())), linked + "Sub sub1 sub9 sub10 zeta");
    EXPECT_EQ(Joined(ShownSubfolders(m_files, folder() + "/missing")), "(cannot be listed)");
}

} // namespace
} // namespace parvola
