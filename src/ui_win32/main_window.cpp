// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/main_window.h"
// The file system's method of that name, not the entry point windows.h makes of it.
#undef DeleteFile

#include "engine/piece_sizes.h"
#include "engine/setting_values.h"
#include "engine/split_job.h"
#include "engine/split_ui.h"
#include "engine/watched_file_system.h"
#include "forms/dropped_path.h"
#include "forms/main_choices.h"
#include "forms/result_text.h"
#include "forms/split_command.h"
#include "forms/split_plan.h"
#include "forms/window_place.h"
#include "platform/path_text.h"
#include "ui_win32/about_box.h"
#include "ui_win32/input_box.h"
#include "ui_win32/options_dialog.h"
#include "ui_win32/result_ui.h"
#include "ui_win32/split_runner.h"
#include "ui_win32/wingui/text.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

namespace parvola {

namespace {

using wingui::Narrow;
using wingui::Wide;

enum MenuId : int {
    mnuFileOptions = 101,
    mnuFileExit,
    mnuHelpIndex,
    mnuHelpAbout,
    mnuPopUpExplore,
    mnuFileJoin
};

// Each length rounded by itself, as a control placed in twips lands on whole pixels.
RECT Pixels(const TwipRect& rect, UINT dpi, POINT origin = {0, 0}) {
    const int left = origin.x + wingui::TwipsToPixels(rect.left, dpi);
    const int top = origin.y + wingui::TwipsToPixels(rect.top, dpi);
    return {left, top, left + wingui::TwipsToPixels(rect.width, dpi),
            top + wingui::TwipsToPixels(rect.height, dpi)};
}

POINT Origin(const RECT& frame) {
    return {frame.left, frame.top};
}

std::string ShortPath(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    const std::wstring wide = Wide(path);
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(wide.c_str(), shortPath.data(), MAX_PATH);
    if (length >= MAX_PATH) {
        shortPath.resize(length);
        length = GetShortPathNameW(wide.c_str(), shortPath.data(), length);
    }
    shortPath.resize(length < shortPath.size() ? length : 0);
    return Narrow(shortPath);
}

// The path made absolute, each name in its long form; empty when it names nothing.
std::string LongPath(const std::string& path) {
    const std::wstring wide = Wide(path);
    std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    std::wstring longPath(full.empty() ? 0 : GetLongPathNameW(full.c_str(), nullptr, 0), L'\0');
    if (longPath.empty()) {
        return {};
    }
    longPath.resize(GetLongPathNameW(full.c_str(), longPath.data(), static_cast<DWORD>(longPath.size())));
    return Narrow(longPath);
}

std::wstring Lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

MainPixels PlaceMain(const MainLayout& layout, UINT dpi) {
    MainPixels pixels{};
    pixels.fraSource = Pixels(layout.fraSource, dpi);
    pixels.fraFSize = Pixels(layout.fraFSize, dpi);
    pixels.fraDest = Pixels(layout.fraDest, dpi);
    pixels.cmdSplit = Pixels(layout.cmdSplit, dpi);
    pixels.cmdCancel = Pixels(layout.cmdCancel, dpi);
    pixels.Dir = Pixels(layout.Dir, dpi, Origin(pixels.fraSource));
    pixels.File1 = Pixels(layout.File1, dpi, Origin(pixels.fraSource));
    pixels.Label1 = Pixels(layout.Label1, dpi, Origin(pixels.fraSource));
    pixels.lblSize = Pixels(layout.lblSize, dpi, Origin(pixels.fraSource));
    pixels.DestDir = Pixels(layout.DestDir, dpi, Origin(pixels.fraDest));
    pixels.cmdNewDir = Pixels(layout.cmdNewDir, dpi, Origin(pixels.fraDest));
    for (std::size_t i = 0; i < pixels.optFSize.size(); ++i) {
        pixels.optFSize[i] = Pixels(kSizeControls[i], dpi, Origin(pixels.fraFSize));
    }
    pixels.txtNum = Pixels(kSizeControls[8], dpi, Origin(pixels.fraFSize));
    pixels.lblPlan = Pixels(layout.lblPlan, dpi, Origin(pixels.fraFSize));
    // A grey line over a white one, two pixels at any resolution, reaching past both edges.
    pixels.line = {wingui::TwipsToPixels(-240, dpi), 0, wingui::TwipsToPixels(layout.line1X2, dpi), 2};
    return pixels;
}

frmMain::frmMain(SettingsStore& settings, Platform& platform, Shell& shell, std::function<void()> endProgram,
                 FileDialogs* fileDialogs)
    : m_settings(settings), m_platform(platform), m_shell(shell), m_endProgram(std::move(endProgram)),
      m_fileDialogs(fileDialogs ? *fileDialogs : m_systemDialogs), m_folders(platform, shell.DesktopFolder()),
      m_layout(DesignLayout()) {
    if (!m_endProgram) {
        m_endProgram = [this] {
            DestroyWindow(hwnd());
            PostQuitMessage(0);
        };
    }
}

frmMain::~frmMain() = default;

bool frmMain::Create() {
    if (!Window::Create({kAppTitle, kClientWidth, kClientHeight, BuildMenus()})) {
        return false;
    }
    BuildControls();
    // Both trees start at the drives; the file list shows what choosing "My Computer" shows.
    for (wingui::TreeView* tree : {m_dir.get(), m_destDir.get()}) {
        tree->SelectPath({kComputerName});
        tree->Expand(kComputerName);
    }
    m_file1->SetPath(m_folders.desktopFolder());
    ApplyLayout();
    DragAcceptFiles(hwnd(), TRUE);
    SetHelp([this] { mnuHelpIndex_Click(); }); // F1, here and in every window this one owns
    return true;
}

HMENU frmMain::BuildMenus() {
    HMENU bar = CreateMenu();
    HMENU mnuFile = CreatePopupMenu();
    AppendMenuW(mnuFile, MF_STRING, mnuFileJoin, L"&Join Pieces...");
    AppendMenuW(mnuFile, MF_STRING, mnuFileOptions, L"&Options...");
    AppendMenuW(mnuFile, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(mnuFile, MF_STRING, mnuFileExit, L"&Exit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuFile), L"&File");
    HMENU mnuHelp = CreatePopupMenu();
    AppendMenuW(mnuHelp, MF_STRING, mnuHelpIndex, L"&Index...");
    AppendMenuW(mnuHelp, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(mnuHelp, MF_STRING, mnuHelpAbout, L"&About...");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuHelp), L"&Help");
    return bar;
}

void frmMain::BuildControls() {
    using namespace wingui;
    // Made in the order Tab visits them; labels and frames take no focus.
    m_line = std::make_unique<EtchedLine>(*this);
    m_fraSource = std::make_unique<GroupBox>(*this, GroupBoxArgs{"Source File:"});
    m_dir = std::make_unique<TreeView>(
        *this, TreeViewArgs{&m_folders, [this](const std::string& path) { Dir_FolderClick(path); },
                            [this] { ShowPopUp(); }});
    m_file1 = std::make_unique<FileList>(*this, m_platform.files, [this] { File1_Click(); });
    m_label1 = std::make_unique<Label>(*this, LabelArgs{"File Size:"});
    m_lblSize = std::make_unique<Label>(*this, LabelArgs{"0 KB"});

    m_fraFSize = std::make_unique<GroupBox>(*this, GroupBoxArgs{"File Size:"});
    for (int i = 0; i < 8; ++i) {
        m_optFSize[static_cast<std::size_t>(i)] = std::make_unique<RadioButton>(
            *this, RadioButtonArgs{SizeCaption(i), i == 0, [this, i] { optFSize_Click(i); }});
    }
    // Digits, one decimal point and backspace; Enter and Esc never reach it, they press the window's
    // buttons.
    m_txtNum =
        std::make_unique<Edit>(*this, EditArgs{"", true,
                                               [](wchar_t c, const std::string& text) {
                                                   return (c >= L'0' && c <= L'9') || c == L'\b' ||
                                                          (c == L'.' && text.find('.') == std::string::npos);
                                               },
                                               [this](bool byUser) { txtNum_Change(byUser); }});
    m_lblPlan = std::make_unique<Label>(*this, LabelArgs{""});

    m_fraDest = std::make_unique<GroupBox>(*this, GroupBoxArgs{"Destination Directory:"});
    m_destDir = std::make_unique<TreeView>(
        *this, TreeViewArgs{&m_folders, [this](const std::string&) { ShowPlan(); }, [this] { ShowPopUp(); }});
    m_cmdNewDir = std::make_unique<Button>(
        *this, ButtonArgs{"Make New Folder", 0, false, [this] { cmdNewDir_Click(); }});

    m_cmdSplit =
        std::make_unique<Button>(*this, ButtonArgs{"&Split Now", IDOK, true, [this] { cmdSplit_Click(); }});
    m_cmdCancel =
        std::make_unique<Button>(*this, ButtonArgs{"&Close", IDCANCEL, false, [this] { cmdCancel_Click(); }});

    for (GroupBox* frame : {m_fraSource.get(), m_fraFSize.get(), m_fraDest.get()}) {
        frame->SendToBack();
    }
}

void frmMain::ApplyLayout() {
    if (!m_cmdCancel) {
        return; // WM_SIZE of the window's creation, before its controls
    }
    const UINT dpi = Dpi();
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    Form_Resize(m_layout, (outer.right - outer.left) * kTwipsPerInch / dpi,
                (outer.bottom - outer.top) * kTwipsPerInch / dpi);
    // The design's place for the size suits a narrower font than the system's: it starts after the caption
    // "File Size:" rather than on top of it.
    m_layout.lblSize.left =
        std::max(DesignLayout().lblSize.left,
                 m_layout.Label1.left + (m_label1->TextWidth() + 6) * kTwipsPerInch / dpi);
    const MainPixels pixels = PlaceMain(m_layout, dpi);
    const std::pair<wingui::Control*, const RECT*> placed[] = {
        {m_fraSource.get(), &pixels.fraSource}, {m_fraFSize.get(), &pixels.fraFSize},
        {m_fraDest.get(), &pixels.fraDest},     {m_cmdSplit.get(), &pixels.cmdSplit},
        {m_cmdCancel.get(), &pixels.cmdCancel}, {m_dir.get(), &pixels.Dir},
        {&m_file1->box(), &pixels.File1},       {m_label1.get(), &pixels.Label1},
        {m_lblSize.get(), &pixels.lblSize},     {m_destDir.get(), &pixels.DestDir},
        {m_cmdNewDir.get(), &pixels.cmdNewDir}, {m_txtNum.get(), &pixels.txtNum},
        {m_lblPlan.get(), &pixels.lblPlan},     {m_line.get(), &pixels.line}};
    for (const auto& [control, rect] : placed) {
        control->SetBounds(*rect);
    }
    for (std::size_t i = 0; i < m_optFSize.size(); ++i) {
        m_optFSize[i]->SetBounds(pixels.optFSize[i]);
    }
}

void frmMain::Form_Load(const std::string& commandLine) {
    m_lblSize->SetText("0 KB");
    const MainChoices stored = ReadMainChoices(m_settings);
    m_file1->SetPattern(stored.pattern);
    if (!stored.number.empty()) {
        m_txtNum->SetText(stored.number);
    }
    m_sizeIndex = stored.sizeIndex;
    m_optFSize[static_cast<std::size_t>(m_sizeIndex)]->SetChecked(true);
    if (m_sizeIndex >= static_cast<int>(std::size(kFixedPieceSizes))) {
        m_lastUnitIndex = m_sizeIndex;
    }
    if (!stored.destination.empty()) {
        m_destDir->SelectPath(FolderTreeModel::PathTo(stored.destination)); // one it cannot show stays
    }

    std::vector<WindowPlace> screens;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM list) {
            MONITORINFO info{sizeof info, {}, {}, 0};
            GetMonitorInfoW(monitor, &info);
            const RECT& area = info.rcWork;
            reinterpret_cast<std::vector<WindowPlace>*>(list)->push_back(
                {area.left, area.top, area.right - area.left, area.bottom - area.top});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&screens));
    // No smaller than a quarter of the designed size, where the controls still show.
    // The size is stored at 96 DPI, so that a window moved to a finer screen keeps its room.
    const UINT dpi = Dpi();
    if (const auto place = ReadWindowPlace(m_settings, screens, wingui::TwipsToPixels(kClientWidth, 96) / 4,
                                           wingui::TwipsToPixels(kClientHeight, 96) / 4)) {
        RECT outer{0, 0, MulDiv(place->width, static_cast<int>(dpi), 96),
                   MulDiv(place->height, static_cast<int>(dpi), 96)};
        AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), TRUE,
                                 static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)), dpi);
        SetWindowPos(hwnd(), nullptr, place->left, place->top, outer.right - outer.left,
                     outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    ShowPlan();
    if (!commandLine.empty()) {
        ChooseFile(commandLine);
    }
}

