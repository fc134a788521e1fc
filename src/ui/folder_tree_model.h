// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/folder_listing.h"
#include "platform/file_system.h"
#include "ui/folder_tree.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>
#include <vector>

namespace parvola {

// The names of the two rows at the top, which are no folders.
inline const QString kDesktopName = QString::fromLatin1(kDesktopEntry);
inline const QString kComputerName = QString::fromLatin1(kComputerEntry);

// The folders behind FolderTree. Each folder is read on a reader thread when first opened, sorted there,
// and handed to the view kBatchRows rows per turn of the event loop, so neither a slow disk nor a folder
// with a hundred thousand entries stops the window. Rows are never removed.
class FolderTreeModel final : public QAbstractItemModel {
public:
    // Folders are read through files, or the system's own file system when it is null.
    FolderTreeModel(const FolderTreeRoots& roots, FileSystem* files, QObject* parent);
    ~FolderTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    QModelIndex desktopIndex() const { return indexOf(m_root->children[0].get()); }
    QModelIndex computerIndex() const { return indexOf(m_root->children[1].get()); }
    // The row of an existing folder, given as a clean absolute path. Folders on the way that are not
    // listed yet (not read, hidden, or made since) are added, and their reading is started.
    QModelIndex revealFolder(const QString& path);
    // As FolderTree::selectedPath() gives it.
    QString pathOf(const QModelIndex& index) const;
    FolderInfo infoOf(const QModelIndex& index) const;

private:
    struct Node {
        enum class Kind { Root, Desktop, Computer, FileSystem, Home, Volume, Folder };
        enum class State { Unread, Reading, Read };

        Kind kind = Kind::Folder;
        QString name;
        QString path;
        Node* parent = nullptr;
        int row = 0;
        std::vector<std::unique_ptr<Node>> children;
        State state = State::Unread;
        // Read and sorted, not yet rows.
        QStringList pending;
        int pendingFrom = 0;

        bool hasPending() const { return pendingFrom < pending.size(); }
    };

    Node* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(Node* node) const;
    Node* addChild(Node* parent, Node::Kind kind, const QString& name, const QString& path);
    void startReading(Node* node);
    void folderRead(Node* node, const QStringList& names);
    void insertBatches();
    void insertNextBatch(Node* node);
    void insertSorted(Node* node, const QStringList& names, int from, int to);
    void insertRun(Node* node, int row, const QStringList& names, int from, int to);
    int lowerBound(const Node* node, const QString& name) const;
    Node* childNamed(Node* node, const QString& name);

    std::unique_ptr<Node> m_root;
    QString m_desktopFolder;
    std::unique_ptr<FileSystem> m_ownFiles;
    FileSystem& m_files;
    QIcon m_folderIcon, m_driveIcon, m_desktopIcon, m_computerIcon, m_homeIcon;
    // Folders with pending rows, served round-robin by m_batchTimer.
    std::vector<Node*> m_filling;
    QTimer m_batchTimer;
    std::atomic<bool> m_stop{false};
    // Last member: it must be done before anything the readers hand results to goes away.
    QThreadPool m_readers;
};

} // namespace parvola
