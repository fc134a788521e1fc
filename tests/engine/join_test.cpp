// SPDX-License-Identifier: GPL-3.0-or-later
// The join end to end: pieces made by the split job itself in a folder of the test's own, changed the way
// copies, disks and people change them, then joined, checked or refused.
#include "engine/join_job.h"
#include "engine/split_job.h"
#include "support/memory_settings.h"
#include "support/rooted_platform.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <map>

namespace parvola::test {
namespace {

// A file of size bytes split into pieces of piece bytes, with name.sha256 when checksum; a shell command run
// in the test's folder after the split, and one run at the first write of the joined file; the path the join
// is given, what it is asked ("force", "ask=Y", "check", "delete", "dest=/out", "cancelAfter=N", and for
// pieces without proof that they are whole "unproven", or "askUnproven" with the answer in "ask=Y"), and how
// it ended with the boxes it showed, "|" between them. An expectation ending in "…" need only begin the same.
struct Case {
    const char* label;
    std::int64_t size;
    double piece;
    bool checksum;
    std::string before, during, given, asked, ran;
};

// Every file of the test's folder, seen as "/", with its mode bits and bytes; the lock a split or join holds
// aside.
std::map<std::string, std::string> Files(const TempTree& tree) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree.path())) {
        if (entry.is_regular_file() && entry.path().extension() != ".parvola-lock") {
            files[entry.path().string().substr(tree.path().size())] =
                std::to_string(int(entry.status().permissions())) + " " + ReadBytes(entry.path());
        }
    }
    return files;
}

class Joins : public ::testing::TestWithParam<Case>, public RootedPlatform {
public:
    void Shell(const std::string& command) {
        ASSERT_EQ(std::system(("cd '" + tree.path() + "' && " + command + " true").c_str()), 0) << command;
    }
    void TearDown() override { std::system(("umount -l '" + tree.path() + "/out' 2>/dev/null").c_str()); }

    ScriptedUi ui;
    MemorySettings settings;
};

// What was there stays as it was, the pieces too, unless the file was joined: then it holds what was split,
// with the first piece's mode bits, and the pieces with their batch and checksum files are gone only when
// that was asked for. No hidden file is left behind.
TEST_P(Joins, JoinOnlyWhatIsWholeAndLeaveNothingElse) {
    const Case& row = GetParam();
    const auto asked = [&](const std::string& word) { return row.asked.find(word) != std::string::npos; };
    WriteBytes(tree / "x", PatternBytes(row.size));
    Shell("mkdir pieces out && chmod 640 x &&");
    settings.values = {{"optClean", "2"}, {"optReadme", "1"}};
    SplitRequest split{"/x", "/pieces", row.piece, row.checksum};
    ASSERT_EQ(SplitFile(split, ui, settings, platform), SplitOutcome::Completed);
    Shell("chmod 600 pieces/x.001 && " + row.before);
    auto before = Files(tree);
    files.onWrite = [&](const std::string& path) {
        if (path.find(".parvola-join-") != std::string::npos && !row.during.empty()) {
            Shell(row.during);
            before = Files(tree);
            before.erase(path);
        }
    };
    const auto dest = row.asked.find("dest=");
    const JoinRequest request{row.given,
                              dest == std::string::npos ? "" : row.asked.substr(dest + 5, 4),
                              asked("force") ? ReplaceExisting::Always
                              : asked("ask") ? ReplaceExisting::Ask
                                             : ReplaceExisting::Never,
                              asked("delete"),
                              asked("check"),
                              asked("unproven")      ? UncheckedJoin::Allow
                              : asked("askUnproven") ? UncheckedJoin::Ask
                                                     : UncheckedJoin::Refuse};
    ui.answers = asked("ask=Y") ? "Y" : "N";
    const auto cancel = row.asked.find("cancelAfter=");
    ui.cancelAfterChecks = cancel == std::string::npos ? -1 : std::stoll(row.asked.substr(cancel + 12));
    ui.log.clear();
    std::unique_ptr<FileLock> splitting;
    ASSERT_FALSE(asked("locked") && files.Lock("/pieces/.x.parvola-lock", splitting));
    // A join of the same set that runs right now, with its half-joined file.
    std::string running;
    std::unique_ptr<OutputFile> joining;
    ASSERT_FALSE(asked("running") &&
                 files.CreateTemporary("/pieces", ".x.parvola-join", 0600, running, joining));
    if (joining) {
        before = Files(tree);
    }

    const char* outcomes[] = {"Joined", "Verified", "Refused", "Failed", "Cancelled"};
    std::string ran = outcomes[int(JoinPieces(request, ui, platform))];
    for (const auto& line : ui.log) {
        ran += (ran.find(':') == std::string::npos ? ": " : "|") + line;
    }

    const bool cut = row.ran.size() > 3 && row.ran.compare(row.ran.size() - 3, 3, "…") == 0;
    EXPECT_EQ(cut ? ran.substr(0, row.ran.size() - 3) + "…" : ran, row.ran);
    auto after = Files(tree);
    const std::string joined = (request.DestFolder.empty() ? "/pieces" : request.DestFolder) + "/x";
    if (ran.rfind("Joined", 0) == 0) {
        EXPECT_TRUE(after[joined] == "384 " + PatternBytes(row.size)) << "mode or bytes differ";
        after.erase(joined);
        before.erase(joined);
        before.erase("/pieces/.x.parvola-join-KILLED"); // left by a join that was killed
        // The joined file is on the disk before the first piece goes.
        const auto synced =
            std::find_if(files.events.begin(), files.events.end(), [](const std::string& event) {
                return event.rfind("sync /pieces/.x.parvola-join-", 0) == 0;
            });
        const auto deleted = std::find(files.events.begin(), files.events.end(), "delete /pieces/x.001");
        EXPECT_EQ(asked("delete"), synced < deleted && deleted != files.events.end());
        for (auto file = before.begin(); asked("delete") && file != before.end();) {
            file = file->first.rfind("/pieces/x.", 0) == 0 ? before.erase(file) : std::next(file);
        }
    }
    EXPECT_TRUE(after == before) << "files changed or left behind";
}

