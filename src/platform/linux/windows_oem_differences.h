// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace parvola {

// Characters first to last (all in the BMP) that Windows encodes in a code page otherwise than glibc's
// iconv does: bytes are Windows' bytes for first, most significant first, length of them, and each next
// character's count up by one. length 0: Windows lacks these characters (it would give a look-alike by
// best fit, or its default character).
struct WindowsOemRun {
    char16_t first;
    char16_t last;
    std::uint16_t bytes;
    std::uint8_t length;
};

// One code page's runs, in order of first.
struct WindowsOemRuns {
    const WindowsOemRun* from;
    const WindowsOemRun* to;
};

// The runs of codePage; none where glibc gives what Windows gives.
WindowsOemRuns WindowsOemDifferences(int codePage);

} // namespace parvola
