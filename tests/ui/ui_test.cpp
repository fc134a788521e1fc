// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows and lists with real widgets, real files and the real settings file. In the main
// window only the user's answers to boxes and the desktop folder are scripted; the dialogs are the real Qt
// ones, answered from their own event loops. Each test, and each table row of the main window, starts from
// a fresh test folder, window and store.
#include "platform/linux/linux_checksums.h"
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "settings/ini_settings_store.h"
#include "support/answer_modal.h"
#include "support/probed_file_system.h"
#include "support/tmpfs_mount.h"
#include "ui/file_list.h"
#include "ui/folder_tree.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/qt_dialogs.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <atomic>
#include <map>

using namespace parvola;

namespace {

// Answers questions and input boxes from queues and logs every box as "icon: text", "ask: …" ("ask, No by
// default: …"), "input: …".
class ScriptedDialogs final : public WindowDialogs {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        const char* kinds[] = {"critical: ", "question: ", "exclamation: ", "information: "};
        log << kinds[static_cast<int>(icon)] + QString::fromStdString(text);
    }
    bool AskYesNo(const std::string& text, MessageIcon, DefaultAnswer defaultAnswer) override {
        log << (defaultAnswer == DefaultAnswer::No ? "ask, No by default: " : "ask: ") +
                   QString::fromStdString(text);
        return !answers.isEmpty() && answers.takeFirst();
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
    std::string ChooseFile(const std::string& caption, const std::string&, const std::string&) override {
        log << "choose file: " + QString::fromStdString(caption);
        return chosen;
    }
    std::string ChooseFolder(const std::string& caption, const std::string&) override {
        log << "choose folder: " + QString::fromStdString(caption);
        return chosenFolder;
    }
    bool ShowResult(const std::string& text) override {
        ShowMessage(text, MessageIcon::Information);
        return openFolder;
    }

    QStringList log;
    QList<bool> answers;
    std::string typed, chosen, chosenFolder;
    bool openFolder = false;
};

// A folder the test's own, read-only, until it goes.
struct ReadOnlyFolder final : test::TestMount {
    explicit ReadOnlyFolder(const std::string& path)
        : TestMount(path, "mount --bind '" + path + "' '" + path + "' && mount -o remount,bind,ro '" + path +
                              "'") {}
};

struct FakeShell final : Shell {
    std::string DesktopFolder() override { return desktop; }
    bool OpenFolder(const std::string& folder) override {
        opened.push_back(folder);
        return canOpen;
    }
    bool OpenUrl(const std::string&) override { return canOpen; }
    std::string desktop;
    bool canOpen = true;
    std::vector<std::string> opened;
};

} // namespace

class UiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_temp;
    std::unique_ptr<IniSettingsStore> m_settings;
    LinuxFileSystem m_files;
    LinuxDrives m_drives;
    LinuxPaths m_paths;
    LinuxCodePages m_codePages;
    LinuxChecksums m_checksums;
    Platform m_platform{m_files, m_drives, m_paths, m_codePages, m_checksums};
    FakeShell m_shell;
    ScriptedDialogs m_dialogs;
    int m_ended = 0;
    int m_paints = 0;
    std::unique_ptr<frmMain> m_window;
    QWidget m_owner;
    QtDialogs m_qtDialogs{&m_owner};

    // A fresh store and folders "data", "out" and "Desktop" (the desktop folder) in a new test folder.
    void fresh() {
        m_window.reset();
        m_temp = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(at("data")) && QDir().mkpath(at("out")) && QDir().mkpath(at("Desktop")));
        m_shell.desktop = at("Desktop").toStdString();
        m_settings = std::make_unique<IniSettingsStore>(at("Parvola.conf").toStdString());
        m_dialogs = ScriptedDialogs();
        m_shell.opened.clear();
        m_shell.canOpen = true;
        m_ended = 0;
    }
    QString at(const QString& name) const { return m_temp->filePath(name); }
    bool write(const QString& name, const char* bytes) {
        QFile file(at(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) > 0;
    }
    // "-" for a file that is not there.
    QByteArray read(const QString& name) {
        QFile file(at(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("-");
    }
    void store(const char* name, const QString& text) { m_settings->WriteSetting(name, text.toStdString()); }
    // The named settings as the file holds them now, read by a store of its own; "-" for a missing one.
    QString stored(const QString& names) {
        IniSettingsStore file(at("Parvola.conf").toStdString());
        QStringList values;
        for (const QString& name : names.split(' ')) {
            values << QString::fromStdString(file.ReadSetting(name.toStdString()).value_or("-"));
        }
        return values.join(' ').replace(m_temp->path(), "@");
    }
    void open(const QString& file = {}, WindowDialogs* dialogs = nullptr, Platform* platform = nullptr) {
        m_window = std::make_unique<frmMain>(*m_settings, platform ? *platform : m_platform, m_shell,
                                             dialogs ? dialogs : &m_dialogs, [this] { ++m_ended; });
        m_window->Form_Load(file);
        m_window->show();
    }
    template <class T = QWidget> T* child(const QString& name) { return m_window->findChild<T*>(name); }
    FolderTree* tree(const char* name) { return child<FolderTree>(name); }
    void makeFile(const QString& name, qint64 size) {
        QFile file(at(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
    }
    bool eventFilter(QObject*, QEvent* event) override {
        m_paints += event->type() == QEvent::Paint;
        return false;
    }

private slots:
    void init() { fresh(); }

    // A stored optIdx that names no option chooses 1.44 M; the stored destination comes back only when
    // chkSaveDestDir asks and it still exists.
    void startupRestoresTheChoices() {
        // optIdx ("-": none stored), chkSaveDestDir, DestDir => the option checked, the destination ("~":
        // home).
        for (const QString row : {"- 1 out => 3 out", "6 1 gone => 6 ~", "8 0 out => 3 ~", "9 1 out => 3 out",
                                  "x 1 out => 3 out"}) {
            const QStringList column = row.split(' ');
            fresh();
            if (column[0] != "-") {
                store("optIdx", column[0]);
            }
            store("chkSaveDestDir", column[1]);
            store("DestDir", at(column[2]));
            open();
            QVERIFY2(child<QRadioButton>("optFSize" + column[4])->isChecked(), qPrintable(row));
            QCOMPARE(tree("DestDir")->selectedPath(), column[5] == "~" ? QDir::homePath() : at(column[5]));
        }
    }

    // Where the window was and how large comes back at the next start, whichever way it ended.
    void placeIsRemembered() {
        open();
        m_window->move(70, 40);
        m_window->resize(700, 500);
        m_window->close();
        QCOMPARE(stored("WindowLeft WindowTop WindowWidth WindowHeight"), QString("70 40 700 500"));
        open();
        QCOMPARE(m_window->pos(), QPoint(70, 40));
        QCOMPARE(m_window->size(), QSize(700, 500));
    }

    // Only Close and Esc store the pattern, and never the mark of a folder that cannot be listed in its
    // place; File>Exit stores the number and the destination (if chkSaveDestDir asks); the close box nothing.
    void eachWayOfEndingStoresItsOwnValues() {
        const std::map<QString, std::function<void()>> ways = {
            {"close", [this] { child<QPushButton>("cmdCancel")->click(); }},
            {"esc", [this] { QTest::keyClick(m_window.get(), Qt::Key_Escape); }},
            {"exit", [this] { child<QAction>("mnuFileExit")->trigger(); }},
            {"box", [this] { m_window->close(); }}};
        // The way, the number typed ("-": none), whether an unlistable folder was met, chkSaveDestDir => the
        // optIdx, fMask, txtNum and DestDir stored ("-": none).
        for (const QString row :
             {"close 650 no 1 => 1 *.txt 650 @/out", "esc 650 yes 1 => 1 *.txt 650 @/out",
              "exit 650 yes 0 => 1 - 650 -", "box 650 no 1 => 1 - - -", "close - yes 1 => 1 *.txt - @/out"}) {
            const QStringList column = row.split(' ');
            fresh();
            store("chkSaveDestDir", column[3]);
            open();
            tree("DestDir")->setSelectedPath(at("out"));
            child<FileList>("File1")->setPattern("*.txt");
            // Twice: the second must not take the first one's mark for the user's pattern.
            for (int i = 0; column[2] == "yes" && i < 2; ++i) {
                m_window->Dir_FolderClick({at("gone"), at("gone"), m_temp->path()});
            }
            child<QLineEdit>("txtNum")->setText(column[1] == "-" ? "" : column[1]);
            child<QRadioButton>("optFSize1")->click();
            ways.at(column[0])();
            QCOMPARE(m_ended, 1);
            QCOMPARE(stored("optIdx fMask txtNum DestDir"), row.section(" => ", 1));
        }
    }

    // Digits and one decimal point; typing chooses the unit chosen last, M unless it was K, and the plan
    // line follows the file, the size, the typed number and the destination.
    void numberBoxTakesDigitsAndChoosesTheUnit() {
        makeFile("data/report.doc", 7000000);
        open(at("data/report.doc"));
        tree("DestDir")->setSelectedPath(at("out"));
        auto* plan = child<QLabel>("lblPlan");
        QCOMPARE(plan->text(), "5 pieces of 1.44 MB (the last 1.24 MB) \u2192 " + at("out"));
        auto* txtNum = child<QLineEdit>("txtNum");
        QTest::keyClicks(txtNum, "2a-.5.");
        QVERIFY(child<QRadioButton>("optFSize6")->isChecked());
        QCOMPARE(m_window->currentSizeIndex(), 6);
        QCOMPARE(plan->text(), "3 pieces of 2.5 MB (the last 2 MB) \u2192 " + at("out"));
        child<QRadioButton>("optFSize7")->click();
        child<QRadioButton>("optFSize0")->click();
        QTest::keyClicks(txtNum, "0");
        QCOMPARE(m_window->currentSizeIndex(), 7);
        QCOMPARE(plan->text(), "2800 pieces of 2.5 KB \u2192 " + at("out"));
        m_window->Dir_FolderClick({at("out"), at("out"), m_temp->path()});
        QCOMPARE(plan->text(), QString());
        txtNum->clear();
        QTest::keyClicks(txtNum, "6a-5.0");
        QTest::keyClick(txtNum, Qt::Key_Backspace);
        QTest::keyClick(txtNum, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(txtNum->text(), QString("65."));
        txtNum->clear();
        QTest::keyClicks(txtNum, "0123456789");
        QCOMPARE(txtNum->text(), QString("0123456789"));
    }

    // What a screen reader reads for each control that has no caption of its own, or a misleading one.
    void accessibleNames() {
        open();
        for (const auto& [name, spoken] : {std::pair{"Dir", "Source folder"},
                                           {"DestDir", "Destination folder"},
                                           {"File1", "Source file"},
                                           {"txtNum", "Custom size"},
                                           {"optFSize6", "Millions of bytes (M)"},
                                           {"optFSize7", "Thousands of bytes (K)"}}) {
            QWidget* widget = child(name);
            QVERIFY2(widget, name);
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), QString(spoken));
        }
    }

    // Tab enters the sizes at the chosen one and leaves them for the number box; the arrows choose another.
    void tabAndArrowsInTheSizes() {
        store("optIdx", "5");
        open();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        child("File1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("optFSize5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("optFSize4"));
        QVERIFY(child<QRadioButton>("optFSize4")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtNum"));
    }

    // The size beside "File Size:" counts whole units of 1024 bytes.
    void sizeLabelCountsKilobytesOf1024() {
        for (const auto& [bytes, shown] : {std::pair{0, "0 KB"}, {1023, "0 KB"}, {1024, "1 KB"}}) {
            fresh();
            makeFile("data/report.doc", bytes);
            open(at("data/report.doc"));
            QCOMPARE(child<QLabel>("lblSize")->text(), QString(shown));
        }
    }

    // The file named on the command line, by its exact name, is chosen in its folder. Enter in the number
    // box splits it: refused before any question while something is missing, else asked, and the pieces,
    // the batch script and the Readme written only on Yes (answered where rows expect them).
    void splitCommand() {
        const QString
            out = "information: Folder selected for output not recognized.",
            bad = "exclamation: Please enter the piece size as a whole number of at least 1.",
            ask = "ask: Split the file into partitions 1 KB long?\r\n\r\n3 pieces of 1 KB (the last 500 "
                  "bytes) \u2192 @/out";
        // Source folder ("": the command line names the file in another case, which chooses none),
        // destination, size option, number => boxes, files written.
        const std::tuple<QString, QString, int, QString, QStringList, int> rows[] = {
            {"data", "My Computer", 3, "", {out}, 0},
            {"My Computer", "out", 3, "", {"information: Folder selected for input not recognized."}, 0},
            {"My Computer", "My Computer", 3, "", {out}, 0},
            {"", "out", 3, "", {"critical: You must select a file to split."}, 0},
            {"data", "out", 6, "", {bad}, 0},
            {"data", "out", 7, "000", {bad}, 0},
            {"data", "out", 7, "1e3", {bad}, 0},
            {"data", "out", 7, QString(300, '9'), {bad}, 0},
            {"data", "out", 7, "1", {ask}, 0},
            {"Desktop",
             "out/",
             7,
             "1",
             {ask, "information: Completed splitting files.\r\n3 pieces, the batch file, Readme.txt and the "
                   "checksum file are in @/out."},
             6}};
        for (const auto& [source, dest, size, number, log, written] : rows) {
            fresh();
            store("optClean", "2");
            makeFile("data/report.doc", 2500);
            makeFile("Desktop/report.doc", 2500);
            QDir::setCurrent(m_temp->path());
            open(source.isEmpty() ? "data/REPORT.DOC" : "data/report.doc");
            const auto folder = [this](const QString& name) { return name.contains(' ') ? name : at(name); };
            tree("Dir")->setSelectedPath(source == "Desktop" ? source : folder(source));
            tree("DestDir")->setSelectedPath(folder(dest));
            child<QRadioButton>(QString("optFSize%1").arg(size))->click();
            child<QLineEdit>("txtNum")->setText(number);
            m_dialogs.answers = {written > 0};
            QTest::keyClick(child<QLineEdit>("txtNum"), Qt::Key_Return);
            QCOMPARE(m_dialogs.log.replaceInStrings(m_temp->path(), "@"), log);
            QCOMPARE(QDir(at("out")).entryList(QDir::Files).size(), written);
        }
    }

    // A file dropped anywhere on the window is chosen as one named on the command line is; a folder is taken
    // as the destination only where it is dropped on the destination tree.
    void dropChoosesTheFileOrTheDestination() {
        makeFile("data/report.doc", 2500);
        open();
        const auto drop = [this](const QString& path, QWidget* on) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(path)});
            const QPoint at = on->mapTo(m_window.get(), on->rect().center());
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &enter);
            QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_window.get(), &dropped);
            return enter.isAccepted() && dropped.isAccepted();
        };
        QVERIFY(drop(at("data/report.doc"), child("fraFSize")));
        QCOMPARE(child<FileList>("File1")->fileName(), QString("report.doc"));
        QCOMPARE(tree("Dir")->selectedPath() + " " + tree("DestDir")->selectedPath(),
                 at("data") + " " + at("data"));
        QVERIFY(!drop(at("out"), child("Dir")));
        QCOMPARE(tree("DestDir")->selectedPath(), at("data"));
        QVERIFY(drop(at("out"), child("DestDir")));
        QCOMPARE(tree("DestDir")->selectedPath(), at("out"));
    }

    // The current folder or file is framed while its tree or list has the focus, in the Fusion style and
    // in Qt's other built-in one.
    void focusIsVisibleInTheTreesAndTheList() {
        makeFile("data/report.doc", 10);
        for (const char* name : {"Fusion", "Windows"}) {
            const std::unique_ptr<QStyle> style(QStyleFactory::create(name));
            QVERIFY2(style, name);
            open(at("data/report.doc"));
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            for (const char* viewName : {"Dir", "DestDir", "File1"}) {
                auto* view = child<QAbstractItemView>(viewName);
                view->setStyle(style.get());
                child<QPushButton>("cmdSplit")->setFocus();
                const QRect row = view->visualRect(view->currentIndex());
                QVERIFY2(row.isValid(), viewName);
                const QImage before = view->viewport()->grab(row).toImage();
                view->setFocus(Qt::TabFocusReason);
                QVERIFY(view->hasFocus());
                const QImage after = view->viewport()->grab(row).toImage();
                // A frame one can see: along at least half the row's width, a change of a third of the
                // grey scale, not the faint shade some styles give.
                int changed = 0;
                for (int y = 0; y < after.height(); ++y) {
                    for (int x = 0; x < after.width(); ++x) {
                        changed += std::abs(qGray(after.pixel(x, y)) - qGray(before.pixel(x, y))) > 85;
                    }
                }
                QVERIFY2(changed > row.width() / 2, qPrintable(name + QString(" ") + viewName));
            }
            m_window.reset();
        }
    }

    // An error box names the folder and gives the system's words.
    void errorBoxNamesTheFolder() {
        makeFile("data/report.doc", 2500);
        QVERIFY(QDir().mkpath(at("ro")));
        const ReadOnlyFolder readOnly(at("ro").toStdString());
        if (!readOnly.mounted()) {
            QSKIP(readOnly.whyNot().c_str());
        }
        open(at("data/report.doc"));
        tree("DestDir")->setSelectedPath(at("ro"));
        child<QRadioButton>("optFSize7")->click();
        child<QLineEdit>("txtNum")->setText("1");
        m_dialogs.answers = {true};
        QTest::keyClick(child("txtNum"), Qt::Key_Return);
        QCOMPARE(
            m_dialogs.log.value(1).replace(m_temp->path(), "@"),
            "critical: Error: 75\r\n\r\nPath/File access error\r\n\r\nThis error is most commonly caused "
            "when you try to write the split file to a read-only destination (e.g. a CDROM)\r\nCannot write "
            "to @/ro: Read-only file system");
    }

    // The result box's "Open Folder" beside OK opens the destination in the file manager.
    void resultBoxOpensTheFolder() {
        for (const bool open : {true, false}) {
            const auto answered = test::AnswerModal<QMessageBox>([open](QMessageBox& box) {
                QCOMPARE(box.buttons().size(), 2);
                (open ? box.findChild<QPushButton*>("cmdOpenFolder") : box.button(QMessageBox::Ok))->click();
            });
            QCOMPARE(m_qtDialogs.ShowResult("Completed splitting files.\r\n1 piece"), open);
            QVERIFY(*answered);
        }
        makeFile("data/report.doc", 2500);
        open(at("data/report.doc"));
        tree("DestDir")->setSelectedPath(at("out"));
        child<QRadioButton>("optFSize7")->click();
        child<QLineEdit>("txtNum")->setText("1");
        m_dialogs.answers = {true};
        m_dialogs.openFolder = true;
        // A desktop with nothing that shows folders is told so.
        m_shell.canOpen = false;
        QTest::keyClick(child("txtNum"), Qt::Key_Return);
        QCOMPARE(m_shell.opened, std::vector<std::string>{at("out").toStdString()});
        QCOMPARE(m_dialogs.log.last(),
                 "exclamation: No file manager could be started to show the folder " + at("out") + ".");
    }

    // A fixed destination without room for the split is told before anything is written there; a file
    // deleted after it was listed is told as gone, and the list no longer shows it.
    void splitRefusedBeforeWriting() {
        makeFile("data/report.doc", 3000000);
        const test::TmpfsMount small(at("small").toStdString(), "size=1m");
        if (!small.mounted()) {
            QSKIP(small.whyNot().c_str());
        }
        open(at("data/report.doc"));
        tree("DestDir")->setSelectedPath(at("small"));
        QTest::keyClick(child("txtNum"), Qt::Key_Return);
        QCOMPARE(m_dialogs.log.size(), 1);
        const QString full = m_dialogs.log.takeFirst().replace(m_temp->path(), "@");
        QVERIFY2(
            full.startsWith("critical: Error: 61\r\n\r\nDisk full\r\nThe file was not split.\r\n@/small: 3."),
            qPrintable(full));
        QVERIFY2(full.endsWith(" MB needed, 1.05 MB free."), qPrintable(full));
        QCOMPARE(QDir(at("small")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 0);

        QVERIFY(QFile::remove(at("data/report.doc")));
        tree("DestDir")->setSelectedPath(at("out"));
        QTest::keyClick(child("txtNum"), Qt::Key_Return);
        QCOMPARE(m_dialogs.log.replaceInStrings(m_temp->path(), "@"),
                 QStringList{"exclamation: @/data/report.doc no longer exists."});
        QCOMPARE(child<FileList>("File1")->entryCount(), 0);
    }

    // The job waits inside a block while the window goes on: timers fire, it paints, it takes no input, its
    // close box is ignored and a second split does not start; the progress window's Cancel then stops the
    // split and takes it back.
    void aSplitRunsBesideTheEventLoopAndCancelStopsIt() {
        makeFile("data/report.doc", 3000000);
        store("optClean", "0");
        test::ProbedFileSystem held(m_files);
        std::atomic<bool> inBlock{false}, released{false};
        const QDeadlineTimer deadline(10000);
        held.onWrite = [&](const std::string& path) {
            // The first piece waits for the window, but not for ever: a blocked window would never come.
            while (QString::fromStdString(path).endsWith(".001") && !released && !deadline.hasExpired()) {
                inBlock = true;
                QThread::msleep(1);
            }
        };
        Platform platform{held, m_drives, m_paths, m_codePages, m_checksums};
        QtDialogs dialogs(nullptr);
        open(at("data/report.doc"), &dialogs, &platform);
        tree("DestDir")->setSelectedPath(at("out"));
        test::AnswerModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
        int ticks = 0;
        bool strayBox = false;
        QString cancelled, strayText;
        // Any box after the size question but the one that tells the cancel, a second split's or the end of
        // a split not stopped, is answered No: the test then fails instead of hanging.
        const auto answerNo = [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                const bool told = box->text().startsWith("Split cancelled");
                (told ? cancelled : strayText) = box->text();
                strayBox = strayBox || !told;
                box->done(QMessageBox::No);
            }
        };
        QTimer closer;
        connect(&closer, &QTimer::timeout, answerNo);
        m_window->installEventFilter(this);
        QTimer timer;
        QTimer::singleShot(10000, &timer, answerNo);
        connect(&timer, &QTimer::timeout, [&] {
            m_window->update();
            if (!inBlock || ++ticks < 5) {
                return;
            }
            timer.stop();
            QTimer::singleShot(0, &timer, answerNo);
            m_window->cmdSplit_Click();
            m_window->close();
            QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
            dialogs.progressWindow()->findChild<QPushButton*>("cmdCancel")->click();
            released = true;
            closer.start(20);
        });
        timer.start(5);

        m_window->cmdSplit_Click();

        QVERIFY2(ticks >= 5 && m_paints >= 5 && !strayBox, qPrintable(strayText));
        QVERIFY(m_window->isVisible() && m_ended == 0 && QDir(at("out")).isEmpty());
        QCOMPARE(cancelled.replace(m_temp->path(), "@"),
                 "Split cancelled: the pieces and files it had written in @/out were removed. report.doc is "
                 "unchanged.");
        QCOMPARE(QFileInfo(at("data/report.doc")).size(), 3000000);
    }

    // The delete question's default button is No: Enter on the real box, as a hurried user presses it, keeps
    // the source.
    void enterAtTheDeleteQuestionKeepsTheSource() {
        makeFile("data/report.doc", 2500);
        store("optClean", "1");
        QtDialogs dialogs(nullptr);
        open(at("data/report.doc"), &dialogs);
        tree("DestDir")->setSelectedPath(at("out"));
        child<QRadioButton>("optFSize7")->click();
        child<QLineEdit>("txtNum")->setText("1");
        QStringList seen;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || (!seen.isEmpty() && box->text().startsWith(seen.back()))) {
                return;
            }
            seen << box->text().section('\n', 0, 0);
            seen.size() == 1 ? box->button(QMessageBox::Yes)->click() : QTest::keyClick(box, Qt::Key_Return);
        });
        timer.start(10);

        m_window->cmdSplit_Click();

        QCOMPARE(seen,
                 QStringList({"Split the file into partitions 1 KB long?",
                              "Would you like to delete the source file?", "Completed splitting files."}));
        QCOMPARE(QFileInfo(at("data/report.doc")).size(), 2500);
        QCOMPARE(QDir(at("out")).entryList(QDir::Files).size(), 6);
    }

    // File > Join Pieces: the piece chosen ("": Cancel), whether the joined file is there, whether the
    // checksum file is, the answers to joining unchecked and to replacing the file, whether the pieces'
    // folder is read-only, so that "out" is chosen => the boxes, and the folder that then holds the joined
    // file ("": none does).
    void joinCommand() {
        const QString choose = "choose file: Join Pieces",
                      joined = "information: Joined 2 pieces into @/%1/r.",
                      matched = joined + "  Every piece and the joined file matched r.sha256.";
        const QString ask = "ask: The file @/data/r already exists.  Do you want to replace it?";
        const QString unchecked =
            "ask, No by default: Neither r.bat nor r.sha256 lies beside the pieces, so nothing shows whether "
            "pieces after r.002 are missing.  If any are, r comes out cut short, and nothing tells you "
            "so.\r\n\r\nDo you want to join the 2 pieces unchecked?";
        const QString readOnlyBoxes =
            "information: The joined file cannot be written into @/data.  Please "
            "choose another folder for it.|choose folder: Folder for the Joined File";
        const std::tuple<QString, bool, bool, QList<bool>, bool, QStringList, QString> rows[] = {
            {"", false, false, {}, false, {choose}, ""},
            {"r.001", false, false, {true}, false, {choose, unchecked, joined.arg("data")}, "data"},
            {"r.001", false, false, {false}, false, {choose, unchecked}, ""},
            {"r.001", false, true, {}, false, {choose, matched.arg("data")}, "data"},
            {"r.002", true, true, {false}, false, {choose, ask}, ""},
            {"r", true, false, {true, true}, false, {choose, unchecked, ask, joined.arg("data")}, "data"},
            {"r.001", false, true, {}, true, {choose, readOnlyBoxes, matched.arg("out")}, "out"}};
        for (const auto& [chosen, there, sums, answers, readOnly, log, folder] : rows) {
            fresh();
            QByteArray listed;
            for (const auto& [bytes, name] : {std::pair("abc", "r.001"), {"de", "r.002"}, {"abcde", "r"}}) {
                listed +=
                    QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " + name + "\n";
            }
            QVERIFY(write("data/r.001", "abc") && write("data/r.002", "de") &&
                    (!there || write("data/r", "old")) && (!sums || write("data/r.sha256", listed)));
            const auto mount =
                readOnly ? std::make_unique<ReadOnlyFolder>(at("data").toStdString()) : nullptr;
            QVERIFY(!readOnly || mount->mounted());
            open();
            m_dialogs.chosen = chosen.isEmpty() ? "" : at("data/" + chosen).toStdString();
            m_dialogs.chosenFolder = at("out").toStdString();
            m_dialogs.answers = answers;
            child<QAction>("mnuFileJoin")->trigger();
            QCOMPARE(m_dialogs.log.join('|').replace(m_temp->path(), "@"), log.join('|'));
            QCOMPARE(read("data/r"), folder == "data" ? "abcde" : there ? "old" : "-");
            QCOMPARE(read("out/r"), folder == "out" ? "abcde" : "-");
        }
    }

    void makeNewFolder() {
        const QString failed = "exclamation: Error: Can not create directory.";
        // The destination, the name typed => the folder made, the box after the input box.
        const std::tuple<QString, std::string, QString, QString> rows[] = {
            {"out", "pieces", "out/pieces", ""},
            {"Desktop", "pieces", "Desktop/pieces", ""},
            {"out", "..", "", failed + "\r\n@/out/..: File exists"},
            {"My Computer", "x", "", failed},
            {"out", "", "", ""}};
        for (const auto& [dest, typed, made, box] : rows) {
            fresh();
            open();
            tree("DestDir")->setSelectedPath(dest == "out" ? at("out") : dest);
            m_dialogs.typed = typed;
            child<QPushButton>("cmdNewDir")->click();
            const QString shown = dest == "My Computer" ? dest : at(dest);
            QCOMPARE(m_dialogs.log.value(0), "input: Enter name of new folder to create in:\r\n" + shown);
            QCOMPARE(m_dialogs.log.value(1).replace(m_temp->path(), "@"), box);
            QVERIFY(made.isEmpty() || QFileInfo(at(made)).isDir());
            QCOMPARE(QDir(at("out")).isEmpty(), dest != "out" || made.isEmpty());
        }
    }

    // F1 in a dialog opens a help window that takes clicks and scrolls while the dialog stays open.
    void helpIsUsableFromEveryDialog() {
        open();
        QtDialogs dialogs(m_window.get());
        const std::pair<const char*, std::function<void()>> dialogOpeners[] = {
            {"frmOptions", [&] { child<QAction>("mnuFileOptions")->trigger(); }},
            {"frmAbout", [&] { child<QAction>("mnuHelpAbout")->trigger(); }},
            {"frmDisk", [&] { dialogs.ShowDiskDialog(); }}};
        for (const auto& [name, openDialog] : dialogOpeners) {
            bool used = false;
            QTimer::singleShot(0, this, [&, name = name] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog && dialog->objectName() == name);
                QTest::keyClick(dialog, Qt::Key_F1);
                const QWidgetList windows = QApplication::topLevelWidgets();
                QWidget* help = *std::find_if(windows.begin(), windows.end(),
                                              [](QWidget* w) { return w->objectName() == "HelpWindow"; });
                auto* index = help->findChild<QListWidget*>("HelpIndex");
                auto* page = help->findChild<QTextBrowser*>();
                index->setCurrentRow(0);
                // A real click, through the window system, which drops clicks on windows a dialog blocks.
                const QRect messages = index->visualItemRect(index->item(index->count() - 1));
                QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                                  index->viewport()->mapTo(help, messages.center()));
                used = help->isVisible() && page->source().path().endsWith("messages.html") &&
                       page->verticalScrollBar()->maximum() > 0;
                dialog->done(QDialog::Rejected);
            });
            openDialog();
            QVERIFY2(used, name);
        }
    }

    // Every caption fits its control. At the designed size and larger no control leaves its frame or covers
    // another (a label by its text); shrunk below what the controls need, each keeps a size; grown back,
    // all are as they were.
    void layoutFitsShrinksAndRestores() {
        open();
        const QStringList names = {"fraSource", "fraFSize", "fraDest", "cmdSplit", "cmdCancel", "Dir",
                                   "File1",     "Label1",   "lblSize", "DestDir",  "cmdNewDir"};
        const auto footprint = [this](const QString& name) {
            QWidget* w = child(name);
            return QRect(w->pos(), qobject_cast<QLabel*>(w) ? w->sizeHint().boundedTo(w->size()) : w->size());
        };
        const QSize design = m_window->size();
        QList<QRect> designed, last;
        for (const QSize size : {design, design * 2, design / 3, design / 4, design / 6, design}) {
            m_window->resize(size);
            const bool fits = size.width() >= design.width();
            last.clear();
            for (const QString& a : names) {
                QWidget* w = child(a);
                last << footprint(a);
                const bool captioned = qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w);
                QVERIFY2(!last.back().isEmpty(), qPrintable(a));
                QVERIFY2(!captioned || w->width() >= w->sizeHint().width(),
                         qPrintable(a + " cuts its caption"));
                QVERIFY2(!fits || w->parentWidget()->rect().contains(last.back()), qPrintable(a));
                for (const QString& b : names) {
                    const bool apart =
                        a == b || w->parent() != child(b)->parent() || !footprint(a).intersects(footprint(b));
                    QVERIFY2(!fits || apart, qPrintable(a + " covers " + b));
                }
            }
            designed = designed.isEmpty() ? last : designed;
        }
        QCOMPARE(last, designed);
    }

    void messageBoxes() {
        using B = QMessageBox;
        constexpr auto yes = DefaultAnswer::Yes, no = DefaultAnswer::No;
        // The icon asked for and a question's default, the button to click or else the key to press, the
        // icon shown and the answer.
        const std::tuple<MessageIcon, DefaultAnswer, int, B::Icon, bool> rows[] = {
            {MessageIcon::Critical, yes, B::Ok, B::Critical, false},
            {MessageIcon::Exclamation, yes, B::Ok, B::Warning, false},
            {MessageIcon::Information, yes, B::Ok, B::Information, false},
            {MessageIcon::Question, yes, B::Yes, B::Question, true},
            {MessageIcon::Question, yes, B::No, B::Question, false},
            {MessageIcon::Question, no, B::Yes, B::Question, true},
            {MessageIcon::Exclamation, yes, Qt::Key_Return, B::Warning, true},
            {MessageIcon::Question, no, Qt::Key_Return, B::Question, false},
            {MessageIcon::Question, yes, Qt::Key_Escape, B::Question, false}};
        for (const auto& [icon, preset, answer, boxIcon, expected] : rows) {
            const bool ask = answer != B::Ok;
            const auto answered = test::AnswerModal<B>([&, answer = answer, boxIcon = boxIcon](B& box) {
                QVERIFY(box.parentWidget() == &m_owner && box.windowTitle() == "Parvola");
                // A file name that looks like markup shows as typed; the job's CR LF as one line break.
                QVERIFY(box.textFormat() == Qt::PlainText && box.icon() == boxIcon);
                QCOMPARE(box.text(), "\u00c4pfel <b>1</b>.bin\nThe file was not split.");
                QCOMPARE(box.standardButtons(), ask ? B::Yes | B::No : B::Ok);
                QAbstractButton* button = box.button(B::StandardButton(answer));
                button ? button->click() : QTest::keyClick(&box, Qt::Key(answer));
            });
            const std::string text = "\xc3\x84pfel <b>1</b>.bin\r\nThe file was not split.";
            const bool yesGiven =
                ask ? m_qtDialogs.AskYesNo(text, icon, preset) : (m_qtDialogs.ShowMessage(text, icon), false);
            QVERIFY(*answered && yesGiven == expected);
        }
    }

    void inputBox() {
        for (const bool accept : {true, false}) {
            const auto answered = test::AnswerModal<QInputDialog>([&](QInputDialog& dialog) {
                QVERIFY(dialog.windowTitle() == "Parvola" && dialog.textValue().isEmpty());
                QCOMPARE(dialog.labelText(), "New folder:\n(under the destination)");
                QTest::keyClicks(dialog.findChild<QLineEdit*>(), "\u00c4pfel 2");
                QTest::keyClick(&dialog, accept ? Qt::Key_Return : Qt::Key_Escape);
            });
            // The text typed as UTF-8, none on Cancel.
            const std::string typed = m_qtDialogs.InputBox("New folder:\r\n(under the destination)");
            QVERIFY(*answered && typed == (accept ? "\xc3\x84pfel 2" : ""));
        }
    }

    // Cancel, or Esc, asks the split to stop, once; a new split starts with neither pressed. The copy's
    // progress, once it shows, has a Cancel of its own.
    void progressWindowAndCopyProgressCanStopTheSplit() {
        m_qtDialogs.DescribeJob("big.iso", 990000000, 100000000);
        m_qtDialogs.ShowProgress();
        frmProgress* window = m_qtDialogs.progressWindow();
        m_qtDialogs.SetProgress(33);
        const auto shown = [window](const char* name) { return window->findChild<QLabel*>(name)->text(); };
        QCOMPARE(window->windowTitle(), QString("33% - Parvola"));
        QCOMPARE(shown("lblFile") + " " + shown("lblPiece"), QString("big.iso piece 4 of 10"));
        auto* cancel = window->findChild<QPushButton*>("cmdCancel");
        m_qtDialogs.SetProgress(100);
        QVERIFY(window->isVisible() && window->value() == 100 && !m_qtDialogs.CancelRequested());
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(m_qtDialogs.CancelRequested() && window->isVisible() && !cancel->isEnabled());
        m_qtDialogs.HideProgress();
        QVERIFY(!window->isVisible());
        m_qtDialogs.ShowProgress();
        QVERIFY(window->value() == 0 && !m_qtDialogs.CancelRequested() && cancel->isEnabled());

        m_qtDialogs.ShowCopyProgress("a <b>1</b>.001", 0);
        auto* copy = m_owner.findChild<QProgressDialog*>();
        QVERIFY(copy && !copy->isVisible());
        // Past the minimum duration at once, as a long copy would be.
        copy->setMinimumDuration(0);
        m_qtDialogs.ShowCopyProgress("a <b>1</b>.001", 50);
        QVERIFY(copy->isVisible() && !copy->isModal());
        copy->findChild<QPushButton*>()->click();
        QVERIFY(m_qtDialogs.CancelRequested());
        m_qtDialogs.ShowCopyProgress("a <b>1</b>.001", 100);
        QVERIFY(!copy->isVisible());
    }

    // Showings on one QtDialogs in turn: the steps ("Esc" that key, "close" the close box), the choice
    // left, and the option then checked. A kept dialog shows again as it was left; the close box keeps the
    // choice but discards the dialog, so that the next one starts with none checked.
    void diskDialog() {
        for (const QString row :
             {"cmdOK => '' none", "opt0 cmdOK => 'new' opt0", "cmdOK => 'new' opt0",
              "opt1 cmdOK => 'format' opt1", "opt2 cmdOK => 'cancel' opt2", "opt3 cmdOK => 'cancel' opt3",
              "opt0 cmdCancel => 'cancel' opt0", "opt0 Esc => 'cancel' opt0",
              "opt1 close => 'format' discarded", "cmdOK => 'format' none"}) {
            const QString steps = row.section(" => ", 0, 0);
            QPointer<frmDisk> shown;
            test::AnswerModal<frmDisk>([&](frmDisk& dialog) {
                shown = &dialog;
                for (const QString& step : steps.split(' ')) {
                    step == "Esc"     ? QTest::keyClick(&dialog, Qt::Key_Escape)
                    : step == "close" ? void(dialog.close())
                                      : dialog.findChild<QAbstractButton*>(step)->click();
                }
            });
            const char* const choices[] = {"", "new", "format", "cancel"};
            const QString choice = choices[static_cast<int>(m_qtDialogs.ShowDiskDialog())];
            QAbstractButton* option = shown ? shown->findChild<QButtonGroup*>()->checkedButton() : nullptr;
            const QString state = !shown ? "discarded" : option ? option->objectName() : "none";
            QCOMPARE(steps + " => '" + choice + "' " + state, row);
        }
    }

    // OK stores what the dialog shows, Cancel only hides it, Esc does nothing, Enter presses OK, the close
    // box discards it and stores nothing; a stored value that names no option shows as the one the split
    // will act on.
    void optionsDialog() {
        store("optClean", "7");
        FileList list;
        list.setPattern("*.bin");
        auto dialog = std::make_unique<frmOptions>(*m_settings, list, nullptr);
        const auto mask = [&] { return dialog->findChild<QLineEdit*>("txtNewMask"); };
        const auto click = [&](const char* name) { dialog->findChild<QAbstractButton*>(name)->click(); };
        // The mask and the options the dialog shows | what the store holds, and the list's pattern.
        const auto state = [&] {
            QStringList shown;
            for (QAbstractButton* option : dialog->findChildren<QAbstractButton*>()) {
                shown << (option->isChecked() ? option->objectName() : QString());
            }
            shown.sort();
            return "'" + mask()->text() + "' " + shown.join(' ').simplified() +
                   (dialog->isVisible() ? " shown | " : " hidden | ") +
                   stored("chkSaveDestDir chk83 optClean optReadme optLabel optChecksum") + ' ' +
                   list.pattern();
        };

        dialog->show();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        // Checksums are written unless turned off.
        QCOMPARE(state(), "'*.bin' chkChecksum optClean1 optLabel0 optReadme0 shown | - - 7 - - - *.bin");
        for (const char* name : {"chkSaveDestDir", "chkEightdotThree", "chkChecksum", "optClean2",
                                 "optReadme1", "optLabel1", "cmdReset", "cmdCancel"}) {
            click(name);
        }
        const QString changed = "chkEightdotThree chkSaveDestDir optClean2 optLabel1 optReadme1";
        QCOMPARE(state(), "'*.*' " + changed + " hidden | - - 7 - - - *.bin");
        dialog->show();
        // An empty mask keeps the list's pattern.
        mask()->clear();
        QTest::keyClick(mask(), Qt::Key_Return);
        QCOMPARE(state(), "'' " + changed + " hidden | 1 1 2 1 1 0 *.bin");
        dialog = std::make_unique<frmOptions>(*m_settings, list, nullptr);
        dialog->show();
        click("chkEightdotThree");
        QVERIFY(!dialog->discarded() && dialog->close() && dialog->discarded());
        QCOMPARE(state(), "'*.bin' chkSaveDestDir optClean2 optLabel1 optReadme1 hidden | 1 1 2 1 1 0 *.bin");
    }

    // Every page of the index loads under the title the index shows and no link between pages leads nowhere.
    void helpPages() {
        HelpWindow window;
        auto* index = window.findChild<QListWidget*>();
        static const QRegularExpression links("(?:href|src)=\"([^\"#]*)[^\"]*\"");
        for (int row = 0; row < index->count(); ++row) {
            index->setCurrentRow(row);
            const QUrl page(window.currentPage());
            QFile file(":" + page.path());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page.toString()));
            QCOMPARE(window.findChild<QTextBrowser*>()->documentTitle(), index->item(row)->text());
            for (auto match = links.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();) {
                const QUrl target = page.resolved(QUrl(match.next().captured(1)));
                QVERIFY2(target.scheme() != "qrc" || QFile::exists(":" + target.path()),
                         qPrintable(page.toString() + " -> " + target.toString()));
            }
        }
    }

    // In a narrow tree a folder chosen before the tree shows, as a restored destination is, stays in view
    // with its name while the folders above it arrive; a long name can be scrolled to, every folder names
    // its path, and a right click points at a folder without choosing it.
    void chosenFolderStaysInViewAndReadable() {
        // Under /tmp, so outside the home folder whatever TMPDIR says.
        QTemporaryDir dir("/tmp/parvola-tree-XXXXXX");
        const QString deep = dir.filePath("a/b/c/d/e/f/a folder name far too long for a narrow tree to show");
        QVERIFY(QDir().mkpath(deep));
        FolderTree tree({dir.path(), QDir::homePath(), {}});
        tree.resize(190, 200);
        QVERIFY(tree.setSelectedPath(deep));
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        for (QModelIndex above = tree.currentIndex().parent(); above.isValid(); above = above.parent()) {
            QTRY_VERIFY(!tree.model()->canFetchMore(above));
        }
        QTest::qWait(50);
        QVERIFY(
            tree.viewport()->rect().contains(tree.visualRect(tree.currentIndex()).topLeft() + QPoint(1, 1)));
        QCOMPARE_GT(tree.horizontalScrollBar()->maximum(), 0);
        QCOMPARE(tree.currentIndex().data(Qt::ToolTipRole).toString(), deep);

        QSignalSpy clicks(&tree, &FolderTree::FolderClick);
        const QModelIndex parent = tree.currentIndex().parent();
        tree.scrollTo(parent);
        QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, tree.visualRect(parent).center());
        QVERIFY(tree.selectedPath() == deep && clicks.isEmpty());
        QCOMPARE(tree.pointedPath(), QFileInfo(deep).path());
    }

    // The desktop folder here, as it also shows how any folder is read: only when opened, folders alone,
    // dot-folders left out, any case, numbers by value.
    void hugeFolderArrivesInBatches() {
        constexpr int count = 100000, batchRows = 1000; // the most rows the tree adds to a folder at a time
        const auto name = [](int i) { return QString(i % 2 ? "F%1" : "f%1").arg(i); };
        QTemporaryDir big;
        for (int i = 0; i < count; ++i) {
            QVERIFY(QDir(big.path()).mkdir(name(i)));
        }
        QVERIFY(QDir(big.path()).mkdir(".hidden"));
        QVERIFY(QFile(big.filePath("f5.txt")).open(QIODevice::WriteOnly));
        FolderTree tree({big.path(), QDir::homePath(), {}});
        tree.show();
        const QAbstractItemModel& model = *tree.model();
        const QPersistentModelIndex folder = model.index(0, 0);
        QVERIFY(model.hasChildren(folder) && model.rowCount(folder) == 0);
        int largest = 0;
        connect(&model, &QAbstractItemModel::rowsInserted, this,
                [&](const QModelIndex& parent, int first, int last) {
                    largest = parent == folder ? std::max(largest, last - first + 1) : largest;
                });

        tree.expand(folder);
        QCOMPARE_LE(model.rowCount(folder), batchRows);
        QTRY_VERIFY_WITH_TIMEOUT(!model.canFetchMore(folder), 60000);

        QCOMPARE(model.rowCount(folder), count);
        QVERIFY(largest > 0 && largest <= batchRows);
        for (int row = 0; row < count; ++row) {
            QCOMPARE(model.index(row, 0, folder).data().toString(), name(row));
        }
    }

    // A folder that cannot be listed leaves the last one, and what it showed, in place.
    void patternChoosesFilesAndAnUnlistableFolderChangesNothing() {
        QDir files(at("files"));
        QVERIFY(files.mkpath("folder.txt"));
        for (const char* name :
             {"a.txt", "B.TXT", "c.doc", ".hidden", "README", "notes.txt.bak", "part.9", "part.10"}) {
            QVERIFY(QFile(files.filePath(name)).open(QIODevice::WriteOnly));
        }
        // A link to a file is listed; a broken link and a folder are not.
        QVERIFY(QFile::link(files.filePath("a.txt"), files.filePath("link.txt")));
        QVERIFY(QFile::link(files.filePath("missing"), files.filePath("dangling.txt")));
        // Names that begin with a dot are hidden unless the pattern asks for them with a dot of its own.
        const QString all = "a.txt B.TXT c.doc link.txt notes.txt.bak part.9 part.10 README";
        // The mark the main window shows for a folder it cannot list matches nothing.
        const QString mark = QStringLiteral("~~~xxx~~~\u0153\u201c\u00ff.\u00ff\u201c\u0153~~~xxx~~~");
        const std::pair<QString, QString> rows[] = {{"*.*", all},
                                                    {"", all},
                                                    {"*.TXT", "a.txt B.TXT link.txt"},
                                                    {"*.txt;*.doc", "a.txt B.TXT c.doc link.txt"},
                                                    {" *.doc , readme ", "c.doc README"},
                                                    {"part.?", "part.9"},
                                                    {".*", ".hidden"},
                                                    {"*.doc;.h*", ".hidden c.doc"},
                                                    {mark, ""}};
        for (const auto& [pattern, expected] : rows) {
            FileList list;
            QVERIFY(list.setPath(files.path()));
            list.setPattern(pattern);
            for (const QString unlistable : {"", "missing", "a.txt"}) {
                QVERIFY(unlistable.isEmpty() || !list.setPath(files.filePath(unlistable)));
                QStringList names;
                for (int i = 0; i < list.entryCount(); ++i) {
                    names << list.entry(i);
                }
                QCOMPARE(names.join(' '), expected);
                QCOMPARE(list.path(), files.path());
            }
        }
    }
};

QTEST_MAIN(UiTest)
#include "ui_test.moc"
