// SPDX-License-Identifier: GPL-3.0-or-later
// Paths as text on the build's own system: roots stay roots, and the folder of a name at a root is the root.
#include "platform/path_text.h"

#include <gtest/gtest.h>

namespace parvola::test {

// A path, and what it is without trailing separators, its last name, its folder, and it joined with "x".
struct PathText {
    std::string path, trimmed, last, parent, joined;
};

TEST(PathText, KnowsRootsNamesAndFolders) {
    const PathText rows[] = {
        {"a", "a", "a", ".", "a" + std::string(1, kPathSeparator) + "x"},
        {"", "", "", "", std::string(1, kPathSeparator) + "x"},
#ifdef _WIN32
        {R"(C:\)", R"(C:\)", R"(C:\)", R"(C:\)", R"(C:\x)"},
        {R"(C:\a)", R"(C:\a)", "a", R"(C:\)", R"(C:\a\x)"},
        {R"(C:\a\b\\)", R"(C:\a\b)", "b", R"(C:\a)", R"(C:\a\b\\x)"},
        {R"(a\b)", R"(a\b)", "b", "a", R"(a\b\x)"},
        // "C:" is drive C's current folder, no root: the destination C:\ becomes it before the names are
        // joined.
        {"C:", "C:", "C:", ".", R"(C:\x)"},
        {R"(\\server\share\)", R"(\\server\share\)", R"(\\server\share\)", R"(\\server\share\)",
         R"(\\server\share\x)"},
        {R"(\\server\share\a\)", R"(\\server\share\a)", "a", R"(\\server\share\)", R"(\\server\share\a\x)"},
        {R"(\a)", R"(\a)", "a", R"(\)", R"(\a\x)"},
#else
        {"/a/b", "/a/b", "b", "/a", "/a/b/x"},
        {"/", "/", "/", "/", "/x"},
        {"/a/b//", "/a/b", "b", "/a", "/a/b//x"},
        {"//", "/", "/", "/", "//x"},
        {"/a//b", "/a//b", "b", "/a", "/a//b/x"},
        {"/a", "/a", "a", "/", "/a/x"},
        // A backslash is part of a name here.
        {R"(C:\a)", R"(C:\a)", R"(C:\a)", ".", R"(C:\a/x)"},
#endif
    };
    for (const PathText& row : rows) {
        EXPECT_EQ(WithoutTrailingSeparator(row.path), row.trimmed) << row.path;
        EXPECT_EQ(LastName(row.path), row.last) << row.path;
        EXPECT_EQ(ParentFolder(row.path), row.parent) << row.path;
        EXPECT_EQ(JoinPath(row.path, "x"), row.joined) << row.path;
    }
}

} // namespace parvola::test
