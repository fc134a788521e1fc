#include "platform/linux/linux_paths.h"
#include "platform/path_text.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace parvola {
namespace {

namespace fs = std::filesystem;
using test::TempTree;

// Sets an environment variable for one test and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(PathText, ReadsPathsAsTextAlike) {
    const struct {
        std::string path, trimmed, last, parent;
    } rows[] = {
        {"/a/b", "/a/b", "b", "/a"}, {"/a/b//", "/a/b", "b", "/a"}, {"/a//b", "/a//b", "b", "/a"},
        {"/a", "/a", "a", "/"},      {"a", "a", "a", "."},          {"/", "/", "/", "/"},
        {"//", "/", "/", "/"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WithoutTrailingSeparator(row.path), row.trimmed) << row.path;
        EXPECT_EQ(LastName(row.path), row.last) << row.path;
        EXPECT_EQ(ParentFolder(row.path), row.parent) << row.path;
    }
    EXPECT_EQ(JoinPath("", "x"), "/x");
    EXPECT_EQ(JoinPath("/", "x"), "/x");
    EXPECT_EQ(JoinPath("/a", "x"), "/a/x");
    EXPECT_EQ(JoinPath("/a/", "x"), "/a/x");
}

// Staging only goes where no other user can swap the private folder for something of theirs.
TEST(TempFolder, IsMadeOnlyWhereNoOtherUserCanChangeIt) {
    TempTree tree;
    const std::string base = fs::canonical(tree.path()).string();
    const struct {
        const char* name;
        mode_t mode;
        uid_t owner; // 0: the test's own user
        bool safe;
    } rows[] = {
        {"private", 0700, 0, true},
        {"sticky", 01777, 0, true},
        {"open", 0777, 0, false},
        {"others", 0755, 65534, false},
    };
    for (const auto& row : rows) {
        const std::string folder = base + "/" + row.name;
        fs::create_directory(folder);
        ::chmod(folder.c_str(), row.mode);
        if (row.owner != 0 && ::chown(folder.c_str(), row.owner, static_cast<gid_t>(-1)) != 0) {
            continue; // only root gives a folder away
        }
        EXPECT_EQ(WhyUnsafeFolder(folder).empty(), row.safe) << row.name;

        const ScopedVariable tmpdir("TMPDIR", folder.c_str());
        std::string staging;
        const FileStatus made = LinuxPaths().MakeTempFolder(staging);
        EXPECT_EQ(!made, row.safe) << row.name;
        if (made) {
            EXPECT_EQ(made->description,
                      "The temporary folder " + folder + " is not safe: " + WhyUnsafeFolder(folder))
                << row.name;
        } else {
            struct stat info {};
            EXPECT_EQ(::stat(staging.c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 0777, 0700u);
            EXPECT_EQ(staging.rfind(folder + "/parvola-", 0), 0u) << staging;
        }
    }
    EXPECT_NE(WhyUnsafeFolder(base + "/open/inner"), "") << "a safe folder inside an unsafe one";
}

// The path names what the system would open: ".." after a link leads beside the link's target.
TEST(Absolute, ResolvesTheFolderAsTheSystemDoesAndKeepsTheName) {
    TempTree tree;
    const std::string base = fs::canonical(tree.path()).string();
    fs::create_directories(base + "/elsewhere/inside");
    fs::create_directory_symlink(base + "/elsewhere/inside", base + "/L");
    const std::pair<std::string, std::string> rows[] = {
        {"L/../f.bin", base + "/elsewhere/f.bin"},
        {"f.bin", base + "/f.bin"},
        {"./L", base + "/L"}, // the last name stays as it is, a link too
        {".", base},
        {base + "/missing/f.bin", base + "/missing/f.bin"},
    };
    const fs::path before = fs::current_path();
    fs::current_path(base);
    for (const auto& [path, absolute] : rows) {
        EXPECT_EQ(LinuxPaths().Absolute(path), absolute) << path;
    }
    fs::current_path(before);
}

TEST(UserHomeFolder, TakesAnAbsoluteHomeElseThePasswdEntry) {
    const std::string passwd = ::getpwuid(::geteuid())->pw_dir;
    const std::pair<const char*, std::string> rows[] = {
        {"/home/ann", "/home/ann"}, {nullptr, passwd}, {"relative", passwd}, {"", passwd}};
    for (const auto& [home, expected] : rows) {
        const ScopedVariable variable("HOME", home);
        EXPECT_EQ(UserHomeFolder(), expected) << (home ? home : "unset");
    }
}

} // namespace
} // namespace parvola
