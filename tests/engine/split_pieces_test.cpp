// What the copy writes: how many pieces, how long, under which names, in which blocks, and that they join
// back into the source.
#include "split_fixture.h"

#include "engine/naming.h"

#include <fcntl.h>
#include <unistd.h>

namespace parvola::test {
namespace {

using Pieces = SplitFixture;

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

    EXPECT_TRUE(Split(source, GetParam().pieceSize));

    std::string joined;
    for (std::size_t i = 0; i < GetParam().pieceSizes.size(); ++i) {
        const auto piece = ReadBytes(dest + "/" + PieceName("report.doc", static_cast<std::int64_t>(i) + 1));
        EXPECT_EQ(piece.size(), GetParam().pieceSizes[i]) << "piece " << i + 1;
        joined += piece;
    }
    EXPECT_FALSE(Exists(
        dest + "/" + PieceName("report.doc", static_cast<std::int64_t>(GetParam().pieceSizes.size()) + 1)));
    EXPECT_TRUE(joined == ReadBytes(source));
    EXPECT_EQ(ui.LastBox().text, "Completed splitting files.");
}

INSTANTIATE_TEST_SUITE_P(Sizes, PieceLayout,
                         ::testing::Values(Layout{1440000, 1440000, {1440000}},
                                           Layout{1440001, 1440000, {1440000, 1}},
                                           Layout{3000000, 1440000, {1440000, 1440000, 120000}},
                                           Layout{7, 1, {1, 1, 1, 1, 1, 1, 1}},
                                           Layout{200000, 65526, {65526, 65526, 65526, 3422}},
                                           Layout{1000000, 360000, {360000, 360000, 280000}}));

TEST_F(Pieces, PieceNumbersGrowToFourDigitsAfter999) {
    const auto source = MakeSource("x", 1001);

    EXPECT_TRUE(Split(source, 1));

    EXPECT_TRUE(Exists(dest + "/x.999"));
    EXPECT_TRUE(Exists(dest + "/x.1000"));
    EXPECT_TRUE(Exists(dest + "/x.1001"));
    EXPECT_FALSE(Exists(dest + "/x.0999"));
}

TEST_F(Pieces, LongerLeftoverPieceIsReplacedWhole) {
    const auto source = MakeSource("report.doc", 3000000);
    WriteBytes(dest + "/report.doc.002", std::string(2000000, 'x'));

    EXPECT_TRUE(Split(source, 1440000));

    EXPECT_EQ(ReadBytes(dest + "/report.doc.002"), ReadBytes(source).substr(1440000, 1440000));
}

TEST_F(Pieces, ShortNamesCutAtTheFirstDotAndEightCharacters) {
    settings.values["chk83"] = "1";
    const auto source = MakeSource("Annual Report.doc", 2500);

    EXPECT_TRUE(Split(source, 1000));

    EXPECT_EQ(DestNames(), (std::vector<std::string>{"Annual R.001", "Annual R.002", "Annual R.003",
                                                     "Annual R.bat", "Readme.txt"}));
}

TEST_F(Pieces, MissingShortNameSettingIsStoredAsOff) {
    const auto source = MakeSource("Annual Report.doc", 1000);

    EXPECT_TRUE(Split(source, 1000));

    EXPECT_EQ(settings.values["chk83"], "0");
    EXPECT_TRUE(Exists(dest + "/Annual Report.doc.001"));
}

TEST_F(Pieces, PieceIsWrittenInTheLargestBlocksThatFit) {
    const auto source = MakeSource("report.doc", 100000);

    EXPECT_TRUE(Split(source, 100000));

    std::vector<std::size_t> expected = {65526, 32768};
    expected.insert(expected.end(), 6, 256);
    expected.insert(expected.end(), 10, 16);
    expected.insert(expected.end(), 10, 1);
    EXPECT_EQ(files.writes[dest + "/report.doc.001"], expected);
}

TEST_F(Pieces, ProgressRoundsHalvesToEvenAndEndsAt100) {
    // 198 bytes in 16s and 1s: bytes done / 198 * 99 is done / 2, so 193, 195 and 197 bytes fall on halves.
    const auto source = MakeSource("report.doc", 198);

    EXPECT_TRUE(Split(source, 198));

    std::vector<int> expected;
    for (int value = 0; value <= 96; value += 8) {
        expected.push_back(value);
    }
    expected.insert(expected.end(), {97, 98, 100});
    EXPECT_EQ(ui.ProgressValues(), expected);
}

// A 5 GiB sparse source with marks past each 32-bit boundary: the pieces must carry every mark to its place.
TEST_F(Pieces, SourcesBeyondFourGigabytesKeepTheirOffsets) {
    const std::int64_t size = std::int64_t{5} << 30;
    const std::vector<std::int64_t> marks = {0, (std::int64_t{1} << 31) - 1, std::int64_t{1} << 31,
                                             (std::int64_t{1} << 32) + 5, size - 1};
    const std::string source = sourceDir + "/big.img";
    {
        const int fd = ::open(source.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, size), 0);
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const char mark = static_cast<char>('A' + i);
            ASSERT_EQ(::pwrite(fd, &mark, 1, marks[i]), 1);
        }
        ::close(fd);
    }
    files.sparseZeros = true;

    EXPECT_TRUE(Split(source, 1000000000));

    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(realFiles.FileLength(dest + "/" + PieceName("big.img", i)),
                  i < 6 ? 1000000000 : size - 5000000000)
            << "piece " << i;
    }
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const int fd =
            ::open((dest + "/" + PieceName("big.img", marks[i] / 1000000000 + 1)).c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        char byte = 0;
        EXPECT_EQ(::pread(fd, &byte, 1, marks[i] % 1000000000), 1);
        EXPECT_EQ(byte, static_cast<char>('A' + i)) << "mark at " << marks[i];
        ::close(fd);
    }
    EXPECT_EQ(ui.LastBox().text, "Completed splitting files.");
}

} // namespace
} // namespace parvola::test
