// The folder tree: paths go in and come back, the user's moves are reported and the program's are not,
// and a folder with a hundred thousand subfolders arrives sorted, in batches.
#include "ui/folder_tree.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using parvola::FolderInfo;
using parvola::FolderTree;

namespace {

// The most rows the tree adds to one folder at a time.
constexpr int kBatchRows = 1000;

QStringList childNames(const QAbstractItemModel& model, const QModelIndex& parent) {
    QStringList names;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        names.push_back(model.index(row, 0, parent).data().toString());
    }
    return names;
}

// Rows still arriving above a row would move it away from where a click lands.
void waitForFoldersAbove(const QAbstractItemModel& model, const QModelIndex& index) {
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) {
        QTRY_VERIFY(!model.canFetchMore(above));
    }
}

} // namespace

class FolderTreeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void selectsAndReportsPath_data();
    void selectsAndReportsPath();
    void desktopIsReadWhenOpened();
    void userMoveRaisesFolderClick_data();
    void userMoveRaisesFolderClick();
    void releasesAreReported_data();
    void releasesAreReported();
    void hugeFolderArrivesInBatches();

private:
    // "@" stands for the test folder, which the data functions cannot know yet.
    QString at(QString path) const { return path.replace('@', m_dir.path()); }

    // Under /tmp, so outside the home folder whatever TMPDIR says.
    QTemporaryDir m_dir{"/tmp/parvola-folder-tree-XXXXXX"};
};

void FolderTreeTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    for (const char* folder : {"tree/a/b/c", "tree/.hidden/inner", "tree/a9", "tree/a10", "tree/B"}) {
        QVERIFY(QDir(m_dir.path()).mkpath(folder));
    }
    QVERIFY(QFile(at("@/tree/file.txt")).open(QIODevice::WriteOnly));
}

void FolderTreeTest::selectsAndReportsPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected"); // empty: refused, "@/tree/a" stays selected
    QTest::addColumn<QString>("branch");   // the child of "My Computer" the walk starts from
    const auto row = [](const char* name, const QString& path, const QString& expected, const char* branch) {
        QTest::newRow(name) << path << expected << QString(branch);
    };
    const QString home = QDir::cleanPath(QDir::homePath());
    row("nested folder", "@/tree/a/b/c", "@/tree/a/b/c", "File System");
    row("trailing slash", "@/tree/a/b/", "@/tree/a/b", "File System");
    row("through a dot-folder", "@/tree/.hidden/inner", "@/tree/.hidden/inner", "File System");
    row("root", "/", "/", "File System");
    row("home folder", home + "/", home, "Home");
    row("Desktop", "Desktop", "Desktop", "");
    row("My Computer", "My Computer", "My Computer", "");
    row("missing folder", "@/tree/missing", "", "");
    row("a file", "@/tree/file.txt", "", "");
    row("relative path", "tree/a", "", "");
    row("empty", "", "", "");
}

void FolderTreeTest::selectsAndReportsPath() {
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QFETCH(QString, branch);
    FolderTree tree(at("@/tree"));
    QVERIFY(tree.setSelectedPath(at("@/tree/a")));
    QSignalSpy clicks(&tree, &FolderTree::FolderClick);

    QCOMPARE(tree.setSelectedPath(at(path)), !expected.isEmpty());

    QCOMPARE(tree.selectedPath(), at(expected.isEmpty() ? "@/tree/a" : expected));
    QCOMPARE(clicks.count(), 0);
    if (!branch.isEmpty()) {
        QModelIndex index = tree.currentIndex();
        while (index.parent().parent().isValid()) {
            index = index.parent();
        }
        QCOMPARE(index.data().toString(), branch);
    }
}

void FolderTreeTest::desktopIsReadWhenOpened() {
    FolderTree tree(at("@/tree"));
    const QAbstractItemModel& model = *tree.model();
    const QModelIndex desktop = model.index(0, 0);
    QVERIFY(model.hasChildren(desktop));
    QCOMPARE(model.rowCount(desktop), 0);

    tree.expand(desktop);

    QTRY_COMPARE(childNames(model, desktop), QStringList({"a", "a9", "a10", "B"}));
}

