// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/wingui/window.h"

#include "ui_win32/wingui/control.h"
#include "ui_win32/wingui/text.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace wingui {

namespace {

constexpr wchar_t kClassName[] = L"ParvolaWindow";
// wParam 0, lParam a std::function<void()> made by Post, for the window to run and delete.
constexpr UINT kPostedCall = WM_APP + 1;

ATOM RegisterClassOnce(WNDPROC proc) {
    static const ATOM registered = [proc] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass);
    }();
    return registered;
}

} // namespace

int TwipsToPixels(double twips, UINT dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

void Window::Place(Control& control, double left, double top, double width, double height,
                   POINT origin) const {
    const int x = origin.x + TwipsToPixels(left);
    const int y = origin.y + TwipsToPixels(top);
    control.SetBounds({x, y, x + TwipsToPixels(width), y + TwipsToPixels(height)});
}

Window::~Window() {
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
    if (m_font) {
        DeleteObject(m_font);
    }
}

bool Window::Create(const WindowArgs& args) {
    RegisterClassOnce(&Window::Proc);
    // Without WS_CLIPCHILDREN: the window paints the insides of its frames, which the frames do not.
    const DWORD style = args.style;
    m_hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, Wide(args.title).c_str(), style, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, args.owner, args.menu,
                             GetModuleHandleW(nullptr), this);
    if (!m_hwnd) {
        return false;
    }
    UpdateFont();
    RECT outer{0, 0, TwipsToPixels(args.clientWidth), TwipsToPixels(args.clientHeight)};
    AdjustWindowRectExForDpi(&outer, style, args.menu != nullptr, WS_EX_CONTROLPARENT, Dpi());
    SetWindowPos(m_hwnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

UINT Window::Dpi() const {
    const UINT dpi = m_hwnd ? GetDpiForWindow(m_hwnd) : 0;
    return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

void Window::UpdateFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, Dpi())) {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    }
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    for (Control* control : m_controls) {
        SendMessageW(control->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (m_font) {
        DeleteObject(m_font);
    }
    m_font = font;
}

int Window::Adopt(Control& control, int id) {
    m_controls.push_back(&control);
    return id ? id : m_nextId++;
}

void Window::Forget(Control& control) {
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), &control), m_controls.end());
}

Control* Window::ControlFor(HWND hwnd, int id) const {
    for (Control* control : m_controls) {
        if ((hwnd && control->hwnd() == hwnd) || (!hwnd && control->id() == id)) {
            return control;
        }
    }
    return nullptr;
}

void Window::Post(std::function<void()> call) {
    auto* posted = new std::function<void()>(std::move(call));
    if (!PostMessageW(m_hwnd, kPostedCall, 0, reinterpret_cast<LPARAM>(posted))) {
        delete posted;
    }
}

bool Window::OnKeyDown(WPARAM key) {
    if (key != VK_F1 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 ||
        GetKeyState(VK_MENU) < 0) {
        return false;
    }
    // As the system asks for help, which it does not do for a key that reaches a dialog's loop.
    HELPINFO help{sizeof help, HELPINFO_WINDOW, 0, GetFocus(), 0, {}};
    GetCursorPos(&help.MousePos);
    SendMessageW(m_hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    return true;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kPostedCall: {
        const std::unique_ptr<std::function<void()>> call(reinterpret_cast<std::function<void()>*>(lParam));
        (*call)();
        return 0;
    }
    case WM_COMMAND: {
        // Esc and Enter reach the window as commands without the button's handle.
        const auto hwnd = reinterpret_cast<HWND>(lParam);
        if (Control* control = ControlFor(hwnd, LOWORD(wParam)); control && (hwnd || HIWORD(wParam) == 0)) {
            control->OnCommand(HIWORD(wParam));
            return 0;
        }
        break;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (Control* control = ControlFor(header->hwndFrom, 0)) {
            return control->OnNotify(header);
        }
        break;
    }
    case WM_ACTIVATE:
        // The control that had the focus gets it back when the window is active again, as in a dialog.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            m_focus = focus && IsChild(m_hwnd, focus) ? focus : m_focus;
        }
        return 0;
    case WM_SETFOCUS: {
        const HWND focus = m_focus && IsWindow(m_focus) ? m_focus : GetNextDlgTabItem(m_hwnd, nullptr, FALSE);
        if (focus) {
            SetFocus(focus);
        }
        return 0;
    }
    case WM_HELP:
        // F1: a control passes it to its window, the window to its owner, up to the one with help.
        if (m_help) {
            m_help();
        } else if (const HWND owner = GetWindow(m_hwnd, GW_OWNER)) {
            SendMessageW(owner, WM_HELP, wParam, lParam);
        }
        return TRUE;
    case WM_NEXTDLGCTL: {
        // The dialog keyboard asks this of a dialog, which this window is not: for a label's access key, the
        // focus goes to the label, then on to the next control.
        const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                         : GetNextDlgTabItem(m_hwnd, GetFocus(), wParam != 0);
        if (next) {
            SetFocus(next);
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Labels, frames and option buttons on the window's own face colour, not white.
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DPICHANGED: {
        UpdateFont();
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        window->m_hwnd = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->OnMessage(message, wParam, lParam);
}

void Deliver(HWND dialog, MSG& message) {
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && message.hwnd) {
        const HWND root = GetAncestor(message.hwnd, GA_ROOT);
        const ATOM ours = RegisterClassOnce(&Window::Proc);
        auto* window = root && GetClassLongPtrW(root, GCW_ATOM) == ours
                           ? reinterpret_cast<Window*>(GetWindowLongPtrW(root, GWLP_USERDATA))
                           : nullptr;
        if (window && window->OnKeyDown(message.wParam)) {
            return;
        }
    }
    if (!dialog || !IsDialogMessageW(dialog, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int RunMessageLoop(Window& window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Deliver(window.hwnd(), message);
    }
    return static_cast<int>(message.wParam);
}

void RunModal(Window& owner, Window& dialog, const std::function<bool()>& ended) {
    EnableWindow(owner.hwnd(), FALSE);
    MSG message;
    while (!ended() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        Deliver(dialog.hwnd(), message);
    }
    if (!ended()) {
        PostQuitMessage(static_cast<int>(message.wParam));
    }
    // Enabled before the dialog goes, so that the system gives the owner the focus back.
    EnableWindow(owner.hwnd(), TRUE);
}

void CenterOver(HWND window, HWND owner) {
    RECT ownerRect{};
    RECT own{};
    GetWindowRect(owner, &ownerRect);
    GetWindowRect(window, &own);
    SetWindowPos(window, nullptr, (ownerRect.left + ownerRect.right - (own.right - own.left)) / 2,
                 (ownerRect.top + ownerRect.bottom - (own.bottom - own.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ProcessPendingMessages(Window& window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(window.hwnd(), message);
    }
}

} // namespace wingui
