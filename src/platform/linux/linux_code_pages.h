// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/code_pages.h"

#include <iconv.h>

#include <map>
#include <mutex>

namespace parvola {

// The code pages as Windows' own tables have them (WideCharToMultiByte without best fit, which is how the
// command interpreter reads the script back): glibc's iconv, corrected where its tables differ from
// Windows' (its CP932 gives "¥" as the byte 0x5C, which the interpreter reads as a backslash).
class LinuxCodePages final : public CodePages {
public:
    LinuxCodePages() = default;
    LinuxCodePages(const LinuxCodePages&) = delete;
    LinuxCodePages& operator=(const LinuxCodePages&) = delete;
    ~LinuxCodePages() override;

    std::optional<std::string> Encode(int codePage, const std::string& utf8) override;

private:
    // One converter per code page, opened on first use: a name is encoded character by character.
    std::mutex m_mutex;
    std::map<int, iconv_t> m_converters;
};

} // namespace parvola
