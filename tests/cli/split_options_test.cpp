// The command line of parvola-split: sizes and their questions, and what is refused.
#include "app/split_options.h"

#include <gtest/gtest.h>

namespace parvola {
namespace {

TEST(Sizes, MapToBytesAndTheQuestionsOfTheWindowedProgram) {
    const struct {
        const char* text;
        double bytes;
        const char* asked; // what stands between "partitions " and " long?"
    } rows[] = {{"360K", 360000, "360 KB"},          {"720K", 720000, "720 KB"},
                {"1.2M", 1200000, "1.2 MB"},         {"1.44M", 1440000, "1.44 MB"},
                {"100M", 100000000, "100 MB bytes"}, {"120M", 120000000, "120 MB bytes"},
                {"500K", 500000, "500 KB"},          {"4700M", 4700000000.0, "4700 MB"}};
    for (const auto& row : rows) {
        const auto size = ParseSize(row.text);
        ASSERT_TRUE(size) << row.text;
        EXPECT_EQ(size->bytes, row.bytes);
        EXPECT_EQ(size->question, std::string("Split the file into partitions ") + row.asked + " long?");
    }
    // Numbers past any size a file could have are refused, never a crash.
    const std::string hundredsOfDigits(300, '9');
    EXPECT_EQ(ParseSize("9007199254M")->bytes, 9007199254000000.0);
    for (const std::string& refused :
         {std::string(""), std::string("K"), std::string("0K"), std::string("00M"), std::string("1.5M"),
          std::string("10k"), std::string("10"), std::string("-5K"), std::string("10G"), std::string("1 M"),
          std::string("9007199255M"), hundredsOfDigits + "K"}) {
        EXPECT_FALSE(ParseSize(refused)) << refused;
    }
}

TEST(Arguments, DefaultsBothOptionFormsAndRefusals) {
    auto parsed = ParseSplitArguments({"file.iso"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->size.bytes, 1440000);
    EXPECT_EQ(parsed.options->dest, "");
    EXPECT_FALSE(parsed.options->yes);

    parsed = ParseSplitArguments({"--size=100M", "--dest", "/media/x", "-y", "--", "-odd name"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->size.bytes, 100000000);
    EXPECT_EQ(parsed.options->dest, "/media/x");
    EXPECT_TRUE(parsed.options->yes);
    EXPECT_EQ(parsed.options->file, "-odd name");

    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"a", "b"},
                                                                  {"--size", "3X", "a"},
                                                                  {"--size"},
                                                                  {"--dest"},
                                                                  {"--frobnicate", "a"},
                                                                  {"--yes=no", "a"}}) {
        parsed = ParseSplitArguments(args);
        EXPECT_FALSE(parsed.options);
        EXPECT_FALSE(parsed.error.empty());
    }
}

} // namespace
} // namespace parvola
