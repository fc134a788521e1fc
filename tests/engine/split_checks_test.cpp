// The checks before the first byte: each refusal shows its one message and leaves nothing behind.
#include "split_fixture.h"

#include "platform/linux/linux_drives.h"
#include "support/tmpfs_mount.h"

namespace parvola::test {
namespace {

struct Refusal {
    Refusal(const char* label, std::string fileName, std::int64_t size, std::string chk83,
            std::string alreadyThere, std::string destination, std::string box, DriveLimits limits = {},
            std::string linkToSource = {})
        : label(label), fileName(std::move(fileName)), size(size), chk83(std::move(chk83)),
          alreadyThere(std::move(alreadyThere)), destination(std::move(destination)), box(std::move(box)),
          limits(std::move(limits)), linkToSource(std::move(linkToSource)) {}
    const char* label;
    std::string fileName;
    std::int64_t size; // -1: no source file at all
    std::string chk83;
    std::string alreadyThere; // a file in the destination before the split
    std::string destination;  // "{source}", "{missing}" or empty for the destination folder
    std::string box;          // {dest} and {source} stand for those paths
    DriveLimits limits;       // of the destination's file system
    std::string linkToSource; // a name in the destination made a hard link to the source
};

void PrintTo(const Refusal& row, std::ostream* os) {
    *os << row.label;
}

const std::string kEarlier =
    "critical: Destination file already exists (~{dest}/{name}.001~ ~{name}.001~).  Operation "
    "cancelled.  Please rename the source file or change the destination and try again.";
const std::string kUnsafe =
    "critical: The file name {name} holds {what}, which the batch file that joins the pieces "
    "cannot hold.  Operation cancelled.  Please rename the source file and try again.";
const std::string kOwnSource =
    "critical: The split would write over its own source file (~{source}~).  Operation "
    "cancelled.  Please change the destination and try again.";

class Refusals : public SplitFixture, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, StopBeforeTheFirstByte) {
    const Refusal& row = GetParam();
    settings.values["chk83"] = row.chk83;
    const std::string source =
        row.size < 0 ? sourceDir + "/" + row.fileName : MakeSource(row.fileName, row.size);
    if (!row.alreadyThere.empty()) {
        WriteBytes(dest + "/" + row.alreadyThere, "old");
    }
    if (!row.linkToSource.empty()) {
        std::filesystem::create_hard_link(source, dest + "/" + row.linkToSource);
    }
    drives.limits = row.limits;
    const std::string destFolder = row.destination == "{source}"    ? sourceDir
                                   : row.destination == "{missing}" ? tree / "missing"
                                                                    : dest;
    const auto namesBefore = Names(destFolder == sourceDir ? sourceDir : dest);

    EXPECT_EQ(Split(source, 1000, destFolder), SplitOutcome::Refused);

