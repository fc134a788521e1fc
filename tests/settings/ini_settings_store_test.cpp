// The settings file: what goes in comes back, missing stays distinguishable from empty, and a file that
// cannot be written is no reason to fail.
#include "settings/ini_settings_store.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace parvola::test {
namespace {

class IniStore : public ::testing::Test {
protected:
    TempTree tree;
    const std::string path = tree / "Orvane/Parvola.conf";
};

TEST_F(IniStore, FirstWriteCreatesTheFolderAndFile) {
    IniSettingsStore store(path);
    EXPECT_EQ(store.ReadSetting("optIdx"), std::nullopt);

    store.WriteSetting("optIdx", "6");

    EXPECT_EQ(store.ReadSetting("optIdx"), "6");
    EXPECT_NE(ReadBytes(path).find("optIdx=6"), std::string::npos);
}

TEST_F(IniStore, TextsComeBackAsWritten) {
    IniSettingsStore store(path);
    const std::vector<std::pair<std::string, std::string>> values = {
        {"txtNum", ""},    {"fMask", "*.txt;*.doc"},  {"DestDir", "/home/ann/My Files, old"},
        {"chk83", " 1 "},  {"DestDir2", "Ünïcödé/ø"}, {"optClean", "a=b;c#d\\e\"f"},
        {"Case", "upper"}, {"case", "lower"}};
    for (const auto& [name, text] : values) {
        store.WriteSetting(name, text);
    }
    IniSettingsStore reopened(path);
    for (const auto& [name, text] : values) {
        EXPECT_EQ(reopened.ReadSetting(name), std::optional<std::string>(text)) << name;
    }
}

TEST_F(IniStore, EveryReadSeesTheFileAsItIsNow) {
    IniSettingsStore first(path);
    IniSettingsStore second(path);
    first.WriteSetting("optIdx", "2");
    EXPECT_EQ(second.ReadSetting("optIdx"), "2");
    second.WriteSetting("optIdx", "5");
    EXPECT_EQ(first.ReadSetting("optIdx"), "5");
}

TEST_F(IniStore, HandWrittenCommaTextReadsWhole) {
    WriteBytes(tree / "hand.conf", "[General]\nfMask=*.txt, *.doc\n");
    IniSettingsStore store(tree / "hand.conf");
    EXPECT_EQ(store.ReadSetting("fMask"), "*.txt,*.doc");
}

TEST_F(IniStore, UnwritableLocationNeitherFailsNorStoresAnything) {
    // A regular file where the folder should be: nothing can be created below it, not even as root.
    WriteBytes(tree / "blocker", "");
    IniSettingsStore store(tree / "blocker/Orvane/Parvola.conf");

    store.WriteSetting("optIdx", "1");

    EXPECT_EQ(store.ReadSetting("optIdx"), std::nullopt);
}

TEST(DefaultSettingsPath, FollowsXdgConfigHomeAndFallsBackToHome) {
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = oldConfig ? oldConfig : "";
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);

    setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
    EXPECT_EQ(DefaultSettingsPath(), "/xdg/config/Orvane/Parvola.conf");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(DefaultSettingsPath(), std::string(home) + "/.config/Orvane/Parvola.conf");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsPath(), std::string(home) + "/.config/Orvane/Parvola.conf");

    if (oldConfig) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    }
}

} // namespace
} // namespace parvola::test
