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
    for (;;) {
        if (m_begin == m_end && !Fill()) {
            break;
        }
        any = true;
        const auto begin = m_block.begin() + static_cast<std::ptrdiff_t>(m_begin);
        const auto end = m_block.begin() + static_cast<std::ptrdiff_t>(m_end);
        const auto lineFeed = std::find(begin, end, '\n');
        const auto room = kLongestLine - std::min(line.size(), kLongestLine);
        line.append(begin, begin + std::min<std::ptrdiff_t>(lineFeed - begin, room));
        m_begin = static_cast<std::size_t>(lineFeed - m_block.begin());
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
