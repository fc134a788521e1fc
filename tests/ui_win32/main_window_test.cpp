// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 main window, made hidden over settings in memory and a folder of real files.
#include "engine/maker.h"
#include "engine/setting_values.h"
#include "engine/split_job.h"
#include "engine/watched_file_system.h"
#include "forms/result_text.h"
#include "forms/window_place.h"
#include "platform/windows/windows_checksums.h"
#include "platform/windows/windows_code_pages.h"
#include "platform/windows/windows_drives.h"
#include "platform/windows/windows_file_system.h"
#include "platform/windows/windows_paths.h"
#include "platform/windows/windows_shell.h"
#include "support/memory_settings.h"
#include "support/scripted_ui.h"
#include "ui_win32/main_window.h"
#include "ui_win32/wingui/text.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <filesystem>
#include <fstream>

namespace parvola {
namespace {

namespace fs = std::filesystem;

// The desktop, but for the browser, mail program and file manager, which the machine has not: what they
// were handed.
class RecordingShell final : public Shell {
public:
    std::string DesktopFolder() override { return m_shell.DesktopFolder(); }
    bool OpenFolder(const std::string& folder) override {
        folders.push_back(folder);
        return opensFolders;
    }
    bool OpenUrl(const std::string& url) override {
        urls.push_back(url);
        return true;
    }
    std::vector<std::string> urls, folders;
    bool opensFolders = true;

private:
    WindowsShell m_shell;
};

// The user's answers to the choosers of a file and a folder; the captions they were shown.
class AnsweredFileDialogs final : public FileDialogs {
public:
    std::string ChooseFile(HWND, const std::string& caption, const std::string&) override {
        captions.push_back(caption);
        return file;
    }
    std::string ChooseFolder(HWND, const std::string& caption, const std::string&) override {
        captions.push_back(caption);
        return {};
    }
    std::string file;
    std::vector<std::string> captions;
};

// A window over settings in memory, made but not loaded, and a folder of files.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("parvola-main-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(m_folder / "inner");
        for (const auto& [name, length] : {std::pair{"b.txt", 5000}, {"a10.dat", 10}, {"a2.dat", 2}}) {
            std::ofstream(m_folder / name, std::ios::binary) << std::string(length, 'x');
        }
        if (!window.Create()) {
            GTEST_SKIP()
                << "no window can be made here: wine needs an X display, or its null graphics driver "
                   "(HKCU\\Software\\Wine\\Drivers, Graphics = null)";
        }
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string folder() const { return m_folder.u8string(); }
    const fs::path& folderPath() const { return m_folder; }

    // The user clicks the folder in the source tree: the tree tells its window, as it does.
    void chooseSourceFolder(const std::string& path) {
        wingui::TreeView& tree = window.Dir();
        ASSERT_TRUE(tree.SelectPath(FolderTreeModel::PathTo(path)));
        NMTREEVIEWW change{};
        change.hdr = {tree.hwnd(), static_cast<UINT_PTR>(tree.id()), TVN_SELCHANGEDW};
        change.action = TVC_BYMOUSE;
        change.itemNew.hItem = TreeView_GetSelection(tree.hwnd());
        SendMessageW(window.hwnd(), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
    }

    test::MemorySettings settings;
    WindowsFileSystem files;
    WindowsDrives drives;
    WindowsPaths paths;
    WindowsCodePages codePages;
    WindowsChecksums checksums;
    Platform platform{files, drives, paths, codePages, checksums};
    bool ended = false;
    RecordingShell shell;
    AnsweredFileDialogs fileDialogs;
    frmMain window{settings, platform, shell, [this] { ended = true; }, &fileDialogs};

private:
    fs::path m_folder;
};

class MainWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (!IsSkipped()) {
            window.Form_Load("");
        }
    }
};

TEST_F(MainWindowTest, BothTreesStartAtMyComputerWithTheDrives) {
    std::vector<std::string> drives;
    wchar_t roots[4 * 26 + 1] = {};
    GetLogicalDriveStringsW(4 * 26, roots);
    for (const wchar_t* root = roots; *root; root += 4) {
        drives.push_back(std::string(1, static_cast<char>(root[0])) + ":\\");
    }
    ASSERT_FALSE(drives.empty());
    for (wingui::TreeView* tree : {&window.Dir(), &window.DestDir()}) {
        EXPECT_EQ(tree->SelectedKey(), "My Computer");
        EXPECT_EQ(tree->ChildKeys(""), (std::vector<std::string>{"Desktop", "My Computer"}));
        EXPECT_EQ(tree->TextOf("My Computer"), "My Computer");
        EXPECT_EQ(tree->ChildKeys("My Computer"), drives);
        for (const std::string& drive : drives) {
            EXPECT_NE(tree->TextOf(drive).find(drive.substr(0, 2)), std::string::npos) << drive;
        }
    }
}

