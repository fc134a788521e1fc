// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui_win32/wingui/control.h"

#include <string>
#include <vector>

namespace wingui {

struct TreeEntry {
    std::string key;  // names the entry to the model; unique in the tree
    std::string text; // what the user sees
    bool mayHaveChildren = false;
};

// What a TreeView shows. Children are asked for only when their parent is first opened.
class TreeModel {
public:
    virtual ~TreeModel() = default;
    // The entries under key, in the order shown; the empty key asks for the top entries.
    virtual std::vector<TreeEntry> Children(const std::string& key) = 0;
    // Whether two keys name the same entry (file names on Windows ignore case).
    virtual bool SameKey(const std::string& a, const std::string& b) const { return a == b; }
};

struct TreeViewArgs {
    TreeModel* model = nullptr;
    // The user chose another entry (the program's own choices are silent).
    std::function<void(const std::string& key)> onSelect;
    // The right button was released over the tree, or the context-menu key pressed in it.
    std::function<void()> onContextMenu;
};

class TreeView final : public Control {
public:
    TreeView(Window& parent, TreeViewArgs args);
    LRESULT OnNotify(const NMHDR* header) override;

    // Fills in the top entries again, forgetting everything opened.
    void Reset();
    // The chosen entry's key; empty when none is chosen.
    std::string SelectedKey() const;
    // Opens the entries along path, a chain of keys from a top entry down, and chooses the last. False,
    // choosing nothing new, when an entry on the way is not there.
    bool SelectPath(const std::vector<std::string>& path);
    // Opens the entry, showing its children.
    void Expand(const std::string& key);
    // The keys of the entries shown under key (the top ones for the empty key), opening it first.
    std::vector<std::string> ChildKeys(const std::string& key);
    std::string TextOf(const std::string& key) const;
    // The entry the last context menu was opened on: a right click points at one without choosing it.
    const std::string& PointedKey() const { return m_pointed; }

private:
    HTREEITEM Insert(HTREEITEM parent, const TreeEntry& entry);
    void LoadChildren(HTREEITEM item);
    HTREEITEM ItemOf(const std::string& key) const;
    const std::string& KeyOf(HTREEITEM item) const;

    TreeModel* m_model;
    std::function<void(const std::string&)> m_onSelect;
    std::function<void()> m_onContextMenu;
    struct Item {
        std::string key;
        std::string text;
        HTREEITEM handle = nullptr;
        bool loaded = false;
    };
    // An entry's lParam is its index here.
    std::vector<Item> m_items;
    std::string m_pointed;
};

} // namespace wingui
