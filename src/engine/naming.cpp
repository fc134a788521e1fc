// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/naming.h"

#include "engine/utf8.h"
#include "platform/paths.h"

#include <cstdio>

namespace parvola {

std::string BaseName(const std::string& sourceFileName, bool cut83) {
    if (!cut83) {
        return sourceFileName;
    }
    // Eight characters, not bytes: a cut through a character would leave a name that is no text.
    const std::string stem = sourceFileName.substr(0, sourceFileName.find('.'));
    std::size_t end = 0;
    for (int characters = 0; characters < 8 && end < stem.size(); ++characters) {
        end += Utf8At(stem, end).length;
    }
    return stem.substr(0, end);
}

std::string PieceName(const std::string& baseName, std::int64_t pieceNumber) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%03lld", static_cast<long long>(pieceNumber));
    return baseName + "." + digits;
}

std::optional<char> UnsafeScriptCharacter(const std::string& name) {
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '%' || c == '^' || c == '\\' || code < 0x20 || code == 0x7f) {
            return c;
        }
    }
    return std::nullopt;
}

} // namespace parvola
