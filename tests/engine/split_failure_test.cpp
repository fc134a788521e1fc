// A destination that cannot take the pieces: the user is told, this run's outputs go, the source stays.
#include "split_fixture.h"

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace parvola::test {
namespace {

const std::string kNotSplit = "\r\nThe file was not split.";

class CopyFailure : public SplitFixture {
protected:
    void SetUp() override {
        SplitFixture::SetUp();
        settings.values["optClean"] = "0";
    }

    void ExpectNothingLeftAndSourceKept(const std::string& source, const std::string& message) {
        EXPECT_EQ(ui.LastBox().text, message);
        EXPECT_EQ(ui.LastBox().icon, MessageIcon::Critical);
        EXPECT_EQ(ui.calls().back().kind, ScriptedUi::Kind::Message);
        EXPECT_EQ(ui.calls()[ui.calls().size() - 2].kind, ScriptedUi::Kind::HideProgress);
        for (const auto& text : ui.Texts()) {
            EXPECT_NE(text, "Completed splitting files.");
        }
        EXPECT_EQ(ReadBytes(source), PatternBytes(3000000));
    }
};

TEST_F(CopyFailure, WriteFailingInTheSecondPieceRemovesThePieces) {
    const auto source = MakeSource("report.doc", 3000000);
    files.failAfterBytes = 1500000;

    EXPECT_TRUE(Split(source, 1440000));

    ExpectNothingLeftAndSourceKept(source, "Error: 61\r\n\r\nDisk full" + kNotSplit);
    EXPECT_TRUE(DestNames().empty());
}

TEST_F(CopyFailure, ScriptThatCannotBeWrittenFailsTheSplit) {
    const auto source = MakeSource("report.doc", 3000000);
    files.failAfterBytes = 3000000 + 40;
    files.failure = FileError{57, "Device I/O error"};

    EXPECT_TRUE(Split(source, 1440000));

    ExpectNothingLeftAndSourceKept(source, "Error: 57\r\n\r\nDevice I/O error" + kNotSplit);
    EXPECT_TRUE(DestNames().empty());
}

TEST_F(CopyFailure, EarlierFilesThisRunDidNotWriteStay) {
    const auto source = MakeSource("report.doc", 3000000);
    WriteBytes(dest + "/report.doc.003", "older split, other piece");
    WriteBytes(dest + "/notes.txt", "keep");
    files.failAfterBytes = 100;

    EXPECT_TRUE(Split(source, 1440000));

    EXPECT_EQ(DestNames(), (std::vector<std::string>{"notes.txt", "report.doc.003"}));
}

// A real file system of its own, mounted over the destination. Needs root; elsewhere the test is skipped.
class MountedDestination : public CopyFailure {
protected:
    bool Mount(const char* options) {
        if (::mount("tmpfs", dest.c_str(), "tmpfs", 0, options) != 0) {
            m_why = std::strerror(errno);
            return false;
        }
        m_mounted = true;
        return true;
    }
    void TearDown() override {
        if (m_mounted) {
            ::umount(dest.c_str());
        }
    }
    std::string m_why;

private:
    bool m_mounted = false;
};

TEST_F(MountedDestination, FullDiskStopsTheSplitAndKeepsTheSource) {
    if (!Mount("size=1m")) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << m_why;
    }
    const auto source = MakeSource("report.doc", 3000000);

    EXPECT_TRUE(Split(source, 1440000));

    ExpectNothingLeftAndSourceKept(source, "Error: 61\r\n\r\nDisk full" + kNotSplit);
    EXPECT_TRUE(DestNames().empty());
}

TEST_F(MountedDestination, ReadOnlyDestinationPointsAtTheMedium) {
    // Root writes into any folder, so it needs a read-only file system; anyone else a read-only folder.
    if (::geteuid() == 0) {
        if (!Mount("ro")) {
            GTEST_SKIP() << "cannot mount a read-only tmpfs here: " << m_why;
        }
    } else {
        std::filesystem::permissions(dest,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    const auto source = MakeSource("report.doc", 3000000);

    EXPECT_FALSE(Split(source, 1440000));

    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{
                  "Error: 75\r\n\r\nPath/File access error\r\n\r\nThis error is most commonly caused "
                  "when you try to write the split file to a read-only destination (e.g. a CDROM)"});
    EXPECT_EQ(ui.LastBox().icon, MessageIcon::Critical);
    EXPECT_FALSE(ProgressShown());
}

} // namespace
} // namespace parvola::test
