// Splitting onto a removable drive: pieces staged in a folder of the run's own, copied disk by disk, the
// last disk served, and every place where the user can cancel.
#include "split_fixture.h"

#include "engine/removable_media.h"

namespace parvola::test {
namespace {

// The staging folder is one the test knows, so that it can hold a file of the user's beforehand.
class KnownStaging final : public Paths {
public:
    explicit KnownStaging(std::string folder) : m_folder(std::move(folder)) {}
    FileStatus MakeTempFolder(std::string& folder) override {
        std::filesystem::create_directory(m_folder);
        folder = m_folder;
        return std::nullopt;
    }
    std::string LockFolder() override { return m_folder.substr(0, m_folder.rfind('/', m_folder.size() - 2)); }
    std::string Absolute(const std::string& path) override { return path; }
    std::string HomeFolder() override { return {}; }
    std::string ShortPathName(const std::string& path) override { return path; }

private:
    std::string m_folder;
};

const std::string kInsert = std::string("information: ") + kInsertNewDiskMessage;
const std::string kNewDiskReady = "Please insert a new disk and press OK when ready.";
const std::string kNewDiskReadyBox = "information: " + kNewDiskReady;

class DiskStaging : public SplitFixture {
protected:
    void SetUp() override {
        SplitFixture::SetUp();
        drives.type = DriveType::Removable;
        // The user puts a new disk in whenever asked to.
        ui.onMessage = [this](const std::string& text) {
            if (text == kInsertNewDiskMessage) {
                drives.SwapDisk();
            }
        };
    }

    SplitOutcome SplitToDisks(std::int64_t size, double pieceSize) {
        request = SplitRequest{MakeSource("report.doc", size), dest, pieceSize};
        return SplitFile(request, ui, settings, stagingPlatform);
    }
    // The names on each disk, in the order the disks went in.
    std::vector<std::vector<std::string>> DiskContents() const {
        std::vector<std::vector<std::string>> contents;
        for (const auto& disk : drives.disks) {
            contents.emplace_back();
            for (const auto& file : disk.files) {
                contents.back().push_back(file.first.substr(dest.size() + 1));
            }
        }
        return contents;
    }

