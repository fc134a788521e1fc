// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/disk_dialog.h"

namespace parvola {

namespace {

struct Option {
    const char* text;
    DiskChoice choice;
};

// A smaller size is chosen in the main window, so that option ends the split just as Cancel does.
constexpr Option kOptions[] = {
    {"Insert a new disk and try again", DiskChoice::NewDisk},
    {"Format the disk and try again", DiskChoice::Format},
    {"Select a smaller size per partition", DiskChoice::Cancel},
    {"Cancel the operation all together", DiskChoice::Cancel},
};

// The dialog's client area, in twips.
constexpr double kWidth = 6600;
constexpr double kHeight = 3000;

} // namespace

void frmDisk::Ask(wingui::Window& owner, DiskChoice& choice) {
    frmDisk dialog(choice);
    if (!dialog.Create(owner.hwnd())) {
        choice = DiskChoice::Cancel;
        return;
    }
    ShowWindow(dialog.hwnd(), SW_SHOW);
    dialog.m_ok->Focus();
    wingui::RunModal(owner, dialog, [&dialog] { return dialog.m_ended; });
}

bool frmDisk::Create(HWND owner) {
    if (!Window::Create({"Insufficient space on removable media", kWidth, kHeight, nullptr,
                         WS_POPUP | WS_CAPTION | WS_SYSMENU, owner})) {
        return false;
    }
    const int icon = GetSystemMetricsForDpi(SM_CXICON, Dpi());
    m_image = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, TwipsToPixels(180),
                              TwipsToPixels(180), icon, icon, hwnd(), nullptr, nullptr, nullptr);
    SendMessageW(m_image, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_WARNING)), 0);
    m_explanation = std::make_unique<wingui::Label>(
        *this,
        wingui::LabelArgs{"The removable media you have chosen for the destination does not have enough "
                          "space left on it to support the split file size you have selected."});
    m_prompt = std::make_unique<wingui::Label>(
        *this, wingui::LabelArgs{"Please choose one of the following options:"});
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        const DiskChoice choice = kOptions[i].choice;
        m_options[i] = std::make_unique<wingui::RadioButton>(
            *this, wingui::RadioButtonArgs{kOptions[i].text, i == 0, [this, choice] { m_choice = choice; }});
    }
    m_cancel = std::make_unique<wingui::Button>(*this, wingui::ButtonArgs{"&Cancel", IDCANCEL, false, [this] {
                                                                              m_choice = DiskChoice::Cancel;
                                                                              End();
                                                                          }});
    // The options already set the choice; OK only leaves.
    m_ok = std::make_unique<wingui::Button>(*this, wingui::ButtonArgs{"&OK", IDOK, true, [this] { End(); }});

    constexpr double left = 900;
    Place(*m_explanation, left, 180, kWidth - left - 180, 735);
    Place(*m_prompt, left, 960, kWidth - left - 180, 255);
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        Place(*m_options[i], left + 120, 1260 + 300 * static_cast<double>(i), kWidth - left - 300, 255);
    }
    Place(*m_ok, kWidth - 180 - 1215, kHeight - 180 - 375, 1215, 375);
    Place(*m_cancel, kWidth - 2 * (180 + 1215), kHeight - 180 - 375, 1215, 375);
    wingui::CenterOver(hwnd(), owner);
    return true;
}

void frmDisk::End() {
    m_ended = true;
    ShowWindow(hwnd(), SW_HIDE);
}

LRESULT frmDisk::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        m_cancel->Click(); // the close box is Cancel
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    default:
        return Window::OnMessage(message, wParam, lParam);
    }
}

} // namespace parvola
