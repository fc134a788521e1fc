// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window does for the user: browsing the folders, making one, the split and join commands.
#include "engine/join_job.h"
#include "engine/piece_sizes.h"
#include "engine/setting_values.h"
#include "engine/split_job.h"
#include "engine/watched_file_system.h"
#include "forms/error_details.h"
#include "forms/join_command.h"
#include "forms/result_text.h"
#include "forms/split_command.h"
#include "forms/split_plan.h"
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

#include <chrono>
#include <functional>
#include <iterator>

namespace parvola {

namespace {

// The split's side of the window's boxes: "Completed splitting files." gains the line of what was made
// and where, and the "Open Folder" button; the end of a long job is told on the desktop when the user
// looks elsewhere. Everything else goes to the boxes as it is.
class ResultUi final : public SplitUi {
public:
    ResultUi(WindowDialogs& dialogs, const FailureLog& failures, std::string resultLine,
             std::function<bool()> windowActive, std::function<void()> openFolder)
        : m_dialogs(dialogs), m_failures(failures), m_resultLine(std::move(resultLine)),
          m_windowActive(std::move(windowActive)), m_openFolder(std::move(openFolder)),
          m_start(std::chrono::steady_clock::now()) {}

    void ShowMessage(const std::string& text, MessageIcon icon) override {
        if (text != kCompletedMessage) {
            return m_dialogs.ShowMessage(WithFailureNamed(text, m_failures), icon);
        }
        const std::string result = text + "\r\n" + m_resultLine;
        notifyIfAway(result);
        if (m_dialogs.ShowResult(result)) {
            m_openFolder();
        }
    }
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override {
        return m_dialogs.AskYesNo(WithFailureNamed(text, m_failures), icon, defaultAnswer);
    }
    void ShowProgress() override { m_dialogs.ShowProgress(); }
    void SetProgress(int value) override { m_dialogs.SetProgress(value); }
    void HideProgress() override { m_dialogs.HideProgress(); }
    DiskChoice ShowDiskDialog() override { return m_dialogs.ShowDiskDialog(); }
    void ShowCopyProgress(const std::string& name, int percent) override {
        m_dialogs.ShowCopyProgress(name, percent);
    }
    bool CancelRequested() override { return m_dialogs.CancelRequested(); }

