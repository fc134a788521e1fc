// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace parvola::test {

// Records the boxes of the split job as lines ("show", "hide", "critical: text", "ask question: text",
// "disk dialog") and its progress values apart, and answers its questions from strings.
class ScriptedUi final : public SplitUi {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override { Say("", text, icon); }
    // A question whose default is No is logged as "ask, No by default, question: …".
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override {
        Say(defaultAnswer == DefaultAnswer::No ? "ask, No by default, " : "ask ", text, icon);
        const char answer = Next(answers);
        // Enter takes the default answer.
        return answer == 'Y' || (answer == '.' && defaultAnswer == DefaultAnswer::Yes);
    }
    void ShowProgress() override { log.push_back("show"); }
    void SetProgress(int value) override { progress.push_back(value); }
    void HideProgress() override { log.push_back("hide"); }
    DiskChoice ShowDiskDialog() override {
        log.push_back("disk dialog");
        // In the order of DiskChoice: None, NewDisk, Format, then Cancel for anything else.
        return DiskChoice(std::min<std::size_t>(std::string("-NF").find(Next(diskChoices)), 3));
    }
    void ShowCopyProgress(const std::string&, int) override {}
    // Counts down to 0, then stays there: the user has pressed Cancel.
    bool CancelRequested() override {
        return cancelAfterChecks > 0 ? (--cancelAfterChecks, false) : cancelAfterChecks == 0;
    }

    std::vector<std::string> log;
    std::vector<int> progress;
    std::string answers; // to the questions in turn: Y for Yes, . for Enter (the default), anything else No
    std::string diskChoices; // left in the disk dialog in turn: N new disk, F format, - none, C Cancel
    // Runs while each message box or question is up, as the user would act on it (put a new disk in).
    std::function<void(const std::string&)> onMessage;
    // The user presses Cancel once the job has asked this many times whether to stop; -1: never.
    std::int64_t cancelAfterChecks = -1;

private:
    void Say(const char* ask, const std::string& text, MessageIcon icon) {
        const char* names[] = {"critical", "question", "exclamation", "information"};
        log.push_back(ask + std::string(names[static_cast<int>(icon)]) + ": " + text);
        if (onMessage) {
            onMessage(text);
        }
    }
    // A question or dialog the test did not script fails it at once, rather than looping on a made-up answer.
    static char Next(std::string& queue) {
        const char next = queue.at(0);
        queue.erase(0, 1);
        return next;
    }
};

} // namespace parvola::test
