// The folder tree: paths go in and come back, the user's moves are reported and the program's are not,
// and a folder with a hundred thousand subfolders arrives sorted, in batches.
#include "ui/folder_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <tuple>
#include <utility>

using parvola::FolderInfo;
using parvola::FolderTree;

class FolderTreeTest : public QObject {
    Q_OBJECT

    // "@" stands for the test folder, so the tables can be plain text.
    QString at(QString path) const { return path.replace('@', m_dir.path()); }

    // Under /tmp, so outside the home folder whatever TMPDIR says.
    QTemporaryDir m_dir{"/tmp/parvola-folder-tree-XXXXXX"};

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        for (const char* folder : {"tree/a/b/c", "tree/.hidden/inner"}) {
            QVERIFY(QDir(m_dir.path()).mkpath(folder));
        }
        QVERIFY(QFile(at("@/tree/file.txt")).open(QIODevice::WriteOnly));
    }

    void selectsAndReportsPath() {
        const QString home = QDir::cleanPath(QDir::homePath());
        // The path set, the path then selected (empty: refused, "@/tree/a" stays), the top row it is under.
        const std::tuple<QString, QString, QString> rows[] = {
            {"@/tree/a/b/c", "@/tree/a/b/c", "File System"},
            {"@/tree/.hidden/inner", "@/tree/.hidden/inner", "File System"},
            {"/", "/", "File System"},
            {home + "/", home, "Home"},
            {"Desktop", "Desktop", "Desktop"},
            {"My Computer", "My Computer", "My Computer"},
            {"@/tree/missing", "", "File System"},
            {"@/tree/file.txt", "", "File System"},
        };
        for (const auto& [path, expected, branch] : rows) {
            FolderTree tree({at("@/tree"), QDir::homePath(), {}});
            QVERIFY(tree.setSelectedPath(at("@/tree/a")));
            QSignalSpy clicks(&tree, &FolderTree::FolderClick);
            QCOMPARE(tree.setSelectedPath(at(path)), !expected.isEmpty());
            QCOMPARE(tree.selectedPath(), at(expected.isEmpty() ? "@/tree/a" : expected));
            QCOMPARE(clicks.count(), 0);
            QModelIndex top = tree.currentIndex();
            while (top.parent().parent().isValid()) {
                top = top.parent();
            }
            QCOMPARE(top.data().toString(), branch);
        }
    }

    void userMoveRaisesFolderClick() {
        // From, to by a click (or by the key, if any), and the path, fileSystemPath and parentFileSystemPath.
        const std::tuple<const char*, const char*, int, QStringList> moves[] = {
            {"My Computer", "Desktop", 0, {"Desktop", "@/tree", "@"}},
            {"Desktop", "My Computer", 0, {"My Computer", "", "@/tree"}},
            {"Desktop", "@/tree/a/b", 0, {"@/tree/a/b", "@/tree/a/b", "@/tree/a"}},
            {"Desktop", "My Computer", Qt::Key_Down, {"My Computer", "", "@/tree"}},
        };
        for (const auto& [start, target, key, expected] : moves) {
            FolderTree tree({at("@/tree"), QDir::homePath(), {}});
            tree.resize(300, 400);
            tree.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tree));
            QVERIFY(tree.setSelectedPath(at(target)));
            const QPersistentModelIndex wanted = tree.currentIndex();
            // Rows still arriving above the target would move it away from where the click lands.
            for (QModelIndex above = wanted.parent(); above.isValid(); above = above.parent()) {
                QTRY_VERIFY(!tree.model()->canFetchMore(above));
            }
            QVERIFY(tree.setSelectedPath(at(start)));
            QSignalSpy clicks(&tree, &FolderTree::FolderClick);
            if (key != 0) {
                QTest::keyClick(&tree, Qt::Key(key));
            } else {
                tree.scrollTo(wanted);
                QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(wanted).center());
            }
            QCOMPARE(clicks.count(), 1);
            const auto got = clicks[0][0].value<FolderInfo>();
            QCOMPARE(QStringList({got.path, got.fileSystemPath, got.parentFileSystemPath}),
                     QStringList({at(expected[0]), at(expected[1]), at(expected[2])}));
            QCOMPARE(tree.selectedPath(), got.path);
        }
    }

    void releasesAreReported() {
        FolderTree tree({at("@/tree"), QDir::homePath(), {}});
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QSignalSpy mouseUps(&tree, &FolderTree::MouseUp);
        QSignalSpy keyUps(&tree, &FolderTree::KeyUp);

        QTest::mouseClick(tree.viewport(), Qt::RightButton, {},
                          tree.visualRect(tree.model()->index(0, 0)).center());
        QCOMPARE(mouseUps.count(), 1);
        QCOMPARE(mouseUps[0][0].toInt(), 2);
        // Windows key codes, which the main window's handlers expect.
        for (const auto& [key, code] : {std::pair(Qt::Key_Menu, 93), std::pair(Qt::Key_F12, 123)}) {
            QTest::keyClick(&tree, key);
            QCOMPARE(keyUps.count(), 1);
            QCOMPARE(keyUps.takeFirst()[0].toInt(), code);
        }
        QCOMPARE(mouseUps.count(), 1);
    }

    // In a narrow tree the chosen folder stays in view while the folders above it arrive, a long name can
    // be scrolled to, every folder names its path, and a right click points at a folder without choosing.
    void chosenFolderStaysInViewAndReadable() {
        const QString deep = at("@/tree/a/b/c/d/e/f/a folder name far too long for a narrow tree to show");
        QVERIFY(QDir().mkpath(deep));
        FolderTree tree({at("@/tree"), QDir::homePath(), {}});
        tree.resize(190, 200);
        // Chosen before the tree shows, as a restored destination is.
        QVERIFY(tree.setSelectedPath(deep));
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        for (QModelIndex above = tree.currentIndex().parent(); above.isValid(); above = above.parent()) {
            QTRY_VERIFY(!tree.model()->canFetchMore(above));
        }
        QTest::qWait(50);

        // Its name in view, not just its row.
        QVERIFY(
            tree.viewport()->rect().contains(tree.visualRect(tree.currentIndex()).topLeft() + QPoint(1, 1)));
        QCOMPARE_GT(tree.horizontalScrollBar()->maximum(), 0);
        QCOMPARE(tree.currentIndex().data(Qt::ToolTipRole).toString(), deep);

        QSignalSpy clicks(&tree, &FolderTree::FolderClick);
        const QModelIndex parent = tree.currentIndex().parent();
        tree.scrollTo(parent);
        QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, tree.visualRect(parent).center());
        QCOMPARE(tree.selectedPath(), deep);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(tree.pointedPath(), QFileInfo(deep).path());
    }

    // The desktop folder here, as it also shows how any folder is read: only when opened, folders alone,
    // dot-folders left out, any case, numbers by value.
    void hugeFolderArrivesInBatches() {
        constexpr int count = 100000, batchRows = 1000; // the most rows the tree adds to a folder at a time
        const auto name = [](int i) { return QString(i % 2 ? "F%1" : "f%1").arg(i); };
        QTemporaryDir big;
        QVERIFY(big.isValid());
        for (int i = 0; i < count; ++i) {
            QVERIFY(QDir(big.path()).mkdir(name(i)));
        }
        QVERIFY(QDir(big.path()).mkdir(".hidden"));
        QVERIFY(QFile(big.filePath("f5.txt")).open(QIODevice::WriteOnly));
        FolderTree tree({big.path(), QDir::homePath(), {}});
        tree.show();
        const QAbstractItemModel& model = *tree.model();
        const QPersistentModelIndex folder = model.index(0, 0);
        QVERIFY(model.hasChildren(folder));
        QCOMPARE(model.rowCount(folder), 0);
        int largest = 0;
        connect(&model, &QAbstractItemModel::rowsInserted, this,
                [&](const QModelIndex& parent, int first, int last) {
                    largest = parent == folder ? std::max(largest, last - first + 1) : largest;
                });

        tree.expand(folder);
        QCOMPARE_LE(model.rowCount(folder), batchRows);
        QTRY_VERIFY_WITH_TIMEOUT(!model.canFetchMore(folder), 60000);

        QCOMPARE(model.rowCount(folder), count);
        QCOMPARE_GT(largest, 0);
        QCOMPARE_LE(largest, batchRows);
        for (int row = 0; row < count; ++row) {
            QCOMPARE(model.index(row, 0, folder).data().toString(), name(row));
        }
    }
};

QTEST_MAIN(FolderTreeTest)
#include "folder_tree_test.moc"
