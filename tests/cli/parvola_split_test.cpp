// SPDX-License-Identifier: GPL-3.0-or-later
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

// A size as the user writes it: its bytes and what its question holds between "partitions " and " long?", or,
// with no bytes, a part of the reason it is refused. Numbers past any size are refused, never a crash.
struct SizeRow {
    const char* text;
    double bytes; // 0: refused
    std::string told;
};

std::ostream& operator<<(std::ostream& os, const SizeRow& row) {
    return os << "'" << row.text << "'";
}

class SizeGrammar : public ::testing::TestWithParam<SizeRow> {};

TEST_P(SizeGrammar, IsReadOrRefusedWithItsReason) {
    const SizeRow& row = GetParam();
    const SizeReading read = ParseSize(row.text);
    EXPECT_EQ(read.size ? read.size->bytes : 0, row.bytes);
    EXPECT_EQ(read.size ? read.size->question : read.error,
              row.bytes ? "Split the file into partitions " + row.told + " long?" : row.told);
}

const std::string kGrammar =
    "': give a number of bytes, or a number followed by K, M or G (1000-based) or KiB, "
    "MiB or GiB (1024-based)";

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizeGrammar,
    ::testing::Values(
        SizeRow{"360K", 360000, "360 KB"}, SizeRow{"1.44M", 1440000, "1.44 MB"},
        SizeRow{"1.44m", 1440000, "1.44 MB"}, SizeRow{"100M", 100000000, "100 MB bytes"},
        SizeRow{"100m", 100000000, "100 MB bytes"}, SizeRow{"500k", 500000, "500 KB"},
        SizeRow{"2.5M", 2500000, "2.5 MB"}, SizeRow{"0.5K", 500, "0.5 KB"}, SizeRow{"1G", 1e9, "1 GB"},
        SizeRow{"1000000", 1000000, "1000000 bytes"}, SizeRow{"4KiB", 4096, "4 KiB"},
        SizeRow{"1.5MiB", 1572864, "1.5 MiB"}, SizeRow{"2gib", 2147483648.0, "2 GiB"},
        SizeRow{"0.0009765625KiB", 1, "0.0009765625 KiB"},
        SizeRow{"9007199254740992", 9007199254740992.0, "9007199254740992 bytes"},
        SizeRow{"9007199254M", 9007199254000000.0, "9007199254 MB"},
        SizeRow{"KB", 0,
                "ambiguous size 'KB': it could be K (units of 1000 bytes) or KiB (units of 1024 bytes); "
                "give one of those"},
        SizeRow{"10MB", 0,
                "ambiguous size '10MB': it could be 10M (10000000 bytes) or 10MiB (10485760 bytes); give one "
                "of those"},
        SizeRow{
            "2gb", 0,
            "ambiguous size '2gb': it could be 2G (2000000000 bytes) or 2GiB (2147483648 bytes); give one "
            "of those"},
        SizeRow{"0", 0, "invalid size '0': a piece holds at least 1 byte"},
        SizeRow{"0.0M", 0, "invalid size '0.0M': a piece holds at least 1 byte"},
        SizeRow{"2.5", 0, "invalid size '2.5': pieces are a whole number of bytes"},
        SizeRow{"0.1KiB", 0, "invalid size '0.1KiB': pieces are a whole number of bytes"},
        SizeRow{"-1", 0, "invalid size '-1" + kGrammar},
        SizeRow{"1.5.2M", 0, "invalid size '1.5.2M" + kGrammar},
        SizeRow{"M", 0, "invalid size 'M" + kGrammar}, SizeRow{"", 0, "invalid size '" + kGrammar},
        SizeRow{".5M", 0, "invalid size '.5M" + kGrammar}, SizeRow{"1 M", 0, "invalid size '1 M" + kGrammar},
        SizeRow{"3X", 0, "invalid size '3X" + kGrammar},
        SizeRow{"99999999999999999999G", 0,
                "size '99999999999999999999G' is too large: a piece holds at most 9007199254740992 bytes"},
        SizeRow{"9007199254740993", 0,
                "size '9007199254740993' is too large: a piece holds at most 9007199254740992 bytes"},
        SizeRow{"8796093022209KiB", 0,
                "size '8796093022209KiB' is too large: a piece holds at most 9007199254740992 bytes"}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

// The options as one text (bytes, folder, file, and whether to go on without asking), or why they are wrong.
TEST(SplitOptions, ShortOptionsBundleLongOnesTakeAnEqualsSignAndTwoDashesEndThem) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"file.iso"}, "1440000||file.iso"},
        {{"-ys1M", "f"}, "1000000||f|yes"},
        {{"-s1M", "f"}, "1000000||f"},
        {{"-s", "1M", "f"}, "1000000||f"},
        {{"--size=1M", "f"}, "1000000||f"},
        {{"-yd", "/x", "-s", "2K", "f"}, "2000|/x|f|yes"},
        {{"--size=100M", "--dest", "/x", "-y", "--", "-x"}, "100000000|/x|-x|yes"},
        {{"-y", "--", "--size"}, "1440000||--size|yes"},
        {{"-yx", "f"}, "unknown option '-x'"},
        {{"--yes=no", "f"}, "unknown option '--yes=no'"},
        {{"-s"}, "--size needs a size"},
        {{"-ys"}, "--size needs a size"},
        {{"-sy", "f"}, "invalid size 'y" + kGrammar},
        {{"--dest", "", "f"}, "--dest needs a folder"},
        {{"a", "b"}, "only one file can be split at a time"},
        {{}, "no file to split"},
    };
    for (const auto& [args, expected] : rows) {
        const auto parsed = ParseSplitArguments(args);
        const SplitOptions o = parsed.options.value_or(SplitOptions{});
        EXPECT_EQ(parsed.options ? std::to_string(long(o.size.bytes)) + "|" + o.dest + "|" + o.file +
                                       (o.yes ? "|yes" : "")
                                 : parsed.error,
                  expected)
            << testing::PrintToString(args);
    }
}