const std::string kJoined4 = "Joined: show|hide|information: Joined 4 pieces into /pieces/x.";
const std::string kMatched = kJoined4 + "  Every piece and the joined file matched x.sha256.";
const std::string kOtherPieces =
    "Refused: critical: The batch file x.bat joins other pieces than those beside it, or in another "
    "order: its piece {} is not x.00{}.  Please check that the pieces belong together.";
const std::string kExists = "Refused: critical: The file /pieces/x already exists.  Operation cancelled.…";
const std::string kEarlierScript =
    "printf '%s\\r\\n' '@echo off' 'echo Created with Orvane Parvola' 'echo.' "
    "'call copy /b \"x.001\"+\"x.002\" \"x.001\"' 'call copy /b \"x.001\"+\"x.003\" \"x.001\"' "
    "'call copy /b \"x.001\"+\"x.004\" \"x.001\"' 'call copy /b \"x.001\" \"x\"' 'del \"x.001\"' "
    "'del \"x.002\"' 'del \"x.003\"' 'del \"x.004\"' 'echo.' 'echo Done!' >pieces/x.bat &&";
const std::string kUnproven = "Refused: critical: Neither x.bat nor x.sha256 lies beside the pieces, so "
                              "nothing shows whether pieces after ";
const std::string kAskUnchecked =
    "{}: ask, No by default, exclamation: Neither x.bat nor x.sha256 lies beside the pieces, so nothing "
    "shows "
    "whether pieces after x.004 are missing.  If any are, x comes out cut short, and nothing tells you "
    "so.\r\n\r\nDo you want to join the 4 pieces unchecked?";
const std::string kFlipByte3 = "printf Z | dd of=pieces/x.003 bs=1 seek=7 conv=notrunc status=none &&";

std::ostream& operator<<(std::ostream& os, const Case& row) {
    return os << row.label;
}

