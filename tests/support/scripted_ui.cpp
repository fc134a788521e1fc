#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace parvola::test {

void ScriptedUi::ShowMessage(const std::string& text, MessageIcon icon) {
    m_calls.push_back({Kind::Message, text, icon, 0});
}

bool ScriptedUi::AskYesNo(const std::string& text, MessageIcon icon) {
    m_calls.push_back({Kind::Question, text, icon, 0});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedUi::ShowProgress() {
    m_calls.push_back({Kind::ShowProgress, {}, MessageIcon::Information, 0});
}

void ScriptedUi::SetProgress(int value) {
    m_calls.push_back({Kind::SetProgress, {}, MessageIcon::Information, value});
}

void ScriptedUi::HideProgress() {
    m_calls.push_back({Kind::HideProgress, {}, MessageIcon::Information, 0});
}

std::vector<std::string> ScriptedUi::Texts() const {
    std::vector<std::string> texts;
    for (const auto& call : m_calls) {
        if (call.kind == Kind::Message || call.kind == Kind::Question) {
            texts.push_back(call.text);
        }
    }
    return texts;
}

std::vector<int> ScriptedUi::ProgressValues() const {
    std::vector<int> values;
    for (const auto& call : m_calls) {
        if (call.kind == Kind::SetProgress) {
            values.push_back(call.value);
        }
    }
    return values;
}

ScriptedUi::Call ScriptedUi::LastBox() const {
    for (auto it = m_calls.rbegin(); it != m_calls.rend(); ++it) {
        if (it->kind == Kind::Message || it->kind == Kind::Question) {
            return *it;
        }
    }
    ADD_FAILURE() << "no message box was shown";
    return {Kind::Message, {}, MessageIcon::Information, 0};
}

} // namespace parvola::test