// The job's texts as one line each: their lines joined, and a failure told by number told instead by what
// failed and the system's words, when the file operations noted it.
TEST(ConsoleLine, NamesTheFileAndTheSystemsWordsWhereTheJobGivesANumber) {
    FailureLog failures;
    failures.Note(FileError{61, "Disk full", "No space left on device"}, "cannot write to /x/a.001");
    failures.Note(FileError{75, "Path/File access error", "Permission denied"}, "cannot open /x/a.sha256");
    failures.Note(FileError{62, "Input past end of file"}, "cannot read /x/a.002");
    const std::pair<std::string, std::string> rows[] = {
        {"Error: 61\r\n\r\nDisk full\r\nThe file was not split.",
         "cannot write to /x/a.001: No space left on device. The file was not split."},
        {"The checksum file a.sha256 cannot be read.\r\n\r\nError: 75\r\n\r\nPath/File access error",
         "The checksum file a.sha256 cannot be read. Cannot open /x/a.sha256: Permission denied"},
        {"Error: 62\r\n\r\nInput past end of file", "cannot read /x/a.002: Input past end of file"},
        {"Error: 57\r\n\r\nDevice I/O error\r\nThe file was not split.",
         "Device I/O error (error 57). The file was not split."},
        {"Completed splitting files.", "Completed splitting files."},
        {"The file a\nb.bin already exists.", "The file a\\x0ab.bin already exists."},
    };
    for (const auto& [text, line] : rows) {
        EXPECT_EQ(ConsoleLine(text, &failures), line);
    }
    EXPECT_EQ(ConsoleLine("Error: 61\r\n\r\nDisk full", nullptr), "Disk full (error 61)");
}

