// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace parvola {

// One character of a UTF-8 text: its code point and how many bytes it takes. A byte that begins no
// well-formed sequence stands alone, with valid false.
struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 1;
    bool valid = false;
};

// The character that begins at text[at], which must be inside text.
Utf8Char Utf8At(const std::string& text, std::size_t at);

std::string ToUtf8(char32_t code);

} // namespace parvola
