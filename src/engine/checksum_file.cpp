// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/checksum_file.h"

#include <algorithm>
#include <cctype>

namespace parvola {

namespace {

constexpr std::size_t kDigestLength = 64;

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Undoes the escapes of a line that begins with a backslash: \\ and \n. No value for any other escape.
std::optional<std::string> Unescaped(const std::string& name) {
    std::string plain;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '\\') {
            plain += name[i];
            continue;
        }
        if (++i == name.size() || (name[i] != '\\' && name[i] != 'n')) {
            return std::nullopt;
        }
        plain += name[i] == 'n' ? '\n' : '\\';
    }
    return plain;
}

} // namespace

std::string ChecksumFileName(const std::string& baseName) {
    return baseName + ".sha256";
}

std::string ChecksumLine(const std::string& digest, const std::string& name) {
    if (name.find_first_of("\\\n") == std::string::npos) {
        return digest + "  " + name + "\n";
    }
    std::string escaped;
    for (const char c : name) {
        escaped += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return "\\" + digest + "  " + escaped + "\n";
}

std::optional<std::vector<ChecksumEntry>> ParseChecksumFile(const std::string& text) {
    std::vector<ChecksumEntry> entries;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        const bool escaped = line[0] == '\\';
        if (escaped) {
            line.erase(0, 1);
        }
        if (line.size() < kDigestLength + 3 || line[kDigestLength] != ' ' ||
            (line[kDigestLength + 1] != ' ' && line[kDigestLength + 1] != '*') ||
            !std::all_of(line.begin(), line.begin() + kDigestLength, IsHexDigit)) {
            return std::nullopt;
        }
        ChecksumEntry entry;
        entry.digest = line.substr(0, kDigestLength);
        std::transform(entry.digest.begin(), entry.digest.end(), entry.digest.begin(),
                       [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
        auto name = line.substr(kDigestLength + 2);
        if (escaped) {
            auto plain = Unescaped(name);
            if (!plain) {
                return std::nullopt;
            }
            name = *plain;
        }
        entry.name = name;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace parvola
