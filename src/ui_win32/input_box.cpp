// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/input_box.h"

#include "engine/split_ui.h"

namespace parvola {

namespace {

// Places in twips of the box's client area.
constexpr double kWidth = 6000;
constexpr double kHeight = 1800;

} // namespace

std::string frmInput::Ask(wingui::Window& owner, const std::string& prompt) {
    frmInput box;
    if (!box.Create(owner.hwnd(), prompt)) {
        return {};
    }
    ShowWindow(box.hwnd(), SW_SHOW);
    box.m_answer->Focus();
    // Modal: the owner takes no input until the box is answered.
    wingui::RunModal(owner, box, [&box] { return box.m_ended; });
    return box.m_result;
}

bool frmInput::Create(HWND owner, const std::string& prompt) {
    if (!Window::Create({kAppTitle, kWidth, kHeight, nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU, owner})) {
        return false;
    }
    m_prompt = std::make_unique<wingui::Label>(*this, wingui::LabelArgs{prompt});
    m_answer = std::make_unique<wingui::Edit>(*this, wingui::EditArgs{"", true, nullptr, nullptr});
    m_ok = std::make_unique<wingui::Button>(
        *this, wingui::ButtonArgs{"OK", IDOK, true, [this] { End(m_answer->Text()); }});
    m_cancel = std::make_unique<wingui::Button>(
        *this, wingui::ButtonArgs{"Cancel", IDCANCEL, false, [this] { End({}); }});
    Place(*m_prompt, 180, 150, kWidth - 1335 - 480, 900);
    Place(*m_ok, kWidth - 180 - 1335, 150, 1335, 375);
    Place(*m_cancel, kWidth - 180 - 1335, 600, 1335, 375);
    Place(*m_answer, 180, kHeight - 180 - 315, kWidth - 360, 315);

    wingui::CenterOver(hwnd(), owner);
    return true;
}

void frmInput::End(std::optional<std::string> answer) {
    m_result = answer.value_or("");
    m_ended = true;
    ShowWindow(hwnd(), SW_HIDE);
}

LRESULT frmInput::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        End({}); // the close box is Cancel
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    default:
        return Window::OnMessage(message, wParam, lParam);
    }
}

} // namespace parvola
