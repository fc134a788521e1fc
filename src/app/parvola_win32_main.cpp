// SPDX-License-Identifier: GPL-3.0-or-later
// parvola.exe: the main window over the user's settings in the registry.
#include "platform/system_platform.h"
#include "platform/windows/windows_shell.h"
#include "settings/registry_settings_store.h"
#include "ui_win32/main_window.h"
#include "ui_win32/wingui/text.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

int main() {
    // The manifest asks for the same; a copy started without it still lays out by the real resolution.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES |
                                                        ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES |
                                                        ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    // One argument, the file to split; several or none preselect nothing.
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::string commandLine = arguments && count == 2 ? wingui::Narrow(arguments[1]) : std::string();
    LocalFree(arguments);

    parvola::RegistrySettingsStore settings;
    parvola::SystemFileSystem files;
    parvola::SystemDrives drives;
    parvola::SystemPaths paths;
    parvola::SystemCodePages codePages;
    parvola::SystemChecksums checksums;
    parvola::Platform platform{files, drives, paths, codePages, checksums};
    parvola::WindowsShell shell;
    parvola::frmMain window(settings, platform, shell);
    if (!window.Create()) {
        return 1;
    }
    window.Form_Load(commandLine);
    ShowWindow(window.hwnd(), SW_SHOWDEFAULT);
    const int result = wingui::RunMessageLoop(window);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return result;
}