TEST_F(MainWindowTest, ChoosingAFolderListsItsFilesAndChoosingAFileShowsItsSize) {
    chooseSourceFolder(folder());
    wingui::ListBox& files = window.File1().box();
    ASSERT_EQ(files.Count(), 3); // no folder among them
    EXPECT_EQ(files.Item(0), "a2.dat");
    EXPECT_EQ(files.Item(1), "a10.dat");
    EXPECT_EQ(files.Item(2), "b.txt");

    EXPECT_EQ(window.lblSize().Text(), "0 KB");
    SendMessageW(files.hwnd(), LB_SETCURSEL, 2, 0);
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(files.id(), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(files.hwnd()));
    EXPECT_EQ(window.lblSize().Text(), "4 KB");
}

TEST_F(MainWindowTest, TheNumberBoxTakesDigitsOnePointAndBackspaceOnly) {
    for (const wchar_t c : std::wstring(L"1a-.2 \x16+9.")) {
        window.txtNum().Type(c);
    }
    EXPECT_EQ(window.txtNum().Text(), "1.29");
    window.txtNum().Type(L'\b');
    EXPECT_EQ(window.txtNum().Text(), "1.2");
}

TEST_F(MainWindowTest, ThePlanFollowsTheFileTheSizeTheTypedNumberAndTheDestination) {
    chooseSourceFolder(folder());
    EXPECT_EQ(window.lblPlan().Text(), "");
    window.File1().box().Select(2);                                    // b.txt, 5000 bytes
    EXPECT_EQ(window.lblPlan().Text(), "File is too small to split."); // 1.44 M
    ASSERT_TRUE(window.DestDir().SelectPath(FolderTreeModel::PathTo(folder())));
    SendMessageW(window.optFSize(7).hwnd(), BM_CLICK, 0, 0); // K
    window.txtNum().Type(L'2');
    EXPECT_EQ(window.lblPlan().Text(), "3 pieces of 2 KB (the last 1 KB) \xe2\x86\x92 " + folder());
    window.txtNum().Type(L'.');
    window.txtNum().Type(L'5');
    EXPECT_EQ(window.lblPlan().Text(), "2 pieces of 2.5 KB \xe2\x86\x92 " + folder());

    // Typing with a fixed size chosen chooses the unit chosen last.
    SendMessageW(window.optFSize(0).hwnd(), BM_CLICK, 0, 0);
    window.txtNum().Type(L'0');
    EXPECT_EQ(window.currentSizeIndex(), 7);
    EXPECT_TRUE(window.optFSize(7).Checked());
    EXPECT_EQ(window.lblPlan().Text(), "2 pieces of 2.5 KB \xe2\x86\x92 " + folder());
}