    void notifyIfAway(const std::string& text) {
        if (NotifiesAtEnd(m_windowActive(), std::chrono::steady_clock::now() - m_start)) {
            m_dialogs.Notify(text);
        }
    }

private:
    WindowDialogs& m_dialogs;
    // Each box names the latest failure of its kind, as the job noted it.
    const FailureLog& m_failures;
    const std::string m_resultLine;
    const std::function<bool()> m_windowActive;
    const std::function<void()> m_openFolder;
    const std::chrono::steady_clock::time_point m_start;
};

} // namespace

void frmMain::optFSize_Click(int index) {
    m_sizeIndex = index;
    if (index >= static_cast<int>(std::size(kFixedPieceSizes))) {
        m_lastUnitIndex = index;
    }
    m_settings.WriteSetting(SettingName::OptIdx, std::to_string(index));
}

void frmMain::txtNum_Change() {
    const int index = SizeIndexAfterTyping(m_sizeIndex, m_lastUnitIndex);
    if (index != m_sizeIndex) {
        m_optFSize[index]->setChecked(true);
        optFSize_Click(index);
    }
}

QString frmMain::chosenFilePath() const {
    if (m_file1->fileName().isEmpty()) {
        return {};
    }
    const QString folder = m_dir->selectedPath();
    if (folder == "Desktop" || folder == "My Computer") {
        return m_dir->specialFolder(kDesktopDirectory) + '/' + m_file1->fileName();
    }
    return QString::fromStdString(JoinPath(Std(folder), Std(m_file1->fileName())));
}

void frmMain::showPlan() {
    if (!m_lblPlan) {
        return; // a size toggled while the window is still being built
    }
    const QString path = chosenFilePath();
    const auto length = path.isEmpty() ? std::nullopt : m_platform.files.FileLength(Std(path));
    const QString dest = resolveDesktop(m_destDir->selectedPath());
    const std::string plan =
        PlanText(length, ChosenPieceBytes(Std(m_optFSize[m_sizeIndex]->text()), Std(m_txtNum->text())),
                 dest.contains('/') ? ShownFolder(Std(dest), m_platform.paths.HomeFolder()) : Std(dest));
    m_lblPlan->setText(QString::fromStdString(plan));
    m_lblPlan->setToolTip(m_lblPlan->text());
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
    // The list was filled anew, with no file chosen.
    showPlan();
}

void frmMain::File1_Click() {
    const QString path = chosenFilePath();
    if (const auto length = m_platform.files.FileLength(Std(path))) {
        m_lblSize->setText(QString::number(*length / 1024) + " KB");
    }
    showPlan();
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
        if (focusWidget() == tree && pointed.contains('/') && !m_shell.OpenFolder(Std(pointed))) {
            m_dialogs.ShowMessage(NoFileManagerText(Std(pointed)), MessageIcon::Exclamation);
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
    if (!dest.startsWith('/')) {
        return m_dialogs.ShowMessage("Error: Can not create directory.", MessageIcon::Exclamation);
    }
    const std::string folder = JoinPath(Std(dest), name);
    if (const auto error = m_platform.files.MakeFolder(folder)) {
        m_dialogs.ShowMessage("Error: Can not create directory.\r\n" + FolderFailure(folder, *error),
                              MessageIcon::Exclamation);
    }
}

void frmMain::cmdSplit_Click() {
    // The window keeps processing events while a split runs; a second press must not start another.
    if (m_jobRunning) {
        return;
    }
    const QString source = resolveDesktop(m_dir->selectedPath());
    const QString dest = resolveDesktop(m_destDir->selectedPath());
    const SplitChoice choice{Std(source), Std(dest), Std(m_file1->fileName()),
                             Std(m_optFSize[m_sizeIndex]->text()), Std(m_txtNum->text())};
    const SplitStep step = CheckSplitChoice(choice);
    if (!step.refusal.empty()) {
        return m_dialogs.ShowMessage(step.refusal, step.icon);
    }
    if (step.question.empty()) {
        return;
    }
    // A file deleted since it was listed would otherwise be called too small to split.
    const QString path = chosenFilePath();
    const auto length = m_platform.files.FileLength(Std(path));
    if (!length) {
        m_file1->refresh();
        showPlan();
        return m_dialogs.ShowMessage(MissingFileText(Std(path)), MessageIcon::Exclamation);
    }
    const double pieceSize = step.pieceBytes;
    if (auto refusal = RoomRefusal(m_platform.drives, Std(dest), *length, pieceSize)) {
        return m_dialogs.ShowMessage(*refusal, MessageIcon::Critical);
    }
    showPlan();
    if (!m_dialogs.AskYesNo(QuestionWithPlan(step.question, Std(m_lblPlan->text())), step.icon,
                            DefaultAnswer::Yes)) {
        return;
    }

    SplitRequest request{JoinPath(Std(source), Std(m_file1->fileName())), Std(dest), pieceSize};
    m_dialogs.DescribeJob(Std(m_file1->fileName()), *length, pieceSize);
    const std::string shownDest = ShownFolder(Std(dest), m_platform.paths.HomeFolder());
    const auto pieceBytes = static_cast<std::int64_t>(pieceSize);
    WatchedPlatform watched(m_platform);
    ResultUi ui(
        m_dialogs, watched.failures,
        ResultText((*length + pieceBytes - 1) / pieceBytes, ReadReadmeWanted(m_settings, false),
                   ReadChecksumWanted(m_settings), shownDest),
        [this] { return isActiveWindow(); },
        [this, folder = Std(dest)] { OpenFolderOrTell(m_platform.files, m_shell, m_dialogs, folder); });
    const bool removable =
        m_platform.drives.TypeOf(m_platform.drives.DriveOf(Std(dest) + "/")) == DriveType::Removable;
    m_jobRunning = true;
    const SplitOutcome outcome = SplitInBackground(request, ui, m_settings, watched.platform);
    m_jobRunning = false;
    if (outcome == SplitOutcome::Cancelled) {
        const std::string text = CancelledText(Std(m_file1->fileName()), shownDest, removable);
        ui.notifyIfAway(text);
        m_dialogs.ShowMessage(text, MessageIcon::Information);
    }
}

void frmMain::mnuFileJoin_Click() {
    if (m_jobRunning) {
        return;
    }
    const QString start = resolveDesktop(m_dir->selectedPath());
    const std::string piece = m_dialogs.ChooseFile("Join Pieces", start.contains('/') ? Std(start) : "",
                                                   "Pieces and batch files (*.001 *.bat);;All files (*)");
    const auto request = JoinForChosenPiece(m_platform.files, piece, m_dialogs, [this] {
        const QString other = resolveDesktop(m_destDir->selectedPath());
        return m_dialogs.ChooseFolder("Folder for the Joined File", other.contains('/') ? Std(other) : "");
    });
    if (!request) {
        return;
    }
    m_dialogs.DescribeJob({}, 0, 0);
    WatchedPlatform watched(m_platform);
    ResultUi ui(
        m_dialogs, watched.failures, {}, [this] { return isActiveWindow(); }, [] {});
    m_jobRunning = true;
    JoinInBackground(*request, ui, watched.platform);
    m_jobRunning = false;
}

} // namespace parvola
