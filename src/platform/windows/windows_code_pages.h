// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/code_pages.h"

namespace parvola {

// The system's own tables, best fit off: what the command interpreter reads back is what was meant.
class WindowsCodePages final : public CodePages {
public:
    WindowsCodePages() = default;
    std::optional<std::string> Encode(int codePage, const std::string& utf8) override;
};

} // namespace parvola