TEST_F(MainWindowTest, AClickedOptionIsChosenAndStoredAtOnce) {
    EXPECT_TRUE(window.optFSize(3).Checked()); // nothing stored: 1.44 M
    SendMessageW(window.optFSize(1).hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(settings.values[SettingName::OptIdx], "1");
    EXPECT_EQ(window.currentSizeIndex(), 1);
    EXPECT_TRUE(window.optFSize(1).Checked());
    EXPECT_FALSE(window.optFSize(3).Checked());
}

TEST_F(MainWindowTest, TabVisitsTheControlsAsInTheQtWindowAndStopsAtTheChosenSizeOnly) {
    SendMessageW(window.optFSize(5).hwnd(), BM_CLICK, 0, 0);
    ShowWindow(window.hwnd(), SW_SHOWNOACTIVATE); // Tab passes over what cannot be seen
    const std::vector<HWND> expected = {
        window.Dir().hwnd(),      window.File1().box().hwnd(), window.optFSize(5).hwnd(),
        window.txtNum().hwnd(),   window.DestDir().hwnd(),     window.cmdNewDir().hwnd(),
        window.cmdSplit().hwnd(), window.cmdCancel().hwnd(),   window.Dir().hwnd()};
    std::vector<HWND> visited = {window.Dir().hwnd()};
    while (visited.size() < expected.size()) {
        visited.push_back(GetNextDlgTabItem(window.hwnd(), visited.back(), FALSE));
    }
    ShowWindow(window.hwnd(), SW_HIDE);
    EXPECT_EQ(visited, expected);
}

// Pixels of a window 9000 by 6000 twips outside, in client coordinates.
struct PlacedRow {
    const char* control;
    RECT MainPixels::*place;
    RECT at96;
    RECT at144;
};

const PlacedRow kPlaced[] = {
    {"fraSource", &MainPixels::fraSource, {8, 7, 243, 346}, {12, 10, 365, 519}},
    {"fraFSize", &MainPixels::fraFSize, {252, 7, 487, 128}, {378, 10, 731, 192}},
    {"fraDest", &MainPixels::fraDest, {252, 134, 487, 346}, {378, 202, 731, 521}},
    {"cmdSplit", &MainPixels::cmdSplit, {497, 14, 586, 39}, {745, 21, 879, 59}},
    {"cmdCancel", &MainPixels::cmdCancel, {497, 44, 586, 69}, {745, 66, 879, 104}},
    {"Dir", &MainPixels::Dir, {18, 24, 233, 177}, {27, 35, 350, 265}},
    {"File1", &MainPixels::File1, {17, 180, 234, 326}, {25, 270, 351, 490}},
    {"Label1", &MainPixels::Label1, {16, 326, 105, 343}, {24, 489, 158, 515}},
    {"DestDir", &MainPixels::DestDir, {262, 150, 477, 304}, {393, 226, 716, 457}},
    {"cmdNewDir", &MainPixels::cmdNewDir, {321, 311, 418, 336}, {482, 468, 628, 506}},
    {"lblPlan", &MainPixels::lblPlan, {260, 89, 479, 125}, {390, 133, 719, 187}},
};

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST_F(MainWindowTest, AWindow9000By6000TwipsPlacesItsControlsInPixelsAt96And144Dpi) {
    MainLayout layout = window.layout();
    Form_Resize(layout, 9000, 6000);
    for (const UINT dpi : {96u, 144u}) {
        const MainPixels pixels = PlaceMain(layout, dpi);
        for (const PlacedRow& row : kPlaced) {
            EXPECT_EQ(Text(pixels.*row.place), Text(dpi == 96 ? row.at96 : row.at144))
                << row.control << " " << dpi;
        }
        EXPECT_EQ(pixels.line.right, dpi == 96 ? 630 : 945);
    }

    // The window itself, at the resolution it has.
    const UINT dpi = window.Dpi();
    if (dpi != 96 && dpi != 144) {
        GTEST_SKIP() << "the window's resolution is " << dpi << " DPI";
    }
    SetWindowPos(window.hwnd(), nullptr, 0, 0, static_cast<int>(9000 * dpi / 1440),
                 static_cast<int>(6000 * dpi / 1440), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const std::pair<wingui::Control*, const char*> controls[] = {{&window.cmdSplit(), "cmdSplit"},
                                                                 {&window.cmdCancel(), "cmdCancel"},
                                                                 {&window.Dir(), "Dir"},
                                                                 {&window.File1().box(), "File1"},
                                                                 {&window.DestDir(), "DestDir"}};
    for (const auto& [control, name] : controls) {
        const PlacedRow& row =
            *std::find_if(std::begin(kPlaced), std::end(kPlaced),
                          [name = name](const PlacedRow& r) { return r.control == std::string(name); });
        EXPECT_EQ(Text(control->Bounds()), Text(dpi == 96 ? row.at96 : row.at144)) << name;
    }
}

TEST_F(MainWindowTest, CloseStoresThePatternAndTheNumberAndEnds) {
    window.txtNum().SetText("25");
    chooseSourceFolder(folder());
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window.cmdCancel().hwnd()));
    EXPECT_TRUE(ended);
    EXPECT_EQ(settings.values[SettingName::FMask], "*.*");
    EXPECT_EQ(settings.values[SettingName::TxtNum], "25");
}

// The user's answers to the boxes the window shows, given as the boxes come up; their texts, in order.
std::vector<std::string> g_boxes;
// What the user types into an input box.
std::wstring g_typed;
// Whether the user chooses "Open Folder" in the result box.
bool g_openFolder = false;

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND box, LPARAM) {
            wchar_t className[32] = {};
            GetClassNameW(box, className, 32);
            if (!IsWindowVisible(box) || !GetWindow(box, GW_OWNER)) {
                return TRUE;
            }
            const HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
            if (std::wstring(className) != L"#32770") { // the input box, a window of the program's own
                if (!edit) {
                    return TRUE; // the progress window
                }
                g_boxes.push_back("input");
                SetWindowTextW(edit, g_typed.c_str());
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return FALSE;
            }
            wchar_t text[512] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 512); // the text of a message box
            std::wstring shown = text;
            // A task dialog's text is a control of its own; its buttons are told after it.
            for (HWND child = GetWindow(box, GW_CHILD); child && !GetDlgItem(box, 0xFFFF);
                 child = GetWindow(child, GW_HWNDNEXT)) {
                GetClassNameW(child, className, 32);
                GetWindowTextW(child, text, 512);
                const bool button = std::wstring(className) == L"Button";
                if (text[0] && (button || shown.empty())) {
                    shown += button ? L" [" + std::wstring(text) + L"]" : text;
                }
            }
            g_boxes.push_back(wingui::Narrow(shown));
            // Keep the source; yes to the rest.
            const bool deleteQuestion = g_boxes.back().rfind("Would you like to delete", 0) == 0;
            int answer = GetDlgItem(box, IDYES) ? (deleteQuestion ? IDNO : IDYES) : IDOK;
            if (g_openFolder && g_boxes.back().find("[Open Folder]") != std::string::npos) {
                answer = 1000; // the button's id
            }
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
            return FALSE;
        },
        0);
}

