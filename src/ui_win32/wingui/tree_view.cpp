// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/wingui/tree_view.h"

#include "ui_win32/wingui/text.h"
#include "ui_win32/wingui/window.h"

#include <windowsx.h>

namespace wingui {

TreeView::TreeView(Window& parent, TreeViewArgs args)
    : m_model(args.model), m_onSelect(std::move(args.onSelect)),
      m_onContextMenu(std::move(args.onContextMenu)) {
    CreateChild(parent, WC_TREEVIEWW, "",
                WS_TABSTOP | WS_GROUP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE);
    Reset();
}

void TreeView::Reset() {
    TreeView_DeleteAllItems(hwnd());
    m_items.clear();
    for (const TreeEntry& entry : m_model->Children({})) {
        Insert(TVI_ROOT, entry);
    }
}

HTREEITEM TreeView::Insert(HTREEITEM parent, const TreeEntry& entry) {
    std::wstring text = Wide(entry.text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = text.data();
    insert.item.cChildren = entry.mayHaveChildren ? 1 : 0;
    insert.item.lParam = static_cast<LPARAM>(m_items.size());
    m_items.push_back({entry.key, entry.text, nullptr, false});
    const auto handle = reinterpret_cast<HTREEITEM>(
        SendMessageW(hwnd(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    m_items.back().handle = handle;
    return handle;
}

void TreeView::LoadChildren(HTREEITEM item) {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(hwnd(), &data);
    const auto index = static_cast<std::size_t>(data.lParam);
    if (m_items[index].loaded) {
        return;
    }
    m_items[index].loaded = true;
    const std::vector<TreeEntry> children = m_model->Children(m_items[index].key);
    for (const TreeEntry& entry : children) {
        Insert(item, entry);
    }
    if (children.empty()) {
        // The button goes: there is nothing to open.
        data.mask = TVIF_CHILDREN;
        data.cChildren = 0;
        TreeView_SetItem(hwnd(), &data);
    }
}

LRESULT TreeView::OnNotify(const NMHDR* header) {
    switch (header->code) {
    case TVN_ITEMEXPANDINGW: {
        const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
        if (change->action & TVE_EXPAND) {
            LoadChildren(change->itemNew.hItem);
        }
        return FALSE;
    }
    case TVN_SELCHANGEDW: {
        const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
        const bool byUser = change->action == TVC_BYMOUSE || change->action == TVC_BYKEYBOARD;
        if (byUser && m_onSelect && change->itemNew.hItem) {
            m_onSelect(KeyOf(change->itemNew.hItem));
        }
        return 0;
    }
    case NM_RCLICK: {
        const DWORD position = GetMessagePos();
        TVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
        ScreenToClient(hwnd(), &hit.pt);
        const HTREEITEM item = TreeView_HitTest(hwnd(), &hit);
        m_pointed = item ? KeyOf(item) : SelectedKey();
        Focus();
        if (m_onContextMenu) {
            m_onContextMenu();
        }
        return TRUE;
    }
    case TVN_KEYDOWN:
        if (reinterpret_cast<const NMTVKEYDOWN*>(header)->wVKey == VK_APPS && m_onContextMenu) {
            m_pointed = SelectedKey();
            m_onContextMenu();
        }
        return 0;
    default:
        return 0;
    }
}

const std::string& TreeView::KeyOf(HTREEITEM item) const {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(hwnd(), &data);
    return m_items[static_cast<std::size_t>(data.lParam)].key;
}

HTREEITEM TreeView::ItemOf(const std::string& key) const {
    for (const Item& item : m_items) {
        if (m_model->SameKey(item.key, key)) {
            return item.handle;
        }
    }
    return nullptr;
}

std::string TreeView::SelectedKey() const {
    const HTREEITEM item = TreeView_GetSelection(hwnd());
    return item ? KeyOf(item) : std::string();
}

bool TreeView::SelectPath(const std::vector<std::string>& path) {
    HTREEITEM found = nullptr;
    for (const std::string& key : path) {
        HTREEITEM child = found ? TreeView_GetChild(hwnd(), found) : TreeView_GetRoot(hwnd());
        while (child && !m_model->SameKey(KeyOf(child), key)) {
            child = TreeView_GetNextSibling(hwnd(), child);
        }
        if (!child) {
            return false;
        }
        found = child;
        if (&key != &path.back()) {
            LoadChildren(found);
            TreeView_Expand(hwnd(), found, TVE_EXPAND);
        }
    }
    if (found) {
        TreeView_SelectItem(hwnd(), found);
        TreeView_EnsureVisible(hwnd(), found);
    }
    return found != nullptr;
}

void TreeView::Expand(const std::string& key) {
    if (const HTREEITEM item = ItemOf(key)) {
        LoadChildren(item);
        TreeView_Expand(hwnd(), item, TVE_EXPAND);
    }
}

std::vector<std::string> TreeView::ChildKeys(const std::string& key) {
    HTREEITEM child = TreeView_GetRoot(hwnd());
    if (!key.empty()) {
        const HTREEITEM parent = ItemOf(key);
        if (!parent) {
            return {};
        }
        LoadChildren(parent);
        child = TreeView_GetChild(hwnd(), parent);
    }
    std::vector<std::string> keys;
    for (; child; child = TreeView_GetNextSibling(hwnd(), child)) {
        keys.push_back(KeyOf(child));
    }
    return keys;
}

std::string TreeView::TextOf(const std::string& key) const {
    const HTREEITEM item = ItemOf(key);
    if (!item) {
        return {};
    }
    wchar_t text[MAX_PATH] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = MAX_PATH;
    TreeView_GetItem(hwnd(), &data);
    return Narrow(text);
}

} // namespace wingui
