// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/path_text.h"

#include <cstdint>
#include <optional>
#include <string>

namespace parvola {

// The stem of every output file: the file name itself, or with cut83 its first up to 8 characters (not
// bytes) before the first ".", which is empty for a name that begins with a dot.
std::string BaseName(const std::string& sourceFileName, bool cut83);

// base + "." + the number with at least three digits: 001 … 999, 1000 …
std::string PieceName(const std::string& baseName, std::int64_t pieceNumber);

// The first character of name that the rejoin script cannot hold safely, when there is one: a quote ends
// the quoted name, "%" and "^" are expanded by the command interpreter, a backslash makes the name a path
// there, control characters break the line.
std::optional<char> UnsafeScriptCharacter(const std::string& name);

} // namespace parvola
