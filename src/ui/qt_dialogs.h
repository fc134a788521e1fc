// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "ui/disk_dialog.h"
#include "ui/progress_window.h"

#include <QPointer>

#include <atomic>
#include <cstdint>
#include <string>

class QProgressDialog;
class QSystemTrayIcon;
class QWidget;

namespace parvola {

// The boxes the main window itself needs, beyond those of the split job.
class WindowDialogs : public SplitUi {
public:
    // A modal box with the prompt, an empty text field, OK and Cancel; the text typed, empty on Cancel.
    virtual std::string InputBox(const std::string& prompt) = 0;
    // A modal file chooser showing folder and the files filter takes ("Pieces (*.001);;All files (*)");
    // the path chosen, empty on Cancel.
    virtual std::string ChooseFile(const std::string& caption, const std::string& folder,
                                   const std::string& filter) = 0;
    // A modal folder chooser starting at folder; the folder chosen, empty on Cancel.
    virtual std::string ChooseFolder(const std::string& caption, const std::string& folder) = 0;
    // What the progress window tells of the job that starts next: the file split, its length and the piece
    // size; an empty name for a job without pieces.
    // The box that tells a completed job, with OK and "Open Folder"; true when the folder is asked for.
    virtual bool ShowResult(const std::string& text) {
        return ShowMessage(text, MessageIcon::Information), false;
    }
    // Tells text on the desktop, outside the program's windows, where the desktop can.
    virtual void Notify(const std::string& text) { (void)text; }
    virtual void DescribeJob(const std::string& fileName, std::int64_t length, double pieceBytes) {
        (void)fileName, (void)length, (void)pieceBytes;
    }
};

// Message boxes, questions, the input box, the progress window, the disk dialog and the progress of a copy
// onto a disk as Qt dialogs owned by the main window; all but the disk dialog are captioned "Parvola".
class QtDialogs final : public WindowDialogs {
public:
    explicit QtDialogs(QWidget* owner);
    ~QtDialogs() override;

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override;
    void ShowProgress() override;
    void SetProgress(int value) override;
    void HideProgress() override;
    std::string InputBox(const std::string& prompt) override;
    std::string ChooseFile(const std::string& caption, const std::string& folder,
                           const std::string& filter) override;
    std::string ChooseFolder(const std::string& caption, const std::string& folder) override;
    DiskChoice ShowDiskDialog() override;
    void DescribeJob(const std::string& fileName, std::int64_t length, double pieceBytes) override;
    bool ShowResult(const std::string& text) override;
    void Notify(const std::string& text) override;
    void ShowCopyProgress(const std::string& name, int percent) override;
    // The progress window's Cancel was pressed during this split; safe from any thread.
    bool CancelRequested() override { return m_cancelRequested; }

    // The progress window once it was first shown; null before.
    frmProgress* progressWindow() const { return m_progress; }

private:
    frmProgress& progress();

    QWidget* m_owner;
    QPointer<frmProgress> m_progress;
    // Made at the first copy and kept hidden between copies.
    QPointer<QProgressDialog> m_copyProgress;
    // Made at the first notification: the desktop's notices go through a tray icon.
    QPointer<QSystemTrayIcon> m_tray;
    // Kept hidden between showings, so its options stay as left, until the close box discards it.
    QPointer<frmDisk> m_disk;
    // Lasts for the whole run: a fresh dialog starts with no option checked but leaves the choice alone.
    DiskChoice m_diskChoice = DiskChoice::None;
    std::atomic<bool> m_cancelRequested{false};
};

} // namespace parvola
