// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/about_box.h"

#include "engine/maker.h"

namespace parvola {

namespace {

// The box's client area, in twips.
constexpr double kWidth = 4800;
constexpr double kHeight = 1900;

} // namespace

frmAbout::~frmAbout() {
    if (m_bold) {
        DeleteObject(m_bold);
    }
}

void frmAbout::Show(wingui::Window& owner, Shell& shell) {
    frmAbout box(shell);
    if (!box.Create(owner.hwnd())) {
        return;
    }
    ShowWindow(box.hwnd(), SW_SHOW);
    box.m_ok->Focus();
    wingui::RunModal(owner, box, [&box] { return box.m_ended; });
}

bool frmAbout::Create(HWND owner) {
    if (!Window::Create(
            {"About Parvola", kWidth, kHeight, nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU, owner})) {
        return false;
    }
    const int icon = GetSystemMetricsForDpi(SM_CXICON, Dpi());
    m_image = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, TwipsToPixels(180),
                              TwipsToPixels(180), icon, icon, hwnd(), nullptr, nullptr, nullptr);
    SendMessageW(m_image, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                                     IMAGE_ICON, icon, icon, LR_SHARED)),
                 0);
    m_name = std::make_unique<wingui::Label>(*this, wingui::LabelArgs{"Parvola " PARVOLA_VERSION});
    LOGFONTW font{};
    GetObjectW(Font(), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    m_bold = CreateFontIndirectW(&font);
    SendMessageW(m_name->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(m_bold), TRUE);
    m_web = std::make_unique<wingui::Link>(
        *this, wingui::LinkArgs{kMakerWebAddress, [this] { m_shell.OpenUrl(kMakerWebAddress); }});
    m_mail = std::make_unique<wingui::Link>(
        *this,
        wingui::LinkArgs{kMakerEmail, [this] { m_shell.OpenUrl(std::string("mailto:") + kMakerEmail); }});
    // OK is the default and the cancel button: Enter and Esc close the box like it does.
    m_ok = std::make_unique<wingui::Button>(*this, wingui::ButtonArgs{"&OK", IDOK, true, [this] {
                                                                          m_ended = true;
                                                                          ShowWindow(hwnd(), SW_HIDE);
                                                                      }});
    Place(*m_name, 1020, 180, kWidth - 1200, 255);
    Place(*m_web, 1020, 480, kWidth - 1200, 255);
    Place(*m_mail, 1020, 780, kWidth - 1200, 255);
    Place(*m_ok, (kWidth - 1335) / 2, kHeight - 180 - 375, 1335, 375);
    wingui::CenterOver(hwnd(), owner);
    return true;
}

LRESULT frmAbout::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
    case WM_COMMAND:
        if (message == WM_CLOSE || LOWORD(wParam) == IDCANCEL) { // the close box and Esc are OK
            m_ok->Click();
            return 0;
        }
        break;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    default:
        break;
    }
    return Window::OnMessage(message, wParam, lParam);
}

} // namespace parvola
