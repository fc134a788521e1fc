// SPDX-License-Identifier: GPL-3.0-or-later
// parvola-join: the real program, run as a user runs it on pieces parvola-split made.
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace parvola::test {

// Run by a shell without a terminal, in the folder of the pieces, one after the other: the 1200 pieces join
// back in their order (1000 after 999) through the checksums and without them; a damaged piece is named,
// a file there is replaced only with --force, --check writes nothing, --delete-pieces leaves the joined
// file alone, pieces without their batch or checksum file join only with --unchecked, and Ctrl+C takes
// back what was written. The exit code tells how each run ended.
TEST(ParvolaJoin, JoinsWhatParvolaSplitCutAndEndsWithAnExitCodeThatTellsHow) {
    TempTree tree;
    std::filesystem::create_directories(tree / "pieces");
    WriteBytes(tree / "movie.mkv", PatternBytes(1200000));
    ::setenv("XDG_CONFIG_HOME", tree.path().c_str(), 1);
    ::setenv("PATH",
             (PARVOLA_JOIN_FOLDER ":" PARVOLA_SPLIT_FOLDER ":" + std::string(std::getenv("PATH"))).c_str(),
             1);
    std::string said;
    const auto run = [&](const std::string& shell) { return RunInPieces(tree, shell, said); };
    const std::string flip = "printf Z | dd of=movie.mkv.1000 bs=1 seek=9 conv=notrunc status=none && ";
    const std::tuple<std::string, int, std::string> runs[] = {
        {"parvola-split -y --checksum -s 1K ../movie.mkv && parvola-join movie.mkv.001 && cmp movie.mkv "
         "../movie.mkv",
         0, ""},
        {"parvola-join movie.mkv.bat", 1,
         "parvola-join: The file " + tree / "pieces/movie.mkv already exists."},
        {"cp movie.mkv.1000 ../keep && " + flip + "parvola-join --force movie.mkv", 1,
         "The piece movie.mkv.1000 is damaged: its checksum does not match movie.mkv.sha256."},
        {"parvola-join --check movie.mkv", 1, "The piece movie.mkv.1000 is damaged"},
        // On a terminal one line on the standard output tells what was done; elsewhere nothing.
        {"cp ../keep movie.mkv.1000 && rm movie.mkv && script -qec 'parvola-join --check movie.mkv "
         "2>/dev/null' /dev/null && ! ls movie.mkv",
         0,
         "The 1200 pieces of movie.mkv are complete and readable, and match movie.mkv.sha256.  Nothing was "
         "written.\r\nls: "},
        {"mv movie.mkv.sha256 .. && parvola-join movie.mkv >../out && cmp movie.mkv ../movie.mkv && "
         "! test -s ../out && script -qec 'parvola-join -fd .. movie.mkv.001 2>/dev/null' /dev/null && "
         "rm ../movie.mkv.sha256",
         0, "Joined 1200 pieces into " + tree / "movie.mkv.\r\n"},
        // The joined file reaches the disk (fsync, not only a flush) before the first piece is deleted.
        {"strace -f -y -e trace=fsync,unlink,unlinkat -o ../trace parvola-join --delete-pieces --force "
         "movie.mkv.bat && ls && cmp movie.mkv ../movie.mkv && synced=$(grep -n -m1 "
         "'fsync(.*/[.]movie[.]mkv[.]parvola-join-.*= 0$' ../trace | cut -d: -f1) && deleted=$(grep -n -m1 "
         "'unlink.*movie[.]mkv[.]001' ../trace | cut -d: -f1) && [ \"$synced\" -lt \"$deleted\" ]",
         0, "Readme.txt\nmovie.mkv\n"},
        {"parvola-split -y --no-checksum -s 1K ../movie.mkv && rm movie.mkv.bat movie.mkv && parvola-join "
         "movie.mkv.001",
         1, "Neither movie.mkv.bat nor movie.mkv.sha256 lies beside the pieces"},
        {"parvola-join --unchecked movie.mkv.001 && cmp movie.mkv ../movie.mkv && rm movie.mkv.*", 0, ""},
        {"for i in 1 2 3; do truncate -s 1G big.00$i; printf '%064d  big.00%d\\n' 0 $i >>big.sha256; done; "
         "parvola-join big & "
         "until [ -n \"$(find . -name '.big.parvola-join-*' -size +0)\" ] || ! kill -0 $!; do :; done; "
         "kill -INT $! && wait $!; code=$?; rm big.*; ls -A; exit $code",
         130, "Readme.txt\nmovie.mkv\n"},
        {"parvola-join --frobnicate x", 2,
         "parvola-join: unknown option '--frobnicate'\nTry 'parvola-join --help' for more information.\n"},
        {"parvola-join -fx y", 2,
         "parvola-join: unknown option '-x'\nTry 'parvola-join --help' for more "
         "information.\n"}};
    for (const auto& [command, code, told] : runs) {
        EXPECT_EQ(run(command), code) << command << "\n" << said;
        EXPECT_NE(said.find(told), std::string::npos) << said;
        EXPECT_EQ(said.find(".parvola-join-"), std::string::npos) << said;
    }
}

} // namespace parvola::test
