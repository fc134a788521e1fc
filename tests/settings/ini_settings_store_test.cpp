// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: what goes in comes back, missing is not empty, a file that cannot be written is no
// reason to fail, and where it is kept. It goes in $XDG_CONFIG_HOME when that is absolute, else in the home
// folder's .config; without either it is kept nowhere rather than below the root or the working folder.
#include "settings/ini_settings_store.h"

#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <future>

namespace parvola::test {

TEST(IniSettingsStore, KeepsTextsAsWrittenWhereTheUserKeepsSettings) {
    TempTree tree;
    IniSettingsStore store(tree / "Orvane/Parvola.conf");
    EXPECT_EQ(store.ReadSetting("txtNum"), std::nullopt);
    const std::pair<std::string, std::string> values[] = {
        {"Case", "upper"}, {"Other", "Ünïcödé/ø"},     {"DestDir", " /home/ann/My Files, old "},
        {"case", "lower"}, {"fMask", "a=b;c#d\\e\"f"}, {"txtNum", ""}};
    for (const auto& [name, text] : values) {
        store.WriteSetting(name, text);
    }
    // Another running copy of the program sees each write at once.
    IniSettingsStore other(tree / "Orvane/Parvola.conf");
    for (const auto& [name, text] : values) {
        EXPECT_EQ(other.ReadSetting(name), text) << name;
    }
    other.WriteSetting("txtNum", "650");
    EXPECT_EQ(store.ReadSetting("txtNum"), "650");
    // Below a regular file, where nothing can be made, not even by root; and nowhere at all.
    for (const std::string& path : {tree / "Orvane/Parvola.conf/Orvane/Parvola.conf", std::string()}) {
        IniSettingsStore nowhere(path);
        nowhere.WriteSetting("optIdx", "1");
        EXPECT_EQ(nowhere.ReadSetting("optIdx"), std::nullopt) << path;
    }
    const std::tuple<const char*, const char*, std::string> places[] = {
        {"/x", "/h", "/x"}, {"x", "/h", "/h/.config"}, {nullptr, "/h", "/h/.config"},
        {nullptr, "", ""},  {"/x", "", "/x"},          {"x", "", ""}};
    for (const auto& [xdg, home, folder] : places) {
        xdg ? ::setenv("XDG_CONFIG_HOME", xdg, 1) : ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(DefaultSettingsPath(home), folder.empty() ? "" : folder + "/Orvane/Parvola.conf")
            << (xdg ? xdg : "unset");
    }
}

// A file written by hand: values with commas, which QSettings alone would read back as lists of their parts,
// come back as the text the user wrote.
TEST(IniSettingsStore, ReadsHandWrittenValuesWithCommasAsWritten) {
    TempTree tree;
    WriteBytes(tree / "Parvola.conf", "[General]\nfMask=*.a, *.b\nDestDir=/x,y\ntxtNum=650\n");
    IniSettingsStore store(tree / "Parvola.conf");
    EXPECT_EQ(store.ReadSetting("fMask"), "*.a, *.b");
    EXPECT_EQ(store.ReadSetting("DestDir"), "/x,y");
    EXPECT_EQ(store.ReadSetting("txtNum"), "650");
}

// Something other than a regular file at the settings path (a FIFO, which would hold open() until a writer
// came, or a folder) gives the defaults at once and is left as it is.
TEST(IniSettingsStore, UsesDefaultsAndLeavesAnythingButARegularFileAlone) {
    TempTree tree;
    ASSERT_EQ(::mkfifo((tree / "fifo.conf").c_str(), 0600), 0);
    std::filesystem::create_directories(tree / "folder.conf");
    for (const std::string name : {"fifo.conf", "folder.conf"}) {
        IniSettingsStore store(tree / name);
        auto used = std::async(std::launch::async, [&store] {
            store.WriteSetting("optIdx", "1");
            return store.ReadSetting("optIdx");
        });
        if (used.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            // A writer at the other end lets the blocked open() return, so that the test can end.
            ::close(::open((tree / name).c_str(), O_WRONLY | O_NONBLOCK));
            ADD_FAILURE() << name << " blocked";
        }
        EXPECT_EQ(used.get(), std::nullopt) << name;
        struct stat info {};
        EXPECT_TRUE(::lstat((tree / name).c_str(), &info) == 0 && !S_ISREG(info.st_mode)) << name;
    }
}

} // namespace parvola::test
