// The split job's boxes on a terminal.
#include "app/console_ui.h"

#include <gtest/gtest.h>

#include <sstream>

namespace parvola {
namespace {

TEST(ConsoleUi, MessagesArePrefixedByTheirKind) {
    std::istringstream in;
    std::ostringstream err;
    ConsoleUi ui(in, err, false, false);

    ui.ShowMessage("Error: 61\r\n\r\nDisk full", MessageIcon::Critical);
    ui.ShowMessage("File is too small to split.", MessageIcon::Exclamation);
    ui.ShowMessage("Completed splitting files.", MessageIcon::Information);

    EXPECT_EQ(err.str(), "error: Error: 61\n\nDisk full\nwarning: File is too small to split.\n"
                         "information: Completed splitting files.\n");
    EXPECT_TRUE(ui.completed());
}

TEST(ConsoleUi, OnlyYesGoesOn) {
    const std::vector<std::pair<std::string, bool>> rows = {
        {"y\n", true}, {"Yes\n", true}, {"  yes\n", true}, {"n\n", false},
        {"\n", false}, {"", false},     {"ja\n", false}};
    for (const auto& [typed, expected] : rows) {
        std::istringstream in(typed);
        std::ostringstream err;
        ConsoleUi ui(in, err, true, false);
        EXPECT_EQ(ui.AskYesNo("Delete?", MessageIcon::Question), expected) << typed;
        EXPECT_EQ(err.str(), "question: Delete? [y/N] ");
    }
}

TEST(ConsoleUi, WithoutATerminalEveryQuestionIsNo) {
    std::istringstream in("y\n");
    std::ostringstream err;
    ConsoleUi ui(in, err, false, true);

    EXPECT_FALSE(ui.AskYesNo("Delete?", MessageIcon::Question));
    EXPECT_EQ(in.tellg(), 0);
}

TEST(ConsoleUi, ProgressIsOneLineRedrawnAndEndedBeforeAMessage) {
    std::istringstream in;
    std::ostringstream err;
    ConsoleUi ui(in, err, false, true);

    ui.ShowProgress();
    ui.SetProgress(0);
    ui.SetProgress(50);
    ui.ShowMessage("Error: 61", MessageIcon::Critical);
    ui.SetProgress(99);
    ui.HideProgress();

    EXPECT_EQ(err.str(),
              "\rProcessing - Please wait... 0%\rProcessing - Please wait... 50%\nerror: Error: 61\n"
              "\rProcessing - Please wait... 99%\r\033[K");
    EXPECT_FALSE(ui.completed());
}

TEST(ConsoleUi, NoProgressLineWhenNotOnATerminal) {
    std::istringstream in;
    std::ostringstream err;
    ConsoleUi ui(in, err, false, false);

    ui.ShowProgress();
    ui.SetProgress(40);
    ui.HideProgress();

    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace parvola
