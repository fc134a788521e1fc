// SPDX-License-Identifier: GPL-3.0-or-later
// The split job end to end on real files in a folder of the test's own: what it writes, what it refuses,
// what it leaves when it stops, and how it fills disk after disk on a removable drive.
#include "engine/rejoin_script.h"
#include "engine/removable_media.h"
#include "engine/split_job.h"
#include "engine/utf8.h"
#include "support/memory_settings.h"
#include "support/rooted_platform.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <sys/stat.h>

#include <cmath>
#include <numeric>
#include <set>
#include <sstream>

namespace parvola::test {
namespace {

const std::string kDone = "information: Completed splitting files.";
const std::string kInsert = std::string("information: ") + kInsertNewDiskMessage;
const std::string kReady = "information: Please insert a new disk and press OK when ready.";

// The values with between after each but the last: "1 2 3".
template <typename T> std::string Joined(const std::vector<T>& values, const char* between = " ") {
    std::ostringstream text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text << (i ? between : "") << values[i];
    }
    return text.str();
}

// Replaces every "{name}" in text by its value.
std::string Fill(std::string text, const std::string& name, const std::string& value) {
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size())) {
        text.replace(at, name.size(), value);
    }
    return text;
}

// The split sees the test's folder as "/", with "/source" and "/dest" in it.
class Split : public ::testing::Test, public RootedPlatform {
public:
    void SetUp() override {
        Shell("mkdir source dest");
        settings.values["optClean"] = "2";
        settings.values["optChecksum"] = "0";
        drives.root = tree.path();
        // The user puts a new disk in whenever asked to, while there is one; a disk of the Follows row comes
        // up elsewhere, and the one after it only once the disk dialog was left.
        ui.onMessage = [this](const std::string& text) {
            const bool ready = kReady == "information: " + text;
            const bool served = text.find(" of this split. Insert another disk.") != std::string::npos;
            if ((text == kInsertNewDiskMessage || ready || served) && newDisks != 0) {
                --newDisks;
                // The user may put the first disk back instead of a new one.
                ++swaps == putBack ? drives.PutBack(1) : drives.SwapDisk();
                Shell(bareDisks ? "rm -rf dest" : "true");
            }
            if (drives.drive != "/") {
                drives.mountedAt = ready ? "/media/THIRD/" : drives.disks.size() == 2 ? "/media/BACKUP/" : "";
            }
        };
        ::umask(022); // the outputs' permission bits are then the source's, whatever the caller's mask
    }
    // Whatever a test mounted goes with it.
    void TearDown() override { Shell("umount -l source dest 2>/dev/null; true"); }

