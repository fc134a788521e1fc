// SPDX-License-Identifier: GPL-3.0-or-later
// The window's process ended while its split runs, in each way it can end: by a signal, by the event loops
// ending, by exit() as when the display goes away. Each end runs in a process of its own, with the real
// window, files and settings file, and must leave the destination as it was and the source whole.
#include "app/window_ends.h"
#include "platform/linux/linux_checksums.h"
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "settings/ini_settings_store.h"
#include "support/probed_file_system.h"
#include "support/temp_tree.h"
#include "ui/folder_tree.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>

namespace parvola::test {

namespace {

// Yes to the size question, No to any other.
struct YesDialogs final : WindowDialogs {
    void ShowMessage(const std::string&, MessageIcon) override {}
    bool AskYesNo(const std::string&, MessageIcon, DefaultAnswer) override {
        return !std::exchange(asked, true);
    }
    bool asked = false;
    void ShowProgress() override {}
    void SetProgress(int) override {}
    void HideProgress() override {}
    DiskChoice ShowDiskDialog() override { return DiskChoice::Cancel; }
    void ShowCopyProgress(const std::string&, int) override {}
    std::string InputBox(const std::string&) override { return {}; }
    std::string ChooseFile(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string ChooseFolder(const std::string&, const std::string&) override { return {}; }
};

struct NoShell final : Shell {
    std::string DesktopFolder() override { return "/nonexistent"; }
    bool OpenFolder(const std::string&) override { return true; }
    bool OpenUrl(const std::string&) override { return true; }
};

// In the child: the window splits data/report.doc into out, and end runs on the window's thread once the
// second piece has bytes. What the process's main would return.
int SplitAndEnd(const TempTree& tree, const std::function<void()>& end) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "process_ends_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    EndJobsWithTheProcess(app, [] { QCoreApplication::exit(1); });
    IniSettingsStore settings(tree / "Parvola.conf");
    LinuxFileSystem real;
    ProbedFileSystem files(real);
    std::atomic<bool> ended{false};
    files.onWrite = [&](const std::string& path) {
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ".002") == 0 && !ended.exchange(true)) {
            QMetaObject::invokeMethod(&app, end, Qt::QueuedConnection);
        }
        // Slow enough that the end arrives long before the last piece would be done.
        if (ended) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    };
    LinuxDrives drives;
    LinuxPaths paths;
    LinuxCodePages codePages;
    LinuxChecksums checksums;
    Platform platform{files, drives, paths, codePages, checksums};
    NoShell shell;
    YesDialogs dialogs;
    frmMain window(settings, platform, shell, &dialogs, [] { QApplication::quit(); });
    window.Form_Load(QString::fromStdString(tree / "data/report.doc"));
    window.findChild<FolderTree*>("DestDir")->setSelectedPath(QString::fromStdString(tree / "out"));
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.cmdSplit_Click(); });
    return QApplication::exec();
}

} // namespace

// How the process is ended => how it exits.
TEST(WindowEnds, EveryEndMidSplitTakesBackWhatTheSplitWrote) {
    const std::tuple<const char*, std::function<void()>, int> ends[] = {
        {"SIGTERM", [] { ::kill(::getpid(), SIGTERM); }, 1},
        {"SIGHUP", [] { ::kill(::getpid(), SIGHUP); }, 1},
        {"the event loops end", [] { QCoreApplication::exit(0); }, 0},
        {"the display goes away", [] { std::exit(1); }, 1}};
    for (const auto& [how, end, code] : ends) {
        TempTree tree;
        std::filesystem::create_directories(tree / "data");
        std::filesystem::create_directories(tree / "out");
        WriteBytes(tree / "data/report.doc", PatternBytes(3000000));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::_exit(SplitAndEnd(tree, end));
        }
        int status = 0;
        for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0; ++waited) {
            if (waited == 600) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                ADD_FAILURE() << how << ": the window did not end";
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == code) << how << ": " << status;
        EXPECT_TRUE(std::filesystem::is_empty(tree / "out")) << how;
        EXPECT_EQ(ReadBytes(tree / "data/report.doc"), PatternBytes(3000000)) << how;
    }
}

} // namespace parvola::test
