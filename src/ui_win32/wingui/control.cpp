// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/wingui/control.h"

#include "ui_win32/wingui/text.h"
#include "ui_win32/wingui/window.h"

#include <vector>

namespace wingui {

Control::~Control() {
    if (m_parent) {
        m_parent->Forget(*this);
    }
}

void Control::CreateChild(Window& parent, const wchar_t* className, const std::string& text, DWORD style,
                          DWORD exStyle, int id) {
    m_parent = &parent;
    m_id = parent.Adopt(*this, id);
    m_hwnd = CreateWindowExW(exStyle, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                             0, parent.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_id)),
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(parent.Font()), FALSE);
}

void Control::SetBounds(const RECT& bounds) {
    MoveWindow(m_hwnd, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}

RECT Control::Bounds() const {
    RECT bounds{};
    GetWindowRect(m_hwnd, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(m_hwnd), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

void Control::SetText(const std::string& text) {
    SetWindowTextW(m_hwnd, Wide(text).c_str());
}

std::string Control::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(m_hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

int Control::TextWidth() const {
    const std::wstring text = Wide(Text());
    HDC dc = GetDC(m_hwnd);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_hwnd, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(m_hwnd, dc);
    return size.cx;
}

void Control::Enable(bool enabled) {
    EnableWindow(m_hwnd, enabled);
}

void Control::Focus() {
    SetFocus(m_hwnd);
}

void Control::SendToBack() {
    SetWindowPos(m_hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

GroupBox::GroupBox(Window& parent, const GroupBoxArgs& args) {
    CreateChild(parent, WC_BUTTONW, args.text, BS_GROUPBOX | WS_CLIPSIBLINGS);
}

Label::Label(Window& parent, const LabelArgs& args) {
    CreateChild(parent, WC_STATICW, args.text, SS_LEFT | (args.accessKey ? 0 : SS_NOPREFIX));
}

EtchedLine::EtchedLine(Window& parent) {
    CreateChild(parent, WC_STATICW, "", SS_ETCHEDHORZ);
}

Button::Button(Window& parent, ButtonArgs args) : m_onClick(std::move(args.onClick)) {
    CreateChild(parent, WC_BUTTONW, args.text,
                WS_TABSTOP | WS_GROUP | (args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, args.id);
}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED && m_onClick) {
        m_onClick();
    }
}

void Button::Click() {
    OnCommand(BN_CLICKED);
}

RadioButton::RadioButton(Window& parent, RadioButtonArgs args) : m_onClick(std::move(args.onClick)) {
    // The dialog keyboard stops at the checked button of a group only.
    CreateChild(parent, WC_BUTTONW, args.text, BS_AUTORADIOBUTTON | (args.firstOfGroup ? WS_GROUP : 0));
}

void RadioButton::OnCommand(WORD code) {
    if (code != BN_CLICKED) {
        return;
    }
    SetChecked(true); // and Tab stops at this one now
    if (m_onClick) {
        m_onClick();
    }
}

bool RadioButton::Checked() const {
    return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetChecked(bool checked) {
    // BS_AUTORADIOBUTTON clears its group only when clicked.
    if (checked) {
        HWND first = hwnd();
        while (!(GetWindowLongPtrW(first, GWL_STYLE) & WS_GROUP)) {
            first = GetWindow(first, GW_HWNDPREV);
        }
        for (HWND other = first; other;) {
            SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
            SetWindowLongPtrW(other, GWL_STYLE, GetWindowLongPtrW(other, GWL_STYLE) & ~WS_TABSTOP);
            other = GetWindow(other, GW_HWNDNEXT);
            if (other && (GetWindowLongPtrW(other, GWL_STYLE) & WS_GROUP)) {
                break;
            }
        }
    }
    SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, checked ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

void RadioButton::Click() {
    OnCommand(BN_CLICKED);
}

CheckBox::CheckBox(Window& parent, const CheckBoxArgs& args) {
    CreateChild(parent, WC_BUTTONW, args.text, WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
}

bool CheckBox::Checked() const {
    return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Edit::Edit(Window& parent, EditArgs args)
    : m_acceptsChar(std::move(args.acceptsChar)), m_onChange(std::move(args.onChange)) {
    CreateChild(parent, WC_EDITW, args.text, WS_TABSTOP | ES_AUTOHSCROLL | (args.firstOfGroup ? WS_GROUP : 0),
                WS_EX_CLIENTEDGE);
    SetWindowSubclass(hwnd(), &Edit::Filter, 0, reinterpret_cast<DWORD_PTR>(this));
}

Edit::~Edit() {
    RemoveWindowSubclass(hwnd(), &Edit::Filter, 0);
}

void Edit::OnCommand(WORD code) {
    if (code == EN_CHANGE && m_onChange) {
        // Setting the text clears the box's modified flag; typing sets it.
        const bool byUser = SendMessageW(hwnd(), EM_GETMODIFY, 0, 0) != 0;
        SendMessageW(hwnd(), EM_SETMODIFY, FALSE, 0);
        m_onChange(byUser);
    }
}

void Edit::Type(wchar_t c) {
    SendMessageW(hwnd(), WM_CHAR, c, 1);
}

LRESULT CALLBACK Edit::Filter(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR self) {
    const auto* edit = reinterpret_cast<const Edit*>(self);
    if (message == WM_CHAR && edit->m_acceptsChar &&
        !edit->m_acceptsChar(static_cast<wchar_t>(wParam), edit->Text())) {
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

Link::Link(Window& parent, LinkArgs args) : m_onClick(std::move(args.onClick)) {
    CreateChild(parent, WC_LINK, "<a>" + args.text + "</a>", WS_TABSTOP);
}

LRESULT Link::OnNotify(const NMHDR* header) {
    if ((header->code == NM_CLICK || header->code == NM_RETURN) && m_onClick) {
        m_onClick();
    }
    return 0;
}

ListBox::ListBox(Window& parent, ListBoxArgs args)
    : m_onSelectionChanged(std::move(args.onSelectionChanged)) {
    CreateChild(parent, WC_LISTBOXW, "",
                WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                WS_EX_CLIENTEDGE);
}

void ListBox::OnCommand(WORD code) {
    if (code == LBN_SELCHANGE && m_onSelectionChanged) {
        m_onSelectionChanged();
    }
}

void ListBox::SetItems(const std::vector<std::string>& items) {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

int ListBox::Count() const {
    return static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
}

std::string ListBox::Item(int index) const {
    const auto length = SendMessageW(hwnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

int ListBox::Selected() const {
    return static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
}

void ListBox::Select(int index) {
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    OnCommand(LBN_SELCHANGE);
}

TabControl::TabControl(Window& parent, const TabControlArgs& args) : m_pages(args.pages.size()) {
    CreateChild(parent, WC_TABCONTROLW, "", WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS);
    for (std::size_t i = 0; i < args.pages.size(); ++i) {
        std::wstring caption = Wide(args.pages[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(hwnd(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

LRESULT TabControl::OnNotify(const NMHDR* header) {
    if (header->code == TCN_SELCHANGE) {
        ShowPage(Selected());
    }
    return 0;
}

void TabControl::Add(int page, Control& control) {
    m_pages[static_cast<std::size_t>(page)].push_back(control.hwnd());
    ShowWindow(control.hwnd(), page == Selected() ? SW_SHOWNA : SW_HIDE);
}

int TabControl::Selected() const {
    return static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0));
}

void TabControl::Select(int page) {
    SendMessageW(hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    ShowPage(page);
}

void TabControl::ShowPage(int page) {
    const HWND focus = GetFocus();
    bool focusLeft = false;
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        for (const HWND control : m_pages[i]) {
            focusLeft = focusLeft || (control == focus && static_cast<int>(i) != page);
            ShowWindow(control, static_cast<int>(i) == page ? SW_SHOWNA : SW_HIDE);
        }
    }
    // The tabs repaint what the page left uncovered, the frames of the new one only their edges: all anew.
    const RECT area = Bounds();
    RedrawWindow(GetParent(hwnd()), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (!focusLeft) {
        return;
    }
    for (const HWND control : m_pages[static_cast<std::size_t>(page)]) {
        if ((GetWindowLongPtrW(control, GWL_STYLE) & (WS_TABSTOP | WS_DISABLED)) == WS_TABSTOP) {
            SetFocus(control);
            return;
        }
    }
    SetFocus(hwnd());
}

namespace {

// The access key of a caption, upper case; 0 for none.
wchar_t AccessKey(const std::wstring& caption) {
    for (std::size_t i = caption.find(L'&'); i != std::wstring::npos && i + 1 < caption.size();
         i = caption.find(L'&', i + 2)) {
        if (caption[i + 1] != L'&') {
            return static_cast<wchar_t>(towupper(caption[i + 1]));
        }
    }
    return 0;
}

std::wstring Caption(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

bool TabControl::TakeAccessKey(WPARAM key) {
    const HWND window = GetParent(hwnd());
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && AccessKey(Caption(child)) == key) {
            return false; // the dialog keyboard's
        }
    }
    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        wchar_t caption[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption;
        item.cchTextMax = 64;
        SendMessageW(hwnd(), TCM_GETITEMW, page, reinterpret_cast<LPARAM>(&item));
        if (AccessKey(caption) == key) {
            Select(static_cast<int>(page));
            return true;
        }
    }
    return false;
}

RECT TabControl::PageArea() const {
    RECT area = Bounds();
    SendMessageW(hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

ProgressBar::ProgressBar(Window& parent, const ProgressBarArgs& args) {
    CreateChild(parent, PROGRESS_CLASSW, "", 0);
    SendMessageW(hwnd(), PBM_SETRANGE32, 0, args.maximum);
}

void ProgressBar::SetValue(int value) {
    SendMessageW(hwnd(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

int ProgressBar::Value() const {
    return static_cast<int>(SendMessageW(hwnd(), PBM_GETPOS, 0, 0));
}

} // namespace wingui
