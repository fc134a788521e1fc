// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder_tree_model.h"

#include "platform/name_order.h"
#include "platform/path_text.h"
#include "platform/system_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QStyle>

#include <algorithm>

namespace parvola {

namespace {

// Rows one folder gains per turn of the event loop; the view lays the folder out again after each batch.
constexpr int kBatchRows = 1000;

// Runs on a reader thread.
QStringList readSubfolders(FileSystem& files, const QString& folder, const std::atomic<bool>& stop) {
    QStringList names;
    for (const std::string& name :
         ShownSubfolders(files, folder.toStdString(), &stop).value_or(std::vector<std::string>())) {
        names.push_back(QString::fromStdString(name));
    }
    return names;
}

int compareNames(const QString& a, const QString& b) {
    return CompareNames(a.toStdString(), b.toStdString());
}

QString joinPath(const QString& folder, const QString& name) {
    return QString::fromStdString(JoinPath(folder.toStdString(), name.toStdString()));
}

// The folder holding path; empty for the root.
QString parentPath(const QString& path) {
    if (path == "/" || !path.contains('/')) {
        return {};
    }
    return QString::fromStdString(ParentFolder(path.toStdString()));
}

bool isInside(const QString& path, const QString& folder) {
    return folder == "/" || path == folder || path.startsWith(folder + '/');
}

} // namespace

FolderTreeModel::FolderTreeModel(const FolderTreeRoots& roots, FileSystem* files, QObject* parent)
    : QAbstractItemModel(parent), m_root(std::make_unique<Node>()), m_desktopFolder(roots.desktop),
      m_ownFiles(files ? nullptr : std::make_unique<SystemFileSystem>()),
      m_files(files ? *files : *m_ownFiles) {
    const QFileIconProvider icons;
    m_folderIcon = icons.icon(QFileIconProvider::Folder);
    m_driveIcon = icons.icon(QFileIconProvider::Drive);
    m_desktopIcon = icons.icon(QFileIconProvider::Desktop);
    m_computerIcon = icons.icon(QFileIconProvider::Computer);
    m_homeIcon = QApplication::style()->standardIcon(QStyle::SP_DirHomeIcon);

    m_root->kind = Node::Kind::Root;
    m_root->state = Node::State::Read;
    const auto kindOf = [](TreeRoot::Kind kind) {
        switch (kind) {
        case TreeRoot::Kind::Desktop:
            return Node::Kind::Desktop;
        case TreeRoot::Kind::Computer:
            return Node::Kind::Computer;
        case TreeRoot::Kind::FileSystem:
            return Node::Kind::FileSystem;
        case TreeRoot::Kind::Home:
            return Node::Kind::Home;
        case TreeRoot::Kind::Drive:
            break;
        }
        return Node::Kind::Volume;
    };
    const auto add = [&](Node* parent, const TreeRoot& entry) {
        return addChild(parent, kindOf(entry.kind), QString::fromStdString(entry.name),
                        QString::fromStdString(entry.path));
    };
    Node* computer = nullptr;
    for (const TreeRoot& top : TopEntries(roots.desktop.toStdString())) {
        computer = add(m_root.get(), top);
    }
    computer->state = Node::State::Read;
    std::vector<std::string> volumes;
    for (const QString& volume : roots.volumes) {
        volumes.push_back(volume.toStdString());
    }
    for (const TreeRoot& entry : ComputerEntries(QDir::cleanPath(roots.home).toStdString(), volumes)) {
        add(computer, entry);
    }

    m_batchTimer.setSingleShot(true);
    m_batchTimer.setInterval(0);
    connect(&m_batchTimer, &QTimer::timeout, this, [this] { insertBatches(); });
    m_readers.setMaxThreadCount(4);
}

FolderTreeModel::~FolderTreeModel() {
    m_stop = true;
    m_readers.clear();
    m_readers.waitForDone();
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) {
        return {};
    }
    return createIndex(row, column, nodeOf(parent)->children[row].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
    return child.isValid() ? indexOf(nodeOf(child)->parent) : QModelIndex();
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    return static_cast<int>(nodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
    const Node* node = nodeOf(parent);
    // An unread folder may well have subfolders: it gets an expander without being read.
    return node->state != Node::State::Read || !node->children.empty() || node->hasPending();
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const {
    const Node* node = nodeOf(index);
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return node->name;
    }
    if (role == Qt::ToolTipRole) {
        return node->path.isEmpty() ? QVariant() : QVariant(node->path);
    }
    if (role != Qt::DecorationRole) {
        return {};
    }
    switch (node->kind) {
    case Node::Kind::Desktop:
        return m_desktopIcon;
    case Node::Kind::Computer:
        return m_computerIcon;
    case Node::Kind::FileSystem:
    case Node::Kind::Volume:
        return m_driveIcon;
    case Node::Kind::Home:
        return m_homeIcon;
    case Node::Kind::Root:
    case Node::Kind::Folder:
        break;
    }
    return m_folderIcon;
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    const Node* node = nodeOf(parent);
    return node->state != Node::State::Read || node->hasPending();
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
    // Rows arrive from folderRead() and the batch timer, never from within the view's layout pass.
    Node* node = nodeOf(parent);
    if (node->state == Node::State::Unread) {
        startReading(node);
    }
}

QModelIndex FolderTreeModel::revealFolder(const QString& path) {
    Node* computer = m_root->children[1].get();
    Node* node = computer->children[0].get(); // File System
    Node* home = computer->children[1].get();
    if (isInside(path, home->path) && home->path != "/") {
        node = home;
    } else {
        for (const auto& child : computer->children) {
            if (child->kind == Node::Kind::Volume && isInside(path, child->path) &&
                (node->kind != Node::Kind::Volume || child->path.size() > node->path.size())) {
                node = child.get();
            }
        }
    }
    for (const QString& name : path.mid(node->path.size()).split('/', Qt::SkipEmptyParts)) {
        if (node->state == Node::State::Unread) {
            startReading(node);
        }
        node = childNamed(node, name);
    }
    return indexOf(node);
}

QString FolderTreeModel::pathOf(const QModelIndex& index) const {
    if (!index.isValid()) {
        return {};
    }
    const Node* node = nodeOf(index);
    return node->kind == Node::Kind::Desktop || node->kind == Node::Kind::Computer ? node->name : node->path;
}

FolderInfo FolderTreeModel::infoOf(const QModelIndex& index) const {
    const Node* node = nodeOf(index);
    if (node->kind == Node::Kind::Computer) {
        return {kComputerName, {}, m_desktopFolder};
    }
    return {pathOf(index), node->path, parentPath(node->path)};
}

FolderTreeModel::Node* FolderTreeModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

QModelIndex FolderTreeModel::indexOf(Node* node) const {
    return node == m_root.get() ? QModelIndex() : createIndex(node->row, 0, node);
}

FolderTreeModel::Node* FolderTreeModel::addChild(Node* parent, Node::Kind kind, const QString& name,
                                                 const QString& path) {
    auto child = std::make_unique<Node>();
    child->kind = kind;
    child->name = name;
    child->path = path;
    child->parent = parent;
    child->row = static_cast<int>(parent->children.size());
    parent->children.push_back(std::move(child));
    return parent->children.back().get();
}

void FolderTreeModel::startReading(Node* node) {
    node->state = Node::State::Reading;
    const QString path = node->path;
    // Nodes live as long as the model, and the model waits for its readers before it goes.
    m_readers.start([this, node, path] {
        const QStringList names = readSubfolders(m_files, path, m_stop);
        QMetaObject::invokeMethod(
            this, [this, node, names] { folderRead(node, names); }, Qt::QueuedConnection);
    });
}

void FolderTreeModel::folderRead(Node* node, const QStringList& names) {
    node->state = Node::State::Read;
    node->pending = names;
    node->pendingFrom = 0;
    if (names.isEmpty() && node->children.empty()) {
        // The view keeps an open folder's expander until it lays the folder out again.
        const QList<QPersistentModelIndex> changed = {indexOf(node)};
        emit layoutAboutToBeChanged(changed);
        emit layoutChanged(changed);
        return;
    }
    insertNextBatch(node);
    if (node->hasPending()) {
        m_filling.push_back(node);
        m_batchTimer.start();
    }
}

void FolderTreeModel::insertBatches() {
    std::vector<Node*> filling;
    filling.swap(m_filling);
    for (Node* node : filling) {
        insertNextBatch(node);
        if (node->hasPending()) {
            m_filling.push_back(node);
        }
    }
    if (!m_filling.empty()) {
        m_batchTimer.start();
    }
}

void FolderTreeModel::insertNextBatch(Node* node) {
    const int to = std::min(node->pendingFrom + kBatchRows, static_cast<int>(node->pending.size()));
    insertSorted(node, node->pending, node->pendingFrom, to);
    node->pendingFrom = to;
    if (!node->hasPending()) {
        node->pending.clear();
        node->pendingFrom = 0;
    }
}

// names[from, to) is sorted and follows the names of earlier batches, so it lands in one run after
// them, split only where a folder added by revealFolder() sits in between.
void FolderTreeModel::insertSorted(Node* node, const QStringList& names, int from, int to) {
    int i = from;
    while (i < to) {
        const int row = lowerBound(node, names[i]);
        const auto& children = node->children;
        if (row < static_cast<int>(children.size()) && children[row]->name == names[i]) {
            ++i; // added on a walk before the folder was read
            continue;
        }
        int end = i + 1;
        if (row == static_cast<int>(children.size())) {
            end = to;
        } else {
            while (end < to && compareNames(names[end], children[row]->name) < 0) {
                ++end;
            }
        }
        insertRun(node, row, names, i, end);
        i = end;
    }
}

void FolderTreeModel::insertRun(Node* node, int row, const QStringList& names, int from, int to) {
    beginInsertRows(indexOf(node), row, row + (to - from) - 1);
    std::vector<std::unique_ptr<Node>> run;
    run.reserve(to - from);
    for (int i = from; i < to; ++i) {
        auto child = std::make_unique<Node>();
        child->name = names[i];
        child->path = joinPath(node->path, names[i]);
        child->parent = node;
        run.push_back(std::move(child));
    }
    auto& children = node->children;
    children.insert(children.begin() + row, std::make_move_iterator(run.begin()),
                    std::make_move_iterator(run.end()));
    for (int r = row; r < static_cast<int>(children.size()); ++r) {
        children[r]->row = r;
    }
    endInsertRows();
}

int FolderTreeModel::lowerBound(const Node* node, const QString& name) const {
    const auto& children = node->children;
    const auto found =
        std::lower_bound(children.begin(), children.end(), name, [](const auto& child, const QString& n) {
            return compareNames(child->name, n) < 0;
        });
    return static_cast<int>(found - children.begin());
}

FolderTreeModel::Node* FolderTreeModel::childNamed(Node* node, const QString& name) {
    const int row = lowerBound(node, name);
    if (row < static_cast<int>(node->children.size()) && node->children[row]->name == name) {
        return node->children[row].get();
    }
    insertRun(node, row, {name}, 0, 1);
    return node->children[row].get();
}

} // namespace parvola
