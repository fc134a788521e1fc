// What the copy writes: how many pieces, how long, under which names, in which blocks, and that they join
// back into the source.
#include "split_fixture.h"

#include <fcntl.h>
#include <unistd.h>

namespace parvola::test {
namespace {

struct Layout {
    std::int64_t sourceSize;
    double pieceSize;
    std::vector<std::size_t> pieceSizes;
};

void PrintTo(const Layout& row, std::ostream* os) {
    *os << row.sourceSize << " in " << row.pieceSize;
}

class PieceLayout : public SplitFixture, public ::testing::WithParamInterface<Layout> {};

TEST_P(PieceLayout, PiecesHaveTheirSizesAndJoinBackIntoTheSource) {
    const auto source = MakeSource("report.doc", GetParam().sourceSize);

    EXPECT_EQ(Split(source, GetParam().pieceSize), SplitOutcome::Completed);

    std::string joined;
    std::vector<std::size_t> sizes;
    for (std::int64_t i = 1; Exists(dest + "/" + PieceName("report.doc", i)); ++i) {
        const auto piece = ReadBytes(dest + "/" + PieceName("report.doc", i));
        sizes.push_back(piece.size());
        joined += piece;
    }
    EXPECT_EQ(sizes, GetParam().pieceSizes);
    EXPECT_TRUE(joined == ReadBytes(source));
    EXPECT_EQ(settings.values["chk83"], "0");
    EXPECT_EQ(ui.log.back(), "information: Completed splitting files.");
}

INSTANTIATE_TEST_SUITE_P(Sizes, PieceLayout,
                         ::testing::Values(Layout{1440000, 1440000, {1440000}},
                                           Layout{1440001, 1440000, {1440000, 1}},
                                           Layout{3000000, 1440000, {1440000, 1440000, 120000}},
                                           Layout{7, 1, {1, 1, 1, 1, 1, 1, 1}},
                                           Layout{200000, 65526, {65526, 65526, 65526, 3422}}));

using Pieces = SplitFixture;

TEST_F(Pieces, NumbersGrowToFourDigitsAfter999) {
    EXPECT_EQ(Split(MakeSource("x", 1001), 1), SplitOutcome::Completed);

    EXPECT_TRUE(Exists(dest + "/x.999"));
    EXPECT_TRUE(Exists(dest + "/x.1000"));
    EXPECT_TRUE(Exists(dest + "/x.1001"));
}

TEST_F(Pieces, LongerLeftoverPieceIsReplacedWhole) {
    const auto source = MakeSource("report.doc", 3000000);
    WriteBytes(dest + "/report.doc.002", std::string(2000000, 'x'));

    EXPECT_EQ(Split(source, 1440000), SplitOutcome::Completed);

    EXPECT_EQ(ReadBytes(dest + "/report.doc.002"), ReadBytes(source).substr(1440000, 1440000));
}

TEST_F(Pieces, AreWrittenInTheLargestBlocksThatFit) {
    EXPECT_EQ(Split(MakeSource("report.doc", 100000), 100000), SplitOutcome::Completed);

    std::vector<std::size_t> expected = {65526, 32768};
    expected.insert(expected.end(), 6, 256);
    expected.insert(expected.end(), 10, 16);
    expected.insert(expected.end(), 10, 1);
    EXPECT_EQ(files.writes[dest + "/report.doc.001"], expected);
}

TEST_F(Pieces, ProgressRoundsHalvesToEvenAndEndsAt100) {
    // 198 bytes in 16s and 1s: bytes done / 198 * 99 is done / 2, so 193, 195 and 197 bytes fall on halves.
    EXPECT_EQ(Split(MakeSource("report.doc", 198), 198), SplitOutcome::Completed);

    std::vector<std::string> expected = {"show"};
    for (int value : {0, 8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96, 97, 98, 100}) {
        expected.push_back("progress " + std::to_string(value));
    }
    expected.insert(expected.end(), {"hide", "information: Completed splitting files."});
    EXPECT_EQ(ui.log, expected);
}

// A 5 GiB sparse source with marks around each 32-bit boundary: the pieces must carry every mark to its
// place.
TEST_F(Pieces, SourcesBeyondFourGigabytesKeepTheirOffsets) {
    const std::int64_t size = std::int64_t{5} << 30;
    const std::int64_t marks[] = {0, (std::int64_t{1} << 31) - 1, std::int64_t{1} << 31,
                                  (std::int64_t{1} << 32) + 5, size - 1};
    const std::string source = sourceDir + "/big.img";
    const int out = ::open(source.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_EQ(::ftruncate(out, size), 0);
    for (const auto mark : marks) {
        ASSERT_EQ(::pwrite(out, "M", 1, mark), 1);
    }
    ::close(out);
    files.sparseZeros = true;

    EXPECT_EQ(Split(source, 1000000000), SplitOutcome::Completed);

    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(realFiles.FileLength(dest + "/" + PieceName("big.img", i)),
                  i < 6 ? 1000000000 : size - 5000000000);
    }
    for (const auto mark : marks) {
        const int in = ::open((dest + "/" + PieceName("big.img", mark / 1000000000 + 1)).c_str(), O_RDONLY);
        char byte = 0;
        EXPECT_EQ(::pread(in, &byte, 1, mark % 1000000000), 1);
        EXPECT_EQ(byte, 'M') << "mark at " << mark;
        ::close(in);
    }
    EXPECT_EQ(ui.log.back(), "information: Completed splitting files.");
}

// The 8.3 cut counts characters, never bytes, so it cannot leave half a character.
TEST(BaseName, CutsToEightCharactersBeforeTheFirstDot) {
    const std::pair<std::string, std::string> rows[] = {
        {"Annual Report.doc", "Annual R"},
        {"archive.tar.gz", "archive"},
        {"README", "README"},
        {"abcdefg\u00e9.txt", "abcdefg\u00e9"},
        {"\u65e5\u672c\u8a9e\u306e\u30d5\u30a1\u30a4\u30eb\u540d.txt",
         "\u65e5\u672c\u8a9e\u306e\u30d5\u30a1\u30a4\u30eb"},
        {".bashrc", ""},
    };
    for (const auto& [name, cut] : rows) {
        EXPECT_EQ(BaseName(name, true), cut) << name;
        EXPECT_EQ(BaseName(name, false), name);
    }
}

} // namespace
} // namespace parvola::test