    const std::string staging = tree / "staging/";
    KnownStaging stagingPaths{staging};
    Platform stagingPlatform{files, drives, stagingPaths, codePages};
};

TEST_F(DiskStaging, FillsDiskAfterDiskAndServesTheLastOne) {
    std::filesystem::create_directory(staging);
    WriteBytes(staging + "report.doc.keep", "the user's");

    EXPECT_EQ(SplitToDisks(3000000, 1440000), SplitOutcome::Completed);

    EXPECT_EQ(DiskContents(),
              (std::vector<std::vector<std::string>>{{"report.doc.001"},
                                                     {"report.doc.002"},
                                                     {"Readme.txt", "report.doc.003", "report.doc.bat"}}));
    EXPECT_EQ(drives.disks[2].files[dest + "/report.doc.003"], PatternBytes(3000000).substr(2880000));
    EXPECT_EQ(drives.disks[0].label + drives.disks[1].label, "");
    EXPECT_EQ(drives.disks[2].label, "Disk1");
    EXPECT_EQ(request.DestFolder, staging);
    EXPECT_EQ(Names(staging), std::vector<std::string>{"report.doc.keep"});
    std::string upperDest = dest;
    std::transform(upperDest.begin(), upperDest.end(), upperDest.begin(), ::toupper);
    EXPECT_NE(drives.disks[2].files[dest + "/Readme.txt"].find("\r\n" + upperDest + "/REPORT.DOC.BAT\r\n"),
              std::string::npos);
    EXPECT_EQ(ui.Boxes(), (std::vector<std::string>{"show", kInsert, kInsert, "hide",
                                                    "information: Completed splitting files."}));
    EXPECT_TRUE(Names(dest).empty());
}

TEST_F(DiskStaging, SmallPiecesShareADiskAndTheLabelCanBeSwitchedOff) {
    settings.values["optLabel"] = "1";
    settings.values["optReadme"] = "1";

    EXPECT_EQ(SplitToDisks(3000000, 360000), SplitOutcome::Completed);

    const auto contents = DiskContents();
    ASSERT_EQ(contents.size(), 3u);
    EXPECT_EQ(contents[0].size(), 4u);
    EXPECT_EQ(contents[2], (std::vector<std::string>{"report.doc.009", "report.doc.bat"}));
    EXPECT_EQ(drives.disks[2].label, "");
}

// Space is what files take in whole units of the disk: a disk asks for the next one before a copy would
// find it full, and the last disk must hold the script and the readme beside the last piece.
TEST_F(DiskStaging, CountsSpaceInUnitsWithTheScriptAndReadmeOnTheLastDisk) {
    drives.capacity = 1441000; // two 720,000-byte pieces in bytes, not in 4 KiB units
    drives.unit = 4096;
    ui.diskChoices = {DiskChoice::NewDisk};
    ui.onMessage = [this](const std::string& text) {
        if (text == kInsertNewDiskMessage || text == kNewDiskReady) {
            drives.SwapDisk();
        }
    };

    EXPECT_EQ(SplitToDisks(720000 * 2 + 710000, 720000), SplitOutcome::Completed);

    EXPECT_EQ(DiskContents(),
              (std::vector<std::vector<std::string>>{{"report.doc.001"},
                                                     {"report.doc.002"},
                                                     {"Readme.txt", "report.doc.003", "report.doc.bat"}}));
    // Before the last piece the disk is measured against that piece, which fits: the disk dialog says
    // this one cannot take the second.
    EXPECT_EQ(ui.Boxes(),
              (std::vector<std::string>{"show", "disk dialog", "information: " + kNewDiskReady, kInsert,
                                        "hide", "information: Completed splitting files."}));
}

// A new disk without the destination folder needs room for the folder too.
TEST_F(DiskStaging, ANewDiskMustHoldTheFolderItLacks) {
    drives.unit = 4096;
    drives.capacity = 720896 + 2048; // one piece, but not one more unit
    ui.onMessage = [this](const std::string& text) {
        if (text == kInsertNewDiskMessage) {
            drives.SwapDisk();
            std::filesystem::remove_all(dest);
        }
    };
    ui.diskChoices = {DiskChoice::Cancel};

    EXPECT_EQ(SplitToDisks(720000 * 3, 720000), SplitOutcome::Cancelled);

    EXPECT_EQ(ui.Boxes(), (std::vector<std::string>{"show", kInsert, "disk dialog", "hide"}));
}

// A disk fuller than it looked: the copy runs out of room, and the user is asked as for a full disk.
TEST_F(DiskStaging, ACopyThatRunsOutOfRoomAsksForTheNextDisk) {
    drives.hiddenCost = 20000;
    ui.diskChoices = {DiskChoice::NewDisk};
    ui.onMessage = [this](const std::string& text) {
        if (text == kInsertNewDiskMessage || text == kNewDiskReady) {
            drives.SwapDisk();
            drives.hiddenCost = 0;
        }
    };
    drives.labelRefusal = "the system bus cannot be reached";

    EXPECT_EQ(SplitToDisks(1440000 * 2, 1440000), SplitOutcome::Completed);

    EXPECT_EQ(DiskContents(),
              (std::vector<std::vector<std::string>>{
                  {}, {"report.doc.001"}, {"Readme.txt", "report.doc.002", "report.doc.bat"}}));
    // And a last disk that cannot be labelled is told, without failing the split.
    EXPECT_EQ(ui.Boxes(), (std::vector<std::string>{
                              "show", "disk dialog",
                              "information: Please insert a new disk and press OK when ready.", kInsert,
                              "information: The last disk, in /, could not be labelled Disk1: the system "
                              "bus cannot be reached.",
                              "hide", "information: Completed splitting files."}));
}

struct CancelPoint {
    const char* label;
    std::int64_t capacity; // of every disk
    int swapsBeforeDialog; // new disks the user puts in before the disk dialog comes up
    bool started;          // the progress window was shown
    int cancelAfterChecks; // when the user presses Cancel in the progress window; -1: never
};

void PrintTo(const CancelPoint& row, std::ostream* os) {
    *os << row.label;
}

class Cancelled : public DiskStaging, public ::testing::WithParamInterface<CancelPoint> {};

TEST_P(Cancelled, KeepsTheSourceLeavesNothingStagedAndSaysNothing) {
    settings.values["optClean"] = "0";
    drives.capacity = GetParam().capacity;
    int swaps = GetParam().swapsBeforeDialog;
    ui.onMessage = [&](const std::string& text) {
        if (text == kInsertNewDiskMessage && swaps-- > 0) {
            drives.SwapDisk();
        }
    };
    ui.diskChoices = {DiskChoice::Cancel};
    ui.cancelAfterChecks = GetParam().cancelAfterChecks;

    EXPECT_EQ(SplitToDisks(3000000, 1440000), SplitOutcome::Cancelled);

    EXPECT_EQ(ui.log.back(), GetParam().started ? "hide" : "disk dialog");
    EXPECT_TRUE(Exists(sourceDir + "/report.doc"));
    EXPECT_FALSE(Exists(staging));
}

INSTANTIATE_TEST_SUITE_P(Places, Cancelled,
                         ::testing::Values(CancelPoint{"AtSetUp", 1000000, 0, false, -1},
                                           CancelPoint{"AtAPieceChange", 1457664, 0, true, -1},
                                           CancelPoint{"AtTheLastDisk", 1457664, 1, true, -1},
                                           CancelPoint{"WithTheProgressWindow", 1457664, 1, true, 30}),
                         [](const auto& info) { return std::string(info.param.label); });

// A disk that breaks, or a staging folder that fills up, ends the split: the source and the pieces on
// earlier disks stay, nothing stays staged.
TEST_F(DiskStaging, FailuresAreReportedAndLeaveNothingStaged) {
    const struct {
        int copiesBeforeFailure;
        std::int64_t stagedBytesBeforeFailure;
        std::string box;
    } rows[] = {
        // The staged bytes are counted from the first run on, so it goes first.
        {-1, 17 + 2900000,
         "critical: Error: 61\r\n\r\nDisk full\r\nThe temporary folder " + tree.path() +
             " has no room left for the pieces, which wait there until they go to the disks.\r\nThe file "
             "was not split."},
        {1, -1, "critical: Error: 57\r\n\r\nDevice I/O error\r\nThe file was not split."},
    };
    settings.values["optClean"] = "0";
    for (const auto& row : rows) {
        ui.log.clear();
        drives.disks = {FakeDrives::Disk()};
        drives.copiesBeforeFailure = row.copiesBeforeFailure;
        files.failAfterBytes = row.stagedBytesBeforeFailure;

        EXPECT_EQ(SplitToDisks(3000000, 1440000), SplitOutcome::Failed);

        EXPECT_EQ(ui.Boxes(), (std::vector<std::string>{"show", kInsert, "hide", row.box}));
        EXPECT_TRUE(Exists(sourceDir + "/report.doc"));
        EXPECT_FALSE(Exists(staging));
    }
}

TEST_F(DiskStaging, AsksBeforeMakingTheFolderOrReplacingAFileOnANewDisk) {
    // The second disk lacks the destination folder; the third holds an old script.
    ui.onMessage = [this](const std::string& text) {
        if (text == kInsertNewDiskMessage) {
            drives.SwapDisk();
            std::filesystem::remove_all(dest);
            if (drives.disks.size() == 3) {
                std::filesystem::create_directory(dest);
                WriteBytes(dest + "/report.doc.bat", "old");
            }
        }
    };
    ui.answers = {true, true};

    EXPECT_EQ(SplitToDisks(3000000, 1440000), SplitOutcome::Completed);

    EXPECT_EQ(ui.Boxes()[2], "ask question: The folder " + dest +
                                 " does not exist on this disk.  Do you want to create it?");
    EXPECT_EQ(
        ui.Boxes()[4],
        "ask question: This disk already holds a file named report.doc.bat.  Do you want to replace it?");
    EXPECT_EQ(ui.log.back(), "information: Completed splitting files.");

    // A No leaves the disk without the file: the split ends there, without claiming success.
    ui.log.clear();
    ui.answers = {false};
    drives.disks = {FakeDrives::Disk()};
    EXPECT_EQ(SplitToDisks(1000, 1000), SplitOutcome::Cancelled);
    EXPECT_EQ(ui.log.back(), "hide");
    EXPECT_EQ(ReadBytes(dest + "/report.doc.bat"), "old");
}

TEST_F(DiskStaging, FollowsANewDiskMountedElsewhereAndNeverWritesWithoutOne) {
    const std::string first = tree / "media/DISK1/";
    const std::string second = tree / "media/BACKUP/";
    const std::string third = tree / "media/THIRD/";
    std::filesystem::create_directories(first + "pieces");
    drives.drive = first;
    ui.onMessage = [&](const std::string& text) {
        if (text == kInsertNewDiskMessage) {
            drives.SwapDisk();
            // The second disk is mounted at a path of its own; the third is not there yet.
            drives.mountedAt = drives.disks.size() == 2 ? second : "";
            std::filesystem::create_directories(second);
        } else if (text == "Please insert a new disk and press OK when ready.") {
            drives.mountedAt = third;
            std::filesystem::create_directories(third + "pieces");
        }
    };
    ui.answers = {true};
    ui.diskChoices = {DiskChoice::NewDisk};

    request = SplitRequest{MakeSource("report.doc", 3000000), first + "pieces", 1440000};
    EXPECT_EQ(SplitFile(request, ui, settings, stagingPlatform), SplitOutcome::Completed);

    const std::string onDisk[] = {first, second, third};
    for (std::size_t i = 0; i < drives.disks.size(); ++i) {
        for (const auto& file : drives.disks[i].files) {
            EXPECT_EQ(file.first.rfind(onDisk[i] + "pieces/", 0), 0u) << file.first;
        }
    }
    EXPECT_EQ(drives.disks.size(), 3u);
    EXPECT_EQ(drives.disks[2].files.size(), 3u);
    EXPECT_NE(std::find(ui.log.begin(), ui.log.end(), std::string("exclamation: ") + kDiskNotFoundMessage),
              ui.log.end());
    EXPECT_EQ(ui.log.back(), "information: Completed splitting files.");
}

// The disk dialog's answers, one call of CheckDiskSpace each (WaitForDiskSpace repeats them).
// The disk dialog's answers, one call of CheckDiskSpace each.
TEST(CheckDiskSpace, AnswersAsTheUserChose) {
    const std::string kNoTool = "information: No program to format disks was found.  Please format the disk "
                                "with a tool of your choice and press OK when done.";
    const struct {
        std::int64_t free;
        DiskChoice choice;
        FormatResult format;
        DiskAnswer answer;
        std::vector<std::string> boxes;
    } rows[] = {
        {1440000, DiskChoice::Cancel, FormatResult::NoTool, DiskAnswer::GoOn, {}},
        {1439999, DiskChoice::None, FormatResult::NoTool, DiskAnswer::GoOn, {"disk dialog"}},
        {0,
         DiskChoice::NewDisk,
         FormatResult::NoTool,
         DiskAnswer::CheckAgain,
         {"disk dialog", kNewDiskReadyBox}},
        {0, DiskChoice::Cancel, FormatResult::NoTool, DiskAnswer::Cancel, {"disk dialog"}},
        {0, DiskChoice::Format, FormatResult::Failed, DiskAnswer::CheckAgain, {"disk dialog"}},
        {0, DiskChoice::Format, FormatResult::Cancelled, DiskAnswer::Cancel, {"disk dialog"}},
        {0, DiskChoice::Format, FormatResult::NoTool, DiskAnswer::CheckAgain, {"disk dialog", kNoTool}},
    };
    for (const auto& row : rows) {
        FakeDrives drives(DriveType::Removable);
        drives.capacity = row.free;
        drives.formatResult = row.format;
        ScriptedUi ui;
        ui.diskChoices = {row.choice};

        EXPECT_EQ(CheckDiskSpace(ui, drives, "/media/stick/", 1440000), row.answer);
        EXPECT_EQ(ui.log, row.boxes);
    }
}

} // namespace
} // namespace parvola::test
