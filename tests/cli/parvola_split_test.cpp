// parvola-split run as a user runs it, without a terminal: exit codes, files and the shared settings file.
#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

namespace parvola::test {
namespace {

class ParvolaSplit : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dest);
        std::filesystem::create_directories(config + "/Orvane");
        WriteBytes(tree / "movie.mkv", PatternBytes(3500));
    }

    // Runs the program in the test's folder with stdin from /dev/null; returns its exit code.
    int Run(const std::string& args) {
        const std::string command = "cd '" + tree.path() + "' && XDG_CONFIG_HOME='" + config + "' '" +
                                    PARVOLA_SPLIT_BINARY + "' " + args + " </dev/null >'" + (tree / "out") +
                                    "' 2>'" + (tree / "err") + "'";
        const int status = std::system(command.c_str());
        out = ReadBytes(tree / "out");
        err = ReadBytes(tree / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempTree tree;
    const std::string dest = tree / "pieces";
    const std::string config = tree / "config";
    const std::string settingsFile = config + "/Orvane/Parvola.conf";
    std::string out;
    std::string err;
};

TEST_F(ParvolaSplit, SplitsWithYesAndKeepsTheSourceWhenNobodyCanBeAsked) {
    EXPECT_EQ(Run("--yes --size 1K --dest pieces movie.mkv"), 0) << err;

    EXPECT_EQ(ReadBytes(dest + "/movie.mkv.001") + ReadBytes(dest + "/movie.mkv.002") +
                  ReadBytes(dest + "/movie.mkv.003") + ReadBytes(dest + "/movie.mkv.004"),
              PatternBytes(3500));
    EXPECT_TRUE(Exists(dest + "/movie.mkv.bat"));
    EXPECT_TRUE(Exists(dest + "/Readme.txt"));
    EXPECT_TRUE(Exists(tree / "movie.mkv"));
    EXPECT_NE(err.find("question: Would you like to delete the source file?"), std::string::npos);
    EXPECT_NE(err.find("information: Completed splitting files.\n"), std::string::npos);
    const auto stored = ReadBytes(settingsFile);
    for (const auto* line : {"chk83=0", "optReadme=0", "optClean=1"}) {
        EXPECT_NE(stored.find(line), std::string::npos) << line;
    }
}

TEST_F(ParvolaSplit, SharesTheCleanupChoiceOfTheSettingsFile) {
    WriteBytes(settingsFile, "[General]\noptClean=0\n");
    EXPECT_EQ(Run("-y -s 2K -d pieces movie.mkv"), 0) << err;
    EXPECT_FALSE(Exists(tree / "movie.mkv"));
    EXPECT_EQ(ReadBytes(dest + "/movie.mkv.002").size(), 1500u);
}

TEST_F(ParvolaSplit, DefaultsToTheCurrentFolder) {
    WriteBytes(tree / "big.bin", PatternBytes(1440001));
    EXPECT_EQ(Run("--yes big.bin"), 0) << err;
    EXPECT_EQ(ReadBytes(tree / "big.bin.002").size(), 1u);
}

TEST_F(ParvolaSplit, WithoutATerminalTheSizeQuestionIsNo) {
    EXPECT_EQ(Run("--size 100M --dest pieces movie.mkv"), 1);
    EXPECT_NE(err.find("question: Split the file into partitions 100 MB bytes long?"), std::string::npos);
    EXPECT_NE(err.find("--yes"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dest));
}

TEST_F(ParvolaSplit, FailureMessagesExitWithOne) {
    EXPECT_EQ(Run("--yes --size 4K --dest pieces movie.mkv"), 1);
    EXPECT_EQ(err, "warning: File is too small to split.\n");

    EXPECT_EQ(Run("--yes --dest pieces nothing.here"), 1);
    EXPECT_NE(err.find("error: "), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dest));
}

TEST_F(ParvolaSplit, RefusedArgumentsExitWithTwo) {
    EXPECT_EQ(Run("--size 3X movie.mkv"), 2);
    EXPECT_NE(err.find("Usage: parvola-split"), std::string::npos);
    EXPECT_EQ(Run(""), 2);

    EXPECT_EQ(Run("--version"), 0);
    EXPECT_EQ(out, "parvola-split 1.0\n");
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_NE(out.find("--size SIZE"), std::string::npos);
}

} // namespace
} // namespace parvola::test
