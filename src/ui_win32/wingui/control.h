// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace wingui {

class Window;

// A child control of a Window. Each kind takes a struct of its create arguments and reports its events
// through std::function members. Lengths are pixels in the window's client area; the window converts.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return m_hwnd; }
    int id() const { return m_id; }
    void SetBounds(const RECT& bounds);
    // Where the control lies in its window's client area.
    RECT Bounds() const;
    void SetText(const std::string& text);
    std::string Text() const;
    // The width of the text in the control's font, in pixels.
    int TextWidth() const;
    void Enable(bool enabled);
    void Focus();
    // Puts it beneath the controls made after it, so that it never paints over them; Tab visits it last.
    void SendToBack();

    // WM_COMMAND and WM_NOTIFY from this control, passed on by its window.
    virtual void OnCommand(WORD) {}
    virtual LRESULT OnNotify(const NMHDR*) { return 0; }

protected:
    Control() = default;
    // Makes the control as the last in its window's tab order. id 0 lets the window choose one.
    void CreateChild(Window& parent, const wchar_t* className, const std::string& text, DWORD style,
                     DWORD exStyle = 0, int id = 0);

    Window* m_parent = nullptr;

private:
    HWND m_hwnd = nullptr;
    int m_id = 0;
};

struct GroupBoxArgs {
    std::string text;
};

// A frame with a caption around other controls, which are its window's children beside it.
class GroupBox final : public Control {
public:
    GroupBox(Window& parent, const GroupBoxArgs& args);
};

struct LabelArgs {
    std::string text;
    // "&" marks an access key, which moves the focus to the next control Tab visits (the one made next).
    bool accessKey = false;
};

class Label final : public Control {
public:
    Label(Window& parent, const LabelArgs& args);
};

// An etched line: the separator under a menu bar.
class EtchedLine final : public Control {
public:
    explicit EtchedLine(Window& parent);
};

struct ButtonArgs {
    std::string text; // "&" marks the access key
    int id = 0;       // IDCANCEL for the button Esc presses
    bool isDefault = false;
    std::function<void()> onClick;
};

class Button final : public Control {
public:
    Button(Window& parent, ButtonArgs args);
    void OnCommand(WORD code) override;
    // As a click by the user.
    void Click();

private:
    std::function<void()> m_onClick;
};

struct RadioButtonArgs {
    std::string text;
    // Starts a group: the arrow keys move among the buttons up to the next group.
    bool firstOfGroup = false;
    std::function<void()> onClick;
};

class RadioButton final : public Control {
public:
    RadioButton(Window& parent, RadioButtonArgs args);
    void OnCommand(WORD code) override;
    bool Checked() const;
    // Checks this one and clears the others of its group, without a click event.
    void SetChecked(bool checked);
    // As a click by the user.
    void Click();

private:
    std::function<void()> m_onClick;
};

struct CheckBoxArgs {
    std::string text;
};

class CheckBox final : public Control {
public:
    CheckBox(Window& parent, const CheckBoxArgs& args);
    bool Checked() const;
    void SetChecked(bool checked);
};

struct EditArgs {
    std::string text;
    bool firstOfGroup = false;
    // Whether a typed character reaches the box, given the text before it; empty takes them all.
    std::function<bool(wchar_t, const std::string& text)> acceptsChar;
    // The text changed: byUser when typed, not set by the program.
    std::function<void(bool byUser)> onChange;
};

class Edit final : public Control {
public:
    Edit(Window& parent, EditArgs args);
    ~Edit() override;
    void OnCommand(WORD code) override;
    // As if the user typed character c into the box.
    void Type(wchar_t c);

private:
    static LRESULT CALLBACK Filter(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR self);
    std::function<bool(wchar_t, const std::string&)> m_acceptsChar;
    std::function<void(bool)> m_onChange;
};

struct ListBoxArgs {
    std::function<void()> onSelectionChanged;
};

class ListBox final : public Control {
public:
    ListBox(Window& parent, ListBoxArgs args);
    void OnCommand(WORD code) override;
    // Replaces the entries, in the order given; none is chosen.
    void SetItems(const std::vector<std::string>& items);
    int Count() const;
    std::string Item(int index) const;
    // -1 when none is chosen.
    int Selected() const;
    // Chooses the entry, scrolled into view, and raises onSelectionChanged as a click would.
    void Select(int index);

private:
    std::function<void()> m_onSelectionChanged;
};

struct LinkArgs {
    std::string text;
    std::function<void()> onClick;
};

// Text shown as a link, which Tab visits and a click or Enter follows.
class Link final : public Control {
public:
    Link(Window& parent, LinkArgs args);
    LRESULT OnNotify(const NMHDR* header) override;

private:
    std::function<void()> m_onClick;
};

struct TabControlArgs {
    std::vector<std::string> pages; // the captions of their tabs
};

// Tabs over pages of controls; the controls are its window's children beside it, and only those of the
// chosen page show.
class TabControl final : public Control {
public:
    TabControl(Window& parent, const TabControlArgs& args);
    LRESULT OnNotify(const NMHDR* header) override;
    // Puts control on page, shown only while that page is chosen.
    void Add(int page, Control& control);
    int Selected() const;
    // Chooses the page, as a click on its tab does; the focus, if it was on the page left, goes to the
    // new page's first control Tab visits.
    void Select(int page);
    // The area under the tabs, in the window's client area.
    RECT PageArea() const;
    // Alt and key pressed: chooses the page whose caption has that access key, unless a control shown
    // has it too. Whether it did.
    bool TakeAccessKey(WPARAM key);

private:
    void ShowPage(int page);

    std::vector<std::vector<HWND>> m_pages;
};

struct ProgressBarArgs {
    int maximum = 100;
};

class ProgressBar final : public Control {
public:
    ProgressBar(Window& parent, const ProgressBarArgs& args);
    void SetValue(int value);
    int Value() const;
};

} // namespace wingui