    EXPECT_EQ(ui.log, std::vector<std::string>{Fill(Fill(Fill(row.box, "{dest}", dest), "{source}", source),
                                                    "{name}", row.fileName)});
    EXPECT_EQ(Names(destFolder == sourceDir ? sourceDir : dest), namesBefore);
    if (row.box.find("batch file") != std::string::npos || row.box.find("8.3 name") != std::string::npos) {
        EXPECT_TRUE(files.writes.empty()) << "not even the test write";
    }
    if (row.size >= 0) {
        EXPECT_EQ(ReadBytes(source), PatternBytes(row.size));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Checks, Refusals,
    ::testing::Values(
        Refusal{"TooSmall", "report.doc", 999, "", "", "", "exclamation: File is too small to split."},
        Refusal{"MissingSource", "gone.doc", -1, "", "", "", "exclamation: File is too small to split."},
        Refusal{"EarlierSplit", "report.doc", 3000, "", "report.doc.001", "", kEarlier},
        Refusal{"EarlierSplitOfTheFullName", "Annual Report.doc", 3000, "1", "Annual Report.doc.001", "",
                kEarlier},
        Refusal{"MissingDestination", "report.doc", 3000, "", "", "{missing}",
                "critical: Error: 76\r\n\r\nPath not found"},
        Refusal{"Quote", "say \"hi\".doc", 3000, "", "", "", Fill(kUnsafe, "{what}", "the character \"")},
        Refusal{"Percent", "100%.doc", 3000, "", "", "", Fill(kUnsafe, "{what}", "the character %")},
        Refusal{"Caret", "a^b.doc", 3000, "", "", "", Fill(kUnsafe, "{what}", "the character ^")},
        Refusal{"LineBreak", "two\nlines", 3000, "", "", "",
                Fill(kUnsafe, "{what}", "a control character (code 10)")},
        Refusal{"ReadmeIntoItsOwnFolder", "Readme.txt", 3000, "", "", "{source}", kOwnSource},
        Refusal{"ShortNameLikeAPiece", "archive.002", 3000, "1", "", "{source}", kOwnSource},
        Refusal{"ShortNameLikeTheScript", "run.bat", 3000, "1", "", "{source}", kOwnSource},
        Refusal{"HardLinkToTheSource", "report.doc", 3000, "", "", "", kOwnSource, {}, "report.doc.002"},
        Refusal{"LookAlikeShortName", "photos.iso", 3000, "1", "photos.001", "",
                "critical: Destination file already exists (~{dest}/photos.001~ ~photos.001~).  Operation "
                "cancelled.  Please rename the source file or change the destination and try again."},
        Refusal{"EmptyShortName", ".bashrc", 3000, "1", "", "",
                "critical: The 8.3 name of .bashrc would be empty, since it begins with a dot.  Operation "
                "cancelled.  Please rename the source file or switch off 8.3 file names in the options and "
                "try again."},
        Refusal{"NoCodePageHasIt", "smile\U0001F600.bin", 3000, "", "", "",
                "critical: The file name {name} holds characters that no code page of the Windows command "
                "interpreter has together, so the batch file that joins the pieces could not name them.  "
                "Operation cancelled.  Please rename the source file and try again."},
        Refusal{"ColonOnFat",
                "a:b.bin",
                3000,
                "",
                "",
                "",
                "critical: The file name a:b.bin holds the character :, which the file system of the "
                "destination (vfat) cannot hold in a name.  Operation cancelled.  Please rename the source "
                "file or change the destination and try again.",
                {"vfat", ":?*<>|\\\"", 4294967295, true}},
        Refusal{"PiecesTooLargeForFat",
                "report.doc",
                3000,
                "",
                "",
                "",
                "critical: Pieces of 1000 bytes are too large for the file system of the destination (vfat), "
                "which holds files of up to 999 bytes.  Operation cancelled.  Please choose a smaller size "
                "and try again.",
                {"vfat", "", 999, true}}),
    [](const auto& info) { return std::string(info.param.label); });

using Checks = SplitFixture;

TEST_F(Checks, PassWithWhatOnlyLooksLikeAnEarlierSplit) {
    const auto source = MakeSource("report.doc", 1000);
    WriteBytes(sourceDir + "/report.doc.001", "beside the source, not in the destination");
    WriteBytes(dest + "/test.txt", "the user's notes");

    EXPECT_EQ(Split(source, 1000, dest + "/"), SplitOutcome::Completed);

    EXPECT_EQ(request.DestFolder, dest);
    EXPECT_EQ(ReadBytes(dest + "/test.txt"), "the user's notes");
    EXPECT_EQ(Names(dest),
              (std::vector<std::string>{"Readme.txt", "report.doc.001", "report.doc.bat", "test.txt"}));
    EXPECT_EQ(ui.log.back(), "information: Completed splitting files.");
}

TEST_F(Checks, ShortNamesDecideWhatIsUnsafeOrOwn) {
    settings.values["chk83"] = "1";
    EXPECT_EQ(Split(MakeSource("abcdefghi%.doc", 1000), 1000), SplitOutcome::Completed);
    EXPECT_EQ(Split(MakeSource("archive.004", 2500), 1000, sourceDir), SplitOutcome::Completed);

    EXPECT_TRUE(Exists(dest + "/abcdefgh.001"));
    EXPECT_EQ(ReadBytes(sourceDir + "/archive.003").size(), 500u);
    EXPECT_EQ(ReadBytes(sourceDir + "/archive.004"), PatternBytes(2500));
}

TEST_F(Checks, RootDestinationBecomesEmptyAndPiecesLandInTheRoot) {
    ProbedFileSystem rooted(realFiles, dest);
    Platform atRoot{rooted, drives, paths, codePages};
    std::filesystem::create_directory(dest + "/data");
    WriteBytes(dest + "/data/report.doc", PatternBytes(1500));

    request = SplitRequest{"/data/report.doc", "/", 1000};
    EXPECT_EQ(SplitFile(request, ui, settings, atRoot), SplitOutcome::Completed);

    EXPECT_EQ(request.DestFolder, "");
    EXPECT_EQ(drives.asked, std::vector<std::string>{"/"});
    EXPECT_EQ(Names(dest), (std::vector<std::string>{"Readme.txt", "data", "report.doc.001", "report.doc.002",
                                                     "report.doc.bat"}));
    EXPECT_NE(ReadBytes(dest + "/Readme.txt").find("\r\n/REPORT.DOC.BAT\r\n"), std::string::npos);
}

// A link named like an output is replaced, never written through: not into a file of the user's, and not
// into the source itself.
TEST_F(Checks, LinksInTheDestinationAreReplacedNotWrittenThrough) {
    const auto source = MakeSource("report.doc", 3000);
    WriteBytes(tree / "notes", "the user's notes");
    std::filesystem::create_symlink(source, dest + "/report.doc.002");
    std::filesystem::create_symlink(tree / "notes", dest + "/Readme.txt");
    std::filesystem::create_hard_link(tree / "notes", dest + "/report.doc.bat");

    EXPECT_EQ(Split(source, 1000), SplitOutcome::Completed);

    EXPECT_EQ(ReadBytes(source), PatternBytes(3000));
    EXPECT_EQ(ReadBytes(tree / "notes"), "the user's notes");
    for (const char* name : {"report.doc.002", "Readme.txt", "report.doc.bat"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(dest + "/" + name)))
            << name;
    }
    EXPECT_EQ(ReadBytes(dest + "/report.doc.002"), PatternBytes(3000).substr(1000, 1000));
}

// exFAT ignores case, and through FUSE one file has other inode numbers under other spellings: the
// readme of a split into the source's own folder would still be the source readme.txt.
TEST_F(Checks, ADiskThatIgnoresCaseKnowsTheSourceUnderAnotherSpelling) {
    const LoopMount stick(tree / "stick", "mkfs.exfat", 8 * 1024, "mount.exfat-fuse");
    if (!stick.mounted()) {
        GTEST_SKIP() << stick.whyNot();
    }
    LinuxDrives realDrives;
    Platform onStick{files, realDrives, paths, codePages};
    const std::string source = stick.path() + "/readme.txt";
    WriteBytes(source, PatternBytes(3000));

    request = SplitRequest{source, stick.path(), 1000};
    EXPECT_EQ(SplitFile(request, ui, settings, onStick), SplitOutcome::Refused);

    EXPECT_EQ(ui.log, std::vector<std::string>{Fill(kOwnSource, "{source}", source)});
    EXPECT_EQ(ReadBytes(source), PatternBytes(3000));
}

// Two runs at once into the same pieces would mix them: the second is refused and writes nothing, and the
// lock goes with the first.
TEST_F(Checks, ASecondRunForTheSamePiecesIsRefusedWhileTheFirstRuns) {
    const auto source = MakeSource("report.doc", 3000);
    ScriptedUi second;
    ui.onShow = [&] {
        SplitRequest again{source, dest, 1500};
        EXPECT_EQ(SplitFile(again, second, settings, platform), SplitOutcome::Refused);
    };

    EXPECT_EQ(Split(source, 1000), SplitOutcome::Completed);

    EXPECT_EQ(second.log,
              std::vector<std::string>{"critical: Another split is writing the pieces of " + dest +
                                       "/report.doc right now.  Operation cancelled.  Please wait "
                                       "until it has finished and try again."});
    EXPECT_EQ(Names(dest), (std::vector<std::string>{"Readme.txt", "report.doc.001", "report.doc.002",
                                                     "report.doc.003", "report.doc.bat"}));
}

} // namespace
} // namespace parvola::test
