// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shell.h"
#include "ui_win32/wingui/control.h"
#include "ui_win32/wingui/window.h"

#include <memory>

namespace parvola {

// The program's name and version, with the maker's web address and mail address as links.
class frmAbout final : public wingui::Window {
public:
    explicit frmAbout(Shell& shell) : m_shell(shell) {}
    ~frmAbout() override;
    // Shows the box modally over owner until OK, Enter, Esc or its close box ends it.
    static void Show(wingui::Window& owner, Shell& shell);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Create(HWND owner);

    Shell& m_shell;
    bool m_ended = false;
    HFONT m_bold = nullptr;
    HWND m_image = nullptr;
    std::unique_ptr<wingui::Label> m_name;
    std::unique_ptr<wingui::Link> m_web, m_mail;
    std::unique_ptr<wingui::Button> m_ok;
};

} // namespace parvola
