// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/main_layout.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "settings/settings_store.h"
#include "ui_win32/file_dialogs.h"
#include "ui_win32/file_list.h"
#include "ui_win32/folder_tree_model.h"
#include "ui_win32/win32_split_ui.h"
#include "ui_win32/wingui/control.h"
#include "ui_win32/wingui/tree_view.h"
#include "ui_win32/wingui/window.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace parvola {

// Where the controls stand in the main window's client area, in pixels: the layout's twips at dpi, the
// controls inside a frame moved by the frame's place.
struct MainPixels {
    RECT fraSource, fraFSize, fraDest, cmdSplit, cmdCancel;
    RECT Dir, File1, Label1, lblSize, DestDir, cmdNewDir;
    std::array<RECT, 8> optFSize;
    RECT txtNum, lblPlan;
    RECT line; // the etched separator under the menu bar
};
MainPixels PlaceMain(const MainLayout& layout, UINT dpi);

// The program's main window: choose a file, a destination and a piece size, and split.
class frmMain final : public wingui::Window {
public:
    // endProgram ends the whole program at once; null closes this window and leaves the message loop.
    // fileDialogs choose the pieces to join; null: the system's.
    frmMain(SettingsStore& settings, Platform& platform, Shell& shell,
            std::function<void()> endProgram = nullptr, FileDialogs* fileDialogs = nullptr);
    ~frmMain() override;

    // Makes the window and its controls, hidden.
    bool Create();
    // Restores the remembered choices and preselects commandLine, a file path (empty for none).
    void Form_Load(const std::string& commandLine);
    // The index 0 to 7 of the chosen piece size.
    int currentSizeIndex() const { return m_sizeIndex; }

    void cmdSplit_Click();
    void cmdCancel_Click();
    void cmdNewDir_Click();
    void mnuPopUpExplore_Click();
    void mnuFileExit_Click();
    // Joins the pieces of a file chosen in a file chooser beside them, or where the user says when that
    // folder cannot take the joined file.
    void mnuFileJoin_Click();
    // Opens the help's index in the user's browser.
    void mnuHelpIndex_Click();
    void Dir_FolderClick(const std::string& path);
    void File1_Click();
    // A path dropped at a point of the client area: a file is chosen as a command-line one is, a folder
    // dropped on the destination tree becomes the destination.
    void Drop(const std::string& path, POINT at);

    wingui::TreeView& Dir() { return *m_dir; }
    wingui::TreeView& DestDir() { return *m_destDir; }
    FileList& File1() { return *m_file1; }
    wingui::Label& lblSize() { return *m_lblSize; }
    wingui::Label& lblPlan() { return *m_lblPlan; }
    wingui::RadioButton& optFSize(int index) { return *m_optFSize[static_cast<std::size_t>(index)]; }
    wingui::Edit& txtNum() { return *m_txtNum; }
    wingui::Button& cmdSplit() { return *m_cmdSplit; }
    wingui::Button& cmdCancel() { return *m_cmdCancel; }
    wingui::Button& cmdNewDir() { return *m_cmdNewDir; }
    const MainLayout& layout() const { return m_layout; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HMENU BuildMenus();
    void BuildControls();
    void optFSize_Click(int index);
    void txtNum_Change(bool byUser);
    // What a split of the chosen file would make with the chosen size, and where.
    void ShowPlan();
    // The chosen file in the list's folder; empty when none is chosen.
    std::string ChosenFilePath() const;
    void ShowPopUp();
    void ApplyLayout();
    // Opens both trees at the file's folder and chooses it; a path that names nothing changes nothing.
    void ChooseFile(const std::string& given);
    void SaveAndEnd(bool withPattern);
    // "Desktop" stands for the desktop folder wherever a command takes a tree's path.
    std::string ResolveDesktop(const std::string& path) const;
    std::string SelectedPath(wingui::TreeView& tree) const;

    SettingsStore& m_settings;
    Platform& m_platform;
    Shell& m_shell;
    std::function<void()> m_endProgram;
    SystemFileDialogs m_systemDialogs;
    FileDialogs& m_fileDialogs;
    Win32SplitUi m_ui{*this};
    // A split runs: the window paints and answers, but starts nothing and does not end.
    bool m_jobRunning = false;
    FolderTreeModel m_folders;
    MainLayout m_layout;
    int m_sizeIndex = 3;
    // The unit chosen last, which typing a number chooses again.
    int m_lastUnitIndex = -1;

    std::unique_ptr<wingui::EtchedLine> m_line;
    std::unique_ptr<wingui::GroupBox> m_fraSource, m_fraFSize, m_fraDest;
    std::unique_ptr<wingui::TreeView> m_dir, m_destDir;
    std::unique_ptr<FileList> m_file1;
    std::unique_ptr<wingui::Label> m_label1, m_lblSize, m_lblPlan;
    std::array<std::unique_ptr<wingui::RadioButton>, 8> m_optFSize;
    std::unique_ptr<wingui::Edit> m_txtNum;
    std::unique_ptr<wingui::Button> m_cmdNewDir, m_cmdSplit, m_cmdCancel;
};

} // namespace parvola
