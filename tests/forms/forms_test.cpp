// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows decide, without any window.
#include "forms/error_details.h"
#include "forms/file_pattern.h"
#include "forms/main_choices.h"
#include "forms/progress_figures.h"
#include "forms/relayed_ui.h"
#include "forms/result_text.h"
#include "forms/shown_options.h"
#include "forms/split_command.h"
#include "forms/split_plan.h"
#include "forms/window_place.h"
#include "support/memory_settings.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <deque>
#include <thread>

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

// The plan line for a file length, the chosen size caption and the number typed.
TEST(PlanText, FollowsTheFileAndTheSize) {
    const std::tuple<std::int64_t, const char*, const char*, const char*> rows[] = {
        {734003200, "100 M", "", "8 pieces of 100 MB (the last 34 MB) \xe2\x86\x92 ~/uploads"},
        {4000000000, "K", "1", "4000000 pieces of 1 KB \xe2\x86\x92 ~/uploads"},
        {1440000, "1.44 M", "", "1 piece of 1.44 MB \xe2\x86\x92 ~/uploads"},
        {1439999, "1.44 M", "", "File is too small to split."},
        {7000000, "M", "2.5", "3 pieces of 2.5 MB (the last 2 MB) \xe2\x86\x92 ~/uploads"},
        {2500, "K", "1", "3 pieces of 1 KB (the last 500 bytes) \xe2\x86\x92 ~/uploads"},
        {999600, "K", "0.5", "2000 pieces of 500 bytes (the last 100 bytes) \xe2\x86\x92 ~/uploads"},
        {5000, "M", "", ""},
        {5000, "K", "2..5", ""},
        {5000, "none", "", ""}};
    for (const auto& [length, caption, number, plan] : rows) {
        EXPECT_EQ(PlanText(length, ChosenPieceBytes(caption, number),
                           ShownFolder("/home/ann/uploads", "/home/ann")),
                  plan)
            << caption << " " << number;
    }
    EXPECT_EQ(PlanText(std::nullopt, 1000.0, "~"), "") << "no file chosen";
}

// The typed number in K or M, with a decimal point; no value where it is no whole number of bytes of at
// least 1.
TEST(TypedPieceBytes, TakesADecimalPointAndOnlyWholeBytes) {
    const std::tuple<const char*, char, double> rows[] = {{"2.5", 'M', 2500000},
                                                          {"1.44", 'M', 1440000},
                                                          {".5", 'K', 500},
                                                          {"7.", 'K', 7000},
                                                          {"0.001", 'K', 1},
                                                          {"0.0005", 'K', 0},
                                                          {"1.0000000", 'M', 1e6},
                                                          {"0", 'M', 0},
                                                          {"", 'M', 0},
                                                          {".", 'M', 0},
                                                          {"1.2.3", 'M', 0},
                                                          {"-1", 'K', 0},
                                                          {"1e3", 'K', 0},
                                                          {"9007199254.740992", 'M', 9007199254740992.0},
                                                          {"9007199254.740993", 'M', 0}};
    for (const auto& [number, unit, bytes] : rows) {
        EXPECT_EQ(TypedPieceBytes(number, unit).value_or(0), bytes) << number << unit;
    }
}

TEST(ReadableBytes, ThreeDigitsInDecimalUnits) {
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, "0 bytes"},      {1, "1 byte"},         {999, "999 bytes"},
        {1000, "1 KB"},      {1440000, "1.44 MB"},  {999600, "1 MB"},
        {34003200, "34 MB"}, {150600000, "151 MB"}, {4294967296, "4.29 GB"}};
    for (const auto& [bytes, shown] : rows) {
        EXPECT_EQ(ReadableBytes(bytes), shown) << bytes;
    }
}

// Typing in the number box chooses the unit chosen last, M unless it was K; a unit stays.
TEST(SizeIndexAfterTyping, ChoosesTheLastUnit) {
    EXPECT_EQ(SizeIndexAfterTyping(4, 6), 6);
    EXPECT_EQ(SizeIndexAfterTyping(4, 7), 7);
    EXPECT_EQ(SizeIndexAfterTyping(7, 6), 7);
}

struct SteppedClock final : ProgressClock {
    std::chrono::steady_clock::time_point Now() override { return now; }
    std::chrono::steady_clock::time_point now{};
};

