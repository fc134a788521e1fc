// How a split ends: the files it leaves beside the pieces, what becomes of the source, and what a
// destination that cannot take the pieces leaves behind.
#include "split_fixture.h"

#include "engine/error_text.h"
#include "engine/maker.h"
#include "engine/rejoin_script.h"
#include "support/tmpfs_mount.h"

#include <functional>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace parvola::test {
namespace {

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

const std::string kAddressLine = std::string("echo      ") + kMakerWebAddress + "     ";
const std::string kCompleted = "information: Completed splitting files.";

using Outcome = SplitFixture;

TEST_F(Outcome, ScriptForThreePiecesReplacesAnOldOne) {
    WriteBytes(dest + "/report.doc.bat", std::string(5000, 'x'));

    EXPECT_EQ(Split(MakeSource("report.doc", 3000000), 1440000), SplitOutcome::Completed);

    EXPECT_EQ(ReadBytes(dest + "/report.doc.bat"),
              Lines({"@echo off", "echo Created with Orvane Parvola", kAddressLine, "echo.",
                     "call copy /b \"report.doc.001\"+\"report.doc.002\" \"report.doc.001\"",
                     "call copy /b \"report.doc.001\"+\"report.doc.003\" \"report.doc.001\"",
                     "call copy /b \"report.doc.001\" \"report.doc\"", "del \"report.doc.001\"",
                     "del \"report.doc.002\"", "del \"report.doc.003\"", "echo.", "echo Done!"}));
}

TEST_F(Outcome, ScriptForOnePieceQuotesNamesWithSpaces) {
    EXPECT_EQ(Split(MakeSource("My Holiday.mov", 1000), 1000), SplitOutcome::Completed);

    EXPECT_EQ(ReadBytes(dest + "/My Holiday.mov.bat"),
              Lines({"@echo off", "echo Created with Orvane Parvola", kAddressLine, "echo.",
                     "call copy /b \"My Holiday.mov.001\" \"My Holiday.mov\"", "del \"My Holiday.mov.001\"",
                     "echo.", "echo Done!"}));
}

TEST_F(Outcome, ShortNamesForPiecesScriptAndJoinedFile) {
    settings.values["chk83"] = "1";

    EXPECT_EQ(Split(MakeSource("Annual Report.doc", 2500), 1000), SplitOutcome::Completed);

    EXPECT_EQ(Names(dest), (std::vector<std::string>{"Annual R.001", "Annual R.002", "Annual R.003",
                                                     "Annual R.bat", "Readme.txt"}));
    EXPECT_NE(ReadBytes(dest + "/Annual R.bat").find("\r\ncall copy /b \"Annual R.001\" \"Annual R\"\r\n"),
              std::string::npos);
}

// The command interpreter reads the script in its OEM code page, so a name beyond ASCII is spelt in one;
// the readme, read by people, stays UTF-8 and puts the name in capitals letter by letter.
TEST_F(Outcome, NamesBeyondAsciiAreSpeltForTheCommandInterpreter) {
    const std::string name = "Gr\u00f6\u00dfe r\u00e9sum\u00e9.bin";
    const std::string cp850 = "Gr\x94\xe1"
                              "e r\x82sum\x82.bin";

    EXPECT_EQ(Split(MakeSource(name, 2000), 1000), SplitOutcome::Completed);

    EXPECT_NE(
        ReadBytes(dest + "/" + name + ".bat")
            .find("\r\ncall copy /b \"" + cp850 + ".001\"+\"" + cp850 + ".002\" \"" + cp850 + ".001\"\r\n"),
        std::string::npos);
    EXPECT_NE(ReadBytes(dest + "/Readme.txt").find("/GR\u00d6\u00dfE R\u00c9SUM\u00c9.BIN.BAT\r\n"),
              std::string::npos);
}

TEST(ScriptSpelling, TakesTheCodePageOfTheNamesScript) {
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {"report.doc", "report.doc"},
        {"na\u00efve caf\u00e9", "na\x8bve caf\x82"}, // 850
        {"\u010cesk\u00fd", "\xac"
                            "esk\xec"},                             // 852, Czech
        {"\u041e\u0442\u0447\u0451\u0442", "\x8e\xe2\xe7\xf1\xe2"}, // 866, Russian
        {"\u0391\u03b8\u03ae\u03bd\u03b1", "\x80\x9f\xe3\xa4\x98"}, // 737, Greek
        {"\u30c7\u30fc\u30bf", "\x83\x66\x81\x5b\x83\x5e"},         // 932, Japanese
        {"\uc790\ub8cc", "\xc0\xda\xb7\xe1"},                       // 949, Korean
        {"\u6570\u636e", "\xca\xfd\xbe\xdd"},                       // 936, Chinese
        {"smile\U0001F600", std::nullopt},
    };
    LinuxCodePages codePages;
    for (const auto& [name, spelt] : rows) {
        EXPECT_EQ(ScriptSpelling(codePages, name), spelt) << name;
    }
}

