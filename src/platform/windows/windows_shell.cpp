// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/windows_shell.h"

#include "platform/windows/utf16.h"
#include "platform/windows/windows_paths.h"

#include <windows.h>

#include <knownfolders.h>
#include <objbase.h>
#include <shellapi.h>

namespace parvola {

namespace {

// False when the shell started nothing for target.
bool Open(const std::string& target) {
    const std::wstring wide = WideFromUtf8(target);
    if (wide.empty()) {
        return false;
    }
    // Some handlers the shell hands addresses to are COM objects: the calling thread needs COM, in the
    // apartment the shell asks for, unless it has it already.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // Anything above 32 is success, by the oldest of the shell's rules.
    const auto started = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return started > 32;
}

} // namespace

std::string WindowsShell::DesktopFolder() {
    const std::string desktop = KnownFolder(&FOLDERID_Desktop);
    return desktop.empty() ? KnownFolder(&FOLDERID_Profile) : desktop;
}

bool WindowsShell::OpenFolder(const std::string& folder) {
    return Open(folder);
}

bool WindowsShell::OpenUrl(const std::string& url) {
    return Open(url);
}

} // namespace parvola
