// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/linux_code_pages.h"

#include "platform/linux/windows_oem_differences.h"

#include <algorithm>

namespace parvola {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
const std::size_t kFailed = static_cast<std::size_t>(-1);

// The length of the well-formed UTF-8 sequence at text[at] and its code point in code; 0 for a byte that
// begins none (overlong forms and surrogates included).
std::size_t Utf8Sequence(const std::string& text, std::size_t at, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xc2 ? 0
                               : lead < 0xe0 ? 2
                               : lead < 0xf0 ? 3
                               : lead < 0xf5 ? 4
                                             : 0;
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    code = length == 1 ? lead : lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) {
            return 0;
        }
        code = code << 6 | (byte(i) & 0x3f);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return code < least[length] || surrogate || code > 0x10ffff ? 0 : length;
}

// Windows' bytes for code where they differ from glibc's: no value where the table does not list code,
// an empty text where Windows lacks it.
std::optional<std::string> WindowsBytes(const WindowsOemRuns& runs, char32_t code) {
    const auto* run = std::upper_bound(runs.from, runs.to, code,
                                       [](char32_t c, const WindowsOemRun& r) { return c < r.first; });
    if (run == runs.from || code > (--run)->last) {
        return std::nullopt;
    }
    const unsigned value = run->bytes + (code - run->first);
    std::string bytes;
    for (int i = run->length - 1; i >= 0; --i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    }
    return bytes;
}

// One character through iconv, its state flushed, so that it stands alone as it does for Windows.
bool Convert(iconv_t converter, const char* character, std::size_t length, std::string& out) {
    char buffer[16];
    char* in = const_cast<char*>(character);
    char* at = buffer;
    std::size_t outLeft = sizeof buffer;
    const bool complete = ::iconv(converter, &in, &length, &at, &outLeft) != kFailed &&
                          ::iconv(converter, nullptr, nullptr, &at, &outLeft) != kFailed && length == 0;
    if (!complete) {
        ::iconv(converter, nullptr, nullptr, nullptr, nullptr);
        return false;
    }
    out.append(buffer, at);
    return true;
}

} // namespace

LinuxCodePages::~LinuxCodePages() {
    for (const auto& [page, converter] : m_converters) {
        if (converter != kNoConverter) {
            ::iconv_close(converter);
        }
    }
}

std::optional<std::string> LinuxCodePages::Encode(int codePage, const std::string& utf8) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_converters.find(codePage);
    if (found == m_converters.end()) {
        // Without //TRANSLIT a character the code page lacks is an error, never a look-alike.
        found =
            m_converters.emplace(codePage, ::iconv_open(("CP" + std::to_string(codePage)).c_str(), "UTF-8"))
                .first;
    }
    const iconv_t converter = found->second;
    if (converter == kNoConverter) {
        return std::nullopt;
    }
    const WindowsOemRuns differences = WindowsOemDifferences(codePage);
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t code = 0;
        const std::size_t length = Utf8Sequence(utf8, at, code);
        // None of these pages holds a character beyond the BMP.
        if (length == 0 || code > 0xffff) {
            return std::nullopt;
        }
        if (const auto windows = WindowsBytes(differences, code)) {
            if (windows->empty()) {
                return std::nullopt;
            }
            out += *windows;
        } else if (!Convert(converter, utf8.data() + at, length, out)) {
            return std::nullopt;
        }
        at += length;
    }
    return out;
}

} // namespace parvola