void frmMain::ChooseFile(const std::string& given) {
    // The trees show long names; the entries are matched by their short forms, so that a command line in
    // either form finds its file.
    const std::string file = LongPath(given);
    if (file.empty()) {
        return; // no such file: everything stays as it is
    }
    const std::string folder = ParentFolder(file) + (ParentFolder(file).size() == 2 ? "\\" : "");
    m_dir->SelectPath(FolderTreeModel::PathTo(folder));
    m_destDir->SelectPath(FolderTreeModel::PathTo(folder));
    m_file1->SetPath(folder);
    m_file1->Refresh();
    wingui::ProcessPendingMessages(*this);

    const std::wstring wanted = Lower(Wide(ShortPath(file)));
    for (int i = 0; i < m_file1->box().Count(); ++i) {
        const std::string entry = ShortPath(JoinPath(folder, m_file1->box().Item(i)));
        if (!entry.empty() && Lower(Wide(entry)) == wanted) {
            return m_file1->box().Select(i);
        }
    }
}

void frmMain::Drop(const std::string& path, POINT at) {
    if (m_jobRunning || path.empty()) {
        return;
    }
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    const RECT destDir = m_destDir->Bounds();
    switch (WhatADropChooses(isFolder, PtInRect(&destDir, at) != FALSE)) {
    case DropChoice::SourceFile:
        return ChooseFile(path);
    case DropChoice::Destination:
        m_destDir->SelectPath(FolderTreeModel::PathTo(LongPath(path)));
        return ShowPlan();
    case DropChoice::Nothing:
        return;
    }
}

