// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/upper_case.h"

#include <cstddef>
#include <locale>
#include <stdexcept>

namespace parvola {

namespace {

// The code point that begins at text[at] and its length in bytes; a byte that begins no well-formed
// sequence is no character (0 bytes), and stays as it is.
std::size_t CharacterAt(const std::string& text, std::size_t at, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    // The lead byte's high bits give the length.
    std::size_t length = 0;
    if (lead < 0x80) {
        length = 1;
    } else if ((lead & 0xe0) == 0xc0) {
        length = 2;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4;
    }
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    code = length == 1 ? lead : lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3f);
    }
    // Overlong forms, surrogates and values past Unicode are no characters.
    if (code < kSmallest[length] || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff) {
        return 0;
    }
    return length;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xc0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xe0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    }
}

} // namespace

std::string UpperCase(const std::string& text) {
    // The C library's UTF-8 rules; where it has none, only the ASCII letters change.
    static const std::locale rules = [] {
        try {
            return std::locale("C.UTF-8");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
    const auto& ctype = std::use_facet<std::ctype<wchar_t>>(rules);
    std::string upper;
    upper.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = CharacterAt(text, at, code);
        if (length == 0) {
            upper += text[at++];
            continue;
        }
        AppendUtf8(upper, static_cast<char32_t>(ctype.toupper(static_cast<wchar_t>(code))));
        at += length;
    }
    return upper;
}

} // namespace parvola
