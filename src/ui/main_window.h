// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"
#include "platform/shell.h"
#include "settings/settings_store.h"
#include "ui/main_layout.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QFrame;
class QMimeData;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace parvola {

class FileList;
class FolderTree;
class HelpWindow;
class frmOptions;
class WindowDialogs;
struct FolderInfo;

// The program's main window: choose a file, a destination and a piece size, and split.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // dialogs: the boxes the window and the split show; null for the real Qt dialogs. endProgram ends the
    // whole program at once; null quits the application.
    frmMain(SettingsStore& settings, Platform& platform, Shell& shell, WindowDialogs* dialogs = nullptr,
            std::function<void()> endProgram = nullptr);
    ~frmMain() override;

    // Restores the remembered choices and preselects commandLine, a file path (empty for none).
    void Form_Load(const QString& commandLine);
    // The index 0 to 7 of the chosen piece size.
    int currentSizeIndex() const { return m_sizeIndex; }

    void cmdSplit_Click();
    void cmdCancel_Click();
    void cmdNewDir_Click();
    void mnuFileExit_Click();
    // Joins the pieces of a file chosen in a file chooser beside them, or where the user says when that
    // folder cannot be written.
    void mnuFileJoin_Click();
    void mnuFileOptions_Click();
    void mnuHelpAbout_Click();
    // Queues the key F1 for the active window, as if the user had pressed it.
    void mnuHelpIndex_Click();
    void mnuPopUpExplore_Click();
    void Dir_FolderClick(const FolderInfo& folder);
    void File1_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The window frame is known only once the desktop has framed the window, after the first layout.
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // F1 opens the help from every window of the program.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Chooses a file, a path as the user gave it, in its folder in both trees and the list, as the
    // command line does; a path that names no file changes nothing.
    void chooseFile(const QString& given);
    // The one local file or folder a drag carries; empty for anything else.
    static QString droppedPath(const QMimeData* mime);
    void buildMenus();
    void buildControls();
    void optFSize_Click(int index);
    // The number box was typed in: its number is the size.
    void txtNum_Change();
    // The path of the file chosen in the list; empty when none is.
    QString chosenFilePath() const;
    // Redraws the plan line for the file, size and destination chosen now.
    void showPlan();
    void showPopUp();
    void applyLayout();
    // Stores the choices (the list's pattern too when withPattern) and ends the program.
    void SaveAndEnd(bool withPattern);
    // Stores where the window is and how large, for the next start.
    void storePlace();
    // "Desktop" stands for the desktop folder wherever a command takes a tree's path.
    QString resolveDesktop(const QString& path) const;

    SettingsStore& m_settings;
    Platform& m_platform;
    Shell& m_shell;
    std::unique_ptr<WindowDialogs> m_ownDialogs;
    WindowDialogs& m_dialogs;
    std::function<void()> m_endProgram;

    int m_sizeIndex = 3;
    // The unit (6 for M, 7 for K) a typed number is in, as chosen last.
    int m_lastUnitIndex = 6;
    // The list's pattern before an unlistable folder replaced it with its mark.
    QString m_patternBeforeMark;
    // A split or a join runs.
    bool m_jobRunning = false;
    MainLayout m_layout;
    // The outer size the layout was last made for.
    QSize m_laidOutFor;

    QGroupBox* m_fraSource = nullptr;
    QGroupBox* m_fraFSize = nullptr;
    QGroupBox* m_fraDest = nullptr;
    FolderTree* m_dir = nullptr;
    FileList* m_file1 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_lblSize = nullptr;
    FolderTree* m_destDir = nullptr;
    QPushButton* m_cmdNewDir = nullptr;
    std::array<QRadioButton*, 8> m_optFSize{};
    QLineEdit* m_txtNum = nullptr;
    QLabel* m_lblPlan = nullptr;
    QPushButton* m_cmdSplit = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QFrame* m_line1 = nullptr;
    QFrame* m_line2 = nullptr;
    QMenu* m_mnuPopUp = nullptr;
    // Made at its first opening and then only hidden, unless its close box discards it.
    frmOptions* m_options = nullptr;
    std::unique_ptr<HelpWindow> m_help;
};

} // namespace parvola