void frmMain::optFSize_Click(int index) {
    m_sizeIndex = index;
    if (index >= static_cast<int>(std::size(kFixedPieceSizes))) {
        m_lastUnitIndex = index;
    }
    m_settings.WriteSetting(SettingName::OptIdx, std::to_string(index));
    ShowPlan();
}

void frmMain::txtNum_Change(bool byUser) {
    const int index = SizeIndexAfterTyping(m_sizeIndex, m_lastUnitIndex);
    if (byUser && index != m_sizeIndex) {
        m_optFSize[static_cast<std::size_t>(index)]->SetChecked(true);
        optFSize_Click(index);
    }
    ShowPlan();
}

std::string frmMain::ChosenFilePath() const {
    // The files listed are those of the list's folder, which for the shell's entries is the desktop's.
    const std::string name = m_file1->FileName();
    return name.empty() ? std::string() : JoinPath(m_file1->Path(), name);
}

void frmMain::ShowPlan() {
    if (!m_lblPlan) {
        return; // a size chosen while the window is still being built
    }
    const std::string path = ChosenFilePath();
    const auto length = path.empty() ? std::nullopt : m_platform.files.FileLength(path);
    const std::string plan = PlanText(length, ChosenPieceBytes(SizeCaption(m_sizeIndex), m_txtNum->Text()),
                                      ResolveDesktop(SelectedPath(*m_destDir)));
    m_lblPlan->SetText(plan);
}

