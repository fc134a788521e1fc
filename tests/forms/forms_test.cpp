// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows decide, without any window.
#include "forms/file_pattern.h"
#include "forms/shown_options.h"
#include "support/memory_settings.h"

#include <gtest/gtest.h>

namespace parvola {
namespace {

// The stored optClean ("-": none) and the cleanup option the options dialog shows for it.
TEST(ShownCleanupIndex, OnlyTheThreeExactTextsShowTheirOwnOption) {
    const std::pair<const char*, int> rows[] = {{"0", 0},   {"1", 1},   {"2", 2},   {"-", 1}, {"", 1},
                                                {"1.0", 1}, {"2.0", 1}, {"0.0", 1}, {"7", 1}, {"abc", 1}};
    for (const auto& [stored, shown] : rows) {
        test::MemorySettings settings;
        if (std::string(stored) != "-") {
            settings.values["optClean"] = stored;
        }
        EXPECT_EQ(ShownCleanupIndex(settings), shown) << "optClean " << stored;
        EXPECT_EQ(settings.values.count("optClean"), std::string(stored) != "-") << "nothing is stored";
    }
}

TEST(ShowsHiddenNames, OnlyAPatternThatBeginsWithADot) {
    const std::pair<const char*, bool> rows[] = {
        {"", false},       {"*.*", false},    {"*", false},       {"*.txt", false},    {".*", true},
        {".bashrc", true}, {" .conf*", true}, {"*.txt;.*", true}, {"*.txt, .x", true}, {"a.b;*.c", false}};
    for (const auto& [pattern, shown] : rows) {
        EXPECT_EQ(ShowsHiddenNames(pattern), shown) << "pattern \"" << pattern << '"';
    }
}

} // namespace
} // namespace parvola
