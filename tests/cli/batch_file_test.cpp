// SPDX-License-Identifier: GPL-3.0-or-later
// The batch file parvola-split writes, run by the command interpreter its receivers have (wine's cmd here).
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace parvola::test {

// A name, and the locale whose OEM code page the receiver's cmd reads the script in ("" for wine's default).
struct Receiver {
    const char* label;
    std::string name, locale;
};

std::ostream& operator<<(std::ostream& os, const Receiver& row) {
    return os << row.label;
}

class BatchFile : public ::testing::TestWithParam<Receiver> {};

// A set with a piece missing is left exactly as it was, with the piece named; once the piece is back, the
// same script joins the set byte for byte and deletes the pieces.
TEST_P(BatchFile, JoinsUnderCmdOnlyAWholeSetAndNeverChangesAPiece) {
    const Receiver& row = GetParam();
    if (std::system("command -v wine >/dev/null") != 0) {
        GTEST_SKIP() << "needs wine (scripts/install-deps.sh installs it)";
    }
    TempTree tree;
    std::filesystem::create_directories(tree / "pieces");
    WriteBytes(tree / row.name, PatternBytes(2500));
    // Wine takes only a prefix of the user's own, made by the user when its parent is another's.
    const std::string prefix = PARVOLA_WINE_PREFIX "-" + std::to_string(::getuid());
    std::filesystem::create_directories(prefix);
    std::string environment = "XDG_CONFIG_HOME='" + tree.path() + "' WINEPREFIX=" + prefix +
                              " WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY= ";
    std::string said;
    if (!row.locale.empty()) {
        // The locale is made for the test alone, so it needs no root and no locale installed.
        const std::string make = "localedef -i " + row.locale.substr(0, row.locale.find('.')) +
                                 " -f UTF-8 ../" + row.locale + " 2>&1";
        if (RunInPieces(tree, make, said) > 1) { // 1: made, with warnings
            GTEST_SKIP() << "cannot make the locale " << row.locale << ": " << said;
        }
        environment += "LOCPATH='" + tree.path() + "' LC_ALL=" + row.locale + " ";
    } else {
        // Wine reads its command line in the user's locale: without one (a login with no LANG) a UTF-8
        // name would arrive garbled.
        environment += "LC_ALL=C.UTF-8 ";
    }
    const std::string name = "'" + row.name + "'";
    // What cmd prints to a file comes in the ANSI code page.
    const std::string cmd = environment + "wine cmd /c " + name + ".bat >../out; code=$?; iconv -f CP" +
                            (row.locale.empty() ? "1252" : "932") + " -t UTF-8 -c ../out; exit $code";
    ASSERT_EQ(
        RunInPieces(tree, environment + PARVOLA_SPLIT_FOLDER "/parvola-split -y -s 1K ../" + name, said), 0)
        << said;
    ASSERT_EQ(RunInPieces(tree, "sha256sum " + name + ".00? >../sums", said), 0) << said;

    ASSERT_EQ(RunInPieces(tree, "mv " + name + ".002 .. && " + cmd, said), 1) << said;
    EXPECT_NE(said.find("The piece \"" + row.name + ".002\" is missing."), std::string::npos) << said;
    EXPECT_EQ(said.find("Done!"), std::string::npos) << said;
    EXPECT_EQ(
        RunInPieces(tree, "! test -e " + name + " && sha256sum -c --quiet --ignore-missing ../sums", said), 0)
        << said;

    ASSERT_EQ(RunInPieces(tree, "mv ../" + name + ".002 . && " + cmd, said), 0) << said;
    EXPECT_NE(said.find("Done!"), std::string::npos) << said;
    EXPECT_EQ(RunInPieces(tree, "cmp " + name + " ../" + name + " && ! ls " + name + ".00?", said), 0)
        << said;
}

INSTANTIATE_TEST_SUITE_P(Names, BatchFile,
                         ::testing::Values(Receiver{"Spaces", "my file.bin", ""},
                                           Receiver{"Cp850", "Größe résumé.bin", ""},
                                           Receiver{"Cp932", "データ.bin", "ja_JP.UTF-8"}),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace parvola::test