TEST_F(MainWindowTest, SplitNowSplitsTheChosenFileAfterTheSizeQuestion) {
    chooseSourceFolder(folder());
    ASSERT_TRUE(window.DestDir().SelectPath(FolderTreeModel::PathTo(folder())));
    window.File1().box().Select(2); // b.txt, 5000 bytes
    SendMessageW(window.optFSize(7).hwnd(), BM_CLICK, 0, 0);
    window.txtNum().SetText("2");

    g_boxes.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBoxes);
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window.cmdSplit().hwnd()));
    KillTimer(nullptr, timer);

    ASSERT_FALSE(g_boxes.empty());
    EXPECT_EQ(g_boxes.front(),
              "Split the file into partitions 2 KB long?\r\n\r\n3 pieces of 2 KB (the last 1 KB) "
              "\xe2\x86\x92 " +
                  folder());
    EXPECT_EQ(g_boxes.back(),
              "Completed splitting files.\r\n3 pieces, the batch file, Readme.txt and the checksum "
              "file are in " +
                  folder() + ". [Open Folder] [OK]");
    std::vector<std::uintmax_t> pieces;
    for (const char* name : {"b.txt.001", "b.txt.002", "b.txt.003"}) {
        pieces.push_back(fs::exists(folderPath() / name) ? fs::file_size(folderPath() / name) : 0);
    }
    EXPECT_EQ(pieces, (std::vector<std::uintmax_t>{2000, 2000, 1000}));
    EXPECT_TRUE(fs::exists(folderPath() / "b.txt")); // kept, as answered
}

TEST_F(MainWindowTest, OpenFolderInTheResultBoxOpensTheDestinationOrSaysNoFileManagerCould) {
    chooseSourceFolder(folder());
    ASSERT_TRUE(window.DestDir().SelectPath(FolderTreeModel::PathTo(folder())));
    SendMessageW(window.optFSize(7).hwnd(), BM_CLICK, 0, 0);
    window.txtNum().SetText("2");
    g_openFolder = true;
    for (const bool opens : {true, false}) {
        for (const auto& entry : fs::directory_iterator(folderPath())) { // the outputs of the row before
            const std::string name = entry.path().filename().u8string();
            if (name.rfind("b.txt.", 0) == 0 || name == "Readme.txt") {
                fs::remove(entry.path());
            }
        }
        window.File1().Refresh();
        window.File1().box().Select(2); // b.txt
        shell.opensFolders = opens;
        shell.folders.clear();
        g_boxes.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBoxes);
        window.cmdSplit().Click();
        KillTimer(nullptr, timer);
        EXPECT_EQ(shell.folders, std::vector<std::string>{folder()}) << opens;
        ASSERT_FALSE(g_boxes.empty());
        EXPECT_EQ(g_boxes.back().find("[Open Folder]") != std::string::npos, opens) << g_boxes.back();
        if (!opens) {
            EXPECT_EQ(g_boxes.back(), NoFileManagerText(folder()));
        }
    }
    g_openFolder = false;
}

TEST_F(MainWindowTest, JoinPiecesJoinsThePiecesOfTheChosenFileBesideThem) {
    std::string bytes(5000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i % 251);
    }
    std::ofstream(folderPath() / "c.bin", std::ios::binary) << bytes;
    settings.values[SettingName::OptClean] = "2"; // keep the source, without asking
    SplitRequest request{folder() + "\\c.bin", folder(), 2000};
    test::ScriptedUi splitUi;
    ASSERT_EQ(SplitFile(request, splitUi, settings, platform), SplitOutcome::Completed);
    fs::rename(folderPath() / "c.bin", folderPath() / "c.orig");

    fileDialogs.file = folder() + "\\c.bin.001";
    g_boxes.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBoxes);
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(106, 0), 0); // File > Join Pieces...
    KillTimer(nullptr, timer);
    EXPECT_EQ(fileDialogs.captions, std::vector<std::string>{"Join Pieces"});
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0].rfind("Joined 3 pieces into " + folder() + "\\c.bin.", 0), 0u) << g_boxes[0];
    std::ifstream joined(folderPath() / "c.bin", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(joined), {}), bytes);
}

// The window's boxes, recording what a job's end showed.
class RecordingBoxes final : public WindowBoxes {
public:
    void ShowMessage(const std::string& text, MessageIcon) override { shown.push_back(text); }
    bool AskYesNo(const std::string&, MessageIcon, DefaultAnswer) override { return false; }
    void ShowProgress() override {}
    void SetProgress(int) override {}
    void HideProgress() override {}
    DiskChoice ShowDiskDialog() override { return DiskChoice::Cancel; }
    void ShowCopyProgress(const std::string&, int) override {}
    bool CancelRequested() override { return false; }
    bool ShowResult(const std::string& text) override { return shown.push_back("result: " + text), false; }
    void Notify(const std::string& text) override { shown.push_back("notice: " + text); }
    std::vector<std::string> shown;
};

