// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/upper_case.h"

#include "platform/windows/utf16.h"

namespace parvola {

// The C runtime's locales know no UTF-8 here, and wchar_t holds only half of some characters: the
// system's own table does it.
std::string UpperCase(const std::string& text) {
    return WindowsUpperCase(text);
}

} // namespace parvola
