#include "ui/folder_tree.h"

#include "platform/path_text.h"
#include "ui/name_order.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace parvola {

namespace {

// Rows one folder gains per turn of the event loop; the view lays the folder out again after each batch.
constexpr int kBatchRows = 1000;

const QString kDesktopName = QStringLiteral("Desktop");
const QString kComputerName = QStringLiteral("My Computer");

// Without QDir::Hidden the dot-folders stay out. Runs on a reader thread.
QStringList readSubfolders(const QString& folder, const std::atomic<bool>& stop) {
    QStringList names;
    if (folder.isEmpty()) {
        return names; // an empty path would read the working folder
    }
    QDirIterator entries(folder, QDir::Dirs | QDir::NoDotAndDotDot);
    while (!stop && entries.hasNext()) {
        entries.next();
        names.push_back(entries.fileName());
    }
    SortNames(names);
    return names;
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

// The volumes as the platform lists them, each folder's sorted as the tree sorts names.
QStringList SortedVolumes(const QStringList& volumes) {
    QStringList sorted;
    for (int first = 0; first < volumes.size();) {
        const QString parent = parentPath(volumes[first]);
        QStringList names;
        int next = first;
        for (; next < volumes.size() && parentPath(volumes[next]) == parent; ++next) {
            names.push_back(QFileInfo(volumes[next]).fileName());
        }
        SortNames(names);
        for (const QString& name : names) {
            sorted.push_back(joinPath(parent, name));
        }
        first = next;
    }
    return sorted;
}

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

// The folders behind FolderTree. Each folder is read on a reader thread when first opened, sorted there,
// and handed to the view kBatchRows rows per turn of the event loop, so neither a slow disk nor a folder
// with a hundred thousand entries stops the window. Rows are never removed.
class FolderTreeModel final : public QAbstractItemModel {
public:
    FolderTreeModel(const FolderTreeRoots& roots, QObject* parent);
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
    QCollator m_collator;
    QIcon m_folderIcon, m_driveIcon, m_desktopIcon, m_computerIcon, m_homeIcon;
    // Folders with pending rows, served round-robin by m_batchTimer.
    std::vector<Node*> m_filling;
    QTimer m_batchTimer;
    std::atomic<bool> m_stop{false};
    // Last member: it must be done before anything the readers hand results to goes away.
    QThreadPool m_readers;
};

FolderTreeModel::FolderTreeModel(const FolderTreeRoots& roots, QObject* parent)
    : QAbstractItemModel(parent), m_root(std::make_unique<Node>()), m_desktopFolder(roots.desktop),
      m_collator(NameCollator()) {
    const QFileIconProvider icons;
    m_folderIcon = icons.icon(QFileIconProvider::Folder);
    m_driveIcon = icons.icon(QFileIconProvider::Drive);
    m_desktopIcon = icons.icon(QFileIconProvider::Desktop);
    m_computerIcon = icons.icon(QFileIconProvider::Computer);
    m_homeIcon = QApplication::style()->standardIcon(QStyle::SP_DirHomeIcon);

    m_root->kind = Node::Kind::Root;
    m_root->state = Node::State::Read;
    addChild(m_root.get(), Node::Kind::Desktop, kDesktopName, roots.desktop);
    Node* computer = addChild(m_root.get(), Node::Kind::Computer, kComputerName, {});
    computer->state = Node::State::Read;
    addChild(computer, Node::Kind::FileSystem, QStringLiteral("File System"), QStringLiteral("/"));
    addChild(computer, Node::Kind::Home, QStringLiteral("Home"), QDir::cleanPath(roots.home));
    for (const QString& volume : SortedVolumes(roots.volumes)) {
        addChild(computer, Node::Kind::Volume, QFileInfo(volume).fileName(), volume);
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
        const QStringList names = readSubfolders(path, m_stop);
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
            while (end < to && CompareNames(m_collator, names[end], children[row]->name) < 0) {
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
        std::lower_bound(children.begin(), children.end(), name, [this](const auto& child, const QString& n) {
            return CompareNames(m_collator, child->name, n) < 0;
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

FolderTree::FolderTree(FolderTreeRoots roots, QWidget* parent)
    : QTreeView(parent), m_desktopFolder(QDir::cleanPath(roots.desktop)) {
    roots.desktop = m_desktopFolder;
    m_model = new FolderTreeModel(roots, this);
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
