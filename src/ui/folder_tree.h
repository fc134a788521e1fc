// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPersistentModelIndex>
#include <QString>
#include <QStringList>
#include <QTreeView>

namespace parvola {

class FileSystem;
class FolderTreeModel;

// The special-folder number of the desktop directory, as specialFolder() takes it.
inline constexpr int kDesktopDirectory = 16;
// The key code KeyUp reports for the context-menu key, as Windows numbers keys.
inline constexpr int kContextMenuKey = 93;

// What a FolderClick hands over about the chosen folder.
struct FolderInfo {
    // As selectedPath() gives it: a folder path, "Desktop" or "My Computer".
    QString path;
    // The folder in the file system; for "Desktop" the desktop folder, for "My Computer" empty.
    QString fileSystemPath;
    // The file-system path of the folder's parent; for "My Computer" the desktop folder.
    QString parentFileSystemPath;
};

// The folders a tree starts from: the desktop folder, the home folder, and the mount points of the extra
// drives in the order to show them.
struct FolderTreeRoots {
    QString desktop;
    QString home;
    QStringList volumes;
};

// A tree of the machine's folders with "Desktop" and "My Computer" at the top. "My Computer" holds the
// file system root, the home folder and mounted volumes. Folders are read only when they are opened, and
// a folder with very many entries is read in batches so the window keeps answering.
class FolderTree : public QTreeView {
    Q_OBJECT
public:
    // The tree reads folders through files; through the system's own when it is null.
    explicit FolderTree(FolderTreeRoots roots, QWidget* parent = nullptr, FileSystem* files = nullptr);

    // A folder path ("/" for the root, no trailing "/" otherwise), "Desktop" or "My Computer"; empty when
    // nothing is selected.
    QString selectedPath() const;
    // Selects and shows that folder (or "Desktop" / "My Computer"); false, and the selection unchanged,
    // when it cannot be shown. Raises no FolderClick.
    bool setSelectedPath(const QString& path);
    // kDesktopDirectory gives the desktop folder; other numbers give the empty text.
    QString specialFolder(int number) const;
    // The folder the last right click pointed at, which the popup acts on; the selected one when the
    // popup came from the keyboard or the click met no folder. As selectedPath() gives paths.
    QString pointedPath() const;

signals:
    // The user chose a folder (click or keyboard).
    void FolderClick(const parvola::FolderInfo& folder);
    // A key was released while the tree has the focus; the context-menu key is code 93.
    void KeyUp(int keyCode);
    // A mouse button was released over the tree: 1 left, 2 right, 4 middle.
    void MouseUp(int button);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Scrolls the chosen folder's row, and its name, into view.
    void showCurrent();
    void keepCurrentInView();

    FolderTreeModel* m_model;
    QString m_desktopFolder;
    QPersistentModelIndex m_pointed;
    // The chosen folder is kept in view as rows arrive, until the user scrolls elsewhere.
    bool m_followCurrent = true;
    // Set while a mouse or key event is handled: only then does a new current folder raise FolderClick.
    bool m_userInput = false;
};

} // namespace parvola
