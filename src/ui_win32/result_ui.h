// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"

#include <chrono>
#include <functional>
#include <string>

namespace parvola {

class FailureLog;

// The window's boxes beyond those of the split job.
class WindowBoxes : public SplitUi {
public:
    // The box of a completed job, with "Open Folder" beside OK; whether the user chose it.
    virtual bool ShowResult(const std::string& text) = 0;
    // Tells text on the desktop, outside the program's windows, where the desktop can.
    virtual void Notify(const std::string& text) = 0;
};

// A job's side of the window's boxes: "Completed splitting files." gains the line of what was made and
// where, and "Open Folder"; the end of a long job is told on the desktop when the user looks elsewhere; the
// other boxes name the failure the job noted, where it tells one.
class ResultUi final : public SplitUi {
public:
    ResultUi(WindowBoxes& boxes, const FailureLog& failures, std::string resultLine,
             std::function<bool()> windowActive, std::function<void()> openFolder,
             std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now())
        : m_boxes(boxes), m_failures(failures), m_resultLine(std::move(resultLine)),
          m_windowActive(std::move(windowActive)), m_openFolder(std::move(openFolder)), m_start(start) {}

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override;
    void ShowProgress() override { m_boxes.ShowProgress(); }
    void SetProgress(int value) override { m_boxes.SetProgress(value); }
    void HideProgress() override { m_boxes.HideProgress(); }
    DiskChoice ShowDiskDialog() override { return m_boxes.ShowDiskDialog(); }
    void ShowCopyProgress(const std::string& name, int percent) override {
        m_boxes.ShowCopyProgress(name, percent);
    }
    bool CancelRequested() override { return m_boxes.CancelRequested(); }

    // Tells text on the desktop too when the job took long and the window is not the active one.
    void NotifyIfAway(const std::string& text);

private:
    WindowBoxes& m_boxes;
    const FailureLog& m_failures;
    const std::string m_resultLine;
    const std::function<bool()> m_windowActive;
    const std::function<void()> m_openFolder;
    const std::chrono::steady_clock::time_point m_start;
};

} // namespace parvola
