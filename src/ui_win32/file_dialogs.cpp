// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/file_dialogs.h"

#include "ui_win32/wingui/text.h"

#include <shobjidl.h>

namespace parvola {

namespace {

// Releases a COM interface when it goes.
template <typename T> struct Released {
    T* pointer = nullptr;
    ~Released() {
        if (pointer) {
            pointer->Release();
        }
    }
    T* operator->() const { return pointer; }
};

std::string Choose(HWND owner, const std::string& caption, const std::string& folder, bool folders) {
    Released<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&dialog.pointer)))) {
        return {};
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST |
                       (folders ? FOS_PICKFOLDERS : FOS_FILEMUSTEXIST));
    dialog->SetTitle(wingui::Wide(caption).c_str());
    if (!folders) {
        const COMDLG_FILTERSPEC filters[] = {{L"Pieces and batch files", L"*.001;*.bat"},
                                             {L"All files", L"*.*"}};
        dialog->SetFileTypes(2, filters);
    }
    Released<IShellItem> start;
    if (!folder.empty() && SUCCEEDED(SHCreateItemFromParsingName(wingui::Wide(folder).c_str(), nullptr,
                                                                 IID_PPV_ARGS(&start.pointer)))) {
        dialog->SetFolder(start.pointer);
    }
    Released<IShellItem> chosen;
    if (FAILED(dialog->Show(owner)) || FAILED(dialog->GetResult(&chosen.pointer))) {
        return {}; // Cancel
    }
    PWSTR path = nullptr;
    if (FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return {};
    }
    const std::string result = wingui::Narrow(path);
    CoTaskMemFree(path);
    return result;
}

} // namespace

std::string SystemFileDialogs::ChooseFile(HWND owner, const std::string& caption, const std::string& folder) {
    return Choose(owner, caption, folder, false);
}

std::string SystemFileDialogs::ChooseFolder(HWND owner, const std::string& caption,
                                            const std::string& folder) {
    return Choose(owner, caption, folder, true);
}

} // namespace parvola
