// parvola-split: its command line, its boxes on a terminal, and the real program run as a user runs it.
#include "app/console_ui.h"
#include "app/split_options.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace parvola::test {

// Each size with its bytes and what its question holds between "partitions " and " long?"; numbers past any
// size a file could have are refused, never a crash. Both forms of each option are taken.
TEST(SplitOptions, SizesAndArgumentsAreReadOrRefused) {
    const std::tuple<const char*, double, const char*> sizes[] = {
        {"360K", 360000, "360 KB"},         {"720K", 720000, "720 KB"},
        {"1.2M", 1200000, "1.2 MB"},        {"1.44M", 1440000, "1.44 MB"},
        {"500K", 500000, "500 KB"},         {"100M", 100000000, "100 MB bytes"},
        {"4700M", 4700000000.0, "4700 MB"}, {"9007199254M", 9007199254000000.0, "9007199254 MB"}};
    for (const auto& [text, bytes, asked] : sizes) {
        const SizeChoice size = ParseSize(text).value_or(SizeChoice{});
        EXPECT_EQ(size.bytes, bytes) << text;
        EXPECT_EQ(size.question, "Split the file into partitions " + std::string(asked) + " long?");
    }
    const std::string refused[] = {"",   "K",   "0K",  "00M", "1.5M",        "10k",
                                   "10", "-5K", "10G", "1 M", "9007199255M", std::string(300, '9') + "K"};
    for (const std::string& text : refused) {
        EXPECT_FALSE(ParseSize(text)) << text;
    }
    // The options as one text: bytes, folder, file, and whether to go on without asking.
    const auto parsed = [](const std::vector<std::string>& args) {
        const SplitOptions o = ParseSplitArguments(args).options.value_or(SplitOptions{});
        return std::to_string(long(o.size.bytes)) + "|" + o.dest + "|" + o.file + (o.yes ? "|yes" : "");
    };
    EXPECT_EQ(parsed({"file.iso"}), "1440000||file.iso");
    EXPECT_EQ(parsed({"--size=100M", "--dest", "/x", "-y", "--", "-odd name"}), "100000000|/x|-odd name|yes");
    const std::vector<std::string> wrong[] = {
        {"a", "b"}, {"--size", "3X", "a"}, {"--size"}, {"--frobnicate", "a"},
        {"--dest"}, {"--yes=no", "a"},     {},
    };
    for (const auto& args : wrong) {
        EXPECT_NE(ParseSplitArguments(args).error, "") << testing::PrintToString(args);
    }
}

// A message starts a line of its own, and a copy's progress takes the line and gives it back. Answers are
// read a line each: yes goes on, Enter gives the question's default; Enter keeps the last disk choice and
// asks again when there is none, as a number off the menu does. Without a terminal, or with nobody reading
// the questions, nothing is read, and the answer is no.
TEST(ConsoleUi, DrawsOneProgressLineAndTakesAnswersOnlyFromATerminal) {
    std::istringstream typed("y\n  Yes\nn\n\nja\n\nn\n\n1\n\n7\n2\n4\n");
    std::ostringstream asked;
    ConsoleUi noTerminal(typed, asked, false, false);
    EXPECT_FALSE(noTerminal.AskYesNo("Split?", MessageIcon::Question, DefaultAnswer::Yes));
    EXPECT_EQ(noTerminal.ShowDiskDialog(), DiskChoice::Cancel);
    // An error stream nobody reads any more (a closed pipe) answers nothing either, and stops the run.
    std::ostringstream closed;
    closed.setstate(std::ios::badbit);
    ConsoleUi unheard(typed, closed, true, false);
    EXPECT_FALSE(unheard.AskYesNo("Delete?", MessageIcon::Question, DefaultAnswer::No));
    EXPECT_EQ(unheard.ShowDiskDialog(), DiskChoice::Cancel);
    EXPECT_TRUE(unheard.CancelRequested() && !noTerminal.CancelRequested());
    EXPECT_EQ(typed.tellg(), 0);
    std::ostringstream err;
    ConsoleUi ui(typed, err, true, true);
    ui.ShowProgress();
    ui.ShowMessage("Error: 61\r\n\r\nDisk full", MessageIcon::Critical);
    ui.SetProgress(40);
    for (const int percent : {0, 42, 42, 100}) {
        ui.ShowCopyProgress("a.001", percent);
    }
    ui.SetProgress(40);
    EXPECT_EQ(err.str(), "\rProcessing - Please wait... 0%\nerror: Error: 61\n\nDisk full\n"
                         "\rProcessing - Please wait... 40%\r\033[KCopying a.001 to the disk... 0%"
                         "\rCopying a.001 to the disk... 42%\r\033[K\rProcessing - Please wait... 40%");
    const auto no = [&] { return ui.AskYesNo("Delete?", MessageIcon::Question, DefaultAnswer::No); };
    const auto yes = [&] { return ui.AskYesNo("Split?", MessageIcon::Question, DefaultAnswer::Yes); };
    EXPECT_EQ((std::vector{no(), no(), no(), no(), no(), yes(), yes()}),
              (std::vector{true, true, false, false, false, true, false}));
    EXPECT_NE(err.str().find("Delete? [y/N] "), std::string::npos);
    EXPECT_NE(err.str().find("Split? [Y/n] "), std::string::npos);
    EXPECT_EQ(
        (std::vector{ui.ShowDiskDialog(), ui.ShowDiskDialog(), ui.ShowDiskDialog(), ui.ShowDiskDialog()}),
        (std::vector{DiskChoice::NewDisk, DiskChoice::NewDisk, DiskChoice::Format, DiskChoice::Cancel}));
}

