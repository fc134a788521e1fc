#pragma once

#include "engine/split_ui.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace parvola::test {

// Records every call of the split job as a line ("show", "progress 42", "hide", "critical: text",
// "ask question: text") and answers its questions from a queue.
class ScriptedUi final : public SplitUi {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        log.push_back(Name(icon) + ": " + text);
        if (onMessage) {
            onMessage(text);
        }
    }
    bool AskYesNo(const std::string& text, MessageIcon icon) override {
        log.push_back("ask " + Name(icon) + ": " + text);
        if (onMessage) {
            onMessage(text);
        }
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowProgress() override {
        log.push_back("show");
        if (onShow) {
            onShow();
        }
    }
    void SetProgress(int value) override { log.push_back("progress " + std::to_string(value)); }
    void HideProgress() override { log.push_back("hide"); }
    DiskChoice ShowDiskDialog() override {
        log.push_back("disk dialog");
        if (diskChoices.empty()) {
            ADD_FAILURE() << "unexpected disk dialog";
            return DiskChoice::Cancel;
        }
        const DiskChoice choice = diskChoices.front();
        diskChoices.pop_front();
        return choice;
    }
    // Not logged: the copy's progress is no box, and the logs stay comparable across disk sizes.
    void ShowCopyProgress(const std::string&, int) override {}
    bool CancelRequested() override {
        if (cancelAfterChecks > 0) {
            --cancelAfterChecks;
            return false;
        }
        return cancelAfterChecks == 0;
    }

    // The log without the progress lines: the boxes the user saw and when the window came and went.
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const auto& line : log) {
            if (line.rfind("progress ", 0) != 0) {
                boxes.push_back(line);
            }
        }
        return boxes;
    }

    std::vector<std::string> log;
    std::deque<bool> answers;
    // What the disk dialog holds when left each time it is shown.
    std::deque<DiskChoice> diskChoices;
    // Runs while each message box or question is up, as the user would act on it (put a new disk in).
    std::function<void(const std::string&)> onMessage;
    // The user presses Cancel once the job has asked this many times whether to stop; -1: never.
    int cancelAfterChecks = -1;
    // Runs when the progress window comes up: the split has begun.
    std::function<void()> onShow;

private:
    static std::string Name(MessageIcon icon) {
        const char* names[] = {"critical", "question", "exclamation", "information"};
        return names[static_cast<int>(icon)];
    }
};

} // namespace parvola::test
