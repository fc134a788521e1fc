// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/win32_split_ui.h"

#include "ui_win32/disk_dialog.h"
#include "ui_win32/wingui/text.h"

#include <shellapi.h>

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
constexpr double kHeight = 2055;

constexpr UINT_PTR kFiguresTimer = 1;
constexpr int kOpenFolder = 1000;

} // namespace

bool frmProgress::Create(HWND owner) {
    if (!Window::Create({kAppTitle, kWidth, kHeight, nullptr, WS_POPUP | WS_CAPTION, owner})) {
        return false;
    }
    m_label = std::make_unique<wingui::Label>(*this, wingui::LabelArgs{"Processing - Please wait..."});
    m_file = std::make_unique<wingui::Label>(*this, wingui::LabelArgs{""});
    m_bar = std::make_unique<wingui::ProgressBar>(*this, wingui::ProgressBarArgs{100});
    m_piece = std::make_unique<wingui::Label>(*this, wingui::LabelArgs{""});
    m_speed = std::make_unique<wingui::Label>(*this, wingui::LabelArgs{""});
    // A long file name is cut in the middle rather than at its end, which tells one file from another.
    SetWindowLongPtrW(m_file->hwnd(), GWL_STYLE,
                      GetWindowLongPtrW(m_file->hwnd(), GWL_STYLE) | SS_PATHELLIPSIS);
    SetWindowLongPtrW(m_speed->hwnd(), GWL_STYLE, GetWindowLongPtrW(m_speed->hwnd(), GWL_STYLE) | SS_RIGHT);
    m_cancel = std::make_unique<wingui::Button>(
        *this, wingui::ButtonArgs{"Cancel", IDCANCEL, false, [this] { cmdCancel_Click(); }});
    Place(*m_label, 180, 150, kWidth - 360, 255);
    Place(*m_file, 180, 450, kWidth - 360, 255);
    Place(*m_bar, 180, 780, kWidth - 360, 300);
    Place(*m_piece, 180, 1140, (kWidth - 360) / 2, 255);
    Place(*m_speed, kWidth / 2, 1140, kWidth / 2 - 180, 255);
    Place(*m_cancel, kWidth - 180 - 1335, 1530, 1335, 375);
    return true;
}

void frmProgress::Describe(const std::string& fileName, std::int64_t length, double pieceBytes) {
    m_figures = std::make_unique<ProgressFigures>(m_clock, fileName.empty() ? 0 : length, pieceBytes);
    m_file->SetText(fileName);
}

void frmProgress::Restart() {
    m_bar->SetValue(0);
    m_cancel->Enable(true);
    m_figures->Start();
    SetWindowTextW(hwnd(), wingui::Wide(kAppTitle).c_str());
    ShowFigures();
    // The speed and the time left change while the bar stands still.
    SetTimer(hwnd(), kFiguresTimer, 1000, nullptr);
}

void frmProgress::SetValue(int value) {
    value = std::clamp(value, 0, 100);
    if (value == m_bar->Value()) {
        return;
    }
    m_bar->SetValue(value);
    m_figures->Update(value);
    // The taskbar shows the title: the percentage first, where a narrow entry still shows it.
    SetWindowTextW(hwnd(), wingui::Wide(m_figures->Title(kAppTitle)).c_str());
    ShowFigures();
}

void frmProgress::ShowFigures() {
    m_piece->SetText(m_figures->PieceText());
    m_speed->SetText(m_figures->SpeedText());
}

void frmProgress::cmdCancel_Click() {
    // Once is enough; the split stops at its next block and then hides the window.
    m_cancel->Enable(false);
    m_cancelRequested = true;
}

LRESULT frmProgress::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        return 0; // Alt+F4 cannot stop the split either
    case WM_TIMER:
        ShowFigures();
        return 0;
    case WM_SHOWWINDOW:
        if (!wParam) {
            KillTimer(hwnd(), kFiguresTimer);
        }
        break;
    default:
        break;
    }
    return Window::OnMessage(message, wParam, lParam);
}

