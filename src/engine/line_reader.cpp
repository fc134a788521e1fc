// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/line_reader.h"

#include <algorithm>

namespace parvola {

LineReader::LineReader(InputFile& file, std::int64_t length)
    : m_file(file), m_left(length), m_block(kLongestLine) {}

bool LineReader::Fill() {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(m_left, m_block.size()));
    if (n == 0) {
        return false;
    }
    if ((m_error = m_file.Read(m_block.data(), n))) {
        m_left = 0;
        return false;
    }
    m_left -= static_cast<std::int64_t>(n);
    m_begin = 0;
    m_end = n;
    return true;
}

bool LineReader::Next(std::string& line) {
    line.clear();
    bool any = false;
    while (m_begin < m_end || Fill()) {
        any = true;
        const char* begin = m_block.data() + m_begin;
        const char* end = m_block.data() + m_end;
        const char* lineFeed = std::find(begin, end, '\n');
        const std::size_t room = kLongestLine - std::min(line.size(), kLongestLine);
        line.append(begin, std::min(static_cast<std::size_t>(lineFeed - begin), room));
        m_begin = static_cast<std::size_t>(lineFeed - m_block.data());
        if (lineFeed != end) {
            ++m_begin;
            break;
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return any && !m_error;
}

} // namespace parvola
