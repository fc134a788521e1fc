// The settings file: what goes in comes back, missing stays distinguishable from empty, and a file that
// cannot be written is no reason to fail.
#include "settings/ini_settings_store.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace parvola::test {
namespace {

TEST(IniSettingsStore, TextsComeBackAsWrittenAndMissingIsNotEmpty) {
    TempTree tree;
    IniSettingsStore store(tree / "Orvane/Parvola.conf");
    EXPECT_EQ(store.ReadSetting("txtNum"), std::nullopt);

    const std::vector<std::pair<std::string, std::string>> values = {
        {"txtNum", ""},    {"fMask", "*.txt;*.doc"}, {"DestDir", "/home/ann/My Files, old"},
        {"chk83", " 1 "},  {"Other", "Ünïcödé/ø"},   {"optClean", "a=b;c#d\\e\"f"},
        {"Case", "upper"}, {"case", "lower"}};
    for (const auto& [name, text] : values) {
        store.WriteSetting(name, text);
    }
    IniSettingsStore reopened(tree / "Orvane/Parvola.conf");
    for (const auto& [name, text] : values) {
        EXPECT_EQ(reopened.ReadSetting(name), std::optional<std::string>(text)) << name;
    }
    // Another running copy of the program sees each write at once.
    reopened.WriteSetting("txtNum", "650");
    EXPECT_EQ(store.ReadSetting("txtNum"), "650");
}

TEST(IniSettingsStore, HandWrittenCommaTextReadsWhole) {
    TempTree tree;
    WriteBytes(tree / "hand.conf", "[General]\nfMask=*.txt, *.doc\n");
    EXPECT_EQ(IniSettingsStore(tree / "hand.conf").ReadSetting("fMask"), "*.txt,*.doc");
}

TEST(IniSettingsStore, UnwritableLocationNeitherFailsNorStoresAnything) {
    // A regular file where the folder should be: nothing can be made below it, not even by root.
    TempTree tree;
    WriteBytes(tree / "blocker", "");
    IniSettingsStore store(tree / "blocker/Orvane/Parvola.conf");

    store.WriteSetting("optIdx", "1");

    EXPECT_EQ(store.ReadSetting("optIdx"), std::nullopt);
}

TEST(DefaultSettingsPath, FollowsAnAbsoluteXdgConfigHomeElseTheHomeFolder) {
    const struct {
        const char* xdg; // null: unset
        std::string home;
        std::string path;
    } rows[] = {
        {"/xdg/config", "/home/ann", "/xdg/config/Orvane/Parvola.conf"},
        {"relative/config", "/home/ann", "/home/ann/.config/Orvane/Parvola.conf"},
        {nullptr, "/home/ann", "/home/ann/.config/Orvane/Parvola.conf"},
        // No home to be found: kept nowhere rather than below the root or the working folder.
        {nullptr, "", ""},
    };
    for (const auto& row : rows) {
        if (row.xdg) {
            setenv("XDG_CONFIG_HOME", row.xdg, 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        EXPECT_EQ(DefaultSettingsPath(row.home), row.path) << (row.xdg ? row.xdg : "unset");
    }
    IniSettingsStore nowhere("");
    nowhere.WriteSetting("optIdx", "1");
    EXPECT_EQ(nowhere.ReadSetting("optIdx"), std::nullopt);
}

} // namespace
} // namespace parvola::test
