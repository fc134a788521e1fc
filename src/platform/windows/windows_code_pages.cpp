// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/windows_code_pages.h"

#include <climits>

#include <windows.h>

namespace parvola {

namespace {

// Code pages WideCharToMultiByte refuses WC_NO_BEST_FIT_CHARS and the used-default flag for: none of
// them is an OEM code page, so none is used for a script.
bool TakesNoFlags(int codePage) {
    switch (codePage) {
    case 42:
    case 50220:
    case 50221:
    case 50222:
    case 50225:
    case 50227:
    case 50229:
    case 52936:
    case 54936:
    case CP_UTF7:
    case CP_UTF8:
        return true;
    default:
        return codePage >= 57002 && codePage <= 57011;
    }
}

} // namespace

std::optional<std::string> WindowsCodePages::Encode(int codePage, const std::string& utf8) {
    if (codePage <= 0 || TakesNoFlags(codePage) || !::IsValidCodePage(static_cast<UINT>(codePage)) ||
        utf8.size() > INT_MAX / 4) {
        return std::nullopt;
    }
    if (utf8.empty()) {
        return std::string();
    }
    // Ill-formed UTF-8 has no characters to encode.
    const int size = static_cast<int>(utf8.size());
    const int wideLength =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (wideLength <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), wideLength);
    const auto cp = static_cast<UINT>(codePage);
    BOOL usedDefault = FALSE;
    const int length = ::WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0,
                                             nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, bytes.data(), length, nullptr,
                          &usedDefault);
    if (usedDefault) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace parvola
