#include "platform/linux/linux_code_pages.h"

#include <iconv.h>

#include <vector>

namespace parvola {

std::optional<std::string> LinuxCodePages::Encode(int codePage, const std::string& utf8) {
    // Without //TRANSLIT a character the code page lacks is an error, never a look-alike.
    const iconv_t converter = ::iconv_open(("CP" + std::to_string(codePage)).c_str(), "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::vector<char> in(utf8.begin(), utf8.end());
    // No code page takes more than four bytes for a character that UTF-8 writes in one.
    std::vector<char> out(utf8.size() * 4 + 8);
    char* inAt = in.data();
    std::size_t inLeft = in.size();
    char* outAt = out.data();
    std::size_t outLeft = out.size();
    const bool complete =
        ::iconv(converter, &inAt, &inLeft, &outAt, &outLeft) != static_cast<std::size_t>(-1) &&
        ::iconv(converter, nullptr, nullptr, &outAt, &outLeft) != static_cast<std::size_t>(-1);
    ::iconv_close(converter);
    if (!complete || inLeft != 0) {
        return std::nullopt;
    }
    return std::string(out.data(), outAt);
}

} // namespace parvola