// Pieces, script and readme are no more readable to others than the source was.
TEST_F(Outcome, OutputsKeepTheSourcesPermissions) {
    const mode_t mask = ::umask(022);
    for (const auto mode : {std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                std::filesystem::perms::group_read}) {
        std::filesystem::remove_all(dest);
        std::filesystem::create_directory(dest);
        const auto source = MakeSource("report.doc", 2000);
        std::filesystem::permissions(source, mode);

        EXPECT_EQ(Split(source, 1000), SplitOutcome::Completed);

        for (const auto& name : Names(dest)) {
            EXPECT_EQ(std::filesystem::status(dest + "/" + name).permissions(), mode) << name;
        }
    }
    ::umask(mask);
}

TEST_F(Outcome, ReadmeNamesTheScriptInCapitalsUnlessSwitchedOff) {
    EXPECT_EQ(Split(MakeSource("report.doc", 1000), 1000), SplitOutcome::Completed);
    std::string upperDest = dest;
    std::transform(upperDest.begin(), upperDest.end(), upperDest.begin(), ::toupper);
    EXPECT_EQ(
        ReadBytes(dest + "/Readme.txt"),
        Lines(
            {"Joining Files Split with Parvola", "====================================", "",
             "If you split to diskettes or you do not have all of the files in the same directory for some "
             "other reason, you will first need to copy all of the files that were put onto the disks by "
             "Parvola to a temporary directory for rejoining.",
             "",
             "Once the files are all in the same directory, you can just run the Batch file (it will be "
             "<filename>.bat - see below) that Parvola created for you (it can be found on the last disk if "
             "you split to disks).",
             "", "The batch file name for this split file is:", upperDest + "/REPORT.DOC.BAT",
             "The above file can be found in the folder this Readme is in.", "",
             "If you run into any problems, please visit our web site or contact us by email:",
             kMakerWebAddress, kMakerEmail}));
    EXPECT_EQ(settings.values["optReadme"], "0");

    settings.values["optReadme"] = "1";
    std::filesystem::remove(dest + "/Readme.txt");
    EXPECT_EQ(Split(MakeSource("other.doc", 1000), 1000), SplitOutcome::Completed);
    EXPECT_FALSE(Exists(dest + "/Readme.txt"));
}

struct Cleanup {
    std::optional<std::string> stored;
    std::optional<bool> answer; // no value: no question expected
    bool deleted;
    std::string storedAfter;
};

void PrintTo(const Cleanup& row, std::ostream* os) {
    *os << "optClean " << row.stored.value_or("missing")
        << (row.answer ? (*row.answer ? ", Yes" : ", No") : "");
}

class SourceCleanup : public SplitFixture, public ::testing::WithParamInterface<Cleanup> {};

