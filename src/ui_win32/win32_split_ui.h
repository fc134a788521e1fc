// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "forms/progress_figures.h"
#include "ui_win32/result_ui.h"
#include "ui_win32/wingui/control.h"
#include "ui_win32/wingui/window.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace parvola {

// The split's progress, with Cancel. No close box: closing could not stop the split, only hide its
// progress.
class frmProgress final : public wingui::Window {
public:
    explicit frmProgress(std::atomic<bool>& cancelRequested) : m_cancelRequested(cancelRequested) {}
    bool Create(HWND owner);
    // The job the figures are of: a split of fileName (length bytes into pieces of pieceBytes), or a job
    // with no piece figures for an empty name.
    void Describe(const std::string& fileName, std::int64_t length, double pieceBytes);
    // Back to 0, with Cancel usable again and the clock of the figures started.
    void Restart();
    void SetValue(int value);
    wingui::ProgressBar& PBar() { return *m_bar; }
    wingui::Label& lblFile() { return *m_file; }
    wingui::Label& lblPiece() { return *m_piece; }
    wingui::Label& lblSpeed() { return *m_speed; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void cmdCancel_Click();
    void ShowFigures();

    std::atomic<bool>& m_cancelRequested;
    SteadyProgressClock m_clock;
    std::unique_ptr<ProgressFigures> m_figures = std::make_unique<ProgressFigures>(m_clock, 0, 0);
    std::unique_ptr<wingui::Label> m_label, m_file, m_piece, m_speed;
    std::unique_ptr<wingui::ProgressBar> m_bar;
    std::unique_ptr<wingui::Button> m_cancel;
};

// The split's questions, messages and progress as the system's own boxes, owned by the main window.
class Win32SplitUi final : public WindowBoxes {
public:
    explicit Win32SplitUi(wingui::Window& owner) : m_owner(owner) {}
    ~Win32SplitUi() override;

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override;
    void ShowProgress() override;
    void SetProgress(int value) override;
    void HideProgress() override;
    DiskChoice ShowDiskDialog() override;
    void ShowCopyProgress(const std::string& name, int percent) override;
    bool CancelRequested() override { return m_cancelRequested; }

    // What the progress window tells of the next job; see frmProgress::Describe.
    void DescribeJob(const std::string& fileName, std::int64_t length, double pieceBytes);
    bool ShowResult(const std::string& text) override;
    // Flashes the owner's taskbar entry and shows the first line of text in a balloon from the
    // notification area, whose icon goes again with the next box.
    void Notify(const std::string& text) override;

private:
    void RemoveNotice();

    wingui::Window& m_owner;
    bool m_noticeShown = false;
    std::atomic<bool> m_cancelRequested{false};
    // The disk dialog's choice, kept from one full disk to the next.
    DiskChoice m_diskChoice = DiskChoice::None;
    std::unique_ptr<frmProgress> m_progress;
    std::string m_fileName;
    std::int64_t m_length = 0;
    double m_pieceBytes = 0;
};

} // namespace parvola