// A message starts a line of its own, and a copy's progress takes the line and gives it back. Answers are
// read a line each: yes goes on, Enter gives the question's default; Enter keeps the last disk choice and
// asks again when there is none, as a number off the menu does. Without a terminal, or with nobody reading
// the questions, nothing is read, and the answer is no.
TEST(ConsoleUi, DrawsOneProgressLineAndTakesAnswersOnlyFromATerminal) {
    std::istringstream typed("y\n  Yes\nn\n\nja\n\nn\n\n1\n\n7\n2\n4\n");
    std::ostringstream asked;
    ConsoleUi noTerminal("parvola-split", typed, asked, false, false);
    EXPECT_FALSE(noTerminal.AskYesNo("Split?", MessageIcon::Question, DefaultAnswer::Yes));
    EXPECT_EQ(noTerminal.ShowDiskDialog(), DiskChoice::Cancel);
    // An error stream nobody reads any more (a closed pipe) answers nothing either, and stops the run.
    std::ostringstream closed;
    closed.setstate(std::ios::badbit);
    ConsoleUi unheard("parvola-split", typed, closed, true, false);
    EXPECT_FALSE(unheard.AskYesNo("Delete?", MessageIcon::Question, DefaultAnswer::No));
    EXPECT_EQ(unheard.ShowDiskDialog(), DiskChoice::Cancel);
    EXPECT_TRUE(unheard.CancelRequested() && !noTerminal.CancelRequested());
    EXPECT_EQ(typed.tellg(), 0);
    std::ostringstream err;
    ConsoleUi ui("parvola-split", typed, err, true, true);
    ui.ShowProgress();
    ui.ShowMessage("Error: 61\r\n\r\nDisk full", MessageIcon::Critical);
    ui.SetProgress(40);
    for (const int percent : {0, 42, 42, 100}) {
        ui.ShowCopyProgress("a.001", percent);
    }
    ui.SetProgress(40);
    EXPECT_EQ(err.str(), "\rProcessing - Please wait... 0%\nparvola-split: Disk full (error 61)\n"
                         "\rProcessing - Please wait... 40%\r\033[KCopying a.001 to the disk... 0%"
                         "\rCopying a.001 to the disk... 42%\r\033[K\rProcessing - Please wait... 40%");
    const auto no = [&] { return ui.AskYesNo("Delete?", MessageIcon::Question, DefaultAnswer::No); };
    const auto yes = [&] { return ui.AskYesNo("Split?", MessageIcon::Question, DefaultAnswer::Yes); };
    EXPECT_EQ((std::vector{no(), no(), no(), no(), no(), yes(), yes()}),
              (std::vector{true, true, false, false, false, true, false}));
    EXPECT_NE(err.str().find("\nparvola-split: Delete? [y/N] "), std::string::npos);
    EXPECT_NE(err.str().find("[y/N] parvola-split: Split? [Y/n] "), std::string::npos);
    EXPECT_EQ(
        (std::vector{ui.ShowDiskDialog(), ui.ShowDiskDialog(), ui.ShowDiskDialog(), ui.ShowDiskDialog()}),
        (std::vector{DiskChoice::NewDisk, DiskChoice::NewDisk, DiskChoice::Format, DiskChoice::Cancel}));
}

