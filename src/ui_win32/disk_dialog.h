// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "ui_win32/wingui/control.h"
#include "ui_win32/wingui/window.h"

#include <array>
#include <memory>

namespace parvola {

// A removable disk is full: a new disk, formatting this one, or an end to the split.
class frmDisk final : public wingui::Window {
public:
    // Shows the dialog modally over owner. An option the user picks sets choice; Cancel and the close box
    // set it to Cancel, OK leaves it as it is.
    static void Ask(wingui::Window& owner, DiskChoice& choice);

    wingui::RadioButton& opt(int index) { return *m_options[static_cast<std::size_t>(index)]; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    explicit frmDisk(DiskChoice& choice) : m_choice(choice) {}
    bool Create(HWND owner);
    void End();

    DiskChoice& m_choice;
    bool m_ended = false;
    HWND m_image = nullptr;
    std::unique_ptr<wingui::Label> m_explanation, m_prompt;
    std::array<std::unique_ptr<wingui::RadioButton>, 4> m_options;
    std::unique_ptr<wingui::Button> m_cancel, m_ok;
};

} // namespace parvola
