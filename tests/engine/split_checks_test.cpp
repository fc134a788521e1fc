// The checks that run before the first byte is copied: each stops the split with its own message and leaves
// nothing behind.
#include "split_fixture.h"

namespace parvola::test {
namespace {

using Checks = SplitFixture;

TEST_F(Checks, SourceShorterThanOnePieceIsTooSmall) {
    const auto source = MakeSource("report.doc", 1439999);

    EXPECT_FALSE(Split(source, 1440000));

    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"File is too small to split."});
    EXPECT_EQ(ui.LastBox().icon, MessageIcon::Exclamation);
    EXPECT_FALSE(ProgressShown());
    EXPECT_TRUE(DestNames().empty());
}

TEST_F(Checks, MissingSourceCountsAsEmpty) {
    EXPECT_FALSE(Split(sourceDir + "/gone.doc", 1));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"File is too small to split."});
}

TEST_F(Checks, EarlierSplitInTheDestinationStopsTheSplit) {
    const auto source = MakeSource("report.doc", 3000);
    WriteBytes(dest + "/report.doc.001", "old");

    EXPECT_FALSE(Split(source, 1000));

    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{
                  "Destination file already exists (~" + dest +
                  "/report.doc.001~ ~report.doc.001~).  "
                  "Operation cancelled.  Please rename the source file or change the destination and "
                  "try again."});
    EXPECT_EQ(ui.LastBox().icon, MessageIcon::Critical);
    EXPECT_EQ(DestNames(), std::vector<std::string>{"report.doc.001"});
    EXPECT_EQ(ReadBytes(dest + "/report.doc.001"), "old");
}

TEST_F(Checks, EarlierSplitBesideTheSourceDoesNotMatter) {
    const auto source = MakeSource("report.doc", 3000);
    WriteBytes(sourceDir + "/report.doc.001", "old");

    EXPECT_TRUE(Split(source, 1000));
    EXPECT_EQ(ui.LastBox().text, "Completed splitting files.");
}

TEST_F(Checks, ProbeUsesTheFullNameEvenWhenNamesAreCut) {
    settings.values["chk83"] = "1";
    const auto source = MakeSource("Annual Report.doc", 3000);
    WriteBytes(dest + "/Annual Report.doc.001", "old");

    EXPECT_FALSE(Split(source, 1000));
    EXPECT_EQ(ui.LastBox().text.rfind("Destination file already exists (~", 0), 0u);
}

TEST_F(Checks, TestWriteLeavesAnExistingTestFileAlone) {
    const auto source = MakeSource("report.doc", 1000);
    WriteBytes(dest + "/test.txt", "the user's notes");

    EXPECT_TRUE(Split(source, 1000));

    EXPECT_EQ(ReadBytes(dest + "/test.txt"), "the user's notes");
    EXPECT_EQ(DestNames(),
              (std::vector<std::string>{"Readme.txt", "report.doc.001", "report.doc.bat", "test.txt"}));
}

TEST_F(Checks, MissingDestinationIsReportedWithItsNumber) {
    const auto source = MakeSource("report.doc", 1000);

    EXPECT_FALSE(Split(source, 1000, tree / "nowhere"));

    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Error: 76\r\n\r\nPath not found"});
    EXPECT_EQ(ui.LastBox().icon, MessageIcon::Critical);
}

TEST_F(Checks, OneTrailingSeparatorIsRemovedFromTheDestination) {
    const auto source = MakeSource("report.doc", 1000);

    EXPECT_TRUE(Split(source, 1000, dest + "/"));

    EXPECT_EQ(request.DestFolder, dest);
    EXPECT_TRUE(Exists(dest + "/report.doc.001"));
}

TEST_F(Checks, RemovableDestinationIsSplitInPlaceForNow) {
    drives.type = DriveType::Removable;
    const auto source = MakeSource("report.doc", 2500);

    EXPECT_TRUE(Split(source, 1000));

    EXPECT_EQ(drives.asked, std::vector<std::string>{dest + "/"});
    EXPECT_EQ(ReadBytes(dest + "/report.doc.003").size(), 500u);
}

struct UnsafeName {
    std::string fileName;
    std::string named;
};

void PrintTo(const UnsafeName& row, std::ostream* os) {
    *os << (row.named.back() == '"' ? "the character quote" : row.named);
}

class UnsafeNames : public SplitFixture, public ::testing::WithParamInterface<UnsafeName> {};