std::string frmMain::SelectedPath(wingui::TreeView& tree) const {
    return tree.SelectedKey();
}

std::string frmMain::ResolveDesktop(const std::string& path) const {
    return path == kDesktopName ? m_folders.desktopFolder() : path;
}

void frmMain::Dir_FolderClick(const std::string& path) {
    // "My Computer" lists the folder of its parent, the desktop.
    const std::string folder = path == kComputerName ? m_folders.desktopFolder() : ResolveDesktop(path);
    if (m_file1->SetPath(folder)) {
        m_file1->SetPattern("*.*");
    } else {
        m_file1->box().SetItems({}); // a folder that cannot be listed shows no files
    }
    // The list was filled anew, with no file chosen.
    ShowPlan();
}

void frmMain::File1_Click() {
    const std::string name = m_file1->FileName();
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (name.empty() ||
        !GetFileAttributesExW(Wide(JoinPath(m_file1->Path(), name)).c_str(), GetFileExInfoStandard, &data)) {
        return;
    }
    const auto length =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    m_lblSize->SetText(std::to_string(length / 1024) + " KB");
    ShowPlan();
}

void frmMain::cmdSplit_Click() {
    // The window answers while a split runs; a second press must not start another.
    if (m_jobRunning) {
        return;
    }
    const std::string source = ResolveDesktop(SelectedPath(*m_dir));
    const std::string dest = ResolveDesktop(SelectedPath(*m_destDir));
    const SplitStep step =
        CheckSplitChoice({source, dest, m_file1->FileName(), SizeCaption(m_sizeIndex), m_txtNum->Text()});
    if (!step.refusal.empty()) {
        return m_ui.ShowMessage(step.refusal, step.icon);
    }
    if (step.question.empty()) {
        return;
    }
    // A file deleted since it was listed would otherwise be called too small to split.
    const std::string path = ChosenFilePath();
    const auto length = m_platform.files.FileLength(path);
    if (!length) {
        m_file1->Refresh();
        ShowPlan();
        return m_ui.ShowMessage(MissingFileText(path), MessageIcon::Exclamation);
    }
    if (auto refusal = RoomRefusal(m_platform.drives, dest, *length, step.pieceBytes)) {
        return m_ui.ShowMessage(*refusal, MessageIcon::Critical);
    }
    ShowPlan();
    if (!m_ui.AskYesNo(QuestionWithPlan(step.question, m_lblPlan->Text()), step.icon, DefaultAnswer::Yes)) {
        return;
    }

    SplitRequest request{path, dest, step.pieceBytes};
    m_ui.DescribeJob(m_file1->FileName(), *length, step.pieceBytes);
    const auto pieceBytes = static_cast<std::int64_t>(step.pieceBytes);
    WatchedPlatform watched(m_platform);
    ResultUi ui(
        m_ui, watched.failures,
        ResultText((*length + pieceBytes - 1) / pieceBytes, ReadReadmeWanted(m_settings, false),
                   ReadChecksumWanted(m_settings), dest),
        [this] { return GetActiveWindow() == hwnd(); },
        [this, dest] { OpenFolderOrTell(m_platform.files, m_shell, m_ui, dest); });
    const bool removable =
        m_platform.drives.TypeOf(m_platform.drives.DriveOf(dest + kPathSeparator)) == DriveType::Removable;
    SplitOutcome outcome = SplitOutcome::Failed;
    m_jobRunning = true;
    RunInBackground(*this, ui, [&](SplitUi& relayed) {
        outcome = SplitFile(request, relayed, m_settings, watched.platform);
    });
    m_jobRunning = false;
    if (outcome == SplitOutcome::Cancelled) {
        const std::string text = CancelledText(m_file1->FileName(), dest, removable);
        ui.NotifyIfAway(text);
        m_ui.ShowMessage(text, MessageIcon::Information);
    }
    m_file1->Refresh();
    ShowPlan();
}

