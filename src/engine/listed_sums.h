// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/line_reader.h"
#include "engine/piece_set.h"
#include "platform/file_system.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace parvola {

// A SHA-256 digest as its 32 bytes.
using Digest = std::array<unsigned char, 32>;

// The digest of the hexadecimal text sha256sum prints.
Digest DigestOf(const std::string& hex);

// name.sha256 beside the pieces, read a line at a time: what it lists for the pieces (numbers 1 …) and for
// the joined file (number 0). Lines for other files are passed over.
class ListedSums {
public:
    explicit ListedSums(const PieceSet& set) : m_set(set) {}

    // Opens the file; present() tells whether there is one at all.
    FileStatus Open(FileSystem& files);
    bool present() const { return m_present; }

    // The next entry. False at the end, when a line is not one
    // sha256sum reads (badLine() then gives its number), or when a read failed (error()).
    bool Next(std::int64_t& number, Digest& digest);
    std::int64_t badLine() const { return m_badLine; }
    const FileStatus& error() const { return m_reader ? m_reader->error() : m_noError; }

    // The digest listed for number, reading on as far as needed. The split lists the pieces in their order,
    // so nothing need be held; entries met before they are asked for are kept until then, 32 bytes each.
    std::optional<Digest> Find(std::int64_t number);
    // True once Find met an entry beyond the last piece, which the file did not hold when it was checked.
    bool changed() const { return m_changed; }

private:
    const PieceSet& m_set;
    bool m_present = false;
    std::unique_ptr<InputFile> m_file;
    std::unique_ptr<LineReader> m_reader;
    std::int64_t m_lineNumber = 0;
    std::int64_t m_badLine = 0;
    bool m_changed = false;
    std::vector<Digest> m_early; // by number; made only for a file that lists out of order
    std::vector<bool> m_held;
    FileStatus m_noError;
};

} // namespace parvola
