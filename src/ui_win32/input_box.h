// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui_win32/wingui/control.h"
#include "ui_win32/wingui/window.h"

#include <memory>
#include <optional>
#include <string>

namespace parvola {

// Asks the user for one line of text: a prompt, a box, OK and Cancel.
class frmInput final : public wingui::Window {
public:
    // Shows the box modally over owner; the text typed, or the empty text for Cancel.
    static std::string Ask(wingui::Window& owner, const std::string& prompt);

    wingui::Edit& txtAnswer() { return *m_answer; }
    wingui::Button& cmdOK() { return *m_ok; }
    wingui::Button& cmdCancel() { return *m_cancel; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Create(HWND owner, const std::string& prompt);
    void End(std::optional<std::string> answer);

    std::unique_ptr<wingui::Label> m_prompt;
    std::unique_ptr<wingui::Edit> m_answer;
    std::unique_ptr<wingui::Button> m_ok, m_cancel;
    bool m_ended = false;
    std::string m_result;
};

} // namespace parvola
