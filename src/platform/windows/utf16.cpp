// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/utf16.h"

#include <climits>

#include <windows.h>

namespace parvola {

std::wstring WideFromUtf8(const std::string& utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Utf8FromWide(const std::wstring& wide) {
    if (wide.empty() || wide.size() > INT_MAX / 3) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string Utf8FromWide(const wchar_t* wide) {
    return wide ? Utf8FromWide(std::wstring(wide)) : std::string();
}

std::string WindowsUpperCase(const std::string& text) {
    const std::wstring wide = WideFromUtf8(text);
    if (wide.empty()) {
        return text;
    }
    const int size = static_cast<int>(wide.size());
    const int length = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), size, nullptr, 0,
                                       nullptr, nullptr, 0);
    if (length <= 0) {
        return text;
    }
    std::wstring upper(static_cast<std::size_t>(length), L'\0');
    if (::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), size, upper.data(), length,
                        nullptr, nullptr, 0) <= 0) {
        return text;
    }
    return Utf8FromWide(upper);
}

} // namespace parvola