TEST_P(UnsafeNames, AreRefusedBeforeAnythingIsWritten) {
    const auto source = MakeSource(GetParam().fileName, 3000);

    EXPECT_FALSE(Split(source, 1000));

    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{"The file name " + GetParam().fileName + " holds " + GetParam().named +
                                       ", which the batch file that joins the pieces cannot hold.  "
                                       "Operation cancelled.  Please rename the source file and try "
                                       "again."});
    EXPECT_TRUE(DestNames().empty());
    EXPECT_TRUE(files.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(Script, UnsafeNames,
                         ::testing::Values(UnsafeName{"say \"hi\".doc", "the character \""},
                                           UnsafeName{"100%.doc", "the character %"},
                                           UnsafeName{"a^b.doc", "the character ^"},
                                           UnsafeName{"two\nlines.doc", "a control character (code 10)"},
                                           UnsafeName{"tab\there.doc", "a control character (code 9)"}));

TEST_F(Checks, UnsafeCharacterCutAwayByShortNamesDoesNotMatter) {
    settings.values["chk83"] = "1";
    const auto source = MakeSource("abcdefghi%.doc", 1000);

    EXPECT_TRUE(Split(source, 1000));
    EXPECT_TRUE(Exists(dest + "/abcdefgh.001"));
}

struct OwnOutput {
    std::string fileName;
    std::string chk83;
};

void PrintTo(const OwnOutput& row, std::ostream* os) {
    *os << row.fileName;
}

class SourceNamedLikeAnOutput : public SplitFixture, public ::testing::WithParamInterface<OwnOutput> {};

TEST_P(SourceNamedLikeAnOutput, IsNeverWrittenOver) {
    settings.values["chk83"] = GetParam().chk83;
    const auto source = MakeSource(GetParam().fileName, 2500);

    EXPECT_FALSE(Split(source, 1000, sourceDir));

    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{"The split would write over its own source file (~" + source +
                                       "~).  Operation cancelled.  Please change the destination and "
                                       "try again."});
    EXPECT_EQ(ReadBytes(source), PatternBytes(2500));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sourceDir), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Names, SourceNamedLikeAnOutput,
                         ::testing::Values(OwnOutput{"Readme.txt", "0"}, OwnOutput{"archive.002", "1"},
                                           OwnOutput{"run.bat", "1"}));

TEST_F(Checks, SourceNamedLikeAnOutputSplitsElsewhere) {
    settings.values["chk83"] = "1";
    const auto source = MakeSource("archive.002", 2500);

    EXPECT_TRUE(Split(source, 1000));
    EXPECT_TRUE(Split(MakeSource("archive.004", 2500), 1000, sourceDir));

    EXPECT_EQ(ReadBytes(dest + "/archive.002"), PatternBytes(2500).substr(1000, 1000));
    EXPECT_EQ(ReadBytes(sourceDir + "/archive.003").size(), 500u);
}

// Every path is taken below a folder of the test's, so that "/" can be the destination without touching
// the machine's root.
class RootedFileSystem final : public FileSystem {
public:
    RootedFileSystem(FileSystem& real, std::string root) : m_real(real), m_root(std::move(root)) {}

    FileStatus OpenRead(const std::string& p, std::unique_ptr<InputFile>& f) override {
        return m_real.OpenRead(m_root + p, f);
    }
    FileStatus CreateNew(const std::string& p, std::unique_ptr<OutputFile>& f) override {
        return m_real.CreateNew(m_root + p, f);
    }
    FileStatus CreateOrTruncate(const std::string& p, std::unique_ptr<OutputFile>& f) override {
        return m_real.CreateOrTruncate(m_root + p, f);
    }
    FileStatus OpenAppend(const std::string& p, std::unique_ptr<OutputFile>& f) override {
        return m_real.OpenAppend(m_root + p, f);
    }
    std::optional<std::int64_t> FileLength(const std::string& p) override {
        return m_real.FileLength(m_root + p);
    }
    std::optional<std::string> FindFile(const std::string& p) override { return m_real.FindFile(m_root + p); }
    FileStatus DeleteFile(const std::string& p) override { return m_real.DeleteFile(m_root + p); }
    bool SameFile(const std::string& a, const std::string& b) override {
        return m_real.SameFile(m_root + a, m_root + b);
    }

private:
    FileSystem& m_real;
    std::string m_root;
};

TEST_F(Checks, RootDestinationBecomesEmptyAndPiecesLandInTheRoot) {
    RootedFileSystem rooted(realFiles, dest);
    Platform atRoot{rooted, drives, paths};
    std::filesystem::create_directory(dest + "/data");
    WriteBytes(dest + "/data/report.doc", PatternBytes(1500));

    request = SplitRequest{"/data/report.doc", "/", 1000};
    EXPECT_TRUE(SplitFile(request, ui, settings, atRoot));

    EXPECT_EQ(request.DestFolder, "");
    EXPECT_EQ(drives.asked, std::vector<std::string>{"/"});
    EXPECT_EQ(DestNames(), (std::vector<std::string>{"Readme.txt", "data", "report.doc.001", "report.doc.002",
                                                     "report.doc.bat"}));
    EXPECT_NE(ReadBytes(dest + "/Readme.txt").find("\r\n/REPORT.DOC.BAT\r\n"), std::string::npos);
}

} // namespace
} // namespace parvola::test