// 990 MB in pieces of 100 MB, the bar stepped at the seconds of the fake clock: after each step the piece,
// the speed with the time left (nothing in the first second) and the title.
TEST(ProgressFigures, FollowTheBarAndTheClock) {
    SteppedClock clock;
    ProgressFigures figures(clock, 990000000, 100000000);
    figures.Start();
    const std::tuple<int, int, const char*, const char*, const char*> rows[] = {
        {0, 0, "piece 1 of 10", "", "0% - Parvola"},
        {900, 29, "piece 3 of 10", "", "29% - Parvola"},
        {3000, 33, "piece 4 of 10", "110 MB/s - 6 s left", "33% - Parvola"},
        {183000, 66, "piece 7 of 10", "3.61 MB/s - 1 min 32 s left", "66% - Parvola"},
        {200000, 99, "piece 10 of 10", "4.95 MB/s", "99% - Parvola"}};
    for (const auto& [milliseconds, percent, piece, speed, title] : rows) {
        clock.now = std::chrono::steady_clock::time_point(std::chrono::milliseconds(milliseconds));
        figures.Update(percent);
        EXPECT_EQ(figures.PieceText(), piece) << milliseconds;
        EXPECT_EQ(figures.SpeedText(), speed) << milliseconds;
        EXPECT_EQ(figures.Title("Parvola"), title) << milliseconds;
    }
    ProgressFigures join(clock, 0, 0);
    join.Update(50);
    EXPECT_EQ(join.PieceText() + join.SpeedText(), "");
}

// The line under "Completed splitting files." for what the settings had written.
TEST(ResultText, NamesWhatWasWrittenAndWhere) {
    const std::tuple<int, bool, bool, const char*> rows[] = {
        {8, true, false, "8 pieces, the batch file and Readme.txt are in ~/uploads."},
        {1, false, false, "1 piece and the batch file are in ~/uploads."},
        {3, true, true, "3 pieces, the batch file, Readme.txt and the checksum file are in ~/uploads."}};
    for (const auto& [pieces, readme, checksum, text] : rows) {
        EXPECT_EQ(ResultText(pieces, readme, checksum, "~/uploads"), text);
    }
}

TEST(NotifiesAtEnd, OnlyAfterTenSecondsWithTheWindowInactive) {
    using std::chrono::seconds;
    EXPECT_TRUE(NotifiesAtEnd(false, seconds(11)));
    EXPECT_FALSE(NotifiesAtEnd(false, seconds(10)));
    EXPECT_FALSE(NotifiesAtEnd(true, seconds(60)));
}

// An error box gains the file or folder and the system's words of the latest failure it tells.
TEST(WithFailureNamed, AddsTheLatestNotedFailureOfTheErrorTold) {
    FailureLog failures;
    failures.Note({61, "Disk full", "No space left on device"}, "cannot write to /x/a.001");
    failures.Note({61, "Disk full", "No space left on device"}, "cannot write to /x/a.002");
    failures.Note({75, "Path/File access error"}, "cannot create /x/a.bat");
    const std::pair<const char*, const char*> rows[] = {
        {"Error: 61\r\n\r\nDisk full\r\nThe file was not split.",
         "Error: 61\r\n\r\nDisk full\r\nThe file was not split.\r\nCannot write to /x/a.002: No space left "
         "on "
         "device"},
        {"No folder (~/t~).\r\n\r\nError: 75\r\n\r\nPath/File access error",
         "No folder (~/t~).\r\n\r\nError: 75\r\n\r\nPath/File access error\r\nCannot create /x/a.bat: "
         "Path/File access error"},
        {"Error: 70\r\n\r\nPermission denied", "Error: 70\r\n\r\nPermission denied"},
        {"Error: 61\r\n\r\nDisk fullness", "Error: 61\r\n\r\nDisk fullness"},
        {"Completed splitting files.", "Completed splitting files."}};
    for (const auto& [text, shown] : rows) {
        EXPECT_EQ(WithFailureNamed(text, failures), shown);
    }
}

