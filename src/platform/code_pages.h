// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace parvola {

// The text encodings of the Windows command interpreter ("OEM code pages": 437, 850, 866, 932 …).
class CodePages {
public:
    virtual ~CodePages() = default;
    // utf8 in the code page; no value when the code page lacks one of its characters or is unknown.
    virtual std::optional<std::string> Encode(int codePage, const std::string& utf8) = 0;
};

} // namespace parvola
