// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder_tree.h"

#include "ui/folder_tree_model.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace parvola {

namespace {

// Windows virtual-key codes, which the main window's handlers are written against.
int windowsKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            return 96 + key - Qt::Key_0;
        }
        static const std::pair<int, int> keypad[] = {{Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
                                                     {Qt::Key_Minus, 109},    {Qt::Key_Period, 110},
                                                     {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111}};
        for (const auto& [qtKey, code] : keypad) {
            if (key == qtKey) {
                return code;
            }
        }
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return key;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 112 + key - Qt::Key_F1;
    }
    // Shifted signs report the key they are on, as on a US keyboard.
    static const std::pair<int, int> others[] = {
        {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},           {Qt::Key_Backtab, 9},
        {Qt::Key_Clear, 12},       {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},
        {Qt::Key_AltGr, 18},       {Qt::Key_Pause, 19},        {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},          {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},        {Qt::Key_Up, 38},           {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},        {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},      {Qt::Key_Meta, 91},         {Qt::Key_Super_L, 91},
        {Qt::Key_Super_R, 92},     {Qt::Key_Menu, 93},         {Qt::Key_NumLock, 144},
        {Qt::Key_ScrollLock, 145}, {Qt::Key_ParenRight, 48},   {Qt::Key_Exclam, 49},
        {Qt::Key_At, 50},          {Qt::Key_NumberSign, 51},   {Qt::Key_Dollar, 52},
        {Qt::Key_Percent, 53},     {Qt::Key_AsciiCircum, 54},  {Qt::Key_Ampersand, 55},
        {Qt::Key_Asterisk, 56},    {Qt::Key_ParenLeft, 57},    {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},       {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},        {Qt::Key_Minus, 189},
        {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},      {Qt::Key_Greater, 190},
        {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},    {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
        {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},         {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},  {Qt::Key_QuoteDbl, 222}};
    for (const auto& [qtKey, code] : others) {
        if (key == qtKey) {
            return code;
        }
    }
    return 0;
}

} // namespace

FolderTree::FolderTree(FolderTreeRoots roots, QWidget* parent, FileSystem* files)
    : QTreeView(parent), m_desktopFolder(QDir::cleanPath(roots.desktop)) {
    roots.desktop = m_desktopFolder;
    m_model = new FolderTreeModel(roots, files, this);
    setModel(m_model);
    setHeaderHidden(true);
    // Deep names would shrink to nothing in a narrow tree: the column is as wide as its names, and the
    // tree scrolls sideways.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Right clicks and the menu key belong to the main window's own popup (MouseUp, KeyUp).
    setContextMenuPolicy(Qt::PreventContextMenu);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        m_followCurrent = true;
        showCurrent();
        if (m_userInput && current.isValid()) {
            emit FolderClick(m_model->infoOf(current));
        }
    });
    // Folders are read in the background: rows arriving above the chosen folder must not push it out of
    // view, until the user scrolls the tree elsewhere.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &FolderTree::keepCurrentInView);
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { m_followCurrent = false; });
    }
    // The view asks for rows only when it expands a row it has laid out; a folder opened while a layout
    // is pending would never be read.
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (m_model->canFetchMore(index)) {
            m_model->fetchMore(index);
        }
    });
    expand(m_model->computerIndex());
}

QString FolderTree::selectedPath() const {
    return m_model->pathOf(currentIndex());
}

bool FolderTree::setSelectedPath(const QString& path) {
    QModelIndex target;
    if (path == kDesktopName) {
        target = m_model->desktopIndex();
    } else if (path == kComputerName) {
        target = m_model->computerIndex();
    } else if (QDir::isAbsolutePath(path) && QFileInfo(path).isDir()) {
        target = m_model->revealFolder(QDir::cleanPath(path));
    }
    if (!target.isValid()) {
        return false;
    }
    const QScopedValueRollback<bool> quiet(m_userInput, false);
    QModelIndexList above;
    for (QModelIndex index = target.parent(); index.isValid(); index = index.parent()) {
        above.prepend(index);
    }
    for (const QModelIndex& index : above) {
        expand(index);
    }
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    showCurrent();
    return true;
}

QString FolderTree::specialFolder(int number) const {
    return number == kDesktopDirectory ? m_desktopFolder : QString();
}

void FolderTree::showCurrent() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return;
    }
    scrollTo(current);
    // scrollTo brings the column into view, but a deep folder's name starts far to the right in it.
    const int left = visualRect(current).left();
    if (left < 0 || left > viewport()->width() / 2) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - indentation());
    }
}

void FolderTree::keepCurrentInView() {
    if (m_followCurrent) {
        showCurrent();
    }
}

void FolderTree::showEvent(QShowEvent* event) {
    QTreeView::showEvent(event);
    keepCurrentInView();
}

QString FolderTree::pointedPath() const {
    return m_model->pathOf(m_pointed.isValid() ? QModelIndex(m_pointed) : currentIndex());
}

void FolderTree::keyPressEvent(QKeyEvent* event) {
    m_pointed = QPersistentModelIndex();
    const QScopedValueRollback<bool> user(m_userInput, true);
    QTreeView::keyPressEvent(event);
}

void FolderTree::keyReleaseEvent(QKeyEvent* event) {
    QTreeView::keyReleaseEvent(event);
    // Held keys repeat as press and release pairs; only the last release is the key coming up.
    if (!event->isAutoRepeat()) {
        emit KeyUp(windowsKeyCode(*event));
    }
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
    // A right click points at a folder for the popup; the chosen folder, and with it the file list, stay.
    if (event->button() == Qt::RightButton) {
        m_pointed = indexAt(event->position().toPoint());
        setFocus(Qt::MouseFocusReason);
        return;
    }
    m_pointed = QPersistentModelIndex();
    const QScopedValueRollback<bool> user(m_userInput, true);
    QTreeView::mousePressEvent(event);
}

void FolderTree::mouseMoveEvent(QMouseEvent* event) {
    // Dragging with a button down moves the current folder as well.
    const QScopedValueRollback<bool> user(m_userInput, true);
    QTreeView::mouseMoveEvent(event);
}

void FolderTree::mouseReleaseEvent(QMouseEvent* event) {
    {
        const QScopedValueRollback<bool> user(m_userInput, true);
        QTreeView::mouseReleaseEvent(event);
    }
    switch (event->button()) {
    case Qt::LeftButton:
        emit MouseUp(1);
        break;
    case Qt::RightButton:
        emit MouseUp(2);
        break;
    case Qt::MiddleButton:
        emit MouseUp(4);
        break;
    default:
        break;
    }
}

} // namespace parvola