// The stored place comes back only whole, large enough, and with its title on a screen there is now.
TEST(ReadWindowPlace, OnlyAWholePlaceOnAScreenThereIs) {
    const std::vector<WindowPlace> screens = {{0, 0, 1280, 900}, {1280, 0, 1024, 768}};
    // left, top, width, height as stored ("-": none) => the place read, "none" for none
    const std::pair<std::vector<const char*>, const char*> rows[] = {
        {{"100", "50", "640", "400"}, "100 50 640 400"},
        {{"1500", "20", "640", "400"}, "1500 20 640 400"},
        {{"-30", "0", "640", "400"}, "-30 0 640 400"},
        {{"2300", "20", "640", "400"}, "none"},
        {{"100", "890", "640", "400"}, "none"},
        {{"100", "50", "50", "400"}, "none"},
        {{"100", "50", "640.5", "400"}, "none"},
        {{"100", "-", "640", "400"}, "none"},
        {{"x", "50", "640", "400"}, "none"}};
    for (const auto& [stored, read] : rows) {
        test::MemorySettings settings;
        const char* names[] = {"WindowLeft", "WindowTop", "WindowWidth", "WindowHeight"};
        for (int i = 0; i < 4; ++i) {
            if (std::string(stored[i]) != "-") {
                settings.values[names[i]] = stored[i];
            }
        }
        const auto place = ReadWindowPlace(settings, screens, 100, 100);
        EXPECT_EQ(place ? std::to_string(place->left) + " " + std::to_string(place->top) + " " +
                              std::to_string(place->width) + " " + std::to_string(place->height)
                        : "none",
                  read)
            << read;
    }
}

// What is read back at the start, and what an ending stores: the pattern only with Close, the number when
// there is one, the destination when chkSaveDestDir asks.
TEST(MainChoices, ReadAndStoredAsTheEndingAsks) {
    // chkSaveDestDir, optIdx, the number now, withPattern => fMask, txtNum, DestDir stored, then read back
    const std::tuple<const char*, const char*, const char*, bool, const char*> rows[] = {
        {"1", "5", "650", true, "*.txt 650 /out | *.txt 650 5 /out"},
        {"0", "7", "650", true, "*.txt 650 - | *.txt 650 7 "},
        {"1", "8", "", false, "- - /out |   3 /out"},
        {"1.0", "x", "2.5", false, "- 2.5 /out |  2.5 3 /out"}};
    for (const auto& [save, index, number, withPattern, expected] : rows) {
        test::MemorySettings settings;
        settings.values = {{"chkSaveDestDir", save}, {"optIdx", index}};
        StoreMainChoices(settings, {"*.txt", number, 0, "/out"}, withPattern);
        std::string shown;
        for (const char* name : {"fMask", "txtNum", "DestDir"}) {
            shown += (settings.values.count(name) ? settings.values[name] : "-") + " ";
        }
        const MainChoices read = ReadMainChoices(settings);
        shown += "| " + read.pattern + " " + read.number + " " + std::to_string(read.sizeIndex) + " " +
                 read.destination;
        EXPECT_EQ(shown, expected);
    }
}

// The job's calls run on the window's thread, here the test's, and their answers come back to the job;
// once the run is ending, a call waiting for an answer is given up, and later ones are not made at all.
TEST(RelayedUi, AnswersFromTheWindowThreadUntilTheRunEnds) {
    test::ScriptedUi window;
    window.answers = "YY";
    RelayState state;
    std::mutex queueMutex;
    std::deque<std::function<void()>> queue;
    RelayedUi relayed(
        window,
        [&](std::function<void()> call) {
            const std::lock_guard<std::mutex> lock(queueMutex);
            queue.push_back(std::move(call));
        },
        state);
    const auto runPosted = [&](std::size_t count) {
        for (std::size_t ran = 0; ran < count;) {
            std::function<void()> call;
            {
                const std::lock_guard<std::mutex> lock(queueMutex);
                if (!queue.empty()) {
                    call = std::move(queue.front());
                    queue.pop_front();
                }
            }
            if (call) {
                call();
                ++ran;
            }
        }
    };

    bool first = false;
    bool second = true;
    std::thread job([&] {
        first = relayed.AskYesNo("Split?", MessageIcon::Question, DefaultAnswer::No);
        second = relayed.AskYesNo("Delete?", MessageIcon::Question, DefaultAnswer::Yes);
    });
    runPosted(1);
    // The second question is posted but the window's thread goes away before it runs.
    for (bool posted = false; !posted;) {
        const std::lock_guard<std::mutex> lock(queueMutex);
        posted = !queue.empty();
    }
    {
        const std::lock_guard<std::mutex> lock(state.mutex);
        state.ending = true;
        state.changed.notify_all();
    }
    job.join();
    runPosted(1);
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(window.log, std::vector<std::string>{"ask, No by default, question: Split?"});
    EXPECT_EQ(relayed.ShowDiskDialog(), DiskChoice::Cancel);
    EXPECT_TRUE(relayed.CancelRequested());
    EXPECT_TRUE(queue.empty());
}

} // namespace
} // namespace parvola
