// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace wingui {

// The program speaks UTF-8; Win32 speaks UTF-16. These two are the only crossings.
std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);

} // namespace wingui
