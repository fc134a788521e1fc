// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/windows_paths.h"

#include "platform/path_text.h"
#include "platform/windows/utf16.h"
#include "platform/windows/windows_errors.h"

#include <random>
#include <vector>

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace parvola {

namespace {

// Asks a W call that reports the length it needs, growing the buffer until the answer fits.
template <typename Call> std::string GrowingCall(Call call) {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return Utf8FromWide(std::wstring(buffer.data(), length));
        }
        buffer.resize(length + 1);
    }
    return {};
}

std::string TempBase() {
    return GrowingCall([](wchar_t* buffer, DWORD size) { return ::GetTempPathW(size, buffer); });
}

// Makes folder unless it is there already.
bool EnsureFolder(const std::string& folder) {
    const std::wstring wide = WideFromUtf8(folder);
    return !wide.empty() &&
           (::CreateDirectoryW(wide.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
}

} // namespace

std::string KnownFolder(const void* folderId) {
    wchar_t* path = nullptr;
    std::string result;
    if (SUCCEEDED(::SHGetKnownFolderPath(*static_cast<const KNOWNFOLDERID*>(folderId), 0, nullptr, &path))) {
        result = Utf8FromWide(path);
    }
    ::CoTaskMemFree(path);
    return result;
}

FileStatus WindowsPaths::MakeTempFolder(std::string& folder) {
    const std::string base = TempBase();
    // Until one is made, folder names where it was to be, so that a failure can say where.
    folder = base;
    if (base.empty()) {
        return LastWin32Error();
    }
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    DWORD error = ERROR_ALREADY_EXISTS;
    for (int attempt = 0; attempt < 100 && error == ERROR_ALREADY_EXISTS; ++attempt) {
        std::string name = "parvola-";
        for (int i = 0; i < 6; ++i) {
            name += kLetters[letter(random)];
        }
        const std::string path = JoinPath(base, name);
        if (::CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr)) {
            folder = path + kPathSeparator;
            return std::nullopt;
        }
        error = ::GetLastError();
    }
    return ErrorFromWin32(error);
}

std::string WindowsPaths::LockFolder() {
    std::string folder = KnownFolder(&FOLDERID_LocalAppData);
    if (folder.empty()) {
        const DWORD length = ::GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
        std::wstring value(length, L'\0');
        if (length > 1 && ::GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(), length) == length - 1) {
            value.resize(length - 1);
            folder = Utf8FromWide(value);
        }
    }
    if (folder.empty()) {
        return WithoutTrailingSeparator(TempBase());
    }
    for (const char* name : {"Orvane", "Parvola", "locks"}) {
        folder = JoinPath(folder, name);
        if (!EnsureFolder(folder)) {
            return WithoutTrailingSeparator(TempBase());
        }
    }
    return folder;
}

std::string WindowsPaths::Absolute(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty()) {
        return path;
    }
    const std::string full = GrowingCall(
        [&](wchar_t* buffer, DWORD size) { return ::GetFullPathNameW(wide.c_str(), size, buffer, nullptr); });
    return full.empty() ? path : full;
}

std::string WindowsPaths::HomeFolder() {
    return KnownFolder(&FOLDERID_Profile);
}

std::string WindowsPaths::ShortPathName(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty()) {
        return {};
    }
    return GrowingCall(
        [&](wchar_t* buffer, DWORD size) { return ::GetShortPathNameW(wide.c_str(), buffer, size); });
}

} // namespace parvola
