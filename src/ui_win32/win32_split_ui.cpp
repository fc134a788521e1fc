// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/win32_split_ui.h"

#include "ui_win32/wingui/text.h"

#include <algorithm>

namespace parvola {

namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return MB_ICONERROR;
    case MessageIcon::Question:
        return MB_ICONQUESTION;
    case MessageIcon::Exclamation:
        return MB_ICONEXCLAMATION;
    case MessageIcon::Information:
        return MB_ICONINFORMATION;
    }
    return 0;
}

// The progress window's places, in twips of its client area.
constexpr double kWidth = 4800;
constexpr double kHeight = 1455;

} // namespace

bool frmProgress::Create(HWND owner) {
    if (!Window::Create({kAppTitle, kWidth, kHeight, nullptr, WS_POPUP | WS_CAPTION, owner})) {
        return false;
    }
    m_label = std::make_unique<wingui::Label>(*this, wingui::LabelArgs{"Processing - Please wait..."});
    m_bar = std::make_unique<wingui::ProgressBar>(*this, wingui::ProgressBarArgs{100});
    m_cancel = std::make_unique<wingui::Button>(
        *this, wingui::ButtonArgs{"Cancel", IDCANCEL, false, [this] { cmdCancel_Click(); }});
    const auto place = [this](wingui::Control& control, double left, double top, double width,
                              double height) {
        const int x = TwipsToPixels(left);
        const int y = TwipsToPixels(top);
        control.SetBounds({x, y, x + TwipsToPixels(width), y + TwipsToPixels(height)});
    };
    place(*m_label, 180, 150, kWidth - 360, 255);
    place(*m_bar, 180, 480, kWidth - 360, 300);
    place(*m_cancel, kWidth - 180 - 1335, 930, 1335, 375);
    return true;
}

void frmProgress::Restart() {
    m_bar->SetValue(0);
    m_cancel->Enable(true);
}

void frmProgress::SetValue(int value) {
    m_bar->SetValue(std::clamp(value, 0, 100));
}

void frmProgress::cmdCancel_Click() {
    // Once is enough; the split stops at its next block and then hides the window.
    m_cancel->Enable(false);
    m_cancelRequested = true;
}

LRESULT frmProgress::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        return 0; // Alt+F4 cannot stop the split either
    }
    return Window::OnMessage(message, wParam, lParam);
}

void Win32SplitUi::ShowMessage(const std::string& text, MessageIcon icon) {
    MessageBoxW(m_owner.hwnd(), wingui::Wide(text).c_str(), wingui::Wide(kAppTitle).c_str(),
                MB_OK | IconStyle(icon));
}

bool Win32SplitUi::AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) {
    const UINT defaultButton = defaultAnswer == DefaultAnswer::No ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
    return MessageBoxW(m_owner.hwnd(), wingui::Wide(text).c_str(), wingui::Wide(kAppTitle).c_str(),
                       MB_YESNO | defaultButton | IconStyle(icon)) == IDYES;
}

void Win32SplitUi::ShowProgress() {
    if (!m_progress) {
        m_progress = std::make_unique<frmProgress>(m_cancelRequested);
        m_progress->Create(m_owner.hwnd());
    }
    m_cancelRequested = false;
    m_progress->Restart();
    // Centred over the main window.
    RECT owner{};
    RECT own{};
    GetWindowRect(m_owner.hwnd(), &owner);
    GetWindowRect(m_progress->hwnd(), &own);
    SetWindowPos(m_progress->hwnd(), nullptr, (owner.left + owner.right - (own.right - own.left)) / 2,
                 (owner.top + owner.bottom - (own.bottom - own.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(m_progress->hwnd(), SW_SHOW);
    wingui::ProcessPendingMessages(*m_progress);
}

void Win32SplitUi::SetProgress(int value) {
    if (m_progress) {
        m_progress->SetValue(value);
    }
}

void Win32SplitUi::HideProgress() {
    if (m_progress) {
        ShowWindow(m_progress->hwnd(), SW_HIDE);
    }
}

void Win32SplitUi::ShowCopyProgress(const std::string&, int percent) {
    // The copy onto a disk moves the same bar; the split's own progress takes it back afterwards.
    SetProgress(percent);
}

} // namespace parvola