TEST(ResultUiTest, TheEndOfAJobIsAlsoToldOnTheDesktopAfterALongJobWithTheWindowInactive) {
    const struct {
        bool active;
        int seconds;
        bool told;
    } rows[] = {{false, 11, true}, {true, 11, false}, {false, 1, false}};
    for (const auto& row : rows) {
        RecordingBoxes boxes;
        FailureLog failures;
        ResultUi ui(
            boxes, failures, "3 pieces are in C:\\x.", [&] { return row.active; }, [] {},
            std::chrono::steady_clock::now() - std::chrono::seconds(row.seconds));
        ui.ShowMessage(kCompletedMessage, MessageIcon::Information);
        const std::string result = "Completed splitting files.\r\n3 pieces are in C:\\x.";
        std::vector<std::string> expected = {"result: " + result};
        if (row.told) {
            expected.insert(expected.begin(), "notice: " + result);
        }
        EXPECT_EQ(boxes.shown, expected) << row.active << " " << row.seconds;
    }
}

TEST_F(MainWindowTest, MakeNewFolderMakesTheNamedFolderInTheDestinationOrSaysItCannot) {
    ASSERT_TRUE(window.DestDir().SelectPath(FolderTreeModel::PathTo(folder())));
    g_boxes.clear();
    g_typed = L"made";
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBoxes);
    window.cmdNewDir().Click();
    EXPECT_TRUE(fs::is_directory(folderPath() / "made"));
    EXPECT_EQ(g_boxes, std::vector<std::string>{"input"});

    g_boxes.clear();
    window.cmdNewDir().Click(); // it is there now
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_boxes, (std::vector<std::string>{"input", "Error: Can not create directory."}));
}