    // Takes "name=value ..." for a run: settings, the user's answers ("answers=YN") and choices in the disk
    // dialog, and what files, drives and disks will do.
    void Apply(const std::string& options) {
        const std::vector<std::string> names = {
            "failAfter", "cancelAfter",  "capacity", "unit",    "hiddenCost", "breakAfter",
            "newDisks",  "bareDisks",    "format",   "putBack", "identities", "answers",
            "choices",   "labelRefusal", "drive",    "dest",    "source",     "tempBase"};
        std::int64_t* numbers[] = {&files.failAfterBytes,
                                   &ui.cancelAfterChecks,
                                   &drives.capacity,
                                   &drives.unit,
                                   &drives.disks[0].hiddenCost,
                                   &drives.copiesBeforeFailure,
                                   &newDisks,
                                   &bareDisks,
                                   &drives.formatResult,
                                   &putBack,
                                   &identities};
        std::string* texts[] = {&ui.answers, &ui.diskChoices, &drives.labelRefusal, &drives.drive, &dest,
                                &source,     &tempBase};
        std::istringstream tokens(options);
        for (std::string key, value; std::getline(tokens >> std::ws, key, '=') && tokens >> value;) {
            const auto at = std::size_t(std::find(names.begin(), names.end(), key) - names.begin());
            if (at < std::size(numbers)) {
                *numbers[at] = std::stoll(value);
            } else {
                (at < names.size() ? *texts[at - std::size(numbers)] : settings.values[key]) = value;
            }
        }
    }
    // Runs a shell command in the test's folder.
    void Shell(const std::string& command) {
        ASSERT_EQ(std::system(("cd '" + tree.path() + "' && " + command).c_str()), 0) << command;
    }
    std::string MakeSource(const std::string& name, std::int64_t size) {
        WriteBytes(tree / "source/" + name, PatternBytes(size));
        return "/source/" + name;
    }
    // Splits source into dest and expects how that ended and the boxes it showed, "|" between them, with
    // "insert", "ready" and "done" for the common ones: "Completed: show|hide|done". An expectation that ends
    // in "…" need only begin the same.
    void Run(const std::string& sourcePath, double pieceSize, const std::string& expected) {
        request = SplitRequest{sourcePath, dest, pieceSize};
        request.Source = source == "delete" ? SourceAfterSplit::Delete
                         : source == "keep" ? SourceAfterSplit::Keep
                                            : SourceAfterSplit::AsOptClean;
        // Disks whose volume identity cannot be told.
        if (!identities) {
            drives.knownIdentities = false;
            drives.disks[0].identity.clear();
        }
        const char* outcomes[] = {"Completed", "Refused", "Failed", "Cancelled"};
        const SplitOutcome outcome = SplitFile(request, ui, settings, platform);
        std::string ran = outcomes[int(outcome)] + (": " + Joined(ui.log, "|"));
        for (const auto& [box, word] :
             {std::pair(kInsert, "insert"), std::pair(kReady, "ready"), std::pair(kDone, "done")}) {
            ran = Fill(ran, box, word);
        }
        const bool cut = expected.size() > 3 && expected.compare(expected.size() - 3, 3, "…") == 0;
        EXPECT_EQ(cut ? ran.substr(0, expected.size() - 3) + "…" : ran, expected);
    }
    std::string Read(const std::string& path) const { return ReadBytes(tree.path() + path); }
    std::vector<std::string> Names(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(tree.path() + folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    ScriptedUi ui;
    MemorySettings settings;
    SplitRequest request;
    std::string dest = "/dest";
    std::int64_t newDisks = -1; // that the user has at hand; -1: as many as asked for
    std::int64_t bareDisks = 0; // 1: new disks lack the destination folder
    std::int64_t putBack = 0;   // the new disk asked for in this turn (from 1) is the first one again
    std::int64_t swaps = 0;
    std::int64_t identities = 1; // 0: no disk's volume identity can be told
    std::string source;          // what the caller asks for the source: "delete", "keep", or as optClean
};

// Each row names its test and prints as its label.
template <typename Row, typename = decltype(Row::label)>
std::ostream& operator<<(std::ostream& os, const Row& row) {
    return os << row.label;
}

// A source of size bytes split into pieces of piece bytes, with options as Apply() takes them; pieces holds
// the names of the last pieces, or of all of them, "|" between them. The script and the readme are byte
// for byte golden/LABEL.bat and golden/LABEL.Readme.txt; readme is the line that names the script (none: no
// readme is wanted). Progress goes up from 0 to 100 in at least steps values.
struct Layout {
    const char* label;
    std::string name;
    std::int64_t size;
    double piece;
    std::string options, pieces, readme = {};
    std::size_t steps = 2;
};

class Layouts : public Split, public ::testing::WithParamInterface<Layout> {};

// Into "/", past what only looks like an earlier split: the pieces join back into the source, an earlier
// split's readme and script are replaced and not written through the link and the second name they are
// reached by, nor is a link to the source, the user's test.txt stays, the outputs keep the source's
// permission bits but never setuid, setgid or sticky, and missing settings are stored as "0".
TEST_P(Layouts, PiecesJoinBackAndTheScriptAndReadmeNameThem) {
    const Layout& row = GetParam();
    Apply(row.options + " dest=/");
    const auto given = settings.values;
    const std::string source = MakeSource(row.name, row.size);
    const std::string first = row.pieces.substr(0, row.pieces.find('|'));
    const std::string last = row.pieces.substr(row.pieces.rfind('|') + 1);
    const std::string script = "/" + first.substr(0, first.rfind('.')) + ".bat";
    // Only the owner and the group may read the source. What is the user's: an .001 beside the source and
    // test.txt; an earlier split's readme and script are kept elsewhere too.
    Shell("chmod 7640 '" + source.substr(1) + "' && echo beside >'" + source.substr(1) +
          ".001' && echo mine >test.txt && printf 'Joining Files Split with Parvola\r\nold\r\n' "
          ">source/readme && printf '@echo off\r\necho Created with Orvane Parvola\r\nold\r\n' "
          ">source/script && ln -s source/readme Readme.txt && ln source/script '" +
          script.substr(1) + (last == first ? "'" : "' && ln -s '" + source.substr(1) + "' '" + last + "'"));
    const std::string oldReadme = Read("/source/readme"), oldScript = Read("/source/script");

    Run(source, row.piece, "Completed: show|hide|done");

    EXPECT_EQ(request.DestFolder, "");
    EXPECT_TRUE(Read(source) == PatternBytes(row.size));
    EXPECT_EQ(Read("/test.txt"), "mine\n");
    EXPECT_EQ(Read("/source/readme") + Read("/source/script"), oldReadme + oldScript);
    std::string joined;
    std::istringstream pieces(row.pieces);
    for (std::string piece; std::getline(pieces, piece, '|');) {
        joined += Read("/" + piece);
        EXPECT_TRUE(piece == last || Read("/" + piece).size() == row.piece) << piece;
    }
    const auto from = (std::stoll(first.substr(first.rfind('.') + 1)) - 1) * std::int64_t(row.piece);
    EXPECT_TRUE(joined == PatternBytes(row.size).substr(from));
    // The pieces, the script, the readme, test.txt, source and dest.
    EXPECT_EQ(Names("/").size(), std::ceil(row.size / row.piece) + 5);
    for (const std::string& output : {"/" + last, script, row.readme.empty() ? script : "/Readme.txt"}) {
        EXPECT_EQ(std::filesystem::status(tree.path() + output).permissions(), std::filesystem::perms(0640));
    }
    const std::string golden = std::string(PARVOLA_GOLDEN_FOLDER "/") + row.label;
    EXPECT_TRUE(Read(script) == ReadBytes(golden + ".bat")) << "differs from " << golden << ".bat";
    // Or the earlier readme the link leads to.
    EXPECT_TRUE(Read("/Readme.txt") == (row.readme.empty() ? oldReadme : ReadBytes(golden + ".Readme.txt")));
    for (const char* name : {"chk83", "optReadme"}) {
        EXPECT_EQ(settings.values[name], given.count(name) ? given.at(name) : "0") << name;
    }
    EXPECT_GE(ui.progress.size(), row.steps) << Joined(ui.progress);
    EXPECT_TRUE(ui.progress.front() == 0 && ui.progress.back() == 100 &&
                std::adjacent_find(ui.progress.begin(), ui.progress.end(), std::greater_equal<int>()) ==
                    ui.progress.end())
        << Joined(ui.progress);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Layouts,
    ::testing::Values(
        Layout{"ThreePieces", "report.doc", 3000000, 1440000, "",
               "report.doc.001|report.doc.002|report.doc.003", "/REPORT.DOC.BAT"},
        Layout{"ShortNames", "Annual Report.doc", 2500, 1000, "chk83=1",
               "Annual R.001|Annual R.002|Annual R.003", "/ANNUAL R.BAT"},
        // The command interpreter reads the script in its OEM code page: 850 for these; the readme, read by
        // people, stays UTF-8 and puts the name in capitals letter by letter.
        Layout{"Cp850", "Größe résumé.bin", 2000, 1000, "", "Größe résumé.bin.001|Größe résumé.bin.002",
               "/GRÖßE RÉSUMÉ.BIN.BAT"},
        Layout{"Cp852", "Český", 1000, 1000, "optReadme=1", "Český.001"},
        Layout{"Cp866", "Отчёт", 1000, 1000, "optReadme=1", "Отчёт.001"},
        Layout{"Cp737", "Αθήνα", 1000, 1000, "optReadme=1", "Αθήνα.001"},
        Layout{"Cp932", "データ", 1000, 1000, "optReadme=1", "データ.001"},
        Layout{"Cp932TrailByte5C", "表データ", 1000, 1000, "optReadme=1", "表データ.001"},
        Layout{"Cp949", "자료", 1000, 1000, "optReadme=1", "자료.001"},
        Layout{"Cp936", "数据", 1000, 1000, "optReadme=1", "数据.001"},
        Layout{"PastPiece999", "x", 1001, 1, "chk83=0 optReadme=1", "x.999|x.1000|x.1001"},
        // Pieces that end inside the copy's chunks, which then start anew; progress moves within a piece.
        Layout{"ChunksAcrossPieces", "report.doc", 5000000, 2097153, "optReadme=1",
               "report.doc.001|report.doc.002|report.doc.003", "", 5},
        // The readme of a split elsewhere is another file than a source named like it.
        Layout{"ReadmeElsewhere", "Readme.txt", 1000, 1000, "", "Readme.txt.001", "/README.TXT.BAT"},
        // The 8.3 cut counts characters, not bytes.
        Layout{"Cut83Accented", "abcdefgé.txt", 1000, 1000, "chk83=1 optReadme=1", "abcdefgé.001"},
        Layout{"Cut83Japanese", "日本語のファイル名.txt", 1000, 1000, "chk83=1 optReadme=1",
               "日本語のファイル.001"}),
    [](const auto& info) { return std::string(info.param.label); });

// A source of size bytes (-1: none at all) split into pieces of piece bytes, with options as Apply() takes
// them, after a shell command run in the test's folder; ran as Run() expects it, where {name} and {} stand
// for the source's name and the first file in the destination; the limits of its file system.
struct Stop {
    const char* label;
    std::string name;
    std::int64_t size;
    double piece;
    std::string options, before, ran;
    DriveLimits limits = {};
};

// The boxes end in "…" where the rest of the message only tells what to do about it.
const std::string kEarlier =
    "Refused: critical: Destination file already exists (~/dest/{}~ ~{}~).  Operation "
    "cancelled.  Please rename the source file or change the destination and try again.";
const std::string kOwnSource =
    "Refused: critical: The split would write over its own source file (~/source/{name}~).…";
const std::string kUnsafe =
    "Refused: critical: The file name {name} holds {}, which the batch file that "
    "joins the pieces cannot hold.  Operation cancelled.  Please rename the source file "
    "and try again.";
const std::string kNoCodePage =
    "Refused: critical: The file name {name} holds characters that no code page of the Windows command "
    "interpreter has together, so the batch file that joins the pieces could not name them.…";
const std::string kFailed =
    "Failed: show|hide|critical: Error: 61\r\n\r\nDisk full\r\nThe file was not split.";
const std::string kUsersFile = "Refused: critical: Destination file already exists (~/dest/{}~), and Parvola "
                               "did not write it.  Operation cancelled.  Please rename or move that file or "
                               "change the destination and try again.";
const std::string kNotALock =
    "Refused: critical: The file /dest/.report.doc.parvola-lock has the name of the lock that keeps a second "
    "split off these pieces, but it is not a lock of Parvola's.…";

class Stops : public Split, public ::testing::WithParamInterface<Stop> {};

// A split refused by a check, failing or cancelled shows its one message, takes back what it wrote and
// only that, and keeps the source even with optClean "0".
TEST_P(Stops, LeaveNothingOfTheirOwn) {
    const Stop& row = GetParam();
    Apply("optClean=0 " + row.options);
    // An older split's piece; the mounts of some rows need root and loop devices or FUSE.
    if (std::system(
            ("cd '" + tree.path() + "' && echo >dest/report.doc.009 && " + row.before + " true").c_str())) {
        GTEST_SKIP() << "cannot set up here: " << row.before;
    }
    const std::string source = row.size < 0 ? "/source/" + row.name : MakeSource(row.name, row.size);
    drives.limits = row.limits;
    const auto old = Names(dest);

    Run(source, row.piece, Fill(Fill(row.ran, "{name}", row.name), "{}", old.empty() ? "" : old[0]));

    EXPECT_EQ(Names(dest), old);
    EXPECT_TRUE(row.size < 0 || Read(source) == PatternBytes(row.size));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, Stops,
    ::testing::Values(
        Stop{"TooSmall", "report.doc", 99, 100, "", "", "Refused: exclamation: File is too small to split."},
        Stop{"EarlierSplit", "report.doc", 3000, 1000, "", "echo >dest/report.doc.001 &&", kEarlier},
        Stop{"EarlierSplitOfTheFullName", "Annual Report.doc", 3000, 1000, "chk83=1",
             "echo >'dest/Annual Report.doc.001' &&", kEarlier},
        Stop{"EarlierSplitOfALookAlike", "photos.iso", 3000, 1000, "chk83=1", "echo >dest/photos.001 &&",
             kEarlier},
        Stop{"Quote", "say \"hi\".doc", 3000, 1000, "", "", Fill(kUnsafe, "{}", "the character \"")},
        Stop{"Percent", "100%.doc", 3000, 1000, "", "", Fill(kUnsafe, "{}", "the character %")},
        Stop{"Caret", "a^b.doc", 3000, 1000, "", "", Fill(kUnsafe, "{}", "the character ^")},
        Stop{"LineFeed", "a\nb", 3000, 1000, "", "", Fill(kUnsafe, "{}", "a control character (code 10)")},
        Stop{"Return", "a\rb", 3000, 1000, "", "", Fill(kUnsafe, "{}", "a control character (code 13)")},
        Stop{"Delete", "a\x7f", 3000, 1000, "", "", Fill(kUnsafe, "{}", "a control character (code 127)")},
        Stop{"Escape", "a\x1b", 3000, 1000, "", "", Fill(kUnsafe, "{}", "a control character (code 27)")},
        Stop{"Backslash", "a\\b.bin", 3000, 1000, "", "", Fill(kUnsafe, "{}", "the character \\")},
        // Files of the user's under the names of the script, the readme and the checksum file, or a link
        // to one, are kept; so is what only has the name of the lock.
        Stop{"UsersReadme", "report.doc", 3000, 1000, "", "echo mine >dest/Readme.txt &&",
             Fill(kUsersFile, "{}", "Readme.txt")},
        Stop{"LinkToUsersNotes", "report.doc", 3000, 1000, "",
             "echo mine >notes && ln -s ../notes dest/Readme.txt &&", Fill(kUsersFile, "{}", "Readme.txt")},
        Stop{"UsersScript", "report.doc", 3000, 1000, "", "echo @echo off >dest/report.doc.bat &&",
             Fill(kUsersFile, "{}", "report.doc.bat")},
        Stop{"ChecksumsOfAnotherSet", "report.doc", 3000, 1000, "optChecksum=1",
             "sha256sum dest/report.doc.009 | sed 's,dest/,,; s,report,other,' >dest/report.doc.sha256 &&",
             Fill(kUsersFile, "{}", "report.doc.sha256")},
        Stop{"UsersFileNamedLikeTheLock", "report.doc", 3000, 1000, "",
             "echo mine >dest/.report.doc.parvola-lock &&", kNotALock},
        Stop{"LinkNamedLikeTheLock", "report.doc", 3000, 1000, "",
             "ln -s nowhere dest/.report.doc.parvola-lock &&", kNotALock},
        // ".bat" takes one byte more than the limit of 255.
        Stop{"ScriptNameTooLong", std::string(252, 'n'), 3000, 1000, "", "",
             "Refused: critical: The name " + std::string(252, 'n') +
                 ".bat is too long for the file system of the destination (ext4), which holds names of up to "
                 "255 bytes.…",
             DriveLimits{"ext4", "", -1, false, 255}},
        Stop{"EmptyShortName", ".bashrc", 3000, 1000, "chk83=1", "",
             "Refused: critical: The 8.3 name of .bashrc would be empty, since it begins with a dot.…"},
        Stop{"NoCodePageHasIt", "smile\U0001F600.bin", 3000, 1000, "", "", kNoCodePage},
        // Windows' 932 lacks "¥" (a table that gives it as 0x5C would name "テスト\5.bin"), and the other
        // pages with kana lack it too.
        Stop{"YenAmongKana", "テスト¥5.bin", 3000, 1000, "", "", kNoCodePage},
        Stop{"ReadmeIntoItsOwnFolder", "Readme.txt", 3000, 1000, "dest=/source", "", kOwnSource},
        Stop{"ShortNameLikeAPiece", "archive.002", 3000, 1000, "chk83=1 dest=/source", "", kOwnSource},
        Stop{"HardLinkToTheSource", "report.doc", 3000, 1000, "",
             "echo >source/report.doc && ln source/report.doc dest/report.doc.002 &&", kOwnSource},
        // exFAT ignores case, and through FUSE one file has other inode numbers under other spellings: the
        // readme of a split into the source's own folder would still be the source readme.txt.
        Stop{"ReadmeOfAnotherCaseOnExfat", "readme.txt", 3000, 1000, "dest=/source",
             "truncate -s 8M exfat.img && mkfs.exfat exfat.img >/dev/null && dev=$(losetup -f --show "
             "exfat.img) && mount.exfat-fuse $dev source >/dev/null && losetup -d $dev &&",
             kOwnSource, DriveLimits{"exfat", "", -1, true}},
        Stop{"ColonOnFat", "a:b.bin", 3000, 1000, "", "",
             "Refused: critical: The file name a:b.bin holds the character :, which the file system of the "
             "destination (vfat) cannot hold in a name.…",
             DriveLimits{"vfat", ":?*<>|\\\"", 4294967295, true}},
        // The real FAT refuses the name of the lock as well: the name is told before the lock is made.
        Stop{"ColonOnAFixedFatDisk", "a:b.bin", 3000, 1000, "",
             "truncate -s 2M fat.img && mkfs.vfat fat.img >/dev/null && fusefat -o rw+,nonempty fat.img dest "
             ">/dev/null 2>&1 && mountpoint -q dest &&",
             "Refused: critical: The file name a:b.bin holds the character :, which the file system of the "
             "destination (vfat) cannot hold in a name.…",
             DriveLimits{"vfat", ":?*<>|\\\"", 4294967295, true}},
        Stop{"PiecesTooLargeForFat", "report.doc", 3000, 1000, "", "",
             "Refused: critical: Pieces of 1000 bytes are too large for the file system of the destination "
             "(vfat), which holds files of up to 999 bytes.…",
             DriveLimits{"vfat", "", 999, true}},
        // After the first byte: the test line, then this run's files (the script is 362 bytes long).
        Stop{"FailingInTheSecondPiece", "report.doc", 3000000, 1440000, "failAfter=1500017", "", kFailed},
        Stop{"FailingInTheScript", "report.doc", 3000000, 1440000, "failAfter=3000057", "", kFailed},
        Stop{"FailingInTheReadme", "report.doc", 3000000, 1440000, "failAfter=3000479", "", kFailed},
        // The checksum file gets its first line as the first piece is done.
        Stop{"FailingInTheChecksums", "report.doc", 3000000, 1440000, "optChecksum=1 failAfter=1440017", "",
             kFailed},
        Stop{"OnAFullDisk", "report.doc", 3000000, 1440000, "", "mount -t tmpfs -o size=1m tmpfs dest &&",
             kFailed},
        Stop{"ReadOnlyDestination", "report.doc", 3000, 1000, "", "mount -t tmpfs -o ro tmpfs dest &&",
             "Refused: critical: Error: 75\r\n\r\nPath/File access error\r\n\r\nThis error is most commonly "
             "caused when you try to write the split file to a read-only destination (e.g. a CDROM)"},
        // The first piece takes two copies, whatever their pace: more than the first chunk, less than two.
        Stop{"CancelledInTheSecondPiece", "report.doc", 3000000, 1440000, "cancelAfter=2", "",
             "Cancelled: show|hide"}),
    [](const auto& info) { return std::string(info.param.label); });

// The options as Apply() takes them (without optClean none is stored), a shell command run in the test's
// folder while the readme is written, the run as Run() expects it, and what becomes of the source and of
// the stored optClean.
struct Cleanup {
    const char* label;
    std::string options, during, ran;
    bool deleted;
    const char* stored;
};

class SourceCleanup : public Split, public ::testing::WithParamInterface<Cleanup> {};

// The source goes as the stored choice says, and only while its name still leads to the very file that
// was split, unchanged, and the pieces still add up to it; whatever stops it is told.
TEST_P(SourceCleanup, FollowsTheChoiceAndDeletesOnlyWhatWasSplit) {
    const Cleanup& row = GetParam();
    settings.values.erase("optClean");
    Apply(row.options);
    const auto source = MakeSource("report.doc", 2000);
    files.onWrite = [&](const std::string& path) {
        if (path == "/dest/Readme.txt") {
            Shell(row.during + " true");
        }
    };

    Run(source, 1000, row.ran);

    EXPECT_EQ(Exists(tree.path() + source), !row.deleted);
    EXPECT_EQ(settings.values["optClean"], row.stored);
}

const std::string kAsk =
    "Completed: show|ask, No by default, question: Would you like to delete the source file?\r\n\r\nNote: "
    "You can edit the "
    "Options under the file menu so that the source is always deleted, never deleted, or you get this "
    "prompt.\r\n\r\nSource file name: /source/report.doc|hide|done";
const std::string kKept = "Failed: show|hide|exclamation: The file was split, but ";
const std::string kChanged =
    kKept + "the source file was changed or replaced in the meantime, so it was kept (~/source/report.doc~).";

INSTANTIATE_TEST_SUITE_P(
    Choices, SourceCleanup,
    ::testing::Values(
        Cleanup{"Delete", "optClean=0", "", "Completed: show|hide|done", true, "0"},
        Cleanup{"AskYes", "optClean=1 answers=Y", "", kAsk, true, "1"},
        Cleanup{"AskNo", "optClean=1 answers=N", "", kAsk, false, "1"},
        Cleanup{"AskEnter", "optClean=1 answers=.", "", kAsk, false, "1"},
        Cleanup{"Keep", "optClean=2", "", "Completed: show|hide|done", false, "2"},
        Cleanup{"Missing", "answers=N", "", kAsk, false, "1"},
        Cleanup{"OutOfRange", "optClean=7 answers=Y", "", kAsk, true, "1"},
        Cleanup{"NotANumber", "optClean=abc answers=N", "", kAsk, false, "1"},
        Cleanup{"NotWhole", "optClean=1.0", "", "Completed: show|hide|done", false, "1.0"},
        Cleanup{"Replaced", "optClean=0", "echo new >source/new && mv source/new source/report.doc &&",
                kChanged, false, "0"},
        Cleanup{"WrittenTo", "optClean=0", "printf x | dd of=source/report.doc conv=notrunc status=none &&",
                kChanged, false, "0"},
        // rsync --inplace -t: the same length and modification time, other bytes; only the change time tells.
        Cleanup{
            "RewrittenWithItsTimePutBack", "optClean=0",
            "touch -r source/report.doc was && sleep 0.02 && printf x | dd of=source/report.doc conv=notrunc "
            "status=none && touch -r was source/report.doc &&",
            kChanged, false, "0"},
        // Root may delete from any writable folder: a read-only mount of it stops even root.
        Cleanup{"Undeletable", "optClean=0",
                "mount --bind source source && mount -o remount,bind,ro source &&",
                kKept + "the source file could not be deleted (~/source/report.doc~).\r\n\r\nError: "
                        "75\r\n\r\nPath/File access error",
                false, "0"},
        // The command line's choice stands for optClean, which it neither asks about nor stores.
        Cleanup{"CallerDeletes", "optClean=2 source=delete", "", "Completed: show|hide|done", true, "2"},
        Cleanup{"CallerDeletesUnasked", "source=delete", "", "Completed: show|hide|done", true, ""},
        Cleanup{"CallerKeeps", "optClean=0 source=keep", "", "Completed: show|hide|done", false, "0"},
        Cleanup{"CallerDeletesOnlyWhatWasSplit", "source=delete",
                "echo new >source/new && mv source/new source/report.doc &&", kChanged, false, ""},
        Cleanup{"PiecesNoLongerAddUp", "optClean=0", "truncate -s 999 dest/report.doc.002 &&",
                kKept +
                    "the pieces no longer add up to the source file, so it was kept (~/source/report.doc~).",
                false, "0"}),
    [](const auto& info) { return std::string(info.param.label); });

using Checks = Split;

// Two runs at once into the same pieces would mix them: the second is refused and writes nothing, and the
// lock goes with the first.
TEST_F(Checks, ASecondRunForTheSamePiecesIsRefusedWhileTheFirstRuns) {
    const auto source = MakeSource("report.doc", 3000);
    SplitRequest again{source, "/dest", 1500};
    files.onWrite = [&](const std::string& path) {
        if (path == "/dest/report.doc.001" && !again.SourcePath.empty()) {
            EXPECT_EQ(SplitFile(again, ui, settings, platform), SplitOutcome::Refused);
            again.SourcePath.clear();
        }
    };

    Run(source, 1000,
        "Completed: show|critical: Another split is writing the pieces of /dest/report.doc right now.  "
        "Operation cancelled.  Please wait until it has finished and try again.|hide|done");

    EXPECT_EQ(Joined(Names("/dest")),
              "Readme.txt report.doc.001 report.doc.002 report.doc.003 report.doc.bat");
}

// Checksums are written unless turned off: the checksum file is what sha256sum writes for the pieces and the
// file they join into, and the readme tells how to check them. A name as long as its checksum file's name
// allows takes a lock of another name, which would be too long.
TEST_F(Checks, ChecksumsAreWrittenByDefaultAsSha256sumWritesThem) {
    settings.values.erase("optChecksum");
    const std::string name(255 - 7, 'n');
    // Small pieces, summed as they pass; pieces past the first chunk, summed alongside the copy on threads
    // of their own, ending inside the blocks those read.
    for (const auto& [size, piece] : {std::pair(3000, 1000), std::pair(4000000, 1500001)}) {
        Shell("rm -rf dest/*");
        const auto source = MakeSource(name, size);

        Run(source, piece, "Completed: show|hide|done");

        Shell("cd dest && cat " + name + ".001 " + name + ".002 " + name + ".003 >" + name +
              " && sha256sum " + name + ".001 " + name + ".002 " + name + ".003 " + name + " | cmp - " +
              name + ".sha256");
        EXPECT_NE(Read("/dest/Readme.txt").find("run: sha256sum -c " + name + ".sha256\r\n"),
                  std::string::npos);
        ui.log.clear();
    }
}

// Cancel pressed while a chunk is copied, with its sums read alongside: the run stops after that chunk and
// takes back everything it wrote, the checksum file too.
TEST_F(Checks, ACancelDuringACopyLeavesNothing) {
    Apply("optChecksum=1");
    const auto source = MakeSource("report.doc", 5000000);
    files.onWrite = [&](const std::string& path) {
        if (path == "/dest/report.doc.003") {
            ui.cancelAfterChecks = 0;
        }
    };

    Run(source, 1440000, "Cancelled: show|hide");

    EXPECT_EQ(Joined(Names("/dest")), "");
}

// A 5 GiB sparse source with marks around each 32-bit boundary: the pieces must carry every mark to its
// place. A tmpfs reads its holes without filling memory with them.
TEST_F(Checks, SourcesBeyondFourGigabytesKeepTheirOffsets) {
    Shell("mount -t tmpfs -o size=1m tmpfs source && truncate -s 5G source/big.img && for at in 0 2147483647 "
          "2147483648 4294967301 5368709119; do printf M | dd of=source/big.img bs=1 seek=$at conv=notrunc "
          "status=none; done");
    files.onlyMarks = true;

    Run("/source/big.img", 1000000000, "Completed: show|hide|done");

    std::string marks;
    for (const auto& [path, at] : files.marks) {
        marks +=
            path.find("big.img.0") == std::string::npos ? "" : path + " " + Joined(at) + "|"; // pieces only
    }
    EXPECT_EQ(marks, "/dest/big.img.001 0|/dest/big.img.003 147483647 147483648|/dest/big.img.005 "
                     "294967301|/dest/big.img.006 368709119|");
    const auto& last = files.writes["/dest/big.img.006"];
    EXPECT_EQ(std::accumulate(last.begin(), last.end(), std::int64_t{0}), 368709120);
}

// A source of size bytes split into pieces of piece bytes, with options as Apply() takes them, after a shell
// command run in the test's folder; what each disk holds, "|" between them (each name and a space, then the
// label), and the run as Run() expects it.
struct Staging {
    const char* label;
    std::int64_t size;
    double piece;
    std::string options, before, disks, ran;
};

class Staged : public Split, public ::testing::WithParamInterface<Staging> {};

// However the run ends, the staging folder goes; the source goes only with a completed one (optClean "0").
TEST_P(Staged, FillDiskAfterDisk) {
    const Staging& row = GetParam();
    drives.type = DriveType::Removable;
    Apply("optClean=0 " + row.options);
    Shell(row.before + " true");
    const auto source = MakeSource("r", row.size);

    Run(source, row.piece, row.ran);

    std::string disks;
    for (const auto& disk : drives.disks) {
        disks += &disk == &drives.disks[0] ? "" : "|";
        for (const auto& file : disk.files) {
            disks += Fill(file.first, "/dest/", "") + " ";
        }
        disks += disk.label;
    }
    EXPECT_EQ(disks, row.disks);
    EXPECT_FALSE(Exists(tree / "staging"));
    EXPECT_EQ(Exists(tree.path() + source), row.ran.rfind("Completed", 0) != 0);
}

const std::string kServed = "information: This disk already holds ";
const std::string kAskFolder =
    "|ask question: The folder /dest does not exist on this disk.  Do you want to create it?";

INSTANTIATE_TEST_SUITE_P(
    Runs, Staged,
    ::testing::Values(
        // Space is what files take in whole units: two 720,000-byte pieces fit in bytes, not in 4 KiB
        // units; the last disk must hold the script and the readme beside the last piece.
        // A disk that holds a piece is never offered for formatting: the user is told to insert another.
        Staging{"SpaceInUnits", 720000 * 2 + 710000, 720000, "capacity=1441000 unit=4096", "",
                "r.001 |r.002 |Readme.txt r.003 r.bat Disk1",
                "Completed: show|" + kServed +
                    "piece 001 of this split. Insert another disk.|insert|hide|done"},
        // One piece fits on a new disk, but not one more unit for the destination folder it lacks.
        // The first disk put back at the last one is known by its identity: without that, the disk dialog.
        Staging{"ADiskPutBack", 360000 * 9, 360000, "putBack=2", "",
                "r.001 r.002 r.003 r.004 |r.005 r.006 r.007 r.008 |Readme.txt r.009 r.bat Disk1",
                "Completed: show|insert|insert|" + kServed + "pieces 001\xe2\x80\x93" +
                    "004 of this split. Insert another disk.|hide|done"},
        Staging{"ADiskPutBackWithoutIdentities", 360000 * 9, 360000, "putBack=2 identities=0 choices=C", "",
                "r.001 r.002 r.003 r.004 |r.005 r.006 r.007 r.008 ",
                "Cancelled: show|insert|insert|disk dialog|hide"},
        // A disk that fills up under its fourth piece is not offered for formatting either.
        Staging{"ADiskWithPiecesTurnsOutFull", 360000 * 5, 360000, "hiddenCost=5000", "",
                "r.001 r.002 r.003 |Readme.txt r.004 r.005 r.bat Disk1",
                "Completed: show|" + kServed + "pieces 001\xe2\x80\x93" +
                    "003 of this split. Insert another disk.|hide|done"},
        Staging{"ANewDiskHoldsTheFolderToo", 720000 * 3, 720000,
                "capacity=722944 unit=4096 choices=C bareDisks=1", "", "r.001 |",
                "Cancelled: show|insert|disk dialog|hide"},
        // A disk fuller than it looked: the copy runs out of room and the user is asked as for a full disk.
        // A last disk that cannot be labelled is told, without failing the split.
        Staging{"ADiskFullerThanItLooked", 1440000 * 2, 1440000,
                "hiddenCost=20000 choices=N labelRefusal=unreachable", "", "|r.001 |Readme.txt r.002 r.bat ",
                "Completed: show|disk dialog|ready|insert|information: The last disk, in /, could not be "
                "labelled Disk1: unreachable.|hide|done"},
        // optLabel "1" leaves the last disk unlabelled.
        // The checksum file goes on the last disk with the script.
        Staging{"ChecksumsOnTheLastDisk", 3000000, 1440000, "optChecksum=1", "",
                "r.001 |r.002 |Readme.txt r.003 r.bat r.sha256 Disk1",
                "Completed: show|insert|insert|hide|done"},
        Staging{"AsksBeforeMakingTheFolder", 3000000, 1440000, "bareDisks=1 answers=YY optLabel=1", "",
                "r.001 |r.002 |Readme.txt r.003 r.bat ",
                "Completed: show|insert" + kAskFolder + "|insert" + kAskFolder + "|hide|done"},
        // A No leaves the disk without the file: the split ends there, without claiming success.
        Staging{"AsksBeforeReplacingAFile", 1000, 1000, "answers=N", "echo old >dest/r.bat &&", "r.001 ",
                "Cancelled: show|ask question: This disk already holds a file named r.bat.  Do you want to "
                "replace it?|hide"},
        // A new disk may come up at another mount point: the folder follows it. While no disk can be found,
        // nothing is written anywhere.
        Staging{"FollowsANewDiskMountedElsewhere", 3000000, 1440000,
                "drive=/media/DISK1/ dest=/media/DISK1/pieces newDisks=2 answers=Y choices=N",
                "mkdir -p media/DISK1/pieces media/BACKUP media/THIRD/pieces &&",
                "/media/DISK1/pieces/r.001 |/media/BACKUP/pieces/r.002 |/media/THIRD/pieces/Readme.txt "
                "/media/THIRD/pieces/r.003 /media/THIRD/pieces/r.bat Disk1",
                "Completed: show|insert|ask question: The folder /media/BACKUP/pieces does not exist on this "
                "disk.  Do you want to create it?|insert|exclamation: " +
                    std::string(kDiskNotFoundMessage) + "|disk dialog|ready|hide|done"},
        // The disk dialog's other answers: a new disk that is no larger and a format that fails or has no
        // tool ask again, nothing chosen goes on as if there were room (and the copy runs out of it).
        Staging{"NewDiskOrFailedFormatAsksAgain", 3000000, 1440000, "capacity=1000000 choices=NFC format=1",
                "", "|", "Cancelled: disk dialog|ready|disk dialog|disk dialog"},
        Staging{"FormatCancelled", 3000000, 1440000, "capacity=1000000 choices=F format=2", "", "",
                "Cancelled: disk dialog"},
        Staging{"NoFormatTool", 3000000, 1440000, "capacity=1000000 choices=FC format=3", "", "",
                "Cancelled: disk dialog|information: No program to format disks was found.  Please format "
                "the disk with a tool of your choice and press OK when done.|disk dialog"},
        Staging{"NothingChosen", 3000000, 1440000, "capacity=1000000 choices=-C", "", "|",
                "Cancelled: disk dialog|show|insert|disk dialog|hide"},
        // The user who has no other disk to put in can still cancel, but cannot format one holding pieces.
        Staging{"CancelledAtTheLastDisk", 3000000, 1440000, "newDisks=1 choices=FC", "", "r.001 |r.002 ",
                "Cancelled: show|insert|insert|" + kServed +
                    "piece 002 of this split. Insert another disk.|disk dialog|" + kServed +
                    "piece 002 of this split. Insert another disk.|disk dialog|hide"},
        Staging{"CancelledInTheProgressWindow", 3000000, 1440000, "cancelAfter=1", "", "",
                "Cancelled: show|hide"},
        // A staging folder that fills up or a disk that breaks ends the split; pieces on earlier disks stay.
        // A disk just as large as a piece takes it.
        Staging{"StagingFolderFull", 3000000, 1440000, "failAfter=2900017 capacity=1440000", "",
                "r.001 |r.002 ",
                "Failed: show|insert|hide|critical: Error: 61\r\n\r\nDisk full\r\nThe temporary folder / has "
                "no room left for the pieces, which wait there until they go to the disks.\r\nThe file was "
                "not split."},
        // No lock and no staging without the temporary folder, which is named.
        Staging{"NoTemporaryFolder", 3000000, 1440000, "tempBase=/missing", "", "",
                "Refused: critical: No temporary folder could be made to stage the pieces in "
                "(~/missing~).\r\n\r\n"
                "Error: 76\r\n\r\nPath not found"},
        Staging{"DiskBreaks", 3000000, 1440000, "breakAfter=1", "", "r.001 |",
                "Failed: show|insert|hide|critical: Error: 57\r\n\r\nDevice I/O error\r\nThe file was not "
                "split."}),
    [](const auto& info) { return std::string(info.param.label); });

// Encodes as glibc's iconv does on its own, without Windows' tables: its CP932 gives "¥" as 0x5C.
class GlibcCodePages final : public CodePages {
public:
    std::optional<std::string> Encode(int codePage, const std::string& utf8) override {
        const iconv_t converter = ::iconv_open(("CP" + std::to_string(codePage)).c_str(), "UTF-8");
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            return std::nullopt;
        }
        std::string in = utf8;
        char out[64];
        char* inAt = in.data();
        char* outAt = out;
        std::size_t inLeft = in.size();
        std::size_t outLeft = sizeof out;
        const bool complete = ::iconv(converter, &inAt, &inLeft, &outAt, &outLeft) != std::size_t(-1);
        ::iconv_close(converter);
        return complete ? std::optional<std::string>(std::string(out, outAt)) : std::nullopt;
    }
};

// A code page that would give a character other than the backslash as the lone byte 0x5C is passed over,
// whatever encoder stands behind the seam; a 0x5C that trails a lead byte and the backslash itself stay.
TEST(ScriptSpelling, PassesOverPagesThatWouldWriteAnotherBackslash) {
    GlibcCodePages glibc;
    ASSERT_EQ(glibc.Encode(932, "¥"), "\\");
    EXPECT_EQ(ScriptSpelling(glibc, "テスト¥5.bin"), std::nullopt);
    EXPECT_EQ(ScriptSpelling(glibc, "¥.bin"), "\xbe.bin"); // 850
    EXPECT_EQ(ScriptSpelling(glibc, "表データ"), "\x95\x5c\x83\x66\x81\x5b\x83\x5e");
    EXPECT_EQ(ScriptSpelling(glibc, "a\\é"), "a\\\x82");
}

// In no code page a script may be written in does a character but the backslash come out as the lone
// byte 0x5C, which the command interpreter would read as a backslash in the name.
TEST(ScriptSpelling, NoCharacterButTheBackslashIsTheByte5C) {
    std::set<int> pages;
    for (const char* name : {"é", "カ", "한"}) {
        const auto tried = CodePagesFor(name);
        pages.insert(tried.begin(), tried.end());
    }
    LinuxCodePages codePages;
    std::vector<std::string> backslashes;
    for (const int page : pages) {
        for (char32_t code = 0; code <= 0xffff; ++code) {
            const bool surrogate = code >= 0xd800 && code <= 0xdfff;
            if (code != U'\\' && !surrogate && codePages.Encode(page, ToUtf8(code)) == "\\") {
                backslashes.push_back(std::to_string(page) + " " + ToUtf8(code));
            }
        }
    }
    EXPECT_EQ(pages.size(), 17u);
    EXPECT_EQ(Joined(backslashes, ", "), "");
}

} // namespace
} // namespace parvola::test
