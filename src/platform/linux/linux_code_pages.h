#pragma once

#include "platform/code_pages.h"

namespace parvola {

// The code pages through the C library's iconv, which knows every one the command interpreter uses.
class LinuxCodePages final : public CodePages {
public:
    std::optional<std::string> Encode(int codePage, const std::string& utf8) override;
};

} // namespace parvola