TEST_F(MainWindowTest, HelpIndexAndF1OpenTheHelpPagesBesideTheProgram) {
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(103, 0), 0); // Help > Index...
    // F1 in a control: the system asks the control for help, which asks its window.
    HELPINFO help{sizeof help, HELPINFO_WINDOW, 0, window.txtNum().hwnd(), 0, {}};
    SendMessageW(window.txtNum().hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    ASSERT_EQ(shell.urls.size(), 2u);
    EXPECT_EQ(shell.urls[0], shell.urls[1]);
    wchar_t page[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    ASSERT_EQ(PathCreateFromUrlW(wingui::Wide(shell.urls[0]).c_str(), page, &length, 0), S_OK);
    EXPECT_TRUE(fs::exists(fs::path(page))) << shell.urls[0];
    EXPECT_EQ(fs::path(page).filename(), "index.html");
}

// The shown window of this thread with this title: the tests of other processes show theirs on the same
// desktop.
HWND ShownWindow(const wchar_t* title) {
    std::pair<const wchar_t*, HWND> found{title, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) {
            auto& wanted = *reinterpret_cast<std::pair<const wchar_t*, HWND>*>(lParam);
            wchar_t text[64] = {};
            GetWindowTextW(window, text, 64);
            wanted.second = IsWindowVisible(window) && std::wstring(text) == wanted.first ? window : nullptr;
            return wanted.second ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.second;
}

// The about box's texts, in order, and the addresses its links handed on; it is closed by Esc.
std::vector<std::string> g_about;

void CALLBACK UseAboutBox(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box = ShownWindow(L"About Parvola");
    if (!box) {
        return;
    }
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        g_about.push_back(wingui::Narrow(text));
        NMHDR click{child, static_cast<UINT_PTR>(GetDlgCtrlID(child)), static_cast<UINT>(NM_CLICK)};
        SendMessageW(box, WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

TEST_F(MainWindowTest, AboutShowsTheVersionAndItsLinksOpenTheWebAndMailAddresses) {
    g_about.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, UseAboutBox);
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(104, 0), 0); // Help > About...
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_about, (std::vector<std::string>{"", "Parvola " PARVOLA_VERSION,
                                                 std::string("<a>") + kMakerWebAddress + "</a>",
                                                 std::string("<a>") + kMakerEmail + "</a>", "&OK"}));
    EXPECT_EQ(shell.urls, (std::vector<std::string>{kMakerWebAddress, std::string("mailto:") + kMakerEmail}));
}

TEST(ProgressWindowTest, TellsTheFileThePieceAndThePercentInItsTitle) {
    std::atomic<bool> cancelRequested{false};
    frmProgress progress(cancelRequested);
    if (!progress.Create(nullptr)) {
        GTEST_SKIP() << "no window can be made here";
    }
    progress.Describe("b.txt", 5000, 2000);
    progress.Restart();
    progress.SetValue(50);
    wchar_t title[64] = {};
    GetWindowTextW(progress.hwnd(), title, 64);
    EXPECT_EQ(wingui::Narrow(title), "50% - Parvola");
    EXPECT_EQ(progress.lblFile().Text(), "b.txt");
    EXPECT_EQ(progress.lblPiece().Text(), "piece 2 of 3");
    EXPECT_EQ(progress.lblSpeed().Text(), ""); // in its first second
}

// A press of F1 in control, as the keyboard makes it; the message loop running turns it into help.
void PressF1(HWND control) {
    PostMessageW(control, WM_KEYDOWN, VK_F1, 0x003B0001);
    PostMessageW(control, WM_KEYUP, VK_F1, 0xC03B0001);
}

// What the user does in the dialog of this title, one step a tick: the caption of a button to click,
// "close", "F1" pressed on its first control, "tab", "ctrl+tab", "ctrl+shift+tab", "alt+m", "alt+d" or
// "alt+l" pressed where the focus is, "seen" to note the captions shown and the class of the control with the
// focus in g_seen, or "type:" and the text for its edit box.
const wchar_t* g_dialogTitle = L"";
std::vector<std::string> g_steps;
std::vector<std::string> g_seen;

void SetKeysDown(std::initializer_list<int> keys) {
    BYTE state[256] = {};
    for (const int key : keys) {
        state[key] = 0x80;
    }
    SetKeyboardState(state);
}

void CALLBACK UseDialog(HWND, UINT, UINT_PTR, DWORD) {
    const HWND dialog = ShownWindow(g_dialogTitle);
    if (!dialog || g_steps.empty()) {
        return;
    }
    SetKeysDown({}); // as the step before left them
    if (GetActiveWindow() != dialog) {
        SetActiveWindow(dialog); // back from a window another test process showed, with its focus
    }
    const std::string step = g_steps.front();
    g_steps.erase(g_steps.begin());
    const HWND focus = GetFocus() ? GetFocus() : dialog;
    wchar_t text[256] = {};
    if (step == "close") {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    } else if (step == "F1") {
        PressF1(GetNextDlgTabItem(dialog, nullptr, FALSE));
    } else if (step == "tab" || step == "ctrl+tab" || step == "ctrl+shift+tab") {
        step == "tab"        ? SetKeysDown({})
        : step == "ctrl+tab" ? SetKeysDown({VK_CONTROL})
                             : SetKeysDown({VK_CONTROL, VK_SHIFT});
        PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
    } else if (step == "alt+m") {
        PostMessageW(focus, WM_SYSCHAR, L'm', 0x20320001);
    } else if (step == "alt+d" || step == "alt+l") {
        SetKeysDown({VK_MENU});
        PostMessageW(focus, WM_SYSKEYDOWN, static_cast<WPARAM>(toupper(step.back())), 0x20200001);
    } else if (step == "seen") {
        std::string seen;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            GetWindowTextW(child, text, 256);
            seen += IsWindowVisible(child) ? wingui::Narrow(text) + "|" : "";
        }
        GetClassNameW(focus, text, 256);
        g_seen.push_back(seen + "focus:" + wingui::Narrow(text));
    } else if (step.rfind("type:", 0) == 0) {
        SetWindowTextW(FindWindowExW(dialog, nullptr, L"Edit", nullptr),
                       wingui::Wide(step.substr(5)).c_str());
    }
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        GetWindowTextW(child, text, 256);
        if (wingui::Narrow(text) == step) {
            PostMessageW(child, BM_CLICK, 0, 0);
        }
    }
}

TEST_F(MainWindowTest, TheDiskDialogAnswersThePickedOptionAndCancelForItsCloseBox) {
    Win32SplitUi ui(window);
    g_dialogTitle = L"Insufficient space on removable media";
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, UseDialog);
    const struct {
        std::vector<std::string> steps;
        DiskChoice answer;
    } rows[] = {
        {{"Format the disk and try again", "&OK"}, DiskChoice::Format},
        {{"Insert a new disk and try again", "close"}, DiskChoice::Cancel},
        {{"Insert a new disk and try again", "&OK"}, DiskChoice::NewDisk},
        {{"&OK"}, DiskChoice::NewDisk}, // as chosen before
        {{"Select a smaller size per partition", "&OK"}, DiskChoice::Cancel},
    };
    for (const auto& row : rows) {
        g_steps = row.steps;
        EXPECT_EQ(ui.ShowDiskDialog(), row.answer) << row.steps.front();
    }
    KillTimer(nullptr, timer);
}

TEST_F(MainWindowTest, F1InTheAboutBoxTheDiskDialogAndTheProgressWindowOpensTheHelp) {
    Win32SplitUi ui(window);
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, UseDialog);
    g_dialogTitle = L"About Parvola";
    g_steps = {"F1", "&OK"};
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(104, 0), 0); // Help > About...
    g_dialogTitle = L"Insufficient space on removable media";
    g_steps = {"F1", "&OK"};
    ui.ShowDiskDialog();
    KillTimer(nullptr, timer);
    ui.ShowProgress();
    PressF1(FindWindowExW(ShownWindow(L"Parvola"), nullptr, L"Button", L"Cancel")); // not the hidden main one
    wingui::ProcessPendingMessages(window);
    ui.HideProgress();

    ASSERT_EQ(shell.urls.size(), 3u);
    for (const std::string& url : shell.urls) {
        EXPECT_NE(url.find("/help/index.html"), std::string::npos) << url;
    }
}

