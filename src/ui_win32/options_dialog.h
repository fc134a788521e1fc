// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"
#include "ui_win32/file_list.h"
#include "ui_win32/wingui/control.h"
#include "ui_win32/wingui/window.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace parvola {

// The options the split reads from the settings, and the file list's pattern for this run, on four pages.
class frmOptions final : public wingui::Window {
public:
    // Shows the dialog modally over owner; OK stores what it shows, Cancel and the close box nothing.
    // onHelp opens the help.
    static void Show(wingui::Window& owner, SettingsStore& settings, FileList& fileList,
                     std::function<void()> onHelp);

protected:
    bool OnKeyDown(WPARAM key) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    frmOptions(SettingsStore& settings, FileList& fileList, std::function<void()> onHelp)
        : m_settings(settings), m_fileList(fileList), m_onHelp(std::move(onHelp)) {}
    bool Create(HWND owner);
    void cmdOK_Click();
    void End();

    SettingsStore& m_settings;
    FileList& m_fileList;
    std::function<void()> m_onHelp;
    bool m_ended = false;
    std::unique_ptr<wingui::TabControl> m_tab;
    std::vector<std::unique_ptr<wingui::Control>> m_decor; // frames and notes
    std::unique_ptr<wingui::Edit> m_txtNewMask;
    std::unique_ptr<wingui::CheckBox> m_chkSaveDestDir, m_chkEightdotThree, m_chkChecksum;
    std::array<std::vector<std::unique_ptr<wingui::RadioButton>>, 3> m_groups;
    std::unique_ptr<wingui::Button> m_cmdReset, m_cmdHelp, m_cmdOK, m_cmdCancel;
};

} // namespace parvola
