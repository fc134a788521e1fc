// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: what goes in comes back, missing is not empty, a file that cannot be written is no
// reason to fail, and where it is kept. It goes in $XDG_CONFIG_HOME when that is absolute, else in the home
// folder's .config; without either it is kept nowhere rather than below the root or the working folder.
#include "settings/ini_settings_store.h"

#include "support/temp_tree.h"

#include <QSettings>
#include <QString>

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

// Files earlier versions wrote with QSettings read the same, and QSettings reads what the store writes:
// quotes around separators and outer blanks, escapes for quotes, backslashes and control characters, "@@" for
// a leading '@', UTF-8 as it is.
TEST(IniSettingsStore, SharesItsFileWithQSettings) {
    TempTree tree;
    const std::string values[] = {"*.*",
                                  "/home/ann/Ünïcödé ø",
                                  " lead",
                                  "trail ",
                                  "a=b;c#d\\e\"f",
                                  "x,y",
                                  "@Invalid()",
                                  "tab\there",
                                  "\x01"
                                  "7",
                                  "line\nnext",
                                  "",
                                  "\"quoted\""};
    const QString written = QString::fromStdString(tree / "written.conf");
    {
        QSettings qt(written, QSettings::IniFormat);
        for (std::size_t i = 0; i < std::size(values); ++i) {
            qt.setValue(QStringLiteral("v%1").arg(i), QString::fromStdString(values[i]));
        }
    }
    IniSettingsStore ours(tree / "ours.conf");
    IniSettingsStore theirs(written.toStdString());
    for (std::size_t i = 0; i < std::size(values); ++i) {
        ours.WriteSetting("v" + std::to_string(i), values[i]);
    }
    const QSettings reader(QString::fromStdString(tree / "ours.conf"), QSettings::IniFormat);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::string name = "v" + std::to_string(i);
        EXPECT_EQ(theirs.ReadSetting(name), values[i]) << name;
        EXPECT_EQ(reader.value(QString::fromStdString(name)).toString().toStdString(), values[i]) << name;
    }
}

// A change touches its own line alone: comments, other sections, the order and spelling of what the user
// wrote stay as they were; a new name goes at the end of the general section, which may be "[general]" or
// the top of the file before any header.
TEST(IniSettingsStore, ChangesOnlyTheLineOfTheSetting) {
    TempTree tree;
    const std::string before =
        "; mine\r\n[other]\r\ntxtNum=9\r\n\r\n[general]\r\nfMask = \"*.a;*.b\" ; two\r\n"
        "optIdx=2\r\n\r\n[last]\r\nx=1\r\n";
    const std::pair<const char*, std::string> rows[] = {
        {"fMask", "; mine\r\n[other]\r\ntxtNum=9\r\n\r\n[general]\r\nfMask=*.c ; two\r\noptIdx=2\r\n\r\n"
                  "[last]\r\nx=1\r\n"},
        {"txtNum", "; mine\r\n[other]\r\ntxtNum=9\r\n\r\n[general]\r\nfMask = \"*.a;*.b\" ; two\r\n"
                   "optIdx=2\r\ntxtNum=*.c\r\n\r\n[last]\r\nx=1\r\n"}};
    for (const auto& [name, after] : rows) {
        WriteBytes(tree / "Parvola.conf", before);
        IniSettingsStore store(tree / "Parvola.conf");
        EXPECT_EQ(store.ReadSetting("fMask"), "*.a;*.b");
        EXPECT_EQ(store.ReadSetting("txtNum"), std::nullopt) << "set in another section only";
        store.WriteSetting(name, "*.c");
        EXPECT_EQ(ReadBytes(tree / "Parvola.conf"), after) << name;
    }
    WriteBytes(tree / "top.conf", "optIdx=1\n[last]\nx=1\n");
    IniSettingsStore top(tree / "top.conf");
    top.WriteSetting("fMask", "*.c");
    EXPECT_EQ(ReadBytes(tree / "top.conf"), "optIdx=1\nfMask=*.c\n[last]\nx=1\n");
}

} // namespace parvola::test
