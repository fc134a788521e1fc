// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "ui_win32/wingui/control.h"
#include "ui_win32/wingui/window.h"

#include <atomic>
#include <memory>

namespace parvola {

// The split's progress, with Cancel. No close box: closing could not stop the split, only hide its
// progress.
class frmProgress final : public wingui::Window {
public:
    explicit frmProgress(std::atomic<bool>& cancelRequested) : m_cancelRequested(cancelRequested) {}
    bool Create(HWND owner);
    // Back to 0, with Cancel usable again.
    void Restart();
    void SetValue(int value);
    wingui::ProgressBar& PBar() { return *m_bar; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void cmdCancel_Click();

    std::atomic<bool>& m_cancelRequested;
    std::unique_ptr<wingui::Label> m_label;
    std::unique_ptr<wingui::ProgressBar> m_bar;
    std::unique_ptr<wingui::Button> m_cancel;
};

// The split's questions, messages and progress as the system's own boxes, owned by the main window.
class Win32SplitUi final : public SplitUi {
public:
    explicit Win32SplitUi(wingui::Window& owner) : m_owner(owner) {}

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override;
    void ShowProgress() override;
    void SetProgress(int value) override;
    void HideProgress() override;
    // The disk dialog is not built yet: a split onto removable disks that needs another disk stops.
    DiskChoice ShowDiskDialog() override { return DiskChoice::Cancel; }
    void ShowCopyProgress(const std::string& name, int percent) override;
    bool CancelRequested() override { return m_cancelRequested; }

private:
    wingui::Window& m_owner;
    std::atomic<bool> m_cancelRequested{false};
    std::unique_ptr<frmProgress> m_progress;
};

} // namespace parvola
