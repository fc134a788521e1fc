// The main window with real widgets, real files and the real settings file; only the user's answers to
// boxes and the desktop's file manager are scripted.
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "settings/ini_settings_store.h"
#include "ui/file_list.h"
#include "ui/folder_tree.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <memory>

using namespace parvola;

namespace {

// Answers questions and input boxes from queues and logs every box as "icon: text" or "ask: text".
class ScriptedDialogs final : public WindowDialogs {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        log << QString::fromStdString((icon == MessageIcon::Critical      ? "critical: "
                                       : icon == MessageIcon::Exclamation ? "exclamation: "
                                                                          : "information: ") +
                                      text);
    }
    bool AskYesNo(const std::string& text, MessageIcon) override {
        log << "ask: " + QString::fromStdString(text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return yes;
    }
    void ShowProgress() override {}
    void SetProgress(int) override {}
    void HideProgress() override {}
    std::string InputBox(const std::string& prompt) override {
        log << "input: " + QString::fromStdString(prompt);
        return typed;
    }

    QStringList log;
    std::deque<bool> answers;
    std::string typed;
};

class FakeShell final : public Shell {
public:
    std::string DesktopFolder() override { return desktop; }
    void OpenFolder(const std::string& folder) override { opened.push_back(folder); }
    std::string desktop;
    std::vector<std::string> opened;
};

void WriteFile(const QString& path, qint64 size) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_data; // a folder with the user's files
    QString m_out;  // a destination folder
    std::unique_ptr<IniSettingsStore> m_settings;
    LinuxFileSystem m_files;
    LinuxDrives m_drives;
    LinuxPaths m_paths;
    Platform m_platform{m_files, m_drives, m_paths};
    FakeShell m_shell;
    ScriptedDialogs m_dialogs;
    int m_ended = 0;
    std::unique_ptr<frmMain> m_window;

    QString settingsPath() const { return m_temp->filePath("Orvane/Parvola.conf"); }
    void store(const char* name, const char* text) { m_settings->WriteSetting(name, text); }
    std::optional<std::string> stored(const char* name) {
        return IniSettingsStore(settingsPath().toStdString()).ReadSetting(name);
    }

    frmMain& open(const QString& commandLine = {}) {
        m_window =
            std::make_unique<frmMain>(*m_settings, m_platform, m_shell, &m_dialogs, [this] { ++m_ended; });
        m_window->Form_Load(commandLine);
        m_window->show();
        return *m_window;
    }
    template <class T> T* child(const char* name) { return m_window->findChild<T*>(name); }
    FolderTree* tree(const char* name) { return child<FolderTree>(name); }
    FileList* list() { return child<FileList>("File1"); }
    void chooseFile(const QString& name) {
        for (int i = 0; i < list()->entryCount(); ++i) {
            if (list()->entry(i) == name) {
                list()->choose(i);
            }
        }
        QCOMPARE(list()->fileName(), name);
    }

private slots:
    void init() {
        m_temp = std::make_unique<QTemporaryDir>();
        m_data = m_temp->filePath("data");
        m_out = m_temp->filePath("out");
        QDir().mkpath(m_data);
        QDir().mkpath(m_out);
        QDir().mkpath(m_temp->filePath("Desktop"));
        m_shell = FakeShell();
        m_shell.desktop = m_temp->filePath("Desktop").toStdString();
        m_settings = std::make_unique<IniSettingsStore>(settingsPath().toStdString());
        m_dialogs = ScriptedDialogs();
        m_ended = 0;
    }
    void cleanup() { m_window.reset(); }

