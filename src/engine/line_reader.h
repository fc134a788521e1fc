// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <string>
#include <vector>

namespace parvola {

// Reads a text file a line at a time through one block, so that a file of any length is never held whole.
class LineReader {
public:
    // A longer line comes cut to this length: no line of a file the program reads comes anywhere near it.
    static constexpr std::size_t kLongestLine = 65536;

    // length: the file's length as it was found; the reader reads no further.
    LineReader(InputFile& file, std::int64_t length);

    // The next line without its line break (LF or CR LF); false after the last line, or when a read
    // failed, which error() then tells.
    bool Next(std::string& line);
    const FileStatus& error() const { return m_error; }

private:
    bool Fill();

    InputFile& m_file;
    std::int64_t m_left;
    std::vector<char> m_block;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    FileStatus m_error;
};

} // namespace parvola
