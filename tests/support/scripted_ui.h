#pragma once

#include "engine/split_ui.h"

#include <deque>
#include <string>
#include <vector>

namespace parvola::test {

// Records every call of the split job and answers its questions from a queue.
class ScriptedUi final : public SplitUi {
public:
    enum class Kind { Message, Question, ShowProgress, SetProgress, HideProgress };
    struct Call {
        Kind kind;
        std::string text;
        MessageIcon icon = MessageIcon::Information;
        int value = 0;
    };

    // Answers for the next questions, in order; a question with no answer left fails the test.
    void Answer(std::initializer_list<bool> answers) { m_answers.insert(m_answers.end(), answers); }

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, MessageIcon icon) override;
    void ShowProgress() override;
    void SetProgress(int value) override;
    void HideProgress() override;

    const std::vector<Call>& calls() const { return m_calls; }
    // The texts of the message boxes and questions, in order.
    std::vector<std::string> Texts() const;
    std::vector<int> ProgressValues() const;
    // The last message box or question; fails the test when there was none.
    Call LastBox() const;

private:
    std::vector<Call> m_calls;
    std::deque<bool> m_answers;
};

} // namespace parvola::test
