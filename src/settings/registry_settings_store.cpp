// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/registry_settings_store.h"

#include <windows.h>

namespace parvola {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    std::string utf8(static_cast<std::size_t>(
                         WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                        nullptr);
    return utf8;
}

std::optional<std::wstring> ValueIn(HKEY root, const std::wstring& key, const std::wstring& name) {
    // The value may grow between asking its size and reading it: then ask again.
    for (;;) {
        DWORD bytes = 0;
        if (RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS) {
            return std::nullopt;
        }
        text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
        return text;
    }
}

} // namespace

RegistrySettingsStore::RegistrySettingsStore(std::string key) : m_key(Wide(key)) {}

std::optional<std::string> RegistrySettingsStore::ReadSetting(const std::string& name) {
    const std::wstring wideName = Wide(name);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        if (auto value = ValueIn(root, m_key, wideName)) {
            return Narrow(*value);
        }
    }
    return std::nullopt;
}

void RegistrySettingsStore::WriteSetting(const std::string& name, const std::string& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return; // as with a settings file that cannot be written: the old value stays, nobody is told
    }
    const std::wstring value = Wide(text);
    RegSetValueExW(key, Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

} // namespace parvola