    void startupRestoresTheStoredSize_data() {
        QTest::addColumn<QString>("optIdx");
        QTest::addColumn<int>("index");
        QTest::newRow("empty store") << QString() << 3;
        QTest::newRow("M") << "6" << 6;
        QTest::newRow("out of range") << "9" << 3;
        QTest::newRow("letters") << "x" << 3;
    }
    void startupRestoresTheStoredSize() {
        QFETCH(QString, optIdx);
        QFETCH(int, index);
        if (!optIdx.isNull()) {
            store("optIdx", optIdx.toLatin1());
        }
        open();
        QCOMPARE(m_window->currentSizeIndex(), index);
        QVERIFY(child<QRadioButton>(QString("optFSize%1").arg(index).toLatin1())->isChecked());
        QCOMPARE(child<QLabel>("lblSize")->text(), QString("0 KB"));
        QCOMPARE(child<QLineEdit>("txtNum")->text(), QString());
    }

    void startupRestoresTheDestinationWhenAskedTo_data() {
        QTest::addColumn<QString>("chkSaveDestDir");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<bool>("restored");
        QTest::newRow("remembered") << "1" << false << true;
        QTest::newRow("folder gone") << "1" << true << false;
        QTest::newRow("not asked") << "0" << false << false;
    }
    void startupRestoresTheDestinationWhenAskedTo() {
        QFETCH(QString, chkSaveDestDir);
        QFETCH(bool, deleted);
        QFETCH(bool, restored);
        store("chkSaveDestDir", chkSaveDestDir.toLatin1());
        store("DestDir", m_out.toUtf8());
        if (deleted) {
            QDir(m_out).removeRecursively();
        }
        open();
        QCOMPARE(tree("DestDir")->selectedPath() == m_out, restored);
        QVERIFY(!tree("DestDir")->selectedPath().isEmpty());
    }

