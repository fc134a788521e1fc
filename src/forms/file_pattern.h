// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace parvola {

// Whether the file list shows names that begin with a dot: the system's file lists hide them, unless the
// user asks for them with a pattern (one of those separated by ";" or ",") that begins with a dot.
bool ShowsHiddenNames(const std::string& patterns);

} // namespace parvola
