// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/listed_sums.h"

#include "engine/checksum_file.h"
#include "platform/path_text.h"

#include <algorithm>

namespace parvola {

Digest DigestOf(const std::string& hex) {
    const auto value = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    Digest digest{};
    for (std::size_t i = 0; i < digest.size() && 2 * i + 1 < hex.size(); ++i) {
        digest[i] = static_cast<unsigned char>(value(hex[2 * i]) << 4 | value(hex[2 * i + 1]));
    }
    return digest;
}

FileStatus ListedSums::Open(FileSystem& files) {
    const std::string path = JoinPath(m_set.folder, ChecksumFileName(m_set.baseName));
    const auto length = files.FileLength(path);
    m_present = length.has_value();
    if (!m_present) {
        return std::nullopt;
    }
    if (auto error = files.OpenRead(path, m_file)) {
        return error;
    }
    m_reader = std::make_unique<LineReader>(*m_file, *length);
    return std::nullopt;
}

bool ListedSums::Next(std::int64_t& number, Digest& digest) {
    for (std::string line; m_reader && m_badLine == 0 && m_reader->Next(line);) {
        ++m_lineNumber;
        // The parser takes any part of a checksum file that ends at a line break.
        const auto entries = ParseChecksumFile(line);
        if (!entries) {
            m_badLine = m_lineNumber;
            return false;
        }
        for (const ChecksumEntry& entry : *entries) {
            // "./name", as sha256sum lists files named so, is the same file.
            const std::string name = entry.name.compare(0, 2, "./") == 0 ? entry.name.substr(2) : entry.name;
            const auto piece = PieceNumber(name, m_set.baseName);
            if (piece || name == m_set.baseName) {
                number = piece.value_or(0);
                digest = DigestOf(entry.digest);
                return true;
            }
        }
    }
    return false;
}

std::optional<Digest> ListedSums::Find(std::int64_t number) {
    const auto at = static_cast<std::size_t>(number);
    if (at < m_held.size() && m_held[at]) {
        m_held[at] = false;
        return m_early[at];
    }
    std::int64_t listed = 0;
    for (Digest digest; Next(listed, digest);) {
        if (listed == number) {
            return digest;
        }
        // What is held stays bounded by the pieces there are.
        if (listed > m_set.count) {
            m_changed = true;
            return std::nullopt;
        }
        const auto early = static_cast<std::size_t>(listed);
        if (early >= m_held.size()) {
            m_early.resize(std::max<std::size_t>(early, static_cast<std::size_t>(m_set.count)) + 1);
            m_held.resize(m_early.size());
        }
        m_early[early] = digest;
        m_held[early] = true;
    }
    return std::nullopt;
}

} // namespace parvola