// The real program, run by a shell without a terminal in an empty folder beside the file to split. A run that
// does not split leaves no piece and the source whole, says why in one line after the program's name, and
// lets no name reach the terminal raw: a file size limit is a write error like a full disk, a missing folder
// is named with the system's words, and Ctrl+C, once the second piece has bytes, takes back what was
// written. A run that splits says nothing unless a terminal watches, puts the pieces and their checksums in
// the current folder unless told, and deletes the source only when told, whatever the window's choices say.
TEST(ParvolaSplit, EndsWithAnExitCodeThatTellsHowAndSharesTheSettingsWithTheWindow) {
    TempTree tree;
    std::filesystem::create_directories(tree / "pieces");
    WriteBytes(tree / "movie.mkv", PatternBytes(3500));
    WriteBytes(tree / "evil\x1b]0;owned\x07.bin", PatternBytes(3500));
    WriteBytes(tree / "x\nparvola-split: Completed splitting files.", PatternBytes(3500));
    ::setenv("XDG_CONFIG_HOME", tree.path().c_str(), 1);
    ::setenv("PATH", (PARVOLA_SPLIT_FOLDER ":" + std::string(std::getenv("PATH"))).c_str(), 1);
    // The exit code of the shell commands; what they wrote is in said.
    std::string said;
    const auto run = [&](const std::string& shell) { return RunInPieces(tree, shell, said); };
    const std::string tryHelp = "\nTry 'parvola-split --help' for more information.\n";
    const std::tuple<std::string, int, std::string> runs[] = {
        {"parvola-split -s 1K ../movie.mkv", 1,
         "parvola-split: Split the file into partitions 1 KB long? [Y/n] no (no terminal to answer "
         "on)\nparvola-split: give --yes to split without a terminal to confirm on\n"},
        {"ulimit -f 4 && parvola-split -y -s 3K ../movie.mkv", 1,
         "parvola-split: cannot write to " + tree / "pieces/movie.mkv.001: File too large. The file was not "
                                                    "split.\n"},
        {"parvola-split -ys1K -d ../nowhere ../movie.mkv", 1,
         "parvola-split: cannot write to " + tree / "nowhere: No such file or directory\n"},
        {"parvola-split -ys 4K ../movie.mkv", 1,
         "parvola-split: cannot split " + tree / "movie.mkv into pieces of 4000 bytes: it holds only 3500 "
                                                 "bytes\n"},
        {"parvola-split -y -- -x", 1,
         "parvola-split: cannot split " + tree / "pieces/-x: No such file or "
                                                 "directory\n"},
        {"parvola-split -y -s 1K \"../$(printf 'evil\\033]0;owned\\007.bin')\"", 1,
         "evil\\x1b]0;owned\\x07.bin holds a control"},
        {"truncate -s 1G ../big.iso; parvola-split -y -s 10M ../big.iso & "
         "until [ -s big.iso.002 ] || ! kill -0 $!; do :; done; kill -INT $!; wait $!",
         130, ""},
        {"parvola-split -y -s 1K \"../$(printf 'x\nparvola-split: Completed splitting files.')\"", 1,
         "x\\x0aparvola-split: Completed splitting files. holds a control"},
        {"parvola-split --size 3X ../movie.mkv", 2,
         "parvola-split: invalid size '3X': give a number of bytes"},
        {"parvola-split -s 10MB ../movie.mkv", 2, "10MiB (10485760 bytes); give one of those" + tryHelp},
        {"parvola-split -yz ../movie.mkv", 2, "parvola-split: unknown option '-z'" + tryHelp},
        // Help and version that cannot be written are no success, as for any other program.
        {"parvola-split --help >/dev/full", 1, "parvola-split: write error: No space left on device"},
        {"parvola-join --version >&-", 1, "parvola-join: write error: Bad file descriptor"},
        {"parvola --help >/dev/full", 1, "parvola: write error: No space left on device"}};
    for (const auto& [command, code, told] : runs) {
        EXPECT_EQ(run(command), code) << command;
        EXPECT_NE(said.find(told), std::string::npos) << said;
        EXPECT_EQ(said.find('\x1b'), std::string::npos) << said;
        EXPECT_EQ(said.find("\nparvola-split: Completed"), std::string::npos) << said;
        EXPECT_EQ(said.find("Usage:"), std::string::npos) << said;
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
                                    " ../movie.mkv.sha256 >/dev/null 2>&1";
        EXPECT_EQ(run(command), 0) << command << "\n" << said;
        EXPECT_EQ(Exists(tree / "movie.mkv"), kept) << command;
        EXPECT_EQ(said, "") << command;
    }
    EXPECT_EQ(ReadBytes(tree / "movie.mkv.002").size(), 1500u);
    // On a terminal one line on the standard output tells what was done.
    WriteBytes(tree / "pieces/-x", PatternBytes(3500));
    ASSERT_EQ(run("script -qec 'parvola-split -ys3000 -d .. --delete-source -- -x "
                  "2>/dev/null' /dev/null"),
              0)
        << said;
    EXPECT_EQ(said, "Split -x into 2 pieces in " + tree.path() + ", and deleted it.\r\n");
}

} // namespace parvola::test