TEST_P(SourceCleanup, FollowsTheStoredChoice) {
    const Cleanup& row = GetParam();
    settings.values.erase("optClean");
    if (row.stored) {
        settings.values["optClean"] = *row.stored;
    }
    if (row.answer) {
        ui.answers.push_back(*row.answer);
    }
    const auto source = MakeSource("report.doc", 2000);

    EXPECT_EQ(Split(source, 1000), SplitOutcome::Completed);

    std::vector<std::string> expected = {"show"};
    if (row.answer) {
        expected.push_back(
            "ask question: Would you like to delete the source file?\r\n\r\nNote: You can edit the "
            "Options under the file menu so that the source is always deleted, never deleted, or you "
            "get this prompt.\r\n\r\nSource file name: " +
            source);
    }
    expected.insert(expected.end(), {"hide", kCompleted});
    EXPECT_EQ(ui.Boxes(), expected);
    EXPECT_EQ(Exists(source), !row.deleted);
    EXPECT_EQ(settings.values["optClean"], row.storedAfter);
}

INSTANTIATE_TEST_SUITE_P(Values, SourceCleanup,
                         ::testing::Values(Cleanup{"0", std::nullopt, true, "0"},
                                           Cleanup{"1", true, true, "1"}, Cleanup{"1", false, false, "1"},
                                           Cleanup{"2", std::nullopt, false, "2"},
                                           Cleanup{std::nullopt, false, false, "1"},
                                           Cleanup{"7", true, true, "1"}, Cleanup{"abc", false, false, "1"},
                                           Cleanup{"1.0", std::nullopt, false, "1.0"}));

// The source goes only while its name still leads to the very file that was split, unchanged; whatever
// stops it is told, and the split does not claim to be complete.
TEST_F(Outcome, SourceIsDeletedOnlyAsItWasSplit) {
    struct Row {
        const char* label;
        std::function<void(const std::string& source)> meddle; // while the delete question is up
        std::string box;                                       // {source} for the path; empty: deleted
    };
    const std::string kChanged = "exclamation: The file was split, but the source file was changed or "
                                 "replaced in the meantime, so it was kept (~{source}~).";
    const Row rows[] = {
        {"Unchanged", [](const std::string&) {}, ""},
        {"Replaced",
         [&](const std::string& source) {
             WriteBytes(source + ".new", "another file");
             std::filesystem::rename(source + ".new", source);
         },
         kChanged},
        {"WrittenTo", [](const std::string& source) { WriteBytes(source, PatternBytes(1999) + "x"); },
         kChanged},
        {"Undeletable",
         [&](const std::string&) {
             if (::geteuid() == 0) {
                 ::mount("tmpfs", sourceDir.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr);
             } else {
                 std::filesystem::permissions(sourceDir, std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_exec);
             }
         },
         "exclamation: The file was split, but the source file could not be deleted (~{source}~).\r\n\r\n"
         "Error: 75\r\n\r\nPath/File access error"},
    };
    // Root may delete anything from a writable folder: its source lies on a tmpfs made read-only later.
    const TmpfsMount sourceDisk(sourceDir, "size=1m");
    if (::geteuid() == 0 && !sourceDisk.mounted()) {
        GTEST_SKIP() << sourceDisk.whyNot();
    }
    settings.values["optClean"] = "1";
    for (const Row& row : rows) {
        const auto source = MakeSource(row.label, 2000);
        ui.log.clear();
        ui.answers = {true};
        ui.onMessage = [&](const std::string&) { row.meddle(source); };

        EXPECT_EQ(Split(source, 1000), row.box.empty() ? SplitOutcome::Completed : SplitOutcome::Failed)
            << row.label;

        EXPECT_EQ(ui.log.back(), row.box.empty() ? kCompleted : Fill(row.box, "{source}", source))
            << row.label;
        EXPECT_EQ(Exists(source), !row.box.empty()) << row.label;
        EXPECT_EQ(ReadBytes(dest + "/" + PieceName(row.label, 2)), PatternBytes(2000).substr(1000))
            << row.label;
    }
    if (::geteuid() != 0) {
        std::filesystem::permissions(sourceDir, std::filesystem::perms::owner_all);
    }
}

