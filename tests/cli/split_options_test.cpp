// The command line of parvola-split: sizes and their questions, and what is refused.
#include "app/split_options.h"

#include <gtest/gtest.h>

namespace parvola {
namespace {

struct SizeRow {
    std::string text;
    double bytes;
    std::string question;
};

void PrintTo(const SizeRow& row, std::ostream* os) {
    *os << row.text;
}

class Sizes : public ::testing::TestWithParam<SizeRow> {};

TEST_P(Sizes, MapToBytesAndTheirQuestion) {
    const auto size = ParseSize(GetParam().text);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->bytes, GetParam().bytes);
    EXPECT_EQ(size->question, GetParam().question);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Sizes,
    ::testing::Values(SizeRow{"360K", 360000, "Split the file into partitions 360 KB long?"},
                      SizeRow{"720K", 720000, "Split the file into partitions 720 KB long?"},
                      SizeRow{"1.2M", 1200000, "Split the file into partitions 1.2 MB long?"},
                      SizeRow{"1.44M", 1440000, "Split the file into partitions 1.44 MB long?"},
                      SizeRow{"100M", 100000000, "Split the file into partitions 100 MB bytes long?"},
                      SizeRow{"120M", 120000000, "Split the file into partitions 120 MB bytes long?"},
                      SizeRow{"500K", 500000, "Split the file into partitions 500 KB long?"},
                      SizeRow{"650M", 650000000, "Split the file into partitions 650 MB long?"},
                      SizeRow{"1K", 1000, "Split the file into partitions 1 KB long?"},
                      SizeRow{"4700M", 4700000000.0, "Split the file into partitions 4700 MB long?"}));

TEST(SizesRefused, AnythingElse) {
    for (const std::string text :
         {"", "K", "0K", "00M", "1.5M", "10k", "10m", "10", "-5K", "10G", "1 M", "1.44"}) {
        EXPECT_FALSE(ParseSize(text)) << text;
    }
}

TEST(Arguments, DefaultsAndBothOptionForms) {
    auto parsed = ParseSplitArguments({"file.iso"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->size.bytes, 1440000);
    EXPECT_EQ(parsed.options->dest, "");
    EXPECT_FALSE(parsed.options->yes);
    EXPECT_EQ(parsed.options->file, "file.iso");

    parsed = ParseSplitArguments({"--size=100M", "--dest", "/media/x", "-y", "--", "-odd name"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->size.bytes, 100000000);
    EXPECT_EQ(parsed.options->dest, "/media/x");
    EXPECT_TRUE(parsed.options->yes);
    EXPECT_EQ(parsed.options->file, "-odd name");
}

TEST(Arguments, RefusedWithAReason) {
    const std::vector<std::vector<std::string>> rows = {{},
                                                        {"a", "b"},
                                                        {"--size", "3X", "a"},
                                                        {"--size"},
                                                        {"--dest"},
                                                        {"--frobnicate", "a"},
                                                        {"--yes=no", "a"}};
    for (const auto& args : rows) {
        const auto parsed = ParseSplitArguments(args);
        EXPECT_FALSE(parsed.options);
        EXPECT_FALSE(parsed.error.empty());
    }
}

} // namespace
} // namespace parvola