std::string Fill(std::string text, const std::string& value) {
    for (auto at = text.find("{}"); at != std::string::npos; at = text.find("{}")) {
        text.replace(at, 2, value);
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, Joins,
    ::testing::Values(
        // One byte a piece: any piece out of its place shows. 1000 comes after 999, not after 100.
        Case{"PastPiece999", 1001, 1, false, "", "", "/pieces/x.bat", "",
             "Joined: show|hide|information: Joined 1001 pieces into /pieces/x."},
        Case{"Checksummed", 3500, 1000, true, "", "", "/pieces/x", "", kMatched},
        // Pieces large enough to be summed on threads of their own, alongside the copy.
        Case{"ChecksummedAlongside", 3500000, 1000000, true, "", "", "/pieces/x", "", kMatched},
        // Without the batch file and the checksum file nothing shows that the last piece is there: only a
        // join asked for unchecked takes such pieces.
        Case{"FromAnotherSplitter", 3500, 1000, false, "rm pieces/x.bat &&", "", "/pieces/x.002", "",
             kUnproven +
                 "x.004 are missing.  Operation cancelled.  Please copy one of them beside the pieces, "
                 "or give --unchecked to join them anyway, and try again."},
        Case{"LastMissingUnproven", 3500, 1000, false, "rm pieces/x.bat pieces/x.004 &&", "", "/pieces/x",
             "check", kUnproven + "x.003 are missing.…"},
        Case{"FromAnotherSplitterUnchecked", 3500, 1000, false, "rm pieces/x.bat &&", "", "/pieces/x.002",
             "unproven", kJoined4},
        Case{"UncheckedAskedYes", 3500, 1000, false, "rm pieces/x.bat &&", "", "/pieces/x",
             "askUnproven ask=Y",
             Fill(kAskUnchecked, "Joined") + "|show|hide|information: Joined 4 pieces into /pieces/x."},
        Case{"UncheckedAskedNo", 3500, 1000, false, "rm pieces/x.bat &&", "", "/pieces/x", "askUnproven",
             Fill(kAskUnchecked, "Cancelled")},
        Case{"NoSuchPieces", 3500, 1000, false, "", "", "/pieces/y.bat", "",
             "Refused: critical: The first piece, /pieces/y.001, cannot be found.  Please copy every piece "
             "into one folder and try again."},
        Case{"Gap", 3500, 1000, false, "rm pieces/x.002 &&", "", "/pieces/x.001", "",
             "Refused: critical: The piece x.002 is missing, but x.003 is there.…"},
        Case{"LastMissingByTheScript", 3500, 1000, false, "rm pieces/x.004 &&", "", "/pieces/x", "",
             "Refused: critical: The piece x.004 is missing: x.bat joins 4 pieces.…"},
        Case{"LastMissingByTheChecksums", 3500, 1000, true, "rm pieces/x.004 pieces/x.bat &&", "",
             "/pieces/x", "", "Refused: critical: The piece x.004 is missing: x.sha256 names x.004.…"},
        Case{"ShortPiece", 3500, 1000, false, "truncate -s 999 pieces/x.002 &&", "", "/pieces/x", "",
             "Refused: critical: The piece x.002 is 999 bytes long, but x.001 is 1000: every piece but the "
             "last must be as long as the first, and the last no longer.…"},
        Case{"LongLastPiece", 3500, 1000, false, "truncate -s 1001 pieces/x.004 &&", "", "/pieces/x", "",
             "Refused: critical: The piece x.004 is 1001 bytes long, but x.001 is 1000:…"},
        Case{"ScriptInAnotherOrder", 3500, 1000, false,
             "sed -i 's/x.002/Q9/g;s/x.003/x.002/g;s/Q9/x.003/g' pieces/x.bat &&", "", "/pieces/x", "",
             Fill(kOtherPieces, "2")},
        Case{"ScriptOfOtherPieces", 3500, 1000, false, "sed -i s/x.003/y.003/ pieces/x.bat &&", "",
             "/pieces/x", "", Fill(kOtherPieces, "3")},
        // Every line about piece 4 gone, the check of its copy's outcome too.
        Case{"ScriptOfFewerPieces", 3500, 1000, false,
             "awk '/x.004/{s=/Joining/;next} s{s=0;next} 1' pieces/x.bat >t && mv t pieces/x.bat &&", "",
             "/pieces/x", "",
             "Refused: critical: The batch file x.bat joins 3 pieces, but 4 are beside it, up to x.004.…"},
        Case{"ScriptNotOurs", 3500, 1000, false, "echo 'echo Done! & rd /s /q C:\\' >>pieces/x.bat &&", "",
             "/pieces/x", "",
             "Refused: critical: The batch file x.bat is not in the form Parvola writes (line 39 is not "
             "understood), so it cannot tell whether the pieces belong together.…"},
        // Sets split by earlier versions carry the script that appends every piece to piece 001.
        Case{"EarlierScriptForm", 3500, 1000, false, kEarlierScript, "", "/pieces/x", "", kJoined4},
        Case{"EarlierScriptInAnotherOrder", 3500, 1000, false,
             kEarlierScript + "sed -i '4{h;d};5G' pieces/x.bat &&", "", "/pieces/x", "",
             Fill(kOtherPieces, "2")},
        Case{"ChecksumsNotOurs", 3500, 1000, true, "echo junk >>pieces/x.sha256 &&", "", "/pieces/x", "",
             "Refused: critical: The checksum file x.sha256 is not in the form sha256sum reads (line 6).…"},
        Case{"PieceWithoutChecksum", 3500, 1000, true, "sed -i /x.002/d pieces/x.sha256 &&", "", "/pieces/x",
             "", "Refused: critical: The checksum file x.sha256 holds no checksum for x.002.…"},
        Case{"DamagedPiece", 3500, 1000, true, kFlipByte3, "", "/pieces/x", "delete",
             "Failed: show|hide|critical: The piece x.003 is damaged: its checksum does not match "
             "x.sha256.\r\nThe pieces were not joined."},
        Case{"DamagedPieceAlongside", 3500000, 1000000, true, kFlipByte3, "", "/pieces/x", "delete",
             "Failed: show|hide|critical: The piece x.003 is damaged: its checksum does not match "
             "x.sha256.\r\nThe pieces were not joined."},
        Case{"Exists", 3500, 1000, false, "echo old >pieces/x &&", "", "/pieces/x", "", kExists},
        Case{"ExistsForced", 3500, 1000, false, "echo old >pieces/x &&", "", "/pieces/x", "force", kJoined4},
        Case{"ExistsKept", 3500, 1000, false, "echo old >pieces/x &&", "", "/pieces/x", "ask=N",
             "Cancelled: ask question: The file /pieces/x already exists.  Do you want to replace it?"},
        Case{"ExistsReplaced", 3500, 1000, false, "echo old >pieces/x &&", "", "/pieces/x", "ask=Y",
             "Joined: ask question: The file /pieces/x already exists.  Do you want to replace it?|show|hide|"
             "information: Joined 4 pieces into /pieces/x."},
        Case{
            "AppearsWhileJoining", 3500, 1000, false, "", "echo new >pieces/x &&", "/pieces/x", "",
            "Failed: show|hide|critical: The file /pieces/x appeared while the pieces were being joined, and "
            "was left as it is.\r\nThe pieces were not joined."},
        Case{"OnAFullDisk", 300000, 1000, false, "mount -t tmpfs -o size=64k tmpfs out && echo old >out/x &&",
             "", "/pieces/x", "force dest=/out",
             "Failed: show|hide|critical: Error: 61\r\n\r\nDisk full\r\nThe pieces were not joined."},
        Case{"WhileSplitting", 3500, 1000, false, "", "", "/pieces/x", "locked",
             "Refused: critical: A split is writing the pieces of /pieces/x right now.…"},
        Case{"AfterAKilledSplit", 3500, 1000, true, "touch pieces/.x.parvola-lock &&", "", "/pieces/x", "",
             "Refused: critical: The split that wrote the pieces of /pieces/x did not finish: it was stopped "
             "before it could take them back, and left .x.parvola-lock beside them.…"},
        Case{"AfterAKilledJoin", 3500, 1000, false, "head -c 2000 x >pieces/.x.parvola-join-KILLED &&", "",
             "/pieces/x", "running", kJoined4},
        Case{"DotSlashNames", 3500, 1000, true, "sed -i 's|  x|  ./x|' pieces/x.sha256 &&", "", "/pieces/x",
             "", kMatched},
        Case{"ChecksumsChangedWhileJoining", 3500, 1000, true, "",
             "{ printf '%064d  x.999999999999999999\\n' 0 && cat pieces/x.sha256; } >t && cat t "
             ">pieces/x.sha256 "
             "&& rm t &&",
             "/pieces/x", "",
             "Failed: show|hide|critical: The checksum file x.sha256 changed while the pieces were being "
             "joined."
             "\r\nThe pieces were not joined."},
        Case{"Cancelled", 3500, 1000, true, "", "", "/pieces/x", "cancelAfter=2", "Cancelled: show|hide"},
        Case{"CheckedOnly", 3500, 1000, true, "", "", "/pieces/x", "check",
             "Verified: show|hide|information: The 4 pieces of x are complete and readable, and match "
             "x.sha256.  Nothing was written."},
        Case{"CheckFindsDamage", 3500, 1000, true, kFlipByte3, "", "/pieces/x", "check",
             "Failed: show|hide|critical: The piece x.003 is damaged: its checksum does not match x.sha256."},
        Case{"PiecesDeleted", 3500, 1000, true, "", "", "/pieces/x.001", "delete",
             kMatched + "  The pieces, x.bat and x.sha256 were deleted."}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace parvola::test
