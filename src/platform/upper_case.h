// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace parvola {

// text with every letter in capitals, one character for one ("Größe" gives "GRÖßE"), as the system's own
// rules have them; bytes that begin no UTF-8 character stay.
std::string UpperCase(const std::string& text);

} // namespace parvola
