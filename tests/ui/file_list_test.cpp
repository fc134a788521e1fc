// The file list: which files a pattern lets through, a folder that cannot be listed changes nothing, and
// a new choice is reported once.
#include "ui/file_list.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using parvola::FileList;

namespace {

QStringList entries(const FileList& list) {
    QStringList names;
    for (int i = 0; i < list.entryCount(); ++i) {
        names.push_back(list.entry(i));
    }
    return names;
}

} // namespace

class FileListTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void patternChoosesFiles_data();
    void patternChoosesFiles();
    void unlistableFolderKeepsListing_data();
    void unlistableFolderKeepsListing();
    void newChoiceRaisesClickOnce();

private:
    QString at(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void FileListTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    for (const char* name :
         {"a.txt", "B.TXT", "c.doc", ".hidden", "README", "notes.txt.bak", "part.9", "part.10"}) {
        QVERIFY(QFile(at(name)).open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(at("a.txt"), at("link.txt")));
    QVERIFY(QFile::link(at("missing"), at("dangling.txt")));
    QVERIFY(QDir(m_dir.path()).mkdir("folder.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(at("pipe.txt")).constData(), 0600), 0);
}

void FileListTest::patternChoosesFiles_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");

    const QStringList all = {".hidden",       "a.txt",  "B.TXT",   "c.doc", "link.txt",
                             "notes.txt.bak", "part.9", "part.10", "README"};
    QTest::newRow("star dot star") << "*.*" << all;
    QTest::newRow("empty") << "" << all;
    QTest::newRow("star") << "*" << all;
    QTest::newRow("other case") << "*.TXT" << QStringList({"a.txt", "B.TXT", "link.txt"});
    QTest::newRow("two patterns") << "*.txt;*.doc" << QStringList({"a.txt", "B.TXT", "c.doc", "link.txt"});
    QTest::newRow("commas and spaces") << " *.doc , readme " << QStringList({"c.doc", "README"});
    QTest::newRow("question mark") << "part.?" << QStringList({"part.9"});
    QTest::newRow("any extension or none") << "readme.*" << QStringList({"README"});
    QTest::newRow("matches nothing") << QStringLiteral(
                                            "~~~xxx~~~\u0153\u201c\u00ff.\u00ff\u201c\u0153~~~xxx~~~")
                                     << QStringList();
}

void FileListTest::patternChoosesFiles() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    FileList list;
    QVERIFY(list.setPath(m_dir.path()));

    list.setPattern(pattern);

    QCOMPARE(entries(list), expected);
}

void FileListTest::unlistableFolderKeepsListing_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("a file") << "a.txt";
    QTest::newRow("a pipe") << "pipe.txt";
}

void FileListTest::unlistableFolderKeepsListing() {
    QFETCH(QString, folder);
    FileList list;
    list.setPattern("*.doc");
    QVERIFY(list.setPath(m_dir.path()));

    QVERIFY(!list.setPath(at(folder)));

    QCOMPARE(list.path(), m_dir.path());
    QCOMPARE(entries(list), QStringList({"c.doc"}));
}

void FileListTest::newChoiceRaisesClickOnce() {
    FileList list;
    QVERIFY(list.setPath(m_dir.path()));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy clicks(&list, &FileList::Click);

    list.choose(2);
    list.choose(2);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(list.fileName(), "B.TXT");

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(list.fileName(), ".hidden");

    list.setPattern("*.doc");
    QCOMPARE(list.fileName(), "");
}

QTEST_MAIN(FileListTest)
#include "file_list_test.moc"