TEST_F(MainWindowTest, TheOptionsDialogShowsTheStoredOptionsAndOkStoresThemCancelNothing) {
    settings.values[SettingName::OptClean] = "0";
    settings.values[SettingName::ChkSaveDestDir] = "0";
    const auto options = [this](std::vector<std::string> steps) {
        g_dialogTitle = L"Parvola Options";
        g_steps = std::move(steps);
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, UseDialog);
        SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(101, 0), 0); // File > Options...
        KillTimer(nullptr, timer);
    };
    options({"Do&n't include the Readme file", "&Save Destination Directory", "type:*.dat", "Can&cel"});
    EXPECT_EQ(settings.values.count(SettingName::OptReadme), 0u);
    EXPECT_EQ(settings.values[SettingName::ChkSaveDestDir], "0");
    EXPECT_EQ(window.File1().Pattern(), "");

    options({"Do&n't include the Readme file", "&Save Destination Directory", "type:*.dat", "&OK"});
    EXPECT_EQ(settings.values[SettingName::OptReadme], "1");
    EXPECT_EQ(settings.values[SettingName::ChkSaveDestDir], "1");
    EXPECT_EQ(settings.values[SettingName::OptClean], "0"); // as shown
    EXPECT_EQ(settings.values[SettingName::OptLabel], "0");
    EXPECT_EQ(window.File1().Pattern(), "*.dat");
}

TEST_F(MainWindowTest, TheOptionsDialogShowsOnePageAtATimeWhichCtrlTabTurns) {
    g_dialogTitle = L"Parvola Options";
    // General, Disk Labels, General, Cleanup, General, then by access keys Disk Labels, where Alt+L is its
    // option's, not Cleanup's.
    g_steps = {"seen", "ctrl+shift+tab", "seen", "ctrl+tab", "ctrl+tab", "seen", "ctrl+shift+tab", "tab",
               "seen", "alt+m",          "seen", "alt+d",    "alt+l",    "seen", "Can&cel"};
    g_seen.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, UseDialog);
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(101, 0), 0); // File > Options...
    KillTimer(nullptr, timer);
    const char* const buttons = "&Help|&OK|Can&cel|";
    ASSERT_EQ(g_seen.size(), 6u);
    EXPECT_EQ(g_seen[0], std::string("File &Mask:||R&eset|&Save Destination Directory|&Use 8.3 file names|"
                                     "Write SHA-256 chec&ksums|") +
                             buttons + "General||focus:Edit");
    EXPECT_EQ(g_seen[1].substr(0, 34), "Parvola can automatically label di");
    EXPECT_NE(g_seen[1].find("|&Label them|D&on't label them|&Help"), std::string::npos) << g_seen[1];
    EXPECT_EQ(g_seen[2],
              std::string("After splitting a file, the following action will be taken on the source "
                          "file:|&Automatically delete the source file|&Prompt me to delete the "
                          "source file|Do&n't delete the source file|") +
                  buttons + "Cleanup||focus:Button");
    EXPECT_EQ(g_seen[3].rfind("File &Mask:", 0), 0u) << g_seen[3];
    EXPECT_NE(g_seen[3].find("focus:Button"), std::string::npos) << g_seen[3]; // Reset
    EXPECT_NE(g_seen[4].find("focus:Edit"), std::string::npos) << g_seen[4];
    EXPECT_NE(g_seen[5].find("|&Label them|D&on't label them|&Help"), std::string::npos) << g_seen[5];
}

