// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/options_dialog.h"

#include "engine/setting_values.h"
#include "forms/shown_options.h"

namespace parvola {

namespace {

// One group of options: its frame, its note, its stored name, the captions of its buttons, and the option
// that shows what the split will do with the stored value.
struct OptionGroup {
    const char* frame;
    const char* note;
    const char* name;
    std::vector<const char*> captions;
    int (*shown)(SettingsStore&);
};

const OptionGroup kGroups[3] = {
    {"Cleanup",
     "After splitting a file, the following action will be taken on the source file:",
     SettingName::OptClean,
     {"&Automatically delete the source file", "&Prompt me to delete the source file",
      "Do&n't delete the source file"},
     [](SettingsStore& settings) { return ShownCleanupIndex(settings); }},
    {"Readme",
     "A Readme file is included on the disks to make rejoining them easier.",
     SettingName::OptReadme,
     {"&Include the Readme file", "Do&n't include the Readme file"},
     [](SettingsStore& settings) { return ReadReadmeWanted(settings, false) ? 0 : 1; }},
    {"Disk Labels",
     "Parvola can automatically label disks for you if you are splitting to disks.",
     SettingName::OptLabel,
     {"&Label them", "D&on't label them"},
     [](SettingsStore& settings) { return ReadLabelWanted(settings) ? 0 : 1; }},
};

// The dialog's client area, in twips.
constexpr double kWidth = 6600;
constexpr double kHeight = 3420;
constexpr double kMargin = 180;
constexpr double kLine = 270;

} // namespace

void frmOptions::Show(wingui::Window& owner, SettingsStore& settings, FileList& fileList,
                      std::function<void()> onHelp) {
    frmOptions dialog(settings, fileList, std::move(onHelp));
    if (!dialog.Create(owner.hwnd())) {
        return;
    }
    ShowWindow(dialog.hwnd(), SW_SHOW);
    dialog.m_txtNewMask->Focus();
    wingui::RunModal(owner, dialog, [&dialog] { return dialog.m_ended; });
}

bool frmOptions::Create(HWND owner) {
    using namespace wingui;
    if (!Window::Create(
            {"Parvola Options", kWidth, kHeight, nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU, owner})) {
        return false;
    }
    const double buttonsTop = kHeight - kMargin - 375;
    m_tab = std::make_unique<TabControl>(*this,
                                         TabControlArgs{{"&General", "C&leanup", "&Readme", "&Disk Labels"}});
    const int tabTop = TwipsToPixels(90);
    m_tab->SetBounds({TwipsToPixels(kMargin), tabTop, TwipsToPixels(kWidth - kMargin),
                      tabTop + TwipsToPixels(buttonsTop - 150 - 90)});
    // Each page's controls in twips from the page's top left corner.
    const RECT area = m_tab->PageArea();
    const double pageWidth = (area.right - area.left) * kTwipsPerInch / Dpi();
    const auto place = [this, &area](int page, Control& control, double left, double top, double width,
                                     double height) {
        Place(control, left, top, width, height, {area.left, area.top});
        m_tab->Add(page, control);
    };
    const double frameWidth = pageWidth - 2 * kMargin;
    const double inner = kMargin + 150;
    const double innerWidth = frameWidth - 300;
    // Made in the order Tab visits them; frames and notes take no focus.
    auto& general = *m_decor.emplace_back(std::make_unique<GroupBox>(*this, GroupBoxArgs{"General"}));
    place(0, general, kMargin, 90, frameWidth, 1560);
    // Its access key moves the focus to the box made right after it.
    auto& label1 = *m_decor.emplace_back(std::make_unique<Label>(*this, LabelArgs{"File &Mask:", true}));
    place(0, label1, inner, 390, 960, kLine);
    m_txtNewMask = std::make_unique<Edit>(*this, EditArgs{m_fileList.Pattern(), true, nullptr, nullptr});
    place(0, *m_txtNewMask, inner + 960, 345, innerWidth - 960 - 1215 - 120, 315);
    m_cmdReset = std::make_unique<Button>(
        *this, ButtonArgs{"R&eset", 0, false, [this] { m_txtNewMask->SetText("*.*"); }});
    place(0, *m_cmdReset, inner + innerWidth - 1215, 330, 1215, 345);
    m_chkSaveDestDir = std::make_unique<CheckBox>(*this, CheckBoxArgs{"&Save Destination Directory"});
    m_chkEightdotThree = std::make_unique<CheckBox>(*this, CheckBoxArgs{"&Use 8.3 file names"});
    m_chkChecksum = std::make_unique<CheckBox>(*this, CheckBoxArgs{"Write SHA-256 chec&ksums"});
    double top = 750;
    for (CheckBox* check : {m_chkSaveDestDir.get(), m_chkEightdotThree.get(), m_chkChecksum.get()}) {
        place(0, *check, inner, top, innerWidth, kLine);
        top += 270;
    }
    m_chkSaveDestDir->SetChecked(ReadCheck(m_settings, SettingName::ChkSaveDestDir));
    m_chkEightdotThree->SetChecked(ReadCheck(m_settings, SettingName::Chk83));
    m_chkChecksum->SetChecked(ReadChecksumWanted(m_settings));

    for (std::size_t g = 0; g < std::size(kGroups); ++g) {
        const OptionGroup& group = kGroups[g];
        const int page = static_cast<int>(g) + 1;
        auto& frame = *m_decor.emplace_back(std::make_unique<GroupBox>(*this, GroupBoxArgs{group.frame}));
        place(page, frame, kMargin, 90, frameWidth, 1020 + 270 * static_cast<double>(group.captions.size()));
        auto& note = *m_decor.emplace_back(std::make_unique<Label>(*this, LabelArgs{group.note}));
        place(page, note, inner, 360, innerWidth, 2 * kLine);
        for (std::size_t i = 0; i < group.captions.size(); ++i) {
            auto& option = *m_groups[g].emplace_back(
                std::make_unique<RadioButton>(*this, RadioButtonArgs{group.captions[i], i == 0, nullptr}));
            place(page, option, inner + 120, 930 + 270 * static_cast<double>(i), innerWidth - 120, kLine);
        }
        m_groups[g][static_cast<std::size_t>(group.shown(m_settings))]->SetChecked(true);
    }

    const auto placeButton = [this](Control& control, double left) {
        const int x = TwipsToPixels(left);
        const int y = TwipsToPixels(kHeight - kMargin - 375);
        control.SetBounds({x, y, x + TwipsToPixels(1215), y + TwipsToPixels(375)});
    };
    m_cmdHelp = std::make_unique<Button>(*this, ButtonArgs{"&Help", 0, false, [this] {
                                                               if (m_onHelp) {
                                                                   m_onHelp();
                                                               }
                                                           }});
    placeButton(*m_cmdHelp, kMargin);
    m_cmdOK = std::make_unique<Button>(*this, ButtonArgs{"&OK", IDOK, true, [this] { cmdOK_Click(); }});
    placeButton(*m_cmdOK, kWidth - kMargin - 2 * 1215 - 120);
    m_cmdCancel = std::make_unique<Button>(*this, ButtonArgs{"Can&cel", IDCANCEL, false, [this] { End(); }});
    placeButton(*m_cmdCancel, kWidth - kMargin - 1215);
    // The frames beneath their controls and the tabs beneath all, which Tab then visits last.
    for (const auto& decor : m_decor) {
        if (auto* frame = dynamic_cast<GroupBox*>(decor.get())) {
            frame->SendToBack();
        }
    }
    m_tab->SendToBack();
    wingui::CenterOver(hwnd(), owner);
    return true;
}

bool frmOptions::OnKeyDown(WPARAM key) {
    if (key == VK_TAB && GetKeyState(VK_CONTROL) < 0) { // Ctrl+Tab the next page, with Shift the one before
        constexpr int pages = 1 + static_cast<int>(std::size(kGroups));
        m_tab->Select((m_tab->Selected() + (GetKeyState(VK_SHIFT) < 0 ? pages - 1 : 1)) % pages);
        return true;
    }
    if (GetKeyState(VK_MENU) < 0 && m_tab->TakeAccessKey(key)) { // Alt and a page's access key
        return true;
    }
    return Window::OnKeyDown(key);
}

void frmOptions::cmdOK_Click() {
    // The pattern applies to this session's list only; an empty box keeps the one in use.
    const std::string pattern = m_txtNewMask->Text();
    if (!pattern.empty()) {
        m_fileList.SetPattern(pattern);
    }
    m_settings.WriteSetting(SettingName::ChkSaveDestDir, m_chkSaveDestDir->Checked() ? "1" : "0");
    m_settings.WriteSetting(SettingName::Chk83, m_chkEightdotThree->Checked() ? "1" : "0");
    m_settings.WriteSetting(SettingName::OptChecksum, m_chkChecksum->Checked() ? "1" : "0");
    for (std::size_t g = 0; g < std::size(kGroups); ++g) {
        for (std::size_t i = 0; i < m_groups[g].size(); ++i) {
            if (m_groups[g][i]->Checked()) {
                m_settings.WriteSetting(kGroups[g].name, std::to_string(i));
            }
        }
    }
    End();
}

void frmOptions::End() {
    m_ended = true;
    ShowWindow(hwnd(), SW_HIDE);
}

LRESULT frmOptions::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        End(); // the close box is Cancel
        return 0;
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    default:
        return Window::OnMessage(message, wParam, lParam);
    }
}

} // namespace parvola
