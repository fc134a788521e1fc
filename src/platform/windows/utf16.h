// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace parvola {

// Text is UTF-8 inside the program and UTF-16 at every Win32 call. Bytes that are no UTF-8 become U+FFFD,
// and lone surrogates coming back from the system likewise, so that neither conversion ever fails.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);
std::string Utf8FromWide(const wchar_t* wide);

// text with every letter in capitals, one character for one ("Größe" gives "GRÖßE"), by the invariant
// locale's rules, the same on every machine whatever its language: what the readme shows of a name. Bytes
// that begin no well-formed character stay as they are.
std::string WindowsUpperCase(const std::string& text);

} // namespace parvola