// What the shell hands a window when a path is dropped on it at a point of its client area.
HDROP MakeDrop(const std::wstring& path, POINT at) {
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->pt = at;
    files->fWide = TRUE;
    std::copy(path.begin(), path.end(), reinterpret_cast<wchar_t*>(files + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(MainWindowTest, ADroppedFileIsChosenAndADroppedFolderOnlyOnTheDestinationTree) {
    const auto drop = [this](const std::string& path, POINT at) {
        SendMessageW(window.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(wingui::Wide(path), at)),
                     0);
    };
    const RECT dest = window.DestDir().Bounds();
    drop(folder() + "\\inner", {1, 1}); // beside the trees
    EXPECT_EQ(window.DestDir().SelectedKey(), "My Computer");
    drop(folder() + "\\inner", {dest.left + 5, dest.top + 5});
    EXPECT_EQ(window.DestDir().SelectedKey(), folder() + "\\inner");
    EXPECT_EQ(window.Dir().SelectedKey(), "My Computer");

    drop(folder() + "\\b.txt", {dest.left + 5, dest.top + 5}); // a file, wherever it lands
    EXPECT_EQ(window.Dir().SelectedKey(), folder());
    EXPECT_EQ(window.File1().FileName(), "b.txt");
}

// Start-up with what an earlier run stored.
class StartUpTest : public WindowFixture {};

TEST_F(StartUpTest, StoredChoicesComeBackAndAStrangeSizeIndexChoosesOnePointFourFour) {
    const struct {
        const char* optIdx;
        int chosen;
    } rows[] = {{"6", 6}, {"0", 0}, {"9", 3}, {"x", 3}, {"", 3}};
    for (const auto& row : rows) {
        settings.values[SettingName::OptIdx] = row.optIdx;
        window.Form_Load("");
        EXPECT_EQ(window.currentSizeIndex(), row.chosen) << row.optIdx;
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(window.optFSize(i).Checked(), i == row.chosen) << row.optIdx << " " << i;
        }
    }
    settings.values[SettingName::TxtNum] = "42";
    window.Form_Load("");
    EXPECT_EQ(window.txtNum().Text(), "42");
    EXPECT_EQ(window.lblSize().Text(), "0 KB");
}

TEST_F(StartUpTest, TheStoredPlaceComesBackAndEndingStoresItAgain) {
    settings.values[SettingName::WindowLeft] = "50";
    settings.values[SettingName::WindowTop] = "60";
    settings.values[SettingName::WindowWidth] = "400";
    settings.values[SettingName::WindowHeight] = "300";
    window.Form_Load("");
    RECT outer{};
    RECT client{};
    GetWindowRect(window.hwnd(), &outer);
    GetClientRect(window.hwnd(), &client);
    EXPECT_EQ(Text({outer.left, outer.top, client.right, client.bottom}), "50,60 400,300");

    SetWindowPos(window.hwnd(), nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window.cmdCancel().Click();
    EXPECT_EQ(settings.values[SettingName::WindowLeft] + "," + settings.values[SettingName::WindowTop] + " " +
                  settings.values[SettingName::WindowWidth] + "," +
                  settings.values[SettingName::WindowHeight],
              "70,80 400,300");
}

TEST_F(StartUpTest, TheDestinationComesBackOnlyWhenItIsToBeSaved) {
    settings.values[SettingName::DestDir] = folder();
    settings.values[SettingName::ChkSaveDestDir] = "0";
    window.Form_Load("");
    EXPECT_EQ(window.DestDir().SelectedKey(), "My Computer");
    settings.values[SettingName::ChkSaveDestDir] = "1";
    window.Form_Load("");
    EXPECT_EQ(window.DestDir().SelectedKey(), folder());
}

TEST_F(StartUpTest, AFileOnTheCommandLineOpensBothTreesAtItsFolderAndIsChosenWhateverItsCase) {
    settings.values[SettingName::FMask] = "*.dat;*.txt";
    window.Form_Load(folder() + "\\B.TXT");
    EXPECT_EQ(window.Dir().SelectedKey(), folder());
    EXPECT_EQ(window.DestDir().SelectedKey(), folder());
    EXPECT_EQ(window.File1().FileName(), "b.txt");
    EXPECT_EQ(window.lblSize().Text(), "4 KB");
}

TEST_F(StartUpTest, TheStoredPatternChoosesTheFilesListed) {
    settings.values[SettingName::FMask] = "*.dat";
    window.Form_Load(folder() + "\\a2.dat");
    wingui::ListBox& files = window.File1().box();
    ASSERT_EQ(files.Count(), 2);
    EXPECT_EQ(files.Item(0) + " " + files.Item(1), "a2.dat a10.dat");
}

TEST_F(StartUpTest, AMissingFileOnTheCommandLineLeavesEverythingAsItWas) {
    window.Form_Load(folder() + "\\none.bin");
    EXPECT_EQ(window.Dir().SelectedKey(), "My Computer");
    EXPECT_EQ(window.File1().FileName(), "");
}

// What each way of ending stores: Close all, File > Exit all but the pattern, the close box nothing.
TEST_F(MainWindowTest, EachWayOfEndingStoresItsOwnShare) {
    settings.values[SettingName::ChkSaveDestDir] = "1";
    ASSERT_TRUE(window.DestDir().SelectPath(FolderTreeModel::PathTo(folder())));
    window.txtNum().SetText("7");

    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(ended);
    EXPECT_EQ(settings.values.count(SettingName::TxtNum) + settings.values.count(SettingName::DestDir), 0u);

    ended = false;
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(102, 0), 0); // File > Exit
    EXPECT_TRUE(ended);
    EXPECT_EQ(settings.values[SettingName::TxtNum], "7");
    EXPECT_EQ(settings.values[SettingName::DestDir], folder());
    EXPECT_EQ(settings.values.count(SettingName::FMask), 0u);
}

} // namespace
} // namespace parvola
