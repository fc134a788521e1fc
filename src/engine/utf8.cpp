// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/utf8.h"

namespace parvola {

Utf8Char Utf8At(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    // The lead byte's high bits give the length; the rest of it starts the code point.
    struct Form {
        unsigned char mask, bits;
        std::size_t length;
        char32_t smallest;
    };
    static constexpr Form kForms[] = {
        {0xe0, 0xc0, 2, 0x80}, {0xf0, 0xe0, 3, 0x800}, {0xf8, 0xf0, 4, 0x10000}};
    const Form* form = nullptr;
    for (const Form& candidate : kForms) {
        if ((lead & candidate.mask) == candidate.bits) {
            form = &candidate;
        }
    }
    if (!form) {
        return {lead, 1, false};
    }
    const std::size_t length = form->length;
    const char32_t smallest = form->smallest;
    char32_t code = lead & static_cast<unsigned char>(~form->mask);
    if (at + length > text.size()) {
        return {lead, 1, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0) != 0x80) {
            return {lead, 1, false};
        }
        code = (code << 6) | (byte(at + i) & 0x3f);
    }
    // Overlong forms, surrogates and values past Unicode are no characters.
    if (code < smallest || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff) {
        return {lead, 1, false};
    }
    return {code, length, true};
}

std::string ToUtf8(char32_t code) {
    std::string out;
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
    return out;
}

} // namespace parvola
