// The main window with real widgets, real files and the real settings file; only the user's answers to
// boxes and the desktop's file manager are scripted. Each table row starts from a fresh window and store.
#include "engine/maker.h"
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "settings/ini_settings_store.h"
#include "support/answer_modal.h"
#include "support/probed_file_system.h"
#include "ui/file_list.h"
#include "ui/folder_tree.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/qt_dialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextBrowser>

#include <atomic>
#include <deque>
#include <functional>
#include <future>
#include <memory>

using namespace parvola;
using parvola::test::AnswerModal;
using parvola::test::ProbedFileSystem;

namespace {

// Answers questions and input boxes from queues and logs every box as "icon: text", "ask: …", "input: …".
class ScriptedDialogs final : public WindowDialogs {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        const char* kind = icon == MessageIcon::Critical      ? "critical: "
                           : icon == MessageIcon::Exclamation ? "exclamation: "
                                                              : "information: ";
        log << kind + QString::fromStdString(text);
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
    DiskChoice ShowDiskDialog() override { return DiskChoice::None; }
    void ShowCopyProgress(const std::string&, int) override {}
    std::string InputBox(const std::string& prompt) override {
        log << "input: " + QString::fromStdString(prompt);
        return typed;
    }

    QStringList log;
    std::deque<bool> answers;
    std::string typed;
};

// Counts the paints of a widget while it lives.
class PaintCounter final : public QObject {
public:
    PaintCounter(QWidget& widget, int& paints) : m_paints(paints) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        m_paints += event->type() == QEvent::Paint;
        return false;
    }

private:
    int& m_paints;
};

class FakeShell final : public Shell {
public:
    std::string DesktopFolder() override { return desktop; }
    void OpenFolder(const std::string& folder) override { opened.push_back(folder); }
    void OpenUrl(const std::string& url) override { opened.push_back(url); }
    std::string desktop;
    std::vector<std::string> opened;
};

const QString kBadNumber = "exclamation: Please enter the piece size as a whole number of at least 1.";

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_data, m_out, m_desktop;
    std::unique_ptr<IniSettingsStore> m_settings;
    LinuxFileSystem m_files;
    LinuxDrives m_drives;
    LinuxPaths m_paths;
    LinuxCodePages m_codePages;
    Platform m_platform{m_files, m_drives, m_paths, m_codePages};
    FakeShell m_shell;
    ScriptedDialogs m_dialogs;
    int m_ended = 0;
    std::unique_ptr<frmMain> m_window;

    void fresh() {
        m_window.reset();
        m_temp = std::make_unique<QTemporaryDir>();
        m_data = m_temp->filePath("data");
        m_out = m_temp->filePath("out");
        m_desktop = m_temp->filePath("Desktop");
        for (const auto& folder : {m_data, m_out, m_desktop}) {
            QDir().mkpath(folder);
        }
        m_shell = FakeShell();
        m_shell.desktop = m_desktop.toStdString();
        m_settings =
            std::make_unique<IniSettingsStore>(m_temp->filePath("Orvane/Parvola.conf").toStdString());
        m_dialogs = ScriptedDialogs();
        m_ended = 0;
    }
    void store(const char* name, const QString& text) { m_settings->WriteSetting(name, text.toStdString()); }
    // What the settings file holds now, read by a store of its own.
    std::optional<std::string> stored(const char* name) {
        return IniSettingsStore(m_temp->filePath("Orvane/Parvola.conf").toStdString()).ReadSetting(name);
    }
    void open(const QString& commandLine = {}) {
        m_window =
            std::make_unique<frmMain>(*m_settings, m_platform, m_shell, &m_dialogs, [this] { ++m_ended; });
        m_window->Form_Load(commandLine);
        m_window->show();
    }
    template <class T = QWidget> T* child(const QString& name) { return m_window->findChild<T*>(name); }
    FolderTree* tree(const char* name) { return child<FolderTree>(name); }
    FileList* list() { return child<FileList>("File1"); }
    QString sizeShown() { return child<QLabel>("lblSize")->text(); }
    void makeFile(const QString& path, qint64 size) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
    }