Win32SplitUi::~Win32SplitUi() {
    RemoveNotice();
}

void Win32SplitUi::ShowMessage(const std::string& text, MessageIcon icon) {
    MessageBoxW(m_owner.hwnd(), wingui::Wide(text).c_str(), wingui::Wide(kAppTitle).c_str(),
                MB_OK | IconStyle(icon));
    RemoveNotice(); // the box told it again
}

void Win32SplitUi::Notify(const std::string& text) {
    // Until the window comes to the front.
    FLASHWINFO flash{sizeof flash, m_owner.hwnd(), FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
    FlashWindowEx(&flash);
    NOTIFYICONDATAW notice{};
    notice.cbSize = sizeof notice;
    notice.hWnd = m_owner.hwnd();
    notice.uID = 1;
    notice.uFlags = NIF_ICON | NIF_TIP | NIF_INFO;
    notice.hIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                 LR_SHARED));
    const std::wstring title = wingui::Wide(kAppTitle);
    const std::wstring line = wingui::Wide(text.substr(0, text.find('\r')));
    lstrcpynW(notice.szTip, title.c_str(), ARRAYSIZE(notice.szTip));
    lstrcpynW(notice.szInfoTitle, title.c_str(), ARRAYSIZE(notice.szInfoTitle));
    lstrcpynW(notice.szInfo, line.c_str(), ARRAYSIZE(notice.szInfo));
    notice.dwInfoFlags = NIIF_INFO;
    // Fails where there is no notification area: the flashing entry is all there is then.
    m_noticeShown = m_noticeShown || Shell_NotifyIconW(NIM_ADD, &notice);
}

void Win32SplitUi::RemoveNotice() {
    if (m_noticeShown) {
        NOTIFYICONDATAW notice{};
        notice.cbSize = sizeof notice;
        notice.hWnd = m_owner.hwnd();
        notice.uID = 1;
        Shell_NotifyIconW(NIM_DELETE, &notice);
        m_noticeShown = false;
    }
}

bool Win32SplitUi::AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) {
    const UINT defaultButton = defaultAnswer == DefaultAnswer::No ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
    return MessageBoxW(m_owner.hwnd(), wingui::Wide(text).c_str(), wingui::Wide(kAppTitle).c_str(),
                       MB_YESNO | defaultButton | IconStyle(icon)) == IDYES;
}

bool Win32SplitUi::ShowResult(const std::string& text) {
    const std::wstring content = wingui::Wide(text);
    const std::wstring title = wingui::Wide(kAppTitle);
    const TASKDIALOG_BUTTON openFolder{kOpenFolder, L"Open Folder"};
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = m_owner.hwnd();
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.dwCommonButtons = TDCBF_OK_BUTTON;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = TD_INFORMATION_ICON;
    config.pszContent = content.c_str();
    config.cButtons = 1;
    config.pButtons = &openFolder;
    config.nDefaultButton = IDOK;
    int chosen = IDOK;
    if (FAILED(TaskDialogIndirect(&config, &chosen, nullptr, nullptr))) {
        ShowMessage(text, MessageIcon::Information); // no task dialogs: the box without the button
        return false;
    }
    RemoveNotice();
    return chosen == kOpenFolder;
}

DiskChoice Win32SplitUi::ShowDiskDialog() {
    frmDisk::Ask(m_owner, m_diskChoice);
    return m_diskChoice;
}

void Win32SplitUi::DescribeJob(const std::string& fileName, std::int64_t length, double pieceBytes) {
    m_fileName = fileName;
    m_length = length;
    m_pieceBytes = pieceBytes;
}

void Win32SplitUi::ShowProgress() {
    if (!m_progress) {
        m_progress = std::make_unique<frmProgress>(m_cancelRequested);
        m_progress->Create(m_owner.hwnd());
    }
    m_cancelRequested = false;
    m_progress->Describe(m_fileName, m_length, m_pieceBytes);
    m_progress->Restart();
    wingui::CenterOver(m_progress->hwnd(), m_owner.hwnd());
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