void frmMain::cmdNewDir_Click() {
    if (SelectedPath(*m_destDir) == kDesktopName) {
        m_destDir->SelectPath(FolderTreeModel::PathTo(m_folders.desktopFolder()));
    }
    const std::string dest = SelectedPath(*m_destDir);
    const std::string name = frmInput::Ask(*this, "Enter name of new folder to create in:\r\n" + dest);
    if (name.empty()) {
        return;
    }
    // "My Computer" is no folder: a relative path would land in the program's working folder.
    const bool made =
        dest.find('\\') != std::string::npos && !m_platform.files.MakeFolder(JoinPath(dest, name));
    if (!made) {
        m_ui.ShowMessage("Error: Can not create directory.", MessageIcon::Exclamation);
    }
}

void frmMain::ShowPopUp() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, mnuPopUpExplore, L"&Explore");
    const DWORD position = GetMessagePos();
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, GET_X_LPARAM(position), GET_Y_LPARAM(position), 0, hwnd(), nullptr);
    DestroyMenu(menu);
}

void frmMain::mnuPopUpExplore_Click() {
    const std::string dest = ResolveDesktop(SelectedPath(*m_destDir));
    const std::string source = ResolveDesktop(SelectedPath(*m_dir));
    if (dest.find('\\') == std::string::npos || source.find('\\') == std::string::npos) {
        return m_ui.ShowMessage("Folder selected for exploring not recognized.", MessageIcon::Information);
    }
    // The tree the popup was opened on, and in it the folder it was opened on.
    for (wingui::TreeView* tree : {m_dir.get(), m_destDir.get()}) {
        const std::string pointed = ResolveDesktop(tree->PointedKey());
        if (GetFocus() == tree->hwnd() && pointed.find('\\') != std::string::npos &&
            !m_shell.OpenFolder(pointed)) {
            m_ui.ShowMessage(NoFileManagerText(pointed), MessageIcon::Exclamation);
        }
    }
}