private slots:
    void cleanup() { m_window.reset(); }

    void startupRestoresTheStoredChoices() {
        const struct {
            QString optIdx;
            int index;
        } rows[] = {{{}, 3}, {"6", 6}, {"9", 3}, {"x", 3}};
        for (const auto& row : rows) {
            fresh();
            if (!row.optIdx.isNull()) {
                store("optIdx", row.optIdx);
            }
            open();
            QCOMPARE(m_window->currentSizeIndex(), row.index);
            QVERIFY(child<QRadioButton>(QString("optFSize%1").arg(row.index))->isChecked());
            QCOMPARE(sizeShown(), QString("0 KB"));
        }

        const struct {
            QString chkSaveDestDir;
            bool deleted;
            bool restored;
        } destinations[] = {{"1", false, true}, {"1", true, false}, {"0", false, false}};
        for (const auto& row : destinations) {
            fresh();
            store("chkSaveDestDir", row.chkSaveDestDir);
            store("DestDir", m_out);
            store("txtNum", "650");
            if (row.deleted) {
                QDir(m_out).removeRecursively();
            }
            open();
            QCOMPARE(tree("DestDir")->selectedPath() == m_out, row.restored);
            QVERIFY(!tree("DestDir")->selectedPath().isEmpty());
            QCOMPARE(child<QLineEdit>("txtNum")->text(), QString("650"));
        }
    }

    void commandLinePreselectsTheFile() {
        const struct {
            QString commandLine;
            bool found;
        } rows[] = {{"data/My Report.doc", true}, {"data/MY REPORT.DOC", false}, {"data/none.doc", false}};
        for (const auto& row : rows) {
            fresh();
            makeFile(m_data + "/My Report.doc", 3000000);
            store("chkSaveDestDir", "1");
            store("DestDir", m_out);
            QDir::setCurrent(m_temp->path());
            open(row.commandLine);
            QCOMPARE(tree("Dir")->selectedPath() == m_data, row.found);
            QCOMPARE(tree("DestDir")->selectedPath(), row.found ? m_data : m_out);
            QCOMPARE(list()->fileName(), row.found ? QString("My Report.doc") : QString());
            QCOMPARE(sizeShown(), QString(row.found ? "2929 KB" : "0 KB"));
        }
    }

    void eachWayOfEndingStoresItsOwnValues() {
        const struct {
            const char* way;
            QString typed;
            bool storesMask;
            bool storesRest;
        } rows[] = {{"close", "650", true, true},
                    {"esc", "650", true, true},
                    {"exit", "650", false, true},
                    {"box", "650", false, false},
                    {"close", "", true, true}};
        for (const auto& row : rows) {
            fresh();
            store("chkSaveDestDir", "1");
            store("txtNum", "12");
            open();
            tree("DestDir")->setSelectedPath(m_out);
            list()->setPattern("*.txt");
            child<QLineEdit>("txtNum")->setText(row.typed);
            child<QRadioButton>("optFSize1")->click();

            const QString way = row.way;
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
            QCOMPARE(stored("fMask"), row.storesMask ? std::optional<std::string>("*.txt") : std::nullopt);
            const bool numberStored = row.storesRest && !row.typed.isEmpty();
            QCOMPARE(stored("txtNum"),
                     std::optional<std::string>(numberStored ? row.typed.toStdString() : "12"));
            QCOMPARE(stored("DestDir"), row.storesRest ? std::optional(m_out.toStdString()) : std::nullopt);
        }
    }

    void numberBoxTakesOnlyDigits() {
        fresh();
        open();
        auto* txtNum = child<QLineEdit>("txtNum");
        QTest::keyClicks(txtNum, "6a-5.0");
        QTest::keyClick(txtNum, Qt::Key_Backspace);
        QTest::keyClick(txtNum, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(txtNum->text(), QString("65"));
    }

    void splitIsRefusedBeforeAnyQuestion() {
        const struct {
            QString source, dest;
            bool fileChosen;
            int size;
            QString number, box;
        } rows[] = {
            {"data", "My Computer", true, 3, "", "information: Folder selected for output not recognized."},
            {"My Computer", "out", true, 3, "", "information: Folder selected for input not recognized."},
            {"My Computer", "My Computer", true, 3, "",
             "information: Folder selected for output not recognized."},
            {"data", "out", false, 3, "", "critical: You must select a file to split."},
            {"data", "out", true, 6, "", kBadNumber},
            {"data", "out", true, 7, "000", kBadNumber},
            {"data", "out", true, 7, "1e3", kBadNumber},
            {"data", "out", true, 7, QString(300, '9'), kBadNumber}};
        for (const auto& row : rows) {
            fresh();
            makeFile(m_data + "/report.doc", 3000);
            open(row.fileChosen ? m_data + "/report.doc" : QString());
            auto path = [this](const QString& name) {
                return name == "My Computer" ? name : m_temp->filePath(name);
            };
            tree("Dir")->setSelectedPath(path(row.source));
            tree("DestDir")->setSelectedPath(path(row.dest));
            child<QRadioButton>(QString("optFSize%1").arg(row.size))->click();
            child<QLineEdit>("txtNum")->setText(row.number);

            child<QPushButton>("cmdSplit")->click();

            QCOMPARE(m_dialogs.log, QStringList{row.box});
            QVERIFY(QDir(m_out).isEmpty());
        }
    }

    // The job waits inside a block while the window goes on: timers fire, it paints, it takes no input and
    // its close box is ignored; the progress window's Cancel then stops the split and takes it back.
    void aSplitRunsBesideTheEventLoopAndCancelStopsIt() {
        fresh();
        makeFile(m_data + "/report.doc", 3000000);
        store("optClean", "0");
        ProbedFileSystem held(m_files);
        std::promise<void> release;
        const std::shared_future<void> released = release.get_future().share();
        std::atomic<bool> inBlock{false};
        held.onWrite = [&](const std::string& path) {
            if (QString::fromStdString(path).endsWith(".001") && !inBlock.exchange(true)) {
                released.wait();
            }
        };
        Platform platform{held, m_drives, m_paths, m_codePages};
        m_window = std::make_unique<frmMain>(*m_settings, platform, m_shell, nullptr, [this] { ++m_ended; });
        m_window->Form_Load(m_data + "/report.doc");
        m_window->show();
        tree("DestDir")->setSelectedPath(m_out);
        AnswerModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
        int ticks = 0;
        int paints = 0;
        PaintCounter counter(*m_window, paints);
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            m_window->update();
            if (!inBlock || ++ticks < 5) {
                return;
            }
            timer.stop();
            m_window->close();
            QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
            m_window->findChild<frmProgress*>()->findChild<QPushButton*>("cmdCancel")->click();
            release.set_value();
        });
        timer.start(5);

        m_window->cmdSplit_Click();

        QVERIFY(ticks >= 5 && paints >= 5);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_ended, 0);
        QVERIFY(QDir(m_out).isEmpty());
        QCOMPARE(QFileInfo(m_data + "/report.doc").size(), 3000000);
    }

    void confirmedSplitFromTheDesktopWritesThePieces() {
        for (const bool yes : {true, false}) {
            fresh();
            makeFile(m_desktop + "/report.doc", 2500);
            open(m_desktop + "/report.doc");
            tree("Dir")->setSelectedPath("Desktop");
            tree("DestDir")->setSelectedPath(m_out + "/");
            child<QRadioButton>("optFSize7")->click();
            child<QLineEdit>("txtNum")->setText("1");
            m_dialogs.answers = {yes, false};

            QTest::keyClick(child<QLineEdit>("txtNum"), Qt::Key_Return);

            QCOMPARE(m_dialogs.log.value(0), QString("ask: Split the file into partitions 1 KB long?"));
            QCOMPARE(QDir(m_out).entryList(QDir::Files).size(), yes ? 5 : 0);
            QCOMPARE(m_dialogs.log.size(), yes ? 3 : 1);
            QCOMPARE(m_dialogs.log.last(),
                     yes ? "information: Completed splitting files." : m_dialogs.log.first());
        }
    }

    void closeStoresThePatternAnUnlistableFolderHid() {
        fresh();
        open();
        list()->setPattern("*.txt");
        for (int i = 0; i < 2; ++i) {
            m_window->Dir_FolderClick({m_temp->filePath("gone"), m_temp->filePath("gone"), m_temp->path()});
        }
        child<QPushButton>("cmdCancel")->click();
        QCOMPARE(stored("fMask"), std::optional<std::string>("*.txt"));
    }

    void browsingListsFoldersAndShowsSizes() {
        fresh();
        makeFile(m_desktop + "/notes", 4096);
        makeFile(m_data + "/a.txt", 1);
        open();
        for (const QString shellFolder : {"Desktop", "My Computer"}) {
            list()->setPattern("*.doc");
            tree("Dir")->setSelectedPath(shellFolder);
            m_window->Dir_FolderClick(
                {shellFolder, shellFolder == "Desktop" ? m_desktop : QString(), m_desktop});
            QCOMPARE(list()->path(), m_desktop);
            QCOMPARE(list()->pattern(), QString("*.*"));
            list()->choose(0);
            QCOMPARE(sizeShown(), QString("4 KB"));
        }
        // A folder that cannot be listed empties the list but keeps its folder.
        m_window->Dir_FolderClick({m_data, m_data, m_temp->path()});
        m_window->Dir_FolderClick({m_temp->filePath("gone"), m_temp->filePath("gone"), m_temp->path()});
        QCOMPARE(list()->path(), m_data);
        QCOMPARE(list()->entryCount(), 0);
        m_window->Dir_FolderClick({m_data, m_data, m_temp->path()});
        QCOMPARE(list()->entryCount(), 1);

        const std::pair<qint64, QString> sizes[] = {
            {0, "0 KB"}, {1023, "0 KB"}, {1024, "1 KB"}, {2047, "1 KB"}, {qint64(3) << 30, "3145728 KB"}};
        for (const auto& [size, shown] : sizes) {
            fresh();
            makeFile(m_data + "/file.bin", size);
            open(m_data + "/file.bin");
            QCOMPARE(sizeShown(), shown);
        }
    }

    void makeNewFolder() {
        const QString failed = "exclamation: Error: Can not create directory.";
        const struct {
            QString dest;
            std::string typed;
            QString made, box;
        } rows[] = {{"out", "pieces", "out/pieces", ""},
                    {"Desktop", "pieces", "Desktop/pieces", ""},
                    {"out", "..", "", failed},
                    {"My Computer", "x", "", failed},
                    {"out", "", "", ""}};
        for (const auto& row : rows) {
            fresh();
            open();
            tree("DestDir")->setSelectedPath(row.dest == "out" ? m_out : row.dest);
            m_dialogs.typed = row.typed;

            child<QPushButton>("cmdNewDir")->click();

            const QString shown = row.dest == "My Computer" ? row.dest : m_temp->filePath(row.dest);
            QCOMPARE(m_dialogs.log.value(0), "input: Enter name of new folder to create in:\r\n" + shown);
            QCOMPARE(m_dialogs.log.value(1), row.box);
            QVERIFY(row.made.isEmpty() || QFileInfo(m_temp->filePath(row.made)).isDir());
            QCOMPARE(QDir(m_out).isEmpty(), row.dest != "out" || row.made.isEmpty());
        }
    }

    void menusOpenOptionsAboutAndHelp() {
        fresh();
        open();
        QTimer::singleShot(0, this, [] {
            QWidget* options = QApplication::activeModalWidget();
            options->findChild<QLineEdit*>("txtNewMask")->setText("*.iso");
            options->findChild<QPushButton*>("cmdOK")->click();
        });
        m_window->findChild<QAction*>("mnuFileOptions")->trigger();
        QCOMPARE(list()->pattern(), QString("*.iso"));
        QCOMPARE(stored("optClean"), std::optional<std::string>("1"));

        QTimer::singleShot(0, this, [] {
            QWidget* about = QApplication::activeModalWidget();
            QCOMPARE(about->windowTitle(), QString("About Parvola"));
            emit about->findChild<QLabel*>("Label6")->linkActivated("link");
            QTest::keyClick(about, Qt::Key_Escape);
        });
        m_window->findChild<QAction*>("mnuHelpAbout")->trigger();
        QCOMPARE(m_shell.opened, std::vector<std::string>{std::string("mailto:") + kMakerEmail});
        QVERIFY(!m_window->findChild<QDialog*>("frmAbout"));

        m_window->findChild<QAction*>("mnuHelpIndex")->trigger();
        auto helpShown = [] {
            const auto windows = QApplication::topLevelWidgets();
            return std::any_of(windows.begin(), windows.end(),
                               [](QWidget* w) { return w->objectName() == "HelpWindow" && w->isVisible(); });
        };
        QVERIFY(!helpShown()); // the key is queued, not handled at once
        QTRY_VERIFY(helpShown());
    }

    // F1 in a dialog opens a help window that takes clicks and scrolls while the dialog stays open.
    void helpIsUsableFromEveryDialog() {
        fresh();
        open();
        QtDialogs dialogs(m_window.get());
        const std::pair<const char*, std::function<void()>> dialogOpeners[] = {
            {"frmOptions", [&] { m_window->findChild<QAction*>("mnuFileOptions")->trigger(); }},
            {"frmAbout", [&] { m_window->findChild<QAction*>("mnuHelpAbout")->trigger(); }},
            {"frmDisk", [&] { dialogs.ShowDiskDialog(); }},
        };
        for (const auto& [name, openDialog] : dialogOpeners) {
            bool used = false;
            QTimer::singleShot(0, this, [&, name = name] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog && dialog->objectName() == name);
                QTest::keyClick(dialog, Qt::Key_F1);
                HelpWindow* help = nullptr;
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    help = help ? help : qobject_cast<HelpWindow*>(window);
                }
                QVERIFY(help);
                auto* index = help->findChild<QListWidget*>("HelpIndex");
                index->setCurrentRow(0);
                // A real click, through the window system, which drops clicks on windows a dialog blocks.
                const QRect messages = index->visualItemRect(index->item(index->count() - 1));
                QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                                  index->viewport()->mapTo(help, messages.center()));
                used = help->isVisible() && help->currentPage().endsWith("messages.html") &&
                       help->findChild<QTextBrowser*>()->verticalScrollBar()->maximum() > 0;
                dialog->done(QDialog::Rejected);
            });
            openDialog();
            QVERIFY2(used, name);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