    void commandLinePreselectsTheFile_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("found");
        QTest::newRow("exact") << "data/My Report.doc" << true;
        QTest::newRow("other case names another file") << "data/MY REPORT.DOC" << false;
        QTest::newRow("missing") << "data/none.doc" << false;
    }
    void commandLinePreselectsTheFile() {
        QFETCH(QString, commandLine);
        QFETCH(bool, found);
        WriteFile(m_data + "/My Report.doc", 3000000);
        store("chkSaveDestDir", "1");
        store("DestDir", m_out.toUtf8());
        QDir::setCurrent(m_temp->path());
        open(commandLine);
        QCOMPARE(tree("Dir")->selectedPath() == m_data, found);
        QCOMPARE(tree("DestDir")->selectedPath(), found ? m_data : m_out);
        QCOMPARE(list()->fileName(), found ? QString("My Report.doc") : QString());
        QCOMPARE(child<QLabel>("lblSize")->text(), QString(found ? "2929 KB" : "0 KB"));
    }

    void eachWayOfEndingStoresItsOwnValues_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("storesMask");
        QTest::addColumn<bool>("storesRest");
        QTest::newRow("Close") << "close"
                               << "650" << true << true;
        QTest::newRow("Esc") << "esc"
                             << "650" << true << true;
        QTest::newRow("File Exit") << "exit"
                                   << "650" << false << true;
        QTest::newRow("close box") << "box"
                                   << "650" << false << false;
        QTest::newRow("Close, number cleared") << "close"
                                               << "" << true << true;
    }
    void eachWayOfEndingStoresItsOwnValues() {
        QFETCH(QString, way);
        QFETCH(QString, typed);
        QFETCH(bool, storesMask);
        QFETCH(bool, storesRest);
        store("chkSaveDestDir", "1");
        store("txtNum", "12");
        open();
        tree("DestDir")->setSelectedPath(m_out);
        list()->setPattern("*.txt");
        child<QLineEdit>("txtNum")->setText(typed);
        child<QRadioButton>("optFSize1")->click();

        if (way == "close") {
            child<QPushButton>("cmdCancel")->click();
        } else if (way == "esc") {
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
        } else if (way == "exit") {
            m_window->findChild<QAction*>("mnuFileExit")->trigger();
        } else {
            m_window->close();
        }

        QCOMPARE(m_ended, 1);
        QCOMPARE(stored("optIdx"), std::optional<std::string>("1"));
        QCOMPARE(stored("fMask"), storesMask ? std::optional<std::string>("*.txt") : std::nullopt);
        const std::string number = storesRest && !typed.isEmpty() ? typed.toStdString() : "12";
        QCOMPARE(stored("txtNum"), std::optional<std::string>(number));
        QCOMPARE(stored("DestDir"),
                 storesRest ? std::optional<std::string>(m_out.toStdString()) : std::nullopt);
    }

    void numberBoxTakesOnlyDigits() {
        open();
        auto* txtNum = child<QLineEdit>("txtNum");
        txtNum->setFocus();
        QTest::keyClicks(txtNum, "6a-5.0");
        QCOMPARE(txtNum->text(), QString("650"));
        QTest::keyClick(txtNum, Qt::Key_Backspace);
        QTest::keyClick(txtNum, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(txtNum->text(), QString("65"));
    }

    void splitIsRefusedBeforeAnyQuestion_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("dest");
        QTest::addColumn<bool>("fileChosen");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("box");
        const QString badNumber = "exclamation: Please enter the piece size as a whole number of at least 1.";
        QTest::newRow("computer as output") << "data"
                                            << "My Computer" << true << 3 << ""
                                            << "information: Folder selected for output not recognized.";
        QTest::newRow("computer as input") << "My Computer"
                                           << "out" << true << 3 << ""
                                           << "information: Folder selected for input not recognized.";
        QTest::newRow("both") << "My Computer"
                              << "My Computer" << true << 3 << ""
                              << "information: Folder selected for output not recognized.";
        QTest::newRow("no file") << "data"
                                 << "out" << false << 3 << ""
                                 << "critical: You must select a file to split.";
        QTest::newRow("empty number") << "data"
                                      << "out" << true << 6 << "" << badNumber;
        QTest::newRow("zero") << "data"
                              << "out" << true << 7 << "000" << badNumber;
        QTest::newRow("pasted text") << "data"
                                     << "out" << true << 7 << "1e3" << badNumber;
    }
    void splitIsRefusedBeforeAnyQuestion() {
        QFETCH(QString, source);
        QFETCH(QString, dest);
        QFETCH(bool, fileChosen);
        QFETCH(int, size);
        QFETCH(QString, number);
        QFETCH(QString, box);
        WriteFile(m_data + "/report.doc", 3000);
        open(fileChosen ? m_data + "/report.doc" : QString());
        auto path = [this](const QString& name) {
            return name == "My Computer" ? name : m_temp->filePath(name);
        };
        tree("Dir")->setSelectedPath(path(source));
        tree("DestDir")->setSelectedPath(path(dest));
        child<QRadioButton>(QString("optFSize%1").arg(size).toLatin1())->click();
        child<QLineEdit>("txtNum")->setText(number);

        child<QPushButton>("cmdSplit")->click();

        QCOMPARE(m_dialogs.log, QStringList{box});
        QVERIFY(QDir(m_out).isEmpty());
    }

    void confirmedSplitWritesThePieces_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void confirmedSplitWritesThePieces() {
        QFETCH(bool, yes);
        const QString desktop = QString::fromStdString(m_shell.desktop);
        WriteFile(desktop + "/report.doc", 2500);
        open(desktop + "/report.doc");
        tree("Dir")->setSelectedPath("Desktop");
        tree("DestDir")->setSelectedPath(m_out + "/");
        child<QRadioButton>("optFSize7")->click();
        child<QLineEdit>("txtNum")->setText("1");
        m_dialogs.answers = {yes, false};

        QTest::keyClick(child<QLineEdit>("txtNum"), Qt::Key_Return);

        QCOMPARE(m_dialogs.log.value(0), QString("ask: Split the file into partitions 1 KB long?"));
        QCOMPARE(QDir(m_out).entryList(QDir::Files).size(), yes ? 5 : 0);
        QCOMPARE(m_dialogs.log.last(),
                 yes ? QString("information: Completed splitting files.") : m_dialogs.log.first());
        QVERIFY(QFile::exists(desktop + "/report.doc"));
    }

    void shellFoldersListTheDesktop_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("Desktop") << "Desktop";
        QTest::newRow("My Computer") << "My Computer";
    }
    void shellFoldersListTheDesktop() {
        QFETCH(QString, folder);
        const QString desktop = QString::fromStdString(m_shell.desktop);
        WriteFile(desktop + "/notes", 4096);
        open();
        list()->setPattern("*.doc");
        tree("Dir")->setSelectedPath(folder);
        m_window->Dir_FolderClick({folder, folder == "Desktop" ? desktop : QString(), desktop});
        QCOMPARE(list()->path(), desktop);
        QCOMPARE(list()->pattern(), QString("*.*"));
        chooseFile("notes");
        QCOMPARE(child<QLabel>("lblSize")->text(), QString("4 KB"));
    }

    void folderThatCannotBeListedEmptiesTheList() {
        WriteFile(m_data + "/a.txt", 1);
        open();
        m_window->Dir_FolderClick({m_data, m_data, m_temp->path()});
        QCOMPARE(list()->entryCount(), 1);
        m_window->Dir_FolderClick({m_temp->filePath("gone"), m_temp->filePath("gone"), m_temp->path()});
        QCOMPARE(list()->path(), m_data);
        QCOMPARE(list()->entryCount(), 0);
        m_window->Dir_FolderClick({m_out, m_out, m_temp->path()});
        QCOMPARE(list()->path(), m_out);
        QCOMPARE(list()->pattern(), QString("*.*"));
    }

    void fileSizeIsShownInWholeKilobytes_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << qint64(0) << "0 KB";
        QTest::newRow("1023") << qint64(1023) << "0 KB";
        QTest::newRow("1024") << qint64(1024) << "1 KB";
        QTest::newRow("2047") << qint64(2047) << "1 KB";
        QTest::newRow("3 GiB") << (qint64(3) << 30) << "3145728 KB";
    }
    void fileSizeIsShownInWholeKilobytes() {
        QFETCH(qint64, size);
        QFETCH(QString, shown);
        WriteFile(m_data + "/file.bin", size);
        open(m_data + "/file.bin");
        QCOMPARE(child<QLabel>("lblSize")->text(), shown);
    }

    void makeNewFolder_data() {
        QTest::addColumn<QString>("dest");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("box");
        QTest::newRow("made") << "out"
                              << "pieces"
                              << "out/pieces"
                              << "";
        QTest::newRow("on the desktop") << "Desktop"
                                        << "pieces"
                                        << "Desktop/pieces"
                                        << "";
        QTest::newRow("exists") << "out"
                                << ".."
                                << ""
                                << "exclamation: Error: Can not create directory.";
        QTest::newRow("computer") << "My Computer"
                                  << "x"
                                  << ""
                                  << "exclamation: Error: Can not create directory.";
        QTest::newRow("cancelled") << "out"
                                   << ""
                                   << ""
                                   << "";
    }
    void makeNewFolder() {
        QFETCH(QString, dest);
        QFETCH(QString, typed);
        QFETCH(QString, made);
        QFETCH(QString, box);
        open();
        tree("DestDir")->setSelectedPath(dest == "out" ? m_out : dest);
        m_dialogs.typed = typed.toStdString();

        child<QPushButton>("cmdNewDir")->click();

        const QString shownFolder = dest == "My Computer" ? dest : m_temp->filePath(dest);
        QCOMPARE(m_dialogs.log.value(0), "input: Enter name of new folder to create in:\r\n" + shownFolder);
        QCOMPARE(m_dialogs.log.value(1), box);
        if (!made.isEmpty()) {
            QVERIFY(QFileInfo(m_temp->filePath(made)).isDir());
        }
        QCOMPARE(QDir(m_out).isEmpty(), dest != "out" || made.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
