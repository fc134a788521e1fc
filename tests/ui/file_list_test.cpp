// The file list: which files a pattern lets through, a folder that cannot be listed changes nothing, and
// a new choice is reported once.
#include "ui/file_list.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using parvola::FileList;

class FileListTest : public QObject {
    Q_OBJECT

    static QStringList entries(const FileList& list) {
        QStringList names;
        for (int i = 0; i < list.entryCount(); ++i) {
            names.push_back(list.entry(i));
        }
        return names;
    }

    QString at(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        for (const char* name :
             {"a.txt", "B.TXT", "c.doc", ".hidden", "README", "notes.txt.bak", "part.9", "part.10"}) {
            QVERIFY(QFile(at(name)).open(QIODevice::WriteOnly));
        }
        // A link to a file is listed; a broken link and a folder are not.
        QVERIFY(QFile::link(at("a.txt"), at("link.txt")));
        QVERIFY(QFile::link(at("missing"), at("dangling.txt")));
        QVERIFY(QDir(m_dir.path()).mkdir("folder.txt"));
    }

    void patternChoosesFiles_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = {".hidden",       "a.txt",  "B.TXT",   "c.doc", "link.txt",
                                 "notes.txt.bak", "part.9", "part.10", "README"};
        QTest::newRow("star dot star") << "*.*" << all;
        QTest::newRow("empty") << "" << all;
        QTest::newRow("other case") << "*.TXT" << QStringList({"a.txt", "B.TXT", "link.txt"});
        QTest::newRow("two patterns")
            << "*.txt;*.doc" << QStringList({"a.txt", "B.TXT", "c.doc", "link.txt"});
        QTest::newRow("commas and spaces") << " *.doc , readme " << QStringList({"c.doc", "README"});
        QTest::newRow("question mark") << "part.?" << QStringList({"part.9"});
        QTest::newRow("matches nothing")
            << QStringLiteral("~~~xxx~~~\u0153\u201c\u00ff.\u00ff\u201c\u0153~~~xxx~~~") << QStringList();
    }

    // Also: a folder that cannot be listed leaves the last one, and what it showed, in place.
    void patternChoosesFiles() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        FileList list;
        QVERIFY(list.setPath(m_dir.path()));

        list.setPattern(pattern);

        QCOMPARE(entries(list), expected);
        for (const char* unlistable : {"missing", "a.txt"}) {
            QVERIFY(!list.setPath(at(unlistable)));
            QCOMPARE(list.path(), m_dir.path());
            QCOMPARE(entries(list), expected);
        }
    }

    void newChoiceRaisesClickOnce() {
        FileList list;
        QVERIFY(list.setPath(m_dir.path()));
        QSignalSpy clicks(&list, &FileList::Click);

        list.choose(2);
        list.choose(2);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(list.fileName(), "B.TXT");

        // Relisting drops the choice without a Click.
        list.setPattern("*.doc");
        QCOMPARE(list.fileName(), "");
        QCOMPARE(clicks.count(), 1);
    }
};

QTEST_MAIN(FileListTest)
#include "file_list_test.moc"
