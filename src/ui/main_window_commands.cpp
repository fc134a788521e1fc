// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window does for the user: browsing the folders, making one, the split and join commands.
#include "engine/join_job.h"
#include "engine/piece_sizes.h"
#include "engine/setting_values.h"
#include "engine/split_job.h"
#include "platform/path_text.h"
#include "ui/file_list.h"
#include "ui/folder_tree.h"
#include "ui/main_window.h"
#include "ui/main_window_parts.h"
#include "ui/qt_dialogs.h"
#include "ui/split_runner.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

namespace parvola {

void frmMain::optFSize_Click(int index) {
    m_sizeIndex = index;
    m_settings.WriteSetting(SettingName::OptIdx, std::to_string(index));
}

QString frmMain::resolveDesktop(const QString& path) const {
    return path == "Desktop" ? m_dir->specialFolder(kDesktopDirectory) : path;
}

void frmMain::Dir_FolderClick(const FolderInfo& folder) {
    // The shell folders are no paths: as relative ones they would name folders in the working folder.
    bool failed = !folder.path.startsWith('/') || !m_file1->setPath(folder.path);
    if (folder.path == "Desktop") {
        failed = !m_file1->setPath(folder.fileSystemPath);
    }
    if (folder.path == "My Computer") {
        failed = !m_file1->setPath(folder.parentFileSystemPath);
    }
    // The mark of an unlistable folder is no pattern of the user's: Close stores the one it replaced.
    if (failed && m_file1->pattern() != kEmptyListPattern) {
        m_patternBeforeMark = m_file1->pattern();
    }
    m_file1->setPattern(failed ? kEmptyListPattern : QStringLiteral("*.*"));
}

void frmMain::File1_Click() {
    const QString folder = m_dir->selectedPath();
    QString path;
    if (folder == "Desktop" || folder == "My Computer") {
        path = m_dir->specialFolder(kDesktopDirectory) + '/' + m_file1->fileName();
    } else {
        path = QString::fromStdString(JoinPath(Std(folder), Std(m_file1->fileName())));
    }
    if (const auto length = m_platform.files.FileLength(Std(path))) {
        m_lblSize->setText(QString::number(*length / 1024) + " KB");
    }
}

void frmMain::showPopUp() {
    m_mnuPopUp->popup(QCursor::pos());
}

void frmMain::mnuPopUpExplore_Click() {
    const QString dest = resolveDesktop(m_destDir->selectedPath());
    const QString source = resolveDesktop(m_dir->selectedPath());
    if (!dest.contains('/') || !source.contains('/')) {
        m_dialogs.ShowMessage("Folder selected for exploring not recognized.", MessageIcon::Information);
        return;
    }
    // The folder the popup was opened on, which a right click points at without choosing it.
    for (FolderTree* tree : {m_dir, m_destDir}) {
        const QString pointed = resolveDesktop(tree->pointedPath());
        if (focusWidget() == tree && pointed.contains('/')) {
            m_shell.OpenFolder(Std(pointed));
        }
    }
}

void frmMain::cmdNewDir_Click() {
    if (m_destDir->selectedPath() == "Desktop") {
        m_destDir->setSelectedPath(m_destDir->specialFolder(kDesktopDirectory));
    }
    const QString dest = m_destDir->selectedPath();
    const std::string name = m_dialogs.InputBox("Enter name of new folder to create in:\r\n" + Std(dest));
    if (name.empty()) {
        return;
    }
    // "My Computer" is no folder: a relative path would land in the program's working folder.
    const bool made = dest.startsWith('/') && !m_platform.files.MakeFolder(JoinPath(Std(dest), name));
    if (!made) {
        m_dialogs.ShowMessage("Error: Can not create directory.", MessageIcon::Exclamation);
    }
}

void frmMain::cmdSplit_Click() {
    // The window keeps processing events while a split runs; a second press must not start another.
    if (m_jobRunning) {
        return;
    }
    const QString source = resolveDesktop(m_dir->selectedPath());
    const QString dest = resolveDesktop(m_destDir->selectedPath());
    if (!dest.contains('/')) {
        return m_dialogs.ShowMessage("Folder selected for output not recognized.", MessageIcon::Information);
    }
    if (!source.contains('/')) {
        return m_dialogs.ShowMessage("Folder selected for input not recognized.", MessageIcon::Information);
    }
    if (m_file1->fileName().isEmpty()) {
        return m_dialogs.ShowMessage("You must select a file to split.", MessageIcon::Critical);
    }

    const QString caption = m_optFSize[m_sizeIndex]->text();
    double pieceSize = 0;
    for (const auto& fixed : kFixedPieceSizes) {
        if (caption == fixed.caption) {
            if (!m_dialogs.AskYesNo(fixed.question, MessageIcon::Information, DefaultAnswer::Yes)) {
                return;
            }
            pieceSize = fixed.bytes;
        }
    }
    for (const char* unitCaption : kCustomSizeUnits) {
        if (caption != unitCaption) {
            continue;
        }
        const std::string number = Std(m_txtNum->text());
        const char unit = unitCaption[0];
        const auto bytes = PieceBytes(number, unit);
        if (!bytes) {
            return m_dialogs.ShowMessage("Please enter the piece size as a whole number of at least 1.",
                                         MessageIcon::Exclamation);
        }
        if (!m_dialogs.AskYesNo(CustomSizeQuestion(number, unit), MessageIcon::Information,
                                DefaultAnswer::Yes)) {
            return;
        }
        pieceSize = *bytes;
    }
    if (pieceSize < 1) {
        return;
    }

    SplitRequest request{JoinPath(Std(source), Std(m_file1->fileName())), Std(dest), pieceSize};
    m_jobRunning = true;
    SplitInBackground(request, m_dialogs, m_settings, m_platform);
    m_jobRunning = false;
}

void frmMain::mnuFileJoin_Click() {
    if (m_jobRunning) {
        return;
    }
    const QString start = resolveDesktop(m_dir->selectedPath());
    const std::string piece = m_dialogs.ChooseFile("Join Pieces", start.contains('/') ? Std(start) : "",
                                                   "Pieces and batch files (*.001 *.bat);;All files (*)");
    if (piece.empty()) {
        return;
    }
    std::string dest = ParentFolder(piece);
    if (TryWriteIn(m_platform.files, dest)) {
        m_dialogs.ShowMessage("The joined file cannot be written into " + dest +
                                  ".  Please choose another folder for it.",
                              MessageIcon::Information);
        const QString other = resolveDesktop(m_destDir->selectedPath());
        dest = m_dialogs.ChooseFolder("Folder for the Joined File", other.contains('/') ? Std(other) : "");
        if (dest.empty()) {
            return;
        }
    }
    m_jobRunning = true;
    JoinInBackground(JoinRequest{piece, dest, ReplaceExisting::Ask, false, false, UncheckedJoin::Ask},
                     m_dialogs, m_platform);
    m_jobRunning = false;
}

} // namespace parvola
