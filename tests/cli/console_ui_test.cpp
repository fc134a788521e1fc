// The split job's boxes on a terminal.
#include "app/console_ui.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <vector>

namespace parvola {
namespace {

TEST(ConsoleUi, PrefixesMessagesAndEndsTheProgressLineFirst) {
    std::istringstream in;
    std::ostringstream err;
    ConsoleUi ui(in, err, false, true);

    ui.ShowProgress();
    ui.SetProgress(50);
    ui.ShowMessage("Error: 61\r\n\r\nDisk full", MessageIcon::Critical);
    ui.ShowMessage("File is too small to split.", MessageIcon::Exclamation);
    ui.SetProgress(99);
    ui.HideProgress();
    ui.ShowMessage("Completed splitting files.", MessageIcon::Information);

    EXPECT_EQ(err.str(),
              "\rProcessing - Please wait... 0%\rProcessing - Please wait... 50%\nerror: Error: 61\n\n"
              "Disk full\nwarning: File is too small to split.\n\rProcessing - Please wait... 99%\r\033[K"
              "information: Completed splitting files.\n");
}

TEST(ConsoleUi, CopyProgressTakesTheLineAndGivesItBack) {
    std::istringstream in;
    std::ostringstream err;
    ConsoleUi ui(in, err, false, true);

    ui.SetProgress(40);
    ui.ShowCopyProgress("a.001", 0);
    ui.ShowCopyProgress("a.001", 42);
    ui.ShowCopyProgress("a.001", 42);
    ui.ShowCopyProgress("a.001", 100);
    ui.SetProgress(40);

    EXPECT_EQ(err.str(), "\rProcessing - Please wait... 40%\r\033[KCopying a.001 to the disk... 0%"
                         "\rCopying a.001 to the disk... 42%\r\033[K\rProcessing - Please wait... 40%");

    std::ostringstream quiet;
    ConsoleUi notDrawing(in, quiet, false, false);
    notDrawing.ShowCopyProgress("a.001", 42);
    notDrawing.ShowCopyProgress("a.001", 100);
    EXPECT_EQ(quiet.str(), "");
}

TEST(ConsoleUi, OnlyYesGoesOnAndWithoutATerminalNothingIsRead) {
    for (const auto& [typed, canAsk, expected] :
         std::vector<std::tuple<std::string, bool, bool>>{{"y\n", true, true},
                                                          {"  Yes\n", true, true},
                                                          {"n\n", true, false},
                                                          {"\n", true, false},
                                                          {"", true, false},
                                                          {"ja\n", true, false},
                                                          {"y\n", false, false}}) {
        std::istringstream in(typed);
        std::ostringstream err;
        EXPECT_EQ(ConsoleUi(in, err, canAsk, false).AskYesNo("Delete?", MessageIcon::Question), expected)
            << typed;
        if (!canAsk) {
            EXPECT_EQ(in.tellg(), 0);
        }
    }
}

TEST(ConsoleUi, DiskMenuKeepsTheLastChoiceOnEnter) {
    // Enter before any choice, and a number off the menu, ask again.
    std::istringstream in("\n1\n\n7\n2\n4\n");
    std::ostringstream err;
    ConsoleUi ui(in, err, true, false);
    std::vector<DiskChoice> choices;
    for (int i = 0; i < 4; ++i) {
        choices.push_back(ui.ShowDiskDialog());
    }
    EXPECT_EQ(choices, (std::vector<DiskChoice>{DiskChoice::NewDisk, DiskChoice::NewDisk, DiskChoice::Format,
                                                DiskChoice::Cancel}));
    EXPECT_NE(err.str().find("  3) Select a smaller size per partition\n"), std::string::npos);

    std::istringstream none("1\n");
    EXPECT_EQ(ConsoleUi(none, err, false, false).ShowDiskDialog(), DiskChoice::Cancel);
}

} // namespace
} // namespace parvola
