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

namespace {

// Well-formed UTF-8 in upper case, one UTF-16 unit for one, so that no character grows or shrinks.
std::string UpperRun(const std::string& run) {
    const std::wstring wide = WideFromUtf8(run);
    const int size = static_cast<int>(wide.size());
    std::wstring upper(wide.size(), L'\0');
    if (wide.empty() || ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), size,
                                        upper.data(), size, nullptr, nullptr, 0) != size) {
        return run;
    }
    return Utf8FromWide(upper);
}

// The length of the well-formed UTF-8 character at text[at]; 0 for a byte that begins none.
std::size_t CharacterAt(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xc2 ? 0
                               : lead < 0xe0 ? 2
                               : lead < 0xf0 ? 3
                               : lead < 0xf5 ? 4
                                             : 0;
    if (length <= 1 || at + length > text.size()) {
        return at + length > text.size() ? 0 : length;
    }
    // The system tells overlong forms and surrogates apart.
    return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data() + at, static_cast<int>(length),
                                 nullptr, 0) > 0
               ? length
               : 0;
}

} // namespace

std::string WindowsUpperCase(const std::string& text) {
    // Bytes that begin no character stay as they are, between runs of characters that change.
    std::string upper;
    upper.reserve(text.size());
    std::size_t run = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterAt(text, at);
        if (length > 0) {
            at += length;
            continue;
        }
        upper += UpperRun(text.substr(run, at - run)) + text[at];
        run = ++at;
    }
    return upper + UpperRun(text.substr(run));
}

} // namespace parvola