// The real program, run by a shell without a terminal in an empty folder beside the file to split. A run that
// does not split leaves no piece and the source whole, and no name reaches the terminal raw: a file size
// limit is a write error like a full disk, and Ctrl+C, once the second piece has bytes, takes back what was
// written. A run that splits puts the pieces and their checksums in the current folder unless told, and
// deletes the source only when told, whatever the window's choices say.
TEST(ParvolaSplit, EndsWithAnExitCodeThatTellsHowAndSharesTheSettingsWithTheWindow) {
    TempTree tree;
    std::filesystem::create_directories(tree / "pieces");
    WriteBytes(tree / "movie.mkv", PatternBytes(3500));
    WriteBytes(tree / "evil\x1b]0;owned\x07.bin", PatternBytes(3500));
    WriteBytes(tree / "x\ninformation: Completed splitting files.", PatternBytes(3500));
    ::setenv("XDG_CONFIG_HOME", tree.path().c_str(), 1);
    ::setenv("PATH", (PARVOLA_SPLIT_FOLDER ":" + std::string(std::getenv("PATH"))).c_str(), 1);
    // The exit code of the shell commands; what they wrote is in said.
    std::string said;
    const auto run = [&](const std::string& shell) { return RunInPieces(tree, shell, said); };
    const std::tuple<const char*, int, const char*> runs[] = {
        {"parvola-split -s 100M ../movie.mkv", 1, "100 MB bytes long? [Y/n] no"},
        {"ulimit -f 4 && parvola-split -y -s 3K ../movie.mkv", 1,
         "Error: 61\n\nDisk full\nThe file was not split."},
        {"parvola-split -y -s 1K \"../$(printf 'evil\\033]0;owned\\007.bin')\"", 1,
         "evil\\x1b]0;owned\\x07.bin holds a control"},
        {"truncate -s 1G ../big.iso; parvola-split -y -s 10M ../big.iso & "
         "until [ -s big.iso.002 ] || ! kill -0 $!; do :; done; kill -INT $!; wait $!",
         130, ""},
        {"parvola-split -y -s 1K \"../$(printf 'x\ninformation: Completed splitting files.')\"", 1,
         "x\\x0ainformation: Completed splitting files. holds a control"},
        {"parvola-split --size 3X ../movie.mkv", 2, "Usage: parvola-split"},
        // Help and version that cannot be written are no success, as for any other program.
        {"parvola-split --help >/dev/full", 1, "parvola-split: write error: No space left on device"},
        {"parvola-join --version >&-", 1, "parvola-join: write error: Bad file descriptor"},
        {"parvola --help >/dev/full", 1, "parvola: write error: No space left on device"}};
    for (const auto& [command, code, told] : runs) {
        EXPECT_EQ(run(command), code) << command;
        EXPECT_NE(said.find(told), std::string::npos) << said;
        EXPECT_EQ(said.find('\x1b'), std::string::npos) << said;
        EXPECT_EQ(said.find("\ninformation: Completed"), std::string::npos) << said;
        EXPECT_TRUE(std::filesystem::is_empty(tree / "pieces")) << command;
        EXPECT_EQ(ReadBytes(tree / "movie.mkv"), PatternBytes(3500));
    }
    ASSERT_EQ(run("parvola-split --yes --size 1K ../movie.mkv && cat movie.mkv.004 && sha256sum -c "
                  "--ignore-missing movie.mkv.sha256"),
              0)
        << said;
    EXPECT_EQ(ReadBytes(tree / "Orvane/Parvola.conf"), "[General]\nchk83=0\noptReadme=0\n");
    // A reader gone before the last message: the run still ends as it would, its set whole and its lock
    // gone, instead of dying of SIGPIPE.
    std::filesystem::remove_all(tree / "pieces");
    std::filesystem::create_directories(tree / "pieces");
    EXPECT_EQ(run("(sleep 0.3; parvola-split -y -s 1K ../movie.mkv; echo $? >../code) 2>&1 | true"), 0);
    EXPECT_EQ(ReadBytes(tree / "code"), "0\n");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(tree / "pieces")) {
        left.push_back(entry.path().filename());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Readme.txt", "movie.mkv.001", "movie.mkv.002", "movie.mkv.003",
                                              "movie.mkv.004", "movie.mkv.bat", "movie.mkv.sha256"}));
    // The window's choices to delete the source and to write no checksums do not reach the command line.
    WriteBytes(tree / "Orvane/Parvola.conf", "[General]\noptClean=0\noptChecksum=0\n");
    // The options, the checksum file's fate ("ls": written, "! ls": not), and whether the source stays.
    const std::tuple<const char*, const char*, bool> ends[] = {{"", "ls", true},
                                                               {"--checksum", "ls", true},
                                                               {"--no-checksum", "! ls", true},
                                                               {"--delete-source", "ls", false}};
    for (const auto& [options, listed, kept] : ends) {
        const std::string command = "rm -f ../movie.mkv.*; parvola-split -y -s 2K -d .. " +
                                    std::string(options) + " ../movie.mkv && " + listed +
                                    " ../movie.mkv.sha256";
        EXPECT_EQ(run(command), 0) << command << "\n" << said;
        EXPECT_EQ(Exists(tree / "movie.mkv"), kept) << command;
        EXPECT_EQ(said.find("Deleted") != std::string::npos, !kept) << said;
        EXPECT_TRUE(kept || said.find("information: Deleted " + tree / "movie.mkv.\n") != std::string::npos);
    }
    EXPECT_EQ(ReadBytes(tree / "movie.mkv.002").size(), 1500u);
}

} // namespace parvola::test