void frmMain::mnuHelpIndex_Click() {
    // The pages are installed in "help" beside the program.
    std::wstring program(MAX_PATH, L'\0');
    program.resize(GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
    const std::wstring page = Wide(JoinPath(JoinPath(ParentFolder(Narrow(program)), "help"), "index.html"));
    wchar_t url[L_MAX_URL_LENGTH] = {};
    DWORD length = L_MAX_URL_LENGTH;
    if (SUCCEEDED(UrlCreateFromPathW(page.c_str(), url, &length, 0))) {
        m_shell.OpenUrl(Narrow(url));
    }
}

void frmMain::cmdCancel_Click() {
    if (m_jobRunning) {
        return; // ending halfway would leave half of the pieces behind
    }
    SaveAndEnd(true);
}

void frmMain::mnuFileExit_Click() {
    if (m_jobRunning) {
        return;
    }
    SaveAndEnd(false);
}

void frmMain::SaveAndEnd(bool withPattern) {
    RECT outer{};
    RECT client{};
    GetWindowRect(hwnd(), &outer);
    GetClientRect(hwnd(), &client);
    const int dpi = static_cast<int>(Dpi());
    WriteWindowPlace(m_settings,
                     {outer.left, outer.top, MulDiv(client.right, 96, dpi), MulDiv(client.bottom, 96, dpi)});
    StoreMainChoices(m_settings,
                     {m_file1->Pattern(), m_txtNum->Text(), m_sizeIndex, SelectedPath(*m_destDir)},
                     withPattern);
    m_endProgram();
}

LRESULT frmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        ApplyLayout();
        return 0;
    case WM_CLOSE:
        // The close box stores nothing, but ends the program like the other two ways; not halfway through a
        // split, which would leave half of its pieces behind.
        if (!m_jobRunning) {
            m_endProgram();
        }
        return 0;
    case WM_DROPFILES: {
        // One path only, as from the command line; several choose nothing.
        const auto drop = reinterpret_cast<HDROP>(wParam);
        POINT at{};
        DragQueryPoint(drop, &at);
        std::wstring path;
        if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
            path.resize(DragQueryFileW(drop, 0, nullptr, 0) + 1);
            path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
        }
        DragFinish(drop);
        Drop(Narrow(path), at);
        return 0;
    }
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0) {
            switch (LOWORD(wParam)) {
            case mnuFileExit:
                mnuFileExit_Click();
                return 0;
            case mnuPopUpExplore:
                mnuPopUpExplore_Click();
                return 0;
            case mnuHelpIndex:
                mnuHelpIndex_Click();
                return 0;
            case mnuHelpAbout:
                frmAbout::Show(*this, m_shell);
                return 0;
            case mnuFileJoin:
                mnuFileJoin_Click();
                return 0;
            case mnuFileOptions:
                frmOptions::Show(*this, m_settings, *m_file1, [this] { mnuHelpIndex_Click(); });
                return 0;
            default:
                break;
            }
        }
        break;
    default:
        break;
    }
    return Window::OnMessage(message, wParam, lParam);
}

} // namespace parvola