// A destination that fails while the pieces are written: the pieces and script of this run go, the source
// stays even with optClean "0", and nothing claims success.
class Failure : public SplitFixture {
protected:
    void SetUp() override {
        SplitFixture::SetUp();
        settings.values["optClean"] = "0";
        source = MakeSource("report.doc", 3000000);
    }
    void TearDown() override {
        if (mounted) {
            ::umount(dest.c_str());
        }
    }
    void ExpectReported(const std::string& box) {
        EXPECT_EQ(ui.Boxes(), (std::vector<std::string>{"show", "hide", box}));
        EXPECT_EQ(ReadBytes(source), PatternBytes(3000000));
    }
    bool Mount(const char* options) {
        mounted = ::mount("tmpfs", dest.c_str(), "tmpfs", 0, options) == 0;
        why = std::strerror(errno);
        return mounted;
    }

    std::string source;
    bool mounted = false;
    std::string why;
};

// A write that fails in a piece, the script or the readme: everything this run wrote goes, an older
// split's piece stays.
TEST_F(Failure, WriteFailingAnywhereTakesBackOnlyThisRun) {
    const struct {
        std::int64_t bytesBefore; // written before the failing write: the test line, then the files
        FileError failure;
    } rows[] = {
        {17 + 1500000, {61, "Disk full"}},             // the second piece
        {17 + 3000000 + 40, {57, "Device I/O error"}}, // the script's first line
        {17 + 3000000 + 362 + 100, {61, "Disk full"}}, // the readme, after the 362 bytes of the script
    };
    WriteBytes(dest + "/report.doc.009", "an older split's piece");
    for (const auto& row : rows) {
        ProbedFileSystem failing{realFiles};
        Platform failingPlatform{failing, drives, paths, codePages};
        failing.failAfterBytes = row.bytesBefore;
        failing.failure = row.failure;
        ui.log.clear();
        request = SplitRequest{source, dest, 1440000};

        EXPECT_EQ(SplitFile(request, ui, settings, failingPlatform), SplitOutcome::Failed);

        ExpectReported("critical: " + ErrorText(row.failure) + "\r\nThe file was not split.");
        EXPECT_EQ(Names(dest), std::vector<std::string>{"report.doc.009"});
    }
}

// Cancel stops the copy at its next block and takes back what this run wrote; the source stays.
TEST_F(Failure, CancelStopsAtTheNextBlockAndTakesBackThisRun) {
    WriteBytes(dest + "/report.doc.009", "an older split's piece");
    ui.cancelAfterChecks = 30; // into the second piece

    EXPECT_EQ(Split(source, 1440000), SplitOutcome::Cancelled);

    EXPECT_EQ(ui.Boxes(), (std::vector<std::string>{"show", "hide"}));
    EXPECT_EQ(Names(dest), std::vector<std::string>{"report.doc.009"});
    EXPECT_EQ(ReadBytes(source), PatternBytes(3000000));
}

TEST_F(Failure, FullDiskStopsTheSplit) {
    if (!Mount("size=1m")) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << why;
    }
    EXPECT_EQ(Split(source, 1440000), SplitOutcome::Failed);

    ExpectReported("critical: Error: 61\r\n\r\nDisk full\r\nThe file was not split.");
    EXPECT_TRUE(Names(dest).empty());
}

TEST_F(Failure, ReadOnlyDestinationPointsAtTheMedium) {
    // Root writes into any folder, so it needs a read-only file system; anyone else a read-only folder.
    if (::geteuid() != 0) {
        std::filesystem::permissions(dest,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    } else if (!Mount("ro")) {
        GTEST_SKIP() << "cannot mount a read-only tmpfs here: " << why;
    }
    EXPECT_EQ(Split(source, 1440000), SplitOutcome::Refused);

    EXPECT_EQ(ui.log, std::vector<std::string>{
                          "critical: Error: 75\r\n\r\nPath/File access error\r\n\r\nThis error is "
                          "most commonly caused when you try to write the split file to a "
                          "read-only destination (e.g. a CDROM)"});
}

} // namespace
} // namespace parvola::test