void FolderTreeTest::userMoveRaisesFolderClick_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key"); // 0: a click on the target
    QTest::addColumn<FolderInfo>("expected");
    const auto row = [](const char* name, const char* start, const char* target, int key, FolderInfo info) {
        QTest::newRow(name) << QString(start) << QString(target) << key << info;
    };
    row("click Desktop", "My Computer", "Desktop", 0, {"Desktop", "@/tree", "@"});
    row("click My Computer", "Desktop", "My Computer", 0, {"My Computer", "", "@/tree"});
    row("click a folder", "Desktop", "@/tree/a/b", 0, {"@/tree/a/b", "@/tree/a/b", "@/tree/a"});
    row("arrow key", "Desktop", "My Computer", Qt::Key_Down, {"My Computer", "", "@/tree"});
}

void FolderTreeTest::userMoveRaisesFolderClick() {
    QFETCH(QString, start);
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(FolderInfo, expected);
    FolderTree tree(at("@/tree"));
    tree.resize(300, 400);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QVERIFY(tree.setSelectedPath(at(target)));
    const QPersistentModelIndex wanted = tree.currentIndex();
    waitForFoldersAbove(*tree.model(), wanted);
    QVERIFY(tree.setSelectedPath(at(start)));
    QList<FolderInfo> clicks;
    connect(&tree, &FolderTree::FolderClick, this,
            [&](const FolderInfo& folder) { clicks.push_back(folder); });

    if (key != 0) {
        QTest::keyClick(&tree, Qt::Key(key));
    } else {
        tree.scrollTo(wanted);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(wanted).center());
    }

    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0].path, at(expected.path));
    QCOMPARE(clicks[0].fileSystemPath, at(expected.fileSystemPath));
    QCOMPARE(clicks[0].parentFileSystemPath, at(expected.parentFileSystemPath));
    QCOMPARE(tree.selectedPath(), clicks[0].path);
}

void FolderTreeTest::releasesAreReported_data() {
    QTest::addColumn<int>("button"); // 0: a key instead
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("code");
    QTest::newRow("right button") << int(Qt::RightButton) << 0 << 2;
    QTest::newRow("menu key") << 0 << int(Qt::Key_Menu) << 93;
    QTest::newRow("F12") << 0 << int(Qt::Key_F12) << 123;
}

void FolderTreeTest::releasesAreReported() {
    QFETCH(int, button);
    QFETCH(int, key);
    QFETCH(int, code);
    FolderTree tree(at("@/tree"));
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QSignalSpy mouseUps(&tree, &FolderTree::MouseUp);
    QSignalSpy keyUps(&tree, &FolderTree::KeyUp);

    if (button != 0) {
        const QPoint desktop = tree.visualRect(tree.model()->index(0, 0)).center();
        QTest::mouseClick(tree.viewport(), Qt::MouseButton(button), {}, desktop);
    } else {
        QTest::keyClick(&tree, Qt::Key(key));
    }

    QCOMPARE(mouseUps.count() + keyUps.count(), 1);
    QCOMPARE((button != 0 ? mouseUps : keyUps)[0][0].toInt(), code);
}

void FolderTreeTest::hugeFolderArrivesInBatches() {
    constexpr int count = 100000;
    QTemporaryDir big;
    QVERIFY(big.isValid());
    QDir folders(big.path());
    for (int i = 0; i < count; ++i) {
        QVERIFY(folders.mkdir(QString("f%1").arg(i)));
    }
    FolderTree tree(at("@/tree"));
    tree.show();
    const QAbstractItemModel& model = *tree.model();
    QVERIFY(tree.setSelectedPath(big.path()));
    const QPersistentModelIndex folder = tree.currentIndex();
    QList<int> batches;
    connect(&model, &QAbstractItemModel::rowsInserted, this,
            [&](const QModelIndex& parent, int first, int last) {
                if (parent == folder) {
                    batches.push_back(last - first + 1);
                }
            });

    tree.expand(folder);
    QVERIFY(model.rowCount(folder) <= kBatchRows);
    QTRY_VERIFY_WITH_TIMEOUT(!model.canFetchMore(folder), 60000);

    QCOMPARE(model.rowCount(folder), count);
    QVERIFY(*std::max_element(batches.begin(), batches.end()) <= kBatchRows);
    for (int row = 0; row < count; ++row) {
        QCOMPARE(model.index(row, 0, folder).data().toString(), QString("f%1").arg(row)); // numbers by value
    }
}

QTEST_MAIN(FolderTreeTest)
#include "folder_tree_test.moc"
