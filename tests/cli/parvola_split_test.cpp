// parvola-split run as a user runs it, without a terminal: exit codes, files and the shared settings file.
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include <cstdlib>
#include <filesystem>

namespace parvola::test {
namespace {

class ParvolaSplit : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(tree / "pieces");
        std::filesystem::create_directories(tree / "config/Orvane");
        WriteBytes(tree / "movie.mkv", PatternBytes(3500));
    }

    // Runs the program in the test's folder with no terminal, after the shell commands before; returns its
    // exit code.
    int Run(const std::string& args, const std::string& before = "") {
        const std::string command = "cd '" + tree.path() + "' && " + before + " XDG_CONFIG_HOME='" +
                                    (tree / "config") + "' '" + PARVOLA_SPLIT_BINARY + "' " + args +
                                    " </dev/null >out 2>err";
        const int status = std::system(command.c_str());
        out = ReadBytes(tree / "out");
        err = ReadBytes(tree / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempTree tree;
    std::string out;
    std::string err;
};

TEST_F(ParvolaSplit, SplitsWithYesAndKeepsTheSourceWhenNobodyCanBeAsked) {
    EXPECT_EQ(Run("--yes --size 1K --dest pieces movie.mkv"), 0) << err;

    std::string joined;
    for (const char* piece : {"001", "002", "003", "004"}) {
        joined += ReadBytes(tree / "pieces/movie.mkv." + piece);
    }
    EXPECT_EQ(joined, PatternBytes(3500));
    EXPECT_TRUE(Exists(tree / "pieces/movie.mkv.bat"));
    EXPECT_TRUE(Exists(tree / "movie.mkv"));
    EXPECT_NE(err.find("question: Would you like to delete the source file?"), std::string::npos);
    EXPECT_NE(err.find("information: Completed splitting files.\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(tree / "config/Orvane/Parvola.conf"),
              "[General]\nchk83=0\noptClean=1\noptReadme=0\n");
}

TEST_F(ParvolaSplit, SharesTheCleanupChoiceAndDefaultsToTheCurrentFolder) {
    WriteBytes(tree / "config/Orvane/Parvola.conf", "[General]\noptClean=0\n");
    EXPECT_EQ(Run("-y -s 2K movie.mkv"), 0) << err;
    EXPECT_FALSE(Exists(tree / "movie.mkv"));
    EXPECT_EQ(ReadBytes(tree / "movie.mkv.002").size(), 1500u);
}

TEST_F(ParvolaSplit, ExitCodesTellHowItEnded) {
    EXPECT_EQ(Run("--size 100M --dest pieces movie.mkv"), 1);
    EXPECT_NE(err.find("question: Split the file into partitions 100 MB bytes long? [y/N] no"),
              std::string::npos);
    EXPECT_EQ(Run("--yes --size 4K --dest pieces movie.mkv"), 1);
    EXPECT_EQ(err, "warning: File is too small to split.\n");
    EXPECT_EQ(Run("--yes --dest pieces nothing.here"), 1);
    EXPECT_TRUE(std::filesystem::is_empty(tree / "pieces"));

    EXPECT_EQ(Run("--size 3X movie.mkv"), 2);
    EXPECT_NE(err.find("Usage: parvola-split"), std::string::npos);
    EXPECT_EQ(Run("--size " + std::string(300, '9') + "K movie.mkv"), 2);
    EXPECT_NE(err.find("Usage: parvola-split"), std::string::npos);
    EXPECT_EQ(Run("--version"), 0);
    EXPECT_EQ(out, "parvola-split 1.0\n");
}

// A file size limit is a write error like a full disk: told, and nothing half-written left behind.
TEST_F(ParvolaSplit, AFileSizeLimitFailsTheSplitCleanly) {
    EXPECT_EQ(Run("--yes --size 3K --dest pieces movie.mkv", "ulimit -f 4 &&"), 1);

    EXPECT_NE(err.find("error: Error: 61\n\nDisk full\nThe file was not split.\n"), std::string::npos) << err;
    EXPECT_TRUE(std::filesystem::is_empty(tree / "pieces"));
    EXPECT_EQ(ReadBytes(tree / "movie.mkv"), PatternBytes(3500));
}

// Ctrl+C in the middle of a split stops it at the next block and takes back everything it wrote.
TEST_F(ParvolaSplit, AnInterruptStopsTheSplitAndTakesItBack) {
    ASSERT_EQ(::truncate((tree / "movie.mkv").c_str(), std::int64_t{1} << 30), 0); // sparse: quick to make
    const std::string pieces = tree / "pieces";
    const pid_t split = ::fork();
    if (split == 0) {
        ::setenv("XDG_CONFIG_HOME", (tree / "config").c_str(), 1);
        ::freopen("/dev/null", "r", stdin);
        ::freopen((tree / "err").c_str(), "w", stderr);
        ::execl(PARVOLA_SPLIT_BINARY, "parvola-split", "--yes", "--size", "10M", "--dest", pieces.c_str(),
                (tree / "movie.mkv").c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Well into the split: the second piece has bytes.
    const auto started = [&] {
        std::error_code missing;
        return std::filesystem::file_size(pieces + "/movie.mkv.002", missing) > 0 && !missing;
    };
    for (int waited = 0; waited < 20000 && !started(); ++waited) {
        ::usleep(1000);
    }
    ::kill(split, SIGINT);
    int status = 0;
    ASSERT_EQ(::waitpid(split, &status, 0), split);

    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 130) << ReadBytes(tree / "err");
    EXPECT_TRUE(std::filesystem::is_empty(pieces));
    EXPECT_EQ(std::filesystem::file_size(tree / "movie.mkv"), std::uintmax_t{1} << 30);
    EXPECT_EQ(ReadBytes(tree / "err").find("Completed"), std::string::npos);
}

// A name that holds terminal controls is shown with them written out, never sent to the terminal.
TEST_F(ParvolaSplit, NamesCannotSteerTheTerminal) {
    WriteBytes(tree / "evil\x1b]0;owned\x07.bin", PatternBytes(3500));

    EXPECT_EQ(Run("--yes --size 1K \"$f\"", "f=$(printf 'evil\\033]0;owned\\007.bin') &&"), 1);

    EXPECT_EQ(err.find('\x1b'), std::string::npos);
    EXPECT_NE(err.find("The file name evil\\x1b]0;owned\\x07.bin holds a control character (code 27)"),
              std::string::npos)
        << err;
}

} // namespace
} // namespace parvola::test
