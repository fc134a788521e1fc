// SPDX-License-Identifier: GPL-3.0-or-later
// File > Join Pieces: the pieces of a split joined again, as the join program would, with this window's
// boxes.
#include "ui_win32/main_window.h"
// The file system's method of that name, not the entry point windows.h makes of it.
#undef DeleteFile

#include "engine/join_job.h"
#include "engine/watched_file_system.h"
#include "forms/join_command.h"
#include "ui_win32/result_ui.h"
#include "ui_win32/split_runner.h"

namespace parvola {

void frmMain::mnuFileJoin_Click() {
    if (m_jobRunning) {
        return;
    }
    // The choosers open at the trees' folders; "My Computer" is no folder.
    const auto folderOf = [this](wingui::TreeView& tree) {
        const std::string path = ResolveDesktop(SelectedPath(tree));
        return path.find('\\') != std::string::npos ? path : std::string();
    };
    const std::string piece = m_fileDialogs.ChooseFile(hwnd(), "Join Pieces", folderOf(*m_dir));
    const auto request = JoinForChosenPiece(m_platform.files, piece, m_ui, [&] {
        return m_fileDialogs.ChooseFolder(hwnd(), "Folder for the Joined File", folderOf(*m_destDir));
    });
    if (!request) {
        return;
    }
    m_ui.DescribeJob({}, 0, 0);
    WatchedPlatform watched(m_platform);
    ResultUi ui(
        m_ui, watched.failures, {}, [this] { return GetActiveWindow() == hwnd(); }, [] {});
    m_jobRunning = true;
    RunInBackground(*this, ui, [&](SplitUi& relayed) { JoinPieces(*request, relayed, watched.platform); });
    m_jobRunning = false;
    m_file1->Refresh();
    ShowPlan();
}

} // namespace parvola
