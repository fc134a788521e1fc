// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wingui {

inline constexpr double kTwipsPerInch = 1440;

// A length in twips as whole pixels at dpi.
int TwipsToPixels(double twips, UINT dpi);

class Control;

struct WindowArgs {
    std::string title;
    // Of the client area, in twips; the window adds its borders, caption and menu bar.
    double clientWidth = 0;
    double clientHeight = 0;
    HMENU menu = nullptr;
    DWORD style = WS_OVERLAPPEDWINDOW;
    // A window with an owner stays above it and goes with it.
    HWND owner = nullptr;
};

// A top-level window. Subclasses handle what they need in OnMessage and pass the rest on to it; the
// controls placed in it hear their own notifications through it.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    bool Create(const WindowArgs& args);
    HWND hwnd() const { return m_hwnd; }
    // The window's resolution: 96 is 100 %.
    UINT Dpi() const;
    // The system's message font at the window's resolution; every control gets it.
    HFONT Font() const { return m_font; }
    int TwipsToPixels(double twips) const { return wingui::TwipsToPixels(twips, Dpi()); }
    // Places control at left, top with the width and height given in twips, from origin (in pixels of the
    // window's client area).
    void Place(Control& control, double left, double top, double width, double height,
               POINT origin = {0, 0}) const;

    // Runs call on the window's thread, from its message loop; safe from any thread. A call posted to a
    // window that is gone is dropped.
    void Post(std::function<void()> call);

    // What F1 does in this window and in the windows it owns that have no help of their own.
    void SetHelp(std::function<void()> help) { m_help = std::move(help); }

    // Called by Control: the window hands it its notifications and an id of its own when it has none.
    int Adopt(Control& control, int id);
    void Forget(Control& control);

protected:
    // A key pressed in the window or in one of its controls, also with Alt, before the keys of a dialog;
    // true when taken. F1 opens the help.
    virtual bool OnKeyDown(WPARAM key);
    // Everything the window receives. The default passes control notifications to their controls and the
    // rest to DefWindowProc.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend void Deliver(HWND dialog, MSG& message);
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    Control* ControlFor(HWND hwnd, int id) const;
    void UpdateFont();

    HWND m_hwnd = nullptr;
    HFONT m_font = nullptr;
    HWND m_focus = nullptr;
    std::function<void()> m_help;
    std::vector<Control*> m_controls;
    int m_nextId = 1000;
};

// Hands a message of the thread's queue on: a key to the window it was pressed in, then the keyboard of a
// dialog in dialog (null for none), then the window it is for. Every message loop goes through it.
void Deliver(HWND dialog, MSG& message);

// Runs until WM_QUIT, with the keyboard of a dialog in window: Tab, the arrow keys among option buttons,
// access keys, Enter for the default button and Esc for the one with the id IDCANCEL.
int RunMessageLoop(Window& window);

// Runs the thread's messages, with the keyboard of a dialog in dialog and owner taking no input, until
// ended says so or the program is told to quit (the quit is passed on to the loop that runs the program).
void RunModal(Window& owner, Window& dialog, const std::function<bool()>& ended);

// Puts window in the middle of owner.
void CenterOver(HWND window, HWND owner);

// Lets the window system process what is pending, once, without waiting.
void ProcessPendingMessages(Window& window);

} // namespace wingui
